// How the store writes a settings file: what it leaves alone, where new
// lines go, what reads back exactly, and what it refuses.
#include "common/Bytes.h"
#include "common/IniFiles.h"
#include "framework/Exception.h"
#include "framework/IniFile.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// A file with everything a hand-edited settings file may hold.
const std::string kOddFile =
    "; settings\r\n"
    "top=1\r\n"
    "\r\n"
    "  [ WINDOW ]  ; trailing text\r\n"
    "X = 10\n"
    "#hash=2\r"
    "noequals\r\n"
    "\t\r\n"
    "[LIST]\r\n"
    "a=\"quoted\"\r\n"
    "\r\n"
    "\r\n"
    "[window]\r\n"
    "Y=later block\r\n"
    "[last]\r\n"
    "end=no break";

std::string Written(const IniFolder& folder, const std::string& before,
                    void (*write)(TIniFile&)) {
    folder.Put("w.ini", before);
    TIniFile ini(folder.Path("w.ini"));
    write(ini);
    return folder.Get("w.ini").value_or("<no file>");
}

TEST(IniWrite, LeavesEveryOtherByteOfTheFileAsItWas) {
    IniFolder folder;
    struct Case {
        const char* what;
        void (*write)(TIniFile&);
        std::string expected;
    } cases[] = {
        {"a changed value: only its line", [](TIniFile& ini) { ini.WriteString("window", "x", "11"); },
         "; settings\r\ntop=1\r\n\r\n  [ WINDOW ]  ; trailing text\r\nX=11\n#hash=2\rnoequals\r\n"
         "\t\r\n[LIST]\r\na=\"quoted\"\r\n\r\n\r\n[window]\r\nY=later block\r\n[last]\r\nend=no break"},
        {"a new key: after the last line that is not blank, in the first block",
         [](TIniFile& ini) { ini.WriteString("WINDOW", "Y", "2"); },
         "; settings\r\ntop=1\r\n\r\n  [ WINDOW ]  ; trailing text\r\nX = 10\n#hash=2\rnoequals\r\nY=2\r\n"
         "\t\r\n[LIST]\r\na=\"quoted\"\r\n\r\n\r\n[window]\r\nY=later block\r\n[last]\r\nend=no break"},
        {"a new key in a section followed by blank lines",
         [](TIniFile& ini) { ini.WriteString("list", "b", "2"); },
         "; settings\r\ntop=1\r\n\r\n  [ WINDOW ]  ; trailing text\r\nX = 10\n#hash=2\rnoequals\r\n"
         "\t\r\n[LIST]\r\na=\"quoted\"\r\nb=2\r\n\r\n\r\n[window]\r\nY=later block\r\n[last]\r\nend=no break"},
        {"a new key before the first header",
         [](TIniFile& ini) { ini.WriteString("", "top2", "2"); },
         "; settings\r\ntop=1\r\ntop2=2\r\n\r\n  [ WINDOW ]  ; trailing text\r\nX = 10\n#hash=2\rnoequals\r\n"
         "\t\r\n[LIST]\r\na=\"quoted\"\r\n\r\n\r\n[window]\r\nY=later block\r\n[last]\r\nend=no break"},
        {"a new key after a last line without a break",
         [](TIniFile& ini) { ini.WriteString("last", "more", "1"); },
         "; settings\r\ntop=1\r\n\r\n  [ WINDOW ]  ; trailing text\r\nX = 10\n#hash=2\rnoequals\r\n"
         "\t\r\n[LIST]\r\na=\"quoted\"\r\n\r\n\r\n[window]\r\nY=later block\r\n[last]\r\nend=no break\r\n"
         "more=1\r\n"},
        {"a new section: at the end",
         [](TIniFile& ini) { ini.WriteString("CONFIG", "LAST_SELECT", "-1"); },
         "; settings\r\ntop=1\r\n\r\n  [ WINDOW ]  ; trailing text\r\nX = 10\n#hash=2\rnoequals\r\n"
         "\t\r\n[LIST]\r\na=\"quoted\"\r\n\r\n\r\n[window]\r\nY=later block\r\n[last]\r\nend=no break\r\n"
         "[CONFIG]\r\nLAST_SELECT=-1\r\n"},
        {"a valueless entry gets its value in place",
         [](TIniFile& ini) { ini.WriteString("window", "NOEQUALS", "v"); },
         "; settings\r\ntop=1\r\n\r\n  [ WINDOW ]  ; trailing text\r\nX = 10\n#hash=2\rnoequals=v\r\n"
         "\t\r\n[LIST]\r\na=\"quoted\"\r\n\r\n\r\n[window]\r\nY=later block\r\n[last]\r\nend=no break"},
        {"the value it holds already: nothing changes",
         [](TIniFile& ini) { ini.WriteString("list", "a", "quoted"); }, kOddFile},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Written(folder, kOddFile, c.write), c.expected) << c.what;
}

