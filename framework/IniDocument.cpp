#include "framework/IniDocument.h"

#include <algorithm>
#include <cstring>

template <class Names>
std::int64_t IniDocument::NameIndex::Find(std::string_view name, std::uint32_t hash,
                                          const Names& nameOf,
                                          const ini::LeadBytes& leadBytes) const {
    if (slots_.empty()) return -1;
    std::size_t mask = slots_.size() - 1, step = Step(hash);
    for (std::size_t at = hash & mask;; at = (at + step) & mask) {
        const Slot& slot = slots_[at];
        if (slot.idPlusOne == 0) return -1;
        if (slot.hash == hash && ini::SameName(nameOf(slot.idPlusOne - 1), name, leadBytes))
            return slot.idPlusOne - 1;
    }
}

template <class Names>
bool IniDocument::NameIndex::AddFirst(std::uint32_t id, std::string_view name, std::uint32_t hash,
                                      const Names& nameOf, const ini::LeadBytes& leadBytes) {
    if (Find(name, hash, nameOf, leadBytes) >= 0) return false;
    Insert(id, hash);
    return true;
}

void IniDocument::NameIndex::Insert(std::uint32_t id, std::uint32_t hash) {
    if ((used_ + 1) * 4 > slots_.size() * 3) Rehash(std::max<std::size_t>(16, slots_.size() * 2));
    std::size_t mask = slots_.size() - 1, step = Step(hash);
    std::size_t at = hash & mask;
    while (slots_[at].idPlusOne != 0) at = (at + step) & mask;
    slots_[at] = {id + 1, hash};
    ++used_;
}

void IniDocument::NameIndex::Reserve(std::size_t count) {
    std::size_t size = 16;
    while (count * 4 > size * 3) size *= 2;
    if (size > slots_.size()) Rehash(size);
}

void IniDocument::NameIndex::Rehash(std::size_t size) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(size, Slot{});
    used_ = 0;
    for (const Slot& slot : old)
        if (slot.idPlusOne != 0) Insert(slot.idPlusOne - 1, slot.hash);
}

std::string_view IniDocument::ParsedName(const Line& line) const {
    std::string_view text = TextOf(line);
    switch (line.kind) {
        case ini::ParsedLine::Header: return ini::HeaderName(text, line.mark);
        case ini::ParsedLine::Key: return ini::KeyName(text, line.mark);
        case ini::ParsedLine::Bare: return ini::BareName(text);
        case ini::ParsedLine::Blank: break;
    }
    return {};
}

inline IniDocument::Line IniDocument::ParsedAt(std::uint32_t offset, std::uint32_t size,
                                               Break lineBreak, bool mayHoldNul) const {
    Line line;
    line.offset = offset;
    line.size = size;
    line.lineBreak = lineBreak;
    std::string_view text = TextOf(line);
    // Most lines are "name=value" with nothing to trim or cut: what
    // ParseLine makes of them is plain from the bytes around the '='.
    std::size_t eq = text.find('=');
    if (!mayHoldNul && eq != std::string_view::npos && eq > 0 && eq + 1 < text.size() &&
        text.front() != '[' && !ini::IsBlank(text.front()) && !ini::IsBlank(text[eq - 1]) &&
        !ini::IsBlank(text[eq + 1]) && !ini::IsBlank(text.back())) {
        line.kind = ini::ParsedLine::Key;
        line.mark = static_cast<std::uint32_t>(eq);
        line.flags = kExactName | kExactValue;
        return line;
    }
    return ParsedFully(line, mayHoldNul);
}

IniDocument::Line IniDocument::ParsedFully(Line line, bool mayHoldNul) const {
    std::string_view text = TextOf(line);
    ini::ParsedLine parsed = ini::ParseLine(text, leadBytes_, mayHoldNul);
    line.kind = parsed.kind;
    line.mark = static_cast<std::uint32_t>(parsed.mark);
    if (parsed.kind == ini::ParsedLine::Key) {
        // Nothing to trim or cut: no parse when asked again.
        if (parsed.name.data() == text.data() && parsed.name.size() == parsed.mark)
            line.flags |= kExactName;
        if (parsed.value.data() == text.data() + parsed.mark + 1 &&
            parsed.value.size() == text.size() - parsed.mark - 1)
            line.flags |= kExactValue;
    }
    return line;
}

