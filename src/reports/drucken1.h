#pragma once
// The four report layouts: half-year and year report on two-page forms, leaving and final
// report on three-page forms. Each finds the format control table of the form publisher
// (or creates it from the built-in layout), takes the page margins from the print settings
// and prints one job per form page or sheet, each after the page prompt.
#include <cstddef>
#include <cstdint>
#include <string>

#include "basis/meldungen.h"
#include "classdata/schuelerdatensatz.h"
#include "print/formatsteuertabelle.h"
#include "reports/velmoallgdrk.h"
#include "settings/druckeinstellungen.h"

namespace velmora {

enum class Zeugnistyp { Halbjahr, Jahr, Abgang, Abschluss };

// The table file of a report: "BS_HJ.FST", "BS_EJ.FST", "BS_ABG.FST", "BS_ABS.FST", with
// the publisher's digit in front for publishers 1 to 4.
std::string ZeugnisDateiname(Zeugnistyp typ, std::int16_t verlag);

// The built-in layout a missing table file is created from: the publisher's title and the
// report's table.
TFormatVorlage ZeugnisVorlage(Zeugnistyp typ, std::int16_t verlag);

// Loads the table file `dateiname`, or, when it does not exist, takes `vorlage` and writes
// it to that file (the table in memory is then used as it is). Errors throw EAFehler.
void LadeZeugnisTabelle(TFormatSteuerTabelle& tabelle, const std::string& dateiname, const TFormatVorlage& vorlage,
                        std::string& titel, Meldungen& meldungen);

// The margins of the report's form pages from the print settings; the other pairs are 0.
TSeitenRaender ZeugnisRaender(Zeugnistyp typ, const TDruckEinstellungen& druck);

// The five counts a report hands to the report body.
ZeugnisZaehler ZeugnisZaehlerFuer(Zeugnistyp typ, std::int16_t verlag);

// Everything a layout routine reads besides the class and the student.
struct ZeugnisUmgebung {
  DruckFlaeche& flaeche;
  Meldungen& meldungen;          // a faulty table file's notice
  FormularSeitenAbfrage& abfrage;
  const TDruckEinstellungen& druck;
  std::int16_t verlag;
  std::string schulname;
  TZeilenpuffer& puffer;
};

// The layout routines. Print modes other than 1 and 2 print nothing (a missing table file
// is still created). A failed table write throws EAFehler before anything is printed. A
// print job the printer refuses ends the routine: no further page prompt follows.
void DruckeHalbjahreszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler);
void DruckeJahreszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler);
void DruckeAbgangszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler);
void DruckeAbschlusszeugnis(const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler);
void DruckeZeugnis(Zeugnistyp typ, const ZeugnisUmgebung& u, const TKlassenDatei& klasse, std::size_t schueler);

}  // namespace velmora
