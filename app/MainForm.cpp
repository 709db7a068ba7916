#include "app/MainForm.h"

#include "app/Keyword.h"
#include "app/TrayForm.h"
#include "components/IniGT/IniGT.h"
#include "components/URLLabel/URLLabel.h"
#include "framework/Application.h"
#include "framework/ComboBox98.h"
#include "framework/DualListDialog.h"
#include "framework/Menus.h"
#include "framework/Messages.h"
#include "framework/StdCtrls.h"
#include "framework/SysUtils.h"

#include <string>

extern const char kMainFormDescription[];

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    handlers_.Add("FormCreate", this, &TForm1::FormCreate)
        .Add("FormDestroy", this, &TForm1::FormDestroy)
        .Add("cbxKanjiListClick", this, &TForm1::cbxKanjiListClick)
        .Add("cbxKanjiListKeyDown", this, &TForm1::cbxKanjiListKeyDown)
        .Add("cbxKanjiListKeyPress", this, &TForm1::cbxKanjiListKeyPress)
        .Add("ulbURLMouseDown", this, &TForm1::ulbURLMouseDown);
    ReadDescription(kMainFormDescription, handlers_);
    ulbURL = Part<TURLLabel>("ulbURL");
    cbxKanjiList = Part<TComboBox98>("cbxKanjiList");
    IniGT = Part<DOveVA>("IniGT");
    Label1 = Part<TLabel>("Label1");
    DualListDialog = Part<TDualListDialog>("DualListDialog");
}

void TForm1::FormCreate(TObject*) {
    Application->SetHelpFile(ChangeFileExt(Application->ExeName(), ".hlp"));
    ulbURL->SetCaption(std::string(kBaseAddress));
    LoadSettings();
}

void TForm1::FormDestroy(TObject*) { SaveSettings(); }

void TForm1::LoadSettings() {
    IniGT->ReadPosition("WINDOW", "MAINFORM", *this);
    Form2->PmRHideAfterJump->SetChecked(IniGT->ReadBool("WINDOW", "HIDE_AFTER_JUMP", true));
    IniGT->ReadStrings("LIST", "HOPMARK_LIST", cbxKanjiList->Items());
    cbxKanjiList->SetItemIndex(IniGT->ReadInteger("CONFIG", "LAST_SELECT", -1));
    if (cbxKanjiList->ItemIndex() >= 0) ulbURL->SetCaption(std::string(kBaseAddress) + cbxKanjiList->Text());
}

void TForm1::SaveSettings() {
    IniGT->WritePosition("WINDOW", "MAINFORM", *this);
    IniGT->WriteBool("WINDOW", "HIDE_AFTER_JUMP", Form2->PmRHideAfterJump->Checked());
    IniGT->WriteStrings("LIST", "HOPMARK_LIST", cbxKanjiList->Items());
    IniGT->WriteInteger("CONFIG", "LAST_SELECT", cbxKanjiList->ItemIndex());
}

void TForm1::cbxKanjiListClick(TObject*) {
    std::string keyword = KeywordOf(cbxKanjiList->Text());
    if (keyword.empty()) return;
    if (cbxKanjiList->Items().IndexOf(keyword) < 0) cbxKanjiList->Items().Add(keyword);
    if (keyword.front() == '-') return;  // kept in the list, no jump
    ulbURL->SetCaption(std::string(kBaseAddress) + keyword);
    if (Form2->PmRHideAfterJump->Checked()) ulbURL->Perform(WM_LBUTTONDOWN, 0, 0);
}

void TForm1::cbxKanjiListKeyDown(TObject*, std::uint16_t& key, TShiftState) {
    keyDone_ = 0;
    if (key == VK_RETURN) {
        key = 0;
        keyDone_ = VK_RETURN;
        cbxKanjiListClick(cbxKanjiList);
    } else if (key == VK_ESCAPE) {
        key = 0;
        keyDone_ = VK_ESCAPE;
        Close();
    }
}

void TForm1::cbxKanjiListKeyPress(TObject*, char& key) {
    bool sameAsKeyDown = static_cast<unsigned char>(key) == keyDone_;
    keyDone_ = 0;
    if (key == '\r') {
        if (!sameAsKeyDown) cbxKanjiListClick(cbxKanjiList);
        key = 0;
    } else if (key == '\x1b') {
        if (!sameAsKeyDown) Close();
        key = 0;
    }
}

void TForm1::ulbURLMouseDown(TObject*, TMouseButton, TShiftState, int, int) { Hide(); }

void TForm1::ReorderList() {
    DualListDialog->List1() = cbxKanjiList->Items();
    if (DualListDialog->Execute()) cbxKanjiList->Items() = DualListDialog->List2();
}
