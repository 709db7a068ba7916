// Trimming under code page 932; natively the fake reports 932, and under Wine
// the locale makes it the system's code page.
#include "app/BlankTrim.h"
#include "common/Bytes.h"
#include "framework/Exception.h"

#include <gtest/gtest.h>

namespace {

struct TrimCase {
    const char* what;
    std::string input;
    std::string expected;
};

const std::string kFull = Bytes({0x81, 0x40});  // full-width blank

TEST(TrimBlanks, RemovesHalfAndFullWidthBlanksAtBothEndsOnly) {
    const TrimCase cases[] = {
        {"empty", "", ""},
        {"nothing to trim", "abc", "abc"},
        {"mixed at both ends", " " + kFull + "abc" + kFull + " ", "abc"},
        {"two half before, one full after", "  東京" + kFull, "東京"},
        {"inner blanks stay", "a b", "a b"},
        {"inner full-width blank stays", "a" + kFull + "b", "a" + kFull + "b"},
        {"blanks only", "  " + kFull + " " + kFull, ""},
        {"tab at the start shields what follows", "\t abc ", "\t abc"},
        {"line break at the end shields the blanks before it", " abc \n", "abc \n"},
        {"0x7F is no blank", "\x7f" "a\x7f", "\x7f" "a\x7f"},
        {"trailing 81 40 that is not a pair stays", Bytes({0x83, 0x81, 0x40}),
         Bytes({0x83, 0x81, 0x40})},
        {"final full-width pair goes", "a" + kFull, "a"},
        {"0x20 after a lone lead byte is its trail byte", Bytes({0x8A, 0x20}), Bytes({0x8A, 0x20})},
        {"single lead byte", Bytes({0x81}), Bytes({0x81})},
        {"single 0x40 after lead at start", Bytes({0x81, 0x40, 0x81}), Bytes({0x81})},
        {"double-byte text with 0x40 trail", Bytes({0x20, 0x83, 0x40}), Bytes({0x83, 0x40})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Hex(TrimBlanks(c.input)), Hex(c.expected)) << c.what;
}

TEST(IsTrailByte, FindsTheSecondByteOfDoubleByteCharacters) {
    const std::string s = Bytes({0x83, 0x81, 0x40});
    EXPECT_FALSE(IsTrailByte(s, 1));
    EXPECT_TRUE(IsTrailByte(s, 2));
    EXPECT_FALSE(IsTrailByte(s, 3));
    // A run of lead-byte values pairs up from the left.
    const std::string run = Bytes({0x41, 0x81, 0x81, 0x81, 0x81});
    EXPECT_FALSE(IsTrailByte(run, 4));
    EXPECT_TRUE(IsTrailByte(run, 5));
    for (const std::string& any : {std::string("a"), std::string("東京"), kFull})
        EXPECT_FALSE(IsTrailByte(any, 1)) << Hex(any);
}

TEST(IsTrailByte, RejectsIndicesOutsideTheString) {
    const std::string s = "abc";
    for (int index : {0, -1, 4, 1000}) {
        try {
            IsTrailByte(s, index);
            ADD_FAILURE() << "no exception for index " << index;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Illegal Index");
        }
    }
    EXPECT_THROW(IsTrailByte("", 1), Exception);
}

}  // namespace
