// Telling a single left click from a double click: the wait on a worker,
// the pending flag, and waits that end after their icon, their window or
// the program have gone.
#include "unit/TrayIconFixture.h"

#include <algorithm>
#include <cstdlib>

#include <unistd.h>

namespace trayicon_test {
namespace {

class TrayIconClickTest : public TrayIconTest {
protected:
    // An icon that clicks: every event but OnMouseUp, which would take the
    // place of the click step.
    TTrayIcon* ClickingIcon(TComponent* owner = nullptr) {
        TTrayIcon* icon = NewIcon(owner);
        Record(icon);
        icon->OnMouseUp = nullptr;
        return icon;
    }

    void Click(TTrayIcon* icon) {
        Callback(icon, WM_LBUTTONDOWN);
        Callback(icon, WM_LBUTTONUP);
    }

    // Runs the ends of the waits once `started` of them in all have asked for
    // the GUI thread.
    void FinishWaits(unsigned started) {
        ASSERT_TRUE(os.WaitForWakes(started, 5000)) << "the waits did not end";
        app.ProcessMessages();
    }

    // Until `count` waits have asked to sleep (they run on their own threads).
    void AwaitSleeps(std::size_t count) {
        for (int i = 0; i < 5000 && os.Sleeps().size() < count; ++i) usleep(1000);
        ASSERT_EQ(os.Sleeps().size(), count);
    }
};

TEST_F(TrayIconClickTest, ASingleClickClicksOnceTheDoubleClickIntervalIsOver) {
    TTrayIcon* icon = ClickingIcon();
    os.doubleClickTime = 500;
    os.HoldSleeps();
    Click(icon);  // returns at once: the GUI thread does not wait
    EXPECT_TRUE(icon->ClickPending());
    AwaitSleeps(1);
    EXPECT_EQ(os.Sleeps(), (std::vector<unsigned>{550}));
    app.ProcessMessages();
    EXPECT_EQ(journal, (std::vector<std::string>{"down mbLeft [ssLeft] 0,0"}));
    os.ReleaseSleeps();
    FinishWaits(1);
    EXPECT_EQ(journal, (std::vector<std::string>{"down mbLeft [ssLeft] 0,0", "click"}));
    EXPECT_FALSE(icon->ClickPending());
}

TEST_F(TrayIconClickTest, TheIntervalIsReadAgainForEveryWait) {
    TTrayIcon* icon = ClickingIcon();
    os.doubleClickTime = 500;
    Click(icon);
    FinishWaits(1);
    os.doubleClickTime = 200;
    Click(icon);
    FinishWaits(2);
    EXPECT_EQ(os.Sleeps(), (std::vector<unsigned>{550, 250}));
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "click"), 2);
}

TEST_F(TrayIconClickTest, ADoubleClickRaisesDblClickAndNoClick) {
    TTrayIcon* icon = ClickingIcon();
    Click(icon);
    Callback(icon, WM_LBUTTONDBLCLK);
    Callback(icon, WM_LBUTTONUP);
    FinishWaits(1);
    EXPECT_EQ(journal, (std::vector<std::string>{"down mbLeft [ssLeft] 0,0", "dblclick"}));
    EXPECT_FALSE(icon->ClickPending());
    EXPECT_EQ(os.Sleeps().size(), 1u);  // the second button-up started no wait
}

