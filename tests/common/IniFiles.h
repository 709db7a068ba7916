#pragma once
// A folder for the settings-file tests: on the fake platform a made-up path
// whose files live in the fake, on the real one a new folder under the
// system's temporary folder, removed with its files afterwards. Files are
// put and got through the platform, byte for byte.

#include "platform/Platform.h"

#include <optional>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

// name followed by n in decimal.
inline std::string Numbered(const char* name, std::size_t n) {
    std::string s = name;
    s += std::to_string(n);
    return s;
}

class IniFolder {
public:
    IniFolder() {
#ifdef _WIN32
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        for (unsigned n = GetTickCount();; ++n) {
            path_ = std::string(temp) + "hopmark-ini-" + std::to_string(n);
            if (CreateDirectoryA(path_.c_str(), nullptr)) break;
        }
#else
        path_ = "C:\\IniTests";
#endif
    }
    ~IniFolder() {
#ifdef _WIN32
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string file = path_ + "\\" + found.cFileName;
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA(path_.c_str());
#endif
    }
    IniFolder(const IniFolder&) = delete;
    IniFolder& operator=(const IniFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string Path(std::string_view name) const { return path_ + "\\" + std::string(name); }

    void Put(std::string_view name, std::string_view bytes) const {
        platform::Current().SaveFileAtomic(Path(name), bytes);
    }
    std::optional<std::string> Get(std::string_view name) const {
        return platform::Current().LoadFile(Path(name));
    }

private:
    std::string path_;
};
