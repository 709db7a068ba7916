#pragma once
// The state of the two-list dialog in which the user moves strings between a
// left and a right list and orders them: the items of each side with their
// multiple selection, the moving rules, and what the buttons may do. The
// dialog shows it; the model works on copies, so a cancelled dialog leaves
// the caller's lists alone.
//
// Items are told apart by position only: the same string may stand several
// times on one side or on both.

#include "framework/Strings.h"

#include <string>
#include <vector>

enum class TListSide { lsLeft, lsRight };

class TDualListModel {
public:
    TDualListModel() = default;
    // left and right are copied; their objects are not carried.
    TDualListModel(const TStrings& left, const TStrings& right);

    // The dialog's result: left and right replaced by the items of each side,
    // in the dialog's order.
    void WriteTo(TStrings& left, TStrings& right) const;

    int Count(TListSide side) const { return static_cast<int>(Side(side).size()); }
    // Item i of a side; throws EListError outside the list.
    const std::string& Item(TListSide side, int index) const;
    std::vector<std::string> Items(TListSide side) const;

    bool Selected(TListSide side, int index) const;
    // Indices of the selected items, ascending.
    std::vector<int> Selection(TListSide side) const;
    void SetSelected(TListSide side, int index, bool selected);
    // Makes index the side's only selected item; -1 selects nothing.
    void SelectOnly(TListSide side, int index);

    // Buttons ">" (from the left) and "<" (from the right), and dragging the
    // selection onto the other list: the selected items of `from` are
    // appended, in their order, at the end of the other side, where they
    // become its selection. On `from` the item now standing at the first
    // removed position is selected; nothing when no item stands there.
    void MoveSelected(TListSide from);
    // A double-click: item index alone moves, as if it were the only one selected.
    void MoveItem(TListSide from, int index);
    // Buttons ">>" and "<<": every item of `from` is appended, in order, at the
    // end of the other side and selected there; `from` is left empty.
    void MoveAll(TListSide from);

    // Ctrl+Up and Ctrl+Down: every selected item changes place with the
    // neighbour above (below) it; the selection moves with the items. Nothing
    // happens when a selected item already stands first (last).
    void MoveSelectionUp(TListSide side);
    void MoveSelectionDown(TListSide side);
    // Dragging within a list: the selected items are taken out and put back,
    // in their order and still selected, before the item that stood at
    // `before` (Count to put them at the end), counted before the move.
    void MoveSelectionTo(TListSide side, int before);

    // Whether the operations above have anything to move, for enabling the buttons.
    bool CanMoveSelected(TListSide from) const;
    bool CanMoveAll(TListSide from) const { return Count(from) > 0; }
    bool CanMoveSelectionUp(TListSide side) const;
    bool CanMoveSelectionDown(TListSide side) const;

private:
    struct Entry {
        std::string text;
        bool selected = false;
    };
    using Entries = std::vector<Entry>;

    const Entries& Side(TListSide side) const { return side == TListSide::lsLeft ? left_ : right_; }
    Entries& Side(TListSide side) { return side == TListSide::lsLeft ? left_ : right_; }
    Entries& Other(TListSide side) { return side == TListSide::lsLeft ? right_ : left_; }
    static void CheckIndex(const Entries& entries, int index);

    Entries left_;
    Entries right_;
};
