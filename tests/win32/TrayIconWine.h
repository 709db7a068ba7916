#pragma once
// What the tray icon tests in the real shell share: system images (the test
// binary has no icon resource), a probe of what the shell holds, a keeper
// icon so that removing ours is not removing the last one (which costs ~2 s
// under Wine), and a form with an application around it.

#include "components/TrayIcon/CallbackWindow.h"
#include "components/TrayIcon/TrayIcon.h"
#include "components/TrayIcon/TrayIconClass.h"
#include "framework/Application.h"
#include "framework/ClassRegistry.h"
#include "framework/Forms.h"
#include "framework/FrameworkClasses.h"
#include "framework/Graphics.h"
#include "framework/Menus.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace trayicon_wine {

// A copy of a system icon, freed with the object.
class SystemIcon final : public platform::NativeIcon {
public:
    explicit SystemIcon(LPCSTR id) : icon_(CopyIcon(LoadIconA(nullptr, id))) {}
    explicit SystemIcon(HICON icon) : icon_(icon) {}
    ~SystemIcon() override { DestroyIcon(icon_); }
    SystemIcon(const SystemIcon&) = delete;
    SystemIcon& operator=(const SystemIcon&) = delete;

    platform::Handle GetHandle() const override { return reinterpret_cast<platform::Handle>(icon_); }
    std::unique_ptr<platform::NativeIcon> Clone() const override {
        return std::make_unique<SystemIcon>(CopyIcon(icon_));
    }

private:
    HICON icon_;
};

inline void LoadSystemIcon(TIcon& icon, LPCSTR id = IDI_APPLICATION) {
    icon.SetImage(std::make_unique<SystemIcon>(id));
}

// A TTrayIcon whose description names a system icon instead of a resource
// of the program: 'application' or 'information'.
inline const TClassInfo& TestTrayIconClass() {
    static const TClassInfo info = [] {
        TClassInfo i("TTestTrayIcon", &TTrayIconClass(), FactoryOf<TTrayIcon>());
        Published<TTrayIcon>(i).String("Icon", [](TTrayIcon& tray, const std::string& name) {
            TIcon image;
            LoadSystemIcon(image, name == "information" ? IDI_INFORMATION : IDI_APPLICATION);
            tray.SetIcon(&image);
        });
        return i;
    }();
    return info;
}

// Whether the shell holds an icon: a modify that changes nothing succeeds
// only for an icon it has.
inline bool InShell(platform::Handle window, int id) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(window);
    data.uID = static_cast<UINT>(id);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != 0;
}

inline bool InShell(const TTrayIcon& icon) { return InShell(icon.NotifyData().hWnd, icon.IconID()); }

// One icon of the test binary's own, added on first need and removed at the end.
class KeeperIcon : public testing::Environment {
public:
    static void Need() { Instance().Add(); }
    void TearDown() override {
        if (!window_) return;
        NOTIFYICONDATAA data = Record();
        Shell_NotifyIconA(NIM_DELETE, &data);
        DestroyWindow(window_);
        window_ = nullptr;
    }

private:
    static KeeperIcon& Instance() {
        static KeeperIcon* keeper = [] {
            auto* made = new KeeperIcon;  // gtest owns environments
            testing::AddGlobalTestEnvironment(made);
            return made;
        }();
        return *keeper;
    }
    void Add() {
        if (window_) return;
        window_ = CreateWindowExA(0, "STATIC", "keeper", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        NOTIFYICONDATAA data = Record();
        data.uFlags = NIF_ICON | NIF_TIP;
        data.hIcon = LoadIconA(nullptr, IDI_WINLOGO);
        lstrcpyA(data.szTip, "keeper");
        Shell_NotifyIconA(NIM_ADD, &data);
    }
    NOTIFYICONDATAA Record() const {
        NOTIFYICONDATAA data{};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = window_;
        data.uID = 1;
        return data;
    }
    HWND window_ = nullptr;
};

// Runs the loop until done holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Application->ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

class TrayIconWine : public testing::Test {
protected:
    void SetUp() override {
        KeeperIcon::Need();
        RegisterClasses({&TTrayIconClass(), &TestTrayIconClass()});
        LoadSystemIcon(image);
    }

    TTrayIcon* ShownIcon() {
        auto* icon = TComponent::Create<TTrayIcon>(form);
        icon->SetIcon(&image);
        icon->SetVisible(true);
        return icon;
    }

    // Posts a callback to the real callback window, as the shell does.
    static void Post(const TTrayIcon& icon, UINT mouseMessage) {
        PostMessageA(reinterpret_cast<HWND>(CallbackWindow()->Handle()), TrayCallbackMessage,
                     static_cast<WPARAM>(icon.IconID()), mouseMessage);
    }

    void Log(const std::string& line) { journal.push_back(line); }

    std::vector<std::string> journal;  // outlives the icons that write to it
    TIcon image;
    TApplication app;
    TForm* form = TComponent::Create<TForm>(&app);
};

}  // namespace trayicon_wine
