#pragma once
// Modal message boxes, captioned with the application's title.

#include "platform/Platform.h"

#include <string>

using platform::ModalResult;
using platform::MsgDlgButtons;
using platform::MsgDlgType;

ModalResult MessageDlg(const std::string& text, MsgDlgType type, MsgDlgButtons buttons,
                       int helpContext);

// The text with one OK button.
void ShowMessage(const std::string& text);
