// The floor of the start-up benchmark: the least a tray program can do. One
// hidden window, one notification-area icon made from the program's own icon
// resource, and a message loop; WM_CLOSE or a posted WM_QUIT ends it, and the
// icon leaves the notification area on the way out.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

namespace {

constexpr char kClassName[] = "HopmarkFloor";
constexpr UINT kTrayCallback = WM_USER + 200;
constexpr UINT kIconId = 1;

class WindowClass {
public:
    WindowClass(HINSTANCE instance, WNDPROC procedure) : instance_(instance)
    {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = procedure;
        wc.hInstance = instance;
        wc.lpszClassName = kClassName;
        registered_ = RegisterClassExA(&wc) != 0;
    }
    ~WindowClass()
    {
        if (registered_)
            UnregisterClassA(kClassName, instance_);
    }
    WindowClass(const WindowClass&) = delete;
    WindowClass& operator=(const WindowClass&) = delete;

    bool registered() const { return registered_; }

private:
    HINSTANCE instance_;
    bool registered_ = false;
};

class HiddenWindow {
public:
    explicit HiddenWindow(HINSTANCE instance)
        : handle_(CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "Hopmark floor", WS_OVERLAPPED,
                                  0, 0, 0, 0, nullptr, nullptr, instance, nullptr))
    {
    }
    ~HiddenWindow()
    {
        if (handle_)
            DestroyWindow(handle_);
    }
    HiddenWindow(const HiddenWindow&) = delete;
    HiddenWindow& operator=(const HiddenWindow&) = delete;

    HWND handle() const { return handle_; }

private:
    HWND handle_;
};

class SmallIcon {
public:
    explicit SmallIcon(HINSTANCE instance)
        : handle_(static_cast<HICON>(LoadImageA(instance, "MAINICON", IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON),
                                                GetSystemMetrics(SM_CYSMICON), 0)))
    {
    }
    ~SmallIcon()
    {
        if (handle_)
            DestroyIcon(handle_);
    }
    SmallIcon(const SmallIcon&) = delete;
    SmallIcon& operator=(const SmallIcon&) = delete;

    HICON handle() const { return handle_; }

private:
    HICON handle_;
};

// The icon in the notification area, in the first (88-byte) form of the
// record, as the program itself registers it.
class TrayIcon {
public:
    TrayIcon(HWND window, HICON icon)
    {
        data_.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data_.hWnd = window;
        data_.uID = kIconId;
        data_.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
        data_.uCallbackMessage = kTrayCallback;
        data_.hIcon = icon;
        std::strncpy(data_.szTip, "Hopmark floor", sizeof data_.szTip - 1);
        added_ = Shell_NotifyIconA(NIM_ADD, &data_) != FALSE;
    }
    ~TrayIcon()
    {
        if (added_)
            Shell_NotifyIconA(NIM_DELETE, &data_);
    }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    bool added() const { return added_; }

private:
    NOTIFYICONDATAA data_{};
    bool added_ = false;
};

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Leave the loop rather than destroy the window here, so that the icon is
    // removed while its window still exists.
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int RunMessageLoop()
{
    // The wide loop, as in the program: the floor pays what the program pays.
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WindowClass windowClass(instance, FloorProc);
    if (!windowClass.registered())
        return 1;
    HiddenWindow window(instance);
    SmallIcon icon(instance);
    if (!window.handle() || !icon.handle())
        return 1;
    TrayIcon trayIcon(window.handle(), icon.handle());
    if (!trayIcon.added())
        return 1;
    return RunMessageLoop();
}
