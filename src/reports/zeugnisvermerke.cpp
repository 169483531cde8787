#include "reports/zeugnisvermerke.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/eafehler.h"
#include "basis/textkodierung.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

constexpr std::string_view kAbschnittAbschluss = "Abschlusszeugnis";
constexpr std::string_view kAbschnittAbgang = "Abgangszeugnis";
constexpr std::size_t kFeldnameHoechstens = 40;

std::string OhneRand(std::string_view text) {
  const auto anfang = text.find_first_not_of(" \t");
  if (anfang == std::string_view::npos) return {};
  return std::string(text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1));
}

char Klein(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool GleichOhneGross(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Klein(x) == Klein(y); });
}

bool Buchstabe(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == 0xC4 || c == 0xD6 || c == 0xDC || c == 0xE4 ||
         c == 0xF6 || c == 0xFC || c == 0xDF;
}

// A field value of the record: its text without the blanks around it, empty when it holds
// no letter or digit (an empty date "  .  .    ", the placeholder "- - -", a dash).
std::string Wert(std::string text) {
  text = OhneRand(text);
  const bool etwas = std::any_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u >= 0xC0;
  });
  return etwas ? text : std::string();
}

std::string Anrede(std::int16_t anrede) {
  switch (anrede) {
    case 1:
      return "Herr";
    case 2:
      return "Frau";
    case 3:
      return T("Fräulein");
    default:
      return {};
  }
}

std::string Schuljahr(const S& satz) {
  const std::string von = Wert(satz.Lies(S::SchuljahrVon)), bis = Wert(satz.Lies(S::SchuljahrBis));
  if (von.empty() || bis.empty()) return von + bis;
  return von + "/" + bis;
}

struct Feld {
  std::string_view name;
  std::function<std::string(const S&)> wert;
};

const std::vector<Feld>& Felder() {
  static const std::vector<Feld> felder = {
      {"Anrede", [](const S& s) { return Anrede(s.Anrede()); }},
      {"Vornamen", [](const S& s) { return Wert(s.Lies(S::Vornamen)); }},
      {"Name", [](const S& s) { return Wert(s.Lies(S::Name)); }},
      {"Geburtsdatum", [](const S& s) { return Wert(s.Lies(S::Geburtsdatum)); }},
      {"Geburtsort", [](const S& s) { return Wert(s.Lies(S::Geburtsort)); }},
      {"Wohnort", [](const S& s) { return Wert(s.Lies(S::Wohnort)); }},
      {"Klasse", [](const S& s) { return Wert(s.Lies(S::Klasse)); }},
      {"Schuljahr", Schuljahr},
      {"Beruf", [](const S& s) { return Wert(s.Lies(S::Berufsbezeichnung)); }},
      {"Fachrichtung", [](const S& s) { return Wert(s.Lies(S::Fachrichtung)); }},
      {"Schwerpunkt", [](const S& s) { return Wert(s.Lies(S::Schwerpunkt)); }},
      {"Einschulungsdatum", [](const S& s) { return Wert(s.Lies(S::Einschulungsdatum)); }},
      {"Ausschulungsdatum", [](const S& s) { return Wert(s.Lies(S::Ausschulungsdatum)); }},
      {"Durchschnittsnote", [](const S& s) { return Wert(s.Lies(S::Durchschnittsnote)); }},
      {"Zeugnisort", [](const S& s) { return Wert(s.Lies(S::Zeugnisort)); }},
      {"Zeugnisdatum", [](const S& s) { return Wert(s.Lies(S::Zeugnisdatum)); }},
  };
  return felder;
}

const Feld* FindeFeld(std::string_view name) {
  for (const Feld& f : Felder()) {
    if (GleichOhneGross(f.name, name)) return &f;
  }
  return nullptr;
}

// The length of a field written at `pos` ("<" letters, digits, "-" or "_" with at least one
// letter, ">"); 0 where none begins.
std::size_t FeldLaenge(std::string_view text, std::size_t pos) {
  if (text[pos] != '<') return 0;
  const std::size_t ende = text.find('>', pos + 1);
  if (ende == std::string_view::npos || ende == pos + 1 || ende - pos - 1 > kFeldnameHoechstens) return 0;
  bool buchstabe = false;
  for (std::size_t i = pos + 1; i < ende; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (Buchstabe(c)) {
      buchstabe = true;
    } else if (!((c >= '0' && c <= '9') || c == '-' || c == '_')) {
      return 0;
    }
  }
  return buchstabe ? ende - pos + 1 : 0;
}

std::string Liste(const std::vector<std::string>& namen) {
  std::string text;
  for (const std::string& n : namen) text += (text.empty() ? "" : ", ") + n;
  return text;
}

}  // namespace

std::string VorgabeAbschlussvermerk() {
  return "<Anrede> <Vornamen> <Name> hat die Berufsschule im Ausbildungsberuf <Beruf> besucht und erfolgreich "
         "abgeschlossen.";
}

