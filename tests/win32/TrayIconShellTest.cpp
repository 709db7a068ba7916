// The tray icon and the real shell: a description's visible icon is added,
// changes reach the shell, and destroying the icon or its form removes it.
#include "win32/TrayIconWine.h"

#include "framework/Handlers.h"

namespace trayicon_wine {
namespace {

class TTrayWindow : public TForm {
public:
    TTrayWindow(TComponent* owner, std::string_view description) : TForm(owner) {
        ReadDescription(description, handlers_);
    }
    TTrayIcon* TrayIcon() const { return dynamic_cast<TTrayIcon*>(FindComponent("TrayIcon")); }

private:
    HandlerTable handlers_;
};

constexpr const char* kTrayWindow = R"(object Form2: TTrayWindow
  object TrayIcon: TTestTrayIcon
    Icon = 'application'
    TipHelp = 'Hopmark'
    Visible = True
  end
end
)";

using TrayIconShell = TrayIconWine;

TEST_F(TrayIconShell, AVisibleIconFromADescriptionIsInTheShellOnceLoaded) {
    auto* window = TComponent::Create<TTrayWindow>(&app, kTrayWindow);
    TTrayIcon* icon = window->TrayIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->Registered());
    EXPECT_EQ(icon->NotifyData().hWnd, CallbackWindow()->Handle());
    EXPECT_TRUE(InShell(*icon));
    // The shell refuses a second add of what it already holds.
    NOTIFYICONDATAA again{};
    again.cbSize = NOTIFYICONDATAA_V1_SIZE;
    again.hWnd = reinterpret_cast<HWND>(icon->NotifyData().hWnd);
    again.uID = static_cast<UINT>(icon->IconID());
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &again));
}

TEST_F(TrayIconShell, TheShellTakesEveryChangeAndTheIconLeavesWithItsDestruction) {
    TTrayIcon* icon = ShownIcon();
    ASSERT_TRUE(InShell(*icon));
    icon->SetTipHelp("変更後のヒント");  // a refused modify would throw
    icon->SetTipHelp("");
    TIcon other;
    LoadSystemIcon(other, IDI_INFORMATION);
    icon->SetIcon(&other);
    EXPECT_TRUE(icon->Registered());
    platform::Handle window = icon->NotifyData().hWnd;
    int id = icon->IconID();
    TComponent::Free(icon);
    EXPECT_FALSE(InShell(window, id));
}

TEST_F(TrayIconShell, HidingRemovesTheIconAndShowingAddsItAgain) {
    TTrayIcon* icon = ShownIcon();
    icon->SetVisible(false);
    EXPECT_FALSE(InShell(*icon));
    icon->SetVisible(true);
    EXPECT_TRUE(icon->Registered());
    EXPECT_TRUE(InShell(*icon));
    icon->SetIcon(nullptr);
    EXPECT_FALSE(icon->Visible());
    EXPECT_FALSE(InShell(*icon));
}

// As at exit: the form's components go last first, the callback window
// before the icon, whose delete then names a window already destroyed.
TEST_F(TrayIconShell, DestroyingTheFormRemovesItsIcon) {
    auto* window = TComponent::Create<TTrayWindow>(&app, kTrayWindow);
    TTrayIcon* icon = window->TrayIcon();
    ASSERT_TRUE(InShell(*icon));
    platform::Handle callbackWindow = icon->NotifyData().hWnd;
    int id = icon->IconID();
    TComponent::Free(window);
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(callbackWindow)));
    EXPECT_FALSE(InShell(callbackWindow, id));
}

}  // namespace
}  // namespace trayicon_wine
