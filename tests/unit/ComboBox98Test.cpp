// The keyword combo box: its state lives in the control and the native one
// mirrors it; typing completes from the items; picks raise OnClick, program
// changes do not; keys reach the handlers by reference.
#include "framework/Application.h"
#include "framework/ComboBox98.h"
#include "framework/Messages.h"
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::fake::Fake;
using platform::fake::FakeComboBox;

class ComboBox98Test : public testing::Test {
protected:
    void SetUp() override {
        form = app.CreateForm<TForm>();
        combo = TComponent::Create<TComboBox98>(form);
        combo->SetParent(form);
        combo->OnClick = [this](TObject*) { clicks.push_back(combo->Text()); };
        combo->Items() = TStringList{"Tokyo", "Toyama", "東京", "東京タワー", "Osaka"};
    }
    FakeComboBox& Native() { return *Fake().ComboBox(combo->Handle()); }

    TApplication app;
    TForm* form = nullptr;
    TComboBox98* combo = nullptr;
    std::vector<std::string> clicks;
};

TEST_F(ComboBox98Test, TheNativeControlMirrorsTheState) {
    combo->SetItemIndex(2);
    FakeComboBox& native = Native();  // made now, from the state
    EXPECT_EQ(native.items, combo->Items().ToVector());
    EXPECT_EQ(native.itemIndex, 2);
    EXPECT_EQ(native.editText, "東京");
    combo->Items().Add("Kyoto");
    combo->Items().Delete(0);
    EXPECT_EQ(native.items, combo->Items().ToVector());
    EXPECT_EQ(combo->ItemIndex(), 1);  // the selected item moved up
    int fills = native.fills;
    combo->Items() = TStringList{"a", "b"};
    EXPECT_EQ(native.items, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(native.fills, fills + 1);  // replaced in one go, not item by item

    combo->SetItemIndex(1);
    TStringList taken{"x", "y", "z"};
    combo->Items().Assign(std::move(taken));  // the items move in, and still reach the native control
    EXPECT_EQ(native.items, (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(combo->Items().ToVector(), native.items);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(native.fills, fills + 2);
    EXPECT_EQ(taken.Count(), 0);
}

TEST_F(ComboBox98Test, SettingItemIndexShowsTheItemAndRaisesNoClick) {
    combo->Handle();
    const struct {
        int index;
        int selected;
        const char* text;
    } rows[] = {{3, 3, "東京タワー"}, {0, 0, "Tokyo"}, {-1, -1, ""}, {5, -1, ""}, {99, -1, ""}, {-7, -1, ""}};
    for (const auto& row : rows) {
        combo->SetItemIndex(row.index);
        EXPECT_EQ(combo->ItemIndex(), row.selected) << row.index;
        EXPECT_EQ(combo->Text(), row.text) << row.index;
        EXPECT_EQ(Native().editText, row.text) << row.index;
    }
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ComboBox98Test, APickWithTheMouseOrTheArrowsRaisesOnClickWithTheItemInTheEdit) {
    platform::Handle h = combo->Handle();
    Fake().PickItem(h, 4);
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Osaka"}));
}

struct Typing {
    const char* what;
    std::vector<std::string> keys;  // text to type, or "\b" for Backspace
    std::string text;              // the whole edit text afterwards
    int selStart, selLength;
};

TEST_F(ComboBox98Test, TypingCompletesFromTheFirstItemThatBeginsWithTheText) {
    const Typing rows[] = {
        {"first in list order", {"T"}, "Tokyo", 1, 4},
        {"ASCII letters without regard to case, as typed", {"to"}, "tokyo", 2, 3},
        {"a longer text narrows", {"toy"}, "toyama", 3, 3},
        {"Japanese", {"東"}, "東京", 2, 2},
        {"Japanese, longer", {"東京タ"}, "東京タワー", 6, 4},
        {"nothing begins so", {"x"}, "x", 1, 0},
        {"the typed text replaces the completed tail", {"Tok", "a"}, "Toka", 4, 0},
        {"Backspace takes the completed tail", {"Osa", "\b"}, "Osa", 3, 0},
        {"no completion after Backspace", {"Osak", "\b", "\b"}, "Osa", 3, 0},
        {"typing after Backspace completes again", {"Osa", "\b", "\b", "a"}, "Osaka", 3, 2},
    };
    platform::Handle h = combo->Handle();
    for (const auto& row : rows) {
        combo->SetText("");
        for (const auto& key : row.keys) {
            if (key == "\b") Fake().PressKey(h, VK_BACK);
            else Fake().TypeText(h, key);
        }
        EXPECT_EQ(combo->Text(), row.text) << row.what;
        EXPECT_EQ(Native().editText, row.text) << row.what;
        EXPECT_EQ(Native().selStart, row.selStart) << row.what;
        EXPECT_EQ(Native().selLength, row.selLength) << row.what;
    }
    EXPECT_TRUE(clicks.empty());  // typing is no pick
}

TEST_F(ComboBox98Test, NoCompletionWhileAnInputMethodComposes) {
    platform::Handle h = combo->Handle();
    Native().composing = true;
    Fake().TypeText(h, "東");
    EXPECT_EQ(combo->Text(), "東");
    Native().composing = false;
    Fake().TypeText(h, "京");
    EXPECT_EQ(combo->Text(), "東京");
    combo->SetComplete(false);
    combo->SetText("");
    Fake().TypeText(h, "T");
    EXPECT_EQ(combo->Text(), "T");
}

TEST_F(ComboBox98Test, KeyHandlersGetTheKeyByReferenceAndCanConsumeIt) {
    platform::Handle h = combo->Handle();
    std::vector<std::string> seen;
    combo->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) {
        seen.push_back("down " + std::to_string(key));
    };
    combo->OnKeyPress = [&](TObject*, char& key) {
        seen.push_back("char " + std::to_string(static_cast<unsigned char>(key)));
        if (key == 'q' || key == '\b') key = 0;  // consumed: the edit never sees it
    };
    Fake().TypeText(h, "xq");
    Fake().PressKey(h, VK_BACK);
    EXPECT_EQ(combo->Text(), "x");
    EXPECT_EQ(seen, (std::vector<std::string>{"char 120", "char 113", "down 8", "char 8"}));
}

TEST_F(ComboBox98Test, TheFormGivesTheComboTheFocusWhenActivated) {
    platform::Handle h = combo->Handle();
    form->Show();
    Fake().SetForegroundWindow(form->Handle());
    EXPECT_TRUE(Fake().Window(h)->focused);
}

}  // namespace
