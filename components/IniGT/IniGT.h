#pragma once
// DOveVA: the settings component. It binds one INI store to a file found from
// FileName and DefaultDir, and reads and writes typed values, fenced strings,
// string lists and control positions through it.

#include "framework/Component.h"
#include "framework/IniFile.h"

#include <memory>
#include <string>
#include <string_view>

class TControl;
class TStrings;

enum DOveVADefaultDir : unsigned char { ddApplication = 0, ddWindows = 1, ddNone = 2 };
enum DOveVAFence : unsigned char { fnDoubleQuote = 0, fnParenthesis = 1, fnVer11Mode = 2, fnNone = 3 };

class DOveVA : public TComponent {
public:
    explicit DOveVA(TComponent* owner);
    ~DOveVA() override;

    void Loaded() override;

    DOveVADefaultDir DefaultDir() const { return defaultDir_; }
    // Re-binds the store on every assignment, also of the present value.
    void SetDefaultDir(DOveVADefaultDir value);
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string value);
    DOveVAFence Fence() const { return fence_; }
    void SetFence(DOveVAFence value);

    // The store object, bound to the resolved path.
    TIniFile& IniFile() { return *iniFile_; }

    std::string ReadString(std::string_view section, std::string_view ident, std::string_view def);
    void WriteString(std::string_view section, std::string_view ident, std::string_view value);
    bool ReadBool(std::string_view section, std::string_view ident, bool def);
    void WriteBool(std::string_view section, std::string_view ident, bool value);
    int ReadInteger(std::string_view section, std::string_view ident, int def);
    void WriteInteger(std::string_view section, std::string_view ident, int value);
    std::string ReadFencedString(std::string_view section, std::string_view ident,
                                 std::string_view def);
    void WriteFencedString(std::string_view section, std::string_view ident,
                           std::string_view value);
    // Replaces list by the stored Name.Count items Name.0, Name.1, ...
    void ReadStrings(std::string_view section, std::string_view name, TStrings& list);
    void WriteStrings(std::string_view section, std::string_view name, const TStrings& list);
    // Sets control's Left and Top from Name.X and Name.Y.
    void ReadPosition(std::string_view section, std::string_view name, TControl& control);
    void WritePosition(std::string_view section, std::string_view name, const TControl& control);

private:
    std::string Fenced(std::string_view text) const;
    // text without the pair of fence characters that the present mode takes off.
    std::string_view Unfenced(std::string_view text) const;

    bool fenceNotSet_ = true;
    std::unique_ptr<TIniFile> iniFile_;
    DOveVADefaultDir defaultDir_ = ddApplication;
    std::string fileName_;
    DOveVAFence fence_ = fnNone;
};
