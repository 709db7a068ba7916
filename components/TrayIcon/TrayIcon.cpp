#include "components/TrayIcon/TrayIcon.h"

#include "components/TrayIcon/CallbackWindow.h"
#include "framework/Exception.h"
#include "framework/Menus.h"
#include "framework/Strings.h"
#include "framework/SysUtils.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

// The shell reads the record's first form, which is 88 bytes on 32-bit Windows.
static_assert(sizeof(void*) != 4 || sizeof(platform::NotifyIconData) == 88);

namespace {

constexpr int kMaxIcons = 100;
constexpr std::size_t kMaxTip = 62;
constexpr std::uint32_t kRecordSize = 88;

enum TrayCode : int { kAdd = 0, kModify = 1, kDelete = 2 };

[[noreturn]] void CannotRegister() { throw EOutOfMemory("タスクトレイにアイコンを登録できません。"); }

// One more than the newest live icon's; 1 when none lives.
int NextIconID() {
    TStringList& list = TrayIconList();
    if (list.Count() == 0) return 1;
    int id = std::atoi(list[list.Count() - 1].c_str()) + 1;
    if (list.Count() >= kMaxIcons) CannotRegister();
    return id;
}

}  // namespace

TStringList& TrayIconList() {
    static TStringList list;
    return list;
}

TTrayIcon::TTrayIcon(TComponent* owner) : TComponent(owner) {
    // Everything that can fail comes before the icon joins the list, so a
    // failed construction leaves no entry behind.
    iconID_ = NextIconID();
    icon_ = std::make_unique<TIcon>();
    icon_->OnChange = [this](TIcon& image) { IconChanged(image); };
    NeedCallbackWindow(owner);
    notifyData_ = std::make_unique<platform::NotifyIconData>();
    notifyData_->cbSize = kRecordSize;
    notifyData_->uCallbackMessage = TrayCallbackMessage;
    notifyData_->uID = static_cast<std::uint32_t>(iconID_);
    TrayIconList().AddObject(IntToStr(iconID_), this);
}

TTrayIcon::~TTrayIcon() {
    if (registered_) NotifyTray(kDelete);
    if (TCallbackWindow* window = CallbackWindow()) window->IconDestroyed(this);
    notifyData_.reset();
    TStringList& list = TrayIconList();
    if (int index = list.IndexOf(IntToStr(iconID_)); index >= 0) list.Delete(index);
    icon_.reset();
}

bool TTrayIcon::Loading() const { return IsLoading() || (Owner() && Owner()->IsLoading()); }

void TTrayIcon::SetAnimateIcons(TImageList* images) {
    if (images != animateIcons_) animateIcons_ = images;
    if (animateIcons_) animateIcons_->FreeNotification(this);
}

void TTrayIcon::SetAnimateRate(int milliseconds) {
    if (milliseconds == animateRate_) return;
    animateRate_ = std::max(milliseconds, 100);
}

void TTrayIcon::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (!enabled_) clickPending_ = false;  // a click awaiting its decision is dropped
}

void TTrayIcon::SetIcon(const TIcon* image) {
    if (image == icon_.get()) return;
    if (image) {
        icon_->Assign(image);
        return;
    }
    icon_->Clear();
    SetVisible(false);
}

void TTrayIcon::SetLBPopupMenu(TPopupMenu* menu) {
    if (menu != lbPopupMenu_) lbPopupMenu_ = menu;
    if (lbPopupMenu_) lbPopupMenu_->FreeNotification(this);
}

void TTrayIcon::SetRBPopupMenu(TPopupMenu* menu) {
    if (menu != rbPopupMenu_) rbPopupMenu_ = menu;
    if (rbPopupMenu_) rbPopupMenu_->FreeNotification(this);
}

void TTrayIcon::SetTipHelp(std::string_view tip) {
    std::string_view cut = tip.substr(0, kMaxTip);
    if (cut == tipHelp_) return;
    tipHelp_ = cut;
    if (registered_) NotifyTray(kModify);
}

void TTrayIcon::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible && icon_->Handle() != 0;
    if (Loading()) return;  // Loaded adds it
    if (visible_) NotifyTray(kAdd);
    else if (registered_) NotifyTray(kDelete);
}

void TTrayIcon::Loaded() {
    // Loading ends even when the shell refuses, so that later writes act.
    try {
        NotifyTray(kAdd);
    } catch (...) {
        TComponent::Loaded();
        throw;
    }
    TComponent::Loaded();
}

void TTrayIcon::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == lbPopupMenu_) lbPopupMenu_ = nullptr;
    if (component == rbPopupMenu_) rbPopupMenu_ = nullptr;
    if (component == animateIcons_) animateIcons_ = nullptr;
}

void TTrayIcon::NotifyTray(int code) {
    platform::NotifyIconData& data = *notifyData_;
    data.hIcon = icon_->Handle();
    std::memset(data.szTip, 0, sizeof data.szTip);
    tipHelp_.copy(data.szTip, std::min(tipHelp_.size(), sizeof data.szTip - 1));
    data.uFlags = platform::kNifMessage | platform::kNifIcon | (tipHelp_.empty() ? 0 : platform::kNifTip);
    auto& shell = platform::Current();
    switch (code) {
        case kAdd:
            if (!visible_) return;
            data.hWnd = NeedCallbackWindow(Owner()).Handle();
            if (!shell.NotifyIcon(platform::TrayRequest::Add, data)) CannotRegister();
            registered_ = true;
            return;
        case kModify:
            if (!shell.NotifyIcon(platform::TrayRequest::Modify, data)) CannotRegister();
            return;
        case kDelete:
            shell.NotifyIcon(platform::TrayRequest::Delete, data);  // gone either way
            registered_ = false;
            return;
        default: return;
    }
}

void TTrayIcon::IconChanged(TIcon&) {
    if (registered_) NotifyTray(kModify);
}
