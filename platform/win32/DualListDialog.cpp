// The modal two-list dialog over the system's list boxes and buttons. It
// keeps no list state of its own: the controller holds the items and their
// selections, and after every command both lists are shown from it again.
// The window is a real dialog (from an empty template made in memory), so
// Tab, Enter, Esc and the default button behave as in every other dialog;
// the controls are made here, in pixels.
#include "platform/win32/Gdi.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <vector>

namespace platform::win32 {
namespace {

enum ControlId : int {
    kLeftLabel = 101,
    kLeftList,
    kRightLabel,
    kRightList,
    kMoveRight,
    kMoveAllRight,
    kMoveLeft,
    kMoveAllLeft,
};

// Layout in pixels, for the program's 12-pixel font.
constexpr int kMargin = 8;
constexpr int kGap = 8;
constexpr int kLabelHeight = 13;
constexpr int kListTop = kMargin + kLabelHeight + 3;
constexpr int kListWidth = 160;
constexpr int kListHeight = 200;
constexpr int kArrowWidth = 32;
constexpr int kArrowHeight = 24;
constexpr int kArrowGap = 4;
constexpr int kArrowGroupGap = 16;  // between the two rightward and the two leftward buttons
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kLeftX = kMargin;
constexpr int kArrowX = kLeftX + kListWidth + kGap;
constexpr int kRightX = kArrowX + kArrowWidth + kGap;
constexpr int kClientWidth = kRightX + kListWidth + kMargin;
constexpr int kButtonTop = kListTop + kListHeight + 12;
constexpr int kClientHeight = kButtonTop + kButtonHeight + kMargin;

constexpr const char* kHookProperty = "HopmarkDualList";

struct ArrowButton {
    ControlId id;
    const char* caption;
    DualListCommand command;
};
constexpr ArrowButton kArrows[] = {
    {kMoveRight, ">", DualListCommand::MoveRight},
    {kMoveAllRight, ">>", DualListCommand::MoveAllRight},
    {kMoveLeft, "<", DualListCommand::MoveLeft},
    {kMoveAllLeft, "<<", DualListCommand::MoveAllLeft},
};

// A dialog with no controls: style and frame only. Its strings (menu, class,
// title) are empty; the title is set once the window exists.
struct alignas(4) EmptyTemplate {
    DLGTEMPLATE header;
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

struct WindowDeleter {
    void operator()(HWND window) const {
        if (IsWindow(window)) DestroyWindow(window);
    }
};
using WindowPtr = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

// The owner stays disabled while the dialog runs, as for every modal dialog.
class OwnerDisabled {
public:
    explicit OwnerDisabled(HWND owner) : owner_(owner && IsWindowEnabled(owner) ? owner : nullptr) {
        if (owner_) EnableWindow(owner_, FALSE);
    }
    ~OwnerDisabled() { Restore(); }
    OwnerDisabled(const OwnerDisabled&) = delete;
    OwnerDisabled& operator=(const OwnerDisabled&) = delete;
    // Before the dialog goes, so that the system activates the owner again.
    void Restore() {
        if (owner_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
        owner_ = nullptr;
    }

private:
    HWND owner_;
};

// A control's place in the dialog's client area.
struct Box {
    int x, y, width, height;
};

POINT PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

class DualListWindow {
public:
    DualListWindow(HWND owner, const DualListTexts& texts, DualListController& controller)
        : owner_(owner), texts_(texts), controller_(controller) {}
    ~DualListWindow() { Destroy(); }
    DualListWindow(const DualListWindow&) = delete;
    DualListWindow& operator=(const DualListWindow&) = delete;

    // Shows the dialog until it is closed; true for OK.
    bool Run() {
        if (!Create()) return false;
        OwnerDisabled disabled(owner_);
        Refresh();
        Place();
        ShowWindow(dialog_.get(), SW_SHOW);
        // From the tray menu no window of ours may be in front: come forward.
        SetForegroundWindow(dialog_.get());
        SetFocus(List(ListSide::Left));
        Loop();
        disabled.Restore();
        Destroy();
        if (failure_) std::rethrow_exception(failure_);
        return ok_;
    }

private:
    // A press on a list: a click, or the start of a drag.
    struct Press {
        ListSide side;
        POINT at;
        int item;
        bool selectOnRelease;  // it was selected already: a click makes it the only one
        bool dragging = false;
    };
    struct Mark {
        HWND list;
        int y;
    };

