#pragma once
// TTrayIcon: one icon with a tooltip in the notification area. It adds,
// updates and removes the shell's copy of itself through one notification
// record it keeps for its whole life; the shell reports the mouse over the
// icon to the shared callback window, which raises the icon's events.

#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Graphics.h"
#include "framework/Messages.h"
#include "platform/Tray.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TPopupMenu;
class TStringList;

// The message the shell posts to the callback window for every icon:
// wParam is the icon's IconID, lParam the mouse message.
constexpr std::uint32_t TrayCallbackMessage = WM_USER + 200;

class TTrayIcon : public TComponent {
public:
    // The first icon makes the shared callback window a child of its owner,
    // which must then be a windowed control. Throws EOutOfMemory, leaving
    // nothing behind, when 100 icons already live.
    explicit TTrayIcon(TComponent* owner);
    ~TTrayIcon() override;

    // Stored and streamed only: nothing is animated.
    TImageList* AnimateIcons() const { return animateIcons_; }
    void SetAnimateIcons(TImageList* images);
    int AnimateRate() const { return animateRate_; }
    void SetAnimateRate(int milliseconds);

    // Whether a button-down opens that button's popup menu.
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    // While false every callback for the icon is ignored.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The image shown; the icon keeps its own copy, and every change of it
    // reaches the shell while the icon is in the notification area.
    TIcon& Icon() { return *icon_; }
    const TIcon& Icon() const { return *icon_; }
    // Copies image into the icon's own; null empties it and hides the icon.
    void SetIcon(const TIcon* image);

    TPopupMenu* LBPopupMenu() const { return lbPopupMenu_; }
    void SetLBPopupMenu(TPopupMenu* menu);
    TPopupMenu* RBPopupMenu() const { return rbPopupMenu_; }
    void SetRBPopupMenu(TPopupMenu* menu);

    // At most 62 bytes once set (cut without regard to double-byte characters).
    const std::string& TipHelp() const { return tipHelp_; }
    void SetTipHelp(std::string_view tip);

    // Only true while Icon holds an image; the icon is added when it becomes
    // true (at Loaded while its form is being read) and removed when false.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;

    // The uID of the icon's record and its key in TrayIconList.
    int IconID() const { return iconID_; }
    // True from an accepted add until the next delete.
    bool Registered() const { return registered_; }
    const platform::NotifyIconData& NotifyData() const { return *notifyData_; }
    // A left click awaits the single-click decision (the callback window's).
    bool ClickPending() const { return clickPending_; }
    void SetClickPending(bool pending) { clickPending_ = pending; }

    // Adds the icon when a read description made it visible.
    void Loaded() override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

    // Fills the record and sends one request: 0 add (only while Visible),
    // 1 modify, 2 delete; any other code sends nothing. A refused add or
    // modify throws EOutOfMemory.
    void NotifyTray(int code);
    // The own image changed.
    void IconChanged(TIcon& image);

private:
    bool Loading() const;

    TImageList* animateIcons_ = nullptr;
    int animateRate_ = 500;
    bool autoPopup_ = true;
    bool enabled_ = true;
    std::unique_ptr<TIcon> icon_;
    TPopupMenu* lbPopupMenu_ = nullptr;
    TPopupMenu* rbPopupMenu_ = nullptr;
    std::string tipHelp_ = "TipHelp";
    bool visible_ = false;
    int iconID_ = 0;
    bool registered_ = false;
    std::unique_ptr<platform::NotifyIconData> notifyData_;
    bool clickPending_ = false;
};

// Every live icon in the order made: the text is its IconID in decimal, the
// object the icon. IconIDs therefore increase along the list.
TStringList& TrayIconList();
