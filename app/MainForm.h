#pragma once
// The keyword window: the user picks or types a keyword, and its address
// opens at once or waits on the label. It holds the keyword list and keeps
// the program's settings between runs.

#include "framework/Forms.h"
#include "framework/Handlers.h"

#include <cstdint>

class DOveVA;
class TComboBox98;
class TDualListDialog;
class TLabel;
class TURLLabel;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);

    TURLLabel* ulbURL = nullptr;
    TComboBox98* cbxKanjiList = nullptr;
    DOveVA* IniGT = nullptr;
    TLabel* Label1 = nullptr;
    TDualListDialog* DualListDialog = nullptr;

    void FormCreate(TObject* sender);
    void FormDestroy(TObject* sender);
    // The keyword action.
    void cbxKanjiListClick(TObject* sender);
    void cbxKanjiListKeyDown(TObject* sender, std::uint16_t& key, TShiftState shift);
    void cbxKanjiListKeyPress(TObject* sender, char& key);
    void ulbURLMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);

    // The list in a new order, built by the user in the two-list dialog.
    void ReorderList();

private:
    void LoadSettings();
    void SaveSettings();

    HandlerTable handlers_;
    // The key-down of Enter or Esc ran its action: the character the same
    // press makes must not run it again.
    std::uint16_t keyDone_ = 0;
};

// The keyword window, from its creation at start-up until the program ends.
extern TForm1* Form1;
