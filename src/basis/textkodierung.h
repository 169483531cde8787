#pragma once
// The lines of a text file that the user edits by hand, in whichever encoding the editor
// saved it: the program writes code page 1252, a current editor may save UTF-8.
#include <string>
#include <vector>

namespace velmora {

// A file that is valid UTF-8 and holds bytes above 127 is taken as UTF-8 (a byte order mark
// dropped) and converted to code page 1252, each character outside it written as its
// replacement (basis/zeichenersatz); `ersetzt` then tells whether a character had to be
// replaced. Any other file is code page 1252 byte for byte.
std::vector<std::string> Cp1252Zeilen(const std::vector<std::string>& rohzeilen, bool* ersetzt = nullptr);

}  // namespace velmora
