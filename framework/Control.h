#pragma once
// Controls: components with a place. Assigning Left or Top moves the control.

#include "framework/Component.h"

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner) : TComponent(owner) {}

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }

    // The one place a control's bounds change.
    virtual void SetBounds(int left, int top, int width, int height);

private:
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};
