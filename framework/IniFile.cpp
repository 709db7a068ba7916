#include "framework/IniFile.h"

#include "framework/Exception.h"
#include "framework/FileEncoding.h"
#include "framework/IniDocument.h"
#include "framework/SysUtils.h"
#include "platform/Platform.h"

namespace {

bool HasLineBreakOrNul(std::string_view s) { return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos; }

[[noreturn]] void Refuse(const std::string& file, std::string_view section, std::string_view ident,
                         const char* why) {
    throw EConvertError("ファイル \"" + file + "\" の [" + std::string(section) + "] " +
                        std::string(ident) + " は書き込めません: " + why);
}

// A key that the reader would take for a section header, such as "[x]".
bool IsSectionHeader(std::string_view ident) {
    return ini::Trim(ident).starts_with('[') &&
           ini::ParseLine(ident, ini::LeadBytes()).kind == ini::ParsedLine::Header;
}

}  // namespace

// The document as loaded or last saved, and the file content it came from,
// so that a save can tell when someone else has changed the file since.
struct TIniFile::State {
    IniDocument document;
    FileEncoding encoding = FileEncoding::Ansi;
    std::size_t diskHash = 0;
};

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
TIniFile::~TIniFile() = default;

TIniFile::State TIniFile::Load() const {
    std::optional<std::string> bytes = platform::Current().LoadFile(fileName_);
    if (!bytes) return {};
    DecodedText decoded = DecodeTextFile(*bytes);
    return {IniDocument(decoded.text), decoded.encoding, std::hash<std::string>{}(*bytes)};
}

IniDocument& TIniFile::Document() {
    if (!state_) state_ = std::make_unique<State>(Load());
    return state_->document;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident,
                                 std::string_view def) {
    auto value = Document().Find(section, ident);
    return value ? std::string(ini::Unquote(*value)) : std::string(def);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view ident, int def) {
    auto value = Document().Find(section, ident);
    return value ? ini::ParseProfileInt(*value, def) : def;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view ident, bool def) {
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

int TIniFile::KeyCount(std::string_view section) { return Document().KeyCount(section); }

void TIniFile::WriteString(std::string_view section, std::string_view ident,
                           std::string_view value) {
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(ident) || HasLineBreakOrNul(value))
        Refuse(fileName_, section, ident, "改行文字と NUL 文字は保存できません。");
    if (ident.find('=') != ident.npos) Refuse(fileName_, section, ident, "キー名に = は使えません。");
    if (IsSectionHeader(ident))
        Refuse(fileName_, section, ident, "キー名がセクション名と読まれます。");
    Update([&] { Document().Set(section, ident, ini::EncodeValue(value)); });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view ident, int value) {
    WriteString(section, ident, IntToStr(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

void TIniFile::Update(const std::function<void()>& writes) {
    if (batchDepth_ == 0) Refresh();
    ++batchDepth_;
    try {
        writes();
    } catch (...) {
        // Memory goes back to what the disk holds: the old file stays whole.
        if (--batchDepth_ == 0) state_.reset();
        throw;
    }
    if (--batchDepth_ == 0) Save();
}

void TIniFile::Refresh() {
    if (!state_) return;
    std::optional<std::string> bytes = platform::Current().LoadFile(fileName_);
    std::size_t hash = bytes ? std::hash<std::string>{}(*bytes) : 0;
    if (hash != state_->diskHash) state_.reset();  // changed by someone else: start from it
}

void TIniFile::Save() {
    IniDocument& document = Document();
    State& state = *state_;
    std::string bytes = EncodeTextFile(document.Text(), state.encoding);
    try {
        platform::Current().SaveFileAtomic(fileName_, bytes);
    } catch (...) {
        state_.reset();
        throw;
    }
    state.diskHash = std::hash<std::string>{}(bytes);
}