std::string VorgabeAbgangsvermerk() {
  return "<Anrede> <Vornamen> <Name> hat die Berufsschule am <Ausschulungsdatum> verlassen.";
}

const std::vector<std::string>& TZeugnisvermerke::Fuer(Zeugnistyp typ) const {
  static const std::vector<std::string> keine;
  switch (typ) {
    case Zeugnistyp::Abschluss:
      return Abschluss;
    case Zeugnistyp::Abgang:
      return Abgang;
    default:
      return keine;
  }
}

const std::vector<std::string>& VermerkFelder() {
  static const std::vector<std::string> namen = [] {
    std::vector<std::string> n;
    for (const Feld& f : Felder()) n.push_back("<" + std::string(f.name) + ">");
    return n;
  }();
  return namen;
}

std::vector<std::string> ZeugnisvermerkDateizeilen() {
  std::vector<std::string> zeilen = {
      "; Zeugnisvermerke der Zeugnisse auf weißem Papier",
      ";",
      "; Velmora druckt den Text eines Abschnitts auf dem Abschluss- bzw. Abgangszeugnis auf",
      "; weißem Papier, nach den Bemerkungen und vor Ort und Datum. Sie können ihn hier ändern:",
      "; - Zeilen, die mit einem Semikolon beginnen (wie diese), sind Anmerkungen und werden nicht",
      ";   gedruckt.",
      "; - Eine Leerzeile beginnt einen neuen Absatz. Die Zeilen eines Absatzes setzt Velmora",
      ";   zusammen und bricht sie selbst nach der Breite der Seite um.",
      "; - Ein Abschnitt ohne Text druckt keinen Vermerk. Fehlt ein Abschnitt, gilt die Vorgabe.",
      "; - Felder in spitzen Klammern füllt Velmora mit den Daten der Schülerin / des Schülers:",
      ";     <Anrede>             Herr, Frau oder Fräulein (bei der Anrede „keine“ nichts)",
      ";     <Vornamen> <Name>",
      ";     <Geburtsdatum> <Geburtsort> <Wohnort>",
      ";     <Klasse> <Schuljahr> (z. B. 2026/2027)",
      ";     <Beruf>              die Berufsbezeichnung",
      ";     <Fachrichtung> <Schwerpunkt>",
      ";     <Einschulungsdatum> <Ausschulungsdatum> <Durchschnittsnote>",
      ";     <Zeugnisort> <Zeugnisdatum>",
      ";   Ist ein Feld leer, fällt mit ihm ein Leerzeichen daneben weg.",
      "",
      "[Abschlusszeugnis]",
      VorgabeAbschlussvermerk(),
      "",
      "; Zweiter Absatz: was das Zeugnis nach dem Recht Ihres Landes einschließt oder welchem",
      "; Abschluss es gleichwertig ist. Schreiben Sie ihn hierher, nach der Leerzeile oben, z. B.:",
      "; Dieses Zeugnis schließt den Hauptschulabschluss ein.",
      "",
      "[Abgangszeugnis]",
      VorgabeAbgangsvermerk(),
  };
  for (std::string& z : zeilen) z = T(z);
  return zeilen;
}

TZeugnisvermerke LiesZeugnisvermerke(const std::vector<std::string>& zeilen, std::vector<std::string>& warnungen) {
  TZeugnisvermerke v;
  std::vector<std::string>* abschnitt = nullptr;  // the section being read; null: none or unknown
  bool inAbschnitt = false;
  bool absatzOffen = false;
  bool davorGemeldet = false;
  std::vector<const std::vector<std::string>*> gelesen;
  for (std::size_t n = 0; n < zeilen.size(); ++n) {
    std::string zeile = zeilen[n];
    std::erase(zeile, '\r');
    // A tab, and any other control character an editor left, is a blank.
    std::replace_if(
        zeile.begin(), zeile.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }, ' ');
    zeile = OhneRand(zeile);
    if (zeile.starts_with(";")) continue;
    if (zeile.size() >= 2 && zeile.front() == '[' && zeile.back() == ']') {
      const std::string name = OhneRand(std::string_view(zeile).substr(1, zeile.size() - 2));
      inAbschnitt = true;
      absatzOffen = false;
      abschnitt = GleichOhneGross(name, kAbschnittAbschluss) ? &v.Abschluss
                  : GleichOhneGross(name, kAbschnittAbgang)  ? &v.Abgang
                                                             : nullptr;
      if (!abschnitt) {
        warnungen.push_back(T("Der Abschnitt „[") + name + T("]“ in ") + kVermerkeDatei +
                            T(" ist unbekannt; sein Text wird nicht gedruckt. Bekannt sind [Abschlusszeugnis] und "
                              "[Abgangszeugnis]."));
        continue;
      }
      // The section read from the file replaces the built-in text (a second header of the same
      // name goes on with it).
      if (std::find(gelesen.begin(), gelesen.end(), abschnitt) == gelesen.end()) {
        abschnitt->clear();
        gelesen.push_back(abschnitt);
      }
      continue;
    }
    if (zeile.empty()) {
      absatzOffen = false;
      continue;
    }
    if (!inAbschnitt) {
      if (!davorGemeldet) {
        warnungen.push_back(T("Zeile ") + std::to_string(n + 1) + " in " + kVermerkeDatei +
                            T(" steht vor dem ersten Abschnitt und wird nicht gedruckt."));
        davorGemeldet = true;
      }
      continue;
    }
    if (!abschnitt) continue;
    if (absatzOffen) {
      abschnitt->back() += " " + zeile;
    } else {
      abschnitt->push_back(zeile);
      absatzOffen = true;
    }
  }
  return v;
}

