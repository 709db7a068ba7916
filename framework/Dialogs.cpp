#include "framework/Dialogs.h"

#include "framework/Application.h"
#include "framework/SysUtils.h"

namespace {

std::string Caption() {
    if (Application) return Application->Title();
    return ChangeFileExt(ExtractFileName(ExeFileName()), "");  // the default title
}

}  // namespace

ModalResult MessageDlg(const std::string& text, MsgDlgType type, MsgDlgButtons buttons,
                       int helpContext) {
    return platform::Current().MessageDlg(Caption(), text, type, buttons, helpContext);
}

void ShowMessage(const std::string& text) {
    platform::Current().MessageDlg(Caption(), text, MsgDlgType::Custom, MsgDlgButtons::Ok, 0);
}
