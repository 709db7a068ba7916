#include "framework/IniFile.h"

#include "framework/Exception.h"
#include "framework/FileEncoding.h"
#include "framework/IniDocument.h"
#include "framework/SysUtils.h"
#include "platform/Platform.h"

// The document as loaded or last saved, and what the file held then, so
// that a save can tell when someone else has changed the file since.
struct TIniFile::State {
    IniDocument document;
    FileEncoding encoding = FileEncoding::Ansi;
    // The file's bytes for a file with a byte-order mark; a code-page file's
    // bytes are the document's text whenever no batch is running.
    std::string unicodeBytes;

    std::string_view DiskBytes() {
        return encoding == FileEncoding::Ansi ? std::string_view(document.Text()) : unicodeBytes;
    }
};

// Writes between its making and Commit reach the disk in one save at the
// outermost Commit; leaving it any other way drops them from memory.
class TIniFile::Batch {
public:
    explicit Batch(TIniFile& file) : file_(file) {
        if (file_.batchDepth_ == 0) file_.Refresh();
        ++file_.batchDepth_;
    }
    ~Batch() {
        if (!committed_ && --file_.batchDepth_ == 0) file_.state_.reset();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    void Commit() {
        committed_ = true;
        if (--file_.batchDepth_ == 0) file_.Save();
    }

private:
    TIniFile& file_;
    bool committed_ = false;
};

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
TIniFile::~TIniFile() = default;

std::unique_ptr<TIniFile::State> TIniFile::Parse(std::optional<std::string> bytes) {
    auto state = std::make_unique<State>();
    if (!bytes) return state;
    state->encoding = DetectEncoding(*bytes);
    if (state->encoding == FileEncoding::Ansi) {
        state->document = IniDocument(std::move(*bytes));
    } else {
        state->document = IniDocument(DecodeTextFile(*bytes, state->encoding));
        state->unicodeBytes = std::move(*bytes);
    }
    return state;
}

TIniFile::State& TIniFile::Loaded() {
    if (!state_) state_ = Parse(platform::Current().LoadFile(fileName_));
    return *state_;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident,
                                 std::string_view def) {
    auto value = Loaded().document.Find(section, ident);
    return value ? std::string(ini::Unquote(*value)) : std::string(def);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view ident, int def) {
    auto value = Loaded().document.Find(section, ident);
    return value ? ini::ParseProfileInt(*value, def) : def;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view ident, bool def) {
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

int TIniFile::KeyCount(std::string_view section) { return Loaded().document.KeyCount(section); }

void TIniFile::WriteString(std::string_view section, std::string_view ident,
                           std::string_view value) {
    section = ini::Trim(section);
    ident = ini::Trim(ident);
    if (const char* why = ini::WhyUnwritable(section, ident, value, Loaded().document.LeadBytes()))
        Unwritable(section, ident, why);
    Batch batch(*this);
    Loaded().document.Set(section, ident, value);
    batch.Commit();
}

void TIniFile::Unwritable(std::string_view section, std::string_view ident, const char* why) const {
    throw EConvertError("ファイル \"" + fileName_ + "\" の [" + std::string(section) + "] " +
                        std::string(ident) + " は書き込めません: " + why);
}

void TIniFile::ReadList(std::string_view section, std::string_view name, int count,
                        const std::function<void(int, const std::string_view*)>& each) {
    Loaded().document.FindList(section, Concat({name, "."}), count, each);
}

void TIniFile::WriteList(std::string_view section, std::string_view name,
                         std::span<const std::string_view> values) {
    section = ini::Trim(section);
    const std::string stem = Concat({name, "."});
    ini::NumberedName key(ini::TrimFront(stem));
    const std::string first(key(0));
    const ini::LeadBytes& leadBytes = Loaded().document.LeadBytes();
    // The keys differ in their digits alone, which no test refuses: when the
    // first key passes with the empty value, only the values are left to test.
    const bool namesPass = !ini::WhyUnwritable(section, first, "", leadBytes);
    if (std::size_t i = namesPass ? ini::FirstUnwritable(first, values, leadBytes) : 0; i < values.size()) {
        std::string_view refused = key(static_cast<int>(i));
        Unwritable(section, refused, ini::WhyUnwritable(section, refused, values[i], leadBytes));
    }
    Batch batch(*this);
    Loaded().document.SetList(section, stem, values);
    batch.Commit();
}

void TIniFile::WriteInteger(std::string_view section, std::string_view ident, int value) {
    WriteString(section, ident, IntToStr(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view ident, bool value) {
    WriteString(section, ident, value ? "1" : "0");
}

void TIniFile::Update(const std::function<void()>& writes) {
    Batch batch(*this);
    writes();
    batch.Commit();
}

void TIniFile::Refresh() {
    if (!state_) return;
    std::optional<std::string> bytes = platform::Current().LoadFile(fileName_);
    std::string_view now = bytes ? std::string_view(*bytes) : std::string_view();
    if (now != state_->DiskBytes()) state_ = Parse(std::move(bytes));  // someone else's change
}

void TIniFile::Save() {
    State& state = Loaded();
    if (!state.document.Changed()) return;  // every value was there already
    try {
        const std::string& text = state.document.Text();
        if (state.encoding == FileEncoding::Ansi) {
            platform::Current().SaveFileAtomic(fileName_, text);
        } else {
            std::string bytes = EncodeTextFile(text, state.encoding);
            platform::Current().SaveFileAtomic(fileName_, bytes);
            state.unicodeBytes = std::move(bytes);
        }
    } catch (...) {
        state_.reset();  // memory goes back to what the disk holds
        throw;
    }
}
