// DOveVA's values: fenced strings in every mode, string lists and control
// positions, as the store holds them.
#include "common/Bytes.h"
#include "components/IniGT/IniGT.h"
#include "framework/Control.h"
#include "framework/Exception.h"
#include "framework/Strings.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::fake::Fake;

const std::string kPath = "C:\\Tools\\Hopmark.ini";
const std::string kOpen = "\xA2", kClose = "\xA3";  // ｢ and ｣

std::unique_ptr<DOveVA> Bound(DOveVAFence fence) {
    auto ini = std::make_unique<DOveVA>(nullptr);
    ini->SetFileName(kPath);
    ini->SetFence(fence);
    return ini;
}

const char* FenceName(DOveVAFence f) {
    switch (f) {
        case fnDoubleQuote: return "fnDoubleQuote";
        case fnParenthesis: return "fnParenthesis";
        case fnVer11Mode: return "fnVer11Mode";
        case fnNone: return "fnNone";
    }
    return "?";
}

TEST(IniGTFence, ReadTakesOffAtMostOnePairOfThePresentMode) {
    const std::string q = "\"";
    struct Case {
        DOveVAFence fence;
        std::string stored;  // the text the store gives back
        std::string expected;
    } cases[] = {
        {fnNone, q + "a" + q, q + "a" + q},
        {fnNone, kOpen + "a" + kClose, kOpen + "a" + kClose},
        {fnDoubleQuote, q + q, ""},
        {fnDoubleQuote, q + "a" + q, "a"},
        {fnDoubleQuote, q + q + "a" + q + q, q + "a" + q},
        {fnDoubleQuote, kOpen + "a" + kClose, kOpen + "a" + kClose},
        {fnParenthesis, kOpen + "a" + kClose, "a"},
        {fnParenthesis, kOpen + kClose, ""},
        {fnParenthesis, q + "a" + q, q + "a" + q},
        {fnParenthesis, kOpen + kOpen + "a" + kClose + kClose, kOpen + "a" + kClose},
        {fnVer11Mode, q + "a" + q, "a"},
        {fnVer11Mode, kOpen + "a" + kClose, "a"},
        {fnVer11Mode, q + kOpen + "a" + kClose + q, kOpen + "a" + kClose},
        {fnVer11Mode, kOpen + q + "a" + q + kClose, q + "a" + q},
        {fnVer11Mode, q + q + "a" + q + q, q + "a" + q},
        {fnVer11Mode, q, q},
        {fnParenthesis, kOpen, kOpen},
        {fnVer11Mode, kOpen + "a" + q, kOpen + "a" + q},
        {fnVer11Mode, q + "a" + kClose, q + "a" + kClose},
        // Single bytes count: a last double-byte character with trail byte A3 closes.
        {fnParenthesis, kOpen + "a" + Bytes({0x83, 0xA3}), "a\x83"},
        {fnVer11Mode, kOpen + Bytes({0x83, 0xA3}), "\x83"},
        {fnDoubleQuote, kOpen + Bytes({0x83, 0xA3}), kOpen + Bytes({0x83, 0xA3})},
    };
    for (const auto& c : cases) {
        auto ini = Bound(c.fence);
        ini->WriteString("s", "k", c.stored);
        ASSERT_EQ(Hex(ini->ReadString("s", "k", "")), Hex(c.stored)) << "the store keeps it";
        EXPECT_EQ(Hex(ini->ReadFencedString("s", "k", "def")), Hex(c.expected))
            << FenceName(c.fence) << " reading " << Hex(c.stored);
    }
}

TEST(IniGTFence, AMissingKeyGivesTheDefaultInEveryMode) {
    for (DOveVAFence fence : {fnDoubleQuote, fnParenthesis, fnVer11Mode, fnNone})
        for (const std::string& def : {std::string("x"), std::string(), std::string("\"q\""),
                                       kOpen + "b" + kClose, std::string("\""), kOpen}) {
            auto ini = Bound(fence);
            EXPECT_EQ(Hex(ini->ReadFencedString("s", "missing", def)), Hex(def)) << FenceName(fence);
        }
}

TEST(IniGTFence, WriteAddsThePresentModesFence) {
    struct Case {
        DOveVAFence fence;
        std::string value;
        std::string stored;
    } cases[] = {
        {fnDoubleQuote, "a", "\"a\""},
        {fnDoubleQuote, "", "\"\""},
        {fnDoubleQuote, "\"a\"", "\"\"a\"\""},
        {fnParenthesis, "a", kOpen + "a" + kClose},
        {fnParenthesis, "", kOpen + kClose},
        {fnVer11Mode, "a", kOpen + "a" + kClose},
        {fnNone, "\"a\"", "\"a\""},
        {fnNone, kOpen + "a" + kClose, kOpen + "a" + kClose},
        {fnNone, "", ""},
    };
    for (const auto& c : cases) {
        auto ini = Bound(c.fence);
        ini->WriteFencedString("s", "k", c.value);
        EXPECT_EQ(Hex(ini->ReadString("s", "k", "<absent>")), Hex(c.stored)) << FenceName(c.fence);
        EXPECT_EQ(Hex(ini->ReadFencedString("s", "k", "")), Hex(c.value)) << FenceName(c.fence);
        // Plain strings never get a fence.
        ini->WriteString("s", "plain", c.value);
        EXPECT_EQ(Hex(ini->ReadString("s", "plain", "<absent>")), Hex(c.value)) << FenceName(c.fence);
    }
}

