#pragma once
// TCallbackWindow: the hidden window the shell posts every tray icon's
// callbacks to. It finds the icon by its identifier and turns the reported
// mouse message into the icon's events or popup menus; a left button-up
// waits out the double-click interval on a worker before it counts as a
// click.

#include "framework/WinControl.h"

#include <memory>

class TTrayIcon;

class TCallbackWindow : public TWinControl {
public:
    // Never shown; its parent is set by whoever makes it.
    explicit TCallbackWindow(TComponent* owner);
    ~TCallbackWindow() override;

    // The icon of the last callback whose identifier was found; null at first
    // and once that icon is destroyed.
    TTrayIcon* CurrentIcon() const { return currentIcon_; }

    // The end of a single-click wait, on the GUI thread: a click still
    // pending on CurrentIcon raises its OnClick. Sender is the worker.
    void SingleClickDone(TObject* sender);

    // An icon is being destroyed: nothing may reach it any more.
    void IconDestroyed(TTrayIcon* icon);

    void WndProc(Message& message) override;

private:
    void TrayCallback(const Message& message);
    // A button-down that opens a menu when the icon has one and AutoPopup holds.
    void ButtonDown(TTrayIcon& icon, TMouseButton button, platform::Point at);
    void PopupMenu(TTrayIcon& icon, TMouseButton button, platform::Point at);
    void ClickStep(TTrayIcon& icon);

    TTrayIcon* currentIcon_ = nullptr;
    // Waits hold weak copies: a wait that ends after the window has gone
    // finds it expired and does nothing.
    std::shared_ptr<TCallbackWindow*> self_;
};

// The one callback window of the process; null until an icon makes it and
// again once its owner has freed it.
TCallbackWindow* CallbackWindow();
// The callback window, made for owner and as its child when there is none;
// owner must then be a windowed control (Exception otherwise).
TCallbackWindow& NeedCallbackWindow(TComponent* owner);
