// Native windows over Win32: one window procedure that finds the window
// object and hands everything to its sink, and the wide message loop.
#include "platform/win32/Gdi.h"
#include "platform/win32/Reflect.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <algorithm>

namespace platform::win32 {
namespace {

constexpr UINT kWakeMessage = WM_APP + 1;

const char* ClassName(WindowKind kind) {
    switch (kind) {
        case WindowKind::Application: return "HopmarkApplication";
        case WindowKind::Form: return "HopmarkForm";
        case WindowKind::Child: return "HopmarkChild";
    }
    return "HopmarkChild";
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

void RegisterClasses() {
    static bool registered = [] {
        for (WindowKind kind : {WindowKind::Application, WindowKind::Form, WindowKind::Child}) {
            WNDCLASSA wc{};
            wc.style = kind == WindowKind::Form ? CS_DBLCLKS : 0;
            wc.lpfnWndProc = WindowProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
            wc.hbrBackground = kind == WindowKind::Form ? reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1) : nullptr;
            wc.lpszClassName = ClassName(kind);
            if (kind != WindowKind::Child) wc.hIcon = LoadIconA(wc.hInstance, "MAINICON");
            RegisterClassA(&wc);
        }
        return true;
    }();
    (void)registered;
}

struct Styles {
    DWORD style = 0;
    DWORD exStyle = 0;
};

Styles StylesFor(const WindowSpec& spec) {
    Styles s;
    switch (spec.kind) {
        case WindowKind::Application:
            s.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS;
            break;
        case WindowKind::Child:
            s.style = WS_CHILD | WS_CLIPSIBLINGS;
            break;
        case WindowKind::Form:
            s.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
            switch (spec.border) {
                case FormBorder::None: s.style |= WS_POPUP; break;
                case FormBorder::Single: s.style |= WS_CAPTION; break;
                case FormBorder::Sizeable: s.style |= WS_CAPTION | WS_THICKFRAME; break;
                case FormBorder::Dialog:
                    s.style |= WS_CAPTION;
                    s.exStyle |= WS_EX_DLGMODALFRAME;
                    break;
                case FormBorder::ToolWindow:
                    s.style |= WS_CAPTION;
                    s.exStyle |= WS_EX_TOOLWINDOW;
                    break;
                case FormBorder::SizeToolWin:
                    s.style |= WS_CAPTION | WS_THICKFRAME;
                    s.exStyle |= WS_EX_TOOLWINDOW;
                    break;
            }
            if (spec.border != FormBorder::None && (spec.borderIcons & biSystemMenu)) {
                s.style |= WS_SYSMENU;
                if (spec.border != FormBorder::Dialog) {
                    if (spec.borderIcons & biMinimize) s.style |= WS_MINIMIZEBOX;
                    if (spec.borderIcons & biMaximize) s.style |= WS_MAXIMIZEBOX;
                }
            }
            break;
    }
    if (spec.visible) s.style |= WS_VISIBLE;
    return s;
}

class Win32Window final : public NativeWindow {
public:
    Win32Window(const WindowSpec& spec, WindowSink& sink) : kind_(spec.kind), sink_(&sink) {
        RegisterClasses();
        Styles styles = StylesFor(spec);
        int x = spec.bounds.left, y = spec.bounds.top;
        int w = spec.bounds.Width(), h = spec.bounds.Height();
        if (kind_ == WindowKind::Form) {
            if (spec.clientSize.width || spec.clientSize.height) {  // else the outer size stands
                RECT r{0, 0, spec.clientSize.width, spec.clientSize.height};
                AdjustWindowRectEx(&r, styles.style, FALSE, styles.exStyle);
                w = r.right - r.left;
                h = r.bottom - r.top;
            }
            if (spec.defaultPosition) x = y = CW_USEDEFAULT;
        }
        hwnd_ = CreateWindowExA(styles.exStyle, ClassName(kind_), spec.caption.c_str(), styles.style, x, y,
                                w, h, reinterpret_cast<HWND>(spec.parent), nullptr, GetModuleHandleA(nullptr),
                                this);
        if (hwnd_ && kind_ == WindowKind::Form && spec.defaultPosition) KeepDesignedIfUnplaced(spec.bounds);
    }

