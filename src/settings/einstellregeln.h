#pragma once
// The handlers of the settings window TEinstellform: opening values of the security
// options, defaults, password change and "Übernehmen".
#include "settings/programmeinstellungen.h"

namespace velmora {

// What the window's controls hold.
struct EinstellformWerte {
  bool DatenVerschluesseln = false;
  bool Reserve1 = false;
  bool Reserve2 = false;
  bool Reserve3 = false;
  int Verlag = 0;  // index of the selected radio item, -1 for none
  bool MehrstufigerSchutz = false;
  bool ImmerVerschluesseln = false;
  bool SicherheitsReserve = false;
};

class Einstellregeln {
 public:
  Einstellregeln(ProgrammEinstellungen& e, KonfigPasswortDialoge& d, Meldungen& m) : e_(e), d_(d), m_(m) {}

  // On show: Load (errors are shown), remember the opening values, return the controls.
  EinstellformWerte BeimZeigen();
  EinstellformWerte StandardHerstellen();
  // "Konfigurationspasswort ändern".
  void PasswortAendern();
  // "Übernehmen": reads the controls by the protection rules and saves. False when
  // saving failed (the error box has been shown).
  bool Uebernehmen(const EinstellformWerte& w);

  static EinstellformWerte Werte(const TProgrammEinstellungen& s);

 private:
  ProgrammEinstellungen& e_;
  KonfigPasswortDialoge& d_;
  Meldungen& m_;
  std::int16_t offenSchutz_ = 0, offenImmer_ = 0, offenReserve_ = 0;
};

}  // namespace velmora
