#pragma once
// TSingleClick: a worker that only waits out the system's double-click
// interval (and a little more), so that a left button-up can be told from
// the first half of a double click. It frees itself; its termination
// handler, on the GUI thread, decides.

#include "framework/Threads.h"

class TSingleClick : public TThread {
protected:
    void Execute() override;

private:
    friend class TThread;  // started only through TThread::Start
    TSingleClick() = default;
};
