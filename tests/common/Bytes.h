#pragma once
// Readable byte strings for tables of code-page text.

#include <initializer_list>
#include <string>

inline std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes) s.push_back(static_cast<char>(b));
    return s;
}

// Hex dump for failure messages: "83 81 40".
inline std::string Hex(const std::string& s) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s) {
        if (!out.empty()) out += ' ';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}
