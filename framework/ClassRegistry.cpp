#include "framework/ClassRegistry.h"

#include "framework/Exception.h"
#include "framework/FrameworkClasses.h"
#include "framework/SysUtils.h"

#include <algorithm>
#include <cctype>

namespace {

[[noreturn]] void Fail(const PropertyValue& v, const std::string& what) {
    throw EReadError("Form description, line " + std::to_string(v.line) + ": " + what);
}

std::map<std::string, const TClassInfo*, NameLess>& Registry() {
    static std::map<std::string, const TClassInfo*, NameLess> registry;
    return registry;
}

}  // namespace

bool NameLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

TComponent* TClassInfo::Make(TComponent* owner) const {
    if (!make_) throw EReadError("Class " + name_ + " cannot be made from a form description");
    return make_(owner);
}

const PropertySetter* TClassInfo::FindProperty(std::string_view name) const {
    for (const TClassInfo* info = this; info; info = info->parent_) {
        auto it = info->properties_.find(name);
        if (it != info->properties_.end()) return &it->second;
    }
    return nullptr;
}

void TClassInfo::AddProperty(std::string name, PropertySetter setter) {
    properties_[std::move(name)] = std::move(setter);
}

void RegisterClass(const TClassInfo& info) { Registry()[info.Name()] = &info; }

void RegisterClasses(std::initializer_list<const TClassInfo*> infos) {
    for (const TClassInfo* info : infos) RegisterClass(*info);
}

const TClassInfo* FindClass(std::string_view name) {
    static bool framework = (RegisterFrameworkClasses(), true);
    (void)framework;
    auto it = Registry().find(name);
    return it == Registry().end() ? nullptr : it->second;
}

int AsInteger(const PropertyValue& v) {
    if (v.kind != PropertyValue::Kind::Integer) Fail(v, "an integer is expected");
    if (v.integer < INT32_MIN || v.integer > INT32_MAX) Fail(v, "the integer is out of range");
    return static_cast<int>(v.integer);
}

bool AsBoolean(const PropertyValue& v) {
    if (v.kind == PropertyValue::Kind::Identifier) {
        if (SameAsciiText(v.text, "True")) return true;
        if (SameAsciiText(v.text, "False")) return false;
    }
    Fail(v, "True or False is expected");
}

const std::string& AsString(const PropertyValue& v) {
    if (v.kind != PropertyValue::Kind::String) Fail(v, "a string is expected");
    return v.text;
}

const std::string& AsIdentifier(const PropertyValue& v) {
    if (v.kind != PropertyValue::Kind::Identifier) Fail(v, "a name is expected");
    return v.text;
}

int EnumFromTable(const PropertyValue& v, const std::vector<std::pair<const char*, int>>& table) {
    const std::string& name = AsIdentifier(v);
    for (const auto& [text, value] : table)
        if (SameAsciiText(name, text)) return value;
    Fail(v, "unknown value " + name);
}

unsigned SetFromTable(const PropertyValue& v, const std::vector<std::pair<const char*, unsigned>>& table) {
    if (v.kind != PropertyValue::Kind::Set) Fail(v, "a set is expected");
    unsigned bits = 0;
    for (const std::string& item : v.items) {
        auto it = std::find_if(table.begin(), table.end(),
                               [&](const auto& entry) { return SameAsciiText(item, entry.first); });
        if (it == table.end()) Fail(v, "unknown value " + item);
        bits |= it->second;
    }
    return bits;
}

TColor AsColor(const PropertyValue& v) {
    static const std::vector<std::pair<const char*, int>> names = {
        {"clBlack", clBlack},           {"clRed", clRed},       {"clBlue", clBlue},
        {"clAqua", clAqua},             {"clWhite", clWhite},   {"clWindowText", clWindowText},
        {"clBtnFace", clBtnFace},
    };
    if (v.kind == PropertyValue::Kind::Integer) return static_cast<TColor>(v.integer);
    return EnumFromTable(v, names);
}

void ThrowReferenceNotOfType(const std::string& name, int line) {
    throw EReadError("Form description, line " + std::to_string(line) + ": " + name +
                     " is not a component of the kind the property needs");
}

const AnyHandler* HandlerTable::Find(std::string_view name) const {
    auto it = handlers_.find(name);
    return it == handlers_.end() ? nullptr : &it->second;
}

HandlerTable& HandlerTable::Put(std::string name, AnyHandler handler) {
    handlers_[std::move(name)] = std::move(handler);
    return *this;
}
