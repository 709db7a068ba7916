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

void BindGuiThread() {
    Queue& q = TheQueue();
    std::lock_guard lock(q.mutex);
    q.guiThread = std::this_thread::get_id();
}

bool IsGuiThread() {
    Queue& q = TheQueue();
    std::lock_guard lock(q.mutex);
    return std::this_thread::get_id() == q.guiThread;
}

void Synchronize(const std::function<void()>& work) {
    Queue& q = TheQueue();
    std::unique_lock lock(q.mutex);
    if (std::this_thread::get_id() == q.guiThread) {
        lock.unlock();
        work();
        return;
    }
    Pending item{&work};
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
