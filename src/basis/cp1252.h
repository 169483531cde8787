#pragma once
// Conversion between Windows code page 1252 (the program's text encoding everywhere
// inside the logic and in every file) and UTF-8 (used only at the edge towards Qt).
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// Every byte becomes its character; 0x80..0x9F are the 1252 characters (€, „, “, ...).
std::string Cp1252NachUtf8(std::string_view text);

// Characters that code page 1252 cannot hold, and invalid UTF-8, become "?".
std::string Utf8NachCp1252(std::string_view text);

// The byte of a character code page 1252 holds; nothing for any other character.
std::optional<char> Cp1252Byte(char32_t zeichen);

// The characters of a UTF-8 text; nothing when the text is not valid UTF-8 (a broken or
// overlong sequence, a surrogate, a code point above U+10FFFF).
std::optional<std::u32string> Utf8Zeichen(std::string_view text);
// A character as UTF-8.
std::string Utf8(char32_t zeichen);

// Shorthand for the fixed texts of the program, which the source holds as UTF-8.
inline std::string T(std::string_view utf8) { return Utf8NachCp1252(utf8); }

}  // namespace velmora