IniDocument::Line IniDocument::AppendKeyLine(std::string_view name, std::string_view quote,
                                             std::string_view value) {
    // What ParseLine would find: the writer's checks leave nothing for it to trim or cut.
    Line line;
    line.offset = static_cast<std::uint32_t>(store_.size());
    line.kind = ini::ParsedLine::Key;
    line.mark = static_cast<std::uint32_t>(name.size());
    line.size = static_cast<std::uint32_t>(name.size() + 1 + 2 * quote.size() + value.size());
    line.flags = kExactName | kExactValue | kFirstOfName;  // written where a lookup finds it
    ReserveStore(line.size + 2);
    store_.resize(line.offset + line.size + 2);
    char* p = store_.data() + line.offset;
    p = std::copy(name.begin(), name.end(), p);
    *p++ = '=';
    p = std::copy(quote.begin(), quote.end(), p);
    p = std::copy(value.begin(), value.end(), p);
    p = std::copy(quote.begin(), quote.end(), p);
    *p++ = '\r';
    *p = '\n';
    changed_ = true;
    return line;
}

IniDocument::IniDocument(std::string text) : store_(std::move(text)) {
    // A guess that few files outgrow, as their lines are rarely that short;
    // room reserved and not used costs nothing.
    lines_.reserve(store_.size() / 16 + 16);
    sections_.emplace_back();
    const char* const begin = store_.data();
    const char* const end = begin + store_.size();
    // One search of the whole text spares most files one per line.
    const bool holdsNul = std::memchr(begin, '\0', store_.size()) != nullptr;
    // The next CR and LF, each searched for again only once passed, so that
    // files with one kind of break alone are scanned once.
    const char* cr = nullptr;
    const char* lf = nullptr;
    for (const char* p = begin; p < end;) {
        if (cr < p) cr = static_cast<const char*>(std::memchr(p, '\r', end - p));
        if (!cr) cr = end;
        if (lf < p) lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (!lf) lf = end;
        const char* stop = std::min(cr, lf);
        Break lineBreak = stop == end      ? Break::None
                          : stop == lf     ? Break::Lf
                          : stop + 1 == lf ? Break::CrLf
                                           : Break::Cr;
        Line line = ParsedAt(static_cast<std::uint32_t>(p - begin),
                             static_cast<std::uint32_t>(stop - p), lineBreak, holdsNul);
        bool header = line.kind == ini::ParsedLine::Header;
        if (header) {
            sections_.back().end = static_cast<std::uint32_t>(lines_.size());
            sections_.emplace_back().first = static_cast<std::uint32_t>(lines_.size());
        }
        lines_.push_back(line);
        if (header) IndexHeader(sections_.size() - 1);
        sections_.back().valueKeys += line.kind == ini::ParsedLine::Key;
        p = stop + (lineBreak == Break::CrLf ? 2 : lineBreak == Break::None ? 0 : 1);
    }
    sections_.back().end = static_cast<std::uint32_t>(lines_.size());
}

void IniDocument::NameSection(Section& section) {
    const Line& header = lines_[section.first];
    std::string_view name = NameOf(header);
    section.nameStart = static_cast<std::uint32_t>(name.data() - TextOf(header).data());
    section.nameSize = static_cast<std::uint32_t>(name.size());
}

void IniDocument::IndexHeader(std::size_t s) {
    Section& section = sections_[s];
    NameSection(section);
    auto headerName = [this](std::uint32_t i) { return NameOf(sections_[i]); };
    std::string_view name = NameOf(section);
    sectionIndex_.AddFirst(static_cast<std::uint32_t>(s), name, Hash(name), headerName, leadBytes_);
}

