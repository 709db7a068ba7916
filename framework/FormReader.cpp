#include "framework/FormReader.h"

#include "framework/Exception.h"
#include "framework/Forms.h"
#include "framework/FrameworkClasses.h"
#include "framework/SysUtils.h"

namespace {

[[noreturn]] void Fail(int line, const std::string& what) {
    throw EReadError("Form description, line " + std::to_string(line) + ": " + what);
}

}  // namespace

void FormReader::Read(std::string_view description) {
    ObjectNode root = ParseFormDescription(description);
    ReadComponent(root, form_, TFormClass());
    ReadChildren(root, form_);
    for (auto& fixup : fixups_) fixup();
    for (TComponent* c : loading_) c->Loaded();
}

void FormReader::ReadComponent(const ObjectNode& node, TComponent& component, const TClassInfo& info) {
    line_ = node.line;
    component.BeginLoading();
    loading_.push_back(&component);
    component.SetName(node.name);
    for (const PropertyNode& property : node.properties) {
        line_ = property.value.line;
        const PropertySetter* set = info.FindProperty(property.name);
        if (!set) Fail(line_, "property " + property.name + " does not exist in " + info.Name());
        (*set)(component, property.value, *this);
    }
}

void FormReader::ReadChildren(const ObjectNode& node, TComponent& enclosing) {
    for (const ObjectNode& child : node.children) {
        const TClassInfo* info = FindClass(child.className);
        if (!info) Fail(child.line, "class " + child.className + " not found");
        if (form_.FindComponent(child.name)) Fail(child.line, "a component named " + child.name + " already exists");
        TComponent* component = info->Make(&form_);
        component->SetParentComponent(&enclosing);
        ReadComponent(child, *component, *info);
        ReadChildren(child, *component);
    }
}

TComponent* FormReader::Component(std::string_view name, int line) {
    if (SameAsciiText(name, form_.Name())) return &form_;
    TComponent* found = form_.FindComponent(name);
    if (!found) Fail(line, "component " + std::string(name) + " not found");
    return found;
}

void FormReader::AfterAll(std::function<void()> fixup) { fixups_.push_back(std::move(fixup)); }

const AnyHandler& FormReader::FindHandler(std::string_view name) {
    const AnyHandler* handler = handlers_.Find(name);
    if (!handler) Fail(line_, "handler " + std::string(name) + " not found");
    return *handler;
}

void FormReader::HandlerMismatch(std::string_view name) {
    Fail(line_, "handler " + std::string(name) + " does not fit the event");
}
