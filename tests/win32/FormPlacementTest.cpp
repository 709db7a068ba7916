// Where the real window system puts a form that asks for the default
// position: where the system gives none (Wine without a window manager
// leaves such a window in the screen's corner), the form keeps its designed
// place, moved into the work area, and the form's Left and Top say so.
#include "framework/Application.h"
#include "framework/Forms.h"
#include "framework/Handlers.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

class TPlacedForm : public TForm {
public:
    TPlacedForm(TComponent* owner, int left, int top) : TForm(owner) {
        std::string description = "object Placed: TPlacedForm\n  Left = " + std::to_string(left) +
                                  "\n  Top = " + std::to_string(top) +
                                  "\n  ClientWidth = 299\n  ClientHeight = 87\n  BorderStyle = bsSingle\n"
                                  "  Position = poDefaultPosOnly\nend\n";
        ReadDescription(description, handlers_);
    }

private:
    HandlerTable handlers_;
};

// True when the system picks default positions itself.
bool SystemPlacesWindows() {
    HWND probe = CreateWindowExA(0, "STATIC", "probe", WS_OVERLAPPED | WS_CAPTION, CW_USEDEFAULT, CW_USEDEFAULT,
                                 100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    RECT r{};
    GetWindowRect(probe, &r);
    DestroyWindow(probe);
    return r.left != 0 || r.top != 0;
}

RECT WorkArea() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

RECT PlaceOf(TPlacedForm& form) {
    RECT r{};
    GetWindowRect(reinterpret_cast<HWND>(form.Handle()), &r);
    return r;
}

class FormPlacement : public testing::Test {
protected:
    void SetUp() override {
        if (SystemPlacesWindows()) GTEST_SKIP() << "the window system chooses default positions here";
    }
    TApplication app;
};

TEST_F(FormPlacement, AFormTheSystemDoesNotPlaceKeepsItsDesignedPlace) {
    auto* form = TComponent::Create<TPlacedForm>(&app, 100, 80);
    RECT r = PlaceOf(*form);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(form->Left(), 100);
    EXPECT_EQ(form->Top(), 80);
}

TEST_F(FormPlacement, ADesignedPlaceOverTheWorkAreasEdgeIsMovedIntoIt) {
    RECT work = WorkArea();
    auto* form = TComponent::Create<TPlacedForm>(&app, work.right - 50, 80);
    RECT r = PlaceOf(*form);
    EXPECT_EQ(r.right, work.right);  // moved in no further than needed
    EXPECT_GE(r.left, work.left);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(form->Left(), r.left);
    EXPECT_EQ(form->Top(), r.top);
}

}  // namespace