void IniDocument::IndexKeys(Section& section) {
    std::size_t named = 0;
    for (std::uint32_t i = section.first; i < section.end; ++i) named += Named(lines_[i]);
    section.keys.Reserve(named);
    auto lineName = [this, &section](std::uint32_t i) { return NameOf(lines_[section.first + i]); };
    for (std::uint32_t i = section.first; i < section.end; ++i) {
        Line& line = lines_[i];
        if (!Named(line)) continue;
        std::string_view name = NameOf(line);
        if (section.keys.AddFirst(i - section.first, name, Hash(name), lineName, leadBytes_))
            line.flags |= kFirstOfName;
    }
    section.indexed = true;
}

std::int64_t IniDocument::SectionIndex(std::string_view name) const {
    name = ini::Trim(name);
    if (name.empty()) return 0;
    auto headerName = [this](std::uint32_t i) { return NameOf(sections_[i]); };
    if (lastSection_ > 0 && ini::SameName(headerName(lastSection_), name, leadBytes_))
        return lastSection_;
    std::int64_t found = sectionIndex_.Find(name, Hash(name), headerName, leadBytes_);
    if (found > 0) lastSection_ = found;
    return found;
}

std::int64_t IniDocument::FindKey(Section& section, std::string_view key) {
    if (!section.indexed) {
        // From the top the first line of a name is the first met; once the
        // scans have passed as many lines as the section holds, an index is
        // cheaper.
        std::uint32_t size = section.end - section.first;
        if (section.scanned < size) {
            for (std::uint32_t i = 0; i < size; ++i) {
                Line& line = lines_[section.first + i];
                if (Named(line) && ini::SameName(NameOf(line), key, leadBytes_)) {
                    section.scanned += i + 1;
                    line.flags |= kFirstOfName;
                    return i;
                }
            }
            section.scanned += size;
            return -1;
        }
        IndexKeys(section);
    }
    auto lineName = [this, &section](std::uint32_t i) { return NameOf(lines_[section.first + i]); };
    return section.keys.Find(key, Hash(key), lineName, leadBytes_);
}

std::int64_t IniDocument::Hinted(const Section& section, std::string_view key) const {
    std::uint32_t at = section.first + section.hint;
    if (at >= section.end) return -1;
    const Line& line = lines_[at];
    if (!(line.flags & kFirstOfName) || !ini::SameName(NameOf(line), key, leadBytes_)) return -1;
    return section.hint;
}

std::uint32_t IniDocument::Hash(std::string_view name) const {
    ini::NameParts parts = ini::SplitName(name);
    if (parts.stem.size() != stemHash_.size || parts.digits != stemHash_.digits ||
        std::memcmp(parts.stem.data(), stemHash_.text, parts.stem.size()) != 0) {
        stemHash_.hash = ini::HashStem(parts.stem, parts.digits);
        stemHash_.digits = parts.digits;
        stemHash_.size = parts.stem.size();
        if (stemHash_.size <= sizeof stemHash_.text)
            std::memcpy(stemHash_.text, parts.stem.data(), parts.stem.size());
        else
            stemHash_.size = sizeof stemHash_.text + 1;  // too long to keep
    }
    return stemHash_.hash + parts.number;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section, std::string_view key) {
    std::int64_t s = SectionIndex(section);
    if (s < 0) return std::nullopt;
    Section& found = sections_[s];
    key = ini::Trim(key);
    std::int64_t i = Hinted(found, key);
    if (i < 0) i = FindKey(found, key);
    if (i < 0) return std::nullopt;
    found.hint = static_cast<std::uint32_t>(i + 1);
    const Line& line = lines_[found.first + i];
    if (line.kind != ini::ParsedLine::Key) return std::nullopt;
    return ValueOf(line);
}

int IniDocument::KeyCount(std::string_view section) const {
    std::int64_t s = SectionIndex(section);
    return s < 0 ? 0 : sections_[s].valueKeys;
}

void IniDocument::GrowStore(std::size_t size) {
    store_.reserve(std::max(store_.size() + size, store_.size() * 2));
}

