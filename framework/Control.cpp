#include "framework/Control.h"

#include "framework/Messages.h"
#include "framework/WinControl.h"

TShiftState KeysToShiftState(std::uintptr_t wParam) {
    TShiftState shift;
    if (wParam & MK_SHIFT) shift.Include(ssShift);
    if (wParam & MK_CONTROL) shift.Include(ssCtrl);
    if (wParam & MK_LBUTTON) shift.Include(ssLeft);
    if (wParam & MK_RBUTTON) shift.Include(ssRight);
    if (wParam & MK_MBUTTON) shift.Include(ssMiddle);
    return shift;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
    font_.OnChange = [this](TFont&) {
        if (!followingParent_) parentFont_ = false;  // set on its own: no longer the parent's
        FontChanged();
    };
}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    bool graphicOnParent = !IsWindowed() && parent_ && visible_;
    if (graphicOnParent) Invalidate();  // the old place
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (graphicOnParent) Invalidate();
    BoundsChanged();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (!IsWindowed() && parent_) parent_->InvalidateRect(BoundsRect());
    VisibleChanged();
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (parent_) parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        if (parentFont_) ParentFontChanged(parent_->Font());
    }
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* windowed = dynamic_cast<TWinControl*>(parent)) SetParent(windowed);
}

void TControl::SetCaption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    TextChanged();
}

void TControl::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont_ && parent_) ParentFontChanged(parent_->Font());
}

void TControl::ParentFontChanged(const TFont& font) {
    if (!parentFont_) return;
    followingParent_ = true;
    font_.Assign(font);
    followingParent_ = false;
}

std::intptr_t TControl::Perform(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
    Message message{msg, wParam, lParam};
    WndProc(message);
    return message.result;
}

void TControl::WndProc(Message& m) {
    auto at = platform::UnpackPoint(m.lParam);
    TShiftState shift = KeysToShiftState(m.wParam);
    switch (m.msg) {
        case WM_LBUTTONDOWN: MouseDown(mbLeft, shift, at.x, at.y); break;
        case WM_RBUTTONDOWN: MouseDown(mbRight, shift, at.x, at.y); break;
        case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift, at.x, at.y); break;
        case WM_LBUTTONDBLCLK:
            shift.Include(ssDouble);
            MouseDown(mbLeft, shift, at.x, at.y);
            break;
        case WM_RBUTTONDBLCLK:
            shift.Include(ssDouble);
            MouseDown(mbRight, shift, at.x, at.y);
            break;
        case WM_MBUTTONDBLCLK:
            shift.Include(ssDouble);
            MouseDown(mbMiddle, shift, at.x, at.y);
            break;
        case WM_LBUTTONUP: MouseUp(mbLeft, shift, at.x, at.y); break;
        case WM_RBUTTONUP: MouseUp(mbRight, shift, at.x, at.y); break;
        case WM_MBUTTONUP: MouseUp(mbMiddle, shift, at.x, at.y); break;
        case WM_MOUSEMOVE: MouseMove(shift, at.x, at.y); break;
        case CM_MOUSEENTER: CMMouseEnter(m); break;
        case CM_MOUSELEAVE: CMMouseLeave(m); break;
        default: DefaultHandler(m); break;
    }
}

void TControl::DefaultHandler(Message& message) { message.callDefault = true; }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) pressed_ = true;
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    bool click = button == mbLeft && pressed_ && ClientRect().Contains({x, y});
    if (button == mbLeft) pressed_ = false;
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
    if (click) Click();
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Click() {
    if (OnClick) OnClick(this);
}

void TControl::Invalidate() {
    if (!IsWindowed() && parent_) parent_->InvalidateRect(BoundsRect());
}

platform::Point TControl::ScreenToClient(platform::Point p) const {
    if (!parent_) return {p.x - left_, p.y - top_};
    platform::Point inParent = parent_->ScreenToClient(p);
    return {inParent.x - left_, inParent.y - top_};
}

platform::Point TControl::ClientToScreen(platform::Point p) const {
    if (!parent_) return {p.x + left_, p.y + top_};
    return parent_->ClientToScreen({p.x + left_, p.y + top_});
}
