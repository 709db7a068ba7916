#include "platform/win32/Win32Platform.h"

#include <windows.h>

namespace platform::win32 {
namespace {

UINT IconStyle(MsgDlgType type) {
    switch (type) {
        case MsgDlgType::Warning: return MB_ICONWARNING;
        case MsgDlgType::Error: return MB_ICONERROR;
        case MsgDlgType::Information: return MB_ICONINFORMATION;
        case MsgDlgType::Confirmation: return MB_ICONQUESTION;
        case MsgDlgType::Custom: return 0;
    }
    return 0;
}

UINT ButtonStyle(MsgDlgButtons buttons) {
    switch (buttons) {
        case MsgDlgButtons::Ok: return MB_OK;
        case MsgDlgButtons::OkCancel: return MB_OKCANCEL;
        case MsgDlgButtons::YesNo: return MB_YESNO;
        case MsgDlgButtons::YesNoCancel: return MB_YESNOCANCEL;
    }
    return MB_OK;
}

ModalResult FromId(int id) {
    switch (id) {
        case IDOK: return ModalResult::Ok;
        case IDCANCEL: return ModalResult::Cancel;
        case IDYES: return ModalResult::Yes;
        case IDNO: return ModalResult::No;
        default: return ModalResult::None;
    }
}

}  // namespace

ModalResult Win32Platform::MessageDlg(const std::string& caption, const std::string& text,
                                      MsgDlgType type, MsgDlgButtons buttons, int /*helpContext*/) {
    return FromId(MessageBoxA(nullptr, text.c_str(), caption.c_str(),
                              IconStyle(type) | ButtonStyle(buttons) | MB_TASKMODAL));
}

}  // namespace platform::win32
