#pragma once
// TComboBox98: an editable drop-down combo box that completes the edit text
// from its items while the user types. Its items, selection and edit text
// live here; the native control mirrors them and reports the user's changes.

#include "framework/ComboCompletion.h"
#include "framework/Strings.h"
#include "framework/WinControl.h"

#include <memory>
#include <string>

class TComboBox98;

// The items of a combo box: a string list that tells its control each change.
class TComboItems : public TStringList {
public:
    explicit TComboItems(TComboBox98& combo) : combo_(combo) {}
    TComboItems& operator=(const TStrings& source) {
        Assign(source);
        return *this;
    }
    void Put(int index, std::string s) override;
    void Insert(int index, std::string s, void* object = nullptr) override;
    void Delete(int index) override;
    void Clear() override;
    void Assign(const TStrings& source) override;
    void Assign(TStringList&& source) override;

private:
    TComboBox98& combo_;
};

enum TComboBoxStyle { csDropDown };

class TComboBox98 : public TWinControl {
public:
    explicit TComboBox98(TComponent* owner);
    ~TComboBox98() override;

    TStrings& Items() { return items_; }
    const TStrings& Items() const { return items_; }

    // The selected item, -1 for none. Setting it from the program shows the
    // item in the edit (any other index selects nothing and empties it) and
    // raises no OnClick.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    // The whole edit text, a completed tail that is still selected included.
    const std::string& Text() const { return Caption(); }
    void SetText(std::string text) { SetCaption(std::move(text)); }
    // The selected part of the edit text, in bytes.
    int SelStart() const { return selStart_; }
    int SelLength() const { return selLength_; }

    bool Complete() const { return complete_; }
    void SetComplete(bool complete) { complete_ = complete; }
    int MinLengthComplete() const { return minLengthComplete_; }
    void SetMinLengthComplete(int length) { minLengthComplete_ = length; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    TComboBoxStyle Style() const { return csDropDown; }
    void SetStyle(TComboBoxStyle) {}

    // Raised when the user changes the edit text.
    TNotifyEvent OnChange;

    void WndProc(Message& message) override;

protected:
    std::unique_ptr<platform::NativeWindow> CreateNative(const platform::WindowSpec& spec) override;
    void HandleCreated() override;
    void TextChanged() override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;

private:
    friend class TComboItems;
    void ItemsReplaced();
    void ItemInserted(int index, const std::string& item);
    void ItemDeleted(int index);

    void UserSelected();
    void UserEdited();
    // Sets the edit text and selection without telling the native control.
    void StoreText(std::string text, int selStart, int selLength);

    TComboItems items_;
    TComboCompletion completion_;
    platform::NativeComboBox* combo_ = nullptr;  // the native window, once made
    int itemIndex_ = -1;
    int selStart_ = 0;
    int selLength_ = 0;
    bool complete_ = true;
    int minLengthComplete_ = 0;
    int itemHeight_ = 12;
    bool lastKeyDeleted_ = false;
    bool storing_ = false;
};
