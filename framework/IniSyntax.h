#pragma once
// The text rules of INI files as Windows' profile functions apply them:
// which bytes are blanks, what a line is, how names compare, how quotes and
// integers are read, and what a written line must avoid to read back unchanged.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace ini {

// The lead-byte test of the code page, as a table: a parse asks it per byte.
class LeadBytes {
public:
    LeadBytes();  // from the platform's code page
    bool operator()(char c) const { return table_[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> table_{};
};

// Space, tab, vertical tab, form feed and Ctrl-Z: the bytes trimmed.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}
inline std::string_view TrimFront(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    return s;
}
inline std::string_view Trim(std::string_view s) {
    s = TrimFront(s);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}
// A name or value ends at a NUL byte.
std::string_view CutAtNul(std::string_view s);
// One pair of equal quotes (" or ') around the value removed.
inline std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

// SameName for names of one size that are not spelt alike.
bool SameFolded(std::string_view a, std::string_view b, const LeadBytes& leadBytes);
// Names compare as Windows compares them: ASCII letters without regard to
// case, except a letter that is the trail byte of a double-byte character.
inline bool SameName(std::string_view a, std::string_view b, const LeadBytes& leadBytes) {
    return a.size() == b.size() && (a == b || SameFolded(a, b, leadBytes));  // most often spelled alike
}
// A name as it is hashed: a name ending in a number (of up to nine digits)
// hashes as its stem's hash plus the number, so that the keys of a list
// (Name.0, Name.1, ...) lie side by side in a table and walking the list
// walks the table in order.
struct NameParts {
    std::string_view stem;
    std::uint32_t number = 0;
    std::uint32_t digits = 0;
};
NameParts SplitName(std::string_view name);
std::uint32_t HashStem(std::string_view stem, std::uint32_t digits);
// Equal for every two names SameName takes as equal.
inline std::uint32_t HashName(std::string_view name) {
    NameParts parts = SplitName(name);
    return HashStem(parts.stem, parts.digits) + parts.number;
}

// The keys of a list: a stem followed by an index in decimal, built in place
// and counted up by one digit when the index follows the last, so that
// walking them costs no allocation and no number formatting per key.
class NumberedName {
public:
    explicit NumberedName(std::string_view stem);
    std::string_view operator()(int index) {
        if (index != index_) {
            if (index == index_ + 1 && index > 0 && text_.back() != '9') ++text_.back();  // most steps
            else Renumber(index);
            index_ = index;
        }
        return text_;
    }

private:
    void Renumber(int index);
    void Format(int index);

    std::string text_;
    std::size_t stem_;
    int index_ = 0;
};

struct ParsedLine {
    enum Kind : std::uint8_t { Blank, Header, Key, Bare } kind = Blank;
    std::string_view name;   // section name, key, or the whole bare entry
    std::string_view value;  // raw, unquoted later, for Key lines
    std::size_t mark = 0;    // in line: the first '=' of a Key, the closing ']' of a Header
};
// A line without its line break. The views point into line. A caller that
// knows the line holds no NUL byte says so, sparing the search for one.
ParsedLine ParseLine(std::string_view line, const LeadBytes& leadBytes, bool mayHoldNul = true);
// The name or value of a line, from its kind and mark alone.
std::string_view HeaderName(std::string_view line, std::size_t close);
std::string_view KeyName(std::string_view line, std::size_t eq);
std::string_view KeyValue(std::string_view line, std::size_t eq);
std::string_view BareName(std::string_view line);

// The integer GetPrivateProfileInt reads from a stored value (raw, as in the
// file); def when the value is empty.
int ParseProfileInt(std::string_view rawValue, int def);

// True when the reader would take blanks or quotes off value's ends, so that
// it must be written inside one extra pair of quotes.
inline bool NeedsQuotes(std::string_view value) {
    auto taken = [](char c) { return IsBlank(c) || c == '"' || c == '\''; };
    return !value.empty() && (taken(value.front()) || taken(value.back()));
}

// Why a write of value under section and key could not be read back as it
// was written, or nullptr when it can. Names are taken as the writer stores
// them, trimmed.
const char* WhyUnwritable(std::string_view section, std::string_view key, std::string_view value,
                          const LeadBytes& leadBytes);
// The first of values that WhyUnwritable refuses under a key that it
// accepts with the empty value, or values.size() when it refuses none; in
// one pass over most values.
std::size_t FirstUnwritable(std::string_view key, std::span<const std::string_view> values,
                            const LeadBytes& leadBytes);

}  // namespace ini
