// The store against Windows' own profile functions on real files, both ways:
// what we read from a file is what GetPrivateProfileString reads, what we
// write it reads back, and what WritePrivateProfileString writes we read.
#include "common/Bytes.h"
#include "common/IniFiles.h"
#include "framework/IniFile.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

// Big enough for every value here: Windows then neither cuts nor trips over
// its quoted-value buffer quirk.
constexpr DWORD kBuffer = 1 << 17;

std::string WindowsString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& def) {
    std::vector<char> buffer(kBuffer);
    DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer.data(),
                                       kBuffer, path.c_str());
    return std::string(buffer.data(), n);
}

int WindowsInt(const std::string& path, const std::string& section, const std::string& key, int def) {
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), def, path.c_str()));
}

struct Lookup {
    std::string file;
    std::string section;
    std::string key;
};

const std::string kLong(40000, 'x');

// Files and lookups where the two readers must agree. Defaults are plain
// words: Windows trims and unquotes a default, we give it back unaltered.
const Lookup kLookups[] = {
    {"[Sec]\r\nKey=v\r\n", "SEC", "kEY"},
    {"[\x82\x60]\r\nk=v\r\n", "\x82\x81", "k"},
    {"[s]\r\n\x82\x60=v\r\n", "s", "\x82\x81"},
    {"[\x83" "a]\r\n\x83" "b=1\r\n", "\x83" "A", "\x83" "b"},
    {"[\x83" "a]\r\n\x83" "b=1\r\n", "\x83" "a", "\x83" "B"},
    {"[\x83" "a]\r\n\x83" "b=1\r\n", "\x83" "a", "\x83" "b"},
    {"[\xC4]\r\nk=v\r\n", "\xE4", "k"},
    {"[\x95\\]\r\nk=w\r\n", "\x95\\", "k"},
    {"  [ Sec ]  \r\n\t key \t=\t v \t\r\n", " Sec ", " key "},
    {"[s]\r\nk=\x0B\x0C v\x1A\r\n", "s", "k"},
    {"[s]\r\nk=\x01v\x01\r\n", "s", "k"},
    {"[s]\r\nk=\x81\x40v\x81\x40\r\n", "s", "k"},
    {"[s]\r\nk=\x7F\xA0v\xFF\r\n", "s", "k"},
    {"[s]\r\nk=\"abc\"\r\n", "s", "k"},
    {"[s]\r\nk='abc'\r\n", "s", "k"},
    {"[s]\r\nk=  \" a \"  \r\n", "s", "k"},
    {"[s]\r\nk=\"\"abc\"\"\r\n", "s", "k"},
    {"[s]\r\nk=\"a\"b\"\r\n", "s", "k"},
    {"[s]\r\nk=\"abc'\r\n", "s", "k"},
    {"[s]\r\nk=\"\r\n", "s", "k"},
    {"[s]\r\nk=\"\"\r\n", "s", "k"},
    {"[s]\r\n\"q\"=v\r\n", "s", "\"q\""},
    {"[s]\r\nk=1\r\nK=2\r\n", "s", "k"},
    {"[s]\r\na=1\r\n[t]\r\n[S]\r\na=2\r\nb=3\r\n", "s", "a"},
    {"[s]\r\na=1\r\n[t]\r\n[S]\r\na=2\r\nb=3\r\n", "s", "b"},
    {"[s]\r\na\r\na=1\r\n", "s", "a"},
    {"[s]\r\nb=\r\nb=2\r\n", "s", "b"},
    {"[s]\r\nu=a=b\r\n", "s", "u"},
    {"[s]\r\nk=v\r\n=a\r\n", "s", ""},
    {"k=v\r\n[s]\r\n", "", "k"},
    {"[]\r\nk=v\r\n", "", "k"},
    {"[s]\r\n;c=1\r\n", "s", ";c"},
    {"[s]\r\n#h=2\r\n", "s", "#h"},
    {"[s]\r\nk=v ; note\r\n", "s", "k"},
    {"[s]\r\n;c\r\n;c=3\r\n", "s", ";c"},
    {"[a]b]\r\nk=1\r\n", "a]b", "k"},
    {"[T]x=1\r\nk=w\r\n", "T", "x"},
    {"[T]x=1\r\nk=w\r\n", "T", "k"},
    {"[A]\r\na=1\r\n[Sec\r\nk=v\r\n", "A", "k"},
    {"[A]\r\na=1\r\n[Sec\r\nk=v\r\n", "Sec", "k"},
    {"[\x83]]\r\nk=1\r\n", "\x83]", "k"},
    {"[s]\r\nx[t]=1\r\n", "s", "x[t]"},
    {"[s]\nk=v\nj=w\n", "s", "j"},
    {"[s]\rk=v\rj=w\r", "s", "j"},
    {"[s]\r\nk=v\n\rj=w\rz=1", "s", "z"},
    {"[s]\r\nk=v", "s", "k"},
    {std::string("[s]\r\nk=ab\0cd\r\n", 15), "s", "k"},
    {std::string("[s]\r\nx\0y=1\r\n", 12), "s", "x"},
    {std::string("[t\0]x]\r\nk=1\r\n", 13), "t", "k"},
    {"[s]\r\nk=" + kLong + "\r\nj=w\r\n", "s", "k"},
    {"[s]\r\nk=" + kLong + "\r\nj=w\r\n", "s", "j"},
    {"\xEF\xBB\xBF[s]\r\nk=\xE6\x9D\xB1\xE4\xBA\xAC\r\n", "s", "k"},
    {"\xEF\xBB\xBFk=1\r\n", "", "k"},
    {Bytes({0xFF, 0xFE, '[', 0, 's', 0, ']', 0, '\n', 0, 'k', 0, '=', 0, 0x71, 0x67, '\n', 0}), "s", "k"},
    {Bytes({0xFE, 0xFF, 0, '[', 0, 's', 0, ']', 0, '\n', 0, 'k', 0, '=', 0x67, 0x71, 0, '\n'}), "s", "k"},
    {"[s]\r\nk=\xE6\x9D\xB1\r\n", "s", "k"},
    {"", "s", "k"},
};

