// The editable drop-down combo box over the system's COMBOBOX control. Its
// edit is subclassed so that keys reach the framework first; the text is
// read and written in UTF-16 and converted at this boundary, so selections
// count characters as the edit does.
#include "platform/win32/Gdi.h"
#include "platform/win32/Reflect.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

namespace platform::win32 {
namespace {

constexpr UINT kCnCommand = 0xBD11;
constexpr int kListItems = 8;  // items the dropped-down list shows

std::wstring Widen(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

std::string Narrow(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(n, '\0');
    WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

// UTF-16 units in the first bytes of code-page text.
int WideLength(const std::string& s, int bytes) {
    if (bytes <= 0) return 0;
    return MultiByteToWideChar(CP_ACP, 0, s.data(), std::min<int>(bytes, static_cast<int>(s.size())), nullptr, 0);
}

class Win32ComboBox final : public NativeComboBox, private Reflector {
public:
    Win32ComboBox(const WindowSpec& spec, WindowSink& sink) : sink_(&sink) {
        DWORD style = WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL;
        if (spec.visible) style |= WS_VISIBLE;
        height_ = spec.bounds.Height();
        hwnd_ = CreateWindowExA(0, "COMBOBOX", "", style, spec.bounds.left, spec.bounds.top, spec.bounds.Width(),
                                DroppedHeight(), reinterpret_cast<HWND>(spec.parent), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        if (!hwnd_) return;
        SetPropA(hwnd_, kReflectorProperty, static_cast<Reflector*>(this));
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (GetComboBoxInfo(hwnd_, &info)) edit_ = info.hwndItem;
        if (edit_) {
            SetPropA(edit_, kEditProperty, this);
            editProc_ = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
        }
        SetFont(spec.font);
    }

    ~Win32ComboBox() override {
        sink_ = nullptr;
        if (!hwnd_ || !IsWindow(hwnd_)) return;
        if (edit_ && IsWindow(edit_)) {
            SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc_));
            RemovePropA(edit_, kEditProperty);
        }
        RemovePropA(hwnd_, kReflectorProperty);
        DestroyWindow(hwnd_);
    }

    Handle GetHandle() const override { return reinterpret_cast<Handle>(hwnd_); }

    void SetBounds(const Rect& r) override {
        height_ = r.Height();
        SetWindowPos(hwnd_, nullptr, r.left, r.top, r.Width(), DroppedHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    }

    Rect GetBounds() const override {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }

    Size ClientSize() const override {
        RECT r{};
        GetClientRect(hwnd_, &r);
        return {r.right, r.bottom};
    }

    void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
    void SetText(const std::string& text) override { SetEditText(text); }
    void SetFont(const FontSpec& font) override {
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(font)), TRUE);
    }
    void Invalidate(const Rect&) override { InvalidateRect(hwnd_, nullptr, TRUE); }
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
    void SetCapture(bool) override {}
    void SetFocus() override { ::SetFocus(edit_ ? edit_ : hwnd_); }
    long GetLong(int index) const override { return GetWindowLongA(hwnd_, index); }
    void SetLong(int index, long value) override { SetWindowLongA(hwnd_, index, value); }

    void SetItems(const std::vector<std::string>& items) override {
        Muted muted(*this);
        SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
        SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
        size_t bytes = 0;
        for (const auto& item : items) bytes += item.size() + 1;
        // Reserved in one go: filling a list item by item otherwise regrows it.
        SendMessageA(hwnd_, CB_INITSTORAGE, items.size(), bytes);
        for (const auto& item : items) SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    void InsertItem(int index, const std::string& item) override {
        Muted muted(*this);
        SendMessageA(hwnd_, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(item.c_str()));
    }

    void DeleteItem(int index) override {
        Muted muted(*this);
        SendMessageA(hwnd_, CB_DELETESTRING, index, 0);
    }

    void SetItemIndex(int index) override {
        Muted muted(*this);
        SendMessageA(hwnd_, CB_SETCURSEL, index, 0);
    }

    int ItemIndex() const override { return static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)); }

    void SetEditText(const std::string& text) override {
        Muted muted(*this);
        SetWindowTextW(hwnd_, Widen(text).c_str());
    }

    std::string EditText() const override {
        int n = GetWindowTextLengthW(hwnd_);
        std::wstring w(n + 1, L'\0');
        w.resize(GetWindowTextW(hwnd_, w.data(), n + 1));
        return Narrow(w);
    }

    void SetEditSelection(int start, int length) override {
        std::string text = EditText();
        int from = WideLength(text, start);
        int to = WideLength(text, start + length);
        SendMessageW(hwnd_, CB_SETEDITSEL, 0, MAKELPARAM(from, to));
    }

    bool Composing() const override { return composing_; }
    void SetItemHeight(int height) override {
        SendMessageA(hwnd_, CB_SETITEMHEIGHT, 0, height);
        itemHeight_ = height;
    }

private:
    static constexpr const char* kEditProperty = "HopmarkComboEdit";

    // Changes made for the framework are no news to it.
    struct Muted {
        explicit Muted(Win32ComboBox& c) : combo(c), was(c.muted_) { c.muted_ = true; }
        ~Muted() { combo.muted_ = was; }
        Win32ComboBox& combo;
        bool was;
    };

    int DroppedHeight() const { return height_ + itemHeight_ * kListItems + 2; }

    LRESULT Reflect(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (sink_ && !muted_) {
            Message m{kCnCommand, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam)};
            if (sink_->WindowMessage(m)) return m.result;
        }
        return DefWindowProcA(GetParent(hwnd_), msg, wParam, lParam);
    }

    static LRESULT CALLBACK EditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<Win32ComboBox*>(GetPropA(edit, kEditProperty));
        if (!self) return DefWindowProcA(edit, msg, wParam, lParam);
        switch (msg) {
            case WM_IME_STARTCOMPOSITION: self->composing_ = true; break;
            case WM_IME_ENDCOMPOSITION: self->composing_ = false; break;
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
            case WM_CHAR:
                if (self->sink_) {
                    Message m{msg, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam)};
                    if (self->sink_->WindowMessage(m)) return m.result;
                    wParam = static_cast<WPARAM>(m.wParam);  // a handler may have changed the key
                }
                break;
            default: break;
        }
        return CallWindowProcA(self->editProc_, edit, msg, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
    HWND edit_ = nullptr;
    WNDPROC editProc_ = nullptr;
    WindowSink* sink_;
    int height_ = 0;
    int itemHeight_ = 12;
    bool muted_ = false;
    bool composing_ = false;
};

}  // namespace

std::unique_ptr<NativeComboBox> Win32Platform::CreateComboBox(const WindowSpec& spec, WindowSink& sink) {
    return std::make_unique<Win32ComboBox>(spec, sink);
}

}  // namespace platform::win32
