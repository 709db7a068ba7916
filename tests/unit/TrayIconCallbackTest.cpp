// The callback window: finding the icon a callback is for, the table from
// reported mouse message to events and menus, and the menu procedure.
#include "unit/TrayIconFixture.h"

namespace trayicon_test {
namespace {

// What an icon has besides its journal-writing events.
enum Setting : unsigned {
    kLeftMenu = 1,     // LBPopupMenu "L"
    kRightMenu = 2,    // RBPopupMenu "R"
    kNoAutoPopup = 4,  // AutoPopup False
    kNoMouseUp = 8,    // OnMouseUp not set
    kOnClick = 16,     // OnClick set (otherwise not)
};

struct DispatchRow {
    const char* name;
    std::intptr_t lParam;
    unsigned settings;
    std::vector<std::string> expected;  // events, then the menu procedure's calls
    bool pendingAfter = false;
};

std::ostream& operator<<(std::ostream& out, const DispatchRow& row) { return out << row.name; }

class TrayCallbackDispatch : public TrayIconTest, public testing::WithParamInterface<DispatchRow> {};

TEST_P(TrayCallbackDispatch, RaisesTheEventsOfItsRow) {
    const DispatchRow& row = GetParam();
    TTrayIcon* icon = NewIcon();
    Record(icon);
    icon->OnClick = nullptr;
    if (row.settings & kOnClick) icon->OnClick = [this](TObject*) { Log("click"); };
    if (row.settings & kNoMouseUp) icon->OnMouseUp = nullptr;
    if (row.settings & kLeftMenu) icon->SetLBPopupMenu(MenuWith("L"));
    if (row.settings & kRightMenu) icon->SetRBPopupMenu(MenuWith("R"));
    icon->SetAutoPopup(!(row.settings & kNoAutoPopup));
    os.cursorPos = {30, 40};
    os.menuChoices = {0};

    Callback(icon, row.lParam);

    for (platform::Handle window : os.foregroundCalls)
        Log(window == form->Handle() ? "foreground form" : "foreground another window");
    for (const auto& menu : os.menuCalls) Log("menu at " + Point(menu.at.x, menu.at.y));
    EXPECT_EQ(journal, row.expected);
    EXPECT_EQ(icon->ClickPending(), row.pendingAfter);
    EXPECT_EQ(CallbackWindow()->CurrentIcon(), icon);
}

const std::vector<std::string> kNothing;
const std::vector<std::string> kLeftMenuOpens{"chose L", "foreground form", "menu at 30,40"};
const std::vector<std::string> kRightMenuOpens{"chose R", "foreground form", "menu at 30,40"};

INSTANTIATE_TEST_SUITE_P(
    Table, TrayCallbackDispatch,
    testing::Values(
        DispatchRow{"MoveCarriesNoShiftState", 0x200, 0, {"move [] 30,40"}},
        DispatchRow{"LeftDown", 0x201, 0, {"down mbLeft [ssLeft] 30,40"}},
        DispatchRow{"LeftDownOpensTheLeftMenu", 0x201, kLeftMenu | kRightMenu, kLeftMenuOpens},
        DispatchRow{"LeftDownWithoutAutoPopup", 0x201, kLeftMenu | kNoAutoPopup, {"down mbLeft [ssLeft] 30,40"}},
        DispatchRow{"LeftDownIgnoresTheRightMenu", 0x201, kRightMenu, {"down mbLeft [ssLeft] 30,40"}},
        DispatchRow{"LeftUpWithMouseUp", 0x202, 0, {"up mbLeft [ssLeft] 30,40"}},
        DispatchRow{"LeftUpWithMouseUpNeverClicks", 0x202, kOnClick, {"up mbLeft [ssLeft] 30,40"}},
        DispatchRow{"LeftUpWithoutMouseUpOrClick", 0x202, kNoMouseUp, kNothing},
        DispatchRow{"LeftDoubleClick", 0x203, kLeftMenu, {"dblclick"}, true},
        DispatchRow{"RightDown", 0x204, 0, {"down mbRight [ssRight] 30,40"}},
        DispatchRow{"RightDownOpensTheRightMenu", 0x204, kLeftMenu | kRightMenu, kRightMenuOpens},
        DispatchRow{"RightDownWithoutAutoPopup", 0x204, kRightMenu | kNoAutoPopup, {"down mbRight [ssRight] 30,40"}},
        DispatchRow{"RightDownIgnoresTheLeftMenu", 0x204, kLeftMenu, {"down mbRight [ssRight] 30,40"}},
        DispatchRow{"RightUp", 0x205, kRightMenu, {"up mbRight [ssRight] 30,40"}},
        DispatchRow{"RightDoubleClick", 0x206, kRightMenu, kNothing},
        DispatchRow{"MiddleDownNeverOpensAMenu", 0x207, kLeftMenu | kRightMenu, {"down mbMiddle [ssMiddle] 30,40"}},
        DispatchRow{"MiddleUp", 0x208, 0, {"up mbMiddle [ssMiddle] 30,40"}},
        DispatchRow{"MiddleDoubleClick", 0x209, kLeftMenu | kRightMenu, kNothing},
        DispatchRow{"Wheel", 0x20A, kLeftMenu | kRightMenu, kNothing},
        DispatchRow{"BelowTheTable", 0x1FF, kLeftMenu | kRightMenu, kNothing},
        DispatchRow{"Zero", 0, kLeftMenu | kRightMenu, kNothing}),
    [](const testing::TestParamInfo<DispatchRow>& info) { return std::string(info.param.name); });

TEST_F(TrayIconTest, ACallbackReachesTheIconOfItsIdentifierOnly) {
    TTrayIcon* first = NewIcon();
    TTrayIcon* second = NewIcon();
    Record(first, "first ");
    Record(second, "second ");
    TObject* sender = nullptr;
    second->OnMouseDown = [&](TObject* s, TMouseButton, TShiftState, int, int) {
        sender = s;
        Log("second down");
    };
    Callback(second, WM_LBUTTONDOWN);
    EXPECT_EQ(sender, second);
    EXPECT_EQ(CallbackWindow()->CurrentIcon(), second);
    Callback(first, WM_MOUSEMOVE);
    EXPECT_EQ(CallbackWindow()->CurrentIcon(), first);
    EXPECT_EQ(journal, (std::vector<std::string>{"second down", "first move [] 0,0"}));
}

TEST_F(TrayIconTest, ACallbackForNoLiveIconChangesNothing) {
    TTrayIcon* icon = NewIcon();
    TTrayIcon* gone = NewIcon();
    std::uintptr_t goneID = static_cast<std::uintptr_t>(gone->IconID());
    TComponent::Free(gone);
    Record(icon);
    Callback(icon, WM_MOUSEMOVE);
    journal.clear();
    for (std::uintptr_t id : {goneID, std::uintptr_t{0}, std::uintptr_t{99}}) {
        SCOPED_TRACE(id);
        CallbackFor(id, WM_LBUTTONDOWN);
        CallbackFor(id, WM_LBUTTONDBLCLK);
        EXPECT_EQ(CallbackWindow()->CurrentIcon(), icon);
    }
    EXPECT_TRUE(journal.empty());
    EXPECT_FALSE(icon->ClickPending());
}

TEST_F(TrayIconTest, ADisabledIconRaisesNothingOpensNothingAndKeepsItsPendingClick) {
    TTrayIcon* icon = NewIcon();
    Record(icon);
    icon->SetLBPopupMenu(MenuWith("L"));
    icon->SetRBPopupMenu(MenuWith("R"));
    icon->SetEnabled(false);
    for (bool pending : {false, true}) {
        icon->SetClickPending(pending);
        for (std::intptr_t mouse = 0x200; mouse <= 0x209; ++mouse) {
            SCOPED_TRACE(MessageName(static_cast<std::uint32_t>(mouse)));
            Callback(icon, mouse);
            EXPECT_EQ(icon->ClickPending(), pending);
        }
    }
    icon->OnMouseUp = nullptr;  // a left button-up would take the click step
    Callback(icon, WM_LBUTTONUP);
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(os.menuCalls.empty());
    EXPECT_TRUE(os.foregroundCalls.empty());
    EXPECT_TRUE(icon->ClickPending());
    EXPECT_EQ(CallbackWindow()->CurrentIcon(), icon);  // set before the icon is asked
}

TEST_F(TrayIconTest, TheMenuOpensAfterTheFormIsInFrontAndWaitingMessagesHaveRun) {
    TTrayIcon* icon = NewIcon();
    icon->SetRBPopupMenu(MenuWith("R"));
    // The button-up of the same press is already waiting when the menu is asked for.
    icon->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
        Log("up with " + std::to_string(os.foregroundCalls.size()) + " foreground, " +
            std::to_string(os.menuCalls.size()) + " menus");
    };
    os.Post(CallbackWindow()->Handle(), TrayCallbackMessage, static_cast<std::uintptr_t>(icon->IconID()),
            WM_RBUTTONUP);
    os.cursorPos = {500, 600};
    os.menuChoices = {0};
    Callback(icon, WM_RBUTTONDOWN);
    EXPECT_EQ(journal, (std::vector<std::string>{"up with 1 foreground, 0 menus", "chose R"}));
    ASSERT_EQ(os.foregroundCalls, (std::vector<platform::Handle>{form->Handle()}));
    ASSERT_EQ(os.menuCalls.size(), 1u);
    EXPECT_EQ(os.menuCalls[0].at, (platform::Point{500, 600}));
    EXPECT_EQ(os.menuCalls[0].owner, form->Handle());
}

TEST_F(TrayIconTest, AnIconNotOwnedByAFormOpensItsMenuWithoutTheForegroundStep) {
    NewIcon();  // the callback window goes on the form
    auto* panel = TComponent::Create<TWinControl>(form);
    TTrayIcon* icon = NewIcon(panel);
    icon->SetRBPopupMenu(MenuWith("R"));
    icon->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { Log("up"); };
    os.Post(CallbackWindow()->Handle(), TrayCallbackMessage, static_cast<std::uintptr_t>(icon->IconID()),
            WM_RBUTTONUP);
    os.menuChoices = {0};
    Callback(icon, WM_RBUTTONDOWN);
    EXPECT_TRUE(os.foregroundCalls.empty());
    EXPECT_EQ(journal, (std::vector<std::string>{"chose R"}));  // the waiting button-up has not run
    app.ProcessMessages();
    EXPECT_EQ(journal, (std::vector<std::string>{"chose R", "up"}));
}

TEST_F(TrayIconTest, ARefusedForegroundStillOpensTheMenu) {
    TTrayIcon* icon = NewIcon();
    icon->SetLBPopupMenu(MenuWith("L"));
    os.foregroundAnswer = false;
    os.menuChoices = {0};
    Callback(icon, WM_LBUTTONDOWN);
    EXPECT_EQ(journal, (std::vector<std::string>{"chose L"}));
}

TEST_F(TrayIconTest, WhatRunsBeforeTheMenuMayFreeTheIconOrItsMenu) {
    for (bool freeIcon : {true, false}) {
        SCOPED_TRACE(freeIcon ? "the icon is freed" : "the menu is freed");
        os.menuCalls.clear();
        TTrayIcon* icon = NewIcon();
        TPopupMenu* menu = MenuWith("R");
        icon->SetRBPopupMenu(menu);
        icon->OnMouseUp = [icon, menu, freeIcon](TObject*, TMouseButton, TShiftState, int, int) {
            TComponent::Free(freeIcon ? static_cast<TComponent*>(icon) : menu);
        };
        os.Post(CallbackWindow()->Handle(), TrayCallbackMessage, static_cast<std::uintptr_t>(icon->IconID()),
                WM_RBUTTONUP);
        Callback(icon, WM_RBUTTONDOWN);
        EXPECT_TRUE(os.menuCalls.empty());
        if (!freeIcon) TComponent::Free(icon);
    }
}

}  // namespace
}  // namespace trayicon_test
