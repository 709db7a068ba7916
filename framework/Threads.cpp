#include "framework/Threads.h"

#include "framework/Application.h"
#include "framework/Synchronize.h"

#include <exception>

TThread::~TThread() {
    if (thread_.joinable()) {
        if (thread_.get_id() == std::this_thread::get_id()) thread_.detach();
        else thread_.join();
    }
}

void TThread::Run() {
    if (freeOnTerminate_) {
        std::thread(&TThread::Body, this).detach();  // it deletes itself at the end
    } else {
        thread_ = std::thread(&TThread::Body, this);
    }
}

void TThread::Body() {
    try {
        Execute();
    } catch (const std::exception& e) {
        Synchronize([&] { HandleException(e); });
    }
    if (OnTerminate) Synchronize([this] { OnTerminate(this); });
    finished_ = true;
    if (freeOnTerminate_) delete this;  // allowed: the thread owns itself
}

void TThread::WaitFor() {
    if (thread_.joinable()) thread_.join();
}
