#pragma once
// An INI file in memory: its lines exactly as read, each with its own line
// break, and an index from section and key names to them, with the first of
// equal names winning as Windows reads it. A section's keys are indexed only
// once its lookups would cost more without. Writes change or add single
// lines, so every byte of the lines the program does not touch is saved as
// it was.

#include "framework/IniSyntax.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class IniDocument {
public:
    // Parses code-page text; lines may end in CR LF, LF or CR.
    IniDocument() : IniDocument(std::string()) {}
    explicit IniDocument(std::string text);

    const ini::LeadBytes& LeadBytes() const { return leadBytes_; }

    // The raw value of the key (trimmed, quotes still on); nullopt when the
    // section or key is absent, or the key is an entry without "=".
    std::optional<std::string_view> Find(std::string_view section, std::string_view key);
    // How many keys with a value the section holds.
    int KeyCount(std::string_view section) const;

    // Stores value under key so that Find gives it back, quoted if it must
    // be; changes nothing when the key reads as value already. Names are
    // trimmed as the reader trims them; the caller has checked with
    // ini::WhyUnwritable that they can be stored.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // The keys of a list are stem followed by 0, 1, ... count - 1, handled in
    // that order in one pass through the section's lines while they hold
    // the keys in order.
    // Hands each key's value to each: as Find gives it but unquoted, or
    // nullptr where Find gives nullopt.
    using ListValue = std::function<void(int index, const std::string_view* value)>;
    void FindList(std::string_view section, std::string_view stem, int count, const ListValue& each);
    // Stores values[index] under each key, as Set one key after the other
    // would; the caller has checked them as for Set.
    void SetList(std::string_view section, std::string_view stem, std::span<const std::string_view> values);

    // Whether a Set changed anything since loading or the last Text.
    bool Changed() const { return changed_; }
    // The whole file as it would be saved now.
    const std::string& Text();

