#pragma once
// Worker threads. A thread starts once its object is whole; when Execute
// returns, OnTerminate runs on the GUI thread while the worker waits, and
// a thread marked FreeOnTerminate then frees itself.

#include "framework/Events.h"
#include "framework/Object.h"

#include <atomic>
#include <memory>
#include <thread>
#include <utility>

class TThread : public TObject {
public:
    ~TThread() override;
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    // Makes a thread of class T and starts it; with freeOnTerminate the
    // thread frees itself when done and the pointer must not be kept.
    template <class T, class... Args>
    static T* Start(bool freeOnTerminate, TNotifyEvent onTerminate, Args&&... args) {
        auto* thread = new T(std::forward<Args>(args)...);  // owned by itself or the caller
        thread->freeOnTerminate_ = freeOnTerminate;
        thread->OnTerminate = std::move(onTerminate);
        thread->Run();
        return thread;
    }

    bool FreeOnTerminate() const { return freeOnTerminate_; }
    bool Finished() const { return finished_; }
    // Waits for a thread that does not free itself; never from its own thread.
    void WaitFor();

    TNotifyEvent OnTerminate;

protected:
    TThread() = default;
    virtual void Execute() = 0;

private:
    void Run();
    void Body();

    std::thread thread_;
    bool freeOnTerminate_ = false;
    std::atomic<bool> finished_{false};
};

// Owns a thread that does not free itself, waiting for it when released.
template <class T>
using ThreadPtr = std::unique_ptr<T>;
