#include "framework/DualListModel.h"
#include "framework/Exception.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;
using Indices = std::vector<int>;
constexpr TListSide L = TListSide::lsLeft;
constexpr TListSide R = TListSide::lsRight;

TStringList ListOf(const Strings& items) {
    TStringList list;
    for (const auto& s : items) list.Add(s);
    return list;
}

// One side as "a b [c] d": items in order, the selected ones bracketed.
std::string Shown(const TDualListModel& m, TListSide side) {
    std::string out;
    for (int i = 0; i < m.Count(side); ++i) {
        if (i > 0) out += ' ';
        out += m.Selected(side, i) ? "[" + m.Item(side, i) + "]" : m.Item(side, i);
    }
    return out;
}

TDualListModel Make(const Strings& left, const Indices& leftSelected, const Strings& right = {},
                    const Indices& rightSelected = {}) {
    TDualListModel m(ListOf(left), ListOf(right));
    for (int i : leftSelected) m.SetSelected(L, i, true);
    for (int i : rightSelected) m.SetSelected(R, i, true);
    return m;
}

TEST(DualListModel, TheRightSideIsBuiltInTheOrderOfTheMoves) {
    auto m = Make({"a", "b", "c", "d", "e"}, {2});
    m.MoveSelected(L);  // ">"
    EXPECT_EQ(Shown(m, L), "a b [d] e");
    m.MoveItem(L, 0);  // a double-click on "a"
    m.SelectOnly(L, 1);         // "d",
    m.SetSelected(L, 2, true);  // and "e" added to the selection
    m.MoveSelected(L);
    EXPECT_EQ(Shown(m, L), "b");
    EXPECT_EQ(Shown(m, R), "c a [d] [e]");
    m.MoveItem(R, 0);  // "<" goes to the end of the left side as well
    EXPECT_EQ(Shown(m, L), "b [c]");
    EXPECT_EQ(Shown(m, R), "[a] d e");
}

struct MoveCase {
    const char* what;
    Strings left;
    Indices leftSelected;
    std::function<void(TDualListModel&)> move;
    std::string left_after;
    std::string right_after;
};

TEST(DualListModel, MovesAppendToTheOtherSideAndSelectWhereTheyLanded) {
    // The right side starts as "x" with "x" selected.
    const MoveCase cases[] = {
        {"> from the middle", {"a", "b", "c"}, {1}, [](auto& m) { m.MoveSelected(L); },
         "a [c]", "x [b]"},
        {"> of the last item selects nothing after it", {"a", "b", "c"}, {2},
         [](auto& m) { m.MoveSelected(L); }, "a b", "x [c]"},
        {"> of items apart keeps their list order", {"a", "b", "c", "d"}, {3, 1},
         [](auto& m) { m.MoveSelected(L); }, "a [c]", "x [b] [d]"},
        {"> with nothing selected", {"a"}, {}, [](auto& m) { m.MoveSelected(L); }, "a", "[x]"},
        {"> of everything", {"a", "b"}, {0, 1}, [](auto& m) { m.MoveSelected(L); }, "",
         "x [a] [b]"},
        {"double-click moves that item alone", {"a", "b", "c"}, {0, 2},
         [](auto& m) { m.MoveItem(L, 1); }, "a [c]", "x [b]"},
        {">>", {"a", "b"}, {0}, [](auto& m) { m.MoveAll(L); }, "", "x [a] [b]"},
        {">> of an empty side", {}, {}, [](auto& m) { m.MoveAll(L); }, "", "[x]"},
        {"<", {"a", "b"}, {0}, [](auto& m) { m.MoveSelected(R); }, "a b [x]", ""},
        {"<<", {"a", "b"}, {0}, [](auto& m) { m.MoveAll(R); }, "a b [x]", ""},
    };
    for (const auto& c : cases) {
        auto m = Make(c.left, c.leftSelected, {"x"}, {0});
        c.move(m);
        EXPECT_EQ(Shown(m, L), c.left_after) << c.what;
        EXPECT_EQ(Shown(m, R), c.right_after) << c.what;
    }
}

struct OrderCase {
    const char* what;
    Indices selected;
    std::function<void(TDualListModel&)> move;
    std::string after;
};

TEST(DualListModel, ReordersTheSelectionWithinAList) {
    auto up = [](TDualListModel& m) { m.MoveSelectionUp(L); };
    auto down = [](TDualListModel& m) { m.MoveSelectionDown(L); };
    auto dropBefore = [](int index) {
        return [index](TDualListModel& m) { m.MoveSelectionTo(L, index); };
    };
    const OrderCase cases[] = {
        {"up", {2}, up, "a [c] b d e"},
        {"up from the top", {0}, up, "[a] b c d e"},
        {"up with one item already at the top", {0, 3}, up, "[a] b c [d] e"},
        {"up, a block", {2, 3}, up, "a [c] [d] b e"},
        {"up, items apart", {1, 3}, up, "[b] a [d] c e"},
        {"down", {2}, down, "a b d [c] e"},
        {"down from the bottom", {4}, down, "a b c d [e]"},
        {"down, a block", {1, 2}, down, "a d [b] [c] e"},
        {"down, items apart", {1, 3}, down, "a c [b] e [d]"},
        {"up with nothing selected", {}, up, "a b c d e"},
        {"dragged down", {0}, dropBefore(3), "b c [a] d e"},
        {"dragged to the top", {3}, dropBefore(0), "[d] a b c e"},
        {"dragged to the end", {1, 3}, dropBefore(5), "a c e [b] [d]"},
        {"dragged, items apart, between them", {1, 3}, dropBefore(2), "a [b] [d] c e"},
        {"dropped onto itself", {1, 2}, dropBefore(2), "a [b] [c] d e"},
        {"dragged with nothing selected", {}, dropBefore(0), "a b c d e"},
    };
    for (const auto& c : cases) {
        auto m = Make({"a", "b", "c", "d", "e"}, c.selected, {"x"});
        c.move(m);
        EXPECT_EQ(Shown(m, L), c.after) << c.what;
        EXPECT_EQ(Shown(m, R), "x") << c.what;
    }
}

