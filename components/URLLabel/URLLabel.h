#pragma once
// TURLLabel: a label that stands for a link. It shows the pointing hand,
// colours its text while the pointer is over it and while a button is
// pressed on it, and on every press has the shell open its caption.

#include "framework/StdCtrls.h"

class TURLLabel : public TLabel {
public:
    explicit TURLLabel(TComponent* owner);

    // Whether a press opens the caption through the shell.
    bool Executable() const { return executable_; }
    void SetExecutable(bool executable) { executable_ = executable; }
    // Whether the label colours its text on enter, leave, press and release.
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool hotTrack);
    // The text colour while the pointer is over the label.
    TColor HotColor() const { return hotColor_; }
    void SetHotColor(TColor color);
    // The text colour from a press until the release.
    TColor PushedColor() const { return pushedColor_; }
    void SetPushedColor(TColor color);

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void CMMouseEnter(Message& message) override;
    void CMMouseLeave(Message& message) override;

private:
    void ShowColor(TColor color);
    // The window the shell's launch belongs to: the form's, or none.
    platform::Handle OwnerWindow() const;

    bool executable_ = false;
    bool hotTrack_ = true;
    // The font colour saved on the last tracked enter, to return to.
    TColor normalColor_ = 0;
    TColor hotColor_ = clAqua;
    TColor pushedColor_ = clRed;
};
