#include "framework/Application.h"

#include "framework/Messages.h"
#include "framework/SysUtils.h"
#include "framework/Synchronize.h"

#include <cstdio>

TApplication* Application = nullptr;

TApplication::TApplication() : TComponent(nullptr) {
    title_ = ChangeFileExt(ExtractFileName(ExeName()), "");
    if (!Application) Application = this;
    BindGuiThread();
    platform::Current().SetWakeHandler(CheckSynchronize);
}

TApplication::~TApplication() {
    // Forms go in the reverse order of their creation, while our window,
    // which owns theirs, still exists.
    DestroyComponents();
    platform::Current().SetWakeHandler(nullptr);
    window_.reset();
    if (Application == this) Application = nullptr;
}

void TApplication::SetTitle(std::string title) {
    title_ = std::move(title);
    if (window_) window_->SetText(title_);
}

platform::Handle TApplication::Handle() { return Window().GetHandle(); }

platform::NativeWindow& TApplication::Window() {
    if (!window_) {
        platform::WindowSpec spec;
        spec.kind = platform::WindowKind::Application;
        spec.caption = title_;
        window_ = platform::Current().CreateNativeWindow(spec, *this);
    }
    return *window_;
}

void TApplication::Run() {
    if (showMainForm_ && mainForm_) mainForm_->Show();
    auto& os = platform::Current();
    while (!terminated_) {
        if (!os.WaitAndDispatch()) break;
    }
    terminated_ = true;
}

void TApplication::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    platform::Current().PostQuit(0);
}

void TApplication::ProcessMessages() {
    if (!platform::Current().DispatchPending()) terminated_ = true;
}

bool TApplication::HelpContext(int context) {
    if (helpFile_.empty()) return false;
    platform::Current().ShowHelp(Handle(), helpFile_, context);
    return true;
}

std::string TApplication::ExeName() const { return ExeFileName(); }

void TApplication::HandleException(const std::exception& e) {
    platform::Current().MessageDlg(title_, e.what(), platform::MsgDlgType::Error,
                                   platform::MsgDlgButtons::Ok, 0);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
}

bool TApplication::WindowMessage(platform::Message& m) {
    try {
        switch (m.msg) {
            case WM_QUERYENDSESSION: m.result = 1; return true;  // never in the way of logging off
            case WM_ENDSESSION:
                if (m.wParam) EndSession();
                return true;
            case WM_CLOSE: return true;  // the application window is no form to close
            default: return false;
        }
    } catch (const std::exception& e) {
        HandleException(e);
        return true;
    }
}

void TApplication::EndSession() {
    // Nothing may run after this message returns: the forms end now, in the
    // order Exit ends them, so that what they keep is written. They are not
    // freed here: the message may arrive inside a menu or a dialog of theirs,
    // still on the stack; the loop's end frees them if the process lives on.
    Terminate();
    for (int i = ComponentCount() - 1; i >= 0; --i)
        if (auto* form = dynamic_cast<TForm*>(Components(i))) form->BeforeDestruction();
}

void HandleException(const std::exception& e) {
    if (Application) Application->HandleException(e);
    else std::fprintf(stderr, "%s\n", e.what());
}
