#pragma once
// The real platform, over the Win32 API: ANSI windows and functions in the
// system's code page, and the wide message loop so that typed and
// IME-committed double-byte text reaches those windows intact.

#include "platform/Platform.h"

#include <atomic>
#include <functional>

namespace platform::win32 {

class Win32Platform final : public Platform {
public:
    bool IsLeadByte(unsigned char b) const override;
    int CompareText(std::string_view a, std::string_view b) const override;
    std::u16string AnsiToWide(std::string_view text) const override;
    std::string WideToAnsi(std::u16string_view text) const override;

    std::unique_ptr<InstanceName> TakeInstanceName(const std::string& name) override;
    std::string ExePath() const override;
    std::string WindowsDirectory() const override;

    std::optional<std::string> LoadFile(const std::string& path) override;
    void SaveFileAtomic(const std::string& path, std::string_view bytes) override;

    std::unique_ptr<NativeWindow> CreateNativeWindow(const WindowSpec& spec, WindowSink& sink) override;
    std::unique_ptr<NativeComboBox> CreateComboBox(const WindowSpec& spec, WindowSink& sink) override;
    bool Post(Handle window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::intptr_t Send(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
    bool SetForegroundWindow(Handle window) override;
    Point CursorPos() const override;
    void SetCursorShape(int cursor) override;
    Size MeasureText(const FontSpec& font, const std::string& text) override;

    bool WaitAndDispatch() override;
    bool DispatchPending() override;
    void PostQuit(int exitCode) override;
    void SetWakeHandler(std::function<void()> handler) override;
    void WakeGuiThread() override;

    unsigned DoubleClickTime() const override;
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
    std::function<void()> wakeHandler_;
    std::unique_ptr<NativeWindow> wakeWindow_;  // message-only, on the GUI thread
    std::atomic<Handle> wakeHandle_{0};
};

}  // namespace platform::win32
