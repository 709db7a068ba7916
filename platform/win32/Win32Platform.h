#pragma once
// The real platform, over the Win32 API (ANSI functions, code page of the system).

#include "platform/Platform.h"

namespace platform::win32 {

class Win32Platform final : public Platform {
public:
    bool IsLeadByte(unsigned char b) const override;
    int CompareText(std::string_view a, std::string_view b) const override;
    std::u16string AnsiToWide(std::string_view text) const override;
    std::string WideToAnsi(std::u16string_view text) const override;

    std::string ExePath() const override;
    std::string WindowsDirectory() const override;

    std::optional<std::string> LoadFile(const std::string& path) override;
    void SaveFileAtomic(const std::string& path, std::string_view bytes) override;

    ModalResult MessageDlg(const std::string& caption, const std::string& text,
                           MsgDlgType type, MsgDlgButtons buttons, int helpContext) override;
};

}  // namespace platform::win32
