#include "framework/DualListModel.h"

#include "framework/Exception.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

template <typename Entries>
bool AnySelected(const Entries& entries) {
    return std::any_of(entries.begin(), entries.end(), [](const auto& e) { return e.selected; });
}

}  // namespace

TDualListModel::TDualListModel(const TStrings& left, const TStrings& right) {
    for (int i = 0, n = left.Count(); i < n; ++i) left_.push_back({left.Get(i)});
    for (int i = 0, n = right.Count(); i < n; ++i) right_.push_back({right.Get(i)});
}

void TDualListModel::WriteTo(TStrings& left, TStrings& right) const {
    // Each target changes once, by a whole-list assignment.
    auto write = [](const Entries& entries, TStrings& target) {
        TStringList list;
        list.Reserve(static_cast<int>(entries.size()));
        for (const auto& e : entries) list.Add(e.text);
        target.Assign(list);
    };
    write(left_, left);
    write(right_, right);
}

void TDualListModel::CheckIndex(const Entries& entries, int index) {
    if (index < 0 || index >= static_cast<int>(entries.size()))
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TDualListModel::Item(TListSide side, int index) const {
    CheckIndex(Side(side), index);
    return Side(side)[index].text;
}

std::vector<std::string> TDualListModel::Items(TListSide side) const {
    std::vector<std::string> items;
    for (const auto& e : Side(side)) items.push_back(e.text);
    return items;
}

bool TDualListModel::Selected(TListSide side, int index) const {
    CheckIndex(Side(side), index);
    return Side(side)[index].selected;
}

std::vector<int> TDualListModel::Selection(TListSide side) const {
    std::vector<int> indices;
    const auto& entries = Side(side);
    for (int i = 0, n = static_cast<int>(entries.size()); i < n; ++i)
        if (entries[i].selected) indices.push_back(i);
    return indices;
}

void TDualListModel::SetSelected(TListSide side, int index, bool selected) {
    CheckIndex(Side(side), index);
    Side(side)[index].selected = selected;
}

void TDualListModel::SelectOnly(TListSide side, int index) {
    if (index != -1) CheckIndex(Side(side), index);
    auto& entries = Side(side);
    for (int i = 0, n = static_cast<int>(entries.size()); i < n; ++i)
        entries[i].selected = i == index;
}

void TDualListModel::MoveSelected(TListSide from) {
    Entries& source = Side(from);
    Entries& target = Other(from);
    auto firstMoved =
        std::find_if(source.begin(), source.end(), [](const Entry& e) { return e.selected; });
    if (firstMoved == source.end()) return;
    const auto first = static_cast<size_t>(firstMoved - source.begin());

    for (auto& e : target) e.selected = false;
    Entries kept;
    for (auto& e : source) {
        if (e.selected)
            target.push_back(std::move(e));
        else
            kept.push_back(std::move(e));
    }
    source = std::move(kept);
    if (first < source.size()) source[first].selected = true;
}

void TDualListModel::MoveItem(TListSide from, int index) {
    SelectOnly(from, index);
    MoveSelected(from);
}

void TDualListModel::MoveAll(TListSide from) {
    Entries& source = Side(from);
    Entries& target = Other(from);
    if (source.empty()) return;
    for (auto& e : target) e.selected = false;
    for (auto& e : source) {
        e.selected = true;
        target.push_back(std::move(e));
    }
    source.clear();
}

bool TDualListModel::CanMoveSelected(TListSide from) const { return AnySelected(Side(from)); }

bool TDualListModel::CanMoveSelectionUp(TListSide side) const {
    const auto& entries = Side(side);
    return AnySelected(entries) && !entries.front().selected;
}

bool TDualListModel::CanMoveSelectionDown(TListSide side) const {
    const auto& entries = Side(side);
    return AnySelected(entries) && !entries.back().selected;
}

// Going from the top, each selected item passes the unselected one above it,
// so a block of selected items moves as a whole.
void TDualListModel::MoveSelectionUp(TListSide side) {
    if (!CanMoveSelectionUp(side)) return;
    auto& entries = Side(side);
    for (size_t i = 1; i < entries.size(); ++i)
        if (entries[i].selected) std::swap(entries[i - 1], entries[i]);
}

void TDualListModel::MoveSelectionDown(TListSide side) {
    if (!CanMoveSelectionDown(side)) return;
    auto& entries = Side(side);
    for (size_t i = entries.size() - 1; i-- > 0;)
        if (entries[i].selected) std::swap(entries[i], entries[i + 1]);
}

void TDualListModel::MoveSelectionTo(TListSide side, int before) {
    auto& entries = Side(side);
    if (before != static_cast<int>(entries.size())) CheckIndex(entries, before);
    Entries moved;
    Entries rest;
    int at = before;
    for (int i = 0, n = static_cast<int>(entries.size()); i < n; ++i) {
        if (entries[i].selected) {
            if (i < before) --at;
            moved.push_back(std::move(entries[i]));
        } else {
            rest.push_back(std::move(entries[i]));
        }
    }
    rest.insert(rest.begin() + at, std::make_move_iterator(moved.begin()),
                std::make_move_iterator(moved.end()));
    entries = std::move(rest);
}
