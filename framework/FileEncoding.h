#pragma once
// Text files as Windows' profile functions take them: a byte-order mark
// makes a file UTF-8 or UTF-16, anything else is code-page text. Decoding
// gives code-page text; encoding writes it back in the file's own form.

#include <string>
#include <string_view>

enum class FileEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

// What the file's byte-order mark says; Ansi without one.
FileEncoding DetectEncoding(std::string_view bytes);
// The file's text in the code page; for Ansi the bytes themselves.
std::string DecodeTextFile(std::string_view bytes, FileEncoding encoding);
// The bytes of a file in encoding holding text, with its byte-order mark.
std::string EncodeTextFile(std::string_view text, FileEncoding encoding);
