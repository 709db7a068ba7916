#pragma once
// Text files as Windows' profile functions take them: a byte-order mark
// makes a file UTF-8 or UTF-16, anything else is code-page text. Decoding
// gives code-page text; encoding writes it back in the file's own form.

#include <string>
#include <string_view>

enum class FileEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

struct DecodedText {
    std::string text;  // in the code page
    FileEncoding encoding = FileEncoding::Ansi;
};

DecodedText DecodeTextFile(std::string_view bytes);
std::string EncodeTextFile(std::string_view text, FileEncoding encoding);