TEST(IniWrite, MakesTheFileAndWritesPlainLines) {
    IniFolder folder;
    TIniFile ini(folder.Path("new.ini"));
    ini.WriteString("s", "k", "v");
    ini.WriteInteger("s", "n", -42);
    ini.WriteBool("t", "b", true);
    ini.WriteBool("t", "c", false);
    EXPECT_EQ(folder.Get("new.ini"), "[s]\r\nk=v\r\nn=-42\r\n[t]\r\nb=1\r\nc=0\r\n");
}

TEST(IniWrite, EveryValueReadsBackExactlyFromTheFile) {
    const std::string cases[] = {
        "",
        " leading",
        "trailing ",
        "\tboth\t",
        "  ",
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
        "\ttabs,\x0B vertical tabs\x0C and form feeds inside\t",
        "a=b=c",
        "; not a comment",
        "[not a header]",
        Bytes({0x95, 0x5C, 0x95, 0x5C}),                    // 表表: trail bytes 0x5C
        Bytes({0x83, 0x5C, 0x20}),                          // ソ and a blank
        Bytes({0x81, 0x40, 'a', 0x81, 0x40}),               // full-width blanks
        Bytes({0xA2, 'x', 0xA3}),                           // half-width corner brackets
        Bytes({0x80, 0xA0, 0xFD, 0xFF}),                    // bytes the code page leaves unused
        std::string(40000, 'x'),
    };
    IniFolder folder;
    int i = 0;
    {
        TIniFile ini(folder.Path("values.ini"));
        for (const auto& value : cases) ini.WriteString("s", Numbered("k", i++), value);
    }
    TIniFile fresh(folder.Path("values.ini"));
    i = 0;
    for (const auto& value : cases)
        EXPECT_EQ(Hex(fresh.ReadString("s", Numbered("k", i++), "<absent>")), Hex(value))
            << "row " << i - 1;
}

TEST(IniWrite, NamesAreStoredTrimmedAndFoundAsWritten) {
    IniFolder folder;
    TIniFile ini(folder.Path("names.ini"));
    ini.WriteString(" Sec ", "\tkey ", "v");
    ini.WriteString("a]b", "k", "1");
    ini.WriteString("[x", "k", "2");
    ini.WriteString("s", ";c", "3");
    ini.WriteString("s", "", "4");
    ini.WriteString("s", "\x95\\", "5");
    EXPECT_EQ(folder.Get("names.ini"),
              "[Sec]\r\nkey=v\r\n[a]b]\r\nk=1\r\n[[x]\r\nk=2\r\n[s]\r\n;c=3\r\n=4\r\n\x95\\=5\r\n");
    TIniFile fresh(folder.Path("names.ini"));
    EXPECT_EQ(fresh.ReadString(" Sec ", "\tkey ", ""), "v");
    EXPECT_EQ(fresh.ReadString("a]b", "k", ""), "1");
    EXPECT_EQ(fresh.ReadString("[x", "k", ""), "2");
    EXPECT_EQ(fresh.ReadString("s", ";c", ""), "3");
    EXPECT_EQ(fresh.ReadString("s", "", ""), "4");
    EXPECT_EQ(fresh.ReadString("s", "\x95\\", ""), "5");
}

