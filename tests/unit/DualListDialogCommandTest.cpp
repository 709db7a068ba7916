// What the platform's dialog hands the component: each command, a
// double-click and each kind of drop land on the right side with the right
// rule, selections are taken as given, and the buttons' states follow them.
#include "DualListDialogFixture.h"

#include <gtest/gtest.h>

namespace duallist_test {
namespace {

using Action = std::function<void(DualListController&)>;

void Select(DualListController& c, ListSide side, std::vector<int> indices) { c.SetSelection(side, indices); }

TEST_F(DualListDialogTest, EachOfTheUsersCommandsMovesWhatItShould) {
    struct Case {
        const char* what;
        Action act;
        Items left, right;
    };
    const Case cases[] = {
        {"> moves the left selection to the end of the right",
         [](auto& c) { Select(c, ListSide::Left, {1, 3}); c.Run(DualListCommand::MoveRight, ListSide::Right); },
         {"a", "c"}, {"x", "y", "b", "d"}},
        {">> moves the whole left side",
         [](auto& c) { c.Run(DualListCommand::MoveAllRight, ListSide::Right); },
         {}, {"x", "y", "a", "b", "c", "d"}},
        {"< moves the right selection to the end of the left",
         [](auto& c) { Select(c, ListSide::Right, {0}); c.Run(DualListCommand::MoveLeft, ListSide::Left); },
         {"a", "b", "c", "d", "x"}, {"y"}},
        {"<< moves the whole right side",
         [](auto& c) { c.Run(DualListCommand::MoveAllLeft, ListSide::Left); },
         {"a", "b", "c", "d", "x", "y"}, {}},
        {"Ctrl+Up in the left list",
         [](auto& c) { Select(c, ListSide::Left, {2}); c.Run(DualListCommand::MoveUp, ListSide::Left); },
         {"a", "c", "b", "d"}, {"x", "y"}},
        {"Ctrl+Down in the right list",
         [](auto& c) { Select(c, ListSide::Right, {0}); c.Run(DualListCommand::MoveDown, ListSide::Right); },
         {"a", "b", "c", "d"}, {"y", "x"}},
        {"Ctrl+Down acts on the focused list only",
         [](auto& c) {
             Select(c, ListSide::Left, {0});
             Select(c, ListSide::Right, {0});
             c.Run(DualListCommand::MoveDown, ListSide::Left);
         },
         {"b", "a", "c", "d"}, {"x", "y"}},
        {"a double-click moves that item alone",
         [](auto& c) { Select(c, ListSide::Left, {0, 1}); c.MoveItem(ListSide::Left, 2); },
         {"a", "b", "d"}, {"x", "y", "c"}},
        {"a double-click on the right",
         [](auto& c) { c.MoveItem(ListSide::Right, 1); },
         {"a", "b", "c", "d", "y"}, {"x"}},
        {"dropped onto the other list: appended whatever the place",
         [](auto& c) { Select(c, ListSide::Left, {0, 2}); c.Drop(ListSide::Left, ListSide::Right, 0); },
         {"b", "d"}, {"x", "y", "a", "c"}},
        {"dropped within its list: before the item pointed at",
         [](auto& c) { Select(c, ListSide::Left, {0}); c.Drop(ListSide::Left, ListSide::Left, 3); },
         {"b", "c", "a", "d"}, {"x", "y"}},
        {"dropped within its list below the last item",
         [](auto& c) { Select(c, ListSide::Left, {0, 1}); c.Drop(ListSide::Left, ListSide::Left, 4); },
         {"c", "d", "a", "b"}, {"x", "y"}},
        {"dropped within the right list",
         [](auto& c) { Select(c, ListSide::Right, {1}); c.Drop(ListSide::Right, ListSide::Right, 0); },
         {"a", "b", "c", "d"}, {"y", "x"}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        Fill1({"a", "b", "c", "d"});
        Fill2({"x", "y"});
        Play([&](DualListController& c) {
            tc.act(c);
            return true;
        });
        EXPECT_TRUE(dialog->Execute());
        EXPECT_EQ(List1(), tc.left);
        EXPECT_EQ(List2(), tc.right);
    }
}

TEST_F(DualListDialogTest, ASelectionIsTakenAsGivenAndReplacesTheLastOne) {
    Fill1({"a", "b", "c", "d"});
    std::vector<int> first, second, right;
    Play([&](DualListController& c) {
        c.SetSelection(ListSide::Left, {0, 2});
        first = c.Selection(ListSide::Left);
        c.SetSelection(ListSide::Left, {3});
        second = c.Selection(ListSide::Left);
        right = c.Selection(ListSide::Right);
        return false;
    });
    dialog->Execute();
    EXPECT_EQ(first, (std::vector<int>{0, 2}));
    EXPECT_EQ(second, std::vector<int>{3});
    EXPECT_EQ(right, std::vector<int>{});
}

TEST_F(DualListDialogTest, MovedItemsAreSelectedWhereTheyLand) {
    Fill1({"a", "b", "c"});
    Fill2({"x"});
    std::vector<int> left, right;
    Play([&](DualListController& c) {
        c.SetSelection(ListSide::Left, {0, 1});
        c.Run(DualListCommand::MoveRight, ListSide::Left);
        left = c.Selection(ListSide::Left);
        right = c.Selection(ListSide::Right);
        return false;
    });
    dialog->Execute();
    EXPECT_EQ(left, std::vector<int>{0});  // "c", now first
    EXPECT_EQ(right, (std::vector<int>{1, 2}));
}

TEST_F(DualListDialogTest, TheButtonsAreEnabledWhenTheyHaveSomethingToDo) {
    struct Case {
        const char* what;
        Items left, right;
        std::vector<int> leftSelection, rightSelection;
        ListSide focused;
        // >, >>, <, <<, Ctrl+Up, Ctrl+Down
        std::vector<bool> enabled;
    };
    const Case cases[] = {
        {"nothing anywhere", {}, {}, {}, {}, ListSide::Left, {false, false, false, false, false, false}},
        {"left items, none selected", {"a", "b"}, {}, {}, {}, ListSide::Left,
         {false, true, false, false, false, false}},
        {"the first left item selected", {"a", "b"}, {}, {0}, {}, ListSide::Left,
         {true, true, false, false, false, true}},
        {"the last left item selected", {"a", "b"}, {}, {1}, {}, ListSide::Left,
         {true, true, false, false, true, false}},
        {"all left items selected", {"a", "b"}, {}, {0, 1}, {}, ListSide::Left,
         {true, true, false, false, false, false}},
        {"right selection, the right list focused", {"a"}, {"x", "y", "z"}, {}, {1}, ListSide::Right,
         {false, true, true, true, true, true}},
        {"right selection, the left list focused", {"a"}, {"x", "y", "z"}, {}, {1}, ListSide::Left,
         {false, true, true, true, false, false}},
    };
    const DualListCommand commands[] = {DualListCommand::MoveRight, DualListCommand::MoveAllRight,
                                        DualListCommand::MoveLeft,  DualListCommand::MoveAllLeft,
                                        DualListCommand::MoveUp,    DualListCommand::MoveDown};
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        Fill1(tc.left);
        Fill2(tc.right);
        std::vector<bool> enabled;
        Play([&](DualListController& c) {
            c.SetSelection(ListSide::Left, tc.leftSelection);
            c.SetSelection(ListSide::Right, tc.rightSelection);
            for (auto command : commands) enabled.push_back(c.CanRun(command, tc.focused));
            return false;
        });
        dialog->Execute();
        EXPECT_EQ(enabled, tc.enabled);
    }
}

}  // namespace
}  // namespace duallist_test
