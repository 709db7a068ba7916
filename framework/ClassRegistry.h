#pragma once
// Classes by name for form descriptions: how to make a component of a class
// and how to set each of its published properties from a description value.

#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/FormParser.h"
#include "framework/Graphics.h"
#include "framework/Handlers.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

class ReadContext;

struct NameLess {  // ASCII letters without regard to case
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

using PropertySetter = std::function<void(TComponent&, const PropertyValue&, ReadContext&)>;

class TClassInfo {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;
    TClassInfo(std::string name, const TClassInfo* parent, Factory make = nullptr)
        : name_(std::move(name)), parent_(parent), make_(std::move(make)) {}

    const std::string& Name() const { return name_; }
    // A new component of this class owned by owner; throws for a class that
    // cannot be made from a description.
    TComponent* Make(TComponent* owner) const;
    // The setter of a property of this class or of an ancestor; null if none.
    const PropertySetter* FindProperty(std::string_view name) const;
    void AddProperty(std::string name, PropertySetter setter);

private:
    std::string name_;
    const TClassInfo* parent_;
    Factory make_;
    std::map<std::string, PropertySetter, NameLess> properties_;
};

// The factory of a component class.
template <class C>
TClassInfo::Factory FactoryOf() {
    return [](TComponent* owner) -> TComponent* { return TComponent::Create<C>(owner); };
}

void RegisterClass(const TClassInfo& info);
void RegisterClasses(std::initializer_list<const TClassInfo*> infos);
// A registered class by name, the framework's own included; null if none.
const TClassInfo* FindClass(std::string_view name);

// What a property setter may ask while a description is read.
class ReadContext {
public:
    virtual ~ReadContext() = default;
    // A component of the form by name; throws EReadError naming it and the
    // line of the reference if there is none.
    virtual TComponent* Component(std::string_view name, int line) = 0;
    // Runs once every component of the description exists.
    virtual void AfterAll(std::function<void()> fixup) = 0;
    // The form's handler of that name as an event of type E; throws
    // EReadError naming it if there is none of that type.
    template <class E>
    E Handler(std::string_view name);

protected:
    virtual const AnyHandler& FindHandler(std::string_view name) = 0;
    [[noreturn]] virtual void HandlerMismatch(std::string_view name) = 0;
};

template <class E>
E ReadContext::Handler(std::string_view name) {
    const E* handler = std::get_if<E>(&FindHandler(name));
    if (!handler) HandlerMismatch(name);
    return *handler;
}

// Value conversions; each throws EReadError naming the line when the value
// is of another kind.
int AsInteger(const PropertyValue& v);
bool AsBoolean(const PropertyValue& v);
const std::string& AsString(const PropertyValue& v);
const std::string& AsIdentifier(const PropertyValue& v);
// An identifier from a table of names and values.
int EnumFromTable(const PropertyValue& v, const std::vector<std::pair<const char*, int>>& table);
// A set of identifiers from a table of names and bits.
unsigned SetFromTable(const PropertyValue& v,
                      const std::vector<std::pair<const char*, unsigned>>& table);
// A colour name (clBlack, clWindowText, ...) or a number.
TColor AsColor(const PropertyValue& v);
[[noreturn]] void ThrowReferenceNotOfType(const std::string& name, int line);

// Registers the published properties of class C in one readable list.
template <class C>
class Published {
public:
    explicit Published(TClassInfo& info) : info_(info) {}

    template <class Set>
    Published& Integer(const char* name, Set set) {
        return Add(name, [set](C& c, const PropertyValue& v, ReadContext&) { std::invoke(set, c, AsInteger(v)); });
    }
    template <class Set>
    Published& Boolean(const char* name, Set set) {
        return Add(name, [set](C& c, const PropertyValue& v, ReadContext&) { std::invoke(set, c, AsBoolean(v)); });
    }
    template <class Set>
    Published& String(const char* name, Set set) {
        return Add(name, [set](C& c, const PropertyValue& v, ReadContext&) { std::invoke(set, c, AsString(v)); });
    }
    template <class Set>
    Published& Color(const char* name, Set set) {
        return Add(name, [set](C& c, const PropertyValue& v, ReadContext&) { std::invoke(set, c, AsColor(v)); });
    }
    template <class E, class Set>
    Published& Enum(const char* name, Set set, std::initializer_list<std::pair<const char*, int>> names) {
        std::vector<std::pair<const char*, int>> table(names);
        return Add(name, [set, table](C& c, const PropertyValue& v, ReadContext&) {
            std::invoke(set, c, static_cast<E>(EnumFromTable(v, table)));
        });
    }
    template <class Set>
    Published& SetOf(const char* name, Set set, std::initializer_list<std::pair<const char*, unsigned>> names) {
        std::vector<std::pair<const char*, unsigned>> table(names);
        return Add(name, [set, table](C& c, const PropertyValue& v, ReadContext&) {
            std::invoke(set, c, SetFromTable(v, table));
        });
    }
    // An event bound to the form's handler of the name given.
    template <class E>
    Published& Event(const char* name, E C::*event) {
        return Add(name, [event](C& c, const PropertyValue& v, ReadContext& context) {
            c.*event = context.Handler<E>(AsIdentifier(v));
        });
    }
    // A reference to another component of the form, set once all exist.
    template <class R, class Set>
    Published& Reference(const char* name, Set set) {
        return Add(name, [set](C& c, const PropertyValue& v, ReadContext& context) {
            std::string target = AsIdentifier(v);
            int line = v.line;
            context.AfterAll([&c, set, target, line, &context] {
                TComponent* found = context.Component(target, line);
                auto* typed = dynamic_cast<R*>(found);
                if (!typed) ThrowReferenceNotOfType(target, line);
                std::invoke(set, c, typed);
            });
        });
    }
    Published& Custom(const char* name, std::function<void(C&, const PropertyValue&, ReadContext&)> set) {
        return Add(name, std::move(set));
    }

private:
    Published& Add(const char* name, std::function<void(C&, const PropertyValue&, ReadContext&)> set) {
        info_.AddProperty(name, [set = std::move(set)](TComponent& c, const PropertyValue& v, ReadContext& context) {
            set(static_cast<C&>(c), v, context);
        });
        return *this;
    }
    TClassInfo& info_;
};
