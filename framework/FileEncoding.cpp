#include "framework/FileEncoding.h"

#include "platform/Platform.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LEBom = "\xFF\xFE";
constexpr std::string_view kUtf16BEBom = "\xFE\xFF";
constexpr char16_t kReplacement = u'\uFFFD';

std::u16string Utf8ToUtf16(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        char32_t cp = extra == 0 ? c : extra == 1 ? c & 0x1F : extra == 2 ? c & 0x0F : c & 0x07;
        bool ok = extra >= 0 && i + extra < s.size();
        for (int k = 1; ok && k <= extra; ++k) {
            unsigned char t = s[i + k];
            ok = (t & 0xC0) == 0x80;
            cp = (cp << 6) | (t & 0x3F);
        }
        if (!ok || cp > 0x10FFFF) {
            out += kReplacement;
            ++i;
            continue;
        }
        i += extra + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size() * 3);
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[++i] - 0xDC00);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | cp >> 6);
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | cp >> 12);
            out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | cp >> 18);
            out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::u16string FromUtf16Bytes(std::string_view s, bool bigEndian) {
    std::u16string out(s.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i) {
        unsigned char a = s[2 * i], b = s[2 * i + 1];
        out[i] = static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    }
    return out;
}

std::string ToUtf16Bytes(std::u16string_view s, bool bigEndian) {
    std::string out;
    out.reserve(s.size() * 2);
    for (char16_t c : s) {
        char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

}  // namespace

FileEncoding DetectEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) return FileEncoding::Utf8;
    if (bytes.starts_with(kUtf16LEBom)) return FileEncoding::Utf16LE;
    if (bytes.starts_with(kUtf16BEBom)) return FileEncoding::Utf16BE;
    return FileEncoding::Ansi;
}

std::string DecodeTextFile(std::string_view bytes, FileEncoding encoding) {
    const auto& os = platform::Current();
    switch (encoding) {
        case FileEncoding::Ansi: break;
        case FileEncoding::Utf8: return os.WideToAnsi(Utf8ToUtf16(bytes.substr(kUtf8Bom.size())));
        case FileEncoding::Utf16LE: return os.WideToAnsi(FromUtf16Bytes(bytes.substr(2), false));
        case FileEncoding::Utf16BE: return os.WideToAnsi(FromUtf16Bytes(bytes.substr(2), true));
    }
    return std::string(bytes);
}

std::string EncodeTextFile(std::string_view text, FileEncoding encoding) {
    const auto& os = platform::Current();
    switch (encoding) {
        case FileEncoding::Ansi: break;
        case FileEncoding::Utf8: return std::string(kUtf8Bom) + Utf16ToUtf8(os.AnsiToWide(text));
        case FileEncoding::Utf16LE:
            return std::string(kUtf16LEBom) + ToUtf16Bytes(os.AnsiToWide(text), false);
        case FileEncoding::Utf16BE:
            return std::string(kUtf16BEBom) + ToUtf16Bytes(os.AnsiToWide(text), true);
    }
    return std::string(text);
}
