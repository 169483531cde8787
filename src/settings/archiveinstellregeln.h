#pragma once
// The handlers of the archive window "Archiv": opening values and the accept button.
#include <string>

#include "basis/meldungen.h"
#include "settings/archiveinstellungen.h"

namespace velmora {

// What the window "Archiv" holds.
struct ArchivFormWerte {
  bool Archivkopie = false;
  std::string Ordner;
};

class ArchivEinstellRegeln {
 public:
  ArchivEinstellRegeln(ArchivEinstellungen& e, Meldungen& m) : e_(e), m_(m) {}
  // On show: Load (an error is shown, the defaults stand), then the values.
  ArchivFormWerte BeimZeigen();
  // The accept button: store (the folder cut to its field) and save. False when saving
  // failed; the error has been shown and the window stays open.
  bool Uebernehmen(const ArchivFormWerte& w);

 private:
  ArchivEinstellungen& e_;
  Meldungen& m_;
};

}  // namespace velmora
