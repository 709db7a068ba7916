// DOveVA's binding: where the settings file is, when the store is made
// anew, the name it derives once its form is loaded, and Fence in a form
// designer.
#include "components/IniGT/IniGT.h"
#include "framework/SysUtils.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::fake::Fake;
using platform::MsgDlgButtons;
using platform::MsgDlgType;

const std::string kFenceWarning =
    "fnVer11Mode以外の値にすると、DOveVAのVer1.0とVer1.1で書き込んだﾌｧｲﾙを正しく読めない事があります。";

TEST(IniGTBinding, ResolvesTheFileNameByDefaultDir) {
    Fake().exePath = "C:\\Tools\\hopmark.exe";
    Fake().windowsDirectory = "C:\\WINDOWS";
    struct Case {
        std::string fileName;
        DOveVADefaultDir dir;
        std::string path;
    } cases[] = {
        {"Hopmark.ini", ddApplication, "C:\\Tools\\Hopmark.ini"},
        {"Hopmark.ini", ddWindows, "C:\\WINDOWS\\Hopmark.ini"},
        {"Hopmark.ini", ddNone, "Hopmark.ini"},
        {"D:\\Data\\a.ini", ddApplication, "D:\\Data\\a.ini"},
        {"D:\\Data\\a.ini", ddWindows, "D:\\Data\\a.ini"},
        {"D:\\Data\\a.ini", ddNone, "D:\\Data\\a.ini"},
        {"sub\\a.ini", ddApplication, "sub\\a.ini"},
        {"sub\\a.ini", ddWindows, "sub\\a.ini"},
        {"C:a.ini", ddWindows, "C:a.ini"},
        {"\x95\\.ini", ddApplication, "C:\\Tools\\\x95\\.ini"},  // 表.ini: 5C is a trail byte
        {"", ddApplication, "C:\\Tools\\"},
        {"", ddWindows, "C:\\WINDOWS\\"},
        {"", ddNone, ""},
    };
    for (const auto& c : cases) {
        DOveVA ini(nullptr);
        ini.SetDefaultDir(c.dir);
        ini.SetFileName(c.fileName);
        EXPECT_EQ(ini.IniFile().FileName(), c.path) << c.fileName << " under " << int(c.dir);
        EXPECT_EQ(ini.FileName(), c.fileName);
    }
    Fake().windowsDirectory = "C:\\";
    DOveVA ini(nullptr);
    ini.SetDefaultDir(ddWindows);
    ini.SetFileName("a.ini");
    EXPECT_EQ(ini.IniFile().FileName(), "C:\\\\a.ini") << "the separator is always inserted";
}

TEST(IniGTBinding, EveryAssignmentBindsAFreshStore) {
    Fake().files["C:\\Tools\\a.ini"] = "[s]\r\nk=tools\r\n";
    Fake().files["C:\\WINDOWS\\a.ini"] = "[s]\r\nk=windows\r\n";
    DOveVA ini(nullptr);
    EXPECT_EQ(ini.IniFile().FileName(), "") << "bound to the empty path from construction";
    ini.SetFileName("a.ini");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "tools");
    ini.SetDefaultDir(ddWindows);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "windows") << "the bare name moves";
    ini.SetDefaultDir(ddApplication);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "tools");

    // A new store reads the file anew; the old one had it in memory.
    Fake().files["C:\\Tools\\a.ini"] = "[s]\r\nk=changed\r\n";
    EXPECT_EQ(ini.ReadString("s", "k", ""), "tools");
    ini.SetDefaultDir(ddApplication);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "changed") << "the same value still re-binds";
    Fake().files["C:\\Tools\\a.ini"] = "[s]\r\nk=again\r\n";
    ini.SetFileName("a.ini");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "again");
}

// A form loading its description: the stored properties, then Loaded.
void LoadAsForm(DOveVA& ini, DOveVADefaultDir dir, const DOveVAFence* fence,
                const std::string& fileName = "") {
    ini.BeginLoading();
    ini.SetDefaultDir(dir);
    if (!fileName.empty()) ini.SetFileName(fileName);
    if (fence) ini.SetFence(*fence);
    ini.Loaded();
}

