// The two-list dialog on the real system: a user on another thread works the
// real controls (clicks, double-clicks, drags, buttons, keys, the close box)
// while Execute runs its modal loop, and the lists come back as moved on OK
// and untouched otherwise.
#include "framework/Application.h"
#include "framework/DualListDialog.h"
#include "framework/Forms.h"
#include "framework/Strings.h"
#include "framework/Synchronize.h"

#include "DualListDialogUser.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace duallist_wine {
namespace {

constexpr const char* kCaption = "並び替えテスト";
const Items kKeywords = {"東京", "大阪", "名古屋", "札幌"};

class DualListDialogWine : public testing::Test {
protected:
    void SetUp() override {
        dialog = TComponent::Create<TDualListDialog>(&app);
        dialog->SetTitle(kCaption);
        dialog->SetLabel1Caption("現在の内容");
        dialog->SetLabel2Caption("新しい順番");
        Fill(dialog->List1(), kKeywords);
    }

    static void Fill(TStrings& list, const Items& items) {
        list.Clear();
        for (const auto& item : items) list.Add(item);
    }
    Items List1() const { return dialog->List1().ToVector(); }
    Items List2() const { return dialog->List2().ToVector(); }

    // Execute, with the user playing the steps meanwhile.
    bool Run(std::function<void(OpenDialog&)> steps) {
        User user(kCaption, std::move(steps));
        return dialog->Execute();
    }

