#pragma once
// File names of printouts: what every system takes as a name, and texts without their
// padding blanks (the records fill fields with blanks).
#include <string>

namespace velmora {

// The name with every character Windows forbids in a file name (< > : " / \ | ? * and the
// control characters below 32) replaced by "_".
std::string ErlaubterDateiname(std::string name);

// The text without blanks at its start and end.
std::string OhneRandblanks(const std::string& text);

}  // namespace velmora
