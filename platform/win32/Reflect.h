#pragma once
// Notifications that standard controls send to their parent (WM_COMMAND)
// are handed back to the control's own object, which reports them to its
// sink: the framework then hears of them from the control itself.

#include <windows.h>

namespace platform::win32 {

class Reflector {
public:
    virtual ~Reflector() = default;
    virtual LRESULT Reflect(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
};

constexpr const char* kReflectorProperty = "HopmarkReflector";

// The control's object for a notification from it; null for other windows.
inline Reflector* ReflectorOf(HWND control) {
    return control ? static_cast<Reflector*>(GetPropA(control, kReflectorProperty)) : nullptr;
}

}  // namespace platform::win32
