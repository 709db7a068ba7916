// Ending the program while a single-click wait runs, in a process of its
// own: whatever the worker is doing then (still asleep, handing its end to
// a GUI thread that has stopped, or with the hand-over already waiting in
// the queue), the process ends at once with its own exit code.
#include "win32/TrayIconWine.h"

#include <cstdlib>
#include <thread>

namespace trayicon_wine {
namespace {

LONG WINAPI EndOnCrash(EXCEPTION_POINTERS*) {
    TerminateProcess(GetCurrentProcess(), 98);
    return EXCEPTION_EXECUTE_HANDLER;
}

enum class Moment { WorkerAsleep, HandOverAfterTheEnd, HandOverBeforeTheEnd };

// The program: a form with an icon whose left click starts a wait; then it
// ends as the real one does, its application and forms going first.
[[noreturn]] void EndDuringAWait(Moment moment) {
    // A crash or a hang ends the process as a failure, without a debugger.
    SetUnhandledExceptionFilter(EndOnCrash);
    std::thread([] {
        Sleep(15000);
        TerminateProcess(GetCurrentProcess(), 99);
    }).detach();
    DWORD wait = GetDoubleClickTime() + 50;
    {
        TApplication app;
        TForm* form = TComponent::Create<TForm>(&app);
        auto* icon = TComponent::Create<TTrayIcon>(form);
        icon->OnClick = [](TObject*) { TerminateProcess(GetCurrentProcess(), 3); };  // nothing may click now
        PostMessageA(reinterpret_cast<HWND>(CallbackWindow()->Handle()), TrayCallbackMessage,
                     static_cast<WPARAM>(icon->IconID()), WM_LBUTTONUP);
        app.ProcessMessages();
        if (!icon->ClickPending()) TerminateProcess(GetCurrentProcess(), 4);  // no wait started
        if (moment == Moment::HandOverBeforeTheEnd) Sleep(wait + 300);
    }
    if (moment == Moment::HandOverAfterTheEnd) Sleep(wait + 300);
    std::exit(0);
}

TEST(TrayIconExitDeathTest, EndingTheProgramDuringAWaitNeitherCrashesNorHangs) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(EndDuringAWait(Moment::WorkerAsleep), testing::ExitedWithCode(0), "") << "worker asleep";
    EXPECT_EXIT(EndDuringAWait(Moment::HandOverAfterTheEnd), testing::ExitedWithCode(0), "")
        << "hand-over after the end";
    EXPECT_EXIT(EndDuringAWait(Moment::HandOverBeforeTheEnd), testing::ExitedWithCode(0), "")
        << "hand-over queued before the end";
}

}  // namespace
}  // namespace trayicon_wine
