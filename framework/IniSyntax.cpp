#include "framework/IniSyntax.h"

#include "platform/Platform.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace ini {

LeadBytes::LeadBytes() {
    const auto& os = platform::Current();
    for (int b = 0; b < 256; ++b) table_[b] = os.IsLeadByte(static_cast<unsigned char>(b));
}

std::string_view CutAtNul(std::string_view s) {
    const void* nul = s.empty() ? nullptr : std::memchr(s.data(), '\0', s.size());
    return nul ? s.substr(0, static_cast<const char*>(nul) - s.data()) : s;
}

namespace {

constexpr char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

constexpr std::uint64_t kOnes = 0x0101010101010101u, kHigh = 0x8080808080808080u;

std::uint64_t Load8(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}

// The n < 8 bytes at p, assembled in a register.
std::uint64_t LoadShort(const char* p, std::size_t n) {
    std::uint64_t w = 0;
    for (std::size_t i = 0; i < n; ++i) w |= std::uint64_t{static_cast<unsigned char>(p[i])} << 8 * i;
    return w;
}

// Whether a byte of w is below n (at most 0x80).
constexpr bool HasByteBelow(std::uint64_t w, unsigned n) { return ((w - kOnes * n) & ~w & kHigh) != 0; }
constexpr bool HasZeroByte(std::uint64_t w) { return HasByteBelow(w, 1); }

// Whether a byte of s is below n (at most 0x80); eight bytes at a time.
bool HasByteBelow(std::string_view s, unsigned n) {
    if (s.size() < 8)
        return std::any_of(s.begin(), s.end(), [n](char c) { return static_cast<unsigned char>(c) < n; });
    for (std::size_t i = 0; i + 8 <= s.size(); i += 8)
        if (HasByteBelow(Load8(s.data() + i), n)) return true;
    return HasByteBelow(Load8(s.data() + s.size() - 8), n);  // the last bytes, some seen twice
}

// Whether s holds a CR, an LF or a NUL. All three lie below 0x0E, which few
// bytes of text do: most strings pass that test and need no other.
bool HoldsBreak(std::string_view s) {
    return HasByteBelow(s, 0x0E) &&
           std::any_of(s.begin(), s.end(), [](char c) { return c == '\0' || c == '\r' || c == '\n'; });
}

// Whether s holds c where a character starts.
bool HoldsCharacter(std::string_view s, char c, const LeadBytes& leadBytes) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == c) return true;
        if (leadBytes(s[i])) ++i;
    }
    return false;
}

// A lead byte with no trail byte after it: Windows would take the next byte
// of the line (a quote, '=', ']' or the line break) as its trail byte.
bool EndsInsideCharacter(std::string_view s, const LeadBytes& leadBytes) {
    // A byte outside the lead range ends a character, so a run of k lead-range
    // bytes at the end starts at a character, and its last byte starts one
    // exactly when k is odd.
    size_t k = 0;
    while (k < s.size() && leadBytes(s[s.size() - 1 - k])) ++k;
    return k % 2 == 1;
}

}  // namespace

bool SameFolded(std::string_view a, std::string_view b, const LeadBytes& leadBytes) {
    for (size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i])) return false;
        if (leadBytes(a[i]) && ++i < a.size() && a[i] != b[i]) return false;
    }
    return true;
}

namespace {

// The ASCII capitals of eight bytes at once lowered, as Fold does one.
std::uint64_t Fold8(std::uint64_t w) {
    std::uint64_t low = w & ~kHigh;
    std::uint64_t fromA = low + kOnes * (0x80 - 'A');      // high bit: low >= 'A'
    std::uint64_t pastZ = low + kOnes * (0x80 - 'Z' - 1);  // high bit: low > 'Z'
    return w | ((fromA & ~pastZ & ~w & kHigh) >> 2);
}

std::uint64_t Mix(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDu;
    h ^= h >> 33;
    return h;
}

}  // namespace

NameParts SplitName(std::string_view name) {
    const char* end = name.data() + name.size();
    const char* digits = end;
    for (std::size_t room = std::min<std::size_t>(name.size(), 9);
         room > 0 && static_cast<unsigned char>(digits[-1] - '0') < 10; --room)
        --digits;
    std::uint32_t number = 0;
    for (const char* d = digits; d < end; ++d) number = number * 10 + static_cast<std::uint32_t>(*d - '0');
    return {name.substr(0, static_cast<std::size_t>(digits - name.data())), number,
            static_cast<std::uint32_t>(end - digits)};
}

