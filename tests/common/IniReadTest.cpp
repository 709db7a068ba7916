// How the store reads a settings file: the rules of Windows' profile
// functions, on the fake natively and on real files under Wine.
#include "common/Bytes.h"
#include "common/IniFiles.h"
#include "framework/IniFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::string kAbsent = "<absent>";

struct ReadCase {
    const char* what;
    std::string file;
    std::string section;
    std::string key;
    std::string expected;  // kAbsent: the default comes back
};

std::string Read(const IniFolder& folder, const std::string& file, const std::string& section,
                 const std::string& key) {
    folder.Put("read.ini", file);
    TIniFile ini(folder.Path("read.ini"));
    return ini.ReadString(section, key, kAbsent);
}

template <std::size_t N>
void CheckAll(const ReadCase (&cases)[N]) {
    IniFolder folder;
    for (const auto& c : cases)
        EXPECT_EQ(Hex(Read(folder, c.file, c.section, c.key)), Hex(c.expected)) << c.what;
}

TEST(IniRead, NamesCompareAsciiLettersWithoutCaseAndNothingElse) {
    const ReadCase cases[] = {
        {"section and key in other case", "[Sec]\r\nKey=v\r\n", "SEC", "kEY", "v"},
        {"full-width A is not a", "[\x82\x60]\r\nk=v\r\n", "\x82\x81", "k", kAbsent},
        {"full-width key keeps its case", "[s]\r\n\x82\x60=v\r\n", "s", "\x82\x81", kAbsent},
        {"trail byte a is not A in a section", "[\x83" "a]\r\nk=1\r\n", "\x83" "A", "k", kAbsent},
        {"trail byte b is not B in a key", "[s]\r\n\x83" "b=1\r\n", "s", "\x83" "B", kAbsent},
        {"the same trail bytes match", "[\x83" "a]\r\n\x83" "b=1\r\n", "\x83" "a", "\x83" "b", "1"},
        {"Latin-1 letters have no case", "[\xC4]\r\nk=v\r\n", "\xE4", "k", kAbsent},
        {"Shift-JIS name with trail byte 5C", "[\x95\\]\r\nk=w\r\n", "\x95\\", "k", "w"},
        {"inner blanks must match", "[S e c]\r\nk=v\r\n", "S  e c", "k", kAbsent},
    };
    CheckAll(cases);
}

TEST(IniRead, TrimsSpaceTabVtabFormFeedAndCtrlZOnly) {
    const ReadCase cases[] = {
        {"around header, key and value", "  [ Sec ]  \r\n\t key \t=\t v \t\r\n", "Sec", "key", "v"},
        {"before the key only", "[s]\r\n\x0Bkey=v\r\n", "s", "key", "v"},
        {"after the key only", "[s]\r\nkey \t=v\r\n", "s", "key", "v"},
        {"before the value only", "[s]\r\nkey=\x0C v\r\n", "s", "key", "v"},
        {"after the value only", "[s]\r\nkey=v \x1A\r\n", "s", "key", "v"},
        {"the names asked for", "[Sec]\r\nkey=v\r\n", " Sec\t", "\tkey ", "v"},
        {"vertical tab, form feed, Ctrl-Z", "[s]\r\nk=\x0B\x0C v\x1A\r\n", "s", "k", "v"},
        {"0x01 stays", "[s]\r\nk=\x01v\x01\r\n", "s", "k", "\x01v\x01"},
        {"0x7F, 0xA0 and 0xFF stay", "[s]\r\nk=\x7F\xA0v\xFF\r\n", "s", "k", "\x7F\xA0v\xFF"},
        {"full-width blank stays", "[s]\r\nk=\x81\x40v\x81\x40\r\n", "s", "k", "\x81\x40v\x81\x40"},
        {"a line of blanks is blank", "[s]\r\n \t\x1A\r\nk=v\r\n", "s", "k", "v"},
    };
    CheckAll(cases);
}

