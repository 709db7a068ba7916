#pragma once
// The operating-system seam. Everything above platform/ reaches the system
// through this one interface; win32/ implements it over the Win32 API and
// fake/ in process, for tests. Failures are thrown as framework exceptions.

#include "platform/DualList.h"
#include "platform/NativeWindow.h"
#include "platform/Tray.h"
#include "platform/Types.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class MsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Button sets of a modal message box, as in the Win32 MB_* families.
enum class MsgDlgButtons { Ok, OkCancel, YesNo, YesNoCancel };

// The button that closed a message box.
enum class ModalResult { None, Ok, Cancel, Yes, No };

struct MenuEntry {
    std::string caption;  // "-" is a separator line
    bool checked = false;
    bool enabled = true;
};

// An icon image; destroying the object frees the native icon.
class NativeIcon {
public:
    virtual ~NativeIcon() = default;
    virtual Handle GetHandle() const = 0;
    virtual std::unique_ptr<NativeIcon> Clone() const = 0;
};

// A name held by this process for as long as the object lives (a named mutex).
class InstanceName {
public:
    virtual ~InstanceName() = default;
};

class Platform {
public:
    virtual ~Platform() = default;

    // --- Text in the ANSI code page ---
    // True when b starts a double-byte character (IsDBCSLeadByte).
    virtual bool IsLeadByte(unsigned char b) const = 0;
    // Case-insensitive comparison of two code-page strings: <0, 0 or >0.
    virtual int CompareText(std::string_view a, std::string_view b) const = 0;
    // Code-page text to UTF-16 and back; what the code page cannot hold
    // becomes its default character.
    virtual std::u16string AnsiToWide(std::string_view text) const = 0;
    virtual std::string WideToAnsi(std::u16string_view text) const = 0;

    // --- Processes ---
    // Takes a system-wide name in one step; null when another process holds
    // it already, so that of two programs started at once exactly one runs.
    virtual std::unique_ptr<InstanceName> TakeInstanceName(const std::string& name) = 0;

    // --- Places ---
    // Full path of the running executable.
    virtual std::string ExePath() const = 0;
    // The Windows directory, as GetWindowsDirectoryA writes it into 150 chars.
    virtual std::string WindowsDirectory() const = 0;

    // --- Files ---
    // Whole content of a file; nullopt when there is no such file. Throws
    // EInOutError, naming the file, when it exists but cannot be read.
    virtual std::optional<std::string> LoadFile(const std::string& path) = 0;
    // Replaces a file with bytes atomically: afterwards the file is wholly the
    // old or wholly the new content. Throws EInOutError naming the file.
    virtual void SaveFileAtomic(const std::string& path, std::string_view bytes) = 0;

    // --- Windows ---
    // Makes a native window that reports to sink until it is destroyed.
    virtual std::unique_ptr<NativeWindow> CreateNativeWindow(const WindowSpec& spec,
                                                             WindowSink& sink) = 0;
    // Makes an editable drop-down combo box, a child window.
    virtual std::unique_ptr<NativeComboBox> CreateComboBox(const WindowSpec& spec, WindowSink& sink) = 0;
    // Posts a message to a window's queue; false if the window is gone.
    virtual bool Post(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
    // Delivers a message to a window at once and returns its answer.
    virtual std::intptr_t Send(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                                      std::intptr_t lParam) = 0;
    // SetForegroundWindow; the result says whether the system agreed.
    virtual bool SetForegroundWindow(Handle window) = 0;
    // The pointer's position on the screen (GetCursorPos).
    virtual Point CursorPos() const = 0;
    // Shows the cursor with the framework's number (crHandPoint = -21, ...).
    virtual void SetCursorShape(int cursor) = 0;
    // Size of text in a font, for labels sized to their caption.
    virtual Size MeasureText(const FontSpec& font, const std::string& text) = 0;

    // --- The message loop (GUI thread) ---
    // Waits for the next message and dispatches it; false once the loop must end.
    virtual bool WaitAndDispatch() = 0;
    // Dispatches every waiting message; false when the loop must end.
    virtual bool DispatchPending() = 0;
    // Ends the message loop with an exit code (PostQuitMessage).
    virtual void PostQuit(int exitCode) = 0;
    // The GUI thread's handler for WakeGuiThread, run inside any message loop.
    virtual void SetWakeHandler(std::function<void()> handler) = 0;
    // From any thread: makes the GUI thread run the wake handler soon.
    virtual void WakeGuiThread() = 0;

    // --- Time and threads ---
    virtual unsigned DoubleClickTime() const = 0;  // GetDoubleClickTime, in ms
    virtual void Sleep(unsigned milliseconds) = 0;  // on the calling thread

    // --- Shell ---
    // Shell_NotifyIconA with the record; false when the shell refuses.
    virtual bool NotifyIcon(TrayRequest request, const NotifyIconData& data) = 0;
    // ShellExecuteA; returns its result (above 32 on success).
    virtual std::intptr_t ShellOpen(Handle owner, const std::string& verb, const std::string& file,
                                    const std::string& parameters, const std::string& directory,
                                    int showCommand) = 0;
    // Opens a help file at a context number.
    virtual void ShowHelp(Handle owner, const std::string& helpFile, int context) = 0;

    // --- Menus, dialogs, icons ---
    // Shows a popup menu at a screen point for the owner window; returns the
    // index of the entry chosen, or -1.
    virtual int TrackPopupMenu(Handle owner, Point at, const std::vector<MenuEntry>& entries) = 0;
    // Modal message box; returns the button pressed.
    virtual ModalResult MessageDlg(const std::string& caption, const std::string& text,
                                   MsgDlgType type, MsgDlgButtons buttons, int helpContext) = 0;
    // Shows the modal two-list dialog over owner; true when closed with OK.
    virtual bool RunDualListDialog(Handle owner, const DualListTexts& texts,
                                   DualListController& controller) = 0;
    // An icon from the program's resources at a size in pixels; null if none.
    virtual std::unique_ptr<NativeIcon> LoadIconResource(const std::string& name, int size) = 0;
};

// The implementation linked into this program.
Platform& Current();

}  // namespace platform
