// Under a code page without lead bytes only half-width blanks leave the end,
// while the start still loses full-width pairs (they are recognised by bytes).
#include "app/BlankTrim.h"
#include "common/Bytes.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

TEST(TrimBlanksWestern, EndLosesOnlyHalfWidthBlanks) {
    platform::fake::Fake().codePage = platform::fake::CodePage::Western1252;
    const std::string full = Bytes({0x81, 0x40});
    EXPECT_EQ(Hex(TrimBlanks(full + "a" + full + " ")), Hex("a" + full));
    EXPECT_FALSE(IsTrailByte(Bytes({0x83, 0x81}), 2));
}
