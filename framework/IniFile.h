#pragma once
// An INI settings file, read as Windows' profile functions read it and written
// so that they read back the same values. The file is loaded once, on first
// use, and every write reaches the disk at once, atomically; a batch of
// writes (Update) reaches it in one save.

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class TIniFile {
public:
    // Binding never touches the disk, so any path (empty, a directory) is fine.
    explicit TIniFile(std::string fileName);
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }

    // The stored text, or def unaltered when the key is absent.
    std::string ReadString(std::string_view section, std::string_view ident, std::string_view def);
    // The stored integer as GetPrivateProfileInt reads it, or def when absent.
    int ReadInteger(std::string_view section, std::string_view ident, int def);
    // An integer other than 0 is true.
    bool ReadBool(std::string_view section, std::string_view ident, bool def);
    // How many keys the section holds (0 when it is absent).
    int KeyCount(std::string_view section);

    // Each write makes the file, section and key as needed. Names or values
    // that the file format cannot hold throw EConvertError before anything
    // changes; a failed save throws EInOutError and leaves memory and disk as
    // they were before the write. A change that someone else made to the
    // file since it was loaded is kept.
    void WriteString(std::string_view section, std::string_view ident, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view ident, int value);
    void WriteBool(std::string_view section, std::string_view ident, bool value);

    // The keys of a list, name followed by "." and 0, 1, ... count - 1, in
    // that order, at the cost of one pass through the section.
    // Hands each key's text as ReadString reads it, or nullptr for a key
    // that is absent, to each.
    void ReadList(std::string_view section, std::string_view name, int count,
                  const std::function<void(int index, const std::string_view* value)>& each);
    // Writes values[index] under each key as WriteString does, the whole
    // list in one save; a value refused leaves all of it unwritten.
    void WriteList(std::string_view section, std::string_view name, std::span<const std::string_view> values);

    // Runs writes as one: they reach the disk in one save at the end, or,
    // if any of them or the save fails, none of them is kept.
    void Update(const std::function<void()>& writes);

private:
    struct State;
    class Batch;
    static std::unique_ptr<State> Parse(std::optional<std::string> bytes);
    [[noreturn]] void Unwritable(std::string_view section, std::string_view ident, const char* why) const;
    State& Loaded();
    void Refresh();
    void Save();

    std::string fileName_;
    std::unique_ptr<State> state_;  // loaded on first use
    int batchDepth_ = 0;
};
