// The number rule of the margin fields: an accepted text has the value that the decimal
// number it writes truncates to (checked against strtod where a double holds the number
// exactly enough), and every 32-bit value written as the window shows it reads back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzzhilfen.h"
#include "settings/druckeinstellregeln.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string text(reinterpret_cast<const char*>(daten), groesse);
  const RandZahl zahl = LiesRandZahl(text);
  fuzz::Pruefe(!zahl.Abgelehnt || zahl.Wert == 0, "a refused text counts 0");

  // Digits of the mantissa: with at most 15 a double is exact enough to truncate it.
  std::size_t ziffern = 0;
  for (char c : text.substr(0, text.find_first_of("eE"))) ziffern += c >= '0' && c <= '9';
  if (!zahl.Abgelehnt && !text.empty() && ziffern <= 15 && text.find('\0') == std::string::npos) {
    char* ende = nullptr;
    const double wert = std::strtod(text.c_str(), &ende);
    fuzz::Pruefe(ende == text.c_str() + text.size(), "an accepted text is a decimal number");
    fuzz::Pruefe(std::trunc(wert) == static_cast<double>(zahl.Wert), "the value is the number truncated toward zero");
  }

  if (groesse >= 4) {
    std::int32_t wert;
    std::memcpy(&wert, daten, 4);
    for (const std::string& geschrieben : {std::to_string(wert), "  " + std::to_string(wert),
                                           std::to_string(wert) + ".9", std::to_string(wert) + "e0"}) {
      const RandZahl z = LiesRandZahl(geschrieben);
      fuzz::Pruefe(!z.Abgelehnt && z.Wert == wert, "a 32-bit value reads back from its text");
    }
  }
  return 0;
}
