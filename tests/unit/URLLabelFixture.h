#pragma once
// A hyperlink label on a small form of the fake platform, and the user's
// hand: the pointer, its buttons and the shell's launches.

#include "components/URLLabel/URLLabel.h"
#include "framework/Application.h"
#include "framework/Forms.h"
#include "framework/Messages.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeWindow.h"

#include <gtest/gtest.h>

class URLLabelOnForm : public testing::Test {
public:
    static constexpr TColor kStart = clWindowText;  // the form's font colour, a system colour
    static constexpr const char* kAddress = "http://example.jp/東京";

protected:
    URLLabelOnForm() {
        form = TComponent::Create<TForm>(&app);
        form->SetClientWidth(299);
        form->SetClientHeight(87);
        form->HandleNeeded();
        label = TComponent::Create<TURLLabel>(form);
        label->SetParent(form);
        label->SetAutoSize(false);
        label->SetBounds(16, 60, 37, 12);
        label->SetCaption(kAddress);
        label->SetExecutable(true);
    }

    platform::Handle Window() { return form->Handle(); }
    // Form client points: on the label's middle, and on the form elsewhere.
    static constexpr platform::Point kOnLabel{30, 65};
    static constexpr platform::Point kOffLabel{200, 10};

    void MoveOnto() { fake.MovePointer(Window(), kOnLabel); }
    void MoveOff() { fake.MovePointer(Window(), kOffLabel); }
    // The pointer is somewhere else already, and no move was reported yet.
    void PlaceAt(platform::Point labelPoint) { fake.cursorPos = label->ClientToScreen(labelPoint); }
    void Press(std::uint32_t msg = WM_LBUTTONDOWN, std::uintptr_t keys = MK_LBUTTON) {
        fake.PressButton(Window(), msg, keys);
    }
    void Release(std::uint32_t msg = WM_LBUTTONUP) { fake.ReleaseButton(Window(), msg, 0); }
    void PressFromCode() { label->Perform(WM_LBUTTONDOWN, 0, 0); }
    TColor Shown() const { return label->Font().Color(); }

    platform::fake::FakePlatform& fake = platform::fake::Fake();
    TApplication app;
    TForm* form = nullptr;
    TURLLabel* label = nullptr;
};
