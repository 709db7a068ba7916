#include "framework/StdCtrls.h"

#include "platform/Platform.h"

TLabel::TLabel(TComponent* owner) : TControl(owner) {}

void TLabel::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    AdjustSize();
}

void TLabel::Loaded() {
    TControl::Loaded();
    AdjustSize();
}

void TLabel::TextChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustSize();
    Invalidate();
}

void TLabel::AdjustSize() {
    // While a description is read the caption and font arrive one by one;
    // the size follows once all are there.
    if (!autoSize_ || IsLoading()) return;
    platform::Size size = platform::Current().MeasureText(Font().Spec(), Caption());
    SetBounds(Left(), Top(), size.width, size.height);
}

void TLabel::Paint(platform::Canvas& canvas) {
    platform::Rect r = BoundsRect();
    canvas.DrawString({r.left, r.top}, r, Caption(), Font().Spec(), Font().Color());
}
