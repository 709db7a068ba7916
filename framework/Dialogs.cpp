#include "framework/Dialogs.h"

#include "framework/SysUtils.h"

ModalResult MessageDlg(const std::string& text, MsgDlgType type, MsgDlgButtons buttons,
                       int helpContext) {
    // The application's default title: the executable's name without extension.
    std::string caption = ChangeFileExt(ExtractFileName(ExeFileName()), "");
    return platform::Current().MessageDlg(caption, text, type, buttons, helpContext);
}
