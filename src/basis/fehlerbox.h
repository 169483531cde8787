#pragma once
// Runs a command and shows a file error in the "Fehler" box with its German message.
// Returns false after an error; the command has then ended where the error arose.
#include "basis/eafehler.h"
#include "basis/meldungen.h"

namespace velmora {

template <class Befehl>
bool MitFehlerbox(Meldungen& meldungen, Befehl&& befehl) {
  try {
    befehl();
    return true;
  } catch (const EAFehler& f) {
    meldungen.Fehler(EAFehlerText(f.Nummer()));
    return false;
  }
}

}  // namespace velmora
