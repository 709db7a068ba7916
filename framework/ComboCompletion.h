#pragma once
// Completion of a combo box's edit text from its items while the user types:
// the first item in list order that begins with the text completes it.
//
// "Begins with" compares ASCII letters of single-byte characters without
// regard to case and every other byte exactly: the bytes of a double-byte
// character, trail bytes in the letter range included, must be equal, and the
// text must end where a character of the item ends.

#include "framework/Strings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Why the edit text changed, as far as completion cares.
enum class TTextChange {
    tcTyped,    // a character typed, text pasted or set: completion applies
    tcDeleted,  // the last key pressed was Backspace or Delete: no completion
};

struct TCompletion {
    std::string text;  // the typed text, as typed, followed by the rest of the item
    // The appended rest, to be selected so that the next keystroke replaces
    // it; in bytes of the code-page text, start 0-based (the typed length).
    int selStart = 0;
    int selLength = 0;  // always > 0
    int itemIndex = -1;  // the item that completed the text
};

class TComboCompletion {
public:
    // items must outlive this object; it is read, never changed.
    explicit TComboCompletion(const TStrings& items) : items_(&items) {}

    // The completion of text, the whole edit text after a change; nullopt
    // when there is none: after Backspace or Delete, for an empty text, when
    // no item begins with the text, or when the first one that does is the
    // text itself (in letter case or not). Then the edit stays as the user
    // left it: the text as typed, the caret where it was, nothing selected.
    std::optional<TCompletion> Complete(std::string_view text, TTextChange change);

    // Forgets what earlier calls learnt about the items. Changes made through
    // a TStrings that counts them (ChangeCount) are noticed without this.
    void Invalidate() { valid_ = false; }

private:
    // The first item matching a prefix of folded_, as a start for the
    // search of any text that extends that prefix.
    struct Step {
        size_t length;  // bytes of the prefix; always ends on a character boundary
        int match;      // item index, or -1 when no item matches
    };

    void Revalidate();
    int Search(std::string_view text, int from);
    bool Begins(std::string_view item, std::string_view text) const;
    std::string Fold(std::string_view text) const;
    bool EndsInsideCharacter(std::string_view text) const;
    bool IsLead(char b) const { return lead_[static_cast<unsigned char>(b)]; }

    const TStrings* items_;
    bool valid_ = false;
    std::uint64_t seenChange_ = 0;
    bool lead_[256] = {};
    std::vector<std::uint32_t> heads_;  // heads of the first items, in list order
    std::string folded_;                // the last text searched, folded
    std::vector<Step> path_;            // for growing prefixes of folded_
};
