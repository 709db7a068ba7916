#pragma once
// String and file-name functions with Windows rules, on code-page text:
// a backslash or colon that is the trail byte of a double-byte character is
// not a separator.

#include <initializer_list>
#include <string>
#include <string_view>

// True when a and b are equal with ASCII letters compared without regard to case.
bool SameAsciiText(std::string_view a, std::string_view b);

// The ASCII letters A to Z lowered, byte by byte; no other byte changes.
std::string LowerCase(std::string_view s);

// The drive and directory part of a path, with its trailing separator.
std::string ExtractFilePath(std::string_view fileName);
// The name part of a path, without its directory.
std::string ExtractFileName(std::string_view fileName);
// fileName with the part from its last period on replaced by extension;
// a name without a period gets extension appended.
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);

// Full path of the running executable (ParamStr(0), Application.ExeName).
std::string ExeFileName();

// The parts joined, in one allocation.
std::string Concat(std::initializer_list<std::string_view> parts);

// The decimal text of an integer, as IntToStr writes it.
std::string IntToStr(long long value);
