// The callback window on the real message loop: posted callbacks reach the
// icon they name, a left click becomes OnClick once the real wait is over,
// and a right press opens the real popup menu, whose chosen item runs.
#include "win32/TrayIconWine.h"

#include <atomic>
#include <thread>

namespace trayicon_wine {
namespace {

using TrayIconLoop = TrayIconWine;

std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

TEST_F(TrayIconLoop, APostedCallbackReachesTheIconItNames) {
    TTrayIcon* first = ShownIcon();
    TTrayIcon* second = ShownIcon();
    for (auto [icon, tag] : {std::pair{first, "first "}, std::pair{second, "second "}}) {
        std::string name = tag;
        icon->OnMouseDown = [this, name, icon](TObject* sender, TMouseButton button, TShiftState, int x, int y) {
            Log(name + "down " + std::to_string(button) + " at " + At(x, y) + (sender == icon ? "" : " (wrong sender)"));
        };
        icon->OnMouseUp = [this, name](TObject*, TMouseButton button, TShiftState, int, int) {
            Log(name + "up " + std::to_string(button));
        };
        icon->OnMouseMove = [this, name](TObject*, TShiftState, int, int) { Log(name + "move"); };
    }
    ASSERT_TRUE(SetCursorPos(123, 45));
    POINT cursor{};
    GetCursorPos(&cursor);
    Post(*second, WM_LBUTTONDOWN);
    Post(*second, WM_RBUTTONUP);
    Post(*first, WM_MOUSEMOVE);
    ASSERT_TRUE(PumpUntil([&] { return journal.size() >= 3; }));
    EXPECT_EQ(journal, (std::vector<std::string>{"second down 0 at " + At(cursor.x, cursor.y), "second up 1",
                                                 "first move"}));
    EXPECT_EQ(CallbackWindow()->CurrentIcon(), first);
}

TEST_F(TrayIconLoop, ALeftClickClicksOnceTheRealWaitIsOver) {
    TTrayIcon* icon = ShownIcon();
    int clicks = 0;
    icon->OnClick = [&](TObject*) { ++clicks; };
    Post(*icon, WM_LBUTTONDOWN);
    Post(*icon, WM_LBUTTONUP);
    ASSERT_TRUE(PumpUntil([&] { return icon->ClickPending(); }));  // the wait runs
    EXPECT_EQ(clicks, 0);
    ASSERT_TRUE(PumpUntil([&] { return clicks > 0; }));
    EXPECT_FALSE(icon->ClickPending());
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIconLoop, ADoubleClickOnTheRealLoopNeverClicks) {
    TTrayIcon* icon = ShownIcon();
    int clicks = 0, doubles = 0;
    icon->OnClick = [&](TObject*) { ++clicks; };
    icon->OnDblClick = [&](TObject*) { ++doubles; };
    for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Post(*icon, mouse);
    ASSERT_TRUE(PumpUntil([&] { return doubles > 0; }));
    // Past the end of the wait the first button-up started.
    PumpUntil([] { return false; }, GetDoubleClickTime() + 500);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(icon->ClickPending());
}

// Plays the user at the open menu: Down selects its first item, Return runs
// it. If the menu never opens or does not close, it is cancelled so that
// the test fails instead of hanging.
class MenuUser {
public:
    MenuUser() : thread_([this] { Run(); }) {}
    ~MenuUser() { thread_.join(); }
    bool SawMenu() const { return sawMenu_; }
    bool HadToCancel() const { return cancelled_; }

private:
    static HWND OpenMenu() {
        HWND menu = FindWindowA("#32768", nullptr);
        return menu && IsWindowVisible(menu) ? menu : nullptr;
    }
    void Run() {
        HWND menu = nullptr;
        for (int i = 0; i < 500 && !menu; ++i, Sleep(10)) menu = OpenMenu();
        sawMenu_ = menu != nullptr;
        if (!menu) return;
        for (BYTE key : {BYTE{VK_DOWN}, BYTE{VK_RETURN}}) {
            keybd_event(key, 0, 0, 0);
            keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
        }
        for (int i = 0; i < 300 && OpenMenu(); ++i) Sleep(10);
        if (OpenMenu()) {
            cancelled_ = true;
            PostMessageA(GetWindow(menu, GW_OWNER), WM_CANCELMODE, 0, 0);
            PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        }
    }
    std::atomic<bool> sawMenu_{false};
    std::atomic<bool> cancelled_{false};
    std::thread thread_;
};

TEST_F(TrayIconLoop, ARightPressOpensTheRealMenuAndItsChosenItemRuns) {
    TTrayIcon* icon = ShownIcon();
    auto* menu = TComponent::Create<TPopupMenu>(form);
    for (const char* caption : {"最初の項目", "二番目"}) {
        auto* item = TComponent::Create<TMenuItem>(form);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TObject*) { Log(std::string("chose ") + caption); };
        menu->Items().Add(item);
    }
    icon->SetRBPopupMenu(menu);
    icon->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Log("down"); };
    {
        MenuUser user;
        Post(*icon, WM_RBUTTONDOWN);
        PumpUntil([&] { return !journal.empty(); });
        EXPECT_TRUE(user.SawMenu());
        EXPECT_FALSE(user.HadToCancel());
    }
    EXPECT_EQ(journal, (std::vector<std::string>{"chose 最初の項目"}));
}

}  // namespace
}  // namespace trayicon_wine