TEST(IniRead, TakesOnePairOfEqualQuotesOffTheTrimmedValue) {
    const ReadCase cases[] = {
        {"double quotes", "[s]\r\nk=\"abc\"\r\n", "s", "k", "abc"},
        {"single quotes", "[s]\r\nk='abc'\r\n", "s", "k", "abc"},
        {"blanks inside stay", "[s]\r\nk=  \" a \"  \r\n", "s", "k", " a "},
        {"two quotes are the empty text", "[s]\r\nk=\"\"\r\n", "s", "k", ""},
        {"only one pair", "[s]\r\nk=\"\"abc\"\"\r\n", "s", "k", "\"abc\""},
        {"inner quote stays", "[s]\r\nk=\"a\"b\"\r\n", "s", "k", "a\"b"},
        {"different quotes stay", "[s]\r\nk=\"abc'\r\n", "s", "k", "\"abc'"},
        {"a single quote character stays", "[s]\r\nk=\"\r\n", "s", "k", "\""},
        {"a quote at one end stays", "[s]\r\nk=abc\"\r\n", "s", "k", "abc\""},
        {"quotes around a key are part of it", "[s]\r\n\"q\"=v\r\n", "s", "\"q\"", "v"},
    };
    CheckAll(cases);
}

TEST(IniRead, FirstKeyAndFirstSectionBlockWin) {
    const ReadCase cases[] = {
        {"repeated key", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
        {"repeated section: first block", "[s]\r\na=1\r\n[t]\r\n[S]\r\na=2\r\nb=3\r\n", "s", "a", "1"},
        {"repeated section: later block unseen", "[s]\r\na=1\r\n[t]\r\n[S]\r\nb=3\r\n", "s", "b", kAbsent},
        {"line without = hides a later key", "[s]\r\na\r\na=1\r\n", "s", "a", kAbsent},
        {"empty value is a value", "[s]\r\nb=\r\nb=2\r\n", "s", "b", ""},
        {"value runs from the first =", "[s]\r\nk==v\r\nu=a=b\r\n", "s", "u", "a=b"},
        {"empty key name", "[s]\r\n=a\r\n", "s", "", "a"},
        {"keys before any header are in section \"\"", "k=v\r\n[s]\r\n", "", "k", "v"},
        {"[] is never reached by \"\"", "[]\r\nk=v\r\n", "", "k", kAbsent},
    };
    CheckAll(cases);
}

TEST(IniRead, LookupsInFileOrderStillFindTheFirstOfEachName) {
    IniFolder folder;
    folder.Put("order.ini", "[s]\r\nN.0=a\r\nN.1=b\r\nn.0=dup\r\nN.2\r\nN.2=hidden\r\nN.3=d\r\n");
    TIniFile ini(folder.Path("order.ini"));
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(ini.ReadString("s", "N.0", kAbsent), "a");
        EXPECT_EQ(ini.ReadString("s", "N.1", kAbsent), "b");
        EXPECT_EQ(ini.ReadString("s", "N.0", kAbsent), "a") << "the line after N.1 is a later N.0";
        EXPECT_EQ(ini.ReadString("s", "N.2", kAbsent), kAbsent);
        EXPECT_EQ(ini.ReadString("s", "N.2", kAbsent), kAbsent) << "after the entry without =";
        EXPECT_EQ(ini.ReadString("s", "N.3", kAbsent), "d");
    }
    ini.WriteString("s", "N.0", "changed");
    ini.WriteString("s", "N.1", "also");
    ini.WriteString("s", "n.0", "again");
    EXPECT_EQ(folder.Get("order.ini"),
              "[s]\r\nN.0=again\r\nN.1=also\r\nn.0=dup\r\nN.2\r\nN.2=hidden\r\nN.3=d\r\n");
}

// What a plain scan of a file of CR LF lines and ASCII names finds: the
// first block of the section, in it the first line of the name, its value
// trimmed and unquoted, or nothing when that line has no "=".
std::string FirstValue(const std::string& file, const std::string& section, const std::string& key) {
    auto lower = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    auto trim = [](const std::string& s) {
        std::size_t from = s.find_first_not_of(' '), to = s.find_last_not_of(' ');
        return from == std::string::npos ? std::string() : s.substr(from, to - from + 1);
    };
    enum { Before, Inside, After } where = section.empty() ? Inside : Before;
    for (std::size_t at = 0; at < file.size();) {
        std::size_t end = file.find("\r\n", at);
        std::string line = file.substr(at, end - at);
        at = end + 2;
        if (line.starts_with('[')) {
            if (where == Inside) where = After;
            if (where == Before && lower(line.substr(1, line.size() - 2)) == lower(section)) where = Inside;
            continue;
        }
        std::size_t eq = line.find('=');
        if (where != Inside || lower(trim(line.substr(0, eq))) != lower(key)) continue;
        if (eq == std::string::npos) return kAbsent;
        std::string value = trim(line.substr(eq + 1));
        bool quoted = value.size() >= 2 && value.front() == value.back() && value.front() == '"';
        return quoted ? value.substr(1, value.size() - 2) : value;
    }
    return kAbsent;
}

