#pragma once
// The handlers of the print settings window TEinstellDrkForm: the number rule of its margin
// and line-height fields, opening values, defaults and "Einstellungen übernehmen".
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "basis/meldungen.h"
#include "settings/druckeinstellungen.h"

namespace velmora {

// The number rule of the margin and line-height fields: empty gives 0; a decimal number
// (leading blanks, sign, digits with at most one ".", exponent) gives its value truncated
// toward zero; anything else, and a value outside the 32-bit range, is refused (Wert 0).
struct RandZahl {
  std::int32_t Wert = 0;
  bool Abgelehnt = false;
};
RandZahl LiesRandZahl(std::string_view text);

// The box shown for each refused field.
std::string RandEingabefehlerText();

// What the window's controls hold.
struct DrkFormWerte {
  std::array<std::string, kRandAnzahl> Raender;
  std::string Zeilenhoehe;
  bool AlleInWorten = false;
  bool MitRahmen = false;
  bool NurInnen = false;
  bool DruckReserve1 = false;
  bool MitEinstellecke = false;
  int Druckart = -1;  // index of the selected radio item, -1 for none
};

class DruckEinstellRegeln {
 public:
  DruckEinstellRegeln(DruckEinstellungen& e, Meldungen& m) : e_(e), m_(m) {}

  // On show: Load (an error is shown, the defaults stay), then the controls.
  DrkFormWerte BeimZeigen();
  // "Standard wiederherstellen": the record in memory at once, the file untouched.
  DrkFormWerte StandardHerstellen();
  // "Einstellungen übernehmen": reads the controls into the record (a refused number
  // shows its box and counts 0) and saves. False when saving failed; the error has been
  // shown and the record keeps the new values.
  bool Uebernehmen(const DrkFormWerte& w);

  static DrkFormWerte Werte(const TDruckEinstellungen& s);

 private:
  std::int32_t Zahl(const std::string& text);

  DruckEinstellungen& e_;
  Meldungen& m_;
};

}  // namespace velmora