    bool Create() {
        EmptyTemplate empty{};
        empty.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN;
        dialog_.reset(CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &empty.header, owner_, &DialogProc,
                                                 reinterpret_cast<LPARAM>(this)));
        if (!dialog_) return false;
        SetWindowTextA(dialog_.get(), texts_.title.c_str());

        // Made in tab order.
        Make("STATIC", texts_.label1, kLeftLabel, SS_LEFT, {kLeftX, kMargin, kListWidth, kLabelHeight});
        MakeList(ListSide::Left, kLeftList, kLeftX);
        int y = kListTop + (kListHeight - (4 * kArrowHeight + 2 * kArrowGap + kArrowGroupGap)) / 2;
        for (int i = 0; i < 4; ++i) {
            Make("BUTTON", kArrows[i].caption, kArrows[i].id, BS_PUSHBUTTON | WS_TABSTOP,
                 {kArrowX, y, kArrowWidth, kArrowHeight});
            y += kArrowHeight + (i == 1 ? kArrowGroupGap : kArrowGap);
        }
        Make("STATIC", texts_.label2, kRightLabel, SS_LEFT, {kRightX, kMargin, kListWidth, kLabelHeight});
        MakeList(ListSide::Right, kRightList, kRightX);
        int x = kClientWidth - kMargin - 3 * kButtonWidth - 2 * kButtonGap;
        Make("BUTTON", texts_.ok, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, {x, kButtonTop, kButtonWidth, kButtonHeight});
        x += kButtonWidth + kButtonGap;
        Make("BUTTON", texts_.cancel, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP,
             {x, kButtonTop, kButtonWidth, kButtonHeight});
        x += kButtonWidth + kButtonGap;
        Make("BUTTON", texts_.help, IDHELP, BS_PUSHBUTTON | WS_TABSTOP, {x, kButtonTop, kButtonWidth, kButtonHeight});
        SendMessageA(dialog_.get(), DM_SETDEFID, IDOK, 0);
        return true;
    }

    HWND Make(const char* windowClass, const std::string& text, int id, DWORD style, Box box, DWORD exStyle = 0) {
        HWND control = CreateWindowExA(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, box.x,
                                       box.y, box.width, box.height, dialog_.get(),
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleA(nullptr), nullptr);
        static const HFONT font = FontFor({"ＭＳ Ｐゴシック", -12, SHIFTJIS_CHARSET, 0});
        if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return control;
    }

    void MakeList(ListSide side, int id, int x) {
        HWND list = Make("LISTBOX", "", id,
                         WS_TABSTOP | WS_VSCROLL | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                         {x, kListTop, kListWidth, kListHeight}, WS_EX_CLIENTEDGE);
        if (!list) return;
        SetPropA(list, kHookProperty, this);
        listProc_[Index(side)] = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListProc)));
    }

    void Destroy() {
        if (!dialog_) return;
        done_ = true;
        for (ListSide side : {ListSide::Left, ListSide::Right}) Unhook(List(side));
        dialog_.reset();
    }

