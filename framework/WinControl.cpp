#include "framework/WinControl.h"

#include "framework/Application.h"
#include "framework/Messages.h"

#include <algorithm>
#include <exception>

namespace {

bool IsPointerMessage(std::uint32_t msg) {
    return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK;
}

bool IsButtonDown(std::uint32_t msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
           msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(std::uint32_t msg) {
    return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP;
}

constexpr std::uintptr_t kButtonFlags = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;
constexpr std::uint16_t HTCLIENT = 1;

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    for (TControl* c : controls_) c->parent_ = nullptr;
    controls_.clear();
    DestroyHandle();
}

platform::Handle TWinControl::Handle() {
    if (!native_) CreateHandle();
    return native_->GetHandle();
}

void TWinControl::CreateParams(platform::WindowSpec& spec) {
    spec.kind = platform::WindowKind::Child;
    spec.parent = Parent() ? Parent()->Handle() : 0;
    spec.caption = Caption();
    spec.bounds = BoundsRect();
    spec.visible = Visible();
    spec.font = Font().Spec();
}

void TWinControl::CreateHandle() {
    platform::WindowSpec spec;
    CreateParams(spec);
    // Shown only once its children have windows: the system activates a form
    // as it shows it, and the activation must find the control to focus.
    bool show = spec.visible;
    spec.visible = false;
    native_ = CreateNative(spec);
    NativeMoved(native_->GetBounds());  // the system may have placed it
    HandleCreated();
    // Windowed children that were made before us get their windows now.
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->native_) w->CreateHandle();
    if (show) native_->SetVisible(true);
}

std::unique_ptr<platform::NativeWindow> TWinControl::CreateNative(const platform::WindowSpec& spec) {
    return platform::Current().CreateNativeWindow(spec, *this);
}

void TWinControl::DestroyHandle() {
    hover_ = capture_ = nullptr;
    native_.reset();
}

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    if (auto* w = dynamic_cast<TWinControl*>(control); w && native_ && !w->native_)
        w->CreateHandle();
    if (!control->IsWindowed()) InvalidateRect(control->BoundsRect());
}

void TWinControl::RemoveControl(TControl* control) {
    if (hover_ == control) hover_ = nullptr;
    if (capture_ == control) capture_ = nullptr;
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (!control->IsWindowed()) InvalidateRect(control->BoundsRect());
}

TControl* TWinControl::GraphicControlAt(platform::Point p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->IsWindowed() && c->Visible() && c->BoundsRect().Contains(p)) return c;
    }
    return nullptr;
}

void TWinControl::InvalidateRect(const platform::Rect& area) {
    if (native_) native_->Invalidate(area);
}

platform::Point TWinControl::ScreenToClient(platform::Point p) const {
    if (native_) return native_->ScreenToClient(p);
    return TControl::ScreenToClient(p);
}

platform::Point TWinControl::ClientToScreen(platform::Point p) const {
    if (native_) return native_->ClientToScreen(p);
    return TControl::ClientToScreen(p);
}

void TWinControl::SetFocus() {
    if (native_) native_->SetFocus();
}

void TWinControl::WndProc(Message& m) {
    switch (m.msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            auto key = static_cast<std::uint16_t>(m.wParam);
            KeyDown(key, {});
            if (key == 0) return;  // consumed
            m.wParam = key;
            DefaultHandler(m);
            return;
        }
        case WM_CHAR: {
            char key = static_cast<char>(m.wParam);
            KeyPress(key);
            if (key == 0) return;
            m.wParam = static_cast<unsigned char>(key);
            DefaultHandler(m);
            return;
        }
        default: TControl::WndProc(m);
    }
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::BoundsChanged() {
    if (native_ && !syncing_) native_->SetBounds(BoundsRect());
}

void TWinControl::VisibleChanged() {
    if (native_) native_->SetVisible(Visible());
}

void TWinControl::TextChanged() {
    if (native_) native_->SetText(Caption());
}

void TWinControl::FontChanged() {
    if (native_) native_->SetFont(Font().Spec());
    for (TControl* c : controls_) c->ParentFontChanged(Font());
}

void TWinControl::NativeMoved(const platform::Rect& bounds) {
    syncing_ = true;
    SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    syncing_ = false;
}

bool TWinControl::WindowMessage(Message& m) {
    // Nothing thrown may cross the system's window procedure: failures go to
    // the application's handler, as for every event.
    try {
        if (IsPointerMessage(m.msg) && RoutePointer(m)) return true;
        if (m.msg == WM_MOUSELEAVE) {
            TrackHover(nullptr);
            return true;
        }
        if (m.msg == WM_SETCURSOR) return SetCursorFor(m);
        WndProc(m);
        return !m.callDefault;
    } catch (const std::exception& e) {
        HandleException(e);
        return true;
    }
}

bool TWinControl::RoutePointer(Message& m) {
    platform::Point at = platform::UnpackPoint(m.lParam);
    TControl* target = capture_ ? capture_ : GraphicControlAt(at);
    if (m.msg == WM_MOUSEMOVE) TrackHover(GraphicControlAt(at));
    if (!target) return false;
    if (IsButtonDown(m.msg)) {
        capture_ = target;
        if (native_) native_->SetCapture(true);
    }
    bool released = IsButtonUp(m.msg) && (m.wParam & kButtonFlags) == 0;
    if (released && capture_) {
        capture_ = nullptr;
        if (native_) native_->SetCapture(false);
    }
    target->Perform(m.msg, m.wParam, platform::PackPoint(at.x - target->Left(), at.y - target->Top()));
    return true;
}

void TWinControl::TrackHover(TControl* now) {
    if (now == hover_) return;
    TControl* before = hover_;
    hover_ = now;
    if (before) before->Perform(CM_MOUSELEAVE);
    if (now) now->Perform(CM_MOUSEENTER);
}

bool TWinControl::SetCursorFor(Message& m) {
    if ((m.lParam & 0xFFFF) != HTCLIENT || !native_) return false;
    auto& os = platform::Current();
    TControl* over = GraphicControlAt(native_->ScreenToClient(os.CursorPos()));
    TCursor cursor = over && over->Cursor() != crDefault ? over->Cursor() : Cursor();
    if (cursor == crDefault) return false;
    os.SetCursorShape(cursor);
    m.result = 1;
    return true;
}

void TWinControl::WindowPaint(platform::Canvas& canvas) {
    for (TControl* c : controls_)
        if (!c->IsWindowed() && c->Visible()) c->Paint(canvas);
}

void TWinControl::WindowMoved(const platform::Rect& bounds) { NativeMoved(bounds); }
