// The pointer over a form: messages reach the graphic control under it,
// each visit is one enter and one leave, a press holds the control until
// the release, and the cursor follows the control.
#include "framework/Application.h"
#include "framework/Messages.h"
#include "framework/StdCtrls.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::fake::Fake;

class TRecordingLabel : public TLabel {
public:
    explicit TRecordingLabel(TComponent* owner) : TLabel(owner) {}
    std::vector<std::string> seen;

protected:
    void CMMouseEnter(Message&) override { seen.push_back("enter"); }
    void CMMouseLeave(Message&) override { seen.push_back("leave"); }
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
        seen.push_back("down " + std::to_string(b) + " at " + std::to_string(x) + "," + std::to_string(y) +
                       (s.Contains(ssLeft) ? " [left]" : ""));
        TLabel::MouseDown(b, s, x, y);
    }
    void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
        seen.push_back("up " + std::to_string(b) + " at " + std::to_string(x) + "," + std::to_string(y));
        TLabel::MouseUp(b, s, x, y);
    }
};

class PointerRoutingTest : public testing::Test {
protected:
    void SetUp() override {
        form = app.CreateForm<TForm>();
        form->SetClientWidth(200);
        form->SetClientHeight(100);
        label = TComponent::Create<TRecordingLabel>(form);
        label->SetAutoSize(false);
        label->SetBounds(20, 30, 50, 12);
        label->SetParent(form);
        form->Show();
        handle = form->Handle();
    }
    TApplication app;
    TForm* form = nullptr;
    TRecordingLabel* label = nullptr;
    platform::Handle handle = 0;
};

TEST_F(PointerRoutingTest, OneEnterAndOneLeavePerVisit) {
    auto& os = Fake();
    os.MovePointer(handle, {5, 5});
    os.MovePointer(handle, {25, 35});
    os.MovePointer(handle, {30, 36});
    os.MovePointer(handle, {69, 41});
    os.MovePointer(handle, {70, 41});  // the right edge is outside
    os.MovePointer(handle, {40, 35});
    os.LeaveWindow(handle);            // out of the window altogether
    os.LeaveWindow(handle);
    EXPECT_EQ(label->seen, (std::vector<std::string>{"enter", "leave", "enter", "leave"}));
}

TEST_F(PointerRoutingTest, PressAndReleaseReachTheLabelInItsOwnCoordinates) {
    auto& os = Fake();
    os.MovePointer(handle, {25, 35});
    os.PressButton(handle, WM_LBUTTONDOWN, MK_LBUTTON);
    os.MovePointer(handle, {150, 80});           // dragged off the label...
    os.ReleaseButton(handle, WM_LBUTTONUP, 0);  // ...the release still goes to it
    EXPECT_EQ(label->seen, (std::vector<std::string>{"enter", "down 0 at 5,5 [left]", "leave", "up 0 at 130,50"}));
    label->seen.clear();
    os.PressButton(handle, WM_RBUTTONDOWN, MK_RBUTTON);  // beside the label: not its press
    EXPECT_TRUE(label->seen.empty());
}

TEST_F(PointerRoutingTest, PerformHandsAMessageStraightToTheControl) {
    label->Perform(WM_LBUTTONDOWN, 0, 0);
    label->Perform(WM_MBUTTONDOWN, MK_MBUTTON, platform::PackPoint(-3, 7));
    EXPECT_EQ(label->seen, (std::vector<std::string>{"down 0 at 0,0", "down 2 at -3,7"}));
}

TEST_F(PointerRoutingTest, TheCursorIsTheOneOfTheControlUnderThePointer) {
    auto& os = Fake();
    label->SetCursor(crHandPoint);
    os.MovePointer(handle, {25, 35});
    EXPECT_EQ(os.Deliver(handle, WM_SETCURSOR, handle, 1), 1);
    EXPECT_EQ(os.cursorShapes, (std::vector<int>{crHandPoint}));
    os.MovePointer(handle, {150, 80});
    EXPECT_EQ(os.Deliver(handle, WM_SETCURSOR, handle, 1), 0);  // the system's own arrow
}

TEST_F(PointerRoutingTest, AHiddenOrRemovedLabelGetsNothing) {
    auto& os = Fake();
    label->Hide();
    os.MovePointer(handle, {25, 35});
    EXPECT_TRUE(label->seen.empty());
    label->Show();
    os.MovePointer(handle, {26, 35});
    TComponent::Free(label);  // while the pointer is over it
    os.MovePointer(handle, {27, 35});
    os.LeaveWindow(handle);
}

}  // namespace
