#pragma once
// The in-process platform for tests: a test sets up what the system would
// report (paths, code page, files, failures), plays the user and the shell
// (pointer, buttons, tray callbacks), and inspects what the program asked
// of the system (windows, tray requests, launches, menus, message boxes).
// Everything runs on the test's thread; posted messages wait until the test
// runs the loop (ProcessMessages, WaitAndDispatch).

#include "platform/Platform.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace platform::fake {

// Code pages the fake's lead-byte test knows.
enum class CodePage { Japanese932, Western1252 };

struct MessageDlgCall {
    std::string caption;
    std::string text;
    MsgDlgType type;
    MsgDlgButtons buttons;
    int helpContext;
};

struct TrayCall {
    TrayRequest request;
    NotifyIconData data;
    std::string Tip() const { return data.szTip; }
};

struct ShellCall {
    Handle owner;
    std::string verb, file, parameters, directory;
    int showCommand;
};

struct HelpCall {
    std::string file;
    int context;
};

struct MenuCall {
    Handle owner;
    Point at;
    std::vector<MenuEntry> entries;
};

// File names compare as on Windows: ASCII letters without regard to case.
struct PathLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class FakeWindow;
class FakeComboBox;

// What a test sets up and inspects; Reset returns it to these values.
struct FakeState {
    // --- Set up by a test ---
    std::string exePath = "C:\\Tools\\hopmark.exe";
    std::string windowsDirectory = "C:\\WINDOWS";
    CodePage codePage = CodePage::Japanese932;
    std::map<std::string, std::string, PathLess> files;
    // When true, files live on the host's disk instead (paths as given), for
    // benchmarks that must pay for real file calls.
    bool realFiles = false;
    // When non-empty, every SaveFileAtomic fails with this system reason.
    std::string writeFailure;
    ModalResult messageDlgAnswer = ModalResult::Ok;
    unsigned doubleClickTime = 500;
    Point cursorPos{0, 0};
    bool refuseNextTrayRequest = false;
    bool foregroundAnswer = true;
    std::intptr_t shellResult = 42;
    // The entries chosen in the next popup menus, in order; -1 closes one.
    std::deque<int> menuChoices;
    // Runs when the loop finds nothing waiting, before it ends for lack of input.
    std::function<void()> onIdle;
    // Names held by processes of the system; another instance holds these.
    std::set<std::string> takenNames;
    // Where the system puts a window that asks for the default position.
    Point defaultPosition{40, 30};
    // The two-list dialog: the test plays the user on the controller and
    // returns whether the dialog closed with OK. Without it the dialog is
    // cancelled at once.
    std::function<bool(DualListController&)> dualListScript;

    // --- Inspected by a test ---
    std::vector<MessageDlgCall> messageDlgs;
    int saveCount = 0;
    std::vector<TrayCall> trayCalls;
    std::vector<ShellCall> shellCalls;
    std::vector<HelpCall> helpCalls;
    std::vector<MenuCall> menuCalls;
    std::vector<Handle> foregroundCalls;
    // The active window, as the system keeps it: showing a hidden form
    // activates it, and so does SetForegroundWindow of another window.
    Handle activeWindow = 0;
    std::vector<int> cursorShapes;
    std::vector<DualListTexts> dualListCalls;
    std::vector<Handle> dualListOwners;  // the owner window of each of those calls
    bool quitPosted = false;
    int exitCode = 0;
};

class FakePlatform final : public Platform, public FakeState {
public:
    FakePlatform();
    ~FakePlatform() override;

    // Back to the state of a fresh process (windows that still exist stay).
    void Reset();

    // --- Playing the user and the shell ---
    // The window with that handle; null once destroyed.
    FakeWindow* Window(Handle handle) const;
    // Every window that exists, in creation order.
    std::vector<FakeWindow*> Windows() const;
    // The combo box with that handle; null if it is none.
    FakeComboBox* ComboBox(Handle handle) const;
    // Delivers a message now, as the loop would.
    std::intptr_t Deliver(Handle window, std::uint32_t msg, std::uintptr_t wParam = 0,
                          std::intptr_t lParam = 0);
    // The pointer moves to a point of the window's client area (and the
    // screen position follows).
    void MovePointer(Handle window, Point client);
    // A button press and release at the pointer's present place.
    void PressButton(Handle window, std::uint32_t downMessage, std::uintptr_t keys = 0);
    void ReleaseButton(Handle window, std::uint32_t upMessage, std::uintptr_t keys = 0);
    // The pointer leaves the window's client area.
    void LeaveWindow(Handle window);
    // A key pressed in a combo box's edit: WM_KEYDOWN, then for a key with a
    // character (Enter, Esc, Backspace) the WM_CHAR the system makes of it;
    // keys the framework does not consume act on the edit as the system's would.
    void PressKey(Handle combo, std::uint16_t virtualKey);
    // Typed characters (double-byte ones whole), each one inserted over the
    // edit's selection unless consumed, with the change reported.
    void TypeText(Handle combo, const std::string& text);
    // The user picks an item in the combo's list (with the mouse or an arrow).
    void PickItem(Handle combo, int index);

