// The keyword window, played on the fake: typing, Enter and Esc, picks,
// the hide-after-jump option, the label and reordering.
#include "HopmarkFixture.h"

namespace hopmark_test {
namespace {

using platform::DualListController;
using platform::ListSide;

class KeywordWindowTest : public HopmarkTest {
protected:
    void SetUp() override {
        HopmarkTest::SetUp();
        Start();
        LeftClickTray();
    }
};

TEST_F(KeywordWindowTest, EnterJumpsOnceToTheTrimmedKeywordAndHides) {
    ASSERT_TRUE(KeywordWindowShown());
    Type("  東京\x81\x40");  // two half-width blanks before, one full-width after
    Press(VK_RETURN);
    EXPECT_EQ(Keywords(), (std::vector<std::string>{"東京"}));
    EXPECT_EQ(Form1->ulbURL->Caption(), std::string(kBase) + "東京");
    EXPECT_EQ(Launched(), (std::vector<std::string>{std::string(kBase) + "東京"}));  // once, not twice
    EXPECT_EQ(Fake().shellCalls[0].verb, "OPEN");
    EXPECT_FALSE(KeywordWindowShown());
}

TEST_F(KeywordWindowTest, BlanksOnlyDoNothing) {
    Type(" \x81\x40 ");
    Press(VK_RETURN);
    EXPECT_TRUE(Keywords().empty());
    EXPECT_EQ(Form1->ulbURL->Caption(), kBase);
    EXPECT_TRUE(Launched().empty());
    EXPECT_TRUE(KeywordWindowShown());
}

TEST_F(KeywordWindowTest, AKeywordBeginningWithAMinusJoinsTheListOnly) {
    Type("-memo");
    Press(VK_RETURN);
    EXPECT_EQ(Keywords(), (std::vector<std::string>{"-memo"}));
    EXPECT_EQ(Form1->ulbURL->Caption(), kBase);
    EXPECT_TRUE(Launched().empty());
    EXPECT_TRUE(KeywordWindowShown());
}

TEST_F(KeywordWindowTest, AKeywordDifferingOnlyInCaseIsNotAddedAgain) {
    Form1->cbxKanjiList->Items().Add("Tokyo");
    Form1->cbxKanjiList->SetComplete(false);
    Type("TOKYO");
    Press(VK_RETURN);
    EXPECT_EQ(Keywords(), (std::vector<std::string>{"Tokyo"}));
    EXPECT_EQ(Launched(), (std::vector<std::string>{std::string(kBase) + "TOKYO"}));  // the typed form
}

TEST_F(KeywordWindowTest, WithTheOptionOffEnterOnlyShowsTheAddressAndTheLabelJumps) {
    Form2->PmRHideAfterJump->SetChecked(false);
    Type("大阪");
    Press(VK_RETURN);
    EXPECT_EQ(Form1->ulbURL->Caption(), std::string(kBase) + "大阪");
    EXPECT_TRUE(Launched().empty());
    EXPECT_TRUE(KeywordWindowShown());
    // A press on the label jumps and hides, whatever the button.
    Fake().MovePointer(Form1->Handle(), {Form1->ulbURL->Left() + 2, Form1->ulbURL->Top() + 2});
    Fake().PressButton(Form1->Handle(), WM_RBUTTONDOWN, MK_RBUTTON);
    EXPECT_EQ(Launched(), (std::vector<std::string>{std::string(kBase) + "大阪"}));
    EXPECT_FALSE(KeywordWindowShown());
}

TEST_F(KeywordWindowTest, APickFromTheListJumpsAtOnce) {
    Form1->cbxKanjiList->Items() = TStringList{"東京", "大阪"};
    Fake().PickItem(Combo(), 1);
    EXPECT_EQ(Launched(), (std::vector<std::string>{std::string(kBase) + "大阪"}));
    EXPECT_FALSE(KeywordWindowShown());
}

TEST_F(KeywordWindowTest, EscAndTheCloseBoxHideAndChangeNothingElse) {
    Type("京都");
    Press(VK_ESCAPE);
    EXPECT_FALSE(KeywordWindowShown());
    EXPECT_TRUE(Keywords().empty());
    LeftClickTray();
    EXPECT_TRUE(KeywordWindowShown());
    EXPECT_EQ(Form1->cbxKanjiList->Text(), "京都");
    Fake().Deliver(Form1->Handle(), WM_CLOSE);
    EXPECT_FALSE(KeywordWindowShown());
    EXPECT_FALSE(app->Terminated());  // closing it never ends the program
    EXPECT_TRUE(Launched().empty());
}

TEST_F(KeywordWindowTest, ALineBreakInAPastedKeywordBecomesABlank) {
    Form1->cbxKanjiList->SetText("東京\r\n大阪\n");
    Form1->cbxKanjiListClick(Form1->cbxKanjiList);
    EXPECT_EQ(Keywords(), (std::vector<std::string>{"東京 大阪"}));
}

TEST_F(KeywordWindowTest, ReorderingWithOkTakesTheRightSideAndCancelChangesNothing) {
    Form1->cbxKanjiList->Items() = TStringList{"a", "b", "c"};
    // The user moves c, then a; b stays on the left and is dropped.
    Fake().dualListScript = [](DualListController& c) {
        c.MoveItem(ListSide::Left, 2);
        c.MoveItem(ListSide::Left, 0);
        return true;
    };
    Form1->ReorderList();
    EXPECT_EQ(Keywords(), (std::vector<std::string>{"c", "a"}));
    EXPECT_FALSE(Fake().dualListCalls.empty());
    EXPECT_EQ(Fake().dualListCalls.back().label1, "現在の内容");
    EXPECT_EQ(Fake().dualListCalls.back().label2, "新しい順番");

    Fake().dualListScript = [](DualListController& c) {
        c.MoveItem(ListSide::Left, 0);
        return false;
    };
    Form1->ReorderList();
    EXPECT_EQ(Keywords(), (std::vector<std::string>{"c", "a"}));
}

TEST_F(KeywordWindowTest, ReorderingToAnEmptyRightSideEmptiesTheList) {
    Form1->cbxKanjiList->Items() = TStringList{"a", "b"};
    Fake().dualListScript = [](DualListController&) { return true; };
    Form1->ReorderList();
    EXPECT_TRUE(Keywords().empty());
}

}  // namespace
}  // namespace hopmark_test
