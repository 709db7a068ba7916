#include "framework/Graphics.h"

#include "framework/Exception.h"

void TFont::SetName(std::string name) {
    if (name == spec_.name) return;
    spec_.name = std::move(name);
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == spec_.height) return;
    spec_.height = height;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset == spec_.charset) return;
    spec_.charset = charset;
    Changed();
}

void TFont::SetStyle(unsigned style) {
    if (style == spec_.style) return;
    spec_.style = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::Assign(const TFont& source) {
    if (source.spec_ == spec_ && source.color_ == color_) return;
    spec_ = source.spec_;
    color_ = source.color_;
    Changed();
}

void TFont::Changed() {
    if (OnChange) OnChange(*this);
}

void TIcon::LoadFromResource(const std::string& name, int size) {
    auto image = platform::Current().LoadIconResource(name, size);
    if (!image) throw EResNotFound("Resource " + name + " not found");
    image_ = std::move(image);
    Changed();
}

void TIcon::Assign(const TIcon* source) {
    if (source == this) return;
    image_ = source && source->image_ ? source->image_->Clone() : nullptr;
    Changed();
}

void TIcon::SetImage(std::unique_ptr<platform::NativeIcon> image) {
    image_ = std::move(image);
    Changed();
}

void TIcon::Clear() {
    image_.reset();
    Changed();
}

void TIcon::Changed() {
    if (OnChange) OnChange(*this);
}
