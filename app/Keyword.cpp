#include "app/Keyword.h"

#include "app/BlankTrim.h"

std::string KeywordOf(std::string_view text) {
    std::string joined;
    joined.reserve(text.size());
    bool inBreak = false;
    for (char c : text) {
        bool lineBreak = c == '\r' || c == '\n' || c == '\0';
        if (lineBreak && !inBreak) joined += ' ';
        if (!lineBreak) joined += c;
        inBreak = lineBreak;
    }
    return TrimBlanks(joined);
}