TZeugnisvermerke LadeZeugnisvermerke(std::vector<std::string>& warnungen) {
  const std::string vorgaben = T(" Die Zeugnisvermerke werden mit den Vorgaben gedruckt.");
  if (!DateiExistiert(kVermerkeDatei)) {
    try {
      SchreibeTextZeilen(kVermerkeDatei, ZeugnisvermerkDateizeilen());
    } catch (const EAFehler& f) {
      warnungen.push_back(std::string("Die Datei ") + kVermerkeDatei + " fehlt und kann nicht angelegt werden (" +
                          EAFehlerText(f.Nummer()) + ")." + vorgaben);
    }
    return {};
  }
  std::vector<std::string> roh;
  try {
    roh = LiesTextZeilen(kVermerkeDatei);
  } catch (const EAFehler& f) {
    warnungen.push_back(std::string("Die Datei ") + kVermerkeDatei + " kann nicht gelesen werden (" +
                        EAFehlerText(f.Nummer()) + ")." + vorgaben);
    return {};
  }
  bool ersetzt = false;
  const std::vector<std::string> zeilen = Cp1252Zeilen(roh, &ersetzt);
  if (ersetzt) {
    warnungen.push_back(std::string("Die Datei ") + kVermerkeDatei +
                        T(" enthält Zeichen, die Velmora nicht drucken kann; sie werden durch ähnliche ersetzt "
                          "oder weggelassen."));
  }
  return LiesZeugnisvermerke(zeilen, warnungen);
}

std::string FuelleVermerk(std::string_view absatz, const TSchuelerDatensatz& satz) {
  std::string text;
  for (std::size_t i = 0; i < absatz.size();) {
    const std::size_t laenge = FeldLaenge(absatz, i);
    const Feld* feld = laenge > 0 ? FindeFeld(absatz.substr(i + 1, laenge - 2)) : nullptr;
    if (!feld) {
      text += absatz.substr(i, std::max<std::size_t>(laenge, 1));
      i += std::max<std::size_t>(laenge, 1);
      continue;
    }
    const std::string wert = feld->wert(satz);
    i += laenge;
    text += wert;
    if (!wert.empty()) continue;
    // An empty field takes one blank beside it along.
    if (i < absatz.size() && absatz[i] == ' ') {
      ++i;
    } else if (!text.empty() && text.back() == ' ') {
      text.pop_back();
    }
  }
  return text;
}

std::vector<std::string> UnbekannteFelder(const std::vector<std::string>& absaetze) {
  std::vector<std::string> unbekannt;
  for (const std::string& absatz : absaetze) {
    for (std::size_t i = 0; i < absatz.size(); ++i) {
      const std::size_t laenge = FeldLaenge(absatz, i);
      if (laenge == 0) continue;
      const std::string feld = absatz.substr(i, laenge);
      if (!FindeFeld(std::string_view(feld).substr(1, laenge - 2)) &&
          std::find(unbekannt.begin(), unbekannt.end(), feld) == unbekannt.end()) {
        unbekannt.push_back(feld);
      }
      i += laenge - 1;
    }
  }
  return unbekannt;
}

std::string UnbekannteFelderWarnung(const TZeugnisvermerke& vermerke, Zeugnistyp typ) {
  const std::vector<std::string> unbekannt = UnbekannteFelder(vermerke.Fuer(typ));
  if (unbekannt.empty()) return {};
  const std::string abschnitt(typ == Zeugnistyp::Abschluss ? kAbschnittAbschluss : kAbschnittAbgang);
  return std::string("In ") + kVermerkeDatei + ", Abschnitt [" + abschnitt + "], " +
         (unbekannt.size() == 1 ? "ist dieses Feld" : "sind diese Felder") + " unbekannt: " + Liste(unbekannt) +
         T(". Velmora druckt sie, wie sie dastehen. Die Felder sind ") + Liste(VermerkFelder()) + ".";
}

}  // namespace velmora
