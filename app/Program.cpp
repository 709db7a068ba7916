#include "app/Program.h"

#include "app/MainForm.h"
#include "app/TrayForm.h"
#include "components/IniGT/IniGTClass.h"
#include "components/TrayIcon/TrayIconClass.h"
#include "components/URLLabel/URLLabelClass.h"
#include "framework/Application.h"
#include "framework/DualListDialog.h"

#include <exception>

namespace {

constexpr const char* kInstanceName = "hVeltHopmarkInst";
constexpr int GWL_EXSTYLE = -20;
constexpr long WS_EX_TOOLWINDOW = 0x80;

}  // namespace

void StartHopmark(TApplication& app) {
    app.Initialize();
    app.SetShowMainForm(false);
    // No taskbar button and no place in the task switcher.
    platform::NativeWindow& window = app.Window();
    window.SetLong(GWL_EXSTYLE, window.GetLong(GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    app.SetTitle("Hopmark");
    RegisterClasses({&TTrayIconClass(), &TURLLabelClass(), &DOveVAClass(), &TDualListDialogClass()});
    // The tray menu window first: it becomes the main window, and the
    // keyword window reads its check mark while it is made.
    Form2 = app.CreateForm<TForm2>();
    Form1 = app.CreateForm<TForm1>();
    window.SetVisible(false);
}

int RunHopmark() {
    // A second start ends at once and leaves no trace.
    auto instance = platform::Current().TakeInstanceName(kInstanceName);
    if (!instance) return 0;

    TApplication app;
    try {
        StartHopmark(app);
        app.Run();
    } catch (const std::exception& e) {
        app.HandleException(e);
    }
    // The application frees the keyword window (it saves the settings) and
    // then the tray menu window (its icon leaves the tray).
    return 0;
}
