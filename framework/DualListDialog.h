#pragma once
// TDualListDialog: a non-visual component that shows the modal two-list
// dialog. List1 is shown on the left and List2 on the right; OK writes back
// what each side holds, in the dialog's order, anything else leaves both
// lists alone. The lists are the component's own and keep their contents
// between runs.

#include "framework/Component.h"
#include "framework/Strings.h"
#include "platform/Types.h"

#include <string>

class TClassInfo;

class TDualListDialog : public TComponent {
public:
    // The caption the dialog has unless Title says otherwise.
    static constexpr const char* kDefaultTitle = "リスト並び替え";
    // What stands over each list unless the labels say otherwise.
    static constexpr const char* kDefaultLabel1 = "移動元";
    static constexpr const char* kDefaultLabel2 = "移動先";
    // The standard captions of Japanese dialog buttons.
    static constexpr const char* kOkCaption = "OK";
    static constexpr const char* kCancelCaption = "キャンセル";
    static constexpr const char* kHelpCaption = "ヘルプ(&H)";

    explicit TDualListDialog(TComponent* owner);

    TStrings& List1() { return list1_; }
    const TStrings& List1() const { return list1_; }
    TStrings& List2() { return list2_; }
    const TStrings& List2() const { return list2_; }

    // Shows the dialog modally; true when it was closed with OK. A call made
    // while the dialog is already open returns false at once.
    bool Execute();

    // Kept for descriptions; the right side is always in the order of moving.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted) { sorted_ = sorted; }
    const std::string& Label1Caption() const { return label1Caption_; }
    void SetLabel1Caption(std::string caption) { label1Caption_ = std::move(caption); }
    const std::string& Label2Caption() const { return label2Caption_; }
    void SetLabel2Caption(std::string caption) { label2Caption_ = std::move(caption); }
    // The dialog's caption; empty shows the application's title.
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    // The help topic the Help button opens.
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

private:
    // The owner form's window, or the application's: the dialog is modal to it.
    platform::Handle OwnerWindow() const;

    TStringList list1_;
    TStringList list2_;
    bool sorted_ = false;
    std::string label1Caption_ = kDefaultLabel1;
    std::string label2Caption_ = kDefaultLabel2;
    std::string title_ = kDefaultTitle;
    int helpContext_ = 0;
    bool running_ = false;
};

// The published properties of TDualListDialog, for form descriptions; the
// program passes this to RegisterClasses.
const TClassInfo& TDualListDialogClass();
