// The tray icon component on the fake shell: identifiers, the requests it
// sends and the record they carry, its setters, failures and its life.
#include "unit/TrayIconFixture.h"

#include "framework/Exception.h"

#include <functional>
#include <optional>

namespace trayicon_test {
namespace {

using RequestList = std::vector<TrayRequest>;
constexpr TrayRequest kAdd = TrayRequest::Add, kModify = TrayRequest::Modify, kDelete = TrayRequest::Delete;

// Lets a test send the codes no setter sends.
class TTrayIconProbe : public TTrayIcon {
public:
    using TTrayIcon::TTrayIcon;
    using TTrayIcon::NotifyTray;
};

// Notes what the shell had been asked when a component's removal was announced.
class TRemovalWitness : public TComponent {
public:
    TRemovalWitness(TComponent* owner, TComponent* watched, std::function<void()> seen)
        : TComponent(owner), watched_(watched), seen_(std::move(seen)) {}

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == watched_) seen_();
    }

private:
    TComponent* watched_;
    std::function<void()> seen_;
};

template <class F>
std::string FailureOf(F&& action) {
    try {
        action();
    } catch (const EOutOfMemory& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

TEST_F(TrayIconTest, ANewIconHasItsDefaultsAndAsksNothingOfTheShell) {
    TTrayIcon* icon = NewIcon();
    EXPECT_EQ(icon->TipHelp(), "TipHelp");
    EXPECT_FALSE(icon->Visible());
    EXPECT_FALSE(icon->Registered());
    EXPECT_FALSE(icon->ClickPending());
    EXPECT_TRUE(icon->Enabled());
    EXPECT_TRUE(icon->AutoPopup());
    EXPECT_EQ(icon->AnimateRate(), 500);
    EXPECT_TRUE(icon->Icon().Empty());
    EXPECT_EQ(icon->LBPopupMenu(), nullptr);
    EXPECT_EQ(icon->RBPopupMenu(), nullptr);
    EXPECT_EQ(icon->AnimateIcons(), nullptr);
    const platform::NotifyIconData& record = icon->NotifyData();
    EXPECT_EQ(record.cbSize, 88u);
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uCallbackMessage, 0x4C8u);
    EXPECT_TRUE(os.trayCalls.empty());
}

TEST_F(TrayIconTest, TheFirstIconMakesOneHiddenCallbackWindowOnItsForm) {
    NewIcon();
    TCallbackWindow* window = CallbackWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Owner(), form);
    EXPECT_EQ(window->Parent(), form);
    platform::fake::FakeWindow* native = os.Window(window->Handle());
    ASSERT_NE(native, nullptr);
    EXPECT_FALSE(native->visible);
    EXPECT_EQ(native->spec.parent, form->Handle());
    // Icons of other owners share it.
    TForm* other = TComponent::Create<TForm>(&app);
    NewIcon(other);
    EXPECT_EQ(CallbackWindow(), window);
    EXPECT_EQ(other->ComponentCount(), 1);
}

