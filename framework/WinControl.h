#pragma once
// Windowed controls: a control with a native window, made on first demand,
// that carries child controls. Its window reports input as messages; the
// control routes the pointer's messages to the graphic child under it,
// tells children when the pointer enters and leaves them, and paints them.

#include "framework/Control.h"
#include "platform/NativeWindow.h"

#include <memory>
#include <vector>

class TWinControl : public TControl, protected platform::WindowSink {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The native window, made on first demand (the parent's first).
    platform::Handle Handle();
    bool HandleAllocated() const { return native_ != nullptr; }
    void HandleNeeded() { Handle(); }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }
    // The visible graphic child at a client point, the topmost; null if none.
    TControl* GraphicControlAt(platform::Point p) const;

    void InvalidateRect(const platform::Rect& area);
    platform::Point ScreenToClient(platform::Point p) const override;
    platform::Point ClientToScreen(platform::Point p) const override;
    bool IsWindowed() const override { return true; }
    void SetFocus();

    // Keyboard events; a handler consumes the key by setting it to 0.
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

    void WndProc(Message& message) override;

protected:
    // What the native window is made from; derived classes add their kind.
    virtual void CreateParams(platform::WindowSpec& spec);
    virtual void CreateHandle();
    // The kind of native window this control is; a plain window by default.
    virtual std::unique_ptr<platform::NativeWindow> CreateNative(const platform::WindowSpec& spec);
    // The native window exists now: show it the control's state.
    virtual void HandleCreated() {}
    void DestroyHandle();
    platform::NativeWindow* Native() const { return native_.get(); }

    virtual void KeyDown(std::uint16_t& key, TShiftState shift);
    virtual void KeyPress(char& key);

    void BoundsChanged() override;
    void VisibleChanged() override;
    void TextChanged() override;
    void FontChanged() override;
    // The system moved the window: take its bounds without echoing them.
    virtual void NativeMoved(const platform::Rect& bounds);

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    // From the native window.
    bool WindowMessage(Message& message) override;
    void WindowPaint(platform::Canvas& canvas) override;
    void WindowMoved(const platform::Rect& bounds) override;
    // Pointer messages go to the graphic child under the pointer, or to the
    // child that holds the capture since a press.
    bool RoutePointer(Message& message);
    void TrackHover(TControl* now);
    bool SetCursorFor(Message& message);

    std::unique_ptr<platform::NativeWindow> native_;
    std::vector<TControl*> controls_;
    TControl* hover_ = nullptr;    // graphic child under the pointer
    TControl* capture_ = nullptr;  // graphic child that got the last press
    bool syncing_ = false;         // applying the system's bounds
};