void IniDocument::AddSection(std::string_view name) {
    // Only the file's last line can lack a break, and the header follows it.
    if (!lines_.empty() && lines_.back().lineBreak == Break::None) {
        lines_.back().lineBreak = Break::CrLf;
        inFileOrder_ = false;  // the store lacks that break
    }
    auto offset = static_cast<std::uint32_t>(store_.size());
    ReserveStore(name.size() + 4);
    store_.append(1, '[').append(name).append("]\r\n");
    changed_ = true;
    Section& section = sections_.emplace_back();
    section.first = static_cast<std::uint32_t>(lines_.size());
    section.end = section.first + 1;
    lines_.push_back(ParsedAt(offset, static_cast<std::uint32_t>(name.size() + 2), Break::CrLf));
    NameSection(section);
    sectionIndex_.Insert(static_cast<std::uint32_t>(sections_.size() - 1), Hash(name));
}

void IniDocument::Replace(Section& section, std::uint32_t i, std::string_view value) {
    using namespace std::string_view_literals;
    Line& old = lines_[section.first + i];
    if (old.kind == ini::ParsedLine::Key && ini::Unquote(ValueOf(old)) == value)
        return;  // reads as value already: the file stays as it is, as with Windows
    if (old.kind == ini::ParsedLine::Key) --section.valueKeys;
    // The stored spelling of the key and the line's break stay; only the value changes.
    std::string_view quote = ini::NeedsQuotes(value) ? "\""sv : ""sv;
    ReserveStore(NameOf(old).size() + 3 + 2 * quote.size() + value.size());  // the name stays put
    Break lineBreak = old.lineBreak;
    old = AppendKeyLine(NameOf(old), quote, value);
    old.lineBreak = lineBreak;
    ++section.valueKeys;
    inFileOrder_ = false;
}

std::uint32_t IniDocument::NewKeyPlace(const Section& section) {
    std::uint32_t at = section.end;
    while (at > section.first && lines_[at - 1].kind == ini::ParsedLine::Blank) --at;
    // Only the file's last line can lack a break, and the new line may follow it.
    if (at > 0 && lines_[at - 1].lineBreak == Break::None) {
        lines_[at - 1].lineBreak = Break::CrLf;
        inFileOrder_ = false;  // the store lacks that break
    }
    return at;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    using namespace std::string_view_literals;
    section = ini::Trim(section);
    key = ini::Trim(key);
    std::int64_t s = SectionIndex(section);
    if (s < 0) {
        AddSection(section);
        s = static_cast<std::int64_t>(sections_.size()) - 1;
    }
    Section& target = sections_[s];
    std::int64_t i = Hinted(target, key);
    if (i < 0) i = FindKey(target, key);
    if (i >= 0) {
        target.hint = static_cast<std::uint32_t>(i + 1);
        Replace(target, static_cast<std::uint32_t>(i), value);
        return;
    }
    std::uint32_t at = NewKeyPlace(target);
    if (at != lines_.size()) inFileOrder_ = false;
    std::string_view quote = ini::NeedsQuotes(value) ? "\""sv : ""sv;
    lines_.insert(lines_.begin() + at, AppendKeyLine(key, quote, value));
    ++target.end;
    for (auto later = sections_.begin() + s + 1; later != sections_.end(); ++later) {
        ++later->first;
        ++later->end;
    }
    if (target.indexed) target.keys.Insert(at - target.first, Hash(key));
    ++target.valueKeys;
    target.hint = at - target.first + 1;
}

