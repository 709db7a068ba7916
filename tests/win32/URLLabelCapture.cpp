#include "URLLabelCapture.h"

#include <windows.h>

#include <memory>
#include <string_view>
#include <type_traits>

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

UniqueHandle OpenFile(const std::string& path, DWORD access, DWORD disposition) {
    HANDLE file = CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

constexpr const char* kBrowserKey = "Software\\Wine\\WineBrowser";

// Wine's own path conversions; absent on Windows.
using ToUnix = char*(CDECL*)(const WCHAR*);
using ToDos = WCHAR*(CDECL*)(const char*);

template <class F>
F WineExport(const char* name) {
    // Through void(*)(): the one cast the compiler lets a function pointer take.
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32"), name)));
}

std::wstring Wide(const std::string& ansi) {
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, w.data(), n);
    w.resize(n - 1);
    return w;
}

std::string UnixPath(const std::string& windowsPath) {
    auto convert = WineExport<ToUnix>("wine_get_unix_file_name");
    if (!convert) return {};
    char* unix = convert(Wide(windowsPath).c_str());
    if (!unix) return {};
    std::string path = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return path;
}

std::wstring DosPath(const char* unixPath) {
    auto convert = WineExport<ToDos>("wine_get_dos_file_name");
    if (!convert) return {};
    WCHAR* dos = convert(unixPath);
    if (!dos) return {};
    std::wstring path = dos;
    HeapFree(GetProcessHeap(), 0, dos);
    return path;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
    UniqueHandle file = OpenFile(path, GENERIC_WRITE, CREATE_ALWAYS);
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::string ReadWholeFile(const std::string& path) {
    UniqueHandle file = OpenFile(path, GENERIC_READ, OPEN_EXISTING);
    if (!file) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

// Wine starts host programs too: the script gets its executable bit from
// the host's chmod, which a Windows program has no call for. Wine gives no
// handle to wait on for a host program, so it leaves a marker when done.
// Empty when done, else what failed.
std::string MakeExecutable(const std::string& unixScript, const std::string& marker) {
    std::wstring shell = DosPath("/bin/sh");
    if (shell.empty()) return "no /bin/sh";
    // sh -c 'chmod 755 "$0" && : >"$1"' script marker
    std::wstring command = L"sh -c \"chmod 755 \\\"$0\\\" && : >\\\"$1\\\"\" \"" + Wide(unixScript) + L"\" \"" +
                           Wide(UnixPath(marker)) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(shell.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return "the host shell does not start, error " + std::to_string(GetLastError());
    UniqueHandle thread(process.hThread), shellProcess(process.hProcess);
    for (DWORD started = GetTickCount(); GetTickCount() - started < 10000; Sleep(20))
        if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) return "";
    return "chmod of " + unixScript + " did not finish";
}

UniqueKey OpenBrowserKey(REGSAM access) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kBrowserKey, 0, nullptr, 0, access, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return nullptr;
    return UniqueKey(key);
}

bool SetBrowsers(const std::string& value) {
    UniqueKey key = OpenBrowserKey(KEY_SET_VALUE);
    return key && RegSetValueExA(key.get(), "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace

BrowserCapture::BrowserCapture() {
    if (!WineExport<ToUnix>("wine_get_unix_file_name")) {
        problem_ = "not running under Wine";
        return;
    }
    char temp[MAX_PATH];
    if (!GetTempPathA(MAX_PATH, temp)) {
        problem_ = "no temporary folder";
        return;
    }
    dir_ = std::string(temp) + "hopmark-urllabel-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir_.c_str(), nullptr);
    captured_ = dir_ + "\\captured.txt";
    std::string script = dir_ + "\\capture.sh";
    std::string unixCaptured = UnixPath(captured_);
    std::string unixScript = UnixPath(script);
    if (unixCaptured.empty() || unixScript.empty()) {
        problem_ = "no host path for " + dir_;
        return;
    }
    if (!WriteWholeFile(captured_, "") ||
        !WriteWholeFile(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >>'" + unixCaptured + "'\n")) {
        problem_ = "cannot write the capture script in " + dir_;
        return;
    }
    problem_ = MakeExecutable(unixScript, dir_ + "\\executable");
    if (!problem_.empty()) return;

    if (UniqueKey key = OpenBrowserKey(KEY_QUERY_VALUE)) {
        char value[1024];
        DWORD size = sizeof value, type = 0;
        if (RegQueryValueExA(key.get(), "Browsers", nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ) {
            hadBrowsers_ = true;
            oldBrowsers_.assign(value, size > 0 ? size - 1 : 0);
        }
    }
    ready_ = SetBrowsers(unixScript);
    if (!ready_) problem_ = "cannot set the browser in the registry";
}

BrowserCapture::~BrowserCapture() {
    if (ready_) RestoreBrowsers();
    if (dir_.empty()) return;
    DeleteFileA((dir_ + "\\capture.sh").c_str());
    DeleteFileA((dir_ + "\\executable").c_str());
    DeleteFileA(captured_.c_str());
    RemoveDirectoryA(dir_.c_str());
}

void BrowserCapture::RestoreBrowsers() {
    if (hadBrowsers_) {
        SetBrowsers(oldBrowsers_);
        return;
    }
    if (UniqueKey key = OpenBrowserKey(KEY_SET_VALUE)) RegDeleteValueA(key.get(), "Browsers");
}

std::vector<std::string> BrowserCapture::Addresses() const {
    std::vector<std::string> lines;
    std::string bytes = ReadWholeFile(captured_);
    size_t start = 0;
    for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

std::vector<std::string> BrowserCapture::WaitFor(size_t count, unsigned timeoutMs) const {
    DWORD started = GetTickCount();
    std::vector<std::string> lines = Addresses();
    while (lines.size() < count && GetTickCount() - started < timeoutMs) {
        Sleep(50);
        lines = Addresses();
    }
    return lines;
}
