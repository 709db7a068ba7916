// The hyperlink label on the real system: presses that the real message
// loop delivers to the form's window, and the press sent from code, reach
// ShellExecuteA with the caption; Wine's browser is a capture script here.
#include "components/URLLabel/URLLabel.h"
#include "framework/Application.h"
#include "framework/Forms.h"
#include "framework/Messages.h"
#include "platform/Platform.h"

#include "URLLabelCapture.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {

// Shift-JIS in the caption; the browser gets the address as UTF-8.
constexpr const char* kCaption = "http://example.jp/東京";

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

class URLLabelShell : public testing::Test {
protected:
    void SetUp() override {
        if (!capture.OnWine()) GTEST_SKIP() << "Wine's browser setting is needed to capture the launch";
        ASSERT_TRUE(capture.Ready()) << capture.Problem();
        form = TComponent::Create<TForm>(&app);
        form->SetClientWidth(299);
        form->SetClientHeight(87);
        form->HandleNeeded();
        label = TComponent::Create<TURLLabel>(form);
        label->SetParent(form);
        label->SetAutoSize(false);
        label->SetBounds(16, 60, 37, 12);
        label->SetCaption(kCaption);
        label->SetExecutable(true);
        label->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
            presses.push_back({button, x, y});
        };
    }

    // A press and release posted to the form's window at a point of its
    // client area, then run by the real loop.
    void Click(std::uint32_t down, std::uint32_t up, std::uintptr_t keys, platform::Point at) {
        auto& os = platform::Current();
        ASSERT_TRUE(os.Post(form->Handle(), down, keys, platform::PackPoint(at.x, at.y)));
        ASSERT_TRUE(os.Post(form->Handle(), up, 0, platform::PackPoint(at.x, at.y)));
        app.ProcessMessages();
    }

    struct Press {
        TMouseButton button;
        int x, y;
    };
    BrowserCapture capture;
    TApplication app;
    TForm* form = nullptr;
    TURLLabel* label = nullptr;
    std::vector<Press> presses;
};

TEST_F(URLLabelShell, AUsersPressOnTheFormOpensTheCaption) {
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, {20, 65});
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].button, mbLeft);
    EXPECT_EQ(presses[0].x, 4);  // in the label's own coordinates
    EXPECT_EQ(presses[0].y, 5);
    EXPECT_EQ(capture.WaitFor(1), std::vector<std::string>{Utf8(u8"http://example.jp/東京")});

    Click(WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, {52, 71});  // the label's last pixel
    ASSERT_EQ(presses.size(), 2u);
    EXPECT_EQ(presses[1].button, mbRight);
    EXPECT_EQ(capture.WaitFor(2).size(), 2u);
}

TEST_F(URLLabelShell, APressBesideTheLabelOpensNothing) {
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, {53, 65});  // just right of it
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, {20, 72});  // just below it
    EXPECT_TRUE(presses.empty());
    Sleep(1000);
    EXPECT_TRUE(capture.Addresses().empty());
}

TEST_F(URLLabelShell, APressFromCodeOpensTheCaptionItHasThen) {
    label->SetCaption("http://example.jp/code?q=abc");
    label->Perform(WM_LBUTTONDOWN, 0, 0);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].x, 0);
    EXPECT_EQ(label->Font().Color(), clRed);
    EXPECT_EQ(capture.WaitFor(1), std::vector<std::string>{"http://example.jp/code?q=abc"});
}

TEST_F(URLLabelShell, TheReleaseAsksTheRealPointer) {
    platform::Point onLabel = label->ClientToScreen({5, 5});
    platform::Point offLabel = label->ClientToScreen({37, 5});
    label->SetExecutable(false);
    label->Perform(WM_LBUTTONDOWN, 0, 0);
    ASSERT_TRUE(SetCursorPos(onLabel.x, onLabel.y));
    label->Perform(WM_LBUTTONUP, 0, platform::PackPoint(500, 500));
    EXPECT_EQ(label->Font().Color(), clAqua);

    label->Perform(WM_LBUTTONDOWN, 0, 0);
    ASSERT_TRUE(SetCursorPos(offLabel.x, offLabel.y));  // the right edge: outside
    label->Perform(WM_LBUTTONUP, 0, platform::PackPoint(5, 5));
    EXPECT_EQ(label->Font().Color(), 0);  // no enter was tracked: nothing saved
}

}  // namespace
