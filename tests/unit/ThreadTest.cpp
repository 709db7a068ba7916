// Worker threads: the termination handler runs on the GUI thread while the
// worker waits, inside the message loop; a self-freeing thread goes by itself.
#include "framework/Application.h"
#include "framework/Synchronize.h"
#include "framework/Threads.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using platform::fake::Fake;

std::atomic<int> alive{0};

class TWaiter : public TThread {
public:
    TWaiter() { ++alive; }
    ~TWaiter() override { --alive; }
    std::thread::id ranOn;

protected:
    void Execute() override {
        ranOn = std::this_thread::get_id();
        platform::Current().Sleep(550);
    }
};

// Runs the GUI side until done() holds or the worker stops asking.
template <class Done>
void PumpUntil(TApplication& app, Done done) {
    for (int i = 0; i < 200 && !done(); ++i) {
        Fake().WaitForWake(50);
        app.ProcessMessages();
    }
}

TEST(Thread, OnTerminateRunsOnTheGuiThreadWhileTheWorkerWaits) {
    TApplication app;
    Fake().HoldSleeps();
    std::thread::id handlerThread;
    bool finishedWhenHandled = true;
    ThreadPtr<TWaiter> waiter(TThread::Start<TWaiter>(false, [&](TObject* sender) {
        handlerThread = std::this_thread::get_id();
        finishedWhenHandled = static_cast<TThread*>(sender)->Finished();
    }));
    // The GUI thread runs on while the worker sleeps.
    app.ProcessMessages();
    EXPECT_EQ(handlerThread, std::thread::id());
    Fake().ReleaseSleeps();
    PumpUntil(app, [&] { return handlerThread != std::thread::id(); });
    EXPECT_EQ(handlerThread, std::this_thread::get_id());
    EXPECT_FALSE(finishedWhenHandled);  // the worker was still waiting for it
    waiter->WaitFor();
    EXPECT_NE(waiter->ranOn, std::this_thread::get_id());
    EXPECT_EQ(Fake().Sleeps(), (std::vector<unsigned>{550}));
}

TEST(Thread, AFreeOnTerminateThreadFreesItselfAfterItsHandler) {
    TApplication app;
    int before = alive;
    bool handled = false;
    TThread::Start<TWaiter>(true, [&](TObject*) { handled = true; });
    PumpUntil(app, [&] { return handled && alive == before; });
    EXPECT_TRUE(handled);
    for (int i = 0; i < 100 && alive != before; ++i) std::this_thread::yield();
    EXPECT_EQ(alive, before);
}

TEST(Thread, SynchronizeOnTheGuiThreadRunsAtOnce) {
    bool ran = false;
    Synchronize([&] { ran = true; });
    EXPECT_TRUE(ran);
}

}  // namespace
