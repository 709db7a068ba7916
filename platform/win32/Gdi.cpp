#include "platform/win32/Gdi.h"

#include <map>
#include <memory>
#include <tuple>

namespace platform::win32 {
namespace {

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using FontPtr = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct SpecLess {
    bool operator()(const FontSpec& a, const FontSpec& b) const {
        return std::tie(a.name, a.height, a.charset, a.style) < std::tie(b.name, b.height, b.charset, b.style);
    }
};

}  // namespace

HFONT FontFor(const FontSpec& spec) {
    static std::map<FontSpec, FontPtr, SpecLess> cache;
    auto& font = cache[spec];
    if (!font) {
        font.reset(CreateFontA(spec.height, 0, 0, 0, (spec.style & fsBold) ? FW_BOLD : FW_NORMAL,
                               (spec.style & fsItalic) != 0, (spec.style & fsUnderline) != 0,
                               (spec.style & fsStrikeOut) != 0, static_cast<BYTE>(spec.charset),
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, spec.name.c_str()));
    }
    return font.get();
}

COLORREF ToColorRef(Color color) {
    if (color < 0) return GetSysColor(color & 0xFF);  // a system colour by index
    return static_cast<COLORREF>(color);
}

void GdiCanvas::FillRect(const Rect& rect, Color color) {
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    HBRUSH brush = CreateSolidBrush(ToColorRef(color));
    ::FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

void GdiCanvas::DrawString(Point origin, const Rect& clip, const std::string& text, const FontSpec& font,
                           Color color) {
    RECT r{clip.left, clip.top, clip.right, clip.bottom};
    HGDIOBJ old = SelectObject(dc_, FontFor(font));
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, ToColorRef(color));
    ExtTextOutA(dc_, origin.x, origin.y, ETO_CLIPPED, &r, text.data(), static_cast<UINT>(text.size()),
                nullptr);
    SelectObject(dc_, old);
}

}  // namespace platform::win32
