#include "reports/ausrichtseite.h"

#include <algorithm>
#include <map>

#include "print/schriften.h"
#include "print/zeilenpuffer.h"
#include "printcommands/blaetter.h"
#include "reports/velmoallgdrk.h"
#include "reports/weisseszeugnis.h"

namespace velmora {
namespace {

// A surface that draws nothing and keeps every text and line, placed on the paper.
class Sammler : public DruckFlaeche {
 public:
  explicit Sammler(const DruckerFaehigkeiten& f)
      : faehigkeiten_(f),
        randX_(ZehntelMillimeter(f.SeitenOffsetX, f.PixelProZollX)),
        randY_(ZehntelMillimeter(f.SeitenOffsetY, f.PixelProZollY)) {}
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
    // Only what shows: a text of blanks alone leaves no mark.
    if (text.find_first_not_of(' ') == std::string::npos) return;
    texte.push_back({text, X(x), Y(y), stil_, hoehe_, name_, ausrichtung_, zeichenabstand_});
  }
  void BewegeZu(int x, int y) override {
    stiftX_ = x;
    stiftY_ = y;
  }
  void LinieZu(int x, int y) override {
    linien.push_back({X(stiftX_), Y(stiftY_), X(x), Y(y), false});
    BewegeZu(x, y);
  }
  void Rechteck(int x1, int y1, int x2, int y2) override { linien.push_back({X(x1), Y(y1), X(x2), Y(y2), true}); }
  DruckerFaehigkeiten Faehigkeiten() override { return faehigkeiten_; }
  std::string Druckername() override { return {}; }
  std::vector<std::string> Schriftenliste() override { return {}; }

  std::vector<GezeichneterText> texte;
  std::vector<GezeichneteLinie> linien;

 private:
  // From the surface (origin at the printable area, y upwards) onto the paper.
  int X(int x) const { return x + randX_; }
  int Y(int y) const { return randY_ - y; }