    ~Win32Window() override {
        if (!hwnd_) return;
        sink_ = nullptr;  // nothing more reaches the framework object
        DestroyWindow(hwnd_);
    }

    Handle GetHandle() const override { return reinterpret_cast<Handle>(hwnd_); }

    void SetBounds(const Rect& r) override {
        SetWindowPos(hwnd_, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }

    Rect GetBounds() const override {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        if (kind_ == WindowKind::Child) MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }

    Size ClientSize() const override {
        RECT r{};
        GetClientRect(hwnd_, &r);
        return {r.right, r.bottom};
    }

    void SetVisible(bool visible) override {
        if (!visible) {
            ShowWindow(hwnd_, SW_HIDE);
            return;
        }
        ShowWindow(hwnd_, SW_SHOW);
        if (kind_ != WindowKind::Child) BringWindowToTop(hwnd_);
    }

    void SetText(const std::string& text) override { SetWindowTextA(hwnd_, text.c_str()); }

    void SetFont(const FontSpec& font) override {
        if (kind_ == WindowKind::Child) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(font)), TRUE);
    }

    void Invalidate(const Rect& area) override {
        RECT r{area.left, area.top, area.right, area.bottom};
        InvalidateRect(hwnd_, &r, TRUE);
    }

    Point ScreenToClient(Point p) const override {
        POINT pt{p.x, p.y};
        ::ScreenToClient(hwnd_, &pt);
        return {pt.x, pt.y};
    }

    Point ClientToScreen(Point p) const override {
        POINT pt{p.x, p.y};
        ::ClientToScreen(hwnd_, &pt);
        return {pt.x, pt.y};
    }

    void SetCapture(bool capture) override {
        if (capture) ::SetCapture(hwnd_);
        else if (GetCapture() == hwnd_) ReleaseCapture();
    }

    void SetFocus() override { ::SetFocus(hwnd_); }
    long GetLong(int index) const override { return GetWindowLongA(hwnd_, index); }
    void SetLong(int index, long value) override { SetWindowLongA(hwnd_, index, value); }

    LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
        switch (msg) {
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(hwnd_, &ps);
                GdiCanvas canvas(dc);
                if (sink_) sink_->WindowPaint(canvas);
                EndPaint(hwnd_, &ps);
                return 0;
            }
            case WM_MOUSEMOVE:
                if (!tracking_) {
                    // The leave is reported once the pointer leaves the client area.
                    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
                    tracking_ = TrackMouseEvent(&tme) != 0;
                }
                break;
            case WM_MOUSELEAVE: tracking_ = false; break;
            case WM_COMMAND:
                if (Reflector* control = ReflectorOf(reinterpret_cast<HWND>(lParam)))
                    return control->Reflect(msg, wParam, lParam);
                break;
            case WM_WINDOWPOSCHANGED:
                if (sink_) sink_->WindowMoved(GetBounds());
                return DefWindowProcA(hwnd_, msg, wParam, lParam);
            case WM_NCDESTROY: {
                LRESULT r = DefWindowProcA(hwnd_, msg, wParam, lParam);
                SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
                hwnd_ = nullptr;  // gone with its parent: nothing left to destroy
                return r;
            }
            default: break;
        }
        if (sink_) {
            Message m{static_cast<std::uint32_t>(msg), static_cast<std::uintptr_t>(wParam),
                      static_cast<std::intptr_t>(lParam)};
            if (sink_->WindowMessage(m)) return m.result;
        }
        return DefWindowProcA(hwnd_, msg, wParam, lParam);
    }

    void Attach(HWND hwnd) { hwnd_ = hwnd; }

