#pragma once
// The user of the real two-list dialog, on a thread of their own while the
// test's thread sits in Execute: they wait for the dialog by its caption,
// then work its controls with messages as the system would send them, or
// with real input through SendInput.
//
// Included after the framework headers: <windows.h> comes last.

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace duallist_wine {

using Items = std::vector<std::string>;

// Polls until the condition holds or the time is up; the condition's last answer.
inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
    ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end) return condition();
        Sleep(10);
    }
    return true;
}

// The open dialog and its controls, found as a user finds them: by kind and
// caption.
class OpenDialog {
public:
    explicit OpenDialog(HWND window) : window_(window) {}

    HWND Window() const { return window_; }
    // The list boxes, left then right.
    HWND Left() const { return FindWindowExA(window_, nullptr, "ListBox", nullptr); }
    HWND Right() const { return FindWindowExA(window_, Left(), "ListBox", nullptr); }
    HWND Button(const char* caption) const { return FindWindowExA(window_, nullptr, "Button", caption); }
    bool Enabled(const char* caption) const { return IsWindowEnabled(Button(caption)) != 0; }

    static Items ItemsOf(HWND list) {
        Items items;
        int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            std::string text(SendMessageA(list, LB_GETTEXTLEN, i, 0), '\0');
            SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            items.push_back(text);
        }
        return items;
    }
    static std::vector<int> SelectionOf(HWND list) {
        int count = static_cast<int>(SendMessageA(list, LB_GETSELCOUNT, 0, 0));
        std::vector<int> indices(count > 0 ? count : 0);
        if (count > 0) SendMessageA(list, LB_GETSELITEMS, count, reinterpret_cast<LPARAM>(indices.data()));
        return indices;
    }
    // The middle of an item, in the list's client coordinates.
    static POINT ItemCentre(HWND list, int index) {
        RECT r{};
        SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    // Mouse messages as the system sends them to the window under the
    // pointer. The real pointer is put there first, so that whatever the
    // system reports of it meanwhile tells the same story.
    static void Click(HWND list, int index) {
        LPARAM at = PointerTo(list, ItemCentre(list, index));
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
    }
    static void DoubleClick(HWND list, int index) {
        LPARAM at = PointerTo(list, ItemCentre(list, index));
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
        SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
    }
    // Presses on an item of `from` and lets go over a point of `onto`'s
    // client area; while the button is down the pressed list has the mouse.
    static void Drag(HWND from, int index, HWND onto, POINT ontoClient) {
        POINT start = ItemCentre(from, index);
        POINT end = ontoClient;
        MapWindowPoints(onto, from, &end, 1);
        SendMessageA(from, WM_LBUTTONDOWN, MK_LBUTTON, PointerTo(from, start));
        POINT step{start.x + (end.x - start.x) / 2, start.y + (end.y - start.y) / 2 + 6};
        SendMessageA(from, WM_MOUSEMOVE, MK_LBUTTON, PointerTo(from, step));
        SendMessageA(from, WM_MOUSEMOVE, MK_LBUTTON, PointerTo(from, end));
        SendMessageA(from, WM_LBUTTONUP, 0, Packed(end));
    }
    void Press(const char* caption) const { SendMessageA(Button(caption), BM_CLICK, 0, 0); }
    // A key through the dialog's message loop, as typed into a control.
    static void PostKey(HWND to, WORD key) {
        PostMessageA(to, WM_KEYDOWN, key, 1);
        PostMessageA(to, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
    }

    // The control that has the focus in the dialog's thread.
    HWND Focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &info);
        return info.hwndFocus;
    }

private:
    static LPARAM Packed(POINT p) { return MAKELPARAM(p.x, p.y); }
    static LPARAM PointerTo(HWND window, POINT client) {
        POINT screen = client;
        ClientToScreen(window, &screen);
        SetCursorPos(screen.x, screen.y);
        Sleep(20);
        return Packed(client);
    }
    HWND window_;
};

// Real input: the pointer moves and the buttons and keys go down and up as
// if the user's hand did it. Each event is given time to arrive, as a hand
// would.
inline void RealKeys(std::initializer_list<std::pair<WORD, bool>> keys) {
    std::vector<INPUT> input;
    for (auto [key, down] : keys) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = key;
        i.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        input.push_back(i);
    }
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
    Sleep(40);
}

// The pointer to a point of a window; with buttons, they go down or up
// where the pointer is.
inline void RealMouse(HWND window, POINT client, DWORD buttons = 0) {
    ClientToScreen(window, &client);
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute coordinates run from 0 to 65535 over the primary screen.
    input.mi.dx = MulDiv(client.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(client.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = buttons ? buttons : MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Sleep(40);
}

// A click with the left button, holding a key (Shift, Ctrl) if one is
// given. The key goes down once the pointer is there: under Wine the
// pointer's move reports the X server's keys, which know nothing of ours.
inline void RealClick(HWND window, POINT client, WORD holding = 0) {
    RealMouse(window, client);
    if (holding) RealKeys({{holding, true}});
    RealMouse(window, client, MOUSEEVENTF_LEFTDOWN);
    RealMouse(window, client, MOUSEEVENTF_LEFTUP);
    if (holding) RealKeys({{holding, false}});
}

// Presses at a point of one window, moves in two steps to a point of
// another and lets go there. It waits out the double-click time first, so
// that a press where the last one was is no double-click.
inline void RealDrag(HWND from, POINT start, HWND onto, POINT end) {
    Sleep(GetDoubleClickTime() + 50);
    POINT endOnFrom = end;
    MapWindowPoints(onto, from, &endOnFrom, 1);
    RealMouse(from, start);
    RealMouse(from, start, MOUSEEVENTF_LEFTDOWN);
    RealMouse(from, {(start.x + endOnFrom.x) / 2, (start.y + endOnFrom.y) / 2 + 6});
    RealMouse(onto, end);
    RealMouse(onto, end, MOUSEEVENTF_LEFTUP);
}

// Runs the user's steps on a thread of their own once a visible dialog with
// the caption shows. If the steps leave the dialog open, it is closed with
// its close box, and the test fails.
class User {
public:
    User(std::string caption, std::function<void(OpenDialog&)> steps)
        : thread_([this, caption = std::move(caption), steps = std::move(steps)] { Play(caption, steps); }) {}
    ~User() { thread_.join(); }
    User(const User&) = delete;
    User& operator=(const User&) = delete;

private:
    void Play(const std::string& caption, const std::function<void(OpenDialog&)>& steps) {
        HWND found = nullptr;
        bool shown = WaitUntil(
            [&] {
                found = FindWindowA("#32770", caption.c_str());
                return found && IsWindowVisible(found);
            },
            10000);
        if (!shown) {
            ADD_FAILURE() << "no dialog captioned " << caption << " showed";
            return;
        }
        OpenDialog dialog(found);
        steps(dialog);
        if (!WaitUntil([&] { return !IsWindow(found); })) {
            ADD_FAILURE() << "the dialog stayed open after the user's steps";
            PostMessageA(found, WM_CLOSE, 0, 0);
        }
    }

    std::thread thread_;
};

}  // namespace duallist_wine
