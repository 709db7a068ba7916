#include "platform/win32/Win32Platform.h"

namespace platform {

Platform& Current() {
    static win32::Win32Platform real;
    return real;
}

}  // namespace platform
