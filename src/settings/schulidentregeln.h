#pragma once
// The handlers of the school data window TSchulIdentForm: opening values and "Übernehmen".
#include <string>

#include "basis/meldungen.h"
#include "settings/schulidentitaet.h"

namespace velmora {

// What the window TSchulIdentForm holds.
struct SchulIdentWerte {
  std::string Zeugnisname, SchulnameReserve, Kurzname;
};

class SchulIdentRegeln {
 public:
  SchulIdentRegeln(SchulIdentitaet& s, Meldungen& m) : s_(s), m_(m) {}
  // On show: Load (an error is shown), then the three texts.
  SchulIdentWerte BeimZeigen();
  // "Übernehmen": cut, store, save. False when saving failed (the error has been shown).
  bool Uebernehmen(const SchulIdentWerte& w);

 private:
  SchulIdentitaet& s_;
  Meldungen& m_;
};

}  // namespace velmora
