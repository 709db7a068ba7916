#pragma once
// The small vocabulary the seam speaks: handles as numbers, points,
// rectangles, fonts and messages by their Windows numbers.

#include <cstdint>
#include <string>

namespace platform {

// A native window or icon handle as a number; 0 is none.
using Handle = std::uintptr_t;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Left and top edges inside, right and bottom outside, as PtInRect.
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// 0x00BBGGRR for plain colours; negative values name system colours.
using Color = std::int32_t;

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct FontSpec {
    std::string name;
    int height = -12;  // negative: character height in pixels
    int charset = 1;   // DEFAULT_CHARSET
    unsigned style = 0;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// One message, numbered as on Windows; result is what the handler answers.
struct Message {
    std::uint32_t msg = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::intptr_t result = 0;
    // Set by the receiver when the system's default behaviour should run.
    bool callDefault = false;
};

// The coordinates packed into a mouse message's lParam, signed 16-bit each.
constexpr std::intptr_t PackPoint(int x, int y) {
    return static_cast<std::intptr_t>(static_cast<std::uint16_t>(x) |
                                      (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16));
}
constexpr Point UnpackPoint(std::intptr_t lParam) {
    return {static_cast<std::int16_t>(lParam & 0xFFFF), static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)};
}

}  // namespace platform
