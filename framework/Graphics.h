#pragma once
// Colours, cursors, fonts and icon images.

#include "framework/Component.h"
#include "framework/Events.h"
#include "platform/Platform.h"

#include <functional>
#include <memory>
#include <string>

using TColor = platform::Color;

// Plain colours are 0x00BBGGRR; system colours are 0x80000000 + the index.
constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clWindowText = static_cast<TColor>(0x80000008u);
constexpr TColor clBtnFace = static_cast<TColor>(0x8000000Fu);

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crHandPoint = -21;

constexpr int DEFAULT_CHARSET = 1;
constexpr int SHIFTJIS_CHARSET = 128;

// A font; every change is reported to its owner through OnChange.
class TFont : public TObject {
public:
    const std::string& Name() const { return spec_.name; }
    int Height() const { return spec_.height; }
    int Charset() const { return spec_.charset; }
    unsigned Style() const { return spec_.style; }
    TColor Color() const { return color_; }
    void SetName(std::string name);
    void SetHeight(int height);
    void SetCharset(int charset);
    void SetStyle(unsigned style);
    void SetColor(TColor color);
    void Assign(const TFont& source);

    const platform::FontSpec& Spec() const { return spec_; }
    std::function<void(TFont&)> OnChange;

private:
    void Changed();
    platform::FontSpec spec_{"ＭＳ Ｐゴシック", -12, DEFAULT_CHARSET, 0};
    TColor color_ = clWindowText;
};

// An icon image: empty, or an image with a native handle. Every change of
// the image is reported through OnChange.
class TIcon : public TObject {
public:
    TIcon() = default;
    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;

    bool Empty() const { return !image_; }
    platform::Handle Handle() const { return image_ ? image_->GetHandle() : 0; }
    // The program's icon resource at the system's small-icon size (0) or size
    // pixels. Throws EResNotFound when there is none.
    void LoadFromResource(const std::string& name, int size = 0);
    // A copy of source's image, or empty when source is null or empty.
    void Assign(const TIcon* source);
    // Takes an image made elsewhere (a system icon, say); null empties it.
    void SetImage(std::unique_ptr<platform::NativeIcon> image);
    void Clear();

    std::function<void(TIcon&)> OnChange;

private:
    void Changed();
    std::unique_ptr<platform::NativeIcon> image_;
};

// A list of images; stored and streamed only.
class TImageList : public TComponent {
public:
    explicit TImageList(TComponent* owner) : TComponent(owner) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int width) { width_ = width; }
    void SetHeight(int height) { height_ = height; }

private:
    int width_ = 16;
    int height_ = 16;
};
