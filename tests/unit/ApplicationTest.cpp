// The application object: the main form, closing, the orderly end, the
// top-level failure handler, help, message boxes and popup menus.
#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Exception.h"
#include "framework/Menus.h"
#include "framework/Messages.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeWindow.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using platform::fake::Fake;

std::vector<std::string> journal;

class TNamedForm : public TForm {
public:
    explicit TNamedForm(TComponent* owner) : TForm(owner) {
        OnDestroy = [this](TObject*) { journal.push_back("destroy " + Name()); };
    }
};

TEST(Application, FirstFormIsTheMainFormWithAWindowAtOnce) {
    TApplication app;
    auto* first = app.CreateForm<TNamedForm>();
    auto* second = app.CreateForm<TNamedForm>();
    EXPECT_EQ(app.MainForm(), first);
    EXPECT_TRUE(first->HandleAllocated());
    EXPECT_FALSE(second->HandleAllocated());
    // Forms are owned by the application's hidden window: no taskbar buttons.
    auto* window = Fake().Window(first->Handle());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->spec.parent, app.Handle());
    EXPECT_FALSE(window->visible);
}

TEST(Application, ClosingAnotherFormHidesItClosingTheMainFormEndsTheLoop) {
    TApplication app;
    app.SetShowMainForm(false);
    auto* main = app.CreateForm<TNamedForm>();
    auto* other = app.CreateForm<TNamedForm>();
    other->Show();
    Fake().Deliver(other->Handle(), WM_CLOSE);
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(app.Terminated());
    Fake().Post(main->Handle(), WM_CLOSE, 0, 0);
    Fake().Post(main->Handle(), WM_NULL, 0, 0);
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_TRUE(Fake().quitPosted);
    EXPECT_FALSE(Fake().Window(main->Handle())->visible);  // Run did not show it
}

TEST(Application, FormsGoInTheReverseOrderOfTheirCreation) {
    journal.clear();
    {
        TApplication app;
        app.CreateForm<TNamedForm>()->SetName("Form2");
        app.CreateForm<TNamedForm>()->SetName("Form1");
    }
    EXPECT_EQ(journal, (std::vector<std::string>{"destroy Form1", "destroy Form2"}));
}

TEST(Application, TheEndOfTheSessionEndsLikeExit) {
    journal.clear();
    {
        TApplication app;
        app.CreateForm<TNamedForm>()->SetName("Form2");
        app.CreateForm<TNamedForm>()->SetName("Form1");
        EXPECT_EQ(Fake().Deliver(app.Handle(), WM_QUERYENDSESSION), 1);
        EXPECT_TRUE(journal.empty());
        Fake().Deliver(app.Handle(), WM_ENDSESSION, 1, 0);
        EXPECT_EQ(journal, (std::vector<std::string>{"destroy Form1", "destroy Form2"}));
        EXPECT_TRUE(app.Terminated());
        EXPECT_EQ(app.ComponentCount(), 2);  // still there for whoever is on the stack
    }
    EXPECT_EQ(journal.size(), 2u);  // freeing them later does not end them twice
}

TEST(Application, AFailureInAnEventIsShownAndTheProgramGoesOn) {
    TApplication app;
    app.SetTitle("Hopmark");
    auto* form = app.CreateForm<TNamedForm>();
    form->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) { throw Exception("壊れました"); };
    Fake().Deliver(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ASSERT_EQ(Fake().messageDlgs.size(), 1u);
    EXPECT_EQ(Fake().messageDlgs[0].caption, "Hopmark");
    EXPECT_EQ(Fake().messageDlgs[0].text, "壊れました");
    EXPECT_EQ(Fake().messageDlgs[0].type, platform::MsgDlgType::Error);
    // A failing OnCreate shows its message too, and the form exists all the same.
    struct TFailing : TForm {
        explicit TFailing(TComponent* owner) : TForm(owner) {
            OnCreate = [](TObject*) { throw std::runtime_error("no settings"); };
        }
    };
    EXPECT_NE(app.CreateForm<TFailing>(), nullptr);
    EXPECT_EQ(Fake().messageDlgs.back().text, "no settings");
}

TEST(Application, ShowMessageUsesTheTitleAndOneOkButton) {
    TApplication app;
    app.SetTitle("Hopmark");
    ShowMessage("一行目\r\n二行目");
    ASSERT_EQ(Fake().messageDlgs.size(), 1u);
    EXPECT_EQ(Fake().messageDlgs[0].caption, "Hopmark");
    EXPECT_EQ(Fake().messageDlgs[0].buttons, platform::MsgDlgButtons::Ok);
    EXPECT_EQ(Fake().messageDlgs[0].text, "一行目\r\n二行目");
}

TEST(Application, HelpOpensTheHelpFileAtTheContext) {
    TApplication app;
    EXPECT_FALSE(app.HelpContext(2));  // no help file yet
    app.SetHelpFile("C:\\Tools\\hopmark.hlp");
    EXPECT_TRUE(app.HelpContext(2));
    ASSERT_EQ(Fake().helpCalls.size(), 1u);
    EXPECT_EQ(Fake().helpCalls[0].file, "C:\\Tools\\hopmark.hlp");
    EXPECT_EQ(Fake().helpCalls[0].context, 2);
}

TEST(PopupMenu, ShowsTheVisibleItemsAndRunsTheChosenOne) {
    TApplication app;
    auto* form = app.CreateForm<TNamedForm>();
    auto* menu = TComponent::Create<TPopupMenu>(form);
    std::vector<std::string> clicked;
    for (const char* caption : {"リスト並び替え", "-", "隠れた項目", "終了"}) {
        auto* item = TComponent::Create<TMenuItem>(form);
        item->SetCaption(caption);
        item->OnClick = [&clicked, caption](TObject*) { clicked.push_back(caption); };
        menu->Items().Add(item);
    }
    menu->Items().Items(0)->SetChecked(true);
    menu->Items().Items(2)->SetVisible(false);
    Fake().menuChoices = {2, -1};
    menu->Popup(100, 200);
    menu->Popup(100, 200);
    ASSERT_EQ(Fake().menuCalls.size(), 2u);
    const auto& call = Fake().menuCalls[0];
    EXPECT_EQ(call.owner, form->Handle());
    EXPECT_EQ(call.at, (platform::Point{100, 200}));
    ASSERT_EQ(call.entries.size(), 3u);
    EXPECT_TRUE(call.entries[0].checked);
    EXPECT_EQ(call.entries[1].caption, "-");
    EXPECT_EQ(clicked, (std::vector<std::string>{"終了"}));  // and nothing for the closed one
}

TEST(PopupMenu, AFreedItemLeavesItsMenu) {
    TApplication app;
    auto* form = app.CreateForm<TNamedForm>();
    auto* menu = TComponent::Create<TPopupMenu>(form);
    auto* item = TComponent::Create<TMenuItem>(form);
    menu->Items().Add(item);
    TComponent::Free(item);
    EXPECT_EQ(menu->Items().Count(), 0);
}

}  // namespace
