#include "app/import.h"
#include "basis/fehlerbox.h"

#include <algorithm>

#include "app/importkodierung.h"
#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/eafehler.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

constexpr std::size_t kPersonenZeilen = TKlassenDatei::Schuelerzahl;

std::string Anfang(const std::string& text, std::size_t n) { return text.substr(0, std::min(n, text.size())); }

bool IstTrenner(char c) { return c == '\t' || c == ';' || c == '\r'; }

// The town and the street of a person line, joined by ", ". An empty part is left out,
// so that an address without street does not end in a stray comma.
std::string Wohnort(const std::string& ort, const std::string& strasse) {
  if (strasse.empty()) return ort;
  if (ort.empty()) return strasse;
  return ort + ", " + strasse;
}

void PersonenZeile(std::string_view rest, S& s) {
  for (int feldNr = 1; feldNr <= 8 && !ZeileZuEnde(rest); ++feldNr) {
    const std::string feld = NaechstesFeld(rest);
    switch (feldNr) {
      case 1:
        s.Setze(S::Name, feld);
        break;
      case 2:
        s.Setze(S::Vornamen, feld);
        break;
      case 3:
        s.Setze(S::Geburtsdatum, feld);
        break;
      case 4:
        s.Setze(S::Geburtsort, feld);
        break;
      case 5:
        s.SetzeAnrede(AnredeAusFeld(feld));
        break;
      case 6:
        s.Setze(S::Wohnort, feld);
        break;
      case 7:
        s.Setze(S::Wohnort, Wohnort(s.Lies(S::Wohnort), feld));
        break;
      case 8:
        s.Setze(S::Klasse, feld);
        break;
    }
  }
}

// The slot of a grade line: the last one whose names equal both keys, or -1.
int SuchePlatz(const TKlassenDatei& k, const std::string& name, const std::string& vornamen) {
  for (int i = static_cast<int>(k.Schueler.size()) - 1; i >= 0; --i) {
    const S& s = k.Schueler[static_cast<std::size_t>(i)];
    if (s.Lies(S::Name) == name && s.Lies(S::Vornamen) == vornamen) return i;
  }
  return -1;
}

// The fields after the names: rows 1..4 always grades, rows 5..18 grades unless the row is
// empty ("   - - -"), where the field is a count of hours. The first count is the missed
// hours, the second the excused ones and ends the line. An empty field changes nothing but
// keeps its place, also as a count of hours.
void BewertungsFelder(std::string_view rest, S& s) {
  int stundenfelder = 0;
  for (std::size_t zeile = 0; zeile < S::FachzeilenAnzahl && !ZeileZuEnde(rest); ++zeile) {
    const std::string feld = NaechstesFeld(rest);
    const bool stunden = zeile >= 4 && s.LiesFach(zeile, TFachZeile::Fach) == kLeereZeile;
    if (!stunden) {
      if (!feld.empty()) s.SetzeFach(zeile, TFachZeile::Bewertung, feld.substr(0, 1));
      continue;
    }
    ++stundenfelder;
    if (!feld.empty()) s.Setze(stundenfelder == 1 ? S::VersaeumteStunden : S::Entschuldigt, Anfang(feld, 4));
    if (stundenfelder == 2) return;
  }
}

template <class Import>
ImportAusgang Importiere(KlassenZustand& z, DateiDialoge& d, Meldungen& m, const DateiDialogWunsch& wunsch,
                         Import&& import) {
  const std::optional<std::string> datei = d.Oeffnen(wunsch);
  if (!datei) return ImportAusgang::Abgebrochen;
  std::vector<std::string> zeilen;
  // The whole file first: a failing read leaves the class as it was.
  if (!MitFehlerbox(m, [&] { zeilen = LiesTextZeilen(*datei); })) return ImportAusgang::Fehler;
  // A UTF-8 file with characters the class cannot hold is imported only when the teacher
  // agrees to their replacements.
  std::optional<std::vector<std::string>> freigegeben = ImportZeilenFreigeben(zeilen, m);
  if (!freigegeben) return ImportAusgang::Abgebrochen;
  import(*freigegeben);
  z.DatenGeaendert = true;
  return ImportAusgang::Importiert;
}

}  // namespace

