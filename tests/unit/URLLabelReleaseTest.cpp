// A release shows the hot colour when the pointer is on the label, as
// GetCursorPos says, whatever the message's point; the right and bottom
// edges are outside.
#include "URLLabelFixture.h"

namespace {

using platform::Point;

TEST_F(URLLabelOnForm, ReleaseDecidesByThePointersPlaceWithEdgesOutside) {
    struct Case {
        const char* name;
        Point at;  // label coordinates; the label is 37 x 12
        TColor shown;
    };
    const Case cases[] = {
        {"top-left corner", {0, 0}, clAqua},
        {"last pixel inside", {36, 11}, clAqua},
        {"on the right edge", {37, 0}, kStart},
        {"on the bottom edge", {0, 12}, kStart},
        {"left of it", {-1, 5}, kStart},
        {"above it", {5, -1}, kStart},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MoveOnto();
        Press();
        ASSERT_EQ(Shown(), clRed);
        PlaceAt(c.at);  // the release comes before any move is reported
        Release();
        EXPECT_EQ(Shown(), c.shown);
        MoveOff();
    }
}

TEST_F(URLLabelOnForm, ReleaseIgnoresTheMessagesPoint) {
    MoveOnto();  // saves the start colour
    PressFromCode();
    PlaceAt({-20, -20});
    label->Perform(WM_LBUTTONUP, 0, platform::PackPoint(5, 5));
    EXPECT_EQ(Shown(), kStart);

    PressFromCode();
    PlaceAt({5, 5});
    label->Perform(WM_LBUTTONUP, 0, platform::PackPoint(500, 500));
    EXPECT_EQ(Shown(), clAqua);
}

}  // namespace
