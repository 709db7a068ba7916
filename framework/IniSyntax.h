#pragma once
// The text rules of INI files as Windows' profile functions apply them:
// which bytes are blanks, what a line is, how quotes and integers are read,
// and how a value must be written to read back unchanged.

#include <array>
#include <cstdint>
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
std::string_view Trim(std::string_view s);
// A name or value ends at a NUL byte.
std::string_view CutAtNul(std::string_view s);
// One pair of equal quotes (" or ') around the value removed.
std::string_view Unquote(std::string_view value);
// Name compared as Windows does: ASCII letters folded, nothing else.
bool SameName(std::string_view a, std::string_view b);
std::uint32_t HashName(std::string_view name);

struct ParsedLine {
    enum Kind : std::uint8_t { Blank, Header, Key, Bare } kind = Blank;
    std::string_view name;   // section name, key, or the whole bare entry
    std::string_view value;  // raw, unquoted later, for Key lines
};
// A line without its line break. The views point into line.
ParsedLine ParseLine(std::string_view line, const LeadBytes& leadBytes);

// The integer GetPrivateProfileInt reads from a stored value (raw, as in the
// file); def when the value is empty.
int ParseProfileInt(std::string_view rawValue, int def);

// The text to write after "key=" so that the reader returns value exactly.
std::string EncodeValue(std::string_view value);

}  // namespace ini
