#pragma once
// Controls: components with a place, a caption, a font and a cursor, that
// handle messages by number. A control without a window of its own (a
// graphic control) lives on its parent's window, which routes the pointer's
// messages to it and asks it to paint.

#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Graphics.h"
#include "platform/Types.h"

#include <cstdint>
#include <string>

class TWinControl;
using platform::Message;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // --- Place: assigning any of them moves the control ---
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    // The one place a control's bounds change.
    virtual void SetBounds(int left, int top, int width, int height);
    platform::Rect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    // The client area in the control's own coordinates.
    virtual platform::Rect ClientRect() const { return {0, 0, width_, height_}; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    // While true the font follows the parent's.
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }

    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

    // Events, raised by the mouse dispatch.
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnClick;

    // Hands a message to the control; returns its answer once it is handled.
    std::intptr_t Perform(std::uint32_t msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    // The control's dispatch by message number.
    virtual void WndProc(Message& message);

    // Asks for the control's area to be drawn again.
    void Invalidate();
    virtual platform::Point ScreenToClient(platform::Point p) const;
    virtual platform::Point ClientToScreen(platform::Point p) const;

    // Graphic controls draw themselves on their parent's canvas, in the
    // parent's client coordinates.
    virtual bool IsWindowed() const { return false; }
    virtual void Paint(platform::Canvas& canvas) { (void)canvas; }

protected:
    // The standard mouse dispatch calls these; the base raises the events.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void Click();
    // The pointer came over the control, or left it: once per visit.
    virtual void CMMouseEnter(Message& message) { (void)message; }
    virtual void CMMouseLeave(Message& message) { (void)message; }
    // What the control does not handle itself.
    virtual void DefaultHandler(Message& message);

    virtual void BoundsChanged() {}
    virtual void VisibleChanged() {}
    virtual void TextChanged() {}
    virtual void FontChanged() {}

private:
    friend class TWinControl;
    // The parent's font changed: follow it while ParentFont holds.
    void ParentFontChanged(const TFont& font);

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    TWinControl* parent_ = nullptr;
    std::string caption_;
    TFont font_;
    bool parentFont_ = true;
    bool followingParent_ = false;
    TCursor cursor_ = crDefault;
    int helpContext_ = 0;
    bool pressed_ = false;
};

// The shift state a mouse message's wParam flags.
TShiftState KeysToShiftState(std::uintptr_t wParam);
