#include "framework/ComboCompletion.h"

#include "platform/Platform.h"

#include <algorithm>

namespace {

constexpr size_t kHeadBytes = 4;

char FoldAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// The first bytes of text with every byte in the range of the ASCII letters
// folded, trail bytes included, packed into one number, the first byte
// lowest. Texts whose beginnings are equal have equal heads; the converse
// does not hold, and Begins decides.
std::uint32_t Head(std::string_view text) {
    std::uint32_t head = 0;
    for (size_t i = 0, n = std::min(text.size(), kHeadBytes); i < n; ++i)
        head |= std::uint32_t{static_cast<unsigned char>(FoldAscii(text[i]))} << (8 * i);
    return head;
}

}  // namespace

std::optional<TCompletion> TComboCompletion::Complete(std::string_view text, TTextChange change) {
    if (change == TTextChange::tcDeleted || text.empty()) return std::nullopt;
    Revalidate();
    // A text ending in half a character can only equal an item, never be
    // continued by one; and it is no start for a search of what follows.
    if (EndsInsideCharacter(text)) return std::nullopt;

    // Every item that begins with the text begins with each of its prefixes,
    // so the first match of the longest prefix searched before is where the
    // search may start without passing over an earlier match.
    std::string key = Fold(text);
    size_t common = std::mismatch(key.begin(), key.end(), folded_.begin(), folded_.end()).first -
                    key.begin();
    while (!path_.empty() && path_.back().length > common) path_.pop_back();

    int match = path_.empty() ? 0 : path_.back().match;
    if (path_.empty() || path_.back().length < key.size()) {
        if (match >= 0) match = Search(text, match);
        path_.push_back({key.size(), match});
    }
    folded_ = std::move(key);

    if (match < 0) return std::nullopt;
    const std::string& item = items_->Get(match);
    if (item.size() == text.size()) return std::nullopt;
    TCompletion result;
    result.text.reserve(item.size());
    result.text.append(text).append(item, text.size());
    result.selStart = static_cast<int>(text.size());
    result.selLength = static_cast<int>(item.size() - text.size());
    result.itemIndex = match;
    return result;
}

// Everything learnt depends on the items and on the code page.
void TComboCompletion::Revalidate() {
    if (valid_ && items_->ChangeCount() == seenChange_) return;
    const auto& os = platform::Current();
    for (int b = 0; b < 256; ++b) lead_[b] = os.IsLeadByte(static_cast<unsigned char>(b));
    heads_.clear();
    heads_.reserve(items_->Count());
    folded_.clear();
    path_.clear();
    seenChange_ = items_->ChangeCount();
    valid_ = true;
}

// The first item from `from` on that begins with text, or -1. An item is
// read in full only when its head agrees with the text's; heads are learnt
// as the search first passes their items, so no search after a change of
// the items pays for more than the items it passes.
int TComboCompletion::Search(std::string_view text, int from) {
    const size_t width = std::min(text.size(), kHeadBytes);
    const std::uint32_t mask = width == kHeadBytes ? ~0u : (1u << (8 * width)) - 1;
    const std::uint32_t head = Head(text);
    const int known = static_cast<int>(heads_.size());
    for (int i = from; i < known; ++i)
        if ((heads_[i] & mask) == head && Begins(items_->Get(i), text)) return i;
    for (int i = known, n = items_->Count(); i < n; ++i) {
        const std::string& item = items_->Get(i);
        heads_.push_back(Head(item));
        if (i >= from && (heads_.back() & mask) == head && Begins(item, text)) return i;
    }
    return -1;
}

bool TComboCompletion::Begins(std::string_view item, std::string_view text) const {
    if (item.size() < text.size()) return false;
    for (size_t i = 0; i < text.size();) {
        if (IsLead(item[i]) && i + 1 < item.size()) {
            // A double-byte character: both bytes as they are, and wholly.
            if (i + 1 == text.size() || item[i] != text[i] || item[i + 1] != text[i + 1])
                return false;
            i += 2;
        } else {
            if (FoldAscii(item[i]) != FoldAscii(text[i])) return false;
            ++i;
        }
    }
    return true;
}

// Folds the letters of single-byte characters only: of two texts that fold
// alike and end on a character boundary, each begins the same items.
std::string TComboCompletion::Fold(std::string_view text) const {
    std::string folded(text);
    for (size_t i = 0; i < folded.size(); ++i) {
        if (IsLead(folded[i]))
            ++i;
        else
            folded[i] = FoldAscii(folded[i]);
    }
    return folded;
}

bool TComboCompletion::EndsInsideCharacter(std::string_view text) const {
    for (size_t i = 0; i < text.size(); ++i) {
        if (!IsLead(text[i])) continue;
        if (i + 1 == text.size()) return true;
        ++i;
    }
    return false;
}
