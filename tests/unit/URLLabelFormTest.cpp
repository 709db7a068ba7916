// TURLLabel from a form description: the keyword window's settings, left-out
// properties at the constructor's values, and every property read.
#include "components/URLLabel/URLLabel.h"
#include "components/URLLabel/URLLabelClass.h"
#include "framework/Application.h"
#include "framework/Forms.h"
#include "framework/Handlers.h"
#include "framework/Messages.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

class TLinkForm : public TForm {
public:
    TLinkForm(TComponent* owner, std::string_view description) : TForm(owner) {
        handlers_.Add("ulbURLMouseDown", this, &TLinkForm::ulbURLMouseDown);
        ReadDescription(description, handlers_);
    }
    void ulbURLMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
        launchesBeforeHandler.push_back(platform::fake::Fake().shellCalls.size());
        Hide();
    }
    TURLLabel* Label() { return dynamic_cast<TURLLabel*>(FindComponent("ulbURL")); }
    std::vector<size_t> launchesBeforeHandler;

private:
    HandlerTable handlers_;
};

class URLLabelForm : public testing::Test {
protected:
    void SetUp() override { RegisterClasses({&TURLLabelClass()}); }
    TApplication app;
};

TEST_F(URLLabelForm, KeywordWindowSettingsLeaveTheRestAtTheConstructorsValues) {
    auto* form = TComponent::Create<TLinkForm>(&app, R"(object Form1: TForm
  ClientWidth = 299
  ClientHeight = 87
  object ulbURL: TURLLabel
    Left = 16
    Top = 60
    Caption = 'http://example.jp/'
    Executable = True
    OnMouseDown = ulbURLMouseDown
  end
end
)");
    TURLLabel* label = form->Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), form);
    EXPECT_TRUE(label->Executable());
    EXPECT_TRUE(label->HotTrack());
    EXPECT_EQ(label->HotColor(), 16776960);
    EXPECT_EQ(label->PushedColor(), 255);
    EXPECT_EQ(label->Cursor(), -21);
    EXPECT_EQ(label->Font().Color(), clWindowText);  // the form's, untouched
    EXPECT_TRUE(label->ParentFont());

    form->Show();
    label->SetCaption("http://example.jp/東京");
    label->Perform(WM_LBUTTONDOWN, 0, 0);
    auto& fake = platform::fake::Fake();
    EXPECT_EQ(form->launchesBeforeHandler, std::vector<size_t>{0});
    EXPECT_FALSE(form->Visible());
    ASSERT_EQ(fake.shellCalls.size(), 1u);
    EXPECT_EQ(fake.shellCalls[0].file, "http://example.jp/東京");
    EXPECT_EQ(fake.shellCalls[0].verb, "OPEN");
    EXPECT_EQ(label->Font().Color(), 255);
}

TEST_F(URLLabelForm, ReadsEveryAddedPropertyColoursAsNumbersOrNames) {
    auto* form = TComponent::Create<TLinkForm>(&app, R"(object Form1: TForm
  object ulbURL: TURLLabel
    Cursor = crArrow
    Executable = False
    HotTrack = False
    HotColor = clWindowText
    PushedColor = 16711680
  end
end
)");
    TURLLabel* label = form->Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Cursor(), crArrow);
    EXPECT_FALSE(label->Executable());
    EXPECT_FALSE(label->HotTrack());
    EXPECT_EQ(label->HotColor(), clWindowText);
    EXPECT_EQ(label->PushedColor(), clBlue);
}

TEST_F(URLLabelForm, TheHandShowsOverTheLabel) {
    auto* form = TComponent::Create<TLinkForm>(&app, R"(object Form1: TForm
  Cursor = crIBeam
  ClientWidth = 299
  ClientHeight = 87
  object ulbURL: TURLLabel
    Left = 16
    Top = 60
    Caption = 'http://example.jp/'
  end
end
)");
    auto& fake = platform::fake::Fake();
    platform::Handle window = form->Handle();
    constexpr std::intptr_t kClientArea = 1;
    for (platform::Point at : {platform::Point{20, 65}, platform::Point{200, 10}}) {
        fake.cursorPos = fake.Window(window)->ClientToScreen(at);
        fake.Deliver(window, WM_SETCURSOR, window, kClientArea | (WM_MOUSEMOVE << 16));
    }
    EXPECT_EQ(fake.cursorShapes, (std::vector<int>{crHandPoint, crIBeam}));
}

}  // namespace
