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

// Makes the calling thread the GUI thread; the application does it.
void BindGuiThread();
// True on the GUI thread.
bool IsGuiThread();