std::vector<std::string> Items(const TStrings& list) { return list.ToVector(); }

TEST(IniGTList, WritesCountAndFencedItemsAndReadsThemBack) {
    auto ini = Bound(fnDoubleQuote);
    TStringList list{"東京", "", " blank "};
    ini->WriteStrings("LIST", "HOPMARK_LIST", list);
    EXPECT_EQ(ini->ReadInteger("LIST", "HOPMARK_LIST.Count", -1), 3);
    EXPECT_EQ(ini->ReadString("LIST", "HOPMARK_LIST.0", ""), "\"東京\"");
    EXPECT_EQ(ini->ReadString("LIST", "HOPMARK_LIST.1", ""), "\"\"");
    TStringList back{"old"};
    DOveVA fresh(nullptr);
    fresh.SetFileName(kPath);
    fresh.SetFence(fnDoubleQuote);
    fresh.ReadStrings("LIST", "HOPMARK_LIST", back);
    EXPECT_EQ(Items(back), (std::vector<std::string>{"東京", "", " blank "}));
}

TEST(IniGTList, KeysCountUpThroughEveryCarry) {
    TStringList list;
    for (int i = 0; i < 1001; ++i) list.Add("item" + std::to_string(i));
    Bound(fnNone)->WriteStrings("L", "N", list);
    auto ini = Bound(fnNone);
    for (int i : {9, 10, 99, 100, 999, 1000})
        EXPECT_EQ(ini->ReadString("L", "N." + std::to_string(i), ""), list[i]) << i;
    TStringList back;
    ini->ReadStrings("L", "N", back);
    EXPECT_EQ(Items(back), Items(list));
}

TEST(IniGTList, ReadFollowsTheStoredCountWithTheListsItemsAsDefaults) {
    struct Case {
        const char* what;
        std::string file;
        std::vector<std::string> before, after;
    } cases[] = {
        {"no count: every item read under its own key", "[L]\r\nN.1=new\r\n", {"a", "b", "c"},
         {"a", "new", "c"}},
        {"no keys at all: the list stays", "", {"a", "b"}, {"a", "b"}},
        {"count 3, items 0 and 1 stored, three items before", "[L]\r\nN.Count=3\r\nN.0=x\r\nN.1=y\r\n",
         {"a", "b", "c", "d"}, {"x", "y", "c"}},
        {"count 3, items 0 and 1 stored, two items before", "[L]\r\nN.Count=3\r\nN.0=x\r\nN.1=y\r\n",
         {"a", "b"}, {"x", "y", ""}},
        {"count 0", "[L]\r\nN.Count=0\r\nN.0=x\r\n", {"a"}, {}},
        {"negative count", "[L]\r\nN.Count=-5\r\nN.0=x\r\n", {"a"}, {}},
        {"count that is no number reads as 0", "[L]\r\nN.Count=many\r\nN.0=x\r\n", {"a"}, {}},
        {"items past the count are not read", "[L]\r\nN.Count=1\r\nN.0=x\r\nN.1=y\r\n", {}, {"x"}},
    };
    for (const auto& c : cases) {
        Fake().files[kPath] = c.file;
        auto ini = Bound(fnNone);
        TStringList list;
        for (const auto& s : c.before) list.Add(s);
        ini->ReadStrings("L", "N", list);
        EXPECT_EQ(Items(list), c.after) << c.what;
    }
}

TEST(IniGTList, ItemsAndTheirDefaultsReadAsReadFencedStringReadsThem) {
    const std::string q = "\"";
    const std::string file = "[L]\r\nN.Count=5\r\nN.0=" + q + "a" + q + "\r\nN.1=" + kOpen + "b" + kClose +
                             "\r\nN.3=" + q + q + "\r\nN.4=" + kOpen + "\r\n";
    const std::vector<std::string> before = {"d0", "d1", q + "d2" + q};
    for (DOveVAFence fence : {fnDoubleQuote, fnParenthesis, fnVer11Mode, fnNone}) {
        Fake().files[kPath] = file;
        std::vector<std::string> expected;
        auto single = Bound(fence);
        for (int i = 0; i < 5; ++i)
            expected.push_back(single->ReadFencedString("L", "N." + std::to_string(i),
                                                        i < 3 ? before[i] : std::string()));
        TStringList list;
        for (const auto& s : before) list.Add(s);
        Bound(fence)->ReadStrings("L", "N", list);
        EXPECT_EQ(Items(list), expected) << FenceName(fence);
    }
}

