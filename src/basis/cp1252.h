#pragma once
// Conversion between Windows code page 1252 (the program's text encoding everywhere
// inside the logic and in every file) and UTF-8 (used only at the edge towards Qt).
#include <string>
#include <string_view>

namespace velmora {

// Every byte becomes its character; 0x80..0x9F are the 1252 characters (€, „, “, ...).
std::string Cp1252NachUtf8(std::string_view text);

// Characters that code page 1252 cannot hold, and invalid UTF-8, become "?".
std::string Utf8NachCp1252(std::string_view text);

// Shorthand for the fixed texts of the program, which the source holds as UTF-8.
inline std::string T(std::string_view utf8) { return Utf8NachCp1252(utf8); }

}  // namespace velmora
