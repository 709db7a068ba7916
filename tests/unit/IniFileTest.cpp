// The store against the fake's files: how often it saves, and what a failed
// save leaves behind.
#include "common/IniFiles.h"
#include "framework/Exception.h"
#include "framework/IniFile.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::fake::Fake;

const std::string kPath = "C:\\Tools\\Hopmark.ini";

TEST(IniSave, EachWriteIsOneSaveAndABatchIsOne) {
    TIniFile ini(kPath);
    ini.WriteString("s", "a", "1");
    ini.WriteInteger("s", "b", 2);
    EXPECT_EQ(Fake().saveCount, 2);
    ini.Update([&] {
        for (int i = 0; i < 10; ++i) ini.WriteInteger("list", Numbered("k", i), i);
    });
    EXPECT_EQ(Fake().saveCount, 3);
    ini.WriteString("s", "a", "1");
    ini.Update([&] { ini.WriteInteger("s", "b", 2); });
    EXPECT_EQ(Fake().saveCount, 3) << "values already stored leave the file alone";
}

TEST(IniSave, NothingIsReadUntilFirstUse) {
    Fake().files[kPath] = "[s]\r\nk=1\r\n";
    TIniFile ini(kPath);
    Fake().files[kPath] = "[s]\r\nk=2\r\n";
    EXPECT_EQ(ini.ReadString("s", "k", ""), "2");
    Fake().files[kPath] = "[s]\r\nk=3\r\n";
    EXPECT_EQ(ini.ReadString("s", "k", ""), "2") << "loaded once";
}

TEST(IniSave, AFailedSaveLeavesTheFileAndTheStoreAsTheyWere) {
    const std::string before = "[s]\r\nk=old\r\n";
    Fake().files[kPath] = before;
    TIniFile ini(kPath);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "old");
    Fake().writeFailure = "ディスクがいっぱいです。";
    try {
        ini.WriteString("s", "k", "new");
        FAIL() << "the save went through";
    } catch (const EInOutError& e) {
        EXPECT_NE(e.Message().find(kPath), std::string::npos) << e.Message();
        EXPECT_NE(e.Message().find("ディスクがいっぱいです。"), std::string::npos) << e.Message();
    }
    EXPECT_EQ(Fake().files[kPath], before);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "old");
    EXPECT_EQ(ini.ReadString("s", "added", "none"), "none");

    EXPECT_THROW(ini.Update([&] {
        ini.WriteString("s", "added", "1");
        ini.WriteString("s", "k", "newer");
    }),
                 EInOutError);
    EXPECT_EQ(ini.ReadString("s", "added", "none"), "none") << "the whole batch rolls back";

    Fake().writeFailure.clear();
    ini.WriteString("t", "x", "1");
    EXPECT_EQ(Fake().files[kPath], before + "[t]\r\nx=1\r\n");
}

TEST(IniSave, BindingToAFolderOrNothingFailsOnlyOnWrite) {
    for (const std::string path : {"", "C:\\Tools\\"}) {
        TIniFile ini(path);
        EXPECT_EQ(ini.ReadString("s", "k", "def"), "def") << "'" << path << "'";
        EXPECT_THROW(ini.WriteString("s", "k", "v"), EInOutError) << "'" << path << "'";
    }
    EXPECT_EQ(Fake().saveCount, 0);
}

}  // namespace
