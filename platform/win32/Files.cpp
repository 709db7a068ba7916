#include "framework/Exception.h"
#include "platform/FileMessages.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <algorithm>

namespace platform::win32 {
namespace {

// The system's own wording of an error code, in the user's language.
std::string SystemReason(DWORD code) {
    char* text = nullptr;
    DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason(text ? text : "", n);
    LocalFree(text);
    while (!reason.empty() && (reason.back() == '\r' || reason.back() == '\n')) reason.pop_back();
    return reason;
}

[[noreturn]] void ThrowCannotWrite(const std::string& path, DWORD code) {
    throw EInOutError(CannotWriteMessage(path, SystemReason(code)));
}

std::string DirectoryOf(const std::string& path) {
    auto cut = path.find_last_of("\\/:");
    if (cut == std::string::npos) return ".";
    return path.substr(0, path[cut] == ':' ? cut + 1 : cut);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

std::optional<std::string> Win32Platform::LoadFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return std::nullopt;
        throw EInOutError(CannotReadMessage(path, SystemReason(code)));
    }
    std::string content;
    char buffer[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr))
            throw EInOutError(CannotReadMessage(path, SystemReason(GetLastError())));
        if (got == 0) return content;
        content.append(buffer, got);
    }
}

void Win32Platform::SaveFileAtomic(const std::string& path, std::string_view bytes) {
    // Windows will not replace a read-only file, but MoveFileEx does under Wine.
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ThrowCannotWrite(path, ERROR_ACCESS_DENIED);
    // A sibling temporary file, flushed, then renamed over the old one: the
    // rename is the only moment the file changes, and it is atomic.
    char temp[MAX_PATH];
    if (!GetTempFileNameA(DirectoryOf(path).c_str(), "hop", 0, temp))
        ThrowCannotWrite(path, GetLastError());
    DWORD code = ERROR_SUCCESS;
    {
        KernelHandle file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file || !WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
            code = GetLastError();
            if (code == ERROR_SUCCESS) code = ERROR_WRITE_FAULT;
        }
    }
    if (code == ERROR_SUCCESS &&
        !MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        code = GetLastError();
    if (code != ERROR_SUCCESS) {
        DeleteFileA(temp);
        ThrowCannotWrite(path, code);
    }
}

}  // namespace platform::win32