std::uint32_t HashStem(std::string_view stem, std::uint32_t digits) {
    // The bytes are folded whether trail bytes or not: names equal under
    // SameName fold equally, so they hash equally.
    std::uint64_t h = (stem.size() << 8 | digits) * 0x9E3779B97F4A7C15u;
    const char* p = stem.data();
    std::size_t i = 0;
    for (; i + 8 <= stem.size(); i += 8) h = Mix(h ^ Fold8(Load8(p + i)));
    if (std::size_t rest = stem.size() - i; rest > 0) {
        // The last bytes, from one load that ends with them when the stem is long enough.
        std::uint64_t w = stem.size() >= 8 ? Load8(p + stem.size() - 8) >> 8 * (8 - rest)
                                           : LoadShort(p, rest);
        h = Mix(h ^ Fold8(w));
    }
    return static_cast<std::uint32_t>(h);
}

NumberedName::NumberedName(std::string_view stem) : text_(stem), stem_(stem.size()) { Format(0); }

void NumberedName::Format(int index) {
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, index).ptr;
    text_.resize(stem_);
    text_.append(digits, end);
}

void NumberedName::Renumber(int index) {
    if (index != index_ + 1 || index <= 0) return Format(index);
    for (std::size_t i = text_.size(); i-- > stem_;) {  // a carry
        if (text_[i] != '9') {
            ++text_[i];
            return;
        }
        text_[i] = '0';
    }
    Format(index);
}

ParsedLine ParseLine(std::string_view line, const LeadBytes& leadBytes, bool mayHoldNul) {
    std::size_t start = 0;
    while (start < line.size() && IsBlank(line[start])) ++start;
    if (start == line.size()) return {};
    if (line[start] == '[') {
        // The name runs to the last ']' that starts a character.
        std::size_t close = std::string_view::npos;
        for (std::size_t i = start + 1; i < line.size(); ++i) {
            if (line[i] == ']') close = i;
            else if (leadBytes(line[i])) ++i;
        }
        if (close != std::string_view::npos)
            return {ParsedLine::Header, HeaderName(line, close), {}, close};
    }
    std::size_t eq = line.find('=', start);  // '=' is never a trail byte
    if (eq == std::string_view::npos) return {ParsedLine::Bare, BareName(line), {}, 0};
    if (!mayHoldNul || line.find('\0') == std::string_view::npos)  // as most lines: nothing to cut
        return {ParsedLine::Key, Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), eq};
    return {ParsedLine::Key, KeyName(line, eq), KeyValue(line, eq), eq};
}

std::string_view HeaderName(std::string_view line, std::size_t close) {
    std::size_t open = line.find('[');
    return Trim(CutAtNul(line.substr(open + 1, close - open - 1)));
}

std::string_view KeyName(std::string_view line, std::size_t eq) {
    return Trim(CutAtNul(line.substr(0, eq)));
}

std::string_view KeyValue(std::string_view line, std::size_t eq) {
    return Trim(CutAtNul(line.substr(eq + 1)));
}

std::string_view BareName(std::string_view line) { return Trim(CutAtNul(line)); }

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

const char* WhyUnwritable(std::string_view section, std::string_view key, std::string_view value,
                          const LeadBytes& leadBytes) {
    if (HoldsBreak(section) || HoldsBreak(value) || HoldsBreak(key))
        return "改行文字と NUL 文字は保存できません。";
    if (key.find('=') != std::string_view::npos) return "キー名に = は使えません。";
    if (EndsInsideCharacter(section, leadBytes) || EndsInsideCharacter(key, leadBytes) ||
        EndsInsideCharacter(value, leadBytes))
        return "2 バイト文字の前半で終わる名前や値は保存できません。";
    // "[a" with a ']' later on the line would be read as a section header.
    if (key.starts_with('[') &&
        (HoldsCharacter(key.substr(1), ']', leadBytes) || HoldsCharacter(value, ']', leadBytes)))
        return "キー名がセクション名と読まれます。";
    return nullptr;
}

std::size_t FirstUnwritable(std::string_view key, std::span<const std::string_view> values,
                            const LeadBytes& leadBytes) {
    // WhyUnwritable's tests of the value; those of the names passed.
    const bool opensHeader = key.starts_with('[');
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::string_view value = values[i];
        if (HoldsBreak(value) || EndsInsideCharacter(value, leadBytes) ||
            (opensHeader && HoldsCharacter(value, ']', leadBytes)))
            return i;
    }
    return values.size();
}

}  // namespace ini
