#include "platform/win32/Win32Platform.h"

#include <windows.h>

namespace platform::win32 {

bool Win32Platform::IsLeadByte(unsigned char b) const { return IsDBCSLeadByte(b) != 0; }

int Win32Platform::CompareText(std::string_view a, std::string_view b) const {
    // The user's locale, as the ANSI comparison of the system does it.
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                          b.data(), static_cast<int>(b.size())) - CSTR_EQUAL;
}

std::u16string Win32Platform::AnsiToWide(std::string_view text) const {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::u16string wide(n, u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(wide.data()), n);
    return wide;
}

std::string Win32Platform::WideToAnsi(std::u16string_view text) const {
    if (text.empty()) return {};
    auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    int n = WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string ansi(n, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(text.size()), ansi.data(), n, nullptr,
                        nullptr);
    return ansi;
}

std::string Win32Platform::ExePath() const {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // truncated: try a larger buffer
    }
}

std::string Win32Platform::WindowsDirectory() const {
    char buffer[150] = {};
    GetWindowsDirectoryA(buffer, sizeof buffer);
    return buffer;
}

}  // namespace platform::win32
