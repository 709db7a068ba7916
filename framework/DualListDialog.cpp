#include "framework/DualListDialog.h"

#include "framework/Application.h"
#include "framework/ClassRegistry.h"
#include "framework/DualListModel.h"
#include "framework/Forms.h"
#include "framework/FrameworkClasses.h"
#include "platform/Platform.h"

#include <utility>

namespace {

using platform::DualListCommand;
using platform::ListSide;

TListSide ModelSide(ListSide side) { return side == ListSide::Left ? TListSide::lsLeft : TListSide::lsRight; }

// What the platform's dialog sees of the model: the model makes every rule,
// the dialog only shows its state and reports the user's commands.
class ModelController final : public platform::DualListController {
public:
    ModelController(TDualListModel& model, int helpContext) : model_(model), helpContext_(helpContext) {}

    std::vector<std::string> Items(ListSide side) const override { return model_.Items(ModelSide(side)); }
    std::vector<int> Selection(ListSide side) const override { return model_.Selection(ModelSide(side)); }

    void SetSelection(ListSide side, const std::vector<int>& indices) override {
        TListSide s = ModelSide(side);
        model_.SelectOnly(s, -1);
        for (int index : indices) model_.SetSelected(s, index, true);
    }

    bool CanRun(DualListCommand command, ListSide focused) const override {
        switch (command) {
            case DualListCommand::MoveRight: return model_.CanMoveSelected(TListSide::lsLeft);
            case DualListCommand::MoveAllRight: return model_.CanMoveAll(TListSide::lsLeft);
            case DualListCommand::MoveLeft: return model_.CanMoveSelected(TListSide::lsRight);
            case DualListCommand::MoveAllLeft: return model_.CanMoveAll(TListSide::lsRight);
            case DualListCommand::MoveUp: return model_.CanMoveSelectionUp(ModelSide(focused));
            case DualListCommand::MoveDown: return model_.CanMoveSelectionDown(ModelSide(focused));
        }
        return false;
    }

    void Run(DualListCommand command, ListSide focused) override {
        switch (command) {
            case DualListCommand::MoveRight: model_.MoveSelected(TListSide::lsLeft); break;
            case DualListCommand::MoveAllRight: model_.MoveAll(TListSide::lsLeft); break;
            case DualListCommand::MoveLeft: model_.MoveSelected(TListSide::lsRight); break;
            case DualListCommand::MoveAllLeft: model_.MoveAll(TListSide::lsRight); break;
            case DualListCommand::MoveUp: model_.MoveSelectionUp(ModelSide(focused)); break;
            case DualListCommand::MoveDown: model_.MoveSelectionDown(ModelSide(focused)); break;
        }
    }

    void MoveItem(ListSide from, int index) override { model_.MoveItem(ModelSide(from), index); }

    void Drop(ListSide from, ListSide to, int before) override {
        if (from == to) model_.MoveSelectionTo(ModelSide(from), before);
        else model_.MoveSelected(ModelSide(from));
    }

    void Help() override {
        if (Application) Application->HelpContext(helpContext_);
    }

private:
    TDualListModel& model_;
    int helpContext_;
};

// Clears the running mark however the dialog ends.
class RunningMark {
public:
    explicit RunningMark(bool& running) : running_(running) { running_ = true; }
    ~RunningMark() { running_ = false; }
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

private:
    bool& running_;
};

TClassInfo MakeDualListDialogClass() {
    TClassInfo info("TDualListDialog", &TComponentClass(), FactoryOf<TDualListDialog>());
    Published<TDualListDialog>(info)
        .Boolean("Sorted", &TDualListDialog::SetSorted)
        .String("Label1Caption", &TDualListDialog::SetLabel1Caption)
        .String("Label2Caption", &TDualListDialog::SetLabel2Caption)
        .String("Title", &TDualListDialog::SetTitle)
        .Integer("HelpContext", &TDualListDialog::SetHelpContext);
    return info;
}

}  // namespace

TDualListDialog::TDualListDialog(TComponent* owner) : TComponent(owner) {}

bool TDualListDialog::Execute() {
    // The tray menu stays usable while the dialog is open; a second dialog
    // over the same lists would be written back over by the first.
    if (running_) return false;
    RunningMark mark(running_);

    TDualListModel model(list1_, list2_);
    ModelController controller(model, helpContext_);
    platform::DualListTexts texts;
    texts.title = !title_.empty() ? title_ : Application ? Application->Title() : std::string();
    texts.label1 = label1Caption_;
    texts.label2 = label2Caption_;
    texts.ok = kOkCaption;
    texts.cancel = kCancelCaption;
    texts.help = kHelpCaption;

    if (!platform::Current().RunDualListDialog(OwnerWindow(), texts, controller)) return false;
    model.WriteTo(list1_, list2_);
    return true;
}

platform::Handle TDualListDialog::OwnerWindow() const {
    if (auto* form = dynamic_cast<TForm*>(Owner())) return form->Handle();
    if (Application) return Application->Handle();
    return 0;
}

const TClassInfo& TDualListDialogClass() {
    static const TClassInfo info = MakeDualListDialogClass();
    return info;
}
