// Tray icons read from form descriptions: every published property, and
// a stored Visible = True adding the icon exactly once, when loading ends.
#include "unit/TrayIconFixture.h"

#include "components/TrayIcon/TrayIconClass.h"
#include "framework/ClassRegistry.h"
#include "framework/Exception.h"
#include "framework/Handlers.h"

namespace trayicon_test {
namespace {

// A window like the program's tray menu window: its handlers write to a journal.
class TTrayTestForm : public TForm {
public:
    TTrayTestForm(TComponent* owner, std::string_view description, std::vector<std::string>* journal)
        : TForm(owner), journal_(journal) {
        handlers_.Add("FormCreate", this, &TTrayTestForm::FormCreate)
            .Add("TrayIconMouseDown", this, &TTrayTestForm::TrayIconMouseDown)
            .Add("TrayIconMouseUp", this, &TTrayTestForm::TrayIconMouseUp)
            .Add("TrayIconMouseMove", this, &TTrayTestForm::TrayIconMouseMove)
            .Add("TrayIconClick", this, &TTrayTestForm::TrayIconClick)
            .Add("TrayIconDblClick", this, &TTrayTestForm::TrayIconDblClick)
            .Add("Exit1Click", this, &TTrayTestForm::Exit1Click);
        ReadDescription(description, handlers_);
    }

    TTrayIcon* TrayIcon() const { return dynamic_cast<TTrayIcon*>(FindComponent("TrayIcon")); }

    void FormCreate(TObject*) {
        journal_->push_back("FormCreate after " + std::to_string(platform::fake::Fake().trayCalls.size()) +
                            " tray request(s)");
    }
    void TrayIconMouseDown(TObject* sender, TMouseButton button, TShiftState, int, int) {
        journal_->push_back(std::string("TrayIconMouseDown ") + ButtonText(button) +
                            (sender == TrayIcon() ? "" : " (wrong sender)"));
    }
    void TrayIconMouseUp(TObject*, TMouseButton, TShiftState, int, int) { journal_->push_back("TrayIconMouseUp"); }
    void TrayIconMouseMove(TObject*, TShiftState, int, int) { journal_->push_back("TrayIconMouseMove"); }
    void TrayIconClick(TObject*) { journal_->push_back("TrayIconClick"); }
    void TrayIconDblClick(TObject*) { journal_->push_back("TrayIconDblClick"); }
    void Exit1Click(TObject*) { journal_->push_back("Exit1Click"); }

private:
    std::vector<std::string>* journal_;
    HandlerTable handlers_;
};

constexpr const char* kTrayWindow = R"(object Form2: TTrayTestForm
  Caption = 'hopmark'
  OnCreate = FormCreate
  object TrayIcon: TTrayIcon
    Icon = 'MAINICON'
    RBPopupMenu = PmRight
    TipHelp = 'Hopmark'
    Visible = True
    OnMouseDown = TrayIconMouseDown
  end
  object PmRight: TPopupMenu
    object Exit1: TMenuItem
      Caption = 'Exit'
      OnClick = Exit1Click
    end
  end
end
)";

class TrayIconFormTest : public TrayIconTest {
protected:
    void SetUp() override { RegisterClasses({&TTrayIconClass()}); }
    TTrayTestForm* Read(std::string_view description) {
        return TComponent::Create<TTrayTestForm>(&app, description, &journal);
    }
};

TEST_F(TrayIconFormTest, AStoredVisibleIconIsAddedOnceWhenLoadingCompletes) {
    TTrayTestForm* window = Read(kTrayWindow);
    TTrayIcon* icon = window->TrayIcon();
    ASSERT_NE(icon, nullptr);
    ASSERT_EQ(Requests(), (std::vector<TrayRequest>{TrayRequest::Add}));
    EXPECT_EQ(os.trayCalls[0].Tip(), "Hopmark");
    EXPECT_NE(os.trayCalls[0].data.hIcon, 0u);
    EXPECT_EQ(os.trayCalls[0].data.hWnd, CallbackWindow()->Handle());
    EXPECT_TRUE(icon->Registered());
    EXPECT_EQ(icon->RBPopupMenu(), window->FindComponent("PmRight"));
    EXPECT_EQ(journal, (std::vector<std::string>{"FormCreate after 1 tray request(s)"}));

    // Bound as the program binds them: a left press is the handler's, a
    // right press opens the menu and its item runs.
    journal.clear();
    os.menuChoices = {0};
    Callback(icon, WM_LBUTTONDOWN);
    Callback(icon, WM_LBUTTONUP);
    Callback(icon, WM_RBUTTONDOWN);
    EXPECT_EQ(journal, (std::vector<std::string>{"TrayIconMouseDown mbLeft", "Exit1Click"}));
    EXPECT_EQ(os.trayCalls.size(), 1u);
}

TEST_F(TrayIconFormTest, EveryPublishedPropertyIsRead) {
    TTrayTestForm* window = Read(R"(object Form2: TTrayTestForm
  object Images: TImageList
  end
  object TrayIcon: TTrayIcon
    AnimateIcons = Images
    AnimateRate = 50
    AutoPopup = False
    Enabled = False
    Icon = 'MAINICON'
    LBPopupMenu = PmLeft
    RBPopupMenu = PmLeft
    TipHelp = '12345678901234567890123456789012345678901234567890123456789012345'
    OnClick = TrayIconClick
    OnDblClick = TrayIconDblClick
    OnMouseDown = TrayIconMouseDown
    OnMouseUp = TrayIconMouseUp
    OnMouseMove = TrayIconMouseMove
  end
  object PmLeft: TPopupMenu
  end
end
)");
    TTrayIcon* icon = window->TrayIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->AnimateIcons(), window->FindComponent("Images"));
    EXPECT_EQ(icon->AnimateRate(), 100);
    EXPECT_FALSE(icon->AutoPopup());
    EXPECT_FALSE(icon->Enabled());
    EXPECT_FALSE(icon->Icon().Empty());
    EXPECT_EQ(icon->LBPopupMenu(), window->FindComponent("PmLeft"));
    EXPECT_EQ(icon->RBPopupMenu(), window->FindComponent("PmLeft"));
    EXPECT_EQ(icon->TipHelp(), "12345678901234567890123456789012345678901234567890123456789012");
    EXPECT_FALSE(icon->Visible());  // the stream default
    EXPECT_TRUE(os.trayCalls.empty());

