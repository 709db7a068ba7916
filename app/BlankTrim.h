#pragma once
// Trimming of half-width (0x20) and full-width (0x81 0x40) blanks from both
// ends of a keyword, without splitting double-byte characters.

#include <string>
#include <string_view>

// s without its leading and trailing blanks; never raises.
std::string TrimBlanks(std::string_view s);

// True when the byte at 1-based index is the second byte of a double-byte
// character. Raises Exception "Illegal Index" outside 1..length.
bool IsTrailByte(std::string_view s, int index);
