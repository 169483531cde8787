// The built-in layouts of the report on plain paper, the names of their table files, and the
// files one print command reads.
#include <algorithm>

#include "basis/cp1252.h"
#include "reports/vorlagenbausteine.h"
#include "reports/weisseszeugnis.h"

namespace velmora {
namespace {

using Tabelle = TFormatSteuerTabelle;
using vorlage::E;
using vorlage::Leer;

// Fonts of the layout (numbers of the program's font table).
constexpr std::uint16_t kTimes7 = 19, kTimes7Fett = 20, kTimes4 = 11, kTimes4Fett = 12;
constexpr std::uint16_t kArial4 = 21, kArial4Fett = 22, kArial4Kursiv = 23, kArial3 = 29;

// Pages of fixed items.
constexpr std::uint16_t kErste = 1, kFolgende = 2, kLetzte = 3, kJede = 4;

// Where the subject table begins at the earliest: right below the shortest person data
// (name, birth, class, and the report's extra lines), which it follows anyway.
std::uint16_t TabellenAnfang(Zeugnistyp typ) {
  switch (typ) {
    case Zeugnistyp::Abgang:
      return 720;
    case Zeugnistyp::Abschluss:
      return 770;
    default:
      return 670;
  }
}

Tabelle Werte(Zeugnistyp typ) {
  const bool abgang = typ == Zeugnistyp::Abgang || typ == Zeugnistyp::Abschluss;
  const bool abschluss = typ == Zeugnistyp::Abschluss;
  const std::uint16_t fluss = TabellenAnfang(typ);
  Tabelle t = Leer();
  t[wp::Schulname] = E(900, 80, kTimes7, kErste, 1);
  t[wp::Schulart] = E(900, 140, kTimes4, kErste, 1);
  t[wp::Schuljahr] = E(900, 350, kTimes4Fett, kErste, 1);
  // Person data: values in one column, the place of birth beside the date.
  t[wp::Person] = E(520, 480, kArial4Fett, kErste, 1);
  t[wp::Geburtsdatum] = E(520, 0, kArial4Fett, kErste, 1);
  t[wp::Geburtsort] = E(870, 0, kArial4Fett, kErste, 1);
  t[wp::Klasse] = E(520, 0, kArial4Fett, kErste, 1);
  t[wp::Fachrichtung] = E(520, 0, kArial4Fett, kErste, 1);
  t[wp::Schwerpunkt] = E(520, 0, kArial4Fett, kErste, 1);
  t[wp::Berufsbezeichnung] = E(520, 0, kArial4Fett, kErste, 1);
  t[wp::Eintritt] = E(520, 0, kArial4Fett, kErste, abgang);
  t[wp::Austritt] = E(1250, 0, kArial4Fett, kErste, abgang);
  t[wp::Durchschnittsnote] = E(520, 0, kArial4Fett, kErste, abschluss);
  // Subject table: subject, learning field indented below it, assessment centred, Zusatz.
  t[wp::Faecher] = E(0, fluss, kArial4, kErste, 1);
  t[wp::Lernfeld] = E(50, 0, kArial4Kursiv, kErste, 1);
  t[wp::Bewertung] = E(1390, 0, kArial4, kErste, 1);
  t[wp::Zusatz] = E(1680, 0, kArial4, kErste, 1);
  t[wp::Hinweise] = E(0, fluss, kArial4, kErste, 1);
  t[wp::Bemerkungen] = E(0, fluss, kArial4, kErste, 1);
  t[wp::Versaeumt] = E(600, fluss, kArial4, kErste, 1);
  t[wp::Entschuldigt] = E(1180, 0, kArial4, kErste, 1);
  // The closing statements of the final and leaving report, after the texts.
  if (abgang) t[wp::Vermerk] = E(0, fluss, kArial4, kErste, 1);
  t[wp::FolgeName] = E(390, 80, kArial4Fett, kFolgende, 1);
  t[wp::OrtDatum] = E(0, 2080, kArial4, kLetzte, 1);
  t[wp::FolgeAnfang] = E(0, 220, 0, 0, 0);
  t[wp::Textbereich] = E(1800, 2580, 0, 0, 0);
  t[wp::Zeilenabstand] = E(0, 50, 0, 0, 0);
  t[wp::Blockabstand] = E(0, 40, 0, 0, 0);
  return t;
}

void Strich(Tabelle& t, std::size_t k, std::uint16_t x1, std::uint16_t y1, std::uint16_t x2, std::uint16_t y2,
            std::uint16_t seite) {
  t[k] = E(x1, y1, 0, seite, 1);
  t[k + 1] = E(x2, y2, 0, seite, 1);
}

Tabelle Bezeichner(Zeugnistyp typ) {
  const bool abgang = typ == Zeugnistyp::Abgang || typ == Zeugnistyp::Abschluss;
  const bool abschluss = typ == Zeugnistyp::Abschluss;
  Tabelle t = Leer();
  t[wp::Titel] = E(900, 290, kTimes7Fett, kErste, 1);
  Strich(t, wp::KopfStrich, 0, 185, 1800, 185, kErste);
  t[wp::Person] = E(0, 0, kArial4, kErste, 1);
  t[wp::Geburtsdatum] = E(0, 0, kArial4, kErste, 1);
  t[wp::Geburtsort] = E(800, 0, kArial4, kErste, 1);
  t[wp::Klasse] = E(0, 0, kArial4, kErste, 1);
  t[wp::Fachrichtung] = E(0, 0, kArial4, kErste, 1);
  t[wp::Schwerpunkt] = E(0, 0, kArial4, kErste, 1);
  t[wp::Berufsbezeichnung] = E(0, 0, kArial4, kErste, 1);
  t[wp::Eintritt] = E(0, 0, kArial4, kErste, abgang);
  t[wp::Austritt] = E(900, 0, kArial4, kErste, abgang);
  t[wp::Durchschnittsnote] = E(0, 0, kArial4, kErste, abschluss);
  // Column heads of the subject table and the rule under them, 0.8 mm below the heads.
  t[wp::Faecher] = E(0, 0, kArial4Fett, kErste, 1);
  t[wp::Bewertung] = E(1390, 0, kArial4Fett, kErste, 1);
  t[wp::Zusatz] = E(1650, 0, kArial4Fett, kErste, 1);
  t[wp::KopfLinie] = E(0, 8, 0, kErste, 1);
  t[wp::Hinweise] = E(0, 0, kArial4Fett, kErste, 1);
  t[wp::Bemerkungen] = E(0, 0, kArial4Fett, kErste, 1);
  t[wp::Versaeumt] = E(0, 0, kArial4Fett, kErste, 1);
  t[wp::Entschuldigt] = E(800, 0, kArial4Fett, kErste, 1);
  // Head of every following page: "<Titel> für" and the name, a rule under it.
  t[wp::FolgeName] = E(0, 80, kArial4, kFolgende, 1);
  Strich(t, wp::FolgeStrich, 0, 110, 1800, 110, kFolgende);
  // Closing items of the last page: signatures left and right of the seal field, the
  // parents' line below them, the grading key in small print at the foot.
  Strich(t, wp::UnterschriftLinks, 0, 2300, 650, 2300, kLetzte);
  t[wp::UnterschriftLinksText] = E(325, 2345, kArial3, kLetzte, 1);
  Strich(t, wp::UnterschriftRechts, 1150, 2300, 1800, 2300, kLetzte);
  t[wp::UnterschriftRechtsText] = E(1475, 2345, kArial3, kLetzte, 1);
  Strich(t, wp::Siegel, 740, 2060, 1060, 2380, kLetzte);
  t[wp::SiegelText] = E(900, 2235, kArial3, kLetzte, 1);
  Strich(t, wp::Eltern, 450, 2467, 1800, 2467, kLetzte);
  t[wp::ElternText] = E(1125, 2510, kArial3, kLetzte, 1);
  t[wp::ElternBezeichnung] = E(0, 2475, kArial4, kLetzte, 1);
  t[wp::Notenschluessel] = E(0, 2610, kArial3, kLetzte, 1);
  t[wp::Seitenzahl] = E(900, 2670, kArial3, kJede, 1);
  return t;
}

std::string Kern(Zeugnistyp typ) {
  switch (typ) {
    case Zeugnistyp::Halbjahr:
      return "HJ";
    case Zeugnistyp::Jahr:
      return "EJ";
    case Zeugnistyp::Abgang:
      return "ABG";
    case Zeugnistyp::Abschluss:
      return "ABS";
  }
  return "HJ";
}

}  // namespace

std::string WeissDateiname(Zeugnistyp typ, bool bezeichner) {
  return "WP_" + Kern(typ) + (bezeichner ? "R" : "") + ".FST";
}

std::string WeissTitel(Zeugnistyp typ) {
  switch (typ) {
    case Zeugnistyp::Halbjahr:
      return "Halbjahreszeugnis";
    case Zeugnistyp::Jahr:
      return "Jahreszeugnis";
    case Zeugnistyp::Abgang:
      return "Abgangszeugnis";
    case Zeugnistyp::Abschluss:
      return "Abschlusszeugnis";
  }
  return {};
}

TWeissVorlage WeissVorlage(Zeugnistyp typ) {
  const std::string art = WeissTitel(typ);
  TWeissVorlage v;
  v.Werte.Titel = T("Zeugnis auf weißem Papier: ") + art + " (Werte)";
  v.Werte.Tabelle = Werte(typ);
  v.Bezeichner.Titel = T("Zeugnis auf weißem Papier: ") + art + " (Bezeichner)";
  v.Bezeichner.Tabelle = Bezeichner(typ);
  return v;
}

void ErgaenzeWeissTabelle(TFormatSteuerTabelle& tabelle, const TFormatSteuerTabelle& vorlage) {
  for (std::size_t k : {wp::Vermerk}) {
    if (tabelle[k] == E(0, 0, 0, 0, 0)) tabelle[k] = vorlage[k];
  }
}

const TWeissTabellen& WeissTabellenVorrat::Fuer(Zeugnistyp typ) {
  auto it = geladen_.find(typ);
  if (it == geladen_.end()) {
    const TWeissVorlage v = WeissVorlage(typ);
    TWeissTabellen t;
    std::string titel;
    LadeZeugnisTabelle(t.Werte, WeissDateiname(typ, false), v.Werte, titel, meldungen_);
    LadeZeugnisTabelle(t.Bezeichner, WeissDateiname(typ, true), v.Bezeichner, titel, meldungen_);
    ErgaenzeWeissTabelle(t.Werte, v.Werte.Tabelle);
    ErgaenzeWeissTabelle(t.Bezeichner, v.Bezeichner.Tabelle);
    it = geladen_.emplace(typ, t).first;
  }
  AusstattungFuer(typ);
  return it->second;
}

const TWeissAusstattung& WeissTabellenVorrat::AusstattungFuer(Zeugnistyp typ) {
  if (!kopfGelesen_) {
    kopfGelesen_ = true;
    ausstattung_.Kopf = LadeSchulkopf(warnungen_);
  }
  if (typ != Zeugnistyp::Abschluss && typ != Zeugnistyp::Abgang) return ausstattung_;
  if (!vermerkeGelesen_) {
    vermerkeGelesen_ = true;
    ausstattung_.Vermerke = LadeZeugnisvermerke(warnungen_);
  }
  // Unknown fields are named for the sections the command prints, once each.
  if (std::find(felderGeprueft_.begin(), felderGeprueft_.end(), typ) == felderGeprueft_.end()) {
    felderGeprueft_.push_back(typ);
    if (std::string w = UnbekannteFelderWarnung(ausstattung_.Vermerke, typ); !w.empty()) warnungen_.push_back(w);
  }
  return ausstattung_;
}

void WeissTabellenVorrat::MeldeWarnungen() {
  if (warnungen_.empty()) return;
  std::string text;
  for (const std::string& w : warnungen_) text += (text.empty() ? "" : "\r\r") + w;
  warnungen_.clear();
  meldungen_.Zeige(MeldungsArt::Warnung, text, Knoepfe::Ok);
}

}  // namespace velmora
