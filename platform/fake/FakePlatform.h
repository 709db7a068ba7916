#pragma once
// The in-process platform for tests: a test sets up what the system would
// report (paths, code page, files, failures) and inspects what was asked of it.

#include "platform/Platform.h"

#include <map>
#include <string>
#include <vector>

namespace platform::fake {

// Code pages the fake's lead-byte test knows.
enum class CodePage { Japanese932, Western1252 };

struct MessageDlgCall {
    std::string caption;
    std::string text;
    MsgDlgType type;
    MsgDlgButtons buttons;
    int helpContext;
};

// File names compare as on Windows: ASCII letters without regard to case.
struct PathLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

class FakePlatform final : public Platform {
public:
    // --- Set up by a test ---
    std::string exePath = "C:\\Tools\\hopmark.exe";
    std::string windowsDirectory = "C:\\WINDOWS";
    CodePage codePage = CodePage::Japanese932;
    std::map<std::string, std::string, PathLess> files;
    // When true, files live on the host's disk instead (paths as given), for
    // benchmarks that must pay for real file calls.
    bool realFiles = false;
    // When non-empty, every SaveFileAtomic fails with this system reason.
    std::string writeFailure;
    ModalResult messageDlgAnswer = ModalResult::Ok;

    // --- Inspected by a test ---
    std::vector<MessageDlgCall> messageDlgs;
    int saveCount = 0;

    // Back to the state of a fresh process.
    void Reset();

    bool IsLeadByte(unsigned char b) const override;
    int CompareText(std::string_view a, std::string_view b) const override;
    std::u16string AnsiToWide(std::string_view text) const override;
    std::string WideToAnsi(std::u16string_view text) const override;
    std::string ExePath() const override { return exePath; }
    std::string WindowsDirectory() const override { return windowsDirectory; }
    std::optional<std::string> LoadFile(const std::string& path) override;
    void SaveFileAtomic(const std::string& path, std::string_view bytes) override;
    ModalResult MessageDlg(const std::string& caption, const std::string& text, MsgDlgType type,
                           MsgDlgButtons buttons, int helpContext) override;
};

// The fake that platform::Current() returns in this build.
FakePlatform& Fake();

}  // namespace platform::fake