TEST(DualListModel, ButtonsAreEnabledOnlyWithSomethingToMove) {
    auto m = Make({"a", "b", "c"}, {}, {});
    EXPECT_FALSE(m.CanMoveSelected(L));
    EXPECT_TRUE(m.CanMoveAll(L));
    EXPECT_FALSE(m.CanMoveSelected(R));
    EXPECT_FALSE(m.CanMoveAll(R));
    EXPECT_FALSE(m.CanMoveSelectionUp(L));
    EXPECT_FALSE(m.CanMoveSelectionDown(L));

    m.SelectOnly(L, 0);
    EXPECT_TRUE(m.CanMoveSelected(L));
    EXPECT_FALSE(m.CanMoveSelectionUp(L));
    EXPECT_TRUE(m.CanMoveSelectionDown(L));
    m.SetSelected(L, 2, true);
    EXPECT_FALSE(m.CanMoveSelectionUp(L));
    EXPECT_FALSE(m.CanMoveSelectionDown(L));
    m.SelectOnly(L, 1);
    EXPECT_TRUE(m.CanMoveSelectionUp(L));
    EXPECT_TRUE(m.CanMoveSelectionDown(L));

    m.MoveAll(L);
    EXPECT_FALSE(m.CanMoveAll(L));
    EXPECT_TRUE(m.CanMoveSelected(R));
    EXPECT_TRUE(m.CanMoveAll(R));
    m.SelectOnly(R, -1);
    EXPECT_FALSE(m.CanMoveSelected(R));
}

TEST(DualListModel, RepeatedItemsAreToldApartByPosition) {
    auto m = Make({"a", "b", "a"}, {2}, {"a"});
    m.MoveSelected(L);
    EXPECT_EQ(Shown(m, L), "a b");
    EXPECT_EQ(Shown(m, R), "a [a]");
    m.MoveSelectionUp(R);
    EXPECT_EQ(Shown(m, R), "[a] a");
    m.SelectOnly(L, 0);
    m.MoveSelectionTo(L, 2);
    EXPECT_EQ(Shown(m, L), "b [a]");
    m.MoveItem(R, 1);
    EXPECT_EQ(Shown(m, L), "b a [a]");
    EXPECT_EQ(Shown(m, R), "a");
}

TEST(DualListModel, OkWritesBothSidesBackInDialogOrder) {
    TStringList list1{"tokyo", "osaka", "kyoto", "osaka"};
    TStringList list2{"nagoya"};
    TDualListModel m(list1, list2);
    m.MoveItem(L, 3);
    m.MoveItem(L, 0);
    m.WriteTo(list1, list2);
    EXPECT_EQ(list1.ToVector(), (Strings{"osaka", "kyoto"}));
    EXPECT_EQ(list2.ToVector(), (Strings{"nagoya", "osaka", "tokyo"}));

    // An empty right side empties the list it is written to.
    TDualListModel all(list1, list2);
    all.MoveAll(R);
    all.WriteTo(list1, list2);
    EXPECT_EQ(list1.ToVector(), (Strings{"osaka", "kyoto", "nagoya", "osaka", "tokyo"}));
    EXPECT_EQ(list2.Count(), 0);
}

TEST(DualListModel, WorksOnCopiesSoCancelLeavesTheListsAsTheyWere) {
    TStringList list1{"tokyo", "osaka"};
    TStringList list2{"nagoya"};
    TDualListModel m(list1, list2);
    m.MoveAll(L);
    m.SelectOnly(R, 0);
    m.MoveSelectionDown(R);
    // Cancel: the model is dropped without writing back.
    EXPECT_EQ(list1.ToVector(), (Strings{"tokyo", "osaka"}));
    EXPECT_EQ(list2.ToVector(), (Strings{"nagoya"}));
    // Nor do later changes of the lists reach the model.
    list1.Clear();
    list2.Put(0, "sapporo");
    EXPECT_EQ(Shown(m, R), "tokyo [nagoya] osaka");
}

TEST(DualListModel, IndicesOutsideASideRaise) {
    auto m = Make({"a"}, {}, {});
    EXPECT_THROW(m.Item(L, 1), EListError);
    EXPECT_THROW(m.Selected(L, -1), EListError);
    EXPECT_THROW(m.SetSelected(R, 0, true), EListError);
    EXPECT_THROW(m.SelectOnly(L, 1), EListError);
    EXPECT_THROW(m.MoveItem(R, 0), EListError);
    EXPECT_THROW(m.MoveSelectionTo(L, 2), EListError);
    EXPECT_THROW(m.MoveSelectionTo(L, -1), EListError);
    m.SelectOnly(L, -1);
    m.MoveSelectionTo(L, 1);  // the end is a place to drop
    EXPECT_EQ(Shown(m, L), "a");
}

}  // namespace
