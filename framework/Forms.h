#pragma once
// Forms: top-level windows built from a form description. The description's
// components are made and set while the form is loading, each one's Loaded
// runs when all are set, then OnCreate; OnDestroy runs while the form is
// still whole, before its components go.

#include "framework/WinControl.h"

#include <string_view>

class HandlerTable;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Makes the form visible and brings it in front of the program's windows.
    void Show();
    void Hide();
    // Hides the form; closing the application's main form ends the program.
    void Close();

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
    unsigned BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(unsigned icons) { borderIcons_ = icons; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int ppi) { pixelsPerInch_ = ppi; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;

    void AfterConstruction() override;
    void BeforeDestruction() override;
    void WndProc(Message& message) override;

    // A component of the form by name and class; throws when there is none,
    // since a form's code and its description must agree.
    template <class T>
    T* Part(std::string_view name) const {
        auto* part = dynamic_cast<T*>(FindComponent(name));
        if (!part) MissingPart(name);
        return part;
    }

protected:
    // Reads the form's description: its own settings, its components and
    // their event bindings by handler name.
    void ReadDescription(std::string_view description, const HandlerTable& handlers);
    void CreateParams(platform::WindowSpec& spec) override;
    void BoundsChanged() override;
    void NativeMoved(const platform::Rect& bounds) override;

private:
    [[noreturn]] void MissingPart(std::string_view name) const;
    void FocusFirstControl();

    TFormBorderStyle borderStyle_ = bsSizeable;
    unsigned borderIcons_ = platform::biSystemMenu | platform::biMinimize | platform::biMaximize;
    TPosition position_ = poDesigned;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int pixelsPerInch_ = 96;
    bool movedSinceLoading_ = false;
    bool destroyRun_ = false;
};