TEST(IniWrite, RefusesWhatWouldNotReadBackAndChangesNothing) {
    struct Case {
        const char* what;
        std::string section, key, value;
    } cases[] = {
        {"CR LF in a value", "s", "k", "x\r\nb=2"},
        {"LF in a value", "s", "k", "x\n[z]"},
        {"CR in a value", "s", "k", "x\r"},
        {"LF late in a long value", "s", "k", "a long value, then\n"},
        {"CR early in a long value", "s", "k", "\rthen a long value"},
        {"NUL in a long key", "s", std::string("a long key\0name", 15), "v"},
        {"NUL in a value", "s", "k", std::string("a\0b", 3)},
        {"line break in a key", "s", "k\nj", "v"},
        {"NUL in a key", "s", std::string("k\0", 2), "v"},
        {"line break in a section", "s\r\n[t]", "k", "v"},
        {"NUL in a section", std::string("s\0t", 3), "k", "v"},
        {"= in a key", "s", "a=b", "v"},
        {"a key that reads as a header", "s", "[x]", "v"},
        {"a key and value that read as a header", "s", "[a", "b]"},
        {"a section ending in a lead byte", "s\x83", "k", "v"},
        {"a key ending in a lead byte", "s", "k\x83", "v"},
        {"a value ending in a lead byte", "s", "k", "v\x83"},
    };
    const std::string before = "[s]\r\nk=old\r\nother=1\r\n";
    IniFolder folder;
    for (const auto& c : cases) {
        folder.Put("refuse.ini", before);
        TIniFile ini(folder.Path("refuse.ini"));
        EXPECT_EQ(ini.ReadString("s", "k", ""), "old");
        try {
            ini.WriteString(c.section, c.key, c.value);
            ADD_FAILURE() << c.what << ": written";
        } catch (const EConvertError& e) {
            EXPECT_NE(e.Message().find(folder.Path("refuse.ini")), std::string::npos) << c.what;
        }
        EXPECT_EQ(folder.Get("refuse.ini"), before) << c.what;
        EXPECT_EQ(ini.ReadString("s", "k", ""), "old") << c.what;
        EXPECT_EQ(ini.ReadString("s", "other", ""), "1") << c.what;
    }
}

TEST(IniWrite, ReachesTheFileAtOnceAndKeepsChangesMadeByOthers) {
    IniFolder folder;
    TIniFile ini(folder.Path("shared.ini"));
    ini.WriteString("s", "mine", "1");
    EXPECT_EQ(TIniFile(folder.Path("shared.ini")).ReadString("s", "mine", ""), "1");

    // Someone else rewrites the file between two of our writes.
    folder.Put("shared.ini", "[s]\r\nmine=1\r\ntheirs=2\r\n");
    ini.WriteString("s", "mine2", "3");
    EXPECT_EQ(folder.Get("shared.ini"), "[s]\r\nmine=1\r\ntheirs=2\r\nmine2=3\r\n");
    EXPECT_EQ(ini.ReadString("s", "theirs", ""), "2");
}

TEST(IniWrite, UpdateWritesAllOrNothing) {
    IniFolder folder;
    TIniFile ini(folder.Path("batch.ini"));
    ini.WriteString("s", "k", "old");
    ini.Update([&] {
        ini.WriteString("s", "a", "1");
        ini.WriteString("s", "b", "2");
        EXPECT_EQ(folder.Get("batch.ini"), "[s]\r\nk=old\r\n") << "nothing reaches the disk before the end";
        EXPECT_EQ(ini.ReadString("s", "a", ""), "1") << "but reads see the batch";
    });
    EXPECT_EQ(folder.Get("batch.ini"), "[s]\r\nk=old\r\na=1\r\nb=2\r\n");

    EXPECT_THROW(ini.Update([&] {
        ini.WriteString("s", "k", "new");
        ini.WriteString("s", "bad\n", "x");
    }),
                 EConvertError);
    EXPECT_EQ(folder.Get("batch.ini"), "[s]\r\nk=old\r\na=1\r\nb=2\r\n");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "old") << "the batch's first write is dropped too";
}