TEST(IniCompat, WeReadWhatGetPrivateProfileStringReads) {
    IniFolder folder;
    int row = 0;
    for (const auto& l : kLookups) {
        // A file per row: Windows may cache a file it has read.
        std::string name = Numbered("read", row++) + ".ini";
        folder.Put(name, l.file);
        std::string path = folder.Path(name);
        TIniFile ini(path);
        EXPECT_EQ(Hex(ini.ReadString(l.section, l.key, "DEF")), Hex(WindowsString(path, l.section, l.key, "DEF")))
            << "row " << row - 1 << ": [" << l.section << "] " << l.key << " in " << Hex(l.file.substr(0, 40));
    }
}

TEST(IniCompat, WeReadTheIntegersGetPrivateProfileIntReads) {
    const char* values[] = {
        "12", "-1", " 42 ", "+5", "012", "08", "12abc", "1,000", "abc", "-", "--5", "0x1F", "0x1f",
        "0X1f", "0xFfFf", "0x", "-0x10", "+0x10", "0x-5", "0xFFFFFFFF", "0x7fffffffff", "0x80000000",
        "00x10", "0b101", "0B11", "-0b11", "0o7", "4294967295", "2147483648", "99999999999",
        "-2147483649", "-4294967295", "\"12\"", "'12'", "\" \"", "\"\"", "", "   ", "\x82\x50", "\v5",
        "0b11111111111111111111111111111111", "000000000000000000000000000001",
        "                               1",
    };
    IniFolder folder;
    std::string file = "[s]\r\nbare\r\n";
    for (size_t i = 0; i < std::size(values); ++i) file += Numbered("k", i) + "=" + values[i] + "\r\n";
    folder.Put("int.ini", file);
    std::string path = folder.Path("int.ini");
    TIniFile ini(path);
    for (size_t i = 0; i < std::size(values); ++i) {
        std::string key = Numbered("k", i);
        EXPECT_EQ(ini.ReadInteger("s", key, 777), WindowsInt(path, "s", key, 777)) << "'" << values[i] << "'";
    }
    for (const char* key : {"bare", "missing"})
        EXPECT_EQ(ini.ReadInteger("s", key, 777), WindowsInt(path, "s", key, 777)) << key;
}

// Where we differ on purpose; kept here so that a change on either side shows.
TEST(IniCompat, DeliberateDifferences) {
    IniFolder folder;
    folder.Put("diff.ini", "[s]\r\nbad=a\x81 z\r\nend=ab\x93\r\n");
    std::string path = folder.Path("diff.ini");
    TIniFile ini(path);
    // A default comes back unaltered; Windows trims its trailing spaces and unquotes it.
    EXPECT_EQ(ini.ReadString("s", "missing", "\"def\"  "), "\"def\"  ");
    EXPECT_EQ(WindowsString(path, "s", "missing", "\"def\"  "), "def");
    // Bytes that are no character of the code page come back as they are;
    // Windows turns each into a middle dot on its way through Unicode.
    EXPECT_EQ(Hex(ini.ReadString("s", "bad", "")), Hex("a\x81 z"));
    EXPECT_EQ(Hex(WindowsString(path, "s", "bad", "")), Hex("a\x81\x45z"));
    EXPECT_EQ(Hex(ini.ReadString("s", "end", "")), Hex("ab\x93"));
    EXPECT_EQ(Hex(WindowsString(path, "s", "end", "")), Hex("ab\x81\x45"));
}