    ASSERT_TRUE(icon->OnClick && icon->OnDblClick && icon->OnMouseDown && icon->OnMouseUp && icon->OnMouseMove);
    icon->OnClick(icon);
    icon->OnDblClick(icon);
    icon->OnMouseDown(icon, mbRight, {ssRight}, 0, 0);
    icon->OnMouseUp(icon, mbRight, {ssRight}, 0, 0);
    icon->OnMouseMove(icon, {}, 0, 0);
    EXPECT_EQ(journal, (std::vector<std::string>{"TrayIconClick", "TrayIconDblClick", "TrayIconMouseDown mbRight",
                                                 "TrayIconMouseUp", "TrayIconMouseMove"}));
}

TEST_F(TrayIconFormTest, AStoredVisibleWithoutAnImageStaysHidden) {
    TTrayTestForm* window = Read(R"(object Form2: TTrayTestForm
  object TrayIcon: TTrayIcon
    Visible = True
  end
end
)");
    EXPECT_FALSE(window->TrayIcon()->Visible());
    EXPECT_TRUE(os.trayCalls.empty());
}

TEST_F(TrayIconFormTest, AnAddRefusedWhileLoadingFailsTheFormAndLeavesNoIcon) {
    os.refuseNextTrayRequest = true;
    std::string failure;
    try {
        Read(kTrayWindow);
    } catch (const EOutOfMemory& e) {
        failure = e.what();
    }
    EXPECT_EQ(Hex(failure), Hex(CannotRegisterMessage()));
    EXPECT_EQ(app.ComponentCount(), 1);  // the fixture's form only
    EXPECT_EQ(TrayIconList().Count(), 0);
    EXPECT_EQ(CallbackWindow(), nullptr);
    EXPECT_EQ(Requests(), (std::vector<TrayRequest>{TrayRequest::Add}));  // no delete of what was never added
}

TEST_F(TrayIconFormTest, AnIconThatIsNotAResourceFailsTheForm) {
    EXPECT_THROW(Read(R"(object Form2: TTrayTestForm
  object TrayIcon: TTrayIcon
    Icon = ''
  end
end
)"),
                 EResNotFound);
    EXPECT_EQ(TrayIconList().Count(), 0);
}

}  // namespace
}  // namespace trayicon_test
