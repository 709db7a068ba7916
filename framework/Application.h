#pragma once
// The application object: its own hidden window, the forms it owns (the
// first one made is the main form), the message loop, help, and the
// top-level handler that shows a failure's message and goes on.

#include "framework/Component.h"
#include "framework/Forms.h"
#include "platform/NativeWindow.h"

#include <exception>
#include <memory>
#include <string>

class TApplication : public TComponent, private platform::WindowSink {
public:
    // The first application made becomes the program-wide Application.
    TApplication();
    ~TApplication() override;

    void Initialize() {}
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);
    // The application's own window: hidden, the owner of every form.
    platform::Handle Handle();
    platform::NativeWindow& Window();

    // Makes a form owned by the application; the first one is the main form.
    template <class F>
    F* CreateForm() {
        F* form = TComponent::Create<F>(this);
        if (!mainForm_) {
            mainForm_ = form;
            form->HandleNeeded();
        }
        return form;
    }
    TForm* MainForm() const { return mainForm_; }

    // The message loop; it returns once Terminate has been called.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Runs every message that is waiting, then returns.
    void ProcessMessages();

    const std::string& HelpFile() const { return helpFile_; }
    void SetHelpFile(std::string file) { helpFile_ = std::move(file); }
    // Opens the help file at a context number.
    bool HelpContext(int context);

    std::string ExeName() const;

    // Shows a failure's message in a message box titled with Title.
    void HandleException(const std::exception& e);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool WindowMessage(platform::Message& message) override;
    // The end of the session ends the program as Exit does: forms go in order.
    void EndSession();

    std::unique_ptr<platform::NativeWindow> window_;
    std::string title_;
    std::string helpFile_;
    TForm* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
};

extern TApplication* Application;

// The top-level handler: the Application's, or standard error without one.
void HandleException(const std::exception& e);