    // Blocks until a worker asked for the GUI thread (or the timeout ends).
    bool WaitForWake(unsigned timeoutMs);
    // Blocks until workers have asked for the GUI thread count times in all
    // since Reset (or the timeout ends): then all their work is waiting.
    bool WaitForWakes(unsigned count, unsigned timeoutMs);
    // Sleep() calls made so far, from any thread.
    std::vector<unsigned> Sleeps() const;
    // While held, Sleep() blocks until released: a test decides when waits end.
    void HoldSleeps();
    void ReleaseSleeps();

    // --- Platform ---
    bool IsLeadByte(unsigned char b) const override;
    int CompareText(std::string_view a, std::string_view b) const override;
    std::u16string AnsiToWide(std::string_view text) const override;
    std::string WideToAnsi(std::u16string_view text) const override;
    std::unique_ptr<InstanceName> TakeInstanceName(const std::string& name) override;
    std::string ExePath() const override { return exePath; }
    std::string WindowsDirectory() const override { return windowsDirectory; }
    std::optional<std::string> LoadFile(const std::string& path) override;
    void SaveFileAtomic(const std::string& path, std::string_view bytes) override;

    std::unique_ptr<NativeWindow> CreateNativeWindow(const WindowSpec& spec, WindowSink& sink) override;
    std::unique_ptr<NativeComboBox> CreateComboBox(const WindowSpec& spec, WindowSink& sink) override;
    bool Post(Handle window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::intptr_t Send(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
    bool SetForegroundWindow(Handle window) override;
    Point CursorPos() const override { return cursorPos; }
    void SetCursorShape(int cursor) override { cursorShapes.push_back(cursor); }
    Size MeasureText(const FontSpec& font, const std::string& text) override;

    bool WaitAndDispatch() override;
    bool DispatchPending() override;
    void PostQuit(int exitCode) override;
    void SetWakeHandler(std::function<void()> handler) override;
    void WakeGuiThread() override;

    unsigned DoubleClickTime() const override { return doubleClickTime; }
    void Sleep(unsigned milliseconds) override;

    bool NotifyIcon(TrayRequest request, const NotifyIconData& data) override;
    std::intptr_t ShellOpen(Handle owner, const std::string& verb, const std::string& file,
                            const std::string& parameters, const std::string& directory,
                            int showCommand) override;
    void ShowHelp(Handle owner, const std::string& helpFile, int context) override;
    int TrackPopupMenu(Handle owner, Point at, const std::vector<MenuEntry>& entries) override;
    ModalResult MessageDlg(const std::string& caption, const std::string& text, MsgDlgType type,
                           MsgDlgButtons buttons, int helpContext) override;
    std::unique_ptr<NativeIcon> LoadIconResource(const std::string& name, int size) override;
    bool RunDualListDialog(Handle owner, const DualListTexts& texts, DualListController& controller) override;

private:
    friend class FakeWindow;
    struct Posted {
        Handle window;
        Message message;
    };
    bool DispatchOne();
    // Hands a message to the window's sink; true when the system's default
    // behaviour must not run.
    bool Dispatch(Handle window, Message& message);
    // The edit's own reaction to a key or character nobody consumed.
    void EditDefault(FakeComboBox& combo, const Message& message);
    bool RunWake();
    // Makes the window the active one; WM_ACTIVATE only if it was not already.
    void Activate(Handle window);

    std::map<Handle, FakeWindow*> windows_;
    Handle nextHandle_ = 0x1000;
    std::deque<Posted> posted_;
    std::function<void()> wakeHandler_;

    // Shared with worker threads.
    mutable std::mutex mutex_;
    std::condition_variable signal_;
    bool wakePending_ = false;
    unsigned wakes_ = 0;
    bool holdSleeps_ = false;
    std::vector<unsigned> sleeps_;
};

// The fake that platform::Current() returns in this build.
FakePlatform& Fake();

}  // namespace platform::fake
