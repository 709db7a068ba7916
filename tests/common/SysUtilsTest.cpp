#include "framework/SysUtils.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
    std::string path;
    std::string dir;
    std::string name;
};

TEST(FileNames, SplitAtTheLastBackslashOrColon) {
    const PathCase cases[] = {
        {"C:\\Tools\\hopmark.exe", "C:\\Tools\\", "hopmark.exe"},
        {"C:hopmark.exe", "C:", "hopmark.exe"},
        {"hopmark.exe", "", "hopmark.exe"},
        {"sub\\x.ini", "sub\\", "x.ini"},
        {"\\\\server\\share\\a.ini", "\\\\server\\share\\", "a.ini"},
        {"C:\\Tools\\", "C:\\Tools\\", ""},
        {"", "", ""},
        // 表 is 95 5C: its trail byte is no separator.
        {"C:\\表\\表.exe", "C:\\表\\", "表.exe"},
        {"表.ini", "", "表.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.path), c.dir) << c.path;
        EXPECT_EQ(ExtractFileName(c.path), c.name) << c.path;
    }
}

TEST(FileNames, ChangeFileExtReplacesFromTheLastPeriodOfTheName) {
    EXPECT_EQ(ChangeFileExt("C:\\Tools\\hopmark.exe", ".hlp"), "C:\\Tools\\hopmark.hlp");
    EXPECT_EQ(ChangeFileExt("MYTOOL", ".INI"), "MYTOOL.INI");
    EXPECT_EQ(ChangeFileExt("a.b.c", ".INI"), "a.b.INI");
    EXPECT_EQ(ChangeFileExt("C:\\dir.x\\tool", ".INI"), "C:\\dir.x\\tool.INI");
    EXPECT_EQ(ChangeFileExt(".profile", ".ini"), ".ini");
    EXPECT_EQ(ChangeFileExt("", ".INI"), ".INI");
}

TEST(LowerCase, LowersAsciiLettersOnly) {
    EXPECT_EQ(LowerCase("MyTool.INI"), "mytool.ini");
    EXPECT_EQ(LowerCase("東京9_Z"), "東京9_z");
    EXPECT_EQ(LowerCase("\xC0\xDE"), "\xC0\xDE");
}

TEST(SameAsciiText, IgnoresCaseOfAsciiLettersOnly) {
    EXPECT_TRUE(SameAsciiText("IniGT", "inigt"));
    EXPECT_FALSE(SameAsciiText("IniGT", "IniGT2"));
    EXPECT_FALSE(SameAsciiText("\xC0", "\xE0"));
}

}  // namespace
