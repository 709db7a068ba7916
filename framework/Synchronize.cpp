#include "framework/Synchronize.h"

#include "framework/Application.h"
#include "platform/Platform.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace {

struct Pending {
    const std::function<void()>* work;
    bool done = false;
};

// Never destroyed: a worker may still wait on it while the process ends.
struct Queue {
    std::mutex mutex;
    std::condition_variable doneSignal;
    std::deque<Pending*> pending;
    std::thread::id guiThread = std::this_thread::get_id();
};

Queue& TheQueue() {
    static Queue* queue = new Queue;  // deliberately leaked, see above
    return *queue;
}

}  // namespace

bool IsGuiThread() { return std::this_thread::get_id() == TheQueue().guiThread; }

void Synchronize(const std::function<void()>& work) {
    Queue& q = TheQueue();
    if (std::this_thread::get_id() == q.guiThread) {
        work();
        return;
    }
    Pending item{&work};
    std::unique_lock lock(q.mutex);
    q.pending.push_back(&item);
    lock.unlock();
    platform::Current().WakeGuiThread();
    lock.lock();
    q.doneSignal.wait(lock, [&] { return item.done; });
}

void CheckSynchronize() {
    Queue& q = TheQueue();
    for (;;) {
        std::unique_lock lock(q.mutex);
        if (q.pending.empty()) return;
        Pending* item = q.pending.front();
        q.pending.pop_front();
        lock.unlock();
        try {
            (*item->work)();
        } catch (const std::exception& e) {
            HandleException(e);
        }
        lock.lock();
        item->done = true;
        q.doneSignal.notify_all();
    }
}