TEST_F(TrayIconClickTest, ADoubleClickWithoutClickOrMouseUpHandlersStartsNoWait) {
    TTrayIcon* icon = ClickingIcon();
    icon->OnClick = nullptr;
    Click(icon);
    Callback(icon, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(icon->ClickPending());
    Callback(icon, WM_LBUTTONUP);
    EXPECT_FALSE(icon->ClickPending());
    EXPECT_EQ(journal, (std::vector<std::string>{"down mbLeft [ssLeft] 0,0", "dblclick"}));
    EXPECT_TRUE(os.Sleeps().empty());
}

TEST_F(TrayIconClickTest, ThreeQuickClicksClickOnce) {
    TTrayIcon* icon = ClickingIcon();
    Click(icon);                        // the first wait starts
    Callback(icon, WM_LBUTTONDBLCLK);
    Callback(icon, WM_LBUTTONUP);       // ends the double click
    Click(icon);                        // finds nothing pending: a second wait
    EXPECT_TRUE(icon->ClickPending());
    FinishWaits(2);                     // both ends: the first clicks, the second finds nothing
    EXPECT_EQ(journal, (std::vector<std::string>{"down mbLeft [ssLeft] 0,0", "dblclick",
                                                 "down mbLeft [ssLeft] 0,0", "click"}));
    EXPECT_FALSE(icon->ClickPending());
    EXPECT_EQ(os.Sleeps().size(), 2u);
}

TEST_F(TrayIconClickTest, ThePendingFlagMovesAsItsTableSays) {
    struct Row {
        const char* name;
        std::intptr_t mouse;
        bool mouseUp, click;
        bool before, after;
        std::vector<std::string> raised;
        bool waits;  // and when it ends, it clicks
    };
    const Row rows[] = {
        {"up with OnMouseUp, nothing pending", WM_LBUTTONUP, true, true, false, false, {"up"}, false},
        {"up with OnMouseUp, pending", WM_LBUTTONUP, true, true, true, true, {"up"}, false},
        {"up without handlers, pending", WM_LBUTTONUP, false, false, true, false, {}, false},
        {"up without handlers, nothing pending", WM_LBUTTONUP, false, false, false, false, {}, false},
        {"up with OnClick, nothing pending", WM_LBUTTONUP, false, true, false, true, {}, true},
        {"up with OnClick, pending", WM_LBUTTONUP, false, true, true, false, {}, false},
        {"double click, nothing pending", WM_LBUTTONDBLCLK, false, false, false, true, {"dblclick"}, false},
        {"double click, pending", WM_LBUTTONDBLCLK, false, true, true, true, {"dblclick"}, false},
    };
    unsigned waits = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        journal.clear();
        TTrayIcon* icon = NewIcon();
        icon->OnDblClick = [this](TObject*) { Log("dblclick"); };
        if (row.mouseUp) icon->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { Log("up"); };
        if (row.click) icon->OnClick = [this](TObject*) { Log("click"); };
        icon->SetClickPending(row.before);
        Callback(icon, row.mouse);
        EXPECT_EQ(journal, row.raised);
        EXPECT_EQ(icon->ClickPending(), row.after);
        if (row.waits) {
            FinishWaits(++waits);
            EXPECT_EQ(journal.back(), "click");
            EXPECT_FALSE(icon->ClickPending());
        }
        TComponent::Free(icon);
    }
    EXPECT_EQ(os.Sleeps().size(), waits);
}

TEST_F(TrayIconClickTest, DisablingTheIconDuringTheWaitDropsTheClick) {
    TTrayIcon* icon = ClickingIcon();
    Click(icon);
    icon->SetEnabled(false);
    FinishWaits(1);
    EXPECT_EQ(journal, (std::vector<std::string>{"down mbLeft [ssLeft] 0,0"}));
    EXPECT_FALSE(icon->ClickPending());
}

TEST_F(TrayIconClickTest, AWaitThatEndsAfterItsIconIsGoneDoesNothing) {
    TTrayIcon* gone = ClickingIcon();
    TTrayIcon* other = NewIcon();
    other->OnClick = [this](TObject*) { Log("other click"); };
    other->SetClickPending(true);
    os.HoldSleeps();
    Click(gone);
    TComponent::Free(gone);
    EXPECT_EQ(CallbackWindow()->CurrentIcon(), nullptr);
    os.ReleaseSleeps();
    FinishWaits(1);
    EXPECT_EQ(journal, (std::vector<std::string>{"down mbLeft [ssLeft] 0,0"}));
    EXPECT_TRUE(other->ClickPending());  // not another icon's business
}

TEST_F(TrayIconClickTest, AWaitThatEndsAfterTheWindowIsGoneDoesNothing) {
    TForm* tray = TComponent::Create<TForm>(&app);
    TTrayIcon* icon = ClickingIcon(tray);
    os.HoldSleeps();
    Click(icon);
    AwaitSleeps(1);
    TComponent::Free(tray);  // the icon and the callback window with it
    ASSERT_EQ(CallbackWindow(), nullptr);
    // A new window and icon in the same state must not be mistaken for the old.
    TTrayIcon* next = ClickingIcon();
    Callback(next, WM_MOUSEMOVE);
    next->SetClickPending(true);
    journal.clear();
    os.ReleaseSleeps();
    FinishWaits(1);
    EXPECT_TRUE(journal.empty());
    EXPECT_TRUE(next->ClickPending());
}

// The program ends while a wait runs: its windows and icons go, and the
// process must still end, at once and cleanly, whatever the worker is doing.
TEST(TrayIconExitDeathTest, EndingTheProgramDuringAWaitNeitherCrashesNorHangs) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            alarm(10);  // a hang ends as a failure
            {
                TApplication app;
                TForm* form = TComponent::Create<TForm>(&app);
                TTrayIcon* icon = TComponent::Create<TTrayIcon>(form);
                icon->OnClick = [](TObject*) { std::_Exit(3); };  // nothing may click now
                auto& os = platform::fake::Fake();
                os.Deliver(CallbackWindow()->Handle(), TrayCallbackMessage,
                           static_cast<std::uintptr_t>(icon->IconID()), WM_LBUTTONUP);
                if (!os.WaitForWakes(1, 5000)) std::_Exit(4);  // the wait is over and asks for the GUI thread
            }
            std::exit(0);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace trayicon_test
