#pragma once
// Reads a form description into a form: makes its components, sets every
// property through its setter while they are loading, binds events to the
// form's handlers by name, resolves references once all components exist,
// then runs each component's Loaded (the form's first). The form's OnCreate
// follows later, when the form is whole.

#include "framework/ClassRegistry.h"
#include "framework/Handlers.h"

#include <functional>
#include <string_view>
#include <vector>

class TForm;

class FormReader : private ReadContext {
public:
    FormReader(TForm& form, const HandlerTable& handlers) : form_(form), handlers_(handlers) {}
    // Throws EReadError naming the line and the unknown class, property,
    // handler or component.
    void Read(std::string_view description);

private:
    void ReadComponent(const ObjectNode& node, TComponent& component, const TClassInfo& info);
    void ReadChildren(const ObjectNode& node, TComponent& enclosing);

    TComponent* Component(std::string_view name, int line) override;
    void AfterAll(std::function<void()> fixup) override;
    const AnyHandler& FindHandler(std::string_view name) override;
    [[noreturn]] void HandlerMismatch(std::string_view name) override;

    TForm& form_;
    const HandlerTable& handlers_;
    std::vector<TComponent*> loading_;
    std::vector<std::function<void()>> fixups_;
    int line_ = 0;
};