TEST(IniGTList, ItemsAreWrittenAsWriteFencedStringWritesThem) {
    const TStringList list{"a", "", "\"q\"", kOpen + "b" + kClose, " c "};
    for (DOveVAFence fence : {fnDoubleQuote, fnParenthesis, fnVer11Mode, fnNone}) {
        Fake().files.clear();
        auto single = Bound(fence);
        single->IniFile().Update([&] {
            single->WriteInteger("L", "N.Count", list.Count());
            for (int i = 0; i < list.Count(); ++i) single->WriteFencedString("L", "N." + std::to_string(i), list[i]);
        });
        const std::string expected = Fake().files[kPath];
        Fake().files.clear();
        Bound(fence)->WriteStrings("L", "N", list);
        EXPECT_EQ(Hex(Fake().files[kPath]), Hex(expected)) << FenceName(fence);
    }
}

TEST(IniGTList, AnAbsurdCountReturnsQuicklyWithTheItemsThereAre) {
    Fake().files[kPath] = "[L]\r\nN.Count=2147483647\r\nN.0=x\r\nN.1=y\r\n";
    auto ini = Bound(fnNone);
    TStringList list{"a", "b", "c"};
    ini->ReadStrings("L", "N", list);
    ASSERT_GE(list.Count(), 3);
    EXPECT_LE(list.Count(), 10000) << "far from two thousand million";
    EXPECT_EQ(list[0], "x");
    EXPECT_EQ(list[1], "y");
    EXPECT_EQ(list[2], "c");
    EXPECT_EQ(list[list.Count() - 1], "");
}

TEST(IniGTList, WriteIsOneSaveAndLeavesTheKeysOfALongerListBehind) {
    auto ini = Bound(fnNone);
    ini->WriteStrings("L", "N", TStringList{"a", "b", "c", "d"});
    EXPECT_EQ(Fake().saveCount, 1);
    ini->WriteStrings("L", "N", TStringList{"x"});
    EXPECT_EQ(Fake().saveCount, 2);
    EXPECT_EQ(Fake().files[kPath], "[L]\r\nN.Count=1\r\nN.0=x\r\nN.1=b\r\nN.2=c\r\nN.3=d\r\n");
    TStringList back;
    ini->ReadStrings("L", "N", back);
    EXPECT_EQ(Items(back), std::vector<std::string>{"x"});
    ini->WriteStrings("L", "N", TStringList{});
    EXPECT_EQ(ini->ReadInteger("L", "N.Count", -1), 0);
    ini->ReadStrings("L", "N", back);
    EXPECT_EQ(back.Count(), 0);
}

TEST(IniGTList, AnItemTheFileCannotHoldWritesNothingOfTheList) {
    auto ini = Bound(fnNone);
    ini->WriteStrings("L", "N", TStringList{"a"});
    const std::string before = Fake().files[kPath];
    EXPECT_THROW(ini->WriteStrings("L", "N", TStringList{"b", "two\r\nlines", "c"}), EConvertError);
    EXPECT_EQ(Fake().files[kPath], before);
    TStringList back;
    ini->ReadStrings("L", "N", back);
    EXPECT_EQ(Items(back), std::vector<std::string>{"a"});
}

// A control that notes every move.
class Recorder : public TControl {
public:
    using TControl::TControl;
    std::vector<std::string> moves;
    void SetBounds(int left, int top, int width, int height) override {
        moves.push_back(std::to_string(left) + "," + std::to_string(top));
        TControl::SetBounds(left, top, width, height);
    }
};

TEST(IniGTPosition, WritesLeftAndTopAndSetsBothBackLeftFirst) {
    auto ini = Bound(fnNone);
    Recorder form(nullptr);
    form.SetBounds(120, -30, 300, 200);
    ini->WritePosition("WINDOW", "MAINFORM", form);
    EXPECT_EQ(Fake().files[kPath], "[WINDOW]\r\nMAINFORM.X=120\r\nMAINFORM.Y=-30\r\n");
    EXPECT_EQ(Fake().saveCount, 1);

    Recorder other(nullptr);
    other.SetBounds(5, 6, 70, 80);
    other.moves.clear();
    ini->ReadPosition("WINDOW", "MAINFORM", other);
    EXPECT_EQ(other.moves, (std::vector<std::string>{"120,6", "120,-30"}));
    EXPECT_EQ(other.Width(), 70);
    EXPECT_EQ(other.Height(), 80);

    other.moves.clear();
    ini->ReadPosition("WINDOW", "ELSEWHERE", other);
    EXPECT_EQ(other.moves, (std::vector<std::string>{"120,-30", "120,-30"})) << "both keys missing";
}

}  // namespace