private:
    enum class Break : std::uint8_t { None, CrLf, Lf, Cr };

    struct Line {
        std::uint32_t offset = 0, size = 0;  // in store_, without the break
        std::uint32_t mark = 0;              // as ini::ParsedLine's
        ini::ParsedLine::Kind kind = ini::ParsedLine::Blank;
        Break lineBreak = Break::CrLf;
        std::uint8_t flags = 0;
    };
    // The name or value is the text up to or after mark; the line is known
    // to hold the first of its name in its section, the one a lookup finds.
    static constexpr std::uint8_t kExactName = 1, kExactValue = 2, kFirstOfName = 4;

    // Open-addressing table from names to ids (line numbers within a
    // section, or section numbers), the first of equal names winning. It
    // keeps each name's hash, so that growing and most misses compare no
    // text; the probe step comes from the hash too, so that the side-by-side
    // hashes of a list's keys do not crowd out other names.
    class NameIndex {
    public:
        // The id of the first name equal to name, or -1.
        template <class Names>
        std::int64_t Find(std::string_view name, std::uint32_t hash, const Names& nameOf,
                          const ini::LeadBytes& leadBytes) const;
        // Adds id unless an equal name is present; true when added.
        template <class Names>
        bool AddFirst(std::uint32_t id, std::string_view name, std::uint32_t hash,
                      const Names& nameOf, const ini::LeadBytes& leadBytes);
        // Adds id, whose name is known to be absent.
        void Insert(std::uint32_t id, std::uint32_t hash);
        // Room for count names in all.
        void Reserve(std::size_t count);

    private:
        struct Slot {
            std::uint32_t idPlusOne = 0;  // 0: empty
            std::uint32_t hash = 0;
        };
        static std::size_t Step(std::uint32_t hash) { return ((hash * 0x9E3779B1u) >> 15) | 1; }
        void Rehash(std::size_t size);
        std::vector<Slot> slots_;
        std::size_t used_ = 0;
    };

    struct Section {
        std::uint32_t first = 0, end = 0;  // its lines in lines_; the header first but in [0]
        std::uint32_t nameStart = 0, nameSize = 0;  // the name within the header
        // Of Key and Bare lines, by number from first, once indexed is set;
        // until then lookups scan from the top, and scanned counts the lines
        // they passed.
        NameIndex keys;
        bool indexed = false;
        std::uint32_t scanned = 0;
        int valueKeys = 0;
        // The line after the one found last, by number from first: lists are
        // read and written in order, and this spares them the index.
        mutable std::uint32_t hint = 0;
    };

    std::string_view TextOf(const Line& line) const { return {store_.data() + line.offset, line.size}; }
    // Most lines' parts lie plainly before and after the '='.
    std::string_view NameOf(const Line& line) const {
        return line.flags & kExactName ? std::string_view(store_.data() + line.offset, line.mark) : ParsedName(line);
    }
    std::string_view ParsedName(const Line& line) const;
    std::string_view NameOf(const Section& section) const {
        return {store_.data() + lines_[section.first].offset + section.nameStart, section.nameSize};
    }
    // Notes where the section's name lies in its header line.
    void NameSection(Section& section);
    std::string_view ValueOf(const Line& line) const {
        return line.flags & kExactValue
                   ? std::string_view(store_.data() + line.offset + line.mark + 1, line.size - line.mark - 1)
                   : ini::KeyValue(TextOf(line), line.mark);
    }
    static bool Named(const Line& line) {
        return line.kind == ini::ParsedLine::Key || line.kind == ini::ParsedLine::Bare;
    }

    Line ParsedAt(std::uint32_t offset, std::uint32_t size, Break lineBreak, bool mayHoldNul = true) const;
    Line ParsedFully(Line line, bool mayHoldNul) const;  // ParsedAt for any line
    // Appends name=quote value quote and a CR LF to store_, a key line whose
    // parts need no parse.
    Line AppendKeyLine(std::string_view name, std::string_view quote, std::string_view value);
    // Names a section just read and adds it to sectionIndex_.
    void IndexHeader(std::size_t s);
    void IndexKeys(Section& section);
    // The number of the first line named key, from first; -1 when absent.
    std::int64_t FindKey(Section& section, std::string_view key);
    // Hands each(index, key, FindKey's number) for the list's keys in order.
    template <class Each>
    void WalkList(Section& section, std::string_view stem, int count, Each&& each);
    // Whether name is stem followed by digits, or like it but for the case of letters.
    bool MayBeListKey(std::string_view name, std::string_view stem) const;
    // Gives line i of the section value, unless it reads so already.
    void Replace(Section& section, std::uint32_t i, std::string_view value);
    // The hinted line's number when it is the first one named key, or -1.
    std::int64_t Hinted(const Section& section, std::string_view key) const;
    // ini::HashName, with the stem's hash kept from the call before.
    std::uint32_t Hash(std::string_view name) const;
    std::int64_t SectionIndex(std::string_view name) const;  // -1 when absent
    void AddSection(std::string_view name);
    // Room in store_ for size more bytes, so that views into it stay valid.
    void ReserveStore(std::size_t size) {
        if (store_.capacity() - store_.size() < size) GrowStore(size);
    }
    void GrowStore(std::size_t size);
    // Where Set adds a key to the section: after its last line that is not blank.
    std::uint32_t NewKeyPlace(const Section& section);

    ini::LeadBytes leadBytes_;
    // The loaded text, then the text of lines written since, each with a
    // CR LF after it; rebuilt as the file's text when it is saved.
    std::string store_;
    bool changed_ = false;
    // Whether store_ is the file's text: the lines lie in it in file order,
    // each followed by its break, as after loading, after Text, and while
    // writes only add whole lines after the last.
    bool inFileOrder_ = true;
    std::vector<Line> lines_;        // in file order
    std::vector<Section> sections_;  // [0]: lines before any header
    NameIndex sectionIndex_;         // first section of each name
    mutable std::int64_t lastSection_ = 0;  // the one looked up last, tried first
    struct StemHash {
        char text[32];
        std::size_t size = sizeof text + 1;  // none yet
        std::uint32_t digits = 0, hash = 0;
    };
    mutable StemHash stemHash_;  // the keys of a list share their stem
};
