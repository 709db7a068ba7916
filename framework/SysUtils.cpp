#include "framework/SysUtils.h"

#include "platform/Platform.h"

namespace {

unsigned char UpperAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

// 0-based position of the last of delimiters in s that starts a character,
// or npos. Trail bytes are skipped with the code page's lead-byte test.
size_t LastDelimiter(std::string_view delimiters, std::string_view s) {
    const auto& os = platform::Current();
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < s.size(); ++i) {
        if (delimiters.find(s[i]) != std::string_view::npos) found = i;
        if (os.IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ++i;
    }
    return found;
}

}  // namespace

bool SameAsciiText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    return true;
}

std::string LowerCase(std::string_view s) {
    std::string result(s);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return result;
}

std::string ExtractFilePath(std::string_view fileName) {
    size_t cut = LastDelimiter("\\:", fileName);
    return std::string(cut == std::string_view::npos ? "" : fileName.substr(0, cut + 1));
}

std::string ExtractFileName(std::string_view fileName) {
    size_t cut = LastDelimiter("\\:", fileName);
    return std::string(cut == std::string_view::npos ? fileName : fileName.substr(cut + 1));
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
    size_t cut = LastDelimiter(".\\:", fileName);
    if (cut == std::string_view::npos || fileName[cut] != '.') cut = fileName.size();
    return std::string(fileName.substr(0, cut)) + std::string(extension);
}

std::string ExeFileName() { return platform::Current().ExePath(); }

std::string IntToStr(long long value) { return std::to_string(value); }

std::string Concat(std::initializer_list<std::string_view> parts) {
    size_t size = 0;
    for (auto part : parts) size += part.size();
    std::string s;
    s.reserve(size);
    for (auto part : parts) s += part;
    return s;
}