TEST(IniGTBinding, LoadedNamesTheFileAfterTheExecutable) {
    struct Case {
        std::string exe;
        std::string fileName;
    } cases[] = {
        {"D:\\Apps\\MYTOOL.EXE", "Mytool.ini"},
        {"C:\\Tools\\hopmark.exe", "Hopmark.ini"},
        {"C:\\Tools\\MYTOOL", "Mytool.ini"},
        {"C:\\Tools\\My.Tool.Exe", "My.tool.ini"},
        {"C:\\Tools\\9LIVES.EXE", "9lives.ini"},
        {"C:\\Tools\\_X.EXE", "_x.ini"},
        {"C:\\Tools\\\x95\\TOOL.EXE", "\x95\\tool.ini"},  // 表TOOL.EXE
        {"C:\\Tools\\\xB1TOOL.EXE", "\xB1tool.ini"},      // half-width katakana first
    };
    const DOveVAFence none = fnNone;
    for (const auto& c : cases) {
        Fake().exePath = c.exe;
        DOveVA ini(nullptr);
        LoadAsForm(ini, ddApplication, &none);
        EXPECT_EQ(ini.FileName(), c.fileName) << c.exe;
        EXPECT_EQ(ini.IniFile().FileName(), ExtractFilePath(c.exe) + c.fileName) << c.exe;
    }
    Fake().exePath = "D:\\Apps\\MYTOOL.EXE";
    DOveVA windows(nullptr);
    LoadAsForm(windows, ddWindows, &none);
    EXPECT_EQ(windows.IniFile().FileName(), "C:\\WINDOWS\\Mytool.ini");
    DOveVA named(nullptr);
    LoadAsForm(named, ddApplication, &none, "Other.ini");
    EXPECT_EQ(named.FileName(), "Other.ini") << "a stored name stays";
}

TEST(IniGTBinding, InAFormDesignerNothingIsNamedAndFenceStartsAtVer11Mode) {
    TComponent form(nullptr);
    form.SetDesigning(true);
    auto* unset = TComponent::Create<DOveVA>(&form);
    LoadAsForm(*unset, ddApplication, nullptr);
    EXPECT_EQ(unset->FileName(), "");
    EXPECT_EQ(unset->Fence(), fnVer11Mode) << "a form that stores no Fence";
    EXPECT_TRUE(Fake().messageDlgs.empty());

    const DOveVAFence none = fnNone;
    auto* stored = TComponent::Create<DOveVA>(&form);
    LoadAsForm(*stored, ddApplication, &none);
    EXPECT_EQ(stored->Fence(), fnNone) << "assigning the value it has still counts as set";

    DOveVA atRunTime(nullptr);
    LoadAsForm(atRunTime, ddApplication, nullptr);
    EXPECT_EQ(atRunTime.Fence(), fnNone);
}

TEST(IniGTBinding, WarnsWhenADesignerLeavesVer11Mode) {
    TComponent form(nullptr);
    form.SetDesigning(true);
    auto* ini = TComponent::Create<DOveVA>(&form);
    LoadAsForm(*ini, ddApplication, nullptr);  // fnVer11Mode, never assigned

    ini->SetFence(fnVer11Mode);
    EXPECT_TRUE(Fake().messageDlgs.empty()) << "the value it has";
    ini->SetFence(fnDoubleQuote);
    ASSERT_EQ(Fake().messageDlgs.size(), 1u);
    const auto& warning = Fake().messageDlgs[0];
    EXPECT_EQ(warning.text, kFenceWarning);
    EXPECT_EQ(warning.type, MsgDlgType::Warning);
    EXPECT_EQ(warning.buttons, MsgDlgButtons::Ok);
    EXPECT_EQ(warning.helpContext, 0);
    EXPECT_EQ(ini->Fence(), fnDoubleQuote) << "the change is made after the warning";

    ini->SetFence(fnParenthesis);
    ini->SetFence(fnNone);
    EXPECT_EQ(Fake().messageDlgs.size(), 1u) << "between other values";
    ini->SetFence(fnVer11Mode);
    Fake().messageDlgAnswer = platform::ModalResult::Cancel;
    ini->SetFence(fnNone);
    EXPECT_EQ(Fake().messageDlgs.size(), 2u);
    EXPECT_EQ(ini->Fence(), fnNone) << "whatever the answer";

    DOveVA atRunTime(nullptr);
    atRunTime.SetFence(fnVer11Mode);
    atRunTime.SetFence(fnNone);
    EXPECT_EQ(Fake().messageDlgs.size(), 2u) << "never outside a designer";
}

}  // namespace
