#pragma once
// Components: owned objects with a name. An owner frees what it owns, in the
// reverse order of insertion; components hear of siblings coming and going
// (Notification), and may ask for that across owners (FreeNotification).

#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class TOperation { opInsert, opRemove };

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    // Makes a component owned by owner, which frees it; returns it for wiring.
    template <class T, class... Args>
    static T* Create(TComponent* owner, Args&&... args) {
        return new T(owner, std::forward<Args>(args)...);  // the owner holds it from here on
    }

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

    // Asks to hear of other's removal (and lets other hear of ours).
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

protected:
    // Told of a component's insertion into or removal from a watched set.
    // The base forgets a removed free-notification partner and passes the
    // notice on to every owned component.
    virtual void Notification(TComponent* component, TOperation operation);

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
