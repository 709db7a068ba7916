#pragma once
// An INI settings file, read as Windows' profile functions read it and written
// so that they read back the same values. The file is loaded once, on first
// use, and every write reaches the disk at once, atomically; a batch of
// writes (Update) reaches it in one save.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class IniDocument;

class TIniFile {
public:
    // Binding never touches the disk, so any path (empty, a directory) is fine.
    explicit TIniFile(std::string fileName);
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return fileName_; }

    // The stored text, or def when the key is absent.
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
    // they were before the write.
    void WriteString(std::string_view section, std::string_view ident, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view ident, int value);
    void WriteBool(std::string_view section, std::string_view ident, bool value);

    // Runs writes as one: they reach the disk in one save at the end, or,
    // if any of them or the save fails, none of them is kept.
    void Update(const std::function<void()>& writes);

private:
    struct State;
    State Load() const;
    IniDocument& Document();
    void Refresh();
    void Save();

    std::string fileName_;
    std::unique_ptr<State> state_;  // loaded on first use
    int batchDepth_ = 0;
};
