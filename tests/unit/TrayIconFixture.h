#pragma once
// What the tray icon tests share: an application, a form that owns the
// icons, an image to show, an event journal, and the fake as the shell.

#include "common/Bytes.h"
#include "components/TrayIcon/CallbackWindow.h"
#include "components/TrayIcon/TrayIcon.h"
#include "framework/Application.h"
#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "framework/Menus.h"
#include "framework/Strings.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trayicon_test {

using platform::TrayRequest;

// "タスクトレイにアイコンを登録できません。" in code page 932, byte for byte.
inline std::string CannotRegisterMessage() {
    return Bytes({0x83, 0x5E, 0x83, 0x58, 0x83, 0x4E, 0x83, 0x67, 0x83, 0x8C, 0x83, 0x43, 0x82, 0xC9,
                  0x83, 0x41, 0x83, 0x43, 0x83, 0x52, 0x83, 0x93, 0x82, 0xF0, 0x93, 0x6F, 0x98, 0x5E,
                  0x82, 0xC5, 0x82, 0xAB, 0x82, 0xDC, 0x82, 0xB9, 0x82, 0xF1, 0x81, 0x42});
}

inline std::string ShiftText(TShiftState shift) {
    std::string text;
    auto add = [&](TShiftFlag flag, const char* name) {
        if (!shift.Contains(flag)) return;
        if (!text.empty()) text += ",";
        text += name;
    };
    add(ssLeft, "ssLeft");
    add(ssRight, "ssRight");
    add(ssMiddle, "ssMiddle");
    add(ssShift, "ssShift");
    add(ssCtrl, "ssCtrl");
    add(ssAlt, "ssAlt");
    add(ssDouble, "ssDouble");
    return "[" + text + "]";
}

inline const char* ButtonText(TMouseButton button) {
    switch (button) {
        case mbLeft: return "mbLeft";
        case mbRight: return "mbRight";
        case mbMiddle: return "mbMiddle";
    }
    return "?";
}

class TrayIconTest : public testing::Test {
protected:
    TrayIconTest() { image.LoadFromResource("MAINICON"); }
    // A test that fails while waits are held must not leave workers stuck.
    ~TrayIconTest() override { os.ReleaseSleeps(); }

    TTrayIcon* NewIcon(TComponent* owner = nullptr) { return TComponent::Create<TTrayIcon>(owner ? owner : form); }

    // An icon with the image, added to the notification area.
    TTrayIcon* ShownIcon(TComponent* owner = nullptr) {
        TTrayIcon* icon = NewIcon(owner);
        icon->SetIcon(&image);
        icon->SetVisible(true);
        return icon;
    }

    // The shell posts a callback for icon to the callback window.
    void Callback(const TTrayIcon* icon, std::intptr_t mouseMessage) {
        CallbackFor(static_cast<std::uintptr_t>(icon->IconID()), mouseMessage);
    }
    void CallbackFor(std::uintptr_t id, std::intptr_t mouseMessage) {
        os.Deliver(CallbackWindow()->Handle(), TrayCallbackMessage, id, mouseMessage);
    }

    // Every event of icon goes to the journal, with what it carried.
    void Record(TTrayIcon* icon, const std::string& tag = "") {
        icon->OnMouseMove = [this, tag](TObject*, TShiftState shift, int x, int y) {
            Log(tag + "move " + ShiftText(shift) + " " + Point(x, y));
        };
        icon->OnMouseDown = [this, tag](TObject*, TMouseButton b, TShiftState shift, int x, int y) {
            Log(tag + "down " + ButtonText(b) + " " + ShiftText(shift) + " " + Point(x, y));
        };
        icon->OnMouseUp = [this, tag](TObject*, TMouseButton b, TShiftState shift, int x, int y) {
            Log(tag + "up " + ButtonText(b) + " " + ShiftText(shift) + " " + Point(x, y));
        };
        icon->OnClick = [this, tag](TObject*) { Log(tag + "click"); };
        icon->OnDblClick = [this, tag](TObject*) { Log(tag + "dblclick"); };
    }

    // A menu of the form with one item; choosing it writes "chose <caption>".
    TPopupMenu* MenuWith(const std::string& caption, TComponent* owner = nullptr) {
        auto* menu = TComponent::Create<TPopupMenu>(owner ? owner : form);
        auto* item = TComponent::Create<TMenuItem>(owner ? owner : form);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TObject*) { Log("chose " + caption); };
        menu->Items().Add(item);
        return menu;
    }

    void Log(const std::string& line) { journal.push_back(line); }
    static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

    std::vector<TrayRequest> Requests() const {
        std::vector<TrayRequest> requests;
        for (const auto& call : os.trayCalls) requests.push_back(call.request);
        return requests;
    }

    platform::fake::FakePlatform& os = platform::fake::Fake();
    std::vector<std::string> journal;  // outlives the icons that write to it
    TIcon image;
    TApplication app;
    TForm* form = TComponent::Create<TForm>(&app);
};

}  // namespace trayicon_test
