#include "components/TrayIcon/CallbackWindow.h"

#include "components/TrayIcon/SingleClick.h"
#include "components/TrayIcon/TrayIcon.h"
#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/Messages.h"
#include "framework/Strings.h"
#include "platform/Platform.h"

#include <string>

namespace {

TCallbackWindow* theWindow = nullptr;

TTrayIcon* IconOf(int index) { return static_cast<TTrayIcon*>(TrayIconList().Object(index)); }

bool IsLive(const TTrayIcon* icon) {
    const TStringList& list = TrayIconList();
    for (int i = 0; i < list.Count(); ++i)
        if (list.Object(i) == icon) return true;
    return false;
}

TShiftState ShiftOf(TMouseButton button) {
    switch (button) {
        case mbLeft: return {ssLeft};
        case mbRight: return {ssRight};
        case mbMiddle: return {ssMiddle};
    }
    return {};
}

void RaiseMouseDown(TTrayIcon& icon, TMouseButton button, platform::Point at) {
    if (icon.OnMouseDown) icon.OnMouseDown(&icon, button, ShiftOf(button), at.x, at.y);
}

void RaiseMouseUp(TTrayIcon& icon, TMouseButton button, platform::Point at) {
    if (icon.OnMouseUp) icon.OnMouseUp(&icon, button, ShiftOf(button), at.x, at.y);
}

}  // namespace

TCallbackWindow* CallbackWindow() { return theWindow; }

TCallbackWindow& NeedCallbackWindow(TComponent* owner) {
    if (theWindow) return *theWindow;
    auto* parent = dynamic_cast<TWinControl*>(owner);
    if (!parent) throw Exception("The first tray icon needs a windowed owner");
    auto* window = TComponent::Create<TCallbackWindow>(owner);
    window->SetParent(parent);
    theWindow = window;
    return *window;
}

TCallbackWindow::TCallbackWindow(TComponent* owner)
    : TWinControl(owner), self_(std::make_shared<TCallbackWindow*>(this)) {
    SetVisible(false);
}

TCallbackWindow::~TCallbackWindow() {
    if (theWindow == this) theWindow = nullptr;
}

void TCallbackWindow::IconDestroyed(TTrayIcon* icon) {
    if (currentIcon_ == icon) currentIcon_ = nullptr;
}

void TCallbackWindow::WndProc(Message& message) {
    if (message.msg == TrayCallbackMessage) {
        TrayCallback(message);
        return;
    }
    TWinControl::WndProc(message);
}

void TCallbackWindow::TrayCallback(const Message& message) {
    int index = TrayIconList().IndexOf(std::to_string(message.wParam));
    if (index < 0) return;  // an icon already gone, or a stray message
    currentIcon_ = IconOf(index);
    TTrayIcon& icon = *currentIcon_;
    if (!icon.Enabled()) return;
    platform::Point at = platform::Current().CursorPos();
    switch (message.lParam) {
        case WM_MOUSEMOVE:
            if (icon.OnMouseMove) icon.OnMouseMove(&icon, {}, at.x, at.y);
            break;
        case WM_LBUTTONDOWN: ButtonDown(icon, mbLeft, at); break;
        case WM_LBUTTONUP:
            if (icon.OnMouseUp) RaiseMouseUp(icon, mbLeft, at);
            else ClickStep(icon);
            break;
        case WM_LBUTTONDBLCLK:
            icon.SetClickPending(true);  // the wait running since the first button-up must not click
            if (icon.OnDblClick) icon.OnDblClick(&icon);
            break;
        case WM_RBUTTONDOWN: ButtonDown(icon, mbRight, at); break;
        case WM_RBUTTONUP: RaiseMouseUp(icon, mbRight, at); break;
        case WM_MBUTTONDOWN: RaiseMouseDown(icon, mbMiddle, at); break;
        case WM_MBUTTONUP: RaiseMouseUp(icon, mbMiddle, at); break;
        default: break;
    }
}

void TCallbackWindow::ButtonDown(TTrayIcon& icon, TMouseButton button, platform::Point at) {
    TPopupMenu* menu = button == mbLeft ? icon.LBPopupMenu() : icon.RBPopupMenu();
    if (menu && icon.AutoPopup()) PopupMenu(icon, button, at);
    else RaiseMouseDown(icon, button, at);
}

void TCallbackWindow::PopupMenu(TTrayIcon& icon, TMouseButton button, platform::Point at) {
    if (auto* form = dynamic_cast<TForm*>(icon.Owner())) {
        // The owner in front first, or the menu would not close when the
        // user clicks elsewhere.
        platform::Current().SetForegroundWindow(form->Handle());
        if (Application) {
            std::weak_ptr<TCallbackWindow*> window = self_;
            Application->ProcessMessages();
            // What ran meanwhile may have freed the window, the icon or its menu.
            if (window.expired() || !IsLive(&icon)) return;
        }
    }
    TPopupMenu* menu = button == mbLeft ? icon.LBPopupMenu() : icon.RBPopupMenu();
    if (menu) menu->Popup(at.x, at.y);
}

void TCallbackWindow::ClickStep(TTrayIcon& icon) {
    if (!icon.OnClick) {
        icon.SetClickPending(false);
        return;
    }
    if (icon.ClickPending()) {
        icon.SetClickPending(false);  // the button-up that ends a double click
        return;
    }
    icon.SetClickPending(true);
    TThread::Start<TSingleClick>(true, [window = std::weak_ptr<TCallbackWindow*>(self_)](TObject* sender) {
        if (auto alive = window.lock()) (*alive)->SingleClickDone(sender);
    });
}

void TCallbackWindow::SingleClickDone(TObject*) {
    if (currentIcon_ && currentIcon_->OnClick && currentIcon_->ClickPending()) {
        std::weak_ptr<TCallbackWindow*> window = self_;
        currentIcon_->OnClick(currentIcon_);
        if (window.expired()) return;  // the handler freed the window
    }
    // CurrentIcon again: the handler may have freed the icon or run callbacks.
    if (currentIcon_) currentIcon_->SetClickPending(false);
}