  DruckerFaehigkeiten faehigkeiten_;
  int randX_, randY_;
  Textausrichtung ausrichtung_ = Textausrichtung::LinksBasislinie;
  int zeichenabstand_ = 0;
  std::uint16_t stil_ = 0;
  int hoehe_ = 45;
  std::string name_ = "Arial";
  int stiftX_ = 0, stiftY_ = 0;
};

// What is in `alle` and not in `grund`, each mark of `grund` taken away once.
template <class T>
std::vector<T> Ohne(std::vector<T> alle, std::vector<T> grund) {
  std::vector<T> rest;
  for (T& t : alle) {
    auto gleich = std::find(grund.begin(), grund.end(), t);
    if (gleich != grund.end()) {
      grund.erase(gleich);
    } else {
      rest.push_back(std::move(t));
    }
  }
  return rest;
}

// Runs the printout of the choice on `sammler` with `tabelle` and its partner.
void Drucke(const AusrichtUmgebung& u, const AusrichtWahl& w, const TFormatSteuerTabelle& tabelle,
            const TFormatSteuerTabelle& partner, Sammler& sammler) {
  TZeilenpuffer puffer;
  const BlattKopf kopf{u.zeugnisname, u.kurzname, u.heute};
  const TSchuelerDatensatz& satz = u.klasse.Schueler[std::min(u.schueler, TKlassenDatei::Schuelerzahl - 1)];
  const bool rahmen = u.druck.MitRahmen == 1;
  switch (w.art) {
    case Ausdruckart::Testblatt:
      DruckeTestblatt(sammler, tabelle, kopf);
      break;
    case Ausdruckart::DatenblattWerte:
      DruckeDatenblatt(sammler, satz, partner, tabelle, kopf, rahmen, puffer);
      break;
    case Ausdruckart::DatenblattBeschriftungen:
      DruckeDatenblatt(sammler, satz, tabelle, partner, kopf, rahmen, puffer);
      break;
    case Ausdruckart::Zeugnis: {
      const ZeugnisKontext kontext{sammler, u.druck, u.verlag, u.zeugnisname, puffer};
      DruckeZeugnisKoerper(kontext, w.seite, w.seite, u.klasse, tabelle, AusrichtRaender(w, u.druck), u.schueler,
                           ZeugnisZaehlerFuer(w.typ, u.verlag));
      break;
    }
    default:
      break;
  }
}

// The entry's number in its font at its place, for an entry that prints nothing.
GezeichneterText NummerDesEintrags(std::size_t k, const TFormatEintrag& e, const Seitenursprung& ursprung) {
  const TSchriftDefinition schrift = SchriftDefinition(e.Schrift);
  return {std::to_string(k), ursprung.x + e.X, ursprung.y + e.Y,     schrift.Stil,
          schrift.Hoehe,     schrift.Name,     ursprung.ausrichtung, 0};
}

bool AufDerSeite(const AusrichtWahl& w, const TFormatEintrag& e) {
  return w.art != Ausdruckart::Zeugnis || e.Seite == w.seite;
}

AusrichtBild FormularSeite(const AusrichtUmgebung& u, const AusrichtWahl& wahl, const TFormatSteuerTabelle& tabelle,
                           const TFormatSteuerTabelle& partner, bool auchNichtGedruckte) {
  const Seitenursprung ursprung = UrsprungDerSeite(u, wahl);
  TFormatSteuerTabelle aus = tabelle;
  for (TFormatEintrag& e : aus) e.Drucken = 0;

  // What the page prints with every entry of the table off: the partner table, fixed texts.
  Sammler grund(u.drucker);
  Drucke(u, wahl, aus, partner, grund);
  AusrichtBild bild;
  bild.umfeld = grund.texte;
  bild.linien = grund.linien;

  for (std::size_t k = 0; k < tabelle.size(); ++k) {
    const TFormatEintrag& e = tabelle[k];
    const bool gedruckt = e.Drucken == 1;
    if (!AufDerSeite(wahl, e) || (!gedruckt && !auchNichtGedruckte)) continue;
    TFormatSteuerTabelle nurDieser = aus;
    nurDieser[k].Drucken = 1;
    Sammler sammler(u.drucker);
    Drucke(u, wahl, nurDieser, partner, sammler);

    EintragsBild eb;
    eb.eintrag = k;
    eb.gedruckt = gedruckt;
    eb.texte = Ohne(sammler.texte, grund.texte);
    eb.linien = Ohne(sammler.linien, grund.linien);
    if (eb.texte.empty() && eb.linien.empty()) {
      eb.nurNummer = true;
      eb.texte.push_back(NummerDesEintrags(k, e, ursprung));
    }
    bild.eintraege.push_back(std::move(eb));
  }
  return bild;
}

// The plain-paper report of the current student laid out with both tables; `gewaehlt` is the
// chosen one of them.
struct WeissPlan {
  std::vector<TWeissSeite> seiten;
  TSeitenRaender raender{};
};

WeissPlan PlaneWeiss(const AusrichtUmgebung& u, const AusrichtWahl& wahl, const TFormatSteuerTabelle& gewaehlt,
                     const TFormatSteuerTabelle& partner) {
  const bool bezeichner = wahl.art == Ausdruckart::WeissBeschriftungen;
  const TWeissTabellen tabellen{bezeichner ? partner : gewaehlt, bezeichner ? gewaehlt : partner};
  WeissPlan plan;
  plan.raender = ZeugnisRaender(wahl.typ, u.druck);
  const TSchuelerDatensatz& satz = u.klasse.Schueler[std::min(u.schueler, TKlassenDatei::Schuelerzahl - 1)];
  plan.seiten = PlaneWeissesZeugnis(tabellen, wahl.typ, plan.raender, satz, u.zeugnisname, u.weiss);
  return plan;
}

// The marks of the chosen page of `plan`, per entry of the chosen table (the rest to `bild`
// when given).
std::map<std::size_t, EintragsBild> WeissMarken(const WeissPlan& plan, const AusrichtWahl& wahl, AusrichtBild* bild) {
  std::map<std::size_t, EintragsBild> marken;
  const std::size_t p = static_cast<std::size_t>(wahl.seite) - 1;
  if (p >= plan.seiten.size()) return marken;
  const TWeissSeite& seite = plan.seiten[p];
  const TSeitenRand rand = plan.raender[seite.Rand];
  const bool bezeichner = wahl.art == Ausdruckart::WeissBeschriftungen;
  for (const TWeissText& t : seite.Texte) {
    const TSchriftDefinition s = SchriftDefinition(t.Schrift);
    GezeichneterText g{t.Text,
                       rand.Links + t.X,
                       rand.Oben + t.Y,
                       s.Stil,
                       s.Hoehe,
                       s.Name,
                       t.Zentriert ? Textausrichtung::MitteUnten : Textausrichtung::LinksUnten,
                       0};
    if (t.Bezeichner == bezeichner) {
      marken[t.Eintrag].texte.push_back(std::move(g));
    } else if (bild) {
      bild->umfeld.push_back(std::move(g));
    }
  }
  auto linie = [&](const TWeissStrich& s, bool rahmen) {
    GezeichneteLinie l{rand.Links + s.X1, rand.Oben + s.Y1, rand.Links + s.X2, rand.Oben + s.Y2, rahmen};
    if (s.Bezeichner == bezeichner) {
      marken[s.Eintrag].linien.push_back(l);
    } else if (bild) {
      bild->linien.push_back(l);
    }
  };
  for (const TWeissStrich& s : seite.Striche) linie(s, false);
  for (const TWeissStrich& r : seite.Rahmen) linie(r, true);
  for (const TWeissBild& b : seite.Bilder) {
    GezeichnetesBild g{b.Datei, rand.Links + b.X1, rand.Oben + b.Y1, rand.Links + b.X2, rand.Oben + b.Y2};
    if (b.Bezeichner == bezeichner) {
      marken[b.Eintrag].bilder.push_back(std::move(g));
    } else if (bild) {
      bild->bilder.push_back(std::move(g));
    }
  }
  for (auto& [k, m] : marken) m.eintrag = k;
  return marken;
}

AusrichtBild WeisseSeite(const AusrichtUmgebung& u, const AusrichtWahl& wahl, const TFormatSteuerTabelle& tabelle,
                         const TFormatSteuerTabelle& partner, bool auchNichtGedruckte) {
  AusrichtBild bild;
  const WeissPlan plan = PlaneWeiss(u, wahl, tabelle, partner);
  bild.seiten = plan.seiten.size();
  std::map<std::size_t, EintragsBild> marken = WeissMarken(plan, wahl, &bild);
  if (auchNichtGedruckte) {
    // Where the switched-off entries would print, laid out with them switched on.
    TFormatSteuerTabelle alleAn = tabelle;
    for (TFormatEintrag& e : alleAn) e.Drucken = 1;
    for (auto& [k, m] : WeissMarken(PlaneWeiss(u, wahl, alleAn, partner), wahl, nullptr)) {
      if (tabelle[k].Drucken == 1) continue;
      m.gedruckt = false;
      marken[k] = std::move(m);
    }
  }
  // An entry that draws nothing for this student shows its number where its page has it.
  const std::size_t p = static_cast<std::size_t>(wahl.seite) - 1;
  if (p < plan.seiten.size()) {
    const TSeitenRand rand = plan.raender[plan.seiten[p].Rand];
    for (std::size_t k = 0; k < tabelle.size(); ++k) {
      const TFormatEintrag& e = tabelle[k];
      const bool gedruckt = e.Drucken == 1;
      if (marken.count(k) || k >= wp::FolgeAnfang || (!gedruckt && !auchNichtGedruckte) ||
          !WeissSeiteGilt(e.Seite, p, plan.seiten.size())) {
        continue;
      }
      GezeichneterText nummer = NummerDesEintrags(k, e, {rand.Links, rand.Oben, Textausrichtung::LinksUnten});
      // An entry that flows with its block (its own Y is not used) stands on the block's
      // first line.
      const std::size_t anker = wp::Anker(k);
      if (anker != k) {
        const auto block = marken.find(anker);
        nummer.y = block != marken.end() && !block->second.texte.empty() ? block->second.texte.front().y
                                                                         : rand.Oben + tabelle[anker].Y;
      }
      EintragsBild& m = marken[k];
      m.eintrag = k;
      m.gedruckt = gedruckt;
      m.nurNummer = true;
      m.texte.push_back(std::move(nummer));
    }
  }
  for (auto& [k, m] : marken) bild.eintraege.push_back(std::move(m));
  return bild;
}

}  // namespace

AusrichtBild ZeichneAusrichtSeite(const AusrichtUmgebung& u, const AusrichtWahl& wahl,
                                  const TFormatSteuerTabelle& tabelle, const TFormatSteuerTabelle& partner,
                                  bool auchNichtGedruckte) {
  if (AufWeissemPapier(wahl)) return WeisseSeite(u, wahl, tabelle, partner, auchNichtGedruckte);
  return FormularSeite(u, wahl, tabelle, partner, auchNichtGedruckte);
}

}  // namespace velmora
