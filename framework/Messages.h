#pragma once
// The message vocabulary: Windows' own numbers, which native input arrives
// as on every platform, plus the framework's notifications. Code that also
// includes <windows.h> must include this first (the system's macros of the
// same names then take over with the same values).

#include <cstdint>
#include <string>

// X-macro: name and number of every message the framework handles.
#define HOPMARK_MESSAGES(X)          \
    X(WM_NULL, 0x0000)               \
    X(WM_DESTROY, 0x0002)            \
    X(WM_MOVE, 0x0003)               \
    X(WM_SIZE, 0x0005)               \
    X(WM_ACTIVATE, 0x0006)           \
    X(WM_SETFOCUS, 0x0007)           \
    X(WM_KILLFOCUS, 0x0008)          \
    X(WM_CLOSE, 0x0010)              \
    X(WM_QUERYENDSESSION, 0x0011)    \
    X(WM_ENDSESSION, 0x0016)         \
    X(WM_SETCURSOR, 0x0020)          \
    X(WM_KEYDOWN, 0x0100)            \
    X(WM_KEYUP, 0x0101)              \
    X(WM_CHAR, 0x0102)               \
    X(WM_SYSKEYDOWN, 0x0104)         \
    X(WM_COMMAND, 0x0111)            \
    X(WM_MOUSEMOVE, 0x0200)          \
    X(WM_LBUTTONDOWN, 0x0201)        \
    X(WM_LBUTTONUP, 0x0202)          \
    X(WM_LBUTTONDBLCLK, 0x0203)      \
    X(WM_RBUTTONDOWN, 0x0204)        \
    X(WM_RBUTTONUP, 0x0205)          \
    X(WM_RBUTTONDBLCLK, 0x0206)      \
    X(WM_MBUTTONDOWN, 0x0207)        \
    X(WM_MBUTTONUP, 0x0208)          \
    X(WM_MBUTTONDBLCLK, 0x0209)      \
    X(WM_MOUSELEAVE, 0x02A3)         \
    X(WM_USER, 0x0400)               \
    X(CN_COMMAND, 0xBD11)            \
    X(CM_MOUSEENTER, 0xB013)         \
    X(CM_MOUSELEAVE, 0xB014)

#define HOPMARK_DEFINE_MESSAGE(name, value) constexpr std::uint32_t name = value;
HOPMARK_MESSAGES(HOPMARK_DEFINE_MESSAGE)
#undef HOPMARK_DEFINE_MESSAGE

// Notification codes of a combo box, in the high word of CN_COMMAND's wParam.
constexpr std::uint16_t CBN_SELCHANGE = 1, CBN_EDITCHANGE = 5;

// Virtual-key codes.
constexpr std::uint16_t VK_BACK = 0x08, VK_RETURN = 0x0D, VK_ESCAPE = 0x1B, VK_UP = 0x26, VK_DOWN = 0x28,
                        VK_DELETE = 0x2E;

// Button and key flags of a mouse message's wParam.
constexpr std::uintptr_t MK_LBUTTON = 0x01, MK_RBUTTON = 0x02, MK_SHIFT = 0x04,
                         MK_CONTROL = 0x08, MK_MBUTTON = 0x10;

// "WM_LBUTTONUP" for 0x202, "0x4C8" for a number without a name: for logs and
// failing tests.
std::string MessageName(std::uint32_t msg);
