#include "check/fehlertest.h"

#include "basis/cp1252.h"

namespace velmora {

using S = TSchuelerDatensatz;

std::array<TTestBeschreibung, 3> TestBeschreibungen() {
  return {{
      {1, T("Test auf Zeugnistyp:"), "bekannt", "unbekannt", 1},
      {2, T("Test des ausgewählten Formularverlages:"), "bekannt", "unbekannt", 1},
      {3, T("Test auf vorhandene Namen und Vorname"), "bekannt", "unbekannt", 1},
  }};
}

bool TestBestanden(std::uint16_t test, const S& satz, int verlag) {
  switch (test) {
    case 1: {
      const auto art = static_cast<std::uint16_t>(satz.Zeugnisart());
      return art >= 1 && art <= 4;
    }
    case 2: {
      const auto v = static_cast<std::uint16_t>(verlag);
      return v >= 1 && v <= 3;
    }
    case 3: {
      const std::string name = satz.Lies(S::Name);
      return !name.empty() && name != kFreiName && !satz.Lies(S::Vornamen).empty();
    }
    default:
      return false;
  }
}

FarbText NochNichtGetestet() { return {"Noch nicht getestet!", kBlau}; }
FarbText TestLaeuft() { return {T("Test läuft!"), kBlau}; }
FarbText Endergebnis(bool bestanden) {
  return bestanden ? FarbText{"Test bestanden", kGruen} : FarbText{"Test nicht bestanden", kRot};
}

FarbText ErgebnisZeile(const TTestBeschreibung& t, bool bestanden) {
  return bestanden ? FarbText{"  --->  " + t.Bestanden, kGruen} : FarbText{"  --->  " + t.NichtBestanden, kRot};
}

std::string Schuelername(const S& satz) { return satz.Lies(S::Vornamen) + " " + satz.Lies(S::Name); }

Pruefung Pruefe(const S& satz, int verlag) {
  Pruefung p;
  for (const TTestBeschreibung& t : TestBeschreibungen()) {
    const bool gut = TestBestanden(t.Nummer, satz, verlag);
    p.tests.push_back({FarbText{t.Beschreibung, kSchwarz}, ErgebnisZeile(t, gut)});
    if (t.Gewertet == 1 && !gut) p.bestanden = false;
  }
  return p;
}

}  // namespace velmora
