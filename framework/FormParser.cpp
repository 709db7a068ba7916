#include "framework/FormParser.h"

#include "framework/Exception.h"

#include <cctype>
#include <charconv>

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    ObjectNode Document() {
        ObjectNode root = Object();
        SkipBlankLines();
        if (!AtEnd()) Fail("text after the last 'end'");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw EReadError("Form description, line " + std::to_string(line_) + ": " + what);
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    void SkipSpaces() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t')) ++pos_;
    }

    // Blank lines and comment lines between entries.
    void SkipBlankLines() {
        for (;;) {
            SkipSpaces();
            if (text_.substr(pos_).starts_with("//")) {
                while (!AtEnd() && Peek() != '\n') ++pos_;
            }
            if (Peek() == '\r') ++pos_;
            if (Peek() != '\n') return;
            ++pos_;
            ++line_;
        }
    }

    void EndOfLine() {
        SkipSpaces();
        if (Peek() == '\r') ++pos_;
        if (!AtEnd() && Peek() != '\n') Fail("unexpected text at the end of the line");
        if (!AtEnd()) {
            ++pos_;
            ++line_;
        }
    }

    static bool IsNameChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
    }

    std::string Name() {
        SkipSpaces();
        size_t start = pos_;
        while (!AtEnd() && IsNameChar(Peek())) ++pos_;
        if (start == pos_) Fail("a name is missing");
        return std::string(text_.substr(start, pos_ - start));
    }

    void Expect(char c) {
        SkipSpaces();
        if (Peek() != c) Fail(std::string("'") + c + "' expected");
        ++pos_;
    }

    ObjectNode Object() {
        SkipBlankLines();
        ObjectNode node;
        node.line = line_;
        if (Name() != "object") Fail("'object' expected");
        node.name = Name();
        Expect(':');
        node.className = Name();
        EndOfLine();
        for (;;) {
            SkipBlankLines();
            if (AtEnd()) Fail("'end' missing for " + node.name);
            size_t mark = pos_;
            std::string word = Name();
            if (word == "end") {
                EndOfLine();
                return node;
            }
            if (word == "object") {
                pos_ = mark;
                node.children.push_back(Object());
                continue;
            }
            PropertyNode property{word, {}};
            property.value.line = line_;
            Expect('=');
            property.value = Value();
            property.value.line = line_;
            EndOfLine();
            node.properties.push_back(std::move(property));
        }
    }

    PropertyValue Value() {
        SkipSpaces();
        PropertyValue v;
        char c = Peek();
        if (c == '\'') {
            v.kind = PropertyValue::Kind::String;
            v.text = String();
        } else if (c == '[') {
            v.kind = PropertyValue::Kind::Set;
            ++pos_;
            SkipSpaces();
            if (Peek() != ']') {
                for (;;) {
                    v.items.push_back(Name());
                    SkipSpaces();
                    if (Peek() == ']') break;
                    Expect(',');
                }
            }
            ++pos_;
        } else if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) {
            v.kind = PropertyValue::Kind::Integer;
            size_t start = pos_;
            if (c == '-' || c == '+') ++pos_;
            while (!AtEnd() && std::isdigit(static_cast<unsigned char>(Peek()))) ++pos_;
            std::string_view digits = text_.substr(start, pos_ - start);
            if (digits.front() == '+') digits.remove_prefix(1);
            auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), v.integer);
            if (error != std::errc() || end != digits.data() + digits.size()) Fail("bad integer");
        } else {
            v.kind = PropertyValue::Kind::Identifier;
            v.text = Name();
        }
        return v;
    }

    std::string String() {
        std::string s;
        ++pos_;  // opening quote
        for (;;) {
            if (AtEnd() || Peek() == '\n') Fail("unterminated string");
            char c = text_[pos_++];
            if (c != '\'') {
                s += c;
                continue;
            }
            if (Peek() != '\'') return s;
            s += '\'';  // a doubled quote stands for one
            ++pos_;
        }
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

ObjectNode ParseFormDescription(std::string_view text) { return Parser(text).Document(); }
