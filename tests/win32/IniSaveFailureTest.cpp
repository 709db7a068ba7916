// A save the system refuses, on real files: the error names the file, and
// the old file and the store's values stay as they were.
#include "common/IniFiles.h"
#include "framework/Exception.h"
#include "framework/IniFile.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

void ExpectRefusedNaming(TIniFile& ini, const std::string& path) {
    try {
        ini.WriteString("s", "k", "new");
        ADD_FAILURE() << "the save into " << path << " went through";
    } catch (const EInOutError& e) {
        EXPECT_NE(e.Message().find(path), std::string::npos) << e.Message();
    }
}

TEST(IniSaveFailure, AReadOnlyFileIsLeftAsItWas) {
    IniFolder folder;
    const std::string before = "[s]\r\nk=old\r\n";
    folder.Put("locked.ini", before);
    std::string path = folder.Path("locked.ini");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "old");
    ExpectRefusedNaming(ini, path);
    EXPECT_EQ(folder.Get("locked.ini"), before);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "old") << "memory rolls back";

    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    ini.WriteString("s", "k", "new");
    EXPECT_EQ(folder.Get("locked.ini"), "[s]\r\nk=new\r\n");
}

TEST(IniSaveFailure, AMissingFolderIsNotMade) {
    IniFolder folder;
    std::string path = folder.Path("missing\\Hopmark.ini");
    TIniFile ini(path);
    ExpectRefusedNaming(ini, path);
    EXPECT_EQ(GetFileAttributesA(folder.Path("missing").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ini.ReadString("s", "k", "none"), "none");
}

TEST(IniSaveFailure, NoTemporaryFileIsLeftBehind) {
    IniFolder folder;
    folder.Put("locked.ini", "[s]\r\nk=old\r\n");
    std::string path = folder.Path("locked.ini");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    TIniFile ini(path);
    EXPECT_THROW(ini.WriteString("s", "k", "new"), EInOutError);
    int files = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(folder.Path("*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(files, 1);
}

}  // namespace