TEST_F(TrayIconTest, IdentifiersFollowTheNewestLiveIconAndRestartAtOne) {
    TTrayIcon* first = NewIcon();
    TTrayIcon* second = NewIcon();
    EXPECT_EQ(first->IconID(), 1);
    EXPECT_EQ(second->IconID(), 2);
    TComponent::Free(second);
    TTrayIcon* again = NewIcon();
    EXPECT_EQ(again->IconID(), 2);  // the newest went: its number comes back
    TComponent::Free(first);
    TTrayIcon* third = NewIcon();
    EXPECT_EQ(third->IconID(), 3);  // an older gap stays
    EXPECT_EQ(third->NotifyData().uID, 3u);
    EXPECT_EQ(TrayIconList().ToVector(), (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(TrayIconList().Object(0), again);
    EXPECT_EQ(TrayIconList().Object(1), third);
    TComponent::Free(again);
    TComponent::Free(third);
    EXPECT_EQ(NewIcon()->IconID(), 1);
}

TEST_F(TrayIconTest, TheHundredAndFirstIconIsRefusedAndLeavesNothingBehind) {
    std::vector<TTrayIcon*> icons;
    for (int i = 0; i < 100; ++i) icons.push_back(NewIcon());
    int components = form->ComponentCount();
    EXPECT_EQ(Hex(FailureOf([&] { NewIcon(); })), Hex(CannotRegisterMessage()));
    EXPECT_EQ(TrayIconList().Count(), 100);
    EXPECT_EQ(form->ComponentCount(), components);
    EXPECT_EQ(TrayIconList()[99], "100");
    EXPECT_EQ(TrayIconList().Object(99), icons.back());
    EXPECT_TRUE(os.trayCalls.empty());
    // A freed slot can be taken again.
    TComponent::Free(icons.front());
    EXPECT_EQ(NewIcon()->IconID(), 101);
}

TEST_F(TrayIconTest, TheFirstIconNeedsAWindowedOwnerForTheCallbackWindow) {
    TComponent plain(nullptr);
    EXPECT_THROW(TComponent::Create<TTrayIcon>(&plain), Exception);
    EXPECT_EQ(plain.ComponentCount(), 0);
    EXPECT_EQ(TrayIconList().Count(), 0);
    EXPECT_EQ(CallbackWindow(), nullptr);
    // Once the window exists, any owner will do.
    NewIcon();
    EXPECT_EQ(TComponent::Create<TTrayIcon>(&plain)->IconID(), 2);
}

TEST_F(TrayIconTest, EveryRequestCarriesTheRecordAsItIsThen) {
    TTrayIcon* icon = NewIcon();
    icon->SetTipHelp("Hopmark");
    icon->SetIcon(&image);
    icon->SetVisible(true);
    icon->SetTipHelp("");
    icon->SetVisible(false);
    ASSERT_EQ(Requests(), (RequestList{kAdd, kModify, kDelete}));
    const platform::NotifyIconData& add = os.trayCalls[0].data;
    EXPECT_EQ(add.cbSize, 88u);
    EXPECT_EQ(add.hWnd, CallbackWindow()->Handle());
    EXPECT_EQ(add.uID, 1u);
    EXPECT_EQ(add.uFlags, 7u);  // message, icon and tip
    EXPECT_EQ(add.uCallbackMessage, 0x4C8u);
    EXPECT_NE(add.hIcon, 0u);
    EXPECT_EQ(add.hIcon, icon->Icon().Handle());
    EXPECT_EQ(os.trayCalls[0].Tip(), "Hopmark");
    // An empty tip leaves the tip flag out; later requests reuse the window of the add.
    const platform::NotifyIconData& modify = os.trayCalls[1].data;
    EXPECT_EQ(modify.uFlags, 3u);
    EXPECT_EQ(os.trayCalls[1].Tip(), "");
    EXPECT_EQ(modify.hWnd, add.hWnd);
    EXPECT_EQ(os.trayCalls[2].data.hWnd, add.hWnd);
    EXPECT_EQ(os.trayCalls[2].data.uID, 1u);
}

TEST_F(TrayIconTest, NotifyTraySendsTheRequestOfItsCodeWithoutLookingAtRegistered) {
    struct Row {
        const char* name;
        int code;
        bool registered;  // before; otherwise visible but refused once
        std::optional<TrayRequest> sent;
        bool registeredAfter;
    };
    const Row rows[] = {
        {"add", 0, false, kAdd, true},
        {"modify", 1, true, kModify, true},
        {"modify out of the tray", 1, false, kModify, false},
        {"delete", 2, true, kDelete, false},
        {"unknown 3", 3, true, std::nullopt, true},
        {"unknown -1", -1, true, std::nullopt, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto* icon = TComponent::Create<TTrayIconProbe>(form);
        icon->SetIcon(&image);
        if (!row.registered) os.refuseNextTrayRequest = true;
        try {
            icon->SetVisible(true);
        } catch (const EOutOfMemory&) {
        }
        ASSERT_EQ(icon->Registered(), row.registered);
        os.trayCalls.clear();
        icon->NotifyTray(row.code);
        if (row.sent) {
            ASSERT_EQ(os.trayCalls.size(), 1u);
            EXPECT_EQ(os.trayCalls[0].request, *row.sent);
            EXPECT_EQ(os.trayCalls[0].data.uID, static_cast<std::uint32_t>(icon->IconID()));
        } else {
            EXPECT_TRUE(os.trayCalls.empty());
        }
        EXPECT_EQ(icon->Registered(), row.registeredAfter);
        TComponent::Free(icon);
    }
    // An add while not visible sends nothing.
    auto* hidden = TComponent::Create<TTrayIconProbe>(form);
    hidden->SetIcon(&image);
    os.trayCalls.clear();
    hidden->NotifyTray(0);
    EXPECT_TRUE(os.trayCalls.empty());
    EXPECT_FALSE(hidden->Registered());
}

TEST_F(TrayIconTest, VisibleNeedsAnImageAndAddsAndRemovesTheIcon) {
    TTrayIcon* icon = NewIcon();
    icon->SetVisible(true);
    EXPECT_FALSE(icon->Visible());
    EXPECT_TRUE(os.trayCalls.empty());
    icon->SetIcon(&image);  // out of the tray: nothing to modify
    EXPECT_TRUE(os.trayCalls.empty());
    icon->SetVisible(true);
    EXPECT_TRUE(icon->Visible());
    EXPECT_TRUE(icon->Registered());
    icon->SetVisible(true);
    icon->SetVisible(false);
    EXPECT_FALSE(icon->Registered());
    icon->SetVisible(false);
    EXPECT_EQ(Requests(), (RequestList{kAdd, kDelete}));
}

TEST_F(TrayIconTest, WhileItsFormLoadsVisibleIsOnlyStoredAndLoadedAdds) {
    TTrayIcon* icon = NewIcon();
    icon->SetIcon(&image);
    form->BeginLoading();
    icon->SetVisible(true);
    EXPECT_TRUE(icon->Visible());
    EXPECT_TRUE(os.trayCalls.empty());
    form->Loaded();
    icon->Loaded();
    EXPECT_EQ(Requests(), (RequestList{kAdd}));
    EXPECT_TRUE(icon->Registered());
}

TEST_F(TrayIconTest, IconCopiesTheImageAndTheShellSeesEveryChange) {
    TTrayIcon* icon = ShownIcon();
    platform::Handle first = icon->Icon().Handle();
    EXPECT_NE(first, image.Handle());  // its own copy
    {
        TIcon other;
        other.LoadFromResource("OTHER");
        icon->SetIcon(&other);
    }  // the source goes, the copy stays
    platform::Handle second = icon->Icon().Handle();
    EXPECT_NE(second, 0u);
    EXPECT_NE(second, first);
    icon->SetIcon(&icon->Icon());  // its own image: nothing happens
    icon->Icon().LoadFromResource("THIRD");  // a change made to the image itself
    ASSERT_EQ(Requests(), (RequestList{kAdd, kModify, kModify}));
    EXPECT_EQ(os.trayCalls[1].data.hIcon, second);
    EXPECT_EQ(os.trayCalls[2].data.hIcon, icon->Icon().Handle());
}

TEST_F(TrayIconTest, IconNoneModifiesThenRemovesTheIcon) {
    TTrayIcon* icon = ShownIcon();
    icon->SetIcon(nullptr);
    ASSERT_EQ(Requests(), (RequestList{kAdd, kModify, kDelete}));
    EXPECT_EQ(os.trayCalls[1].data.hIcon, 0u);
    EXPECT_TRUE(icon->Icon().Empty());
    EXPECT_FALSE(icon->Visible());
    EXPECT_FALSE(icon->Registered());
}

TEST_F(TrayIconTest, TipHelpKeepsItsFirst62BytesWhateverTheCharacters) {
    TTrayIcon* icon = NewIcon();
    icon->SetTipHelp(std::string(70, 'x'));
    EXPECT_EQ(icon->TipHelp(), std::string(62, 'x'));
    // 61 bytes, then あ (82 A0): the cut keeps its lead byte only.
    icon->SetTipHelp(std::string(61, 'a') + Bytes({0x82, 0xA0}) + "tail");
    EXPECT_EQ(icon->TipHelp().size(), 62u);
    EXPECT_EQ(Hex(icon->TipHelp().substr(60)), "61 82");
    EXPECT_TRUE(os.trayCalls.empty());  // out of the tray
}

TEST_F(TrayIconTest, TipHelpModifiesTheIconOnlyForARealChange) {
    TTrayIcon* icon = ShownIcon();
    icon->SetTipHelp(std::string(62, 'x'));
    icon->SetTipHelp(std::string(62, 'x') + "more");  // the same first 62 bytes
    icon->SetTipHelp("ab");
    icon->SetTipHelp("");
    icon->SetTipHelp("");
    ASSERT_EQ(Requests(), (RequestList{kAdd, kModify, kModify, kModify}));
    EXPECT_EQ(os.trayCalls[1].Tip(), std::string(62, 'x'));
    EXPECT_EQ(os.trayCalls[1].data.uFlags, 7u);
    EXPECT_EQ(os.trayCalls[2].Tip(), "ab");  // ends where the shorter tip ends
    EXPECT_EQ(os.trayCalls[3].data.uFlags, 3u);
}

TEST_F(TrayIconTest, AnimateRateIsNeverBelow100) {
    const std::pair<int, int> writtenStored[] = {{0, 100}, {99, 100}, {-1, 100}, {100, 100}, {250, 250}};
    for (auto [written, stored] : writtenStored) {
        TTrayIcon* icon = NewIcon();
        icon->SetAnimateRate(written);
        EXPECT_EQ(icon->AnimateRate(), stored) << "written " << written;
    }
    EXPECT_TRUE(os.trayCalls.empty());  // it drives nothing
}

TEST_F(TrayIconTest, DisablingDropsAPendingClick) {
    TTrayIcon* icon = NewIcon();
    icon->SetClickPending(true);
    icon->SetEnabled(true);
    EXPECT_TRUE(icon->ClickPending());
    icon->SetEnabled(false);
    EXPECT_FALSE(icon->ClickPending());
    icon->SetEnabled(true);
    EXPECT_FALSE(icon->ClickPending());
}

TEST_F(TrayIconTest, AFreedMenuOrImageListIsForgotten) {
    for (bool otherForm : {false, true}) {
        SCOPED_TRACE(otherForm ? "owned by another form" : "owned by the icon's form");
        TForm* owner = otherForm ? TComponent::Create<TForm>(&app) : form;
        TTrayIcon* icon = NewIcon();
        auto* menu = TComponent::Create<TPopupMenu>(owner);
        auto* images = TComponent::Create<TImageList>(owner);
        icon->SetLBPopupMenu(menu);
        icon->SetRBPopupMenu(menu);
        icon->SetAnimateIcons(images);
        TComponent::Free(menu);
        EXPECT_EQ(icon->LBPopupMenu(), nullptr);
        EXPECT_EQ(icon->RBPopupMenu(), nullptr);
        EXPECT_EQ(icon->AnimateIcons(), images);
        TComponent::Free(images);
        EXPECT_EQ(icon->AnimateIcons(), nullptr);
        // And the icon going first leaves the other form nothing to tell it.
        auto* later = TComponent::Create<TPopupMenu>(owner);
        icon->SetRBPopupMenu(later);
        TComponent::Free(icon);
        TComponent::Free(later);
    }
}

TEST_F(TrayIconTest, ARefusedAddLeavesTheIconVisibleButOutOfTheTray) {
    TTrayIcon* icon = NewIcon();
    icon->SetIcon(&image);
    os.refuseNextTrayRequest = true;
    EXPECT_EQ(Hex(FailureOf([&] { icon->SetVisible(true); })), Hex(CannotRegisterMessage()));
    EXPECT_TRUE(icon->Visible());
    EXPECT_FALSE(icon->Registered());
    icon->SetVisible(true);   // no change, no retry
    icon->SetTipHelp("new");  // nothing in the tray to modify
    EXPECT_EQ(Requests(), (RequestList{kAdd}));
    icon->SetVisible(false);  // nothing to delete
    icon->SetVisible(true);   // the retry
    EXPECT_EQ(Requests(), (RequestList{kAdd, kAdd}));
    EXPECT_TRUE(icon->Registered());
}

TEST_F(TrayIconTest, ARefusedModifyKeepsTheNewValueAndTheIconInTheTray) {
    TIcon other;
    other.LoadFromResource("OTHER");
    struct Row {
        const char* name;
        std::function<void(TTrayIcon&)> change;
        std::function<void(TTrayIcon&, platform::Handle before)> check;
    };
    const Row rows[] = {
        {"tip", [](TTrayIcon& icon) { icon.SetTipHelp("refused"); },
         [](TTrayIcon& icon, platform::Handle) { EXPECT_EQ(icon.TipHelp(), "refused"); }},
        {"image", [&](TTrayIcon& icon) { icon.SetIcon(&other); },
         [](TTrayIcon& icon, platform::Handle before) {
             EXPECT_NE(icon.Icon().Handle(), before);
             EXPECT_NE(icon.Icon().Handle(), 0u);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TTrayIcon* icon = ShownIcon();
        platform::Handle before = icon->Icon().Handle();
        os.refuseNextTrayRequest = true;
        EXPECT_EQ(Hex(FailureOf([&] { row.change(*icon); })), Hex(CannotRegisterMessage()));
        row.check(*icon, before);
        EXPECT_TRUE(icon->Registered());
        EXPECT_EQ(os.trayCalls.back().request, kModify);
        TComponent::Free(icon);
    }
}

TEST_F(TrayIconTest, ARefusedDeleteStillTakesTheIconOut) {
    TTrayIcon* icon = ShownIcon();
    os.refuseNextTrayRequest = true;
    icon->SetVisible(false);
    EXPECT_FALSE(icon->Registered());
    EXPECT_EQ(Requests(), (RequestList{kAdd, kDelete}));
}

TEST_F(TrayIconTest, DestroyingARegisteredIconRemovesItBeforeAnythingElse) {
    TTrayIcon* icon = ShownIcon();
    Callback(icon, WM_MOUSEMOVE);
    ASSERT_EQ(CallbackWindow()->CurrentIcon(), icon);
    RequestList whenRemoved;
    int listedWhenRemoved = -1;
    TComponent::Create<TRemovalWitness>(form, icon, [&] {
        whenRemoved = Requests();
        listedWhenRemoved = TrayIconList().Count();
    });
    TComponent::Free(icon);
    EXPECT_EQ(whenRemoved, (RequestList{kAdd, kDelete}));
    EXPECT_EQ(listedWhenRemoved, 0);
    EXPECT_EQ(os.trayCalls.back().data.uID, 1u);
    EXPECT_EQ(CallbackWindow()->CurrentIcon(), nullptr);
    // One that never reached the tray leaves without a word.
    os.trayCalls.clear();
    TComponent::Free(NewIcon());
    EXPECT_TRUE(os.trayCalls.empty());
}

TEST_F(TrayIconTest, FreeingTheFormTakesItsIconOutAndTheNextIconMakesANewWindow) {
    TForm* tray = TComponent::Create<TForm>(&app);
    ShownIcon(tray);
    platform::Handle oldWindow = CallbackWindow()->Handle();
    TComponent::Free(tray);
    EXPECT_EQ(Requests(), (RequestList{kAdd, kDelete}));
    EXPECT_EQ(os.trayCalls.back().data.hWnd, oldWindow);
    EXPECT_EQ(TrayIconList().Count(), 0);
    EXPECT_EQ(CallbackWindow(), nullptr);
    EXPECT_EQ(os.Window(oldWindow), nullptr);

    TTrayIcon* next = ShownIcon();
    EXPECT_EQ(next->IconID(), 1);
    ASSERT_NE(CallbackWindow(), nullptr);
    EXPECT_EQ(CallbackWindow()->Owner(), form);
    EXPECT_EQ(os.trayCalls.back().data.hWnd, CallbackWindow()->Handle());
    Record(next);
    Callback(next, WM_MOUSEMOVE);
    EXPECT_EQ(journal, (std::vector<std::string>{"move [] 0,0"}));
}

TEST_F(TrayIconTest, AnIconThatOutlivesTheWindowsOwnerGetsANewWindowAtItsNextAdd) {
    TForm* first = TComponent::Create<TForm>(&app);
    NewIcon(first);
    TTrayIcon* survivor = ShownIcon();  // on the fixture's form
    TComponent::Free(first);
    ASSERT_EQ(CallbackWindow(), nullptr);
    survivor->SetVisible(false);
    survivor->SetVisible(true);
    ASSERT_NE(CallbackWindow(), nullptr);
    EXPECT_EQ(CallbackWindow()->Owner(), form);
    EXPECT_EQ(os.trayCalls.back().request, kAdd);
    EXPECT_EQ(os.trayCalls.back().data.hWnd, CallbackWindow()->Handle());
}

}  // namespace
}  // namespace trayicon_test