TEST(IniRead, LookupsInAnyOrderAgreeWithAPlainScan) {
    // Few names, spelt in either case, so that sections repeat them; reads
    // in order, out of order and between writes, as a section is first
    // scanned and later indexed.
    std::mt19937 random(20261212);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto name = [&] {
        std::string s = pick(2) ? "N." : "n.";
        return s + std::to_string(pick(24));
    };
    std::string file = "top=1\r\n";
    for (const char* section : {"[a]", "[b]", "[A]"}) {
        file += section + std::string("\r\n");
        for (int i = 0; i < 40; ++i) {
            int kind = pick(10);
            file += kind == 0 ? "\r\n" : kind == 1 ? name() + "\r\n" : name() + " = v" + std::to_string(i) + "\r\n";
        }
    }
    IniFolder folder;
    folder.Put("scan.ini", file);
    TIniFile ini(folder.Path("scan.ini"));
    const std::string sections[] = {"a", "b", "", "c"};
    for (int step = 0; step < 400; ++step) {
        std::string section = sections[pick(4)];
        if (pick(8) == 0) {
            ini.WriteString(section, name(), Numbered("w", static_cast<std::size_t>(step)));
            file = folder.Get("scan.ini").value_or("");
            continue;
        }
        bool inOrder = pick(2);
        for (int i = 0, n = inOrder ? 24 : 1; i < n; ++i) {
            std::string key = inOrder ? "N." + std::to_string(i) : name();
            EXPECT_EQ(ini.ReadString(section, key, kAbsent), FirstValue(file, section, key))
                << "step " << step << ": [" << section << "] " << key;
        }
    }
}

TEST(IniRead, AListReadsAsItsKeysOneByOne) {
    struct Case {
        const char* what;
        std::string file;
        std::string section, name;
        int count;
    } cases[] = {
        {"in order", "[L]\r\nN.Count=3\r\nN.0=a\r\nN.1=\"b\"\r\nN.2= c \r\n", "L", "N", 4},
        {"gaps", "[L]\r\nN.0=a\r\nN.2=c\r\n", "L", "N", 4},
        {"out of order", "[L]\r\nN.2=c\r\nN.0=a\r\nN.1=b\r\n", "L", "N", 3},
        {"a later key first, in other case", "[L]\r\nn.1=first\r\nN.0=a\r\nN.1=b\r\n", "L", "N", 2},
        {"a key that repeats", "[L]\r\nN.0=a\r\nn.0=dup\r\nN.1=b\r\nN.1=dup\r\n", "L", "N", 2},
        {"entries without =", "[L]\r\nN.0\r\nN.0=hidden\r\nN.1=b\r\n", "L", "N", 2},
        {"look-alikes between", "[L]\r\nN.01=z\r\nN.=e\r\nM.0=m\r\nN.0a=x\r\nN.0=a\r\n", "L", "N", 2},
        {"the first of repeated sections", "[L]\r\nN.1=b\r\n[M]\r\n[l]\r\nN.0=a\r\n", "L", "N", 2},
        {"blanks and case", "[ l ]\r\n  n.0 = a \r\n", " L\t", "\tN", 1},
        {"before any header", "N.0=a\r\n[L]\r\nN.1=b\r\n", "", "N", 2},
        {"no such section", "[L]\r\nN.0=a\r\n", "M", "N", 1},
        {"no file", "", "L", "N", 1},
        {"no items", "[L]\r\nN.0=a\r\n", "L", "N", 0},
        {"Shift-JIS names", "[\x95\\]\r\n\x83\x5C.0=\x95\x5C\r\n", "\x95\\", "\x83\x5C", 1},
    };
    IniFolder folder;
    for (const auto& c : cases) {
        folder.Put("list.ini", c.file);
        TIniFile ini(folder.Path("list.ini"));
        std::vector<std::string> read;
        ini.ReadList(c.section, c.name, c.count, [&](int i, const std::string_view* value) {
            EXPECT_EQ(i, static_cast<int>(read.size())) << c.what << ": in order";
            read.push_back(value ? std::string(*value) : kAbsent);
        });
        TIniFile fresh(folder.Path("list.ini"));
        std::vector<std::string> expected;
        for (int i = 0; i < c.count; ++i)
            expected.push_back(fresh.ReadString(c.section, c.name + "." + std::to_string(i), kAbsent));
        EXPECT_EQ(read, expected) << c.what;
    }
}

