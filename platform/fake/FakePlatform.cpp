#include "platform/fake/FakePlatform.h"

#include "framework/Exception.h"
#include "platform/FileMessages.h"

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

namespace platform::fake {
namespace {

unsigned char FoldAscii(unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

int CompareFolded(std::string_view a, std::string_view b) {
    auto n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        int d = FoldAscii(a[i]) - FoldAscii(b[i]);
        if (d != 0) return d;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

const char* CodePageName(CodePage codePage) {
    return codePage == CodePage::Japanese932 ? "CP932" : "CP1252";
}

// The host's converter stands in for the system's code-page tables.
std::string Convert(const char* to, const char* from, std::string_view in, std::string_view fallback) {
    std::unique_ptr<void, int (*)(iconv_t)> cd(iconv_open(to, from), iconv_close);
    std::string out;
    char buffer[4096];
    char* src = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
        char* dst = buffer;
        size_t room = sizeof buffer;
        size_t r = iconv(cd.get(), &src, &left, &dst, &room);
        out.append(buffer, dst - buffer);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            out += fallback;  // one unconvertible unit
            size_t unit = std::string_view(from).starts_with("UTF-16") ? 2 : 1;
            src += std::min(unit, left);
            left -= std::min(unit, left);
        }
    }
    return out;
}

// In one read of the whole size, as the real platform's loader does.
std::optional<std::string> LoadHostFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}

// As the real platform does it: a flushed sibling file renamed over the old one.
void SaveHostFile(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    bool ok = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
              ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        throw EInOutError(CannotWriteMessage(path, std::strerror(errno)));
    }
}

}  // namespace

bool PathLess::operator()(const std::string& a, const std::string& b) const {
    return CompareFolded(a, b) < 0;
}

FakePlatform::FakePlatform() = default;
FakePlatform::~FakePlatform() = default;

void FakePlatform::Reset() {
    static_cast<FakeState&>(*this) = FakeState();
    posted_.clear();
    std::lock_guard lock(mutex_);
    wakePending_ = false;
    wakes_ = 0;
    holdSleeps_ = false;
    sleeps_.clear();
}

bool FakePlatform::IsLeadByte(unsigned char b) const {
    if (codePage == CodePage::Western1252) return false;
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

int FakePlatform::CompareText(std::string_view a, std::string_view b) const {
    return CompareFolded(a, b);
}

std::u16string FakePlatform::AnsiToWide(std::string_view text) const {
    std::string bytes = Convert("UTF-16LE", CodePageName(codePage), text, std::string("\xfb\x30", 2));
    std::u16string wide(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return wide;
}

std::string FakePlatform::WideToAnsi(std::u16string_view text) const {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return Convert(CodePageName(codePage), "UTF-16LE", bytes, "?");
}

std::optional<std::string> FakePlatform::LoadFile(const std::string& path) {
    if (realFiles) return LoadHostFile(path);
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

void FakePlatform::SaveFileAtomic(const std::string& path, std::string_view bytes) {
    if (path.empty() || path.back() == '\\')
        throw EInOutError(CannotWriteMessage(path, "アクセスが拒否されました。"));
    if (!writeFailure.empty()) throw EInOutError(CannotWriteMessage(path, writeFailure));
    if (realFiles) {
        SaveHostFile(path, bytes);
        ++saveCount;
        return;
    }
    files[path] = std::string(bytes);
    ++saveCount;
}

FakePlatform& Fake() {
    static FakePlatform fake;
    return fake;
}

}  // namespace platform::fake

namespace platform {
Platform& Current() { return fake::Fake(); }
}  // namespace platform
