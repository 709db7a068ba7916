#pragma once
// Native windows. The framework object that owns one is its sink: the window
// reports input and system requests to it as messages and asks it to paint;
// the framework tells the window what to show. Destroying the object
// destroys the window.

#include "platform/Types.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void FillRect(const Rect& rect, Color color) = 0;
    // Text with its top-left corner at origin, clipped to clip.
    virtual void DrawString(Point origin, const Rect& clip, const std::string& text,
                            const FontSpec& font, Color color) = 0;
};

class WindowSink {
public:
    virtual ~WindowSink() = default;
    // A message for the window. True when handled (message.result is the
    // answer); false lets the system's default behaviour run.
    virtual bool WindowMessage(Message& message) = 0;
    // The window's content needs drawing; the system has drawn the background.
    virtual void WindowPaint(Canvas& canvas) { (void)canvas; }
    // The system moved or sized the window: outer bounds, in screen
    // coordinates for top-level windows and parent client ones for children.
    virtual void WindowMoved(const Rect& bounds) { (void)bounds; }
};

enum class WindowKind {
    Application,  // hidden top-level window that stands for the program
    Form,         // top-level window with a frame
    Child,        // plain child window that draws nothing of its own
};

enum class FormBorder { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

enum BorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

struct WindowSpec {
    WindowKind kind = WindowKind::Child;
    Handle parent = 0;  // the parent of a child, the owner of a top-level window
    std::string caption;
    Rect bounds;             // outer bounds; for a form, left/top and the client size below
    Size clientSize;         // forms: the client area the frame is made around
    bool defaultPosition = false;  // forms: the system picks left and top
    bool visible = false;
    FormBorder border = FormBorder::Sizeable;
    unsigned borderIcons = biSystemMenu | biMinimize | biMaximize;
    FontSpec font;
};

class NativeWindow {
public:
    virtual ~NativeWindow() = default;
    virtual Handle GetHandle() const = 0;
    virtual void SetBounds(const Rect& bounds) = 0;  // outer bounds
    virtual Rect GetBounds() const = 0;
    virtual Size ClientSize() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetFont(const FontSpec& font) = 0;
    virtual void Invalidate(const Rect& area) = 0;  // client coordinates
    virtual Point ScreenToClient(Point p) const = 0;
    virtual Point ClientToScreen(Point p) const = 0;
    virtual void SetCapture(bool capture) = 0;
    virtual void SetFocus() = 0;
    // GetWindowLongA / SetWindowLongA, for the styles.
    virtual long GetLong(int index) const = 0;
    virtual void SetLong(int index, long value) = 0;
};

// An editable drop-down combo box: an edit field over a list. It reports to
// its sink the edit's keys (WM_KEYDOWN, WM_CHAR) and its notifications as
// CN_COMMAND (0xBD11) with the code in the high word of wParam: the user
// changed the selection (CBN_SELCHANGE, 1) or the edit text (CBN_EDITCHANGE, 5).
class NativeComboBox : public NativeWindow {
public:
    // Replaces every item, with the list's storage reserved first.
    virtual void SetItems(const std::vector<std::string>& items) = 0;
    virtual void InsertItem(int index, const std::string& item) = 0;
    virtual void DeleteItem(int index) = 0;
    // Selects an item in the list and shows it in the edit; -1 selects none.
    virtual void SetItemIndex(int index) = 0;
    // The list's selection, as the user left it.
    virtual int ItemIndex() const = 0;
    virtual void SetEditText(const std::string& text) = 0;
    virtual std::string EditText() const = 0;
    // Selects bytes of the edit text (start 0-based).
    virtual void SetEditSelection(int start, int length) = 0;
    // True while an input method composes text that is not committed yet.
    virtual bool Composing() const = 0;
    virtual void SetItemHeight(int height) = 0;
};

}  // namespace platform
