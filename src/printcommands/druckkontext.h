#pragma once
// What the print commands read of the program's state, and only that: the class in memory
// with its current slot, the print settings, the form publisher and the school's names as
// the school data last took them over (at start or after "Übernehmen"). The references are read-only and live as long
// as the program's state; every read sees the values of that moment.
#include <cstdint>
#include <string>

#include "classdata/klassenzustand.h"
#include "settings/druckeinstellungen.h"
#include "settings/programmeinstellungen.h"

namespace velmora {

struct DruckKontext {
  const KlassenZustand& klasse;
  const TDruckEinstellungen& druck;
  const TProgrammEinstellungen& programm;
  const std::string& zeugnisname;  // the school's report name
  const std::string& kurzname;     // the school's short name

  const TKlassenDatei& Klasse() const { return *klasse.Klasse; }
  // The slot shown in the editor, held to the class.
  std::size_t AktuellerSchueler() const;
  const TSchuelerDatensatz& Aktuell() const { return Klasse().Schueler[AktuellerSchueler()]; }
  std::int16_t Verlag() const { return programm.Verlag; }
};

inline std::size_t DruckKontext::AktuellerSchueler() const {
  const int i = klasse.AktuellerSchueler;
  if (i < 0) return 0;
  if (i >= KlassenZustand::Schuelerzahl) return KlassenZustand::Schuelerzahl - 1;
  return static_cast<std::size_t>(i);
}

}  // namespace velmora
