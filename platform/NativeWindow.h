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

}  // namespace platform
