#pragma once
// Handing work from worker threads to the GUI thread. A worker's call waits
// until the GUI thread has run the work inside its message loop (any loop,
// a menu's or a message box's too); the GUI thread never waits for workers.

#include <functional>

// Runs work on the GUI thread and returns when it has run. On the GUI thread
// itself it runs at once.
void Synchronize(const std::function<void()>& work);

// Runs all work handed over so far; the GUI thread's wake handler.
void CheckSynchronize();

// True on the thread that made the first TApplication (or first asked).
bool IsGuiThread();
