#include "reports/ausrichttabelle.h"

#include <algorithm>
#include <limits>

#include "basis/cp1252.h"
#include "print/schriften.h"
#include "printcommands/blaetter.h"
#include "reports/velmoallgdrk.h"
#include "reports/weisseszeugnis.h"

namespace velmora {
namespace {

bool DreiSeiten(Zeugnistyp typ) { return typ == Zeugnistyp::Abgang || typ == Zeugnistyp::Abschluss; }

// Print mode 2 prints the three-page forms two pages side by side: page 1 right of the blank
// page 4, page 3 right of page 2, each 210 mm further right than its margin says.
bool NebenEiner(const AusrichtWahl& w, const TDruckEinstellungen& druck) {
  return w.art == Ausdruckart::Zeugnis && DreiSeiten(w.typ) && druck.Druckart == 2;
}

// How far a group of values may move together so that none leaves von..bis (and
// 0..65535): the offset is cut to the tightest room among them. A value already
// outside may move back towards the range but not farther away, so one key press never
// throws a value typed off the paper across to its edge.
int GemeinsamGehalten(const std::vector<std::uint16_t>& werte, int d, std::int64_t von, std::int64_t bis) {
  von = std::max<std::int64_t>(von, 0);
  bis = std::min<std::int64_t>(bis, 65535);
  if (bis < von) bis = von;
  // Each value's room contains 0, so the common room does too.
  std::int64_t unten = -65535, oben = 65535;
  for (std::uint16_t w : werte) {
    unten = std::max(unten, std::min<std::int64_t>(0, von - w));
    oben = std::min(oben, std::max<std::int64_t>(0, bis - w));
  }
  return static_cast<int>(std::clamp<std::int64_t>(d, unten, oben));
}

// The measures of the plain-paper tables: widths, pitches and the text area, no positions.
constexpr std::size_t kErstesMass = wp::FolgeAnfang;

}  // namespace

bool AufWeissemPapier(const AusrichtWahl& wahl) {
  return wahl.art == Ausdruckart::WeissWerte || wahl.art == Ausdruckart::WeissBeschriftungen;
}

std::vector<AusrichtWahl> AusrichtWahlen(std::int16_t verlag) {
  constexpr Zeugnistyp kTypen[] = {Zeugnistyp::Halbjahr, Zeugnistyp::Jahr, Zeugnistyp::Abgang, Zeugnistyp::Abschluss};
  std::vector<AusrichtWahl> wahlen;
  auto neu = [&](Ausdruckart art, Zeugnistyp typ, std::string datei, std::uint16_t seite, const std::string& name) {
    wahlen.push_back({art, typ, datei, seite, name + " (" + datei + ")"});
  };
  for (Zeugnistyp typ : kTypen) {
    const std::uint16_t seiten = DreiSeiten(typ) ? 3 : 2;
    for (std::uint16_t s = 1; s <= seiten; ++s) {
      neu(Ausdruckart::Zeugnis, typ, ZeugnisDateiname(typ, verlag), s,
          WeissTitel(typ) + ", Seite " + std::to_string(s));
    }
  }
  for (Zeugnistyp typ : kTypen) {
    for (const bool bezeichner : {false, true}) {
      const Ausdruckart art = bezeichner ? Ausdruckart::WeissBeschriftungen : Ausdruckart::WeissWerte;
      const std::string name = WeissTitel(typ) + T(" auf weißem Papier, ") + (bezeichner ? "Beschriftungen" : "Werte");
      neu(art, typ, WeissDateiname(typ, bezeichner), 1, name + ", Seite 1");
      neu(art, typ, WeissDateiname(typ, bezeichner), 2, name + ", Folgeseiten");
    }
  }
  neu(Ausdruckart::DatenblattWerte, {}, kDatenblattDatei, 1, T("Schüler-Datenblatt, Werte"));
  neu(Ausdruckart::DatenblattBeschriftungen, {}, kDatenrahmenDatei, 1, T("Schüler-Datenblatt, Beschriftungen"));
  neu(Ausdruckart::Testblatt, {}, kTestblattDatei, 1, "Drucker-Testblatt");
  return wahlen;
}

std::size_t StartWahl(const std::vector<AusrichtWahl>& wahlen) {
  for (std::size_t i = 0; i < wahlen.size(); ++i) {
    const AusrichtWahl& w = wahlen[i];
    if (w.art == Ausdruckart::Zeugnis && w.typ == Zeugnistyp::Halbjahr && w.seite == 1) return i;
  }
  return 0;
}

void LadeAusrichtTabelle(const AusrichtWahl& wahl, std::int16_t verlag, TFormatSteuerTabelle& tabelle,
                         std::string& titel, Meldungen& meldungen) {
  switch (wahl.art) {
    case Ausdruckart::Zeugnis:
      LadeZeugnisTabelle(tabelle, wahl.datei, ZeugnisVorlage(wahl.typ, verlag), titel, meldungen);
      break;
    case Ausdruckart::WeissWerte:
      LadeZeugnisTabelle(tabelle, wahl.datei, WeissVorlage(wahl.typ).Werte, titel, meldungen);
      ErgaenzeWeissTabelle(tabelle, WeissVorlage(wahl.typ).Werte.Tabelle);
      break;
    case Ausdruckart::WeissBeschriftungen:
      LadeZeugnisTabelle(tabelle, wahl.datei, WeissVorlage(wahl.typ).Bezeichner, titel, meldungen);
      ErgaenzeWeissTabelle(tabelle, WeissVorlage(wahl.typ).Bezeichner.Tabelle);
      break;
    default:
      LadeFormatSteuerTabelle(tabelle, wahl.datei, titel, meldungen);
  }
}

std::optional<AusrichtWahl> PartnerWahl(const AusrichtWahl& wahl) {
  AusrichtWahl p = wahl;
  switch (wahl.art) {
    case Ausdruckart::DatenblattWerte:
      p.art = Ausdruckart::DatenblattBeschriftungen;
      p.datei = kDatenrahmenDatei;
      return p;
    case Ausdruckart::DatenblattBeschriftungen:
      p.art = Ausdruckart::DatenblattWerte;
      p.datei = kDatenblattDatei;
      return p;
    case Ausdruckart::WeissWerte:
      p.art = Ausdruckart::WeissBeschriftungen;
      p.datei = WeissDateiname(wahl.typ, true);
      return p;
    case Ausdruckart::WeissBeschriftungen:
      p.art = Ausdruckart::WeissWerte;
      p.datei = WeissDateiname(wahl.typ, false);
      return p;
    default:
      return std::nullopt;
  }
}

Papier PapierFuer(const AusrichtWahl& wahl, const TDruckEinstellungen& druck) {
  return NebenEiner(wahl, druck) ? Papier{4200, 2970} : Papier{2100, 2970};
}

TSeitenRaender AusrichtRaender(const AusrichtWahl& wahl, const TDruckEinstellungen& druck) {
  TSeitenRaender r = ZeugnisRaender(wahl.typ, druck);
  if (NebenEiner(wahl, druck)) {
    for (std::size_t p : {std::size_t{0}, std::size_t{2}}) {
      r[p].Links = static_cast<std::int32_t>(
          std::min<std::int64_t>(std::int64_t{r[p].Links} + 2100, std::numeric_limits<std::int32_t>::max()));
    }
  }
  return r;
}

Seitenursprung UrsprungDerSeite(const AusrichtUmgebung& u, const AusrichtWahl& wahl) {
  if (wahl.art == Ausdruckart::Zeugnis || AufWeissemPapier(wahl)) {
    // Plain paper: the first margin pair for the first page, the second for the following.
    const int seite = AufWeissemPapier(wahl) ? std::min<int>(wahl.seite, 2) : std::clamp<int>(wahl.seite, 1, 4);
    const TSeitenRand rand = AusrichtRaender(wahl, u.druck)[static_cast<std::size_t>(seite - 1)];
    return {rand.Links, rand.Oben, Textausrichtung::LinksUnten};
  }
  const int randX = ZehntelMillimeter(u.drucker.SeitenOffsetX, u.drucker.PixelProZollX);
  const int randY = ZehntelMillimeter(u.drucker.SeitenOffsetY, u.drucker.PixelProZollY);
  return {randX + InternRandLinks, randY + InternRandOben, Textausrichtung::LinksBasislinie};
}

std::vector<std::size_t> EintraegeDerSeite(const AusrichtWahl& wahl, const TFormatSteuerTabelle& tabelle) {
  std::vector<std::size_t> eintraege;
  for (std::size_t k = 0; k < tabelle.size(); ++k) {
    const bool dabei = AufWeissemPapier(wahl)             ? k < kErstesMass
                       : wahl.art == Ausdruckart::Zeugnis ? tabelle[k].Seite == wahl.seite
                                                          : true;
    if (dabei) eintraege.push_back(k);
  }
  return eintraege;
}

void AusrichtTabelle::Merke() { frueher_.push_back(tabelle_); }

void AusrichtTabelle::Verschiebe(const std::vector<std::size_t>& eintraege, int dx, int dy) {
  std::vector<std::size_t> gueltig;
  std::vector<std::uint16_t> xs, ys;
  for (std::size_t k : eintraege) {
    if (k >= tabelle_.size()) continue;
    gueltig.push_back(k);
    xs.push_back(tabelle_[k].X);
    ys.push_back(tabelle_[k].Y);
  }
  // On the paper: every point stays between the page's origin and the paper's far edge, and
  // the entries keep their distances to each other.
  dx = GemeinsamGehalten(xs, dx, -ursprung_.x, papier_.breite - ursprung_.x);
  dy = GemeinsamGehalten(ys, dy, -ursprung_.y, papier_.hoehe - ursprung_.y);
  // A move against the paper's edge that changes nothing is no step to undo.
  if (gueltig.empty() || (dx == 0 && dy == 0)) return;
  Merke();
  for (std::size_t k : gueltig) {
    tabelle_[k].X = static_cast<std::uint16_t>(tabelle_[k].X + dx);
    tabelle_[k].Y = static_cast<std::uint16_t>(tabelle_[k].Y + dy);
  }
}

void AusrichtTabelle::Setze(std::size_t eintrag, Feld feld, std::uint16_t wert) {
  if (eintrag >= tabelle_.size()) return;
  TFormatEintrag& e = tabelle_[eintrag];
  std::uint16_t* ziel = nullptr;
  switch (feld) {
    case Feld::X:
      ziel = &e.X;
      break;
    case Feld::Y:
      ziel = &e.Y;
      break;
    case Feld::Schrift:
      ziel = &e.Schrift;
      break;
    case Feld::Seite:
      ziel = &e.Seite;
      break;
    case Feld::Drucken:
      ziel = &e.Drucken;
      break;
  }
  if (*ziel == wert) return;
  Merke();
  *ziel = wert;
}

bool AusrichtTabelle::Rueckgaengig() {
  if (frueher_.empty()) return false;
  tabelle_ = frueher_.back();
  frueher_.pop_back();
  return true;
}

}  // namespace velmora
