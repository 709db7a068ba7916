#include "app/BlankTrim.h"

#include "framework/Exception.h"
#include "platform/Platform.h"

namespace {

constexpr char kHalfBlank = 0x20;
constexpr char kFullBlankLead = static_cast<char>(0x81);
constexpr char kFullBlankTrail = 0x40;

// Position 1 always starts a character, so the bytes alone decide.
void TrimLeftBlanks(std::string& s) {
    size_t start = 0;
    for (;;) {
        if (start < s.size() && s[start] == kHalfBlank) {
            start += 1;
        } else if (start + 1 < s.size() && s[start] == kFullBlankLead &&
                   s[start + 1] == kFullBlankTrail) {
            start += 2;
        } else {
            break;
        }
    }
    s.erase(0, start);
}

void TrimRightBlanks(std::string& s) {
    while (!s.empty()) {
        int n = static_cast<int>(s.size());
        if (IsTrailByte(s, n)) {
            if (s[n - 2] != kFullBlankLead || s[n - 1] != kFullBlankTrail) return;
            s.resize(n - 2);
        } else {
            if (s[n - 1] != kHalfBlank) return;
            s.resize(n - 1);
        }
    }
}

}  // namespace

bool IsTrailByte(std::string_view s, int index) {
    if (index < 1 || index > static_cast<int>(s.size())) throw Exception("Illegal Index");
    if (index == 1) return false;
    const auto& os = platform::Current();
    // Walk back over bytes with lead-byte values; the first that has none ends
    // a character, and the run after it pairs up from the left.
    int i = index - 1;
    while (i > 0 && os.IsLeadByte(static_cast<unsigned char>(s[i - 1]))) --i;
    return (index - i) % 2 == 0;
}

std::string TrimBlanks(std::string_view s) {
    if (s.empty()) return {};
    std::string r(s);
    TrimLeftBlanks(r);
    TrimRightBlanks(r);
    return r;
}
