#include "framework/IniDocument.h"

#include "framework/SysUtils.h"

namespace {

std::string Folded(std::string_view name) {
    std::string s(name);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return s;
}

}  // namespace

std::int64_t IniDocument::KeyIndex::Find(const std::vector<Line>& lines,
                                         std::string_view name) const {
    if (slots_.empty()) return -1;
    std::size_t mask = slots_.size() - 1;
    for (std::size_t at = ini::HashName(name) & mask;; at = (at + 1) & mask) {
        std::uint32_t slot = slots_[at];
        if (slot == 0) return -1;
        if (ini::SameName(lines[slot - 1].Name(), name)) return slot - 1;
    }
}

void IniDocument::KeyIndex::Add(const std::vector<Line>& lines, std::uint32_t i) {
    if ((used_ + 1) * 2 > slots_.size()) Grow(lines);
    std::size_t mask = slots_.size() - 1;
    std::string_view name = lines[i].Name();
    for (std::size_t at = ini::HashName(name) & mask;; at = (at + 1) & mask) {
        std::uint32_t slot = slots_[at];
        if (slot == 0) {
            slots_[at] = i + 1;
            ++used_;
            return;
        }
        if (ini::SameName(lines[slot - 1].Name(), name)) return;  // the first one wins
    }
}

void IniDocument::KeyIndex::Grow(const std::vector<Line>& lines) {
    std::vector<std::uint32_t> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, 0);
    used_ = 0;
    for (std::uint32_t slot : old)
        if (slot != 0) Add(lines, slot - 1);
}

IniDocument::Line IniDocument::MakeLine(std::string text, const ini::LeadBytes& leadBytes) {
    Line line;
    line.text = std::move(text);
    ini::ParsedLine parsed = ini::ParseLine(line.text, leadBytes);
    const char* base = line.text.data();
    line.kind = parsed.kind;
    line.nameOffset = static_cast<std::uint32_t>(parsed.name.data() - base);
    line.nameLength = static_cast<std::uint32_t>(parsed.name.size());
    if (parsed.kind == ini::ParsedLine::Key) {
        line.valueOffset = static_cast<std::uint32_t>(parsed.value.data() - base);
        line.valueLength = static_cast<std::uint32_t>(parsed.value.size());
    }
    return line;
}

IniDocument::IniDocument(std::string_view text) {
    sections_.emplace_back();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        Line line = MakeLine(std::string(text.substr(start, end - start)), leadBytes_);
        if (line.kind == ini::ParsedLine::Header) {
            byName_.try_emplace(Folded(line.Name()), static_cast<std::uint32_t>(sections_.size()));
            sections_.emplace_back();
        }
        AddLine(sections_.back(), sections_.back().lines.size(), std::move(line));
        start = end;
        if (start < text.size()) start += text.compare(start, 2, "\r\n") == 0 ? 2 : 1;
    }
}

void IniDocument::AddLine(Section& section, std::size_t at, Line line) {
    bool named = line.kind == ini::ParsedLine::Key || line.kind == ini::ParsedLine::Bare;
    if (line.kind == ini::ParsedLine::Key) ++section.valueKeys;
    section.lines.insert(section.lines.begin() + at, std::move(line));
    // Only blank lines follow an insertion point, and they are not indexed.
    if (named) section.keys.Add(section.lines, static_cast<std::uint32_t>(at));
}

std::int64_t IniDocument::SectionIndex(std::string_view name) const {
    name = ini::Trim(name);
    if (name.empty()) return 0;
    auto it = byName_.find(Folded(name));
    return it == byName_.end() ? -1 : it->second;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    std::int64_t i = SectionIndex(name);
    return i < 0 ? nullptr : &sections_[i];
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return std::nullopt;
    std::int64_t i = s->keys.Find(s->lines, ini::Trim(key));
    if (i < 0 || s->lines[i].kind != ini::ParsedLine::Key) return std::nullopt;
    return s->lines[i].Value();
}

int IniDocument::KeyCount(std::string_view section) const {
    const Section* s = FindSection(section);
    return s ? s->valueKeys : 0;
}

void IniDocument::Set(std::string_view section, std::string_view key,
                      std::string_view encodedValue) {
    section = ini::Trim(section);
    key = ini::Trim(key);
    std::int64_t index = SectionIndex(section);
    if (index < 0) {
        index = static_cast<std::int64_t>(sections_.size());
        byName_.try_emplace(Folded(section), static_cast<std::uint32_t>(index));
        AddLine(sections_.emplace_back(), 0, MakeLine(Concat({"[", section, "]"}), leadBytes_));
    }
    Section* s = &sections_[index];
    std::int64_t i = s->keys.Find(s->lines, key);
    if (i >= 0) {
        // The stored spelling of the key stays; only the value changes.
        Line& line = s->lines[i];
        if (line.kind == ini::ParsedLine::Key) --s->valueKeys;
        std::string text = Concat({line.Name(), "=", encodedValue});
        line = MakeLine(std::move(text), leadBytes_);
        ++s->valueKeys;
        return;
    }
    std::size_t at = s->lines.size();
    while (at > 0 && s->lines[at - 1].kind == ini::ParsedLine::Blank) --at;
    AddLine(*s, at, MakeLine(Concat({key, "=", encodedValue}), leadBytes_));
}

std::string IniDocument::Text() const {
    std::size_t size = 0;
    for (const Section& s : sections_)
        for (const Line& line : s.lines) size += line.text.size() + 2;
    std::string out;
    out.reserve(size);
    for (const Section& s : sections_)
        for (const Line& line : s.lines) {
            out += line.text;
            out += "\r\n";
        }
    return out;
}
