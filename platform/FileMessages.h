#pragma once
// The texts of file failures, the same on every platform: they name the file,
// and the system's reason follows when there is one.

#include <string>

namespace platform {

inline std::string CannotReadMessage(const std::string& path, const std::string& reason) {
    return "ファイル \"" + path + "\" を読み込めません。" + reason;
}

inline std::string CannotWriteMessage(const std::string& path, const std::string& reason) {
    return "ファイル \"" + path + "\" に書き込めません。" + reason;
}

}  // namespace platform