TEST(IniRead, CommentsAreKeysToo) {
    const ReadCase cases[] = {
        {"; line read as key", "[s]\r\n;c=1\r\n", "s", ";c", "1"},
        {"# is no comment", "[s]\r\n#h=2\r\n", "s", "#h", "2"},
        {"; after a value is part of it", "[s]\r\nk=v ; note\r\n", "s", "k", "v ; note"},
        {"; without = hides a later ;c=", "[s]\r\n;c\r\n;c=3\r\n", "s", ";c", kAbsent},
        {";[t] starts no section", "[s]\r\n;[t]\r\nk=v\r\n", "s", "k", "v"},
    };
    CheckAll(cases);
}

TEST(IniRead, HeadersRunToTheLastBracketOfTheLine) {
    const ReadCase cases[] = {
        {"inner ]", "[a]b]\r\nk=1\r\n", "a]b", "k", "1"},
        {"text after ] is dropped", "[T]x=1\r\nk=w\r\n", "T", "x", kAbsent},
        {"key after such a header", "[T]x=1\r\nk=w\r\n", "T", "k", "w"},
        {"[ without ] is an entry of the section before", "[A]\r\na=1\r\n[Sec\r\nk=v\r\n", "A", "k", "v"},
        {"... and no section", "[A]\r\na=1\r\n[Sec\r\nk=v\r\n", "Sec", "k", kAbsent},
        {"trail byte 5D closes nothing", "[\x83]\r\n[s]\r\nk=1\r\n", "s", "k", "1"},
        {"trail byte 5D inside a name", "[\x83]]\r\nk=1\r\n", "\x83]", "k", "1"},
        {"a key looking like a header mid-line", "[s]\r\nx[t]=1\r\n", "s", "x[t]", "1"},
    };
    CheckAll(cases);
}

TEST(IniRead, LineBreaksNulBytesAndLongLines) {
    const std::string longValue(70000, 'x');
    const ReadCase cases[] = {
        {"LF only", "[s]\nk=v\nj=w\n", "s", "j", "w"},
        {"CR only", "[s]\rk=v\rj=w\r", "s", "j", "w"},
        {"mixed, LF CR is two breaks", "[s]\r\nk=v\n\rj=w\rz=1", "s", "j", "w"},
        {"no final break", "[s]\r\nk=v", "s", "k", "v"},
        {"NUL ends a value", std::string("[s]\r\nk=ab\0cd\r\n", 15), "s", "k", "ab"},
        {"NUL ends a key", std::string("[s]\r\nx\0y=1\r\n", 12), "s", "x", "1"},
        {"NUL ends a section name", std::string("[t\0]x]\r\nk=1\r\n", 13), "t", "k", "1"},
        {"the line after a NUL", std::string("[s]\r\nk=a\0b\r\nj=2\r\n", 17), "s", "j", "2"},
        {"a 70000-byte value", "[s]\r\nk=" + longValue + "\r\n", "s", "k", longValue},
        {"the key after it", "[s]\r\nk=" + longValue + "\r\nj=w\r\n", "s", "j", "w"},
    };
    CheckAll(cases);
}

TEST(IniRead, DefaultsComeBackUnaltered) {
    IniFolder folder;
    folder.Put("d.ini", "[s]\r\nk=v\r\n");
    TIniFile ini(folder.Path("d.ini"));
    EXPECT_EQ(ini.ReadString("s", "missing", "  \"x\"  "), "  \"x\"  ");
    EXPECT_EQ(ini.ReadString("missing", "k", ""), "");
    TIniFile none(folder.Path("none.ini"));
    EXPECT_EQ(none.ReadString("s", "k", "def"), "def");
    EXPECT_EQ(none.ReadInteger("s", "k", -7), -7);
    EXPECT_TRUE(none.ReadBool("s", "k", true));
}

struct IntCase {
    const char* value;
    int expected;
};