struct ListCase {
    const char* what;
    std::string file;
    std::string section, name;
    std::vector<std::string> values;
};

// The list written at once, and key by key in one batch, from the same file.
void ExpectListWrittenAsKeyByKey(const ListCase& c) {
    IniFolder folder;
    auto key = [&](std::size_t i) { return c.name + "." + std::to_string(i); };
    folder.Put("keys.ini", c.file);
    TIniFile keys(folder.Path("keys.ini"));
    std::string keysRefused = "<written>";
    try {
        keys.Update([&] {
            for (std::size_t i = 0; i < c.values.size(); ++i) keys.WriteString(c.section, key(i), c.values[i]);
        });
    } catch (const EConvertError& e) {
        keysRefused = e.Message();
    }
    folder.Put("list.ini", c.file);
    TIniFile list(folder.Path("list.ini"));
    std::string listRefused = "<written>";
    try {
        std::vector<std::string_view> values(c.values.begin(), c.values.end());
        list.WriteList(c.section, c.name, values);
    } catch (const EConvertError& e) {
        listRefused = e.Message();
    }
    auto inFolder = [&](std::string message, const char* file) {
        std::size_t at = message.find(folder.Path(file));
        return at == std::string::npos ? message : message.replace(at, folder.Path(file).size(), "<path>");
    };
    EXPECT_EQ(inFolder(listRefused, "list.ini"), inFolder(keysRefused, "keys.ini")) << c.what;
    EXPECT_EQ(Hex(folder.Get("list.ini").value_or("<none>")), Hex(folder.Get("keys.ini").value_or("<none>")))
        << c.what;
    for (std::size_t i = 0; i < c.values.size(); ++i)
        EXPECT_EQ(list.ReadString(c.section, key(i), "<absent>"), keys.ReadString(c.section, key(i), "<absent>"))
            << c.what << ": " << key(i);
    EXPECT_EQ(list.KeyCount(c.section), keys.KeyCount(c.section)) << c.what;
    // The sections after the list's are where they were.
    for (TIniFile* ini : {&keys, &list}) {
        ini->WriteString("M", "m", ini->ReadString("M", "m", "") + "+");
        if (keysRefused == "<written>") ini->WriteString(c.section, "after", "1");
    }
    EXPECT_EQ(Hex(folder.Get("list.ini").value_or("<none>")), Hex(folder.Get("keys.ini").value_or("<none>")))
        << c.what << ", written to afterwards";
}

