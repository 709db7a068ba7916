#pragma once
// The operating-system seam. Everything above platform/ reaches the system
// through this one interface; win32/ implements it over the Win32 API and
// fake/ in process, for tests. Failures are thrown as framework exceptions.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class MsgDlgType { Warning, Error, Information, Confirmation, Custom };

// Button sets of a modal message box, as in the Win32 MB_* families.
enum class MsgDlgButtons { Ok, OkCancel, YesNo, YesNoCancel };

// The button that closed a message box.
enum class ModalResult { None, Ok, Cancel, Yes, No };

class Platform {
public:
    virtual ~Platform() = default;

    // --- Text in the ANSI code page ---
    // True when b starts a double-byte character (IsDBCSLeadByte).
    virtual bool IsLeadByte(unsigned char b) const = 0;
    // Case-insensitive comparison of two code-page strings: <0, 0 or >0.
    virtual int CompareText(std::string_view a, std::string_view b) const = 0;
    // Code-page text to UTF-16 and back; what the code page cannot hold
    // becomes its default character.
    virtual std::u16string AnsiToWide(std::string_view text) const = 0;
    virtual std::string WideToAnsi(std::u16string_view text) const = 0;

    // --- Places ---
    // Full path of the running executable.
    virtual std::string ExePath() const = 0;
    // The Windows directory, as GetWindowsDirectoryA writes it into 150 chars.
    virtual std::string WindowsDirectory() const = 0;

    // --- Files ---
    // Whole content of a file; nullopt when there is no such file. Throws
    // EInOutError, naming the file, when it exists but cannot be read.
    virtual std::optional<std::string> LoadFile(const std::string& path) = 0;
    // Replaces a file with bytes atomically: afterwards the file is wholly the
    // old or wholly the new content. Throws EInOutError naming the file.
    virtual void SaveFileAtomic(const std::string& path, std::string_view bytes) = 0;

    // --- Dialogs ---
    // Modal message box; returns the button pressed.
    virtual ModalResult MessageDlg(const std::string& caption, const std::string& text,
                                   MsgDlgType type, MsgDlgButtons buttons,
                                   int helpContext) = 0;
};

// The implementation linked into this program.
Platform& Current();

}  // namespace platform