bool ZeileZuEnde(std::string_view rest) { return rest.empty() || rest.front() == '\r'; }

std::string NaechstesFeld(std::string_view& rest) {
  std::size_t ende = 0;  // index of the character that ends the field, or rest.size()
  std::size_t laenge = 0;
  while (ende < rest.size()) {
    const char c = rest[ende];
    if (IstTrenner(c)) {
      laenge = ende;
      break;
    }
    if (c == '"' && ende > 0) {
      // The closing quote belongs to the field; the character after it ends the field.
      laenge = ende + 1;
      ende = ende + 1;
      break;
    }
    ++ende;
    laenge = ende;
  }
  std::string feld;
  feld.reserve(laenge);
  for (char c : rest.substr(0, laenge)) {
    if (c != '"') feld.push_back(c);
  }
  rest.remove_prefix(std::min(ende + 1, rest.size()));
  return feld;
}

std::int16_t AnredeAusFeld(std::string_view feld) {
  if (feld.empty()) return 0;
  switch (feld.front()) {
    case '0':
    case 'H':
    case 'M':
    case 'N':
    case 'h':
    case 'm':
    case 'n':
      return 1;
    case '1':
    case 'F':
    case 'J':
    case 'W':
    case 'f':
    case 'j':
    case 'w':
      return 2;
    default:
      return 0;
  }
}

void ImportPersonendaten(const std::vector<std::string>& zeilen, TKlassenDatei& k) {
  const std::size_t anzahl = std::min(zeilen.size(), kPersonenZeilen);
  for (std::size_t i = 0; i < anzahl; ++i) PersonenZeile(zeilen[i], k.Schueler[i]);
}

int ImportBewertungen(const std::vector<std::string>& zeilen, TKlassenDatei& k) {
  int nichtZugeordnet = 0;
  for (const std::string& zeile : zeilen) {
    std::string_view rest = zeile;
    std::string name, vornamen;
    if (!ZeileZuEnde(rest)) {
      name = NaechstesFeld(rest);
      if (!rest.empty()) vornamen = NaechstesFeld(rest);
    }
    // The record fields hold 25 characters; longer keys are compared by what a
    // person import stored of them.
    const int platz = SuchePlatz(k, Anfang(name, S::Name.max), Anfang(vornamen, S::Vornamen.max));
    if (platz < 0) {
      ++nichtZugeordnet;
      continue;
    }
    BewertungsFelder(rest, k.Schueler[static_cast<std::size_t>(platz)]);
  }
  return nichtZugeordnet;
}

std::string ImportBeendetText(int nichtZugeordnet) {
  return "Import beendet!\r" + std::to_string(nichtZugeordnet) + T(" Datensätze konnten NICHT zugeordnet werden!");
}

DateiDialogWunsch PersonenImportDialog(const std::string& programmverzeichnis) {
  return DateiDialogWunsch{kPersonenImportFilter, programmverzeichnis, "TXT", ""};
}

DateiDialogWunsch BewertungsImportDialog(const std::string& programmverzeichnis) {
  return DateiDialogWunsch{kBewertungsImportFilter, programmverzeichnis, "TXT", ""};
}

ImportAusgang PersonendatenImportieren(KlassenZustand& z, DateiDialoge& d, Meldungen& m,
                                       const std::string& programmverzeichnis) {
  return Importiere(z, d, m, PersonenImportDialog(programmverzeichnis),
                    [&](const std::vector<std::string>& zeilen) { ImportPersonendaten(zeilen, *z.Klasse); });
}

ImportAusgang BewertungenImportieren(KlassenZustand& z, DateiDialoge& d, Meldungen& m,
                                     const std::string& programmverzeichnis) {
  return Importiere(z, d, m, BewertungsImportDialog(programmverzeichnis), [&](const std::vector<std::string>& zeilen) {
    const int nichtZugeordnet = ImportBewertungen(zeilen, *z.Klasse);
    m.Information(ImportBeendetText(nichtZugeordnet));
  });
}

}  // namespace velmora