private:
    // Windows cascades default positions away from the screen's corner; a
    // form left at 0,0 got no choice (Wine without a window manager), and
    // there it would cover the tray. It keeps its designed place instead,
    // moved into the work area.
    void KeepDesignedIfUnplaced(const Rect& designed) {
        RECT r{}, work{};
        GetWindowRect(hwnd_, &r);
        if (r.left != 0 || r.top != 0) return;
        if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return;
        LONG x = std::max(work.left, std::min<LONG>(designed.left, work.right - (r.right - r.left)));
        LONG y = std::max(work.top, std::min<LONG>(designed.top, work.bottom - (r.bottom - r.top)));
        SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    HWND hwnd_ = nullptr;
    WindowKind kind_;
    WindowSink* sink_;
    bool tracking_ = false;
};

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* window = static_cast<Win32Window*>(create->lpCreateParams);
        window->Attach(hwnd);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return window->Dispatch(msg, wParam, lParam);
}

// The wake window's sink: runs the GUI thread's handler for workers.
class WakeSink final : public WindowSink {
public:
    explicit WakeSink(std::function<void()>& handler) : handler_(handler) {}
    bool WindowMessage(Message& m) override {
        if (m.msg != kWakeMessage) return false;
        if (handler_) handler_();
        return true;
    }

private:
    std::function<void()>& handler_;
};

}  // namespace

std::unique_ptr<NativeWindow> Win32Platform::CreateNativeWindow(const WindowSpec& spec, WindowSink& sink) {
    return std::make_unique<Win32Window>(spec, sink);
}

bool Win32Platform::Post(Handle window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    return PostMessageW(reinterpret_cast<HWND>(window), msg, wParam, lParam) != 0;
}

std::intptr_t Win32Platform::Send(Handle window, std::uint32_t msg, std::uintptr_t wParam,
                                  std::intptr_t lParam) {
    return SendMessageA(reinterpret_cast<HWND>(window), msg, wParam, lParam);
}

bool Win32Platform::SetForegroundWindow(Handle window) {
    return ::SetForegroundWindow(reinterpret_cast<HWND>(window)) != 0;
}

Point Win32Platform::CursorPos() const {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32Platform::SetCursorShape(int cursor) {
    LPCSTR id = IDC_ARROW;
    switch (cursor) {
        case -21: id = IDC_HAND; break;   // crHandPoint
        case -4: id = IDC_IBEAM; break;   // crIBeam
        default: break;
    }
    ::SetCursor(LoadCursorA(nullptr, id));
}

Size Win32Platform::MeasureText(const FontSpec& font, const std::string& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, FontFor(font));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {size.cx, size.cy};
}

bool Win32Platform::WaitAndDispatch() {
    MSG msg;
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) return false;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

bool Win32Platform::DispatchPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // the main loop must see it too
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void Win32Platform::PostQuit(int exitCode) { PostQuitMessage(exitCode); }

void Win32Platform::SetWakeHandler(std::function<void()> handler) {
    wakeHandler_ = std::move(handler);
    if (!wakeHandler_) {
        wakeHandle_ = 0;
        wakeWindow_.reset();
        return;
    }
    if (!wakeWindow_) {
        static WakeSink sink(wakeHandler_);
        WindowSpec spec;
        spec.kind = WindowKind::Application;
        spec.parent = reinterpret_cast<Handle>(HWND_MESSAGE);  // a message-only window
        wakeWindow_ = CreateNativeWindow(spec, sink);
        wakeHandle_ = wakeWindow_->GetHandle();
    }
}

void Win32Platform::WakeGuiThread() {
    if (Handle h = wakeHandle_) PostMessageW(reinterpret_cast<HWND>(h), kWakeMessage, 0, 0);
}

unsigned Win32Platform::DoubleClickTime() const { return GetDoubleClickTime(); }

void Win32Platform::Sleep(unsigned milliseconds) { ::Sleep(milliseconds); }

}  // namespace platform::win32
