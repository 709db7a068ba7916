#pragma once
// The whole program on the fake: started as the entry starts it, played as
// a user plays it (tray clicks, typing, menus), ended as Exit ends it.

#include "app/MainForm.h"
#include "app/Program.h"
#include "app/TrayForm.h"
#include "components/TrayIcon/TrayIcon.h"
#include "components/URLLabel/URLLabel.h"
#include "framework/Application.h"
#include "framework/ComboBox98.h"
#include "framework/Menus.h"
#include "framework/Messages.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace hopmark_test {

using platform::fake::Fake;

constexpr const char* kExe = "C:\\Tools\\hopmark.exe";
constexpr const char* kSettings = "C:\\Tools\\Hopmark.ini";
constexpr const char* kBase = "http://ja.wikipedia.org/wiki/";

class HopmarkTest : public testing::Test {
protected:
    void SetUp() override { Fake().exePath = kExe; }
    void TearDown() override { Exit(); }

    void Start() {
        app = std::make_unique<TApplication>();
        StartHopmark(*app);
    }
    // The orderly end, as after Exit: the keyword window goes first.
    void Exit() {
        app.reset();
        Form1 = nullptr;
        Form2 = nullptr;
    }
    void Restart() {
        Exit();
        Fake().trayCalls.clear();
        Fake().shellCalls.clear();
        Start();
    }

    // The shell's callback for the tray icon, as a button press over it.
    void TrayCallback(std::uint32_t mouseMessage) {
        ASSERT_FALSE(Fake().trayCalls.empty());
        const auto& added = Fake().trayCalls.front().data;
        Fake().Deliver(added.hWnd, added.uCallbackMessage, added.uID, mouseMessage);
    }
    void LeftClickTray() {
        TrayCallback(WM_LBUTTONDOWN);
        TrayCallback(WM_LBUTTONUP);
    }
    // A right click on the icon, choosing the menu entry with that caption.
    void ChooseFromTrayMenu(const std::string& caption) {
        Fake().menuChoices = {EntryIndex(caption)};
        TrayCallback(WM_RBUTTONDOWN);
        TrayCallback(WM_RBUTTONUP);
    }
    int EntryIndex(const std::string& caption) {
        const TMenuItem& items = Form2->PmRight->Items();
        for (int i = 0; i < items.Count(); ++i)
            if (items.Items(i)->Caption() == caption) return i;
        ADD_FAILURE() << "no menu entry " << caption;
        return -1;
    }

    platform::Handle Combo() { return Form1->cbxKanjiList->Handle(); }
    void Type(const std::string& text) { Fake().TypeText(Combo(), text); }
    void Press(std::uint16_t key) { Fake().PressKey(Combo(), key); }
    // Replaces the edit's text as the user would: select all, type anew.
    void Retype(const std::string& text) {
        auto* combo = Fake().ComboBox(Combo());
        combo->SetEditSelection(0, static_cast<int>(combo->editText.size()));
        Type(text);
    }

    std::vector<std::string> Launched() const {
        std::vector<std::string> files;
        for (const auto& call : Fake().shellCalls) files.push_back(call.file);
        return files;
    }
    std::vector<std::string> Keywords() const { return Form1->cbxKanjiList->Items().ToVector(); }
    // Asks without making the window: the program makes it at its first showing.
    bool KeywordWindowShown() const {
        return Form1->HandleAllocated() && Fake().Window(Form1->Handle())->visible;
    }
    std::string Settings() const {
        auto it = Fake().files.find(kSettings);
        return it == Fake().files.end() ? std::string() : it->second;
    }

    std::unique_ptr<TApplication> app;
};

}  // namespace hopmark_test
