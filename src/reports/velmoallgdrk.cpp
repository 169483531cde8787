#include "reports/velmoallgdrk.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "basis/cp1252.h"
#include "print/schriften.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

// Positions come from hand-edited tables and margins: add in 64 bits and hold the result
// to the range of int, so an entry far off the paper is drawn (and clipped) far off the
// paper instead of wrapping round.
int Gehalten(std::int64_t wert) {
  return static_cast<int>(
      std::clamp<std::int64_t>(wert, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool GueltigeSeite(std::uint16_t seite) { return seite >= 1 && seite <= 4; }

bool WirdGedruckt(const TFormatEintrag& e, std::uint16_t seite) {
  return e.Drucken == 1 && e.Seite == seite && GueltigeSeite(seite);
}

// The three assessment tables: one row per code group, words and digits.
struct Bewertungstabelle {
  std::array<std::string, 6> worte;    // "1".."6" in words
  std::array<std::string, 6> ziffern;  // "1".."6" as digits
  std::string nichtBelegt, befreit, teilgenommen, nichtErteilt, strich;
};

const Bewertungstabelle& Tabelle17() {
  static const Bewertungstabelle t{{"      sehr gut   ", "        gut      ", "    befriedigend ", "    ausreichend  ",
                                    "     mangelhaft  ", T("     ungenügend  ")},
                                   {"         1       ", "         2       ", "         3       ", "         4       ",
                                    "         5       ", "         6       "},
                                   "    nicht belegt ",
                                   "      befreit    ",
                                   "    teilgenommen ",
                                   "   nicht erteilt ",
                                   "        ---      "};
  return t;
}

const Bewertungstabelle& Tabelle21() {
  static const Bewertungstabelle t{{"         sehr gut    ", "           gut       ", "       befriedigend  ",
                                    "       ausreichend   ", "        mangelhaft   ", T("        ungenügend   ")},
                                   {"            1        ", "            2        ", "            3        ",
                                    "            4        ", "            5        ", "            6        "},
                                   "       nicht belegt  ",
                                   "         befreit     ",
                                   "       teilgenommen  ",
                                   "      nicht erteilt  ",
                                   "           ---       "};
  return t;
}

const Bewertungstabelle& Tabelle27() {
  static const Bewertungstabelle t{
      {"           sehr gut        ", "             gut           ", "         befriedigend      ",
       "         ausreichend       ", "          mangelhaft       ", T("          ungenügend       ")},
      {"              1            ", "              2            ", "              3            ",
       "              4            ", "              5            ", "              6            "},
      "         nicht belegt      ",
      "           befreit         ",
      "         teilgenommen      ",
      "        nicht erteilt      ",
      "             ---           "};
  return t;
}

// A learning-field text counts as filled when it sorts after seven blanks, comparing the
// bytes as unsigned characters.
bool LernfeldGefuellt(const std::string& text) {
  static constexpr std::string_view kSiebenBlanks = "       ";
  return std::lexicographical_compare(
      kSiebenBlanks.begin(), kSiebenBlanks.end(), text.begin(), text.end(),
      [](char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); });
}

// An entry by number; numbers past the table (a loop bound from a caller out of range)
// give no entry at all.
const TFormatEintrag* Eintrag(const TFormatSteuerTabelle& t, std::size_t k) { return k < t.size() ? &t[k] : nullptr; }

}  // namespace

TSeitenVersatz SeitenVersatz(DruckFlaeche& flaeche, const TSeitenRand& rand) {
  const DruckerFaehigkeiten f = flaeche.Faehigkeiten();
  const int randX = ZehntelMillimeter(f.SeitenOffsetX, f.PixelProZollX);
  const int randY = ZehntelMillimeter(f.SeitenOffsetY, f.PixelProZollY);
  return {Gehalten(std::int64_t{rand.Links} - randX), Gehalten(std::int64_t{rand.Oben} - randY)};
}

void DruckeSeitenEintrag(DruckFlaeche& flaeche, const std::string& text, const TFormatEintrag& eintrag,
                         std::uint16_t seite, const TSeitenRaender& raender) {
  SetzeSchrift(flaeche, eintrag);
  if (!WirdGedruckt(eintrag, seite)) return;
  const TSeitenVersatz v = SeitenVersatz(flaeche, raender[seite - 1u]);
  flaeche.TextAus(Gehalten(std::int64_t{eintrag.X} + v.dx), Gehalten(-(std::int64_t{v.dy} + eintrag.Y)), text);
}

void DruckeSeitenZeilen(DruckFlaeche& flaeche, std::size_t n, int abstand, const TZeilenpuffer& puffer,
                        const TSeitenRaender& raender, std::uint16_t seite, const TFormatEintrag& eintrag) {
  SetzeSchrift(flaeche, eintrag);
  if (!WirdGedruckt(eintrag, seite)) return;
  n = std::clamp<std::size_t>(n, 1, std::max<std::size_t>(puffer.Anzahl(), 1));
  const TSeitenVersatz v = SeitenVersatz(flaeche, raender[seite - 1u]);
  const int x = Gehalten(std::int64_t{eintrag.X} + v.dx);
  for (std::size_t k = 0; k < n; ++k) {
    const std::int64_t y = std::int64_t{eintrag.Y} + static_cast<std::int64_t>(k) * abstand;
    flaeche.TextAus(x, Gehalten(-(std::int64_t{v.dy} + y)), puffer.Zeile(k));
  }
}

void DruckeEinstellecke(DruckFlaeche& flaeche, std::uint16_t seite, const TSeitenRaender& raender) {
  if (!GueltigeSeite(seite)) return;
  const TSeitenVersatz v = SeitenVersatz(flaeche, raender[seite - 1u]);
  const int x = v.dx;
  const int y = Gehalten(-std::int64_t{v.dy});
  flaeche.BewegeZu(x, y);
  flaeche.LinieZu(Gehalten(std::int64_t{x} + 50), y);
  flaeche.BewegeZu(x, y);
  flaeche.LinieZu(x, Gehalten(std::int64_t{y} - 50));
}

std::string AnredeStreichung(std::int16_t anrede, std::int16_t verlag) {
  const bool breit = verlag == 2;
  switch (anrede) {
    case 1:
      return breit ? "    XXXXXXXX" : "   XXXXXXX";
    case 2:
      return breit ? "XXX     XXXX" : "XX    XXXX";
    case 3:
      return breit ? "XXXXXXX     " : "XXXXX     ";
    default:
      return "          ";
  }
}

void DruckeAnredeStreichung(DruckFlaeche& flaeche, std::int16_t anrede, std::int16_t verlag,
                            const TFormatEintrag& eintrag, std::uint16_t seite, const TSeitenRaender& raender) {
  DruckeSeitenEintrag(flaeche, AnredeStreichung(anrede, verlag), eintrag, seite, raender);
}

std::string FachStreichung(const std::string& fach) { return fach == "Philosophie" ? "XXXXX       " : "      XXXXXX"; }

void DruckeFachStreichung(DruckFlaeche& flaeche, const std::string& fach, const TFormatEintrag& eintrag,
                          std::uint16_t seite, const TSeitenRaender& raender) {
  DruckeSeitenEintrag(flaeche, FachStreichung(fach), eintrag, seite, raender);
}

std::string BewertungInWorten(const std::string& code, bool inWorten, std::int16_t verlag) {
  const Bewertungstabelle& t = verlag == 2 ? Tabelle21() : verlag == 3 ? Tabelle27() : Tabelle17();
  if (code.empty()) return t.strich;
  switch (code[0]) {
    case '1':
    case '2':
    case '3':
    case '4':
    case '5':
    case '6': {
      const auto i = static_cast<std::size_t>(code[0] - '1');
      return inWorten ? t.worte[i] : t.ziffern[i];
    }
    case '0':
    case 'o':
    case 'O':
      return "kann nicht beurteilt werden";
    case 'n':
    case 'N':
      return t.nichtBelegt;
    case 'b':
    case 'B':
      return t.befreit;
    case 't':
    case 'T':
      return t.teilgenommen;
    case 'e':
    case 'E':
      return t.nichtErteilt;
    default:
      return t.strich;
  }
}

bool MeldungsSeitenAbfrage::Frage(const std::string& text) {
  return meldungen_.Zeige(MeldungsArt::Information, text, Knoepfe::OkAbbrechen) == Antwort::Ok;
}

std::string FormularSeitenText(const std::string& formular, const std::string& name, const std::string& seite,
                               const std::string& seiten) {
  return "Druck auf Formular: " + formular + "\r" + T(" für: ") + name + "\r -- Seite(n) " + seite + " von " + seiten +
         " --";
}

bool FrageFormularSeite(FormularSeitenAbfrage& abfrage, const std::string& formular, const std::string& name,
                        const std::string& seite, const std::string& seiten) {
  return abfrage.Frage(FormularSeitenText(formular, name, seite, seiten));
}

std::string ZeugnisName(const TSchuelerDatensatz& satz) {
  std::string name = (satz.Lies(S::Vornamen) + " ").substr(0, 26) + satz.Lies(S::Name);
  return name.substr(0, 51);
}

std::string ZeugnisOrtDatum(const TSchuelerDatensatz& satz) {
  std::string text = (satz.Lies(S::Zeugnisort) + ", ").substr(0, 27) + satz.Lies(S::Zeugnisdatum);
  return text.substr(0, 37);
}

namespace {

// Collects a sheet's items in drawing order.
class PostenSammler {
 public:
  using Art = ZeugnisPosten::Art;
  explicit PostenSammler(const ZeugnisZaehler& zaehler) : zaehler_(zaehler) {}

  void Text(std::size_t k, std::string t, Art art = Art::Text) { posten_.push_back({art, k, std::move(t)}); }
  void Block(std::size_t k, std::string t, int zeilen) {
    ZeugnisPosten p{Art::Block, k, std::move(t)};
    p.zeilen = static_cast<std::size_t>(std::max(zeilen, 1));
    p.breite = static_cast<std::size_t>(std::max(zaehler_.Zeilenbreite, 1));
    p.abstand = zaehler_.Zeilenabstand;
    posten_.push_back(std::move(p));
  }
  void Posten(ZeugnisPosten p) { posten_.push_back(std::move(p)); }
  std::vector<ZeugnisPosten> Ergebnis() && { return std::move(posten_); }

 private:
  const ZeugnisZaehler& zaehler_;
  std::vector<ZeugnisPosten> posten_;
};

// The subject rows: r counts printed rows, i the subjects of the record.
void FachzeilenPosten(PostenSammler& sammler, const TSchuelerDatensatz& s, bool inWorten, std::int16_t verlag,
                      const std::string& strich, const ZeugnisZaehler& zaehler) {
  using Art = ZeugnisPosten::Art;
  std::size_t r = 0, i = 0;
  const auto zeilen = static_cast<std::size_t>(std::max(zaehler.LetzteZeile, -1) + 1);
  while (r < zeilen && i < S::FachzeilenAnzahl) {
    const std::string fach = s.LiesFach(i, TFachZeile::Fach);
    const std::string lernfeld = s.LiesFach(i, TFachZeile::FachZusatz);
    const std::string bewertung = s.LiesFach(i, TFachZeile::Bewertung);
    const std::string zusatz = s.LiesFach(i, TFachZeile::Zusatz);
    const bool gefuellt = LernfeldGefuellt(lernfeld);
    if (fach.starts_with("##")) {
      // A subject whose name is not printed: its learning field stands in its row. Without
      // a learning field the row stays empty and the next subject takes the next row, so
      // the rows keep the places the class template gave them.
      if (gefuellt) {
        sammler.Text(FachzeilenEintrag(kEintragLernfeld, r), lernfeld, Art::Lernfeld);
        if (lernfeld.size() < 85) sammler.Text(FachzeilenEintrag(kEintragBewertung, r), strich);
        sammler.Text(FachzeilenEintrag(kEintragZusatz, r), zusatz);
      }
      ++r;
      ++i;
      continue;
    }
    if (i == 2 && verlag == 1) {
      sammler.Text(FachzeilenEintrag(kEintragFach, r), FachStreichung(fach), Art::Muster);
    } else {
      sammler.Text(FachzeilenEintrag(kEintragFach, r), fach, Art::Fach);
    }
    ZeugnisPosten note{Art::Bewertung, FachzeilenEintrag(kEintragBewertung, r),
                       BewertungInWorten(bewertung, inWorten, verlag)};
    // "kann nicht beurteilt werden" is wider than the narrow assessment columns.
    const bool eng = !bewertung.empty() && (bewertung[0] == '0' || bewertung[0] == 'O' || bewertung[0] == 'o');
    if (eng) note.zeichenabstand = -4;
    sammler.Posten(std::move(note));
    sammler.Text(FachzeilenEintrag(kEintragZusatz, r), zusatz);
    if (gefuellt) {
      ++r;
      sammler.Text(FachzeilenEintrag(kEintragLernfeld, r), lernfeld, Art::Lernfeld);
      if (lernfeld.size() < 85) sammler.Text(FachzeilenEintrag(kEintragBewertung, r), strich);
    }
    ++r;
    ++i;
  }
}

}  // namespace

std::vector<ZeugnisPosten> ZeugnisBlattPosten(const TSchuelerDatensatz& s, const TDruckEinstellungen& druck,
                                              std::int16_t verlag, const std::string& schulname,
                                              const ZeugnisZaehler& zaehler) {
  using Art = ZeugnisPosten::Art;
  PostenSammler sammler(zaehler);

  const std::int16_t art = s.Zeugnisart();
  const bool inWorten = druck.AlleInWorten == 1 || art == 3 || art == 4 || art == 5;
  const std::string name = ZeugnisName(s);
  const std::string strich = BewertungInWorten("-", inWorten, verlag);

  sammler.Text(kEintragSchulname, schulname, Art::Mitte);
  sammler.Text(kEintragName, name);
  sammler.Text(kEintragGeburtsdatum, s.Lies(S::Geburtsdatum));
  sammler.Text(kEintragAnrede, AnredeStreichung(s.Anrede(), verlag), Art::Muster);
  sammler.Text(kEintragGeburtsort, s.Lies(S::Geburtsort));
  sammler.Text(kEintragWohnort, s.Lies(S::Wohnort));
  sammler.Text(kEintragKlasse, s.Lies(S::Klasse));
  sammler.Text(kEintragSchuljahrVon, s.Lies(S::SchuljahrVon));
  sammler.Text(kEintragSchuljahrBis, s.Lies(S::SchuljahrBis));
  // The wrapped blocks: at most 999 characters of the notes and 399 of the remarks, so a
  // text that fills its field without a closing zero still ends.
  sammler.Block(kEintragHinweise, s.Lies(S::Hinweise).substr(0, 999), zaehler.HinweisZeilen);
  sammler.Text(kEintragVersaeumt, s.Lies(S::VersaeumteStunden));
  sammler.Text(kEintragEntschuldigt, s.Lies(S::Entschuldigt));
  sammler.Text(kEintragFolgeName, name);

  FachzeilenPosten(sammler, s, inWorten, verlag, strich, zaehler);

  sammler.Block(kEintragBemerkungen, s.Lies(S::Bemerkungen).substr(0, 399), zaehler.BemerkungZeilen);
  sammler.Text(kEintragEintritt, s.Lies(S::Einschulungsdatum));
  sammler.Text(kEintragAustritt, s.Lies(S::Ausschulungsdatum));
  sammler.Text(kEintragOrtDatum, ZeugnisOrtDatum(s));
  return std::move(sammler).Ergebnis();
}

namespace {

// Draws one item on page `seite`; the alignment and spacing an item changes are back to
// left alignment and normal spacing afterwards.
void ZeichnePosten(const ZeugnisKontext& kontext, const ZeugnisPosten& p, const TFormatSteuerTabelle& tabelle,
                   std::uint16_t seite, const TSeitenRaender& raender) {
  using Art = ZeugnisPosten::Art;
  DruckFlaeche& f = kontext.flaeche;
  const TFormatEintrag* e = Eintrag(tabelle, p.eintrag);
  switch (p.art) {
    case Art::Block:
      if (!e) return;
      UmbrecheText(p.text, p.zeilen, p.breite, kontext.puffer);
      DruckeSeitenZeilen(f, p.zeilen, p.abstand, kontext.puffer, raender, seite, *e);
      return;
    case Art::Mitte:
      f.SetzeTextausrichtung(Textausrichtung::MitteUnten);
      if (e) DruckeSeitenEintrag(f, p.text, *e, seite, raender);
      f.SetzeTextausrichtung(Textausrichtung::LinksUnten);
      return;
    case Art::Bewertung:
      if (p.zeichenabstand != 0) f.SetzeZeichenabstand(p.zeichenabstand);
      if (e) DruckeSeitenEintrag(f, p.text, *e, seite, raender);
      f.SetzeZeichenabstand(0);
      return;
    default:
      if (e) DruckeSeitenEintrag(f, p.text, *e, seite, raender);
      return;
  }
}

// One student's sheet inside an open job: pages ersteSeite..letzteSeite, each at its own
// page offset.
void ZeichneZeugnisBlatt(const ZeugnisKontext& kontext, std::uint16_t ersteSeite, std::uint16_t letzteSeite,
                         const TSchuelerDatensatz& s, const TFormatSteuerTabelle& tabelle,
                         const TSeitenRaender& raender, const ZeugnisZaehler& zaehler) {
  DruckFlaeche& f = kontext.flaeche;
  const std::vector<ZeugnisPosten> alle =
      ZeugnisBlattPosten(s, kontext.druck, kontext.verlag, kontext.schulname, zaehler);

  f.SetzeTextausrichtung(Textausrichtung::LinksUnten);
  f.SetzeZeichenabstand(0);

  // Pages the margins do not cover carry nothing; the loop stays within 1..4.
  const int von = std::max<int>(ersteSeite, 1);
  const int bis = std::min<int>(letzteSeite, 4);
  for (int seiteInt = von; seiteInt <= bis; ++seiteInt) {
    const auto p = static_cast<std::uint16_t>(seiteInt);
    if (kontext.druck.MitEinstellecke == 1) DruckeEinstellecke(f, p, raender);
    for (const ZeugnisPosten& posten : alle) ZeichnePosten(kontext, posten, tabelle, p, raender);
  }
}

}  // namespace

bool DruckeZeugnisKoerper(const ZeugnisKontext& kontext, std::uint16_t ersteSeite, std::uint16_t letzteSeite,
                          const TKlassenDatei& klasse, const TFormatSteuerTabelle& tabelle,
                          const TSeitenRaender& raender, std::size_t schueler, const ZeugnisZaehler& zaehler) {
  return DruckeZeugnisBlaetter(kontext, ersteSeite, letzteSeite, klasse, tabelle, raender, {schueler}, zaehler,
                               Blattformat::A4Hoch, T("Zeugnis"));
}

bool DruckeZeugnisBlaetter(const ZeugnisKontext& kontext, std::uint16_t ersteSeite, std::uint16_t letzteSeite,
                           const TKlassenDatei& klasse, const TFormatSteuerTabelle& tabelle,
                           const TSeitenRaender& raender, const std::vector<std::size_t>& schueler,
                           const ZeugnisZaehler& zaehler, Blattformat blatt, const std::string& titel) {
  std::vector<std::size_t> gueltig;
  for (std::size_t i : schueler) {
    if (i < klasse.Schueler.size()) gueltig.push_back(i);
  }
  if (gueltig.empty()) return false;
  DruckFlaeche& f = kontext.flaeche;
  if (!f.BeginneDokument(titel, blatt)) return false;
  for (std::size_t k = 0; k < gueltig.size(); ++k) {
    if (k > 0) f.NeueSeite();
    ZeichneZeugnisBlatt(kontext, ersteSeite, letzteSeite, klasse.Schueler[gueltig[k]], tabelle, raender, zaehler);
  }
  // A job the printer could not complete ends the page sequence like a refused one.
  return f.BeendeDokument();
}

}  // namespace velmora
