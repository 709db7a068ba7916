#include "components/URLLabel/URLLabel.h"

#include "framework/WinControl.h"
#include "platform/Platform.h"

namespace {

constexpr int kShowCommand = 5;  // SW_SHOW

}  // namespace

TURLLabel::TURLLabel(TComponent* owner) : TLabel(owner) { SetCursor(crHandPoint); }

void TURLLabel::SetHotTrack(bool hotTrack) {
    if (hotTrack == hotTrack_) return;
    hotTrack_ = hotTrack;
    Invalidate();
}

void TURLLabel::SetHotColor(TColor color) {
    if (color == hotColor_) return;
    hotColor_ = color;
    Invalidate();
}

void TURLLabel::SetPushedColor(TColor color) {
    if (color == pushedColor_) return;
    pushedColor_ = color;
    Invalidate();
}

void TURLLabel::CMMouseEnter(Message& message) {
    TLabel::CMMouseEnter(message);
    if (!hotTrack_) return;
    normalColor_ = Font().Color();
    ShowColor(hotColor_);
}

void TURLLabel::CMMouseLeave(Message& message) {
    TLabel::CMMouseLeave(message);
    if (!hotTrack_) return;
    ShowColor(normalColor_);
}

void TURLLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    // OnMouseDown runs first; if it throws, the press ends there.
    TLabel::MouseDown(button, shift, x, y);
    if (hotTrack_) ShowColor(pushedColor_);
    if (executable_) {
        // Every button, modifier and position launches alike; a failure is silent.
        platform::Current().ShellOpen(OwnerWindow(), "OPEN", Caption(), "", "", kShowCommand);
    }
}

void TURLLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TLabel::MouseUp(button, shift, x, y);
    if (!hotTrack_) return;
    // Where the pointer is now decides, not the message's point: a press
    // captures the pointer, and a release may be reported from anywhere.
    platform::Point at = ScreenToClient(platform::Current().CursorPos());
    ShowColor(ClientRect().Contains(at) ? hotColor_ : normalColor_);
}

void TURLLabel::ShowColor(TColor color) {
    Font().SetColor(color);
    Invalidate();
}

platform::Handle TURLLabel::OwnerWindow() const {
    // The label has no window; the top of its parent chain is the form.
    // Its window is not made just for the launch.
    TWinControl* top = Parent();
    while (top && top->Parent()) top = top->Parent();
    return top && top->HandleAllocated() ? top->Handle() : 0;
}
