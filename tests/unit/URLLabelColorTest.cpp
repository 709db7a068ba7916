// The label's colour rules, as sequences of what the user (or the program)
// does and the colour shown after each step.
#include "URLLabelFixture.h"

#include <string>
#include <vector>

namespace {

enum class Act {
    Enter,          // the pointer moves onto the label
    Leave,          // the pointer moves to another place of the form
    LeaveWindow,    // the pointer leaves the form
    PlaceOff,       // the pointer is off the label, not reported yet
    PlaceOn,        // the pointer is on the label, not reported yet
    Press,          // left button, at the pointer
    Release,
    RightPress,
    RightRelease,
    MiddlePress,
    MiddleRelease,
    CodePress,      // WM_LBUTTONDOWN, 0, 0 sent to the label
    HotTrackOff,
    HotTrackOn,
    HotColorWhite,  // HotColor := clWhite
};

struct Step {
    Act act;
    TColor shown;
};

struct ColorCase {
    const char* name;
    std::vector<Step> steps;
};

constexpr TColor kStart = URLLabelOnForm::kStart;
constexpr TColor kHot = clAqua;
constexpr TColor kPushed = clRed;
constexpr TColor kNothingSaved = 0;

const std::vector<ColorCase> kCases = {
    {"enter, press, release inside, leave",
     {{Act::Enter, kHot}, {Act::Press, kPushed}, {Act::Release, kHot}, {Act::Leave, kStart}}},
    {"right and middle buttons push like the left",
     {{Act::Enter, kHot},
      {Act::RightPress, kPushed},
      {Act::RightRelease, kHot},
      {Act::MiddlePress, kPushed},
      {Act::MiddleRelease, kHot},
      {Act::Leave, kStart}}},
    {"dragged off during a press: the leave shows the normal colour, so does the release",
     {{Act::Enter, kHot}, {Act::Press, kPushed}, {Act::Leave, kStart}, {Act::Release, kStart}}},
    {"dragged off and back on before the release",
     {{Act::Enter, kHot},
      {Act::Press, kPushed},
      {Act::Leave, kStart},
      {Act::Enter, kHot},
      {Act::Release, kHot},
      {Act::Leave, kStart}}},
    {"the pointer's place at the release decides, reported or not",
     {{Act::Enter, kHot}, {Act::Press, kPushed}, {Act::PlaceOff, kPushed}, {Act::Release, kStart}}},
    {"leaving the form during a press",
     {{Act::Enter, kHot}, {Act::Press, kPushed}, {Act::LeaveWindow, kStart}}},
    {"a press without an enter pushes all the same",
     {{Act::PlaceOn, kStart}, {Act::Press, kPushed}, {Act::Release, kHot}}},
    {"a release outside with no enter ever tracked shows 0",
     {{Act::PlaceOn, kStart}, {Act::Press, kPushed}, {Act::PlaceOff, kPushed}, {Act::Release, kNothingSaved}}},
    {"a press from code stays pushed; an enter then saves the pushed colour",
     {{Act::CodePress, kPushed}, {Act::Enter, kHot}, {Act::Leave, kPushed}}},
    {"a press from code while hovering, then the user's release",
     {{Act::Enter, kHot}, {Act::CodePress, kPushed}, {Act::Release, kHot}, {Act::Leave, kStart}}},
    {"HotColor written while shown: seen from the next notification",
     {{Act::Enter, kHot}, {Act::HotColorWhite, kHot}, {Act::Leave, kStart}, {Act::Enter, clWhite}}},
    {"HotTrack off while hot: hot stays, the leave restores nothing",
     {{Act::Enter, kHot},
      {Act::HotTrackOff, kHot},
      {Act::Leave, kHot},
      {Act::Enter, kHot},
      {Act::Press, kHot},
      {Act::Release, kHot}}},
    {"HotTrack on while hovering: no enter follows, the leave shows what was last saved",
     {{Act::HotTrackOff, kStart}, {Act::Enter, kStart}, {Act::HotTrackOn, kStart}, {Act::Leave, kNothingSaved}}},
    {"HotTrack off: no notification touches the colour",
     {{Act::HotTrackOff, kStart},
      {Act::Enter, kStart},
      {Act::Press, kStart},
      {Act::Release, kStart},
      {Act::RightPress, kStart},
      {Act::Leave, kStart},
      {Act::RightRelease, kStart},
      {Act::CodePress, kStart},
      {Act::LeaveWindow, kStart}}},
};

class URLLabelColor : public URLLabelOnForm {
protected:
    void Do(Act act) {
        switch (act) {
            case Act::Enter: MoveOnto(); break;
            case Act::Leave: MoveOff(); break;
            case Act::LeaveWindow: fake.LeaveWindow(Window()); break;
            case Act::PlaceOff: PlaceAt({-50, 5}); break;
            case Act::PlaceOn: PlaceAt({5, 5}); break;
            case Act::Press: Press(); break;
            case Act::Release: Release(); break;
            case Act::RightPress: Press(WM_RBUTTONDOWN, MK_RBUTTON); break;
            case Act::RightRelease: Release(WM_RBUTTONUP); break;
            case Act::MiddlePress: Press(WM_MBUTTONDOWN, MK_MBUTTON); break;
            case Act::MiddleRelease: Release(WM_MBUTTONUP); break;
            case Act::CodePress: PressFromCode(); break;
            case Act::HotTrackOff: label->SetHotTrack(false); break;
            case Act::HotTrackOn: label->SetHotTrack(true); break;
            case Act::HotColorWhite: label->SetHotColor(clWhite); break;
        }
    }
};

TEST_F(URLLabelColor, FollowsTheRulesStepByStep) {
    for (const ColorCase& c : kCases) {
        SCOPED_TRACE(c.name);
        // A fresh label on the fixture's form for every case.
        TComponent::Free(label);
        label = TComponent::Create<TURLLabel>(form);
        label->SetParent(form);
        label->SetAutoSize(false);
        label->SetBounds(16, 60, 37, 12);
        MoveOff();
        ASSERT_EQ(Shown(), kStart);
        for (size_t i = 0; i < c.steps.size(); ++i) {
            Do(c.steps[i].act);
            EXPECT_EQ(Shown(), c.steps[i].shown) << "after step " << i + 1;
        }
    }
}

TEST_F(URLLabelColor, EveryChangeOfColourIsRepainted) {
    auto* window = fake.Window(Window());
    MoveOnto();
    window->invalidated.clear();
    Press();
    ASSERT_EQ(Shown(), kPushed);
    EXPECT_FALSE(window->invalidated.empty());
    EXPECT_EQ(window->invalidated.back(), label->BoundsRect());
    window->invalidated.clear();
    Release();
    EXPECT_FALSE(window->invalidated.empty());
}

}  // namespace
