#include "framework/IniSyntax.h"

#include "platform/Platform.h"

namespace ini {

LeadBytes::LeadBytes() {
    const auto& os = platform::Current();
    for (int b = 0; b < 256; ++b) table_[b] = os.IsLeadByte(static_cast<unsigned char>(b));
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view CutAtNul(std::string_view s) { return s.substr(0, s.find('\0')); }

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

namespace {
constexpr char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
}  // namespace

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

std::uint32_t HashName(std::string_view name) {
    std::uint32_t h = 2166136261u;  // FNV-1a over the folded bytes
    for (char c : name) h = (h ^ static_cast<unsigned char>(Fold(c))) * 16777619u;
    return h;
}

ParsedLine ParseLine(std::string_view line, const LeadBytes& leadBytes) {
    std::string_view text = Trim(line);
    if (text.empty()) return {};
    if (text.front() == '[') {
        // The name runs to the last ']' that starts a character.
        size_t close = std::string_view::npos;
        for (size_t i = 1; i < text.size(); ++i) {
            if (text[i] == ']') close = i;
            else if (leadBytes(text[i]) && i + 1 < text.size()) ++i;
        }
        if (close != std::string_view::npos)
            return {ParsedLine::Header, Trim(CutAtNul(text.substr(1, close - 1))), {}};
    }
    size_t eq = text.find('=');  // '=' is never a trail byte
    if (eq == std::string_view::npos) return {ParsedLine::Bare, Trim(CutAtNul(text)), {}};
    return {ParsedLine::Key, Trim(CutAtNul(text.substr(0, eq))),
            Trim(CutAtNul(text.substr(eq + 1)))};
}

int ParseProfileInt(std::string_view rawValue, int def) {
    std::string_view s = Unquote(rawValue);
    if (s.empty()) return def;
    s = s.substr(0, 29);  // Windows reads the value into a 30-byte buffer
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    unsigned base = 10;
    if (s.size() >= 2 && s[0] == '0') {
        if (s[1] == 'x') base = 16;
        else if (s[1] == 'o') base = 8;
        else if (s[1] == 'b') base = 2;
        if (base != 10) s.remove_prefix(2);
    }
    std::uint32_t value = 0;  // wraps modulo 2^32, as Windows does
    for (char c : s) {
        unsigned digit = c >= '0' && c <= '9'   ? unsigned(c - '0')
                         : c >= 'a' && c <= 'f' ? unsigned(c - 'a' + 10)
                         : c >= 'A' && c <= 'F' ? unsigned(c - 'A' + 10)
                                                : 99u;
        if (digit >= base) break;
        value = value * base + digit;
    }
    if (negative) value = 0u - value;
    return static_cast<int>(value);
}

std::string EncodeValue(std::string_view value) {
    // Blanks or quotes at an end would be taken by the reader; one extra
    // pair of quotes, which the reader removes, shields them.
    bool shield = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                                     value.front() == '"' || value.front() == '\'' ||
                                     value.back() == '"' || value.back() == '\'');
    if (!shield) return std::string(value);
    std::string out;
    out.reserve(value.size() + 2);
    out += '"';
    out += value;
    out += '"';
    return out;
}

}  // namespace ini