TEST(IniWrite, AListIsWrittenAsItsKeysOneAfterTheOtherWould) {
    const ListCase cases[] = {
        {"a new file", "", "L", "N", {"a", "b", "c"}},
        {"no items", "[L]\r\nN.0=old\r\n", "L", "N", {}},
        {"a section that ends in blank lines, before another",
         "[L]\r\nother=1\r\n\r\n\r\n[M]\r\nm=1\r\n", "L", "N", {"a", "b"}},
        {"the keys there in order, some values the same",
         "[L]\r\nN.0=a\r\nN.1=old\r\nN.2=c\r\n[M]\r\n", "L", "N", {"a", "b", "c", "d"}},
        {"a shorter list over a longer one", "[L]\r\nN.0=a\r\nN.1=b\r\nN.2=c\r\n", "L", "N", {"x"}},
        {"keys out of order", "[L]\r\nN.2=c\r\nN.0=a\r\nx=1\r\n", "L", "N", {"0", "1", "2", "3"}},
        {"a later key first, in other case", "[L]\r\nn.1=first\r\nN.0=a\r\nN.1=b\r\n", "L", "N", {"x", "y"}},
        {"a key that repeats in other case", "[L]\r\nN.0=a\r\nn.0=dup\r\nN.1=b\r\n", "L", "N", {"x", "y"}},
        {"an entry without =", "[L]\r\nN.0\r\nN.0=hidden\r\n", "L", "N", {"x", "y"}},
        {"keys among others and look-alikes",
         "[L]\r\nN.Count=2\r\nN.0=a\r\nN.01=z\r\nM.1=m\r\nN.1=b\r\nN.=e\r\n", "L", "N", {"x", "y", "z"}},
        {"blanks around the names", "[ L ]\r\n  N.0 = a \r\n", " L\t", "\tN", {"x", "y"}},
        {"names in other case", "[l]\r\nn.0=a\r\n", "L", "N", {"a", "b"}},
        {"the first of repeated sections", "[L]\r\nN.1=b\r\n[M]\r\n[l]\r\nN.0=a\r\n", "L", "N", {"x", "y"}},
        {"keys before any header", "N.0=a\r\n[L]\r\n", "", "N", {"x", "y"}},
        {"a last line without a break", "[L]\r\nN.0=a", "L", "N", {"a", "b"}},
        {"values that need quotes, and the empty one", "[L]\r\nN.1=\"\"\r\n", "L", "N",
         {" a ", "", "\"q\"", "'", "\t"}},
        {"Shift-JIS names and values", "", "\x95\\", "\x83\x5C", {"\x95\x5C", "\x83\x41"}},
        {"more than one carry of the digits", "", "L", "N", std::vector<std::string>(1001, "v")},
        {"a refused value: the first one refused is told", "[L]\r\nN.0=a\r\n", "L", "N",
         {"x", "two\r\nlines", "v\x83"}},
        {"a value ending in a lead byte", "", "L", "N", {"x", "v\x83"}},
        {"a name that reads as a header with a value", "", "L", "[N", {"x", "y]"}},
        {"a name refused whatever the value", "", "L", "N=", {"x"}},
        {"a section refused", "", "L\n", "N", {"x"}},
        {"a name ending in a lead byte", "", "L", "\x83", {"x"}},
    };
    for (const auto& c : cases) ExpectListWrittenAsKeyByKey(c);
}

TEST(IniWrite, KeepsTheEncodingOfAFileWithAByteOrderMark) {
    IniFolder folder;
    const std::string tokyo = Bytes({0x93, 0x8C, 0x8B, 0x9E});
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    } cases[] = {
        {"UTF-8", "\xEF\xBB\xBF[s]\r\nold=\xE6\x9D\xB1\r\n",
         "\xEF\xBB\xBF[s]\r\nold=\xE6\x9D\xB1\r\nk=\xE6\x9D\xB1\xE4\xBA\xAC\r\n"},
        {"UTF-16LE", Bytes({0xFF, 0xFE, '[', 0, 's', 0, ']', 0, '\n', 0}),
         Bytes({0xFF, 0xFE, '[', 0, 's', 0, ']', 0, '\n', 0, 'k', 0, '=', 0, 0x71, 0x67, 0xAC, 0x4E,
                '\r', 0, '\n', 0})},
        {"UTF-16BE", Bytes({0xFE, 0xFF, 0, '[', 0, 's', 0, ']', 0, '\r', 0, '\n'}),
         Bytes({0xFE, 0xFF, 0, '[', 0, 's', 0, ']', 0, '\r', 0, '\n', 0, 'k', 0, '=', 0x67, 0x71,
                0x4E, 0xAC, 0, '\r', 0, '\n'})},
    };
    for (const auto& c : cases) {
        folder.Put("bom.ini", c.before);
        {
            TIniFile ini(folder.Path("bom.ini"));
            ini.WriteString("s", "k", tokyo);
        }
        EXPECT_EQ(Hex(folder.Get("bom.ini").value_or("")), Hex(c.after)) << c.what;
        EXPECT_EQ(Hex(TIniFile(folder.Path("bom.ini")).ReadString("s", "k", "")), Hex(tokyo)) << c.what;
    }
}

}  // namespace