TEST(IniRead, IntegersAsGetPrivateProfileIntReadsThem) {
    const IntCase cases[] = {
        {"12", 12}, {"-1", -1}, {" 42 ", 42}, {"+5", 5}, {"012", 12}, {"08", 8},
        {"12abc", 12}, {"12 34", 12}, {"1,000", 1}, {"1e3", 1}, {"abc", 0}, {"-", 0},
        {"--5", 0}, {"- 5", 0}, {"0x1F", 31}, {"0x1f", 31}, {"0X1f", 0}, {"0xFfFf", 65535},
        {"0x", 0}, {"0xg", 0}, {"-0x10", -16}, {"+0x10", 16}, {"0x-5", 0},
        {"0xFFFFFFFF", -1}, {"0x7fffffffff", -1}, {"0x80000000", -2147483647 - 1},
        {"0x100000000", 0}, {"00x10", 0}, {"0b101", 5}, {"0B11", 0}, {"0b", 0}, {"0b2", 0},
        {"-0b11", -3}, {"0o7", 7}, {"4294967295", -1}, {"2147483647", 2147483647},
        {"2147483648", -2147483647 - 1}, {"99999999999", 1215752191}, {"-2147483649", 2147483647},
        {"4294967296", 0}, {"-4294967295", 1}, {"\"12\"", 12}, {"'12'", 12}, {"\" \"", 0},
        {"\x82\x50", 0}, {"\v5", 5},
        {"0b11111111111111111111111111111111", 134217727},  // only 29 characters are read
        {"000000000000000000000000000001", 0},
        {"                               1", 1},  // blanks go before the count
    };
    IniFolder folder;
    std::string file = "[s]\r\n";
    for (size_t i = 0; i < std::size(cases); ++i)
        file += Numbered("k", i) + "=" + cases[i].value + "\r\n";
    file += "empty=\r\nblank=   \r\nquoted=\"\"\r\nbare\r\n";
    folder.Put("int.ini", file);
    TIniFile ini(folder.Path("int.ini"));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ini.ReadInteger("s", Numbered("k", i), 777), cases[i].expected)
            << cases[i].value;
    for (const char* key : {"empty", "blank", "quoted", "bare", "missing"})
        EXPECT_EQ(ini.ReadInteger("s", key, 777), 777) << key << " gives the default";
    EXPECT_TRUE(ini.ReadBool("s", "k0", false));
    EXPECT_FALSE(ini.ReadBool("s", "k10", true)) << "abc reads as 0";
}

TEST(IniRead, DecodesFilesWithAByteOrderMark) {
    const std::string tokyo = Bytes({0x93, 0x8C, 0x8B, 0x9E});  // 東京
    struct EncodedCase {
        const char* what;
        std::string file;
        std::string expected;
    } cases[] = {
        {"UTF-8 with BOM", "\xEF\xBB\xBF[s]\r\nk=\xE6\x9D\xB1\xE4\xBA\xAC\r\n", tokyo},
        {"UTF-16LE", Bytes({0xFF, 0xFE, '[', 0, 's', 0, ']', 0, '\r', 0, '\n', 0, 'k', 0, '=', 0,
                            0x71, 0x67, 0xAC, 0x4E, '\r', 0, '\n', 0}), tokyo},
        {"UTF-16BE", Bytes({0xFE, 0xFF, 0, '[', 0, 's', 0, ']', 0, '\r', 0, '\n', 0, 'k', 0, '=',
                            0x67, 0x71, 0x4E, 0xAC, 0, '\r', 0, '\n'}), tokyo},
        {"UTF-8 without BOM is code-page text", "[s]\r\nk=\xE6\x9D\xB1\r\n", "\xE6\x9D\xB1"},
    };
    IniFolder folder;
    for (const auto& c : cases) {
        folder.Put("bom.ini", c.file);
        TIniFile ini(folder.Path("bom.ini"));
        EXPECT_EQ(Hex(ini.ReadString("s", "k", kAbsent)), Hex(c.expected)) << c.what;
    }
    // The mark does not hide a key on the first line.
    folder.Put("bom.ini", "\xEF\xBB\xBFk=\xE6\x9D\xB1\xE4\xBA\xAC\r\n");
    EXPECT_EQ(Hex(TIniFile(folder.Path("bom.ini")).ReadString("", "k", kAbsent)), Hex(tokyo));
}

}  // namespace
