#pragma once
// The label: a graphic control that draws its caption in its font and, with
// AutoSize, takes the size of its caption.

#include "framework/Control.h"

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

    void Loaded() override;
    void Paint(platform::Canvas& canvas) override;

protected:
    void TextChanged() override;
    void FontChanged() override;

private:
    void AdjustSize();
    bool autoSize_ = true;
};
