#include "app/TrayForm.h"

#include "app/MainForm.h"
#include "components/TrayIcon/TrayIcon.h"
#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Menus.h"

#include <string>

extern const char kTrayFormDescription[];

TForm2* Form2 = nullptr;

const char kAboutText[] =
    "Hopmark キーワード ジャンプ ユーティリティ\r\n"
    "Hopmark Ver 1.0\r\n"
    "Copyright (C) 2026 Hopmark developers\r\n"
    "\r\n"
    "E-mail: hopmark@example.org\r\n"
    "http://example.org/hopmark/";

TForm2::TForm2(TComponent* owner) : TForm(owner) {
    handlers_.Add("TrayIconMouseDown", this, &TForm2::TrayIconMouseDown)
        .Add("PmRListClick", this, &TForm2::PmRListClick)
        .Add("PmRHideAfterJumpClick", this, &TForm2::PmRHideAfterJumpClick)
        .Add("Help1Click", this, &TForm2::Help1Click)
        .Add("Hopmark1Click", this, &TForm2::Hopmark1Click)
        .Add("Exit1Click", this, &TForm2::Exit1Click);
    ReadDescription(kTrayFormDescription, handlers_);
    TrayIcon = Part<TTrayIcon>("TrayIcon");
    PmRight = Part<TPopupMenu>("PmRight");
    Exit1 = Part<TMenuItem>("Exit1");
    N1 = Part<TMenuItem>("N1");
    PmRList = Part<TMenuItem>("PmRList");
    PmRHideAfterJump = Part<TMenuItem>("PmRHideAfterJump");
    Hopmark1 = Part<TMenuItem>("Hopmark1");
    Help1 = Part<TMenuItem>("Help1");
    N2 = Part<TMenuItem>("N2");
}

void TForm2::TrayIconMouseDown(TObject*, TMouseButton button, TShiftState, int, int) {
    if (button != mbLeft) return;
    Form1->Show();
    platform::Current().SetForegroundWindow(Form1->Handle());
}

void TForm2::PmRListClick(TObject*) { Form1->ReorderList(); }

void TForm2::PmRHideAfterJumpClick(TObject*) { PmRHideAfterJump->SetChecked(!PmRHideAfterJump->Checked()); }

void TForm2::Help1Click(TObject*) { Application->HelpContext(2); }

void TForm2::Hopmark1Click(TObject*) { ShowMessage(kAboutText); }

void TForm2::Exit1Click(TObject*) { Close(); }
