// The shell: the notification area, opening documents, help, popup menus
// and the program's icons.
#include "platform/win32/Win32Platform.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

namespace platform::win32 {
namespace {

class Win32Icon final : public NativeIcon {
public:
    explicit Win32Icon(HICON icon) : icon_(icon) {}
    ~Win32Icon() override { DestroyIcon(icon_); }
    Win32Icon(const Win32Icon&) = delete;
    Win32Icon& operator=(const Win32Icon&) = delete;

    Handle GetHandle() const override { return reinterpret_cast<Handle>(icon_); }
    std::unique_ptr<NativeIcon> Clone() const override {
        HICON copy = CopyIcon(icon_);
        return copy ? std::make_unique<Win32Icon>(copy) : nullptr;
    }

private:
    HICON icon_;
};

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string WithExtension(const std::string& path, const char* extension) {
    size_t dot = path.find_last_of(".\\:");
    if (dot == std::string::npos || path[dot] != '.') return path + extension;
    return path.substr(0, dot) + extension;
}

}  // namespace

bool Win32Platform::NotifyIcon(TrayRequest request, const NotifyIconData& data) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;  // the first, 88-byte form
    nid.hWnd = reinterpret_cast<HWND>(data.hWnd);
    nid.uID = data.uID;
    nid.uFlags = data.uFlags;
    nid.uCallbackMessage = data.uCallbackMessage;
    nid.hIcon = reinterpret_cast<HICON>(data.hIcon);
    std::memcpy(nid.szTip, data.szTip, sizeof data.szTip);
    DWORD message = request == TrayRequest::Add ? NIM_ADD : request == TrayRequest::Modify ? NIM_MODIFY : NIM_DELETE;
    return Shell_NotifyIconA(message, &nid) != 0;
}

std::intptr_t Win32Platform::ShellOpen(Handle owner, const std::string& verb, const std::string& file,
                                       const std::string& parameters, const std::string& directory,
                                       int showCommand) {
    HINSTANCE result = ShellExecuteA(reinterpret_cast<HWND>(owner), verb.c_str(), file.c_str(),
                                     parameters.c_str(), directory.c_str(), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

void Win32Platform::ShowHelp(Handle owner, const std::string& helpFile, int context) {
    HWND window = reinterpret_cast<HWND>(owner);
    if (FileExists(helpFile)) {
        WinHelpA(window, helpFile.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context));
        return;
    }
    // No help file: the manual beside it, at the place for that context.
    std::string manual = WithExtension(helpFile, ".html");
    if (!FileExists(manual)) return;
    std::string url = "file:///" + manual + "#context-" + std::to_string(context);
    for (char& c : url)
        if (c == '\\') c = '/';
    ShellExecuteA(window, "open", url.c_str(), "", "", SW_SHOWNORMAL);
}

int Win32Platform::TrackPopupMenu(Handle owner, Point at, const std::vector<MenuEntry>& entries) {
    std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter> menu(CreatePopupMenu());
    for (size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& e = entries[i];
        if (e.caption == "-") {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (e.checked ? MF_CHECKED : 0) | (e.enabled ? 0 : MF_GRAYED);
        AppendMenuA(menu.get(), flags, i + 1, e.caption.c_str());
    }
    HWND window = reinterpret_cast<HWND>(owner);
    UINT chosen = ::TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0,
                                   window, nullptr);
    // The usual rule for menus of the notification area: a message after the
    // menu lets the owner lose the foreground normally later.
    PostMessageW(window, WM_NULL, 0, 0);
    return chosen == 0 ? -1 : static_cast<int>(chosen) - 1;
}

std::unique_ptr<NativeIcon> Win32Platform::LoadIconResource(const std::string& name, int size) {
    if (size <= 0) size = GetSystemMetrics(SM_CXSMICON);
    auto icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    if (!icon) return nullptr;
    return std::make_unique<Win32Icon>(icon);
}

}  // namespace platform::win32
