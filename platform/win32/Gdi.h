#pragma once
// GDI for the windows: fonts made once per description and a canvas over a
// device context.

#include "platform/NativeWindow.h"

#include <windows.h>

namespace platform::win32 {

// The font for a description; owned by a cache that lives as long as the process.
HFONT FontFor(const FontSpec& spec);
COLORREF ToColorRef(Color color);

class GdiCanvas final : public Canvas {
public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {}
    void FillRect(const Rect& rect, Color color) override;
    void DrawString(Point origin, const Rect& clip, const std::string& text, const FontSpec& font,
                    Color color) override;

private:
    HDC dc_;
};

}  // namespace platform::win32
