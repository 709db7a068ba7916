#pragma once
// Popup menus and their items. The framework holds the menu; the platform
// shows it for the moment it is open.

#include "framework/Component.h"
#include "framework/Events.h"

#include <string>
#include <vector>

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner) : TComponent(owner) {}
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    bool IsSeparator() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(index); }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    TMenuItem* ParentItem() const { return parentItem_; }

    // Raises OnClick, as choosing the item does.
    void Click();
    TNotifyEvent OnClick;

    void SetParentComponent(TComponent* parent) override;

private:
    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<TMenuItem*> items_;
    TMenuItem* parentItem_ = nullptr;
};

class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);

    // The menu's top level; its items are the menu's entries.
    TMenuItem& Items() { return *items_; }
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }

    // Shows the menu at a screen point and runs the chosen item's OnClick
    // once the menu has closed.
    void Popup(int x, int y);

private:
    Owned<TMenuItem> items_;
    bool autoPopup_ = true;
};
