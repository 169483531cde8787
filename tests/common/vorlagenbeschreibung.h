#pragma once
// The built-in layouts of the printouts as tests/daten/vorlagen.txt describes them, read
// from that file: the expectation of the layout tests, kept apart from the program's own
// numbers.
#include <string>

#include "print/formatsteuertabelle.h"

namespace velmora::test {

// The table called `name` in the description ("TSTBLATT", "DATRAHMN", "DATBLATT", "HJ",
// "EJ", "ABG", "ABS"). A name the file lacks fails the calling test.
TFormatSteuerTabelle BeschriebeneTabelle(const std::string& name);

}  // namespace velmora::test
