#include "framework/Forms.h"

#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/FormReader.h"
#include "framework/Messages.h"

#include <exception>

TForm::TForm(TComponent* owner) : TWinControl(owner) { SetVisible(false); }

TForm::~TForm() {
    // The components' windows are children of ours: they go first.
    DestroyComponents();
}

void TForm::AfterConstruction() {
    if (!OnCreate) return;
    try {
        OnCreate(this);
    } catch (const std::exception& e) {
        HandleException(e);  // the form exists all the same
    }
}

void TForm::BeforeDestruction() {
    // Once only: the end of a session runs it early, the destruction then
    // finds it done.
    if (destroyRun_ || !OnDestroy) return;
    destroyRun_ = true;
    try {
        OnDestroy(this);
    } catch (const std::exception& e) {
        HandleException(e);
    }
}

void TForm::ReadDescription(std::string_view description, const HandlerTable& handlers) {
    FormReader(*this, handlers).Read(description);
}

void TForm::Show() {
    SetVisible(true);
    if (Native()) Native()->SetVisible(true);  // brings it to the front again when shown
    else HandleNeeded();
}

void TForm::Hide() { SetVisible(false); }

void TForm::Close() {
    if (Application && Application->MainForm() == this) Application->Terminate();
    else Hide();
}

void TForm::SetClientWidth(int width) {
    clientWidth_ = width;
    if (!IsLoading() && Native()) SetWidth(width + (Width() - Native()->ClientSize().width));
}

void TForm::SetClientHeight(int height) {
    clientHeight_ = height;
    if (!IsLoading() && Native()) SetHeight(height + (Height() - Native()->ClientSize().height));
}

void TForm::CreateParams(platform::WindowSpec& spec) {
    TWinControl::CreateParams(spec);
    spec.kind = platform::WindowKind::Form;
    spec.parent = Application ? Application->Handle() : 0;
    spec.clientSize = {clientWidth_, clientHeight_};
    spec.defaultPosition = (position_ == poDefault || position_ == poDefaultPosOnly) && !movedSinceLoading_;
    spec.border = static_cast<platform::FormBorder>(borderStyle_);
    spec.borderIcons = borderIcons_;
}

void TForm::BoundsChanged() {
    if (!IsLoading()) movedSinceLoading_ = true;  // the program placed it: that place wins
    TWinControl::BoundsChanged();
}

void TForm::NativeMoved(const platform::Rect& bounds) {
    bool moved = movedSinceLoading_;
    TWinControl::NativeMoved(bounds);
    movedSinceLoading_ = moved;
    if (Native()) {
        platform::Size client = Native()->ClientSize();
        clientWidth_ = client.width;
        clientHeight_ = client.height;
    }
}

void TForm::WndProc(Message& m) {
    if (m.msg == WM_CLOSE) {
        Close();
        return;
    }
    if (m.msg == WM_ACTIVATE && (m.wParam & 0xFFFF) != 0) {
        FocusFirstControl();
        return;
    }
    TWinControl::WndProc(m);
}

void TForm::FocusFirstControl() {
    // The keyboard goes to the first visible windowed control, as Tab order 0 would.
    for (int i = 0; i < ControlCount(); ++i) {
        auto* control = dynamic_cast<TWinControl*>(Controls(i));
        if (control && control->Visible()) {
            control->SetFocus();
            return;
        }
    }
}

void TForm::MissingPart(std::string_view name) const {
    throw EReadError("Form " + Name() + " has no component " + std::string(name) + " of the kind its code needs");
}
