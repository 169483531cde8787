#pragma once
// "&Probedruck" of the form alignment: the current student's printout of the table as it
// stands in the window, saved or not, so that the teacher can hold the sheet against the form.
#include <string>

#include "basis/meldungen.h"
#include "print/druckflaeche.h"
#include "print/formatsteuertabelle.h"
#include "print/zeilenpuffer.h"
#include "reports/ausrichttabelle.h"
#include "reports/velmoallgdrk.h"

namespace velmora {

struct ProbedruckZiel {
  DruckFlaeche& flaeche;
  FormularSeitenAbfrage& abfrage;  // the prompt for the form sheet
  TZeilenpuffer& puffer;
};

// The session's name: "Probedruck-" and the table file without its extension.
std::string ProbedruckSitzung(const AusrichtWahl& wahl);

// Prints, as one session:
// - a report form: only the chosen page (one sheet), after the page prompt naming the form's
//   title, the student and the page; on A3 where the page lies beside another;
// - the report on plain paper: all its pages;
// - the data sheet and the test sheet: the sheet.
// `partner` is the other table of the printout (see PartnerWahl). Returns false when nothing
// was printed (prompt cancelled, job refused).
bool Probedruck(const AusrichtUmgebung& u, const AusrichtWahl& wahl, const TFormatSteuerTabelle& tabelle,
                const std::string& titel, const TFormatSteuerTabelle& partner, const ProbedruckZiel& ziel);

}  // namespace velmora
