#pragma once
// What a keyword is to the program: the service it opens, and the text of
// the keyword box made into a keyword.

#include <string>
#include <string_view>

// The keyword service: an address to which a keyword is appended directly.
inline constexpr std::string_view kBaseAddress = "http://ja.wikipedia.org/wiki/";

// The keyword in a keyword box's text: without blanks at its ends, and with
// every line break (pasted text) made one blank, so that no keyword spans
// lines — a settings file could not keep it.
std::string KeywordOf(std::string_view text);
