#pragma once
// An INI file in memory: its lines exactly as read, and an index from
// section and key names to them, with the first of equal names winning as
// Windows reads it. Writes change or add single lines, so every line the
// program does not touch is saved as it was.

#include "framework/IniSyntax.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class IniDocument {
public:
    // Parses code-page text; lines may end in CR LF, LF or CR.
    IniDocument() : IniDocument(std::string_view()) {}
    explicit IniDocument(std::string_view text);

    // The raw value of the key (trimmed, quotes still on); nullopt when the
    // section or key is absent, or the key is an entry without "=".
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    // How many keys with a value the section holds.
    int KeyCount(std::string_view section) const;

    // Sets key to a value already encoded for the file. Names are trimmed as
    // the reader trims them; the caller has checked that they can be stored.
    void Set(std::string_view section, std::string_view key, std::string_view encodedValue);

    // All lines, each ended by CR LF.
    std::string Text() const;

private:
    struct Line {
        std::string text;
        ini::ParsedLine::Kind kind = ini::ParsedLine::Blank;
        std::uint32_t nameOffset = 0, nameLength = 0;    // key, bare entry or section name
        std::uint32_t valueOffset = 0, valueLength = 0;  // Key lines only

        std::string_view Name() const { return std::string_view(text).substr(nameOffset, nameLength); }
        std::string_view Value() const { return std::string_view(text).substr(valueOffset, valueLength); }
    };

    // Open-addressing table of line numbers by key name, first name wins.
    class KeyIndex {
    public:
        // Index of the line named name, or -1.
        std::int64_t Find(const std::vector<Line>& lines, std::string_view name) const;
        // Adds line number i unless its name is present already.
        void Add(const std::vector<Line>& lines, std::uint32_t i);

    private:
        void Grow(const std::vector<Line>& lines);
        std::vector<std::uint32_t> slots_;  // line number + 1; 0 is empty
        std::size_t used_ = 0;
    };

    struct Section {
        std::vector<Line> lines;  // the header first, except for the part before any header
        KeyIndex keys;
        int valueKeys = 0;
    };

    static Line MakeLine(std::string text, const ini::LeadBytes& leadBytes);
    std::int64_t SectionIndex(std::string_view name) const;  // -1 when absent
    const Section* FindSection(std::string_view name) const;
    void AddLine(Section& section, std::size_t at, Line line);

    ini::LeadBytes leadBytes_;
    std::vector<Section> sections_;                          // [0]: lines before any header
    std::unordered_map<std::string, std::uint32_t> byName_;  // folded name → first section
};