    void Unhook(HWND list) {
        if (!list || !GetPropA(list, kHookProperty)) return;
        SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listProc_[Index(SideOf(list))]));
        RemovePropA(list, kHookProperty);
    }

    // Centred over a visible owner, else on the screen, and kept on the screen.
    void Place() {
        DWORD style = static_cast<DWORD>(GetWindowLongA(dialog_.get(), GWL_STYLE));
        DWORD exStyle = static_cast<DWORD>(GetWindowLongA(dialog_.get(), GWL_EXSTYLE));
        RECT frame{0, 0, kClientWidth, kClientHeight};
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
        int width = frame.right - frame.left;
        int height = frame.bottom - frame.top;

        RECT over{};
        bool overOwner = owner_ && IsWindowVisible(owner_) && !IsIconic(owner_) && GetWindowRect(owner_, &over);
        HMONITOR monitor = overOwner ? MonitorFromRect(&over, MONITOR_DEFAULTTONEAREST)
                                     : MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY);
        MONITORINFO info{};
        info.cbSize = sizeof info;
        GetMonitorInfoA(monitor, &info);
        const RECT& work = info.rcWork;
        if (!overOwner) over = work;

        int x = over.left + (over.right - over.left - width) / 2;
        int y = over.top + (over.bottom - over.top - height) / 2;
        x = std::max<int>(work.left, std::min<int>(x, work.right - width));
        y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
        SetWindowPos(dialog_.get(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // The wide loop, as the program's own: the program's other windows (its
    // worker-thread wake-ups among them) go on receiving their messages.
    void Loop() {
        while (!done_) {
            MSG msg;
            BOOL got = GetMessageW(&msg, nullptr, 0, 0);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // the program's loop must end too
                return;
            }
            if (got == -1) return;
            if (press_ && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
                EndPress(false);  // Esc while dragging drops nothing; the dialog stays
                continue;
            }
            if (IsDialogMessageW(dialog_.get(), &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    void End(bool ok) {
        if (done_) return;
        ok_ = ok;
        done_ = true;
        PostMessageW(dialog_.get(), WM_NULL, 0, 0);  // the loop may be waiting
    }

    // Whatever fails inside a message of the system ends the dialog as
    // Cancel and is thrown again once the dialog is gone.
    template <class F>
    void Guarded(F&& f) {
        try {
            f();
        } catch (...) {
            if (!failure_) failure_ = std::current_exception();
            End(false);
        }
    }

    // --- Showing the controller's state ---

    static int Index(ListSide side) { return side == ListSide::Left ? 0 : 1; }
    HWND List(ListSide side) const { return GetDlgItem(dialog_.get(), side == ListSide::Left ? kLeftList : kRightList); }
    ListSide SideOf(HWND list) const { return GetDlgCtrlID(list) == kLeftList ? ListSide::Left : ListSide::Right; }

    void Refresh() {
        Show(ListSide::Left);
        Show(ListSide::Right);
        UpdateButtons();
    }

    void Show(ListSide side) {
        HWND list = List(side);
        std::vector<std::string> items = controller_.Items(side);
        std::vector<int> selection = controller_.Selection(side);
        LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        size_t bytes = 0;
        for (const auto& item : items) bytes += item.size() + 1;
        SendMessageA(list, LB_INITSTORAGE, items.size(), bytes);
        for (const auto& item : items) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        for (int index : selection) SendMessageA(list, LB_SETSEL, TRUE, index);
        SendMessageA(list, LB_SETTOPINDEX, top, 0);
        if (!selection.empty()) {
            // The first selected item in view, and where Shift extends from.
            SendMessageA(list, LB_SETANCHORINDEX, selection.front(), 0);
            SendMessageA(list, LB_SETCARETINDEX, selection.front(), FALSE);
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }

    void UpdateButtons() {
        HWND focus = GetFocus();
        for (const ArrowButton& arrow : kArrows)
            EnableWindow(GetDlgItem(dialog_.get(), arrow.id), controller_.CanRun(arrow.command, focused_));
        // A button that can do nothing more gives the focus to the next control.
        if (focus && IsChild(dialog_.get(), focus) && !IsWindowEnabled(focus)) {
            HWND next = GetNextDlgTabItem(dialog_.get(), focus, FALSE);
            if (next) SendMessageA(dialog_.get(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
        }
    }

    std::vector<int> ListSelection(ListSide side) const {
        HWND list = List(side);
        LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
        std::vector<int> indices(count > 0 ? count : 0);
        if (count > 0) SendMessageA(list, LB_GETSELITEMS, count, reinterpret_cast<LPARAM>(indices.data()));
        return indices;
    }

    // --- The dialog's messages ---

    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_INITDIALOG) {
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            return FALSE;  // the focus is set once the controls exist
        }
        auto* self = reinterpret_cast<DualListWindow*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (!self) return FALSE;
        INT_PTR handled = FALSE;
        self->Guarded([&] { handled = self->DialogMessage(msg, wParam, lParam); });
        return handled;
    }

    INT_PTR DialogMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
        switch (msg) {
            case WM_COMMAND: return Command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            case WM_CLOSE: End(false); return TRUE;  // the close box is Cancel
            case WM_HELP: controller_.Help(); return TRUE;  // F1
            case WM_DESTROY:
                End(false);  // gone with its owner: the loop must not wait for it
                return FALSE;
            default: return FALSE;
        }
    }

    INT_PTR Command(int id, int code, HWND control) {
        switch (id) {
            case IDOK:
                if (code == BN_CLICKED) End(true);
                return TRUE;
            case IDCANCEL:
                if (code == BN_CLICKED) End(false);
                return TRUE;
            case IDHELP:
                if (code == BN_CLICKED) controller_.Help();
                return TRUE;
            case kLeftList:
            case kRightList: {
                ListSide side = SideOf(control);
                if (code == LBN_SETFOCUS) focused_ = side;
                if (code == LBN_SELCHANGE) {
                    // The list box's own selecting (Shift, Ctrl, the keys): the
                    // controller takes it over.
                    controller_.SetSelection(side, ListSelection(side));
                    UpdateButtons();
                }
                return TRUE;
            }
            default: break;
        }
        for (const ArrowButton& arrow : kArrows) {
            if (arrow.id != id || code != BN_CLICKED) continue;
            controller_.Run(arrow.command, focused_);
            Refresh();
            return TRUE;
        }
        return FALSE;
    }

    // --- The list boxes' own messages: clicks, drags, double-clicks, Ctrl+arrows ---

    static LRESULT CALLBACK ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<DualListWindow*>(GetPropA(list, kHookProperty));
        if (!self) return DefWindowProcA(list, msg, wParam, lParam);
        WNDPROC original = self->listProc_[Index(self->SideOf(list))];
        if (msg == WM_NCDESTROY) {
            self->Unhook(list);
            return CallWindowProcA(original, list, msg, wParam, lParam);
        }
        if (msg == WM_PAINT && !wParam && self->mark_ && self->mark_->list == list) {
            // While the mark stands on it, the list box paints into our DC
            // and the mark goes over that.
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(list, &ps);
            CallWindowProcA(original, list, msg, reinterpret_cast<WPARAM>(dc), 0);
            self->PaintMark(dc);
            EndPaint(list, &ps);
            return 0;
        }
        bool handled = false;
        self->Guarded([&] { handled = self->ListMessage(list, msg, wParam, lParam); });
        if (handled) return 0;
        return CallWindowProcA(original, list, msg, wParam, lParam);
    }

    bool ListMessage(HWND list, UINT msg, WPARAM wParam, LPARAM lParam) {
        ListSide side = SideOf(list);
        switch (msg) {
            case WM_LBUTTONDOWN: return ButtonDown(side, PointOf(lParam), wParam);
            case WM_MOUSEMOVE:
                if (!press_) return false;
                PointerMoved(PointOf(lParam));
                return true;
            case WM_LBUTTONUP:
                if (!press_) return false;
                EndPress(true, PointOf(lParam));
                return true;
            case WM_CAPTURECHANGED:
                if (press_ && reinterpret_cast<HWND>(lParam) != list) EndPress(false);
                return false;
            case WM_LBUTTONDBLCLK: {
                int item = ItemAt(list, PointOf(lParam));
                if (item < 0) return false;
                controller_.MoveItem(side, item);
                Refresh();
                return true;
            }
            case WM_KEYDOWN:
                if ((wParam == VK_UP || wParam == VK_DOWN) && GetKeyState(VK_CONTROL) < 0) {
                    controller_.Run(wParam == VK_UP ? DualListCommand::MoveUp : DualListCommand::MoveDown, side);
                    Refresh();
                    return true;
                }
                return false;
            default: return false;
        }
    }

    // The item under a point of a list's client area; -1 when none is.
    static int ItemAt(HWND list, POINT at) {
        LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
        LRESULT found = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y));
        int index = LOWORD(found);
        if (HIWORD(found) || index >= count) return -1;
        RECT item{};
        SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        return PtInRect(&item, at) ? index : -1;
    }

    // A press on an item takes it (a press on a selected one keeps the
    // selection, to be dragged); with Shift or Ctrl, or beside the items,
    // the list box selects as it always does.
    bool ButtonDown(ListSide side, POINT at, WPARAM keys) {
        HWND list = List(side);
        if (keys & (MK_SHIFT | MK_CONTROL)) return false;
        int item = ItemAt(list, at);
        if (item < 0) return false;
        SetFocus(list);
        std::vector<int> selection = controller_.Selection(side);
        bool selected = std::find(selection.begin(), selection.end(), item) != selection.end();
        if (!selected) {
            controller_.SetSelection(side, {item});
            Show(side);
            UpdateButtons();
        }
        SendMessageA(list, LB_SETANCHORINDEX, item, 0);
        SendMessageA(list, LB_SETCARETINDEX, item, FALSE);
        press_ = Press{side, at, item, selected};
        SetCapture(list);
        return true;
    }

    void PointerMoved(POINT at) {
        Press& press = *press_;
        if (!press.dragging) {
            if (std::abs(at.x - press.at.x) < GetSystemMetrics(SM_CXDRAG) &&
                std::abs(at.y - press.at.y) < GetSystemMetrics(SM_CYDRAG))
                return;
            press.dragging = true;
        }
        HWND source = List(press.side);
        if (Beyond(source, at)) {
            HideMark();  // the scrolling would carry it along
            ScrollTowards(source, at);
        }
        std::optional<ListSide> target = TargetAt(press.side, at);
        SetCursor(LoadCursorA(nullptr, target ? IDC_ARROW : IDC_NO));
        if (target) ShowMark(List(*target), DropIndex(press.side, *target, at));
        else HideMark();
    }

    // The press ends: with drop, at its place; without, nothing moves.
    void EndPress(bool drop, POINT at = {}) {
        Press press = *press_;
        press_.reset();
        HideMark();
        if (GetCapture() == List(press.side)) ReleaseCapture();
        if (!drop) return;
        if (!press.dragging) {
            if (press.selectOnRelease) {
                controller_.SetSelection(press.side, {press.item});
                Show(press.side);
                UpdateButtons();
            }
            return;
        }
        std::optional<ListSide> target = TargetAt(press.side, at);
        if (!target) return;
        controller_.Drop(press.side, *target, DropIndex(press.side, *target, at));
        Refresh();
        SetFocus(List(*target));
    }

    // Which list a point of the source list's client area is over.
    std::optional<ListSide> TargetAt(ListSide source, POINT at) const {
        POINT screen = at;
        ClientToScreen(List(source), &screen);
        for (ListSide side : {ListSide::Left, ListSide::Right}) {
            RECT r{};
            GetWindowRect(List(side), &r);
            if (PtInRect(&r, screen)) return side;
        }
        return std::nullopt;
    }

    // Onto the other list the items go at its end; within their own list
    // before the item whose upper half is pointed at.
    int DropIndex(ListSide source, ListSide target, POINT at) const {
        HWND list = List(target);
        int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        if (target != source) return count;
        POINT local = at;
        MapWindowPoints(List(source), list, &local, 1);
        int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
        for (int i = top; i < count; ++i) {
            RECT item{};
            SendMessageA(list, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
            if (local.y < (item.top + item.bottom) / 2) return i;
        }
        return count;
    }

    // Just above or below a list's client area, within its width.
    static bool Beyond(HWND list, POINT at) {
        RECT client{};
        GetClientRect(list, &client);
        return at.x >= client.left && at.x < client.right && (at.y < client.top || at.y >= client.bottom);
    }

    // Dragging above or below the list scrolls it, one item per move.
    static void ScrollTowards(HWND list, POINT at) {
        LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
        if (at.y < 0) {
            if (top > 0) SendMessageA(list, LB_SETTOPINDEX, top - 1, 0);
        } else {
            SendMessageA(list, LB_SETTOPINDEX, top + 1, 0);
        }
        UpdateWindow(list);
    }

    // The insert mark: a line where the items would go, drawn over the list
    // box's own painting so that no repaint loses it.
    void ShowMark(HWND list, int before) {
        int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        RECT client{};
        GetClientRect(list, &client);
        int y = 0;
        if (count > 0) {
            RECT item{};
            bool after = before >= count;
            SendMessageA(list, LB_GETITEMRECT, after ? count - 1 : before, reinterpret_cast<LPARAM>(&item));
            y = after ? item.bottom : item.top;
        }
        y = std::max<int>(1, std::min<int>(y, client.bottom - 1));
        if (mark_ && mark_->list == list && mark_->y == y) return;
        HideMark();
        mark_ = Mark{list, y};
        RepaintMark();
    }

    void HideMark() {
        if (!mark_) return;
        Mark old = *mark_;
        mark_.reset();
        RepaintMark(old);
    }

    void RepaintMark() { RepaintMark(*mark_); }
    static void RepaintMark(const Mark& mark) {
        RECT strip = MarkStrip(mark);
        InvalidateRect(mark.list, &strip, TRUE);
        UpdateWindow(mark.list);
    }

    static RECT MarkStrip(const Mark& mark) {
        RECT client{};
        GetClientRect(mark.list, &client);
        return {0, mark.y - 1, client.right, mark.y + 1};
    }

    // After the list box has painted itself.
    void PaintMark(HDC dc) const {
        RECT strip = MarkStrip(*mark_);
        FillRect(dc, &strip, GetSysColorBrush(COLOR_WINDOWTEXT));
    }

    HWND owner_;
    const DualListTexts& texts_;
    DualListController& controller_;
    WindowPtr dialog_;
    WNDPROC listProc_[2] = {};
    ListSide focused_ = ListSide::Left;
    std::optional<Press> press_;
    std::optional<Mark> mark_;
    bool done_ = false;
    bool ok_ = false;
    std::exception_ptr failure_;
};

}  // namespace

bool Win32Platform::RunDualListDialog(Handle owner, const DualListTexts& texts, DualListController& controller) {
    DualListWindow dialog(reinterpret_cast<HWND>(owner), texts, controller);
    return dialog.Run();
}

}  // namespace platform::win32
