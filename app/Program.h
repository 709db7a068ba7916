#pragma once
// The program: one instance at a time, a tray icon and no taskbar button,
// the tray menu window first (the main window), then the keyword window,
// the message loop until Exit, and the orderly end.

class TApplication;

// Prepares the application and makes both windows, all hidden.
void StartHopmark(TApplication& app);

// The whole program; returns the exit code.
int RunHopmark();
