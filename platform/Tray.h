#pragma once
// The notification-area record in its first, 88-byte ANSI form, with the
// handles as the numbers the seam speaks.

#include "platform/Types.h"

#include <cstdint>

namespace platform {

// The three requests of Shell_NotifyIconA, with its numbers.
enum class TrayRequest { Add = 0, Modify = 1, Delete = 2 };

constexpr std::uint32_t kNifMessage = 1, kNifIcon = 2, kNifTip = 4;

struct NotifyIconData {
    std::uint32_t cbSize = 0;
    Handle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    Handle hIcon = 0;
    char szTip[64] = {};
};

}  // namespace platform