bool IniDocument::MayBeListKey(std::string_view name, std::string_view stem) const {
    // A name equal to one of the keys is equal to the stem up to where the
    // digits begin, and its digits are the same bytes.
    if (name.size() <= stem.size() || !ini::SameName(name.substr(0, stem.size()), stem, leadBytes_))
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(stem.size()), name.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

template <class Each>
void IniDocument::WalkList(Section& section, std::string_view stem, int count, Each&& each) {
    // A line named as the next key is the first of that name while every
    // line before it holds an earlier key or a name no key can have. Once a
    // line could hold another key, FindKey finds the rest; at the end of the
    // section the rest are absent.
    ini::NumberedName key(stem);
    int i = 0;
    bool inOrder = true;
    for (std::uint32_t at = section.first; at < section.end && i < count; ++at) {
        if (!Named(lines_[at])) continue;
        std::string_view name = NameOf(lines_[at]), next = key(i);
        if (ini::SameName(name, next, leadBytes_)) {
            lines_[at].flags |= kFirstOfName;
            section.hint = at - section.first + 1;
            each(i, next, static_cast<std::int64_t>(at - section.first));
            ++i;
        } else if (MayBeListKey(name, stem)) {
            inOrder = false;
            break;
        }
    }
    for (; i < count; ++i) each(i, key(i), inOrder ? -1 : FindKey(section, key(i)));
}

void IniDocument::FindList(std::string_view section, std::string_view stem, int count,
                           const ListValue& each) {
    std::int64_t s = count > 0 ? SectionIndex(section) : -1;
    if (s < 0) {
        for (int i = 0; i < count; ++i) each(i, nullptr);
        return;
    }
    Section& found = sections_[s];
    WalkList(found, ini::TrimFront(stem), count, [&](int i, std::string_view, std::int64_t line) {
        const Line* at = line >= 0 ? &lines_[found.first + line] : nullptr;
        if (!at || at->kind != ini::ParsedLine::Key) return each(i, nullptr);  // absent, or no "="
        std::string_view value = ini::Unquote(ValueOf(*at));
        each(i, &value);
    });
}

void IniDocument::SetList(std::string_view section, std::string_view stem,
                          std::span<const std::string_view> values) {
    using namespace std::string_view_literals;
    const auto count = static_cast<int>(values.size());
    if (count == 0) return;
    section = ini::Trim(section);
    std::int64_t s = SectionIndex(section);
    if (s < 0) {
        AddSection(section);
        s = static_cast<std::int64_t>(sections_.size()) - 1;
    }
    Section& target = sections_[s];
    // New keys go to the end of lines_ first, all to be moved in one go to
    // where Set would add each.
    const std::uint32_t before = static_cast<std::uint32_t>(lines_.size());
    WalkList(target, ini::TrimFront(stem), count, [&](int i, std::string_view key, std::int64_t line) {
        std::string_view v = values[static_cast<std::size_t>(i)];
        if (line >= 0) return Replace(target, static_cast<std::uint32_t>(line), v);
        if (lines_.size() == before) {
            // Room for the rest of the list, its lines guessed from this one.
            auto rest = static_cast<std::size_t>(count - i);
            lines_.reserve(before + rest);
            ReserveStore(rest * (key.size() + v.size() + 8));  // '=', quotes, CR LF, more digits
        }
        lines_.push_back(AppendKeyLine(key, ini::NeedsQuotes(v) ? "\""sv : ""sv, v));
    });
    const std::uint32_t added = static_cast<std::uint32_t>(lines_.size()) - before;
    if (added == 0) return;
    std::uint32_t at = NewKeyPlace(target);
    if (at != before) inFileOrder_ = false;
    std::rotate(lines_.begin() + at, lines_.begin() + before, lines_.end());
    target.end += added;
    for (auto later = sections_.begin() + s + 1; later != sections_.end(); ++later) {
        later->first += added;
        later->end += added;
    }
    target.valueKeys += static_cast<int>(added);
    if (target.indexed)
        for (std::uint32_t i = at; i < at + added; ++i)
            target.keys.Insert(i - target.first, Hash(NameOf(lines_[i])));
}

const std::string& IniDocument::Text() {
    if (!changed_) return store_;
    changed_ = false;
    if (inFileOrder_) return store_;
    std::size_t size = 0;
    for (const Line& line : lines_) size += line.size + 2;
    std::string text;
    text.reserve(size);
    for (Line& line : lines_) {
        auto offset = static_cast<std::uint32_t>(text.size());
        text.append(TextOf(line));
        line.offset = offset;  // the lines now refer to the new text
        switch (line.lineBreak) {
            case Break::None: break;
            case Break::CrLf: text += "\r\n"; break;
            case Break::Lf: text += '\n'; break;
            case Break::Cr: text += '\r'; break;
        }
    }
    store_ = std::move(text);
    inFileOrder_ = true;
    return store_;
}
