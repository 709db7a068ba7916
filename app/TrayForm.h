#pragma once
// The tray menu window: the application's main window, never shown. It
// carries the notification-area icon and its menu.

#include "framework/Forms.h"
#include "framework/Handlers.h"

class TMenuItem;
class TPopupMenu;
class TTrayIcon;

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);

    TTrayIcon* TrayIcon = nullptr;
    TPopupMenu* PmRight = nullptr;
    TMenuItem* Exit1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* PmRList = nullptr;
    // Its check mark is the hide-after-jump option.
    TMenuItem* PmRHideAfterJump = nullptr;
    TMenuItem* Hopmark1 = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* N2 = nullptr;

    void TrayIconMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void PmRListClick(TObject* sender);
    void PmRHideAfterJumpClick(TObject* sender);
    void Help1Click(TObject* sender);
    void Hopmark1Click(TObject* sender);
    void Exit1Click(TObject* sender);

private:
    HandlerTable handlers_;
};

// The About box's six lines.
extern const char kAboutText[];

// The tray menu window, from its creation at start-up until the program ends.
extern TForm2* Form2;
