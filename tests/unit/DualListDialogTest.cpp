// TDualListDialog::Execute on the fake: OK writes both sides back in the
// dialog's order, every other ending leaves both lists as they were, and the
// right side is kept from one run to the next.
#include "DualListDialogFixture.h"

#include "framework/Exception.h"

#include <gtest/gtest.h>

namespace duallist_test {
namespace {

const Items kKeywords = {"東京", "大阪", "名古屋", "札幌"};

TEST_F(DualListDialogTest, OkWritesBothSidesBackInTheOrderOfMoving) {
    Fill1(kKeywords);
    Play([](DualListController& c) {
        c.SetSelection(ListSide::Left, {2});
        c.Run(DualListCommand::MoveRight, ListSide::Left);
        c.SetSelection(ListSide::Left, {0});
        c.Run(DualListCommand::MoveRight, ListSide::Left);
        return true;
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(List1(), (Items{"大阪", "札幌"}));
    EXPECT_EQ(List2(), (Items{"名古屋", "東京"}));
}

TEST_F(DualListDialogTest, TheDialogStartsWithBothListsAndWorksOnCopies) {
    Fill1(kKeywords);
    Fill2({"神戸"});
    Items shown1, shown2, live1;
    Play([&](DualListController& c) {
        shown1 = c.Items(ListSide::Left);
        shown2 = c.Items(ListSide::Right);
        c.Run(DualListCommand::MoveAllRight, ListSide::Left);
        live1 = List1();  // the component's list, while the dialog is open
        return true;
    });
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(shown1, kKeywords);
    EXPECT_EQ(shown2, Items{"神戸"});
    EXPECT_EQ(live1, kKeywords);
    EXPECT_EQ(List1(), Items{});
    EXPECT_EQ(List2(), (Items{"神戸", "東京", "大阪", "名古屋", "札幌"}));
}

TEST_F(DualListDialogTest, AnythingButOkLeavesBothListsAsTheyWere) {
    struct Case {
        const char* what;
        std::function<bool(DualListController&)> script;
    };
    const Case cases[] = {
        {"no script: cancelled at once", nullptr},
        {"moves, then Cancel",
         [](DualListController& c) {
             c.Run(DualListCommand::MoveAllRight, ListSide::Left);
             c.SetSelection(ListSide::Right, {0});
             c.Run(DualListCommand::MoveDown, ListSide::Right);
             return false;
         }},
        {"everything to the left, then Cancel",
         [](DualListController& c) {
             c.Run(DualListCommand::MoveAllLeft, ListSide::Left);
             return false;
         }},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        Fill1(kKeywords);
        Fill2({"神戸", "京都"});
        Play(tc.script);
        EXPECT_FALSE(dialog->Execute());
        EXPECT_EQ(List1(), kKeywords);
        EXPECT_EQ(List2(), (Items{"神戸", "京都"}));
    }
}

TEST_F(DualListDialogTest, AFailureInsideTheDialogLeavesBothListsAndIsPassedOn) {
    Fill1(kKeywords);
    Fill2({"神戸"});
    Play([](DualListController& c) -> bool {
        c.Run(DualListCommand::MoveAllRight, ListSide::Left);
        c.MoveItem(ListSide::Right, 9);  // no such item
        return true;
    });
    EXPECT_THROW(dialog->Execute(), EListError);
    EXPECT_EQ(List1(), kKeywords);
    EXPECT_EQ(List2(), Items{"神戸"});

    // The dialog can be opened again afterwards.
    Play([](DualListController&) { return true; });
    EXPECT_TRUE(dialog->Execute());
}

TEST_F(DualListDialogTest, OkWithAnEmptyRightSideEmptiesList2) {
    Fill1({"東京"});
    Fill2({"大阪", "名古屋"});
    Play([](DualListController& c) {
        c.Run(DualListCommand::MoveAllLeft, ListSide::Right);
        return true;
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(List1(), (Items{"東京", "大阪", "名古屋"}));
    EXPECT_EQ(List2(), Items{});
}

TEST_F(DualListDialogTest, TheRightSideOfTheLastOkStartsTheNextRun) {
    Fill1(kKeywords);
    Play([](DualListController& c) {
        c.SetSelection(ListSide::Left, {1, 3});
        c.Run(DualListCommand::MoveRight, ListSide::Left);
        return true;
    });
    ASSERT_TRUE(dialog->Execute());

    // As the keyword window does: the left side refilled, the right one kept,
    // so a keyword may stand on both sides.
    Fill1(List2());
    Items shownRight;
    Play([&](DualListController& c) {
        shownRight = c.Items(ListSide::Right);
        c.Run(DualListCommand::MoveAllLeft, ListSide::Right);
        return false;
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(shownRight, (Items{"大阪", "札幌"}));
    EXPECT_EQ(List1(), (Items{"大阪", "札幌"}));
    EXPECT_EQ(List2(), (Items{"大阪", "札幌"}));
}

TEST_F(DualListDialogTest, ASecondExecuteWhileOpenReturnsFalseAndShowsNothing) {
    Fill1(kKeywords);
    bool nested = true;
    Play([&](DualListController& c) {
        nested = dialog->Execute();
        c.Run(DualListCommand::MoveAllRight, ListSide::Left);
        return true;
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_FALSE(nested);
    EXPECT_EQ(fake.dualListCalls.size(), 1u);
    EXPECT_EQ(List2(), kKeywords);
}

}  // namespace
}  // namespace duallist_test
