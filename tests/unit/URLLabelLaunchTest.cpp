// Presses hand the caption to the shell: every button, from the user or
// from code, after OnMouseDown and the pushed colour.
#include "URLLabelFixture.h"

#include "framework/Exception.h"

#include <string>
#include <vector>

namespace {

using platform::fake::ShellCall;

class URLLabelLaunch : public URLLabelOnForm {
protected:
    void ExpectOneLaunchOf(const std::string& file) {
        ASSERT_EQ(fake.shellCalls.size(), 1u);
        const ShellCall& call = fake.shellCalls[0];
        EXPECT_EQ(call.owner, Window());
        EXPECT_EQ(call.verb, "OPEN");
        EXPECT_EQ(call.file, file);
        EXPECT_EQ(call.parameters, "");
        EXPECT_EQ(call.directory, "");
        EXPECT_EQ(call.showCommand, 5);
    }
};

TEST_F(URLLabelLaunch, EveryPressOfEveryButtonLaunchesTheCaption) {
    struct Case {
        const char* name;
        std::uint32_t down, up;
        std::uintptr_t keys;
        platform::Point at;  // on the label, in its coordinates
    };
    const Case cases[] = {
        {"left", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, {0, 0}},
        {"right", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, {36, 11}},
        {"middle", WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON, {20, 3}},
        {"left with Shift and Ctrl", WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON | MK_SHIFT | MK_CONTROL, {36, 0}},
        {"right with the left held", WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON | MK_LBUTTON, {0, 11}},
        {"second press of a left double click", WM_LBUTTONDBLCLK, WM_LBUTTONUP, MK_LBUTTON, {5, 5}},
        {"second press of a middle double click", WM_MBUTTONDBLCLK, WM_MBUTTONUP, MK_MBUTTON, {5, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.shellCalls.clear();
        PlaceAt(c.at);
        Press(c.down, c.keys);
        ExpectOneLaunchOf(kAddress);
        EXPECT_EQ(Shown(), clRed);
        Release(c.up);
    }
}

TEST_F(URLLabelLaunch, ADoubleClickOpensTheTargetTwice) {
    MoveOnto();
    Press();
    Release();
    Press(WM_LBUTTONDBLCLK);
    Release();
    EXPECT_EQ(fake.shellCalls.size(), 2u);
}

TEST_F(URLLabelLaunch, NotExecutableChangesColourAndLaunchesNothing) {
    label->SetExecutable(false);
    MoveOnto();
    Press();
    EXPECT_EQ(Shown(), clRed);
    PressFromCode();
    EXPECT_TRUE(fake.shellCalls.empty());
}

TEST_F(URLLabelLaunch, WithoutHotTrackAPressLaunchesAndLeavesTheColour) {
    label->SetHotTrack(false);
    MoveOnto();
    Press(WM_RBUTTONDOWN, MK_RBUTTON);
    ExpectOneLaunchOf(kAddress);
    EXPECT_EQ(Shown(), kStart);
    EXPECT_TRUE(label->ParentFont());  // its font was never written
}

TEST_F(URLLabelLaunch, AnEmptyCaptionIsHandedOverAsAnEmptyName) {
    label->SetCaption("");
    fake.shellResult = 2;  // the shell finds nothing: silent all the same
    PressFromCode();
    ExpectOneLaunchOf("");
    EXPECT_TRUE(fake.messageDlgs.empty());
    EXPECT_EQ(Shown(), clRed);
}

TEST_F(URLLabelLaunch, TheCaptionIsReadAfterOnMouseDown) {
    label->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
        label->SetCaption("http://example.jp/set-by-the-handler");
    };
    PressFromCode();
    ExpectOneLaunchOf("http://example.jp/set-by-the-handler");
}

TEST_F(URLLabelLaunch, APressFromCodeRunsWholeBeforePerformReturns) {
    struct Seen {
        TObject* sender;
        TMouseButton button;
        TShiftState shift;
        int x, y;
        size_t launchesSoFar;
        TColor shown;
    };
    std::vector<Seen> seen;
    form->Show();
    label->OnMouseDown = [&](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        seen.push_back({sender, button, shift, x, y, fake.shellCalls.size(), Shown()});
        form->Hide();  // as the keyword window does
    };
    MoveOff();
    PressFromCode();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].sender, label);
    EXPECT_EQ(seen[0].button, mbLeft);
    EXPECT_TRUE(seen[0].shift.Empty());
    EXPECT_EQ(seen[0].x, 0);
    EXPECT_EQ(seen[0].y, 0);
    EXPECT_EQ(seen[0].launchesSoFar, 0u);  // OnMouseDown comes first
    EXPECT_EQ(seen[0].shown, kStart);      // and before the pushed colour
    EXPECT_FALSE(form->Visible());
    ExpectOneLaunchOf(kAddress);
    EXPECT_EQ(Shown(), clRed);
}

TEST_F(URLLabelLaunch, AThrowingOnMouseDownStopsTheColourAndTheLaunch) {
    label->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) { throw Exception("handler failed"); };

    EXPECT_THROW(PressFromCode(), Exception);  // to whoever sent it
    EXPECT_EQ(Shown(), kStart);
    EXPECT_TRUE(fake.shellCalls.empty());

    // From the user, the failure reaches the application's handler.
    PlaceAt({5, 5});
    Press();
    ASSERT_EQ(fake.messageDlgs.size(), 1u);
    EXPECT_EQ(fake.messageDlgs[0].text, "handler failed");
    EXPECT_EQ(Shown(), kStart);
    EXPECT_TRUE(fake.shellCalls.empty());
}

TEST_F(URLLabelLaunch, TheOwnerIsTheFormsWindowOrNone) {
    PressFromCode();
    ASSERT_EQ(fake.shellCalls.size(), 1u);
    EXPECT_EQ(fake.shellCalls[0].owner, Window());

    auto* loose = TComponent::Create<TURLLabel>(form);  // on no form
    loose->SetExecutable(true);
    loose->Perform(WM_LBUTTONDOWN, 0, 0);
    ASSERT_EQ(fake.shellCalls.size(), 2u);
    EXPECT_EQ(fake.shellCalls[1].owner, 0u);

    auto* windowless = TComponent::Create<TForm>(&app);
    loose->SetParent(windowless);
    loose->Perform(WM_LBUTTONDOWN, 0, 0);
    ASSERT_EQ(fake.shellCalls.size(), 3u);
    EXPECT_EQ(fake.shellCalls[2].owner, 0u);
    EXPECT_FALSE(windowless->HandleAllocated());  // not made just for the launch
}

}  // namespace
