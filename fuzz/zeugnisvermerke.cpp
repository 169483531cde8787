// The closing statements "ZEUGNISVERMERKE.TXT" as a school edits them: any bytes read as
// the file (code page 1252 or UTF-8) give paragraphs of one line each, without control
// characters or blanks at their ends; written back as a file they read the same; filled
// from a record, no known field is left and every unknown one stays as written.
#include <cstdint>
#include <string>
#include <vector>

#include "basis/dateien.h"
#include "basis/textkodierung.h"
#include "fuzzhilfen.h"
#include "reports/zeugnisvermerke.h"

using namespace velmora;

namespace {

char Klein(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string Klein(std::string t) {
  for (char& c : t) c = Klein(c);
  return t;
}

const TSchuelerDatensatz& Satz() {
  static const TSchuelerDatensatz satz = [] {
    using S = TSchuelerDatensatz;
    // Every field filled, every value with a character no field name has: filling can
    // neither leave a field empty nor join text around it into a new field.
    TSchuelerDatensatz s = fuzz::NeueKlasse().Schueler[0];
    s.SetzeAnrede(2);
    const std::pair<StringFeld, const char*> werte[] = {{S::Name, "van Muster"},
                                                        {S::Vornamen, "Erika Maria"},
                                                        {S::Geburtsdatum, "01.02.2008"},
                                                        {S::Geburtsort, "Bad Muster"},
                                                        {S::Wohnort, "Neu Muster"},
                                                        {S::Klasse, "BS 11"},
                                                        {S::SchuljahrVon, "2026"},
                                                        {S::SchuljahrBis, "2027"},
                                                        {S::Berufsbezeichnung, "Kauffrau im Handel"},
                                                        {S::Fachrichtung, "Handel und Vertrieb"},
                                                        {S::Schwerpunkt, "Ein Schwerpunkt"},
                                                        {S::Einschulungsdatum, "01.09.2023"},
                                                        {S::Ausschulungsdatum, "15.07.2026"},
                                                        {S::Durchschnittsnote, "2,3"},
                                                        {S::Zeugnisort, "Muster Stadt"},
                                                        {S::Zeugnisdatum, "31.01.2027"}};
    for (const auto& [feld, wert] : werte) s.Setze(feld, wert);
    return s;
  }();
  return satz;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  static const bool vorgaben = [] {
    std::vector<std::string> w;
    return LiesZeugnisvermerke(ZeugnisvermerkDateizeilen(), w) == TZeugnisvermerke{} && w.empty();
  }();
  fuzz::Pruefe(vorgaben, "the file the program writes reads as the defaults, without a warning");

  const std::vector<std::string> zeilen = Cp1252Zeilen(TeileTextZeilen(Bytes(daten, daten + groesse)));
  std::vector<std::string> warnungen;
  const TZeugnisvermerke v = LiesZeugnisvermerke(zeilen, warnungen);
  for (const std::string& w : warnungen) fuzz::Pruefe(!w.empty(), "a warning says something");

  std::vector<std::string> zurueck;
  bool schreibbar = true;
  for (const auto& [name, absaetze] :
       {std::pair{"[Abschlusszeugnis]", &v.Abschluss}, std::pair{"[Abgangszeugnis]", &v.Abgang}}) {
    zurueck.push_back(name);
    for (const std::string& absatz : *absaetze) {
      fuzz::Pruefe(!absatz.empty() && absatz.front() != ' ' && absatz.back() != ' ',
                   "a paragraph without blanks at its ends");
      for (char c : absatz)
        fuzz::Pruefe(c == ' ' || static_cast<unsigned char>(c) >= 32, "no control character in a paragraph");
      // A paragraph that would read as a remark or a header is no line of its own.
      schreibbar = schreibbar && absatz.front() != ';' && !(absatz.front() == '[' && absatz.back() == ']');
      zurueck.push_back(absatz);
      zurueck.push_back("");
    }
    // Filled: no known field is left (the record's values hold no "<"), unknown ones stay.
    std::string gefuellt;
    for (const std::string& absatz : *absaetze) gefuellt += Klein(FuelleVermerk(absatz, Satz())) + "\n";
    for (const std::string& feld : VermerkFelder()) {
      fuzz::Pruefe(gefuellt.find(Klein(feld)) == std::string::npos, "every known field is filled");
    }
    for (const std::string& feld : UnbekannteFelder(*absaetze)) {
      fuzz::Pruefe(gefuellt.find(Klein(feld)) != std::string::npos, "an unknown field is printed as written");
    }
  }
  if (schreibbar) {
    std::vector<std::string> w;
    fuzz::Pruefe(LiesZeugnisvermerke(zurueck, w) == v && w.empty(), "the paragraphs written back read the same");
  }
  return 0;
}