const std::string kAwkwardValues[] = {
    "plain",
    "",
    " leading",
    "trailing ",
    "\tboth\t",
    "   ",
    "\"quoted\"",
    "'single'",
    "\"",
    "'",
    "\"\"",
    "\"half",
    "half'",
    "\"mixed'",
    " \"blank and quote\" ",
    "\x1A" "ctrl-z\x0B",
    "a=b",
    "; semicolon",
    "#hash",
    "[bracketed]",
    Bytes({0x95, 0x5C, 0x95, 0x5C}),        // 表表
    Bytes({0x83, 0x5C, 0x20}),              // ソ and a blank
    Bytes({0x81, 0x40, 'a', 0x81, 0x40}),   // full-width blanks
    Bytes({0xA2, 'x', 0xA3}),               // ｢x｣
    Bytes({0x93, 0x8C, 0x8B, 0x9E}),        // 東京
    std::string(20000, 'y'),
};

TEST(IniCompat, WhatWeWriteGetPrivateProfileStringReadsBack) {
    IniFolder folder;
    std::string path = folder.Path("ours.ini");
    {
        TIniFile ini(path);
        int i = 0;
        for (const auto& value : kAwkwardValues) ini.WriteString("values", Numbered("v", i++), value);
        ini.WriteString(" Section ", " key ", "x");
        ini.WriteString("\x95\\", "\x95\\", "\x95\\");
        ini.WriteInteger("numbers", "negative", -2147483647 - 1);
        ini.WriteInteger("numbers", "positive", 2147483647);
        ini.WriteBool("numbers", "yes", true);
        ini.WriteBool("numbers", "no", false);
    }
    int i = 0;
    for (const auto& value : kAwkwardValues) {
        std::string key = Numbered("v", i++);
        EXPECT_EQ(Hex(WindowsString(path, "values", key, "DEF")), Hex(value)) << key;
    }
    EXPECT_EQ(WindowsString(path, "Section", "key", "DEF"), "x");
    EXPECT_EQ(WindowsString(path, "\x95\\", "\x95\\", "DEF"), "\x95\\");
    EXPECT_EQ(WindowsInt(path, "numbers", "negative", 7), -2147483647 - 1);
    EXPECT_EQ(WindowsInt(path, "numbers", "positive", 7), 2147483647);
    EXPECT_EQ(WindowsInt(path, "numbers", "yes", 7), 1);
    EXPECT_EQ(WindowsInt(path, "numbers", "no", 7), 0);
}

TEST(IniCompat, WhatWritePrivateProfileStringWritesWeRead) {
    IniFolder folder;
    std::string path = folder.Path("theirs.ini");
    folder.Put("theirs.ini", "; a comment\r\n[old]\r\nkept=1\r\n");
    int i = 0;
    for (const auto& value : kAwkwardValues)
        ASSERT_TRUE(WritePrivateProfileStringA("values", Numbered("v", i++).c_str(), value.c_str(),
                                               path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("old", "KEPT", "2", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("\x95\\", "\x95\\", "\x95\\", path.c_str()));
    TIniFile ini(path);
    for (int k = 0; k < i; ++k) {
        std::string key = Numbered("v", k);
        EXPECT_EQ(Hex(ini.ReadString("values", key, "DEF")), Hex(WindowsString(path, "values", key, "DEF")))
            << key;
    }
    EXPECT_EQ(ini.ReadString("values", "v0", ""), "plain");
    EXPECT_EQ(Hex(ini.ReadString("values", "v20", "")), Hex(kAwkwardValues[20])) << "Shift-JIS with 5C";
    EXPECT_EQ(ini.ReadInteger("old", "kept", 0), 2);
    EXPECT_EQ(ini.ReadString("\x95\\", "\x95\\", ""), "\x95\\");

    // And the other way on the same file: a key we add, they find.
    ini.WriteString("values", "ours", " both ways ");
    EXPECT_EQ(WindowsString(path, "values", "ours", "DEF"), " both ways ");
    EXPECT_EQ(WindowsString(path, "values", "v0", "DEF"), "plain");
}

}  // namespace
