#include "reports/formularausrichtung.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "print/blaetter.h"
#include "print/schriften.h"
#include "print/zeilenpuffer.h"
#include "reports/velmoallgdrk.h"

namespace velmora {
namespace {

// A surface that draws nothing and keeps every text with the state it was drawn in.
class TextSammler : public DruckFlaeche {
 public:
  explicit TextSammler(const DruckerFaehigkeiten& f) : faehigkeiten_(f) {}
  bool BeginneDokument(const std::string&, Blattformat) override {
    ausrichtung_ = Textausrichtung::LinksBasislinie;
    zeichenabstand_ = 0;
    return true;
  }
  bool BeendeDokument() override { return true; }
  void NeueSeite() override {}
  void SetzeTextausrichtung(Textausrichtung a) override { ausrichtung_ = a; }
  void SetzeZeichenabstand(int extra) override { zeichenabstand_ = extra; }
  void SetzeSchriftart(std::uint16_t stil, int hoehe, const std::string& name) override {
    stil_ = stil;
    hoehe_ = hoehe;
    name_ = name;
  }
  void TextAus(int x, int y, const std::string& text) override {
    if (text.empty()) return;
    texte.push_back({text, x, y, stil_, hoehe_, name_, ausrichtung_, zeichenabstand_});
  }
  void BewegeZu(int, int) override {}
  void LinieZu(int, int) override {}
  void Rechteck(int, int, int, int) override {}
  DruckerFaehigkeiten Faehigkeiten() override { return faehigkeiten_; }
  std::string Druckername() override { return {}; }
  std::vector<std::string> Schriftenliste() override { return {}; }

  std::vector<GezeichneterText> texte;  // in surface units (y upwards from the printable area)

