#include "framework/Component.h"

#include "framework/Exception.h"
#include "framework/SysUtils.h"

#include <algorithm>

namespace {

void Erase(std::vector<TComponent*>& list, TComponent* item) {
    auto it = std::find(list.begin(), list.end(), item);
    if (it != list.end()) list.erase(it);
}

}  // namespace

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->Insert(this);
}

TComponent::~TComponent() {
    destroying_ = true;
    // Partners first: they drop their references to us before we go.
    while (!freeNotifies_.empty()) {
        TComponent* partner = freeNotifies_.back();
        freeNotifies_.pop_back();
        Erase(partner->freeNotifies_, this);
        partner->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->Remove(this);
}

void TComponent::Free(TComponent* component) {
    if (!component) return;
    component->BeforeDestruction();
    delete component;
}

void ComponentDeleter::operator()(TComponent* component) const { TComponent::Free(component); }

void TComponent::DestroyComponents() {
    while (!components_.empty()) Free(components_.back());  // its destructor removes it
}

void TComponent::SetName(std::string name) {
    if (name == name_) return;
    if (owner_ && !name.empty()) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this)
            throw Exception("A component named " + name + " already exists");
    }
    name_ = std::move(name);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return components_[index];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : components_)
        if (SameAsciiText(c->name_, name)) return c;
    return nullptr;
}

void TComponent::Loaded() { loading_ = false; }

void TComponent::SetDesigning(bool designing) {
    designing_ = designing;
    for (TComponent* c : components_) c->SetDesigning(designing);
}

void TComponent::FreeNotification(TComponent* other) {
    if (!other || other == this) return;
    // Siblings hear of each other through their owner anyway.
    if (owner_ && other->owner_ == owner_) return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end()) {
        freeNotifies_.push_back(other);
        other->freeNotifies_.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent* other) {
    if (!other) return;
    Erase(freeNotifies_, other);
    Erase(other->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove) Erase(freeNotifies_, component);
    for (TComponent* c : components_) c->Notification(component, operation);
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
    component->designing_ = designing_;
    Notification(component, TOperation::opInsert);
}

void TComponent::Remove(TComponent* component) {
    Erase(components_, component);
    component->owner_ = nullptr;
    Notification(component, TOperation::opRemove);
}
