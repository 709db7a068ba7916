// The tray menu window and the program's start and end, on the fake.
#include "HopmarkFixture.h"

#include "framework/StdCtrls.h"

#include <algorithm>

namespace hopmark_test {
namespace {

using TrayWindowTest = HopmarkTest;

TEST_F(TrayWindowTest, StartsWithOnlyTheTrayIcon) {
    Start();
    ASSERT_EQ(Fake().trayCalls.size(), 1u);
    EXPECT_EQ(Fake().trayCalls[0].request, platform::TrayRequest::Add);
    EXPECT_EQ(Fake().trayCalls[0].Tip(), "Hopmark");
    EXPECT_NE(Fake().trayCalls[0].data.hIcon, 0u);
    for (auto* window : Fake().Windows()) EXPECT_FALSE(window->visible) << window->text;
    EXPECT_EQ(app->Window().GetLong(-20) & 0x80, 0x80);  // a tool window: no taskbar button
    EXPECT_EQ(app->Title(), "Hopmark");
    EXPECT_EQ(app->MainForm(), Form2);
    EXPECT_EQ(app->HelpFile(), "C:\\Tools\\hopmark.hlp");
    // First run: nothing stored, the defaults.
    EXPECT_TRUE(Keywords().empty());
    EXPECT_EQ(Form1->cbxKanjiList->ItemIndex(), -1);
    EXPECT_EQ(Form1->ulbURL->Caption(), kBase);
    EXPECT_TRUE(Form2->PmRHideAfterJump->Checked());
}

TEST_F(TrayWindowTest, TheWindowsAreAsDesigned) {
    Start();
    EXPECT_EQ(Form1->Caption(), "Hopmark");
    EXPECT_EQ(Form1->ClientWidth(), 299);
    EXPECT_EQ(Form1->ClientHeight(), 87);
    EXPECT_EQ(Form1->BorderStyle(), bsSingle);
    EXPECT_EQ(Form1->BorderIcons(), platform::biSystemMenu);
    EXPECT_EQ(Form1->Font().Name(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(Form1->Font().Height(), -12);
    EXPECT_EQ(Form1->Font().Charset(), SHIFTJIS_CHARSET);
    EXPECT_EQ(Form1->Label1->Caption(), "訪問先は？");
    EXPECT_EQ(Form1->cbxKanjiList->BoundsRect(), (platform::Rect{12, 28, 289, 48}));
    EXPECT_TRUE(Form1->ulbURL->Executable());
    EXPECT_EQ(Form2->Caption(), "hopmark");
    std::vector<std::string> captions;
    for (int i = 0; i < Form2->PmRight->Items().Count(); ++i)
        captions.push_back(Form2->PmRight->Items().Items(i)->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"リスト並び替え", "リンク後にウィンドウを隠す", "-", "ヘルプ",
                                                  "Hopmark について", "-", "終了"}));
}

TEST_F(TrayWindowTest, ALeftPressShowsTheKeywordWindowWithTheFocusOthersDoNot) {
    Start();
    TrayCallback(WM_MBUTTONDOWN);
    EXPECT_FALSE(KeywordWindowShown());
    TrayCallback(WM_LBUTTONDOWN);
    EXPECT_TRUE(KeywordWindowShown());
    EXPECT_EQ(Fake().foregroundCalls.back(), Form1->Handle());
    EXPECT_TRUE(Fake().Window(Combo())->focused);
    int shown = Fake().Window(Form1->Handle())->showCount;
    TrayCallback(WM_LBUTTONDOWN);  // again: to the front again
    EXPECT_GT(Fake().Window(Form1->Handle())->showCount, shown);
}

TEST_F(TrayWindowTest, TheMenuOpensOnARightPressAndItsCommandsWork) {
    Start();
    ChooseFromTrayMenu("リンク後にウィンドウを隠す");
    ASSERT_EQ(Fake().menuCalls.size(), 1u);
    EXPECT_FALSE(KeywordWindowShown());  // the keyword window is left alone
    EXPECT_EQ(Fake().foregroundCalls.back(), Form2->Handle());
    EXPECT_FALSE(Form2->PmRHideAfterJump->Checked());
    ChooseFromTrayMenu("リンク後にウィンドウを隠す");
    EXPECT_TRUE(Form2->PmRHideAfterJump->Checked());

    ChooseFromTrayMenu("ヘルプ");
    ASSERT_EQ(Fake().helpCalls.size(), 1u);
    EXPECT_EQ(Fake().helpCalls[0].file, "C:\\Tools\\hopmark.hlp");
    EXPECT_EQ(Fake().helpCalls[0].context, 2);

    ChooseFromTrayMenu("Hopmark について");
    ASSERT_EQ(Fake().messageDlgs.size(), 1u);
    EXPECT_EQ(Fake().messageDlgs[0].caption, "Hopmark");
    EXPECT_EQ(Fake().messageDlgs[0].text, kAboutText);
    std::string_view about = kAboutText;
    EXPECT_EQ(std::count(about.begin(), about.end(), '\n'), 5);  // six lines

    ChooseFromTrayMenu("リスト並び替え");
    EXPECT_EQ(Fake().dualListCalls.size(), 1u);  // also while the keyword window is hidden
    EXPECT_FALSE(KeywordWindowShown());

    ChooseFromTrayMenu("終了");
    EXPECT_TRUE(app->Terminated());
}

TEST_F(TrayWindowTest, ExitWritesAllFourSettingsAndARestartRestoresThem) {
    Start();
    LeftClickTray();
    Type("東京");
    Press(VK_RETURN);
    LeftClickTray();
    Retype("-memo");
    Press(VK_RETURN);
    Form2->PmRHideAfterJump->SetChecked(false);
    Form1->SetLeft(100);
    Form1->SetTop(120);
    Exit();
    EXPECT_EQ(Settings(),
              "[WINDOW]\r\nMAINFORM.X=100\r\nMAINFORM.Y=120\r\nHIDE_AFTER_JUMP=0\r\n"
              "[LIST]\r\nHOPMARK_LIST.Count=2\r\nHOPMARK_LIST.0=東京\r\nHOPMARK_LIST.1=-memo\r\n"
              "[CONFIG]\r\nLAST_SELECT=-1\r\n");
    Start();
    EXPECT_EQ(Keywords(), (std::vector<std::string>{"東京", "-memo"}));
    EXPECT_FALSE(Form2->PmRHideAfterJump->Checked());  // unchecked stays unchecked
    EXPECT_EQ(Form1->Left(), 100);
    EXPECT_EQ(Form1->Top(), 120);
}

TEST_F(TrayWindowTest, TheStoredSelectionPutsItsAddressOnTheLabel) {
    const struct {
        const char* lastSelect;
        int selected;
        std::string caption;
    } rows[] = {
        {"1", 1, std::string(kBase) + "-memo"},  // neither trimmed nor tested for "-"
        {"0", 0, std::string(kBase) + "東京"},
        {"2", -1, kBase},  // the number of items: nothing
        {"-1", -1, kBase},
    };
    for (const auto& row : rows) {
        Exit();
        Fake().files[kSettings] = std::string("[LIST]\r\nHOPMARK_LIST.Count=2\r\nHOPMARK_LIST.0=東京\r\n") +
                                  "HOPMARK_LIST.1=-memo\r\n[CONFIG]\r\nLAST_SELECT=" + row.lastSelect + "\r\n";
        Start();
        EXPECT_EQ(Form1->cbxKanjiList->ItemIndex(), row.selected) << row.lastSelect;
        EXPECT_EQ(Form1->ulbURL->Caption(), row.caption) << row.lastSelect;
        EXPECT_TRUE(Launched().empty()) << "loading never jumps";
    }
}

TEST_F(TrayWindowTest, AShorterListLeavesTheOldItemsInTheFileUnread) {
    Fake().files[kSettings] = "[LIST]\r\nHOPMARK_LIST.Count=3\r\nHOPMARK_LIST.0=a\r\nHOPMARK_LIST.1=b\r\nHOPMARK_LIST.2=c\r\n";
    Start();
    Form1->cbxKanjiList->Items() = TStringList{"b"};
    Restart();
    EXPECT_EQ(Keywords(), (std::vector<std::string>{"b"}));
    EXPECT_NE(Settings().find("HOPMARK_LIST.2=c"), std::string::npos);
}

TEST_F(TrayWindowTest, TheEndOfTheSessionSavesLikeExit) {
    Start();
    Form1->cbxKanjiList->Items().Add("東京");
    Fake().Deliver(app->Handle(), WM_ENDSESSION, 1, 0);
    EXPECT_NE(Settings().find("HOPMARK_LIST.0=東京"), std::string::npos);
}

TEST_F(TrayWindowTest, ASecondStartEndsAtOnceWithoutATrace) {
    Fake().takenNames.insert("hVeltHopmarkInst");  // a running instance holds the name
    EXPECT_EQ(RunHopmark(), 0);
    EXPECT_TRUE(Fake().trayCalls.empty());
    EXPECT_TRUE(Fake().Windows().empty());
    EXPECT_TRUE(Fake().files.empty());
}

TEST_F(TrayWindowTest, ARunEndsWithExitAndFreesTheName) {
    Fake().menuChoices = {6};  // 終了
    // The icon's callback window exists only once the program runs: the
    // user's right press comes at the loop's first idle moment.
    Fake().onIdle = [] {
        const auto& added = Fake().trayCalls.front().data;
        Fake().Post(added.hWnd, added.uCallbackMessage, added.uID, WM_RBUTTONDOWN);
        Fake().onIdle = nullptr;
    };
    EXPECT_EQ(RunHopmark(), 0);
    EXPECT_TRUE(Fake().takenNames.empty());
    EXPECT_FALSE(Settings().empty());
    ASSERT_FALSE(Fake().trayCalls.empty());
    EXPECT_EQ(Fake().trayCalls.back().request, platform::TrayRequest::Delete);
}

}  // namespace
}  // namespace hopmark_test