 private:
  DruckerFaehigkeiten faehigkeiten_;
  Textausrichtung ausrichtung_ = Textausrichtung::LinksBasislinie;
  int zeichenabstand_ = 0;
  std::uint16_t stil_ = 0;
  int hoehe_ = 45;
  std::string name_ = "Arial";
};

const char* ZeugnisName(Zeugnistyp typ) {
  switch (typ) {
    case Zeugnistyp::Halbjahr: return "Halbjahreszeugnis";
    case Zeugnistyp::Jahr: return "Jahreszeugnis";
    case Zeugnistyp::Abgang: return "Abgangszeugnis";
    case Zeugnistyp::Abschluss: return "Abschlusszeugnis";
  }
  return "";
}

bool DreiSeiten(Zeugnistyp typ) { return typ == Zeugnistyp::Abgang || typ == Zeugnistyp::Abschluss; }

// Print mode 2 prints the three-page forms two pages side by side: page 1 right of the blank
// page 4, page 3 right of page 2, each 210 mm further right than its margin says.
bool NebenEiner(const AusrichtWahl& w, const TDruckEinstellungen& druck) {
  return w.art == Ausdruckart::Zeugnis && DreiSeiten(w.typ) && druck.Druckart == 2;
}

TSeitenRaender RaenderFuer(const AusrichtWahl& w, const TDruckEinstellungen& druck) {
  TSeitenRaender r = ZeugnisRaender(w.typ, druck);
  if (NebenEiner(w, druck)) {
    for (std::size_t p : {std::size_t{0}, std::size_t{2}}) {
      r[p].Links = static_cast<std::int32_t>(
          std::min<std::int64_t>(std::int64_t{r[p].Links} + 2100, std::numeric_limits<std::int32_t>::max()));
    }
  }
  return r;
}

bool AufDerSeite(const AusrichtWahl& w, const TFormatEintrag& e) {
  return w.art != Ausdruckart::Zeugnis || e.Seite == w.seite;
}

// Where an entry's point lies on the paper, and how its text is placed there.
struct Ursprung {
  int x = 0, y = 0;
  Textausrichtung ausrichtung = Textausrichtung::LinksBasislinie;
};

Ursprung UrsprungFuer(const AusrichtUmgebung& u, const AusrichtWahl& w) {
  if (w.art == Ausdruckart::Zeugnis) {
    const TSeitenRand rand = RaenderFuer(w, u.druck)[static_cast<std::size_t>(std::clamp<int>(w.seite, 1, 4) - 1)];
    return {rand.Links, rand.Oben, Textausrichtung::LinksUnten};
  }
  const int randX = ZehntelMillimeter(u.drucker.SeitenOffsetX, u.drucker.PixelProZollX);
  const int randY = ZehntelMillimeter(u.drucker.SeitenOffsetY, u.drucker.PixelProZollY);
  return {randX + InternRandLinks, randY + InternRandOben, Textausrichtung::LinksBasislinie};
}

// Runs the printout of the choice on `sammler` with `tabelle`.
void Drucke(const AusrichtUmgebung& u, const AusrichtWahl& w, const TFormatSteuerTabelle& tabelle,
            TextSammler& sammler) {
  TZeilenpuffer puffer;
  const BlattKopf kopf{u.zeugnisname, u.kurzname, u.heute};
  const TFormatSteuerTabelle aus{};  // every entry off
  const TSchuelerDatensatz& satz = u.klasse.Schueler[std::min(u.schueler, TKlassenDatei::Schuelerzahl - 1)];
  switch (w.art) {
    case Ausdruckart::Testblatt: DruckeTestblatt(sammler, tabelle, kopf); break;
    case Ausdruckart::DatenblattWerte: DruckeDatenblatt(sammler, satz, aus, tabelle, kopf, false, puffer); break;
    case Ausdruckart::DatenblattBeschriftungen:
      DruckeDatenblatt(sammler, satz, tabelle, aus, kopf, false, puffer);
      break;
    case Ausdruckart::Zeugnis: {
      const ZeugnisKontext kontext{sammler, u.druck, u.verlag, u.zeugnisname, puffer};
      DruckeZeugnisKoerper(kontext, w.seite, w.seite, u.klasse, tabelle, RaenderFuer(w, u.druck), u.schueler,
                           ZeugnisZaehlerFuer(w.typ, u.verlag));
      break;
    }
  }
}

std::uint16_t Gehalten(std::int64_t wert, std::int64_t von, std::int64_t bis) {
  von = std::max<std::int64_t>(von, 0);
  bis = std::min<std::int64_t>(bis, 65535);
  if (bis < von) bis = von;
  return static_cast<std::uint16_t>(std::clamp(wert, von, bis));
}

}  // namespace

std::vector<AusrichtWahl> AusrichtWahlen(std::int16_t verlag) {
  std::vector<AusrichtWahl> wahlen;
  auto intern = [&](Ausdruckart art, const char* datei, const char* name) {
    AusrichtWahl w;
    w.art = art;
    w.datei = datei;
    w.name = T(name) + " (" + datei + ")";
    wahlen.push_back(w);
  };
  for (Zeugnistyp typ : {Zeugnistyp::Halbjahr, Zeugnistyp::Jahr, Zeugnistyp::Abgang, Zeugnistyp::Abschluss}) {
    const std::uint16_t seiten = DreiSeiten(typ) ? 3 : 2;
    for (std::uint16_t s = 1; s <= seiten; ++s) {
      AusrichtWahl w;
      w.art = Ausdruckart::Zeugnis;
      w.typ = typ;
      w.datei = ZeugnisDateiname(typ, verlag);
      w.seite = s;
      w.name = std::string(ZeugnisName(typ)) + ", Seite " + std::to_string(s) + " (" + w.datei + ")";
      wahlen.push_back(w);
    }
  }
  intern(Ausdruckart::DatenblattWerte, kDatenblattDatei, "Schüler-Datenblatt, Werte");
  intern(Ausdruckart::DatenblattBeschriftungen, kDatenrahmenDatei, "Schüler-Datenblatt, Beschriftungen");
  intern(Ausdruckart::Testblatt, kTestblattDatei, "Drucker-Testblatt");
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
  if (wahl.art == Ausdruckart::Zeugnis) {
    LadeZeugnisTabelle(tabelle, wahl.datei, ZeugnisVorlage(wahl.typ, verlag), titel, meldungen);
  } else {
    LadeFormatSteuerTabelle(tabelle, wahl.datei, titel, meldungen);
  }
}

Papier PapierFuer(const AusrichtWahl& wahl, const TDruckEinstellungen& druck) {
  return NebenEiner(wahl, druck) ? Papier{4200, 2970} : Papier{2100, 2970};
}

Seitenursprung UrsprungDerSeite(const AusrichtUmgebung& u, const AusrichtWahl& wahl) {
  const Ursprung o = UrsprungFuer(u, wahl);
  return {o.x, o.y};
}

std::vector<EintragsBild> ZeichneAusrichtSeite(const AusrichtUmgebung& u, const AusrichtWahl& wahl,
                                               const TFormatSteuerTabelle& tabelle, bool auchNichtGedruckte) {
  const int randX = ZehntelMillimeter(u.drucker.SeitenOffsetX, u.drucker.PixelProZollX);
  const int randY = ZehntelMillimeter(u.drucker.SeitenOffsetY, u.drucker.PixelProZollY);
  const Ursprung ursprung = UrsprungFuer(u, wahl);
  std::vector<EintragsBild> bilder;
  for (std::size_t k = 0; k < tabelle.size(); ++k) {
    const TFormatEintrag& e = tabelle[k];
    const bool gedruckt = e.Drucken == 1;
    if (!AufDerSeite(wahl, e) || (!gedruckt && !auchNichtGedruckte)) continue;
    TFormatSteuerTabelle nurDieser = tabelle;
    for (TFormatEintrag& anderer : nurDieser) anderer.Drucken = 0;
    nurDieser[k].Drucken = 1;
    TextSammler sammler(u.drucker);
    Drucke(u, wahl, nurDieser, sammler);

    EintragsBild bild;
    bild.eintrag = k;
    bild.gedruckt = gedruckt;
    for (GezeichneterText t : sammler.texte) {
      // Only what shows: a text of blanks alone leaves no mark.
      if (t.text.find_first_not_of(' ') == std::string::npos) continue;
      t.x += randX;
      t.y = randY - t.y;
      bild.texte.push_back(std::move(t));
    }
    if (bild.texte.empty()) {
      bild.nurNummer = true;
      const TSchriftDefinition schrift = SchriftDefinition(e.Schrift);
      bild.texte.push_back({std::to_string(k), ursprung.x + e.X, ursprung.y + e.Y, schrift.Stil, schrift.Hoehe,
                            schrift.Name, ursprung.ausrichtung, 0});
    }
    bilder.push_back(std::move(bild));
  }
  return bilder;
}

std::vector<std::size_t> EintraegeDerSeite(const AusrichtWahl& wahl, const TFormatSteuerTabelle& tabelle) {
  std::vector<std::size_t> eintraege;
  for (std::size_t k = 0; k < tabelle.size(); ++k) {
    if (AufDerSeite(wahl, tabelle[k])) eintraege.push_back(k);
  }
  return eintraege;
}

void AusrichtTabelle::Merke() {
  frueher_.push_back(tabelle_);
  geaendert_ = true;
}

void AusrichtTabelle::Verschiebe(const std::vector<std::size_t>& eintraege, int dx, int dy) {
  if (eintraege.empty() || (dx == 0 && dy == 0)) return;
  Merke();
  for (std::size_t k : eintraege) {
    if (k >= tabelle_.size()) continue;
    TFormatEintrag& e = tabelle_[k];
    // On the paper: the point stays between the page's origin and the paper's far edge.
    e.X = Gehalten(std::int64_t{e.X} + dx, -ursprung_.x, papier_.breite - ursprung_.x);
    e.Y = Gehalten(std::int64_t{e.Y} + dy, -ursprung_.y, papier_.hoehe - ursprung_.y);
  }
}

void AusrichtTabelle::Setze(std::size_t eintrag, Feld feld, std::uint16_t wert) {
  if (eintrag >= tabelle_.size()) return;
  TFormatEintrag& e = tabelle_[eintrag];
  std::uint16_t* ziel = nullptr;
  switch (feld) {
    case Feld::X: ziel = &e.X; break;
    case Feld::Y: ziel = &e.Y; break;
    case Feld::Schrift: ziel = &e.Schrift; break;
    case Feld::Seite: ziel = &e.Seite; break;
    case Feld::Drucken: ziel = &e.Drucken; break;
  }
  if (*ziel == wert) return;
  Merke();
  *ziel = wert;
}

bool AusrichtTabelle::Rueckgaengig() {
  if (frueher_.empty()) return false;
  tabelle_ = frueher_.back();
  frueher_.pop_back();
  geaendert_ = true;
  return true;
}

std::string HintergrundDatei(const std::string& tabellenDatei) { return tabellenDatei + ".hintergrund.txt"; }

std::optional<Hintergrund> LadeHintergrund(const std::string& tabellenDatei) {
  const std::string datei = HintergrundDatei(tabellenDatei);
  if (!DateiExistiert(datei)) return std::nullopt;
  Hintergrund h;
  for (const std::string& zeile : LiesTextZeilen(datei)) {
    const auto gleich = zeile.find('=');
    if (gleich == std::string::npos) continue;
    const std::string name = zeile.substr(0, gleich);
    const std::string wert = zeile.substr(gleich + 1);
    if (name == "Bild") {
      h.bild = wert;
      continue;
    }
    double zahl = 0;
    const auto [ende, fehler] = std::from_chars(wert.data(), wert.data() + wert.size(), zahl);
    if (fehler != std::errc() || ende != wert.data() + wert.size()) continue;
    if (name == "Links") h.links = zahl;
    if (name == "Oben") h.oben = zahl;
    if (name == "Massstab" && zahl > 0) h.massstab = zahl;
  }
  return h;
}

void SpeichereHintergrund(const std::string& tabellenDatei, const Hintergrund& h) {
  auto zahl = [](double wert) {
    char text[64];
    const auto [ende, fehler] = std::to_chars(text, text + sizeof text, wert);
    return fehler == std::errc() ? std::string(text, ende) : std::string("0");
  };
  SchreibeTextZeilen(HintergrundDatei(tabellenDatei),
                     {"Bild=" + h.bild, "Links=" + zahl(h.links), "Oben=" + zahl(h.oben), "Massstab=" + zahl(h.massstab)});
}

}  // namespace velmora
