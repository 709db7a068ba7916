#include "framework/Menus.h"

#include "framework/Application.h"
#include "framework/WinControl.h"
#include "platform/Platform.h"

#include <algorithm>

TMenuItem::~TMenuItem() {
    for (TMenuItem* item : items_) item->parentItem_ = nullptr;
    if (parentItem_) parentItem_->Remove(this);
}

void TMenuItem::Add(TMenuItem* item) {
    if (item->parentItem_) item->parentItem_->Remove(item);
    items_.push_back(item);
    item->parentItem_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    if (item->parentItem_ == this) item->parentItem_ = nullptr;
}

void TMenuItem::Click() {
    if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = dynamic_cast<TPopupMenu*>(parent)) menu->Items().Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner), items_(MakeOwned<TMenuItem>()) {}

void TPopupMenu::Popup(int x, int y) {
    std::vector<TMenuItem*> shown;
    std::vector<platform::MenuEntry> entries;
    for (int i = 0; i < items_->Count(); ++i) {
        TMenuItem* item = items_->Items(i);
        if (!item->Visible()) continue;
        shown.push_back(item);
        entries.push_back({item->Caption(), item->Checked(), item->Enabled()});
    }
    platform::Handle owner = 0;
    if (auto* form = dynamic_cast<TWinControl*>(Owner())) owner = form->Handle();
    else if (Application) owner = Application->Handle();
    int chosen = platform::Current().TrackPopupMenu(owner, {x, y}, entries);
    if (chosen >= 0 && chosen < static_cast<int>(shown.size())) shown[chosen]->Click();
}
