#pragma once
// Components: owned objects with a name. An owner frees what it owns, in the
// reverse order of insertion; components hear of siblings coming and going
// (Notification), and may ask for that across owners (FreeNotification).

#include "framework/Object.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class TOperation { opInsert, opRemove };

class TComponent;

// For components held without an owner: unique_ptr<T, ComponentDeleter>.
struct ComponentDeleter {
    void operator()(TComponent* component) const;
};
template <class T>
using Owned = std::unique_ptr<T, ComponentDeleter>;

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // Makes a component owned by owner, which frees it; returns it for wiring.
    // AfterConstruction runs once the whole object exists.
    template <class T, class... Args>
    static T* Create(TComponent* owner, Args&&... args) {
        T* component = new T(owner, std::forward<Args>(args)...);  // the owner holds it
        component->AfterConstruction();
        return component;
    }
    // Frees a component: BeforeDestruction while it is still whole, then delete.
    static void Free(TComponent* component);

    // Hooks around the whole object's life: the constructors and destructors
    // of derived classes cannot run code that needs the complete object.
    virtual void AfterConstruction() {}
    virtual void BeforeDestruction() {}

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    // Throws Exception when a sibling already has that name.
    void SetName(std::string name);

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    // An owned component by name, ASCII letters without regard to case; null if none.
    TComponent* FindComponent(std::string_view name) const;

    // While loading, property writes only store values; Loaded ends it.
    bool IsLoading() const { return loading_; }
    void BeginLoading() { loading_ = true; }
    virtual void Loaded();

    // Being edited in a form designer: never set when the program runs.
    bool IsDesigning() const { return designing_; }
    void SetDesigning(bool designing);

    bool IsDestroying() const { return destroying_; }

    // A description read from data nests this component inside parent
    // (a control on a form, an item in a menu).
    virtual void SetParentComponent(TComponent* parent) { (void)parent; }

    // Asks to hear of other's removal (and lets other hear of ours).
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

protected:
    // Told of a component's insertion into or removal from a watched set.
    // The base forgets a removed free-notification partner and passes the
    // notice on to every owned component.
    // The component may still be under construction or already partly torn
    // down: compare its address, do not ask for its type.
    virtual void Notification(TComponent* component, TOperation operation);

    // Frees the owned components now, last first; derived destructors call
    // it when their own parts must outlive the owned ones.
    void DestroyComponents();

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    bool loading_ = false;
    bool designing_ = false;
    bool destroying_ = false;
};

// Makes a component without an owner; Owned frees it properly.
template <class T, class... Args>
Owned<T> MakeOwned(Args&&... args) {
    return Owned<T>(TComponent::Create<T>(nullptr, std::forward<Args>(args)...));
}