    TApplication app;
    TDualListDialog* dialog = nullptr;
};

TEST_F(DualListDialogWine, SelectMoveRightThenOkWritesBothListsBack) {
    bool ok = Run([](OpenDialog& d) {
        EXPECT_EQ(OpenDialog::ItemsOf(d.Left()), kKeywords);
        EXPECT_FALSE(d.Enabled(">"));  // nothing selected yet
        OpenDialog::Click(d.Left(), 2);
        EXPECT_EQ(OpenDialog::SelectionOf(d.Left()), std::vector<int>{2});
        EXPECT_TRUE(d.Enabled(">"));
        d.Press(">");
        EXPECT_EQ(OpenDialog::ItemsOf(d.Right()), Items{"名古屋"});
        OpenDialog::Click(d.Left(), 0);
        d.Press(">");
        EXPECT_EQ(OpenDialog::ItemsOf(d.Left()), (Items{"大阪", "札幌"}));
        EXPECT_EQ(OpenDialog::ItemsOf(d.Right()), (Items{"名古屋", "東京"}));
        d.Press("OK");
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(List1(), (Items{"大阪", "札幌"}));
    EXPECT_EQ(List2(), (Items{"名古屋", "東京"}));
}

TEST_F(DualListDialogWine, CancelEscAndTheCloseBoxLeaveBothListsAsTheyWere) {
    struct Case {
        const char* what;
        std::function<void(OpenDialog&)> close;
    };
    const Case cases[] = {
        {"Cancel", [](OpenDialog& d) { d.Press("キャンセル"); }},
        {"Esc in a list", [](OpenDialog& d) { OpenDialog::PostKey(d.Left(), VK_ESCAPE); }},
        {"the close box", [](OpenDialog& d) { PostMessageA(d.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        Fill(dialog->List2(), {"神戸"});
        bool ok = Run([&](OpenDialog& d) {
            d.Press(">>");
            EXPECT_EQ(OpenDialog::ItemsOf(d.Right()).size(), 5u);
            tc.close(d);
        });
        EXPECT_FALSE(ok);
        EXPECT_EQ(List1(), kKeywords);
        EXPECT_EQ(List2(), Items{"神戸"});
    }
}

TEST_F(DualListDialogWine, EnterIsOk) {
    bool ok = Run([](OpenDialog& d) {
        OpenDialog::Click(d.Left(), 1);
        d.Press(">");
        OpenDialog::PostKey(d.Right(), VK_RETURN);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(List2(), Items{"大阪"});
}

TEST_F(DualListDialogWine, ADoubleClickMovesThatItem) {
    bool ok = Run([](OpenDialog& d) {
        OpenDialog::DoubleClick(d.Left(), 3);
        OpenDialog::DoubleClick(d.Left(), 0);
        EXPECT_EQ(OpenDialog::ItemsOf(d.Right()), (Items{"札幌", "東京"}));
        OpenDialog::DoubleClick(d.Right(), 0);
        d.Press("OK");
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(List1(), (Items{"大阪", "名古屋", "札幌"}));
    EXPECT_EQ(List2(), Items{"東京"});
}

TEST_F(DualListDialogWine, ShiftAndCtrlClicksSelectAsInEveryListBox) {
    bool ok = Run([](OpenDialog& d) {
        HWND left = d.Left();
        RealClick(left, OpenDialog::ItemCentre(left, 0));
        RealClick(left, OpenDialog::ItemCentre(left, 2), VK_SHIFT);
        EXPECT_TRUE(WaitUntil([&] { return OpenDialog::SelectionOf(left) == std::vector<int>{0, 1, 2}; }));
        RealClick(left, OpenDialog::ItemCentre(left, 1), VK_CONTROL);
        EXPECT_TRUE(WaitUntil([&] { return OpenDialog::SelectionOf(left) == std::vector<int>{0, 2}; }));
        d.Press(">");
        d.Press("OK");
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(List1(), (Items{"大阪", "札幌"}));
    EXPECT_EQ(List2(), (Items{"東京", "名古屋"}));
}

TEST_F(DualListDialogWine, DraggingOntoTheOtherListAppendsWithinAListMoves) {
    Fill(dialog->List2(), {"神戸", "京都"});
    bool ok = Run([](OpenDialog& d) {
        // Onto the top of the right list: appended all the same.
        OpenDialog::Drag(d.Left(), 1, d.Right(), OpenDialog::ItemCentre(d.Right(), 0));
        EXPECT_EQ(OpenDialog::ItemsOf(d.Left()), (Items{"東京", "名古屋", "札幌"}));
        EXPECT_EQ(OpenDialog::ItemsOf(d.Right()), (Items{"神戸", "京都", "大阪"}));
        // Within the left list: the first item dropped on the upper half of the last.
        POINT onLast = OpenDialog::ItemCentre(d.Left(), 2);
        onLast.y -= 2;
        OpenDialog::Drag(d.Left(), 0, d.Left(), onLast);
        EXPECT_EQ(OpenDialog::ItemsOf(d.Left()), (Items{"名古屋", "東京", "札幌"}));
        EXPECT_EQ(OpenDialog::SelectionOf(d.Left()), std::vector<int>{1});
        d.Press("OK");
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(List1(), (Items{"名古屋", "東京", "札幌"}));
    EXPECT_EQ(List2(), (Items{"神戸", "京都", "大阪"}));
}

TEST_F(DualListDialogWine, AClickOnASelectedItemKeepsTheSelectionForADragAndThenTakesItAlone) {
    bool ok = Run([](OpenDialog& d) {
        OpenDialog::Click(d.Left(), 0);
        SendMessageA(d.Left(), LB_SETSEL, TRUE, 1);  // as a Shift-click does, reported as it reports
        SendMessageA(d.Window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(d.Left()), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(d.Left()));
        OpenDialog::Drag(d.Left(), 1, d.Right(), {5, 5});
        EXPECT_EQ(OpenDialog::ItemsOf(d.Right()), (Items{"東京", "大阪"}));
        EXPECT_EQ(OpenDialog::SelectionOf(d.Right()), (std::vector<int>{0, 1}));
        OpenDialog::Click(d.Right(), 1);  // a plain click on a selected one
        EXPECT_EQ(OpenDialog::SelectionOf(d.Right()), std::vector<int>{1});
        d.Press("OK");
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(List2(), (Items{"東京", "大阪"}));
}

TEST_F(DualListDialogWine, TheButtonsAreEnabledAsTheyCanAct) {
    bool ok = Run([](OpenDialog& d) {
        EXPECT_FALSE(d.Enabled(">"));
        EXPECT_TRUE(d.Enabled(">>"));
        EXPECT_FALSE(d.Enabled("<"));
        EXPECT_FALSE(d.Enabled("<<"));
        d.Press(">>");
        EXPECT_FALSE(d.Enabled(">"));
        EXPECT_FALSE(d.Enabled(">>"));
        EXPECT_TRUE(d.Enabled("<"));  // the moved items are selected on the right
        EXPECT_TRUE(d.Enabled("<<"));
        d.Press("<");
        EXPECT_EQ(OpenDialog::ItemsOf(d.Left()), kKeywords);
        d.Press("キャンセル");
    });
    EXPECT_FALSE(ok);
}

TEST_F(DualListDialogWine, RealClicksAndKeysWorkTheDialog) {
    bool ok = Run([](OpenDialog& d) {
        HWND left = d.Left();
        RealClick(left, OpenDialog::ItemCentre(left, 1));
        EXPECT_TRUE(WaitUntil([&] { return OpenDialog::SelectionOf(left) == std::vector<int>{1}; }));
        RealClick(d.Button(">"), {10, 10});
        EXPECT_TRUE(WaitUntil([&] { return OpenDialog::ItemsOf(d.Right()) == Items{"大阪"}; }));
        RealClick(left, OpenDialog::ItemCentre(left, 2));  // 札幌, now third
        EXPECT_TRUE(WaitUntil([&] { return d.Focus() == left; }));
        RealKeys({{VK_CONTROL, true}, {VK_UP, true}, {VK_UP, false}, {VK_CONTROL, false}});
        EXPECT_TRUE(WaitUntil([&] { return OpenDialog::ItemsOf(left) == Items{"東京", "札幌", "名古屋"}; }));
        RealKeys({{VK_TAB, true}, {VK_TAB, false}});
        EXPECT_TRUE(WaitUntil([&] { return d.Focus() == d.Button(">"); }));
        RealClick(d.Button("OK"), {10, 10});
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(List1(), (Items{"東京", "札幌", "名古屋"}));
    EXPECT_EQ(List2(), Items{"大阪"});
}

TEST_F(DualListDialogWine, RealDragsMoveWithinAListAndOntoTheOther) {
    bool ok = Run([](OpenDialog& d) {
        HWND left = d.Left(), right = d.Right();
        // 東京 onto the lower half of 名古屋: it goes after it.
        POINT lowerHalf = OpenDialog::ItemCentre(left, 2);
        lowerHalf.y += 3;
        RealDrag(left, OpenDialog::ItemCentre(left, 0), left, lowerHalf);
        EXPECT_TRUE(WaitUntil([&] { return OpenDialog::ItemsOf(left) == Items{"大阪", "名古屋", "東京", "札幌"}; }));
        RealDrag(left, OpenDialog::ItemCentre(left, 3), right, {20, 100});
        EXPECT_TRUE(WaitUntil([&] { return OpenDialog::ItemsOf(right) == Items{"札幌"}; }));
        RealDrag(left, OpenDialog::ItemCentre(left, 0), right, {20, 3});
        EXPECT_TRUE(WaitUntil([&] { return OpenDialog::ItemsOf(right) == Items{"札幌", "大阪"}; }));
        // Let go outside both lists: nothing moves.
        RealDrag(left, OpenDialog::ItemCentre(left, 0), d.Window(), {10, 260});
        Sleep(200);
        EXPECT_EQ(OpenDialog::ItemsOf(left), (Items{"名古屋", "東京"}));
        d.Press("OK");
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(List1(), (Items{"名古屋", "東京"}));
    EXPECT_EQ(List2(), (Items{"札幌", "大阪"}));
}

TEST_F(DualListDialogWine, ItShowsItsTextsInTheProgramsFontAndComesToTheFront) {
    bool ok = Run([](OpenDialog& d) {
        char title[64]{};
        GetWindowTextA(d.Window(), title, sizeof title);
        EXPECT_STREQ(title, kCaption);
        EXPECT_EQ(GetForegroundWindow(), d.Window());
        EXPECT_NE(FindWindowExA(d.Window(), nullptr, "Static", "現在の内容"), nullptr);
        EXPECT_NE(FindWindowExA(d.Window(), nullptr, "Static", "新しい順番"), nullptr);
        for (const char* caption : {">", ">>", "<", "<<", "OK", "キャンセル", "ヘルプ(&H)"})
            EXPECT_NE(d.Button(caption), nullptr) << caption;
        EXPECT_TRUE(GetWindowLongA(d.Button("OK"), GWL_STYLE) & BS_DEFPUSHBUTTON);

        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(d.Left(), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, "ＭＳ Ｐゴシック");
        EXPECT_EQ(font.lfHeight, -12);
        EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);

        RECT left{}, right{}, ok{};
        GetWindowRect(d.Left(), &left);
        GetWindowRect(d.Right(), &right);
        GetWindowRect(d.Button("OK"), &ok);
        EXPECT_LT(left.right, right.left);
        EXPECT_GT(ok.top, left.bottom);
        EXPECT_GE(left.right - left.left, 160);
        EXPECT_GE(left.bottom - left.top, 200);
        d.Press("キャンセル");
    });
    EXPECT_FALSE(ok);
}

TEST_F(DualListDialogWine, ItIsModalToItsOwnerFormAndCentredOverIt) {
    auto* form = TComponent::Create<TForm>(&app);
    form->SetClientWidth(299);
    form->SetClientHeight(87);
    form->SetLeft(300);
    form->SetTop(300);
    form->Show();
    auto* owned = TComponent::Create<TDualListDialog>(form);
    owned->SetTitle(kCaption);
    HWND owner = reinterpret_cast<HWND>(form->Handle());

    User user(kCaption, [&](OpenDialog& d) {
        EXPECT_EQ(GetWindow(d.Window(), GW_OWNER), owner);
        EXPECT_FALSE(IsWindowEnabled(owner));
        RECT o{}, r{};
        GetWindowRect(owner, &o);
        GetWindowRect(d.Window(), &r);
        EXPECT_NEAR((r.left + r.right) / 2, (o.left + o.right) / 2, 2);
        EXPECT_NEAR((r.top + r.bottom) / 2, (o.top + o.bottom) / 2, 2);
        d.Press("キャンセル");
    });
    EXPECT_FALSE(owned->Execute());
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(DualListDialogWine, WorkHandedToTheGuiThreadRunsWhileTheDialogIsOpen) {
    std::atomic<bool> ranOnGui{false};
    bool ok = Run([&](OpenDialog& d) {
        Synchronize([&] { ranOnGui = IsGuiThread(); });  // returns once the dialog's loop ran it
        EXPECT_TRUE(ranOnGui);
        d.Press("OK");
    });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(ranOnGui);
}

TEST_F(DualListDialogWine, AQuitInsideEndsTheDialogAsCancelAndIsPostedAgain) {
    DWORD gui = GetCurrentThreadId();
    bool ok = Run([&](OpenDialog& d) {
        d.Press(">>");
        PostThreadMessageA(gui, WM_QUIT, 7, 0);
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(List1(), kKeywords);
    EXPECT_EQ(List2(), Items{});
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
}  // namespace duallist_wine
