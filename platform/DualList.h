#pragma once
// The modal two-list dialog as the platform shows it. The framework holds
// the lists and their rules behind DualListController; the dialog shows
// what it reports and hands it every command of the user.

#include "platform/Types.h"

#include <string>
#include <vector>

namespace platform {

enum class ListSide { Left, Right };

enum class DualListCommand {
    MoveRight,     // ">": the left side's selection to the right
    MoveAllRight,  // ">>"
    MoveLeft,      // "<"
    MoveAllLeft,   // "<<"
    MoveUp,        // Ctrl+Up in the focused list
    MoveDown,      // Ctrl+Down
};

struct DualListTexts {
    std::string title;
    std::string label1;  // over the left list
    std::string label2;  // over the right list
    std::string ok, cancel, help;
};

class DualListController {
public:
    virtual ~DualListController() = default;
    virtual std::vector<std::string> Items(ListSide side) const = 0;
    virtual std::vector<int> Selection(ListSide side) const = 0;
    virtual void SetSelection(ListSide side, const std::vector<int>& indices) = 0;
    // Whether a command can do anything now (its button is enabled).
    virtual bool CanRun(DualListCommand command, ListSide focused) const = 0;
    virtual void Run(DualListCommand command, ListSide focused) = 0;
    // A double-click on an item moves it to the other side.
    virtual void MoveItem(ListSide from, int index) = 0;
    // The selection of `from` dragged onto a list: onto the other side it is
    // appended; within its own side it goes before item `before`.
    virtual void Drop(ListSide from, ListSide to, int before) = 0;
    // The Help button.
    virtual void Help() = 0;
};

}  // namespace platform
