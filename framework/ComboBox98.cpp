#include "framework/ComboBox98.h"

#include "framework/Messages.h"

void TComboItems::Put(int index, std::string s) {
    TStringList::Put(index, s);
    combo_.ItemDeleted(index);
    combo_.ItemInserted(index, Get(index));
}

void TComboItems::Insert(int index, std::string s, void* object) {
    TStringList::Insert(index, std::move(s), object);
    combo_.ItemInserted(index, Get(index));
}

void TComboItems::Delete(int index) {
    TStringList::Delete(index);
    combo_.ItemDeleted(index);
}

void TComboItems::Clear() {
    TStringList::Clear();
    combo_.ItemsReplaced();
}

void TComboItems::Assign(const TStrings& source) {
    if (&source == this) return;
    TStringList::Assign(source);
    combo_.ItemsReplaced();
}

void TComboItems::Assign(TStringList&& source) {
    if (&source == this) return;
    TStringList::Assign(std::move(source));
    combo_.ItemsReplaced();
}

TComboBox98::TComboBox98(TComponent* owner) : TWinControl(owner), items_(*this), completion_(items_) {
    SetBounds(0, 0, 145, 20);
}

TComboBox98::~TComboBox98() {
    combo_ = nullptr;
    DestroyHandle();
}

std::unique_ptr<platform::NativeWindow> TComboBox98::CreateNative(const platform::WindowSpec& spec) {
    auto combo = platform::Current().CreateComboBox(spec, *this);
    combo_ = combo.get();
    return combo;
}

void TComboBox98::HandleCreated() {
    combo_->SetItemHeight(itemHeight_);
    combo_->SetItems(items_.ToVector());
    if (itemIndex_ >= 0) combo_->SetItemIndex(itemIndex_);
    combo_->SetEditText(Text());
    combo_->SetEditSelection(selStart_, selLength_);
}

void TComboBox98::SetItemHeight(int height) {
    itemHeight_ = height;
    if (combo_) combo_->SetItemHeight(height);
}

void TComboBox98::SetItemIndex(int index) {
    if (index < 0 || index >= items_.Count()) index = -1;
    itemIndex_ = index;
    const std::string text = index >= 0 ? items_.Get(index) : std::string();
    StoreText(text, 0, static_cast<int>(text.size()));
    if (combo_) combo_->SetItemIndex(index);
}

void TComboBox98::StoreText(std::string text, int selStart, int selLength) {
    storing_ = true;
    SetCaption(std::move(text));
    storing_ = false;
    selStart_ = selStart;
    selLength_ = selLength;
}

void TComboBox98::TextChanged() {
    // The program set the text: the edit shows it, nothing selected.
    if (storing_) return;
    selStart_ = static_cast<int>(Text().size());
    selLength_ = 0;
    if (combo_) combo_->SetEditText(Text());
}

void TComboBox98::ItemsReplaced() {
    itemIndex_ = -1;  // a new list has no selection; the edit keeps its text
    if (!combo_) return;
    combo_->SetItems(items_.ToVector());
    combo_->SetEditText(Text());
}

void TComboBox98::ItemInserted(int index, const std::string& item) {
    if (itemIndex_ >= index) ++itemIndex_;
    if (combo_) combo_->InsertItem(index, item);
}

void TComboBox98::ItemDeleted(int index) {
    if (itemIndex_ == index) itemIndex_ = -1;
    else if (itemIndex_ > index) --itemIndex_;
    if (combo_) combo_->DeleteItem(index);
}

void TComboBox98::WndProc(Message& m) {
    if (m.msg != CN_COMMAND) {
        TWinControl::WndProc(m);
        return;
    }
    switch (static_cast<std::uint16_t>(m.wParam >> 16)) {
        case CBN_SELCHANGE: UserSelected(); break;
        case CBN_EDITCHANGE: UserEdited(); break;
        default: DefaultHandler(m); break;
    }
}

void TComboBox98::UserSelected() {
    int index = combo_ ? combo_->ItemIndex() : -1;
    if (index < 0 || index >= items_.Count()) return;
    itemIndex_ = index;
    const std::string& text = items_.Get(index);
    StoreText(text, 0, static_cast<int>(text.size()));
    // The edit may not show the pick yet when the list tells of it.
    combo_->SetEditText(text);
    combo_->SetEditSelection(0, static_cast<int>(text.size()));
    Click();
}

void TComboBox98::UserEdited() {
    if (!combo_) return;
    std::string text = combo_->EditText();
    itemIndex_ = -1;  // typing leaves the list's selection
    StoreText(text, static_cast<int>(text.size()), 0);
    // An input method's composition is not text yet: completing it would
    // disturb it.
    bool wanted = complete_ && !combo_->Composing() && static_cast<int>(text.size()) >= minLengthComplete_;
    if (wanted) {
        if (auto done = completion_.Complete(text, lastKeyDeleted_ ? TTextChange::tcDeleted : TTextChange::tcTyped)) {
            itemIndex_ = done->itemIndex;
            StoreText(done->text, done->selStart, done->selLength);
            combo_->SetEditText(done->text);
            combo_->SetEditSelection(done->selStart, done->selLength);
        }
    }
    if (OnChange) OnChange(this);
}

void TComboBox98::KeyDown(std::uint16_t& key, TShiftState shift) {
    lastKeyDeleted_ = key == VK_BACK || key == VK_DELETE;
    TWinControl::KeyDown(key, shift);
}

void TComboBox98::KeyPress(char& key) {
    // A character that arrives without a key of its own (an input method's)
    // is typing too.
    if (static_cast<unsigned char>(key) >= 0x20) lastKeyDeleted_ = false;
    TWinControl::KeyPress(key);
}
