// TDualListDialog as a form holds it: read from a description, the texts it
// hands the platform, the window it is modal to, and its Help button.
#include "DualListDialogFixture.h"

#include "framework/ClassRegistry.h"
#include "framework/Forms.h"
#include "framework/Handlers.h"

#include <gtest/gtest.h>

#include <string_view>

namespace duallist_test {
namespace {

class TDescribedForm : public TForm {
public:
    TDescribedForm(TComponent* owner, std::string_view description) : TForm(owner) {
        ReadDescription(description, handlers_);
    }
    TDualListDialog* Dialog() { return dynamic_cast<TDualListDialog*>(FindComponent("DualListDialog")); }

private:
    HandlerTable handlers_;
};

constexpr const char* kKeywordWindow = R"(object Form1: TForm
  Caption = 'Hopmark'
  HelpContext = 2
  object DualListDialog: TDualListDialog
    Sorted = False
    Label1Caption = '現在の内容'
    Label2Caption = '新しい順番'
    HelpContext = 2
  end
end
)";

class DualListDialogForm : public DualListDialogTest {
protected:
    void SetUp() override { RegisterClasses({&TDualListDialogClass()}); }
    TDescribedForm* MakeForm(std::string_view description) {
        return TComponent::Create<TDescribedForm>(&app, description);
    }
};

TEST_F(DualListDialogForm, TheKeywordWindowsSettingsLeaveTheRestAtTheDefaults) {
    TDualListDialog* d = MakeForm(kKeywordWindow)->Dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_FALSE(d->Sorted());
    EXPECT_EQ(d->Label1Caption(), "現在の内容");
    EXPECT_EQ(d->Label2Caption(), "新しい順番");
    EXPECT_EQ(d->HelpContext(), 2);
    EXPECT_EQ(d->Title(), "リスト並び替え");
    EXPECT_EQ(d->List1().Count(), 0);
    EXPECT_EQ(d->List2().Count(), 0);
}

TEST_F(DualListDialogForm, ReadsEveryProperty) {
    TDualListDialog* d = MakeForm(R"(object Form1: TForm
  object DualListDialog: TDualListDialog
    Sorted = True
    Label1Caption = 'Left'
    Label2Caption = ''
    Title = '順番'
    HelpContext = 17
  end
end
)")->Dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->Sorted());
    EXPECT_EQ(d->Label1Caption(), "Left");
    EXPECT_EQ(d->Label2Caption(), "");
    EXPECT_EQ(d->Title(), "順番");
    EXPECT_EQ(d->HelpContext(), 17);
}

TEST_F(DualListDialogForm, TheDialogGetsItsCaptionsAndTheStandardButtons) {
    TDualListDialog* d = MakeForm(kKeywordWindow)->Dialog();
    ASSERT_NE(d, nullptr);
    d->Execute();
    ASSERT_EQ(fake.dualListCalls.size(), 1u);
    const platform::DualListTexts& texts = fake.dualListCalls[0];
    EXPECT_EQ(texts.title, "リスト並び替え");
    EXPECT_EQ(texts.label1, "現在の内容");
    EXPECT_EQ(texts.label2, "新しい順番");
    EXPECT_EQ(texts.ok, "OK");
    EXPECT_EQ(texts.cancel, "キャンセル");
    EXPECT_EQ(texts.help, "ヘルプ(&H)");
}

TEST_F(DualListDialogForm, AnEmptyTitleShowsTheApplicationsTitle) {
    app.SetTitle("Hopmark");
    dialog->SetTitle("");
    dialog->Execute();
    ASSERT_EQ(fake.dualListCalls.size(), 1u);
    EXPECT_EQ(fake.dualListCalls[0].title, "Hopmark");
}

TEST_F(DualListDialogForm, ItIsModalToTheOwnerFormOrElseToTheApplication) {
    auto* form = MakeForm(kKeywordWindow);  // hidden, as the keyword window may be
    ASSERT_FALSE(form->Visible());
    form->Dialog()->Execute();
    dialog->Execute();  // owned by the application itself
    EXPECT_EQ(fake.dualListOwners, (std::vector<platform::Handle>{form->Handle(), app.Handle()}));
    EXPECT_NE(form->Handle(), 0u);
}

TEST_F(DualListDialogForm, HelpOpensItsContextThroughTheApplication) {
    app.SetHelpFile("C:\\Tools\\hopmark.hlp");
    TDualListDialog* d = MakeForm(kKeywordWindow)->Dialog();
    ASSERT_NE(d, nullptr);
    d->List1().Add("東京");
    Play([](DualListController& c) {
        c.Help();
        c.Help();
        return false;
    });
    EXPECT_FALSE(d->Execute());
    ASSERT_EQ(fake.helpCalls.size(), 2u);
    EXPECT_EQ(fake.helpCalls[0].file, "C:\\Tools\\hopmark.hlp");
    EXPECT_EQ(fake.helpCalls[0].context, 2);
    EXPECT_EQ(d->List1().ToVector(), Items{"東京"});  // help changes nothing
}

TEST_F(DualListDialogForm, WithoutAHelpFileHelpOpensNothing) {
    dialog->SetHelpContext(2);
    Play([](DualListController& c) {
        c.Help();
        return true;
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_TRUE(fake.helpCalls.empty());
}

}  // namespace
}  // namespace duallist_test
