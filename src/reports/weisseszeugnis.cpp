// Lays out and draws the report on plain paper: the fixed items of each page, and the
// flowing blocks (person data, subject table, report texts, missed lessons) that fill the
// pages from the top and continue on the next page when one is full.
#include "reports/weisseszeugnis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "basis/cp1252.h"
#include "print/schriften.h"
#include "print/schriftmasse.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

constexpr int kPapierBreite = 2100;  // A4, 1/10 mm
constexpr int kPapierHoehe = 2970;
constexpr int kMindestRand = 150;      // nothing comes closer to the paper's right or bottom edge
constexpr int kSpaltenLuecke = 30;     // free space before the next column
constexpr int kLogoHoehe = 250;        // the logo's height at most
constexpr int kLogoAbstand = 50;       // between the logo and the head's text
constexpr int kKopfZeilenLuecke = 10;  // between two lines of the head

bool Aktiv(const TFormatEintrag& e) { return e.Drucken == 1; }

std::string Getrimmt(const std::string& text) {
  const auto anfang = text.find_first_not_of(" \r\n");
  if (anfang == std::string::npos) return {};
  return text.substr(anfang, text.find_last_not_of(" \r\n") - anfang + 1);
}

// A field that holds nothing to print: empty, blanks, or the placeholder "   - - -".
bool Gefuellt(const std::string& text) {
  const std::string t = Getrimmt(text);
  return !t.empty() && t != Getrimmt(std::string(kLeereZeile));
}

// The assessment of a code in words, without the blanks that centre it on a form.
std::string BewertungText(const std::string& code) { return Getrimmt(BewertungInWorten(code, true, 0)); }

std::string Schulartname(std::int16_t schulart) {
  switch (schulart) {
    case 0:
      return "Berufsschule";
    case 1:
      return "Berufsfachschule";
    case 2:
      return "Fachoberschule";
    default:
      return {};
  }
}

// The fixed texts of the label table.
std::string Bezeichnung(std::size_t k, Zeugnistyp typ) {
  switch (k) {
    case wp::Titel:
      return WeissTitel(typ);
    case wp::Person:
      return "Vor- und Familienname:";
    case wp::Geburtsdatum:
      return "geboren am:";
    case wp::Geburtsort:
      return "in:";
    case wp::Klasse:
      return "Klasse:";
    case wp::Fachrichtung:
      return "Fachrichtung/Bildungsgang:";
    case wp::Schwerpunkt:
      return "Schwerpunkt:";
    case wp::Berufsbezeichnung:
      return "Berufsbezeichnung:";
    case wp::Durchschnittsnote:
      return "Durchschnittsnote:";
    case wp::Eintritt:
      return "eingetreten am:";
    case wp::Austritt:
      return "ausgetreten am:";
    case wp::Faecher:
      return "Fach";
    case wp::Bewertung:
      return "Bewertung";
    case wp::Zusatz:
      return "Zusatz";
    case wp::Hinweise:
      return "Hinweise zum Arbeits- und Sozialverhalten:";
    case wp::Bemerkungen:
      return "Bemerkungen:";
    case wp::Versaeumt:
      return T("Versäumte Unterrichtsstunden:");
    case wp::Entschuldigt:
      return "davon entschuldigt:";
    case wp::FolgeName:
      return WeissTitel(typ) + T(" für");
    case wp::UnterschriftLinksText:
      return "Schulleiterin / Schulleiter";
    case wp::UnterschriftRechtsText:
      return "Klassenleiterin / Klassenleiter";
    case wp::SiegelText:
      return "Siegel";
    case wp::ElternText:
      return T(
          "Datum und Unterschrift der Erziehungsberechtigten oder der volljährigen Schülerin / des "
          "volljährigen Schülers");
    case wp::ElternBezeichnung:
      return "Kenntnis genommen:";
    case wp::Notenschluessel: {
      std::string text = "Notenstufen:";
      for (char note = '1'; note <= '6'; ++note) {
        text += std::string(note == '1' ? " " : ", ") + note + " = " + BewertungText(std::string(1, note));
      }
      return text;
    }
    default:
      return {};
  }
}

// --- flowing content ---

// A text at the X of its entry; `rechts` > 0: wrapped to end before that X.
struct Stueck {
  int x = 0;
  std::uint16_t schrift = 0;
  bool mitte = false;
  std::string text;
  int rechts = 0;
  std::size_t eintrag = 0;
  bool bezeichner = false;
};

// One line of the flow: texts on one baseline, and a rule under them where one belongs.
struct Zeile {
  std::vector<Stueck> texte;
  bool regel = false;
  int regelVon = 0, regelBis = 0, regelUnter = 0;  // the rule is entry KopfLinie of the labels
};

// Lines kept together on one page.
using Einheit = std::vector<Zeile>;

struct Block {
  std::uint16_t seite = 1;  // the earliest page
  int y = 0;                // the earliest line on that page
  std::vector<Zeile> kopf;  // begins the block; repeated on a new page where `kopfWiederholen`
  bool kopfWiederholen = false;
  std::vector<Einheit> einheiten;
};

// Wraps the pieces of one line; a piece that needs several lines makes the line as many
// lines high.
std::vector<Zeile> Umbrochen(const std::vector<Stueck>& stuecke) {
  std::vector<Zeile> zeilen;
  for (const Stueck& s : stuecke) {
    std::vector<std::string> teile;
    if (s.rechts > 0) {
      teile = UmbrecheNachBreite(s.text, SchriftDefinition(s.schrift), std::max(s.rechts - s.x, 1));
    } else if (!s.text.empty()) {
      teile = {s.text};
    }
    if (zeilen.size() < std::max<std::size_t>(teile.size(), 1)) zeilen.resize(std::max<std::size_t>(teile.size(), 1));
    for (std::size_t i = 0; i < teile.size(); ++i) {
      Stueck t = s;
      t.text = teile[i];
      zeilen[i].texte.push_back(t);
    }
  }
  return zeilen;
}

class Planer {
 public:
  Planer(const TWeissTabellen& t, Zeugnistyp typ, const TSeitenRaender& raender, const TSchuelerDatensatz& satz,
         const std::string& schulname, const TWeissAusstattung& ausstattung)
      : w_(t.Werte),
        b_(t.Bezeichner),
        typ_(typ),
        raender_(raender),
        satz_(satz),
        schulname_(schulname),
        ausstattung_(ausstattung) {
    // The layout is drawn for a text area as wide as X of entry 97. Where the margins leave
    // less room before the paper's right edge less 15 mm (on either margin pair: following
    // pages use the second), every X is scaled down to fit.
    const int raum = std::min(Rechts(0), Rechts(1));
    const int breite = w_[wp::Textbereich].X;
    rechts_ = breite > 0 ? std::min(raum, breite) : raum;
    if (breite > raum) faktor_ = static_cast<double>(std::max(raum, 0)) / breite;
    abstand_ = std::max<int>(w_[wp::Zeilenabstand].Y, 1);
    luecke_ = w_[wp::Blockabstand].Y;
    // Downwards likewise: where a top margin leaves less room above the paper's bottom edge
    // less 15 mm than the layout's lowest item needs, the closing items and the text area's
    // lowest line move up by the difference.
    const int unten = kPapierHoehe - kMindestRand - std::max(raender_[0].Oben, raender_[1].Oben);
    hoch_ = std::max(0, Unterstes() - unten);
    PlaneKopf();
  }

  std::vector<TWeissSeite> Plane() {
    std::vector<Block> bloecke = Bloecke();
    std::stable_sort(bloecke.begin(), bloecke.end(), [](const Block& a, const Block& b) {
      return std::pair(ErsteSeite(a), a.y) < std::pair(ErsteSeite(b), b.y);
    });
    for (const Block& b : bloecke) Fliesse(b);
    SchlussPlatz();
    std::vector<TWeissSeite> seiten(gelegt_.size());
    for (std::size_t p = 0; p < seiten.size(); ++p) {
      seiten[p].Rand = p == 0 ? 0 : 1;
      FesteAngaben(seiten[p], p, seiten.size());
      for (const auto& [y, zeile] : gelegt_[p]) {
        for (const Stueck& s : zeile.texte) {
          seiten[p].Texte.push_back({s.x, y, s.schrift, s.mitte, s.text, s.eintrag, s.bezeichner});
        }
        if (zeile.regel) {
          const int ry = y + zeile.regelUnter;
          seiten[p].Striche.push_back({zeile.regelVon, ry, std::min(zeile.regelBis, rechts_), ry, wp::KopfLinie, true});
        }
      }
      for (TWeissText& t : seiten[p].Texte) RueckeInsFeld(t);
    }
    return seiten;
  }

 private:
  // A text that would end right of the text area moves left until it ends there.
  void RueckeInsFeld(TWeissText& t) const {
    const double breite = TextBreite(SchriftDefinition(t.Schrift), t.Text);
    const double rechts = (t.Zentriert ? t.X - breite / 2 : t.X) + breite;
    if (rechts > rechts_) t.X -= static_cast<int>(std::ceil(rechts - rechts_));
  }
  int X(const TFormatEintrag& e) const { return static_cast<int>(std::lround(e.X * faktor_)); }
  // The closing items of the last page and the page number stand at the foot of the page.
  static bool AmFuss(const TFormatEintrag& e, std::size_t k) { return e.Seite == 3 || k == wp::Seitenzahl; }
  int Y(const TFormatEintrag& e, std::size_t k) const { return AmFuss(e, k) ? e.Y - hoch_ : e.Y + Schub(e); }
  // How far an item of the first page moves down below a head that needs more room than one
  // line at entry 1.
  int Schub(const TFormatEintrag& e) const { return std::max<int>(e.Seite, 1) == 1 && e.Y > kopfY_ ? schub_ : 0; }
  int Unterkante() const { return w_[wp::Textbereich].Y - hoch_; }
  // The lowest point of the foot and of the text area as the tables place them.
  int Unterstes() const {
    int unterstes = w_[wp::Textbereich].Y;
    for (const TFormatSteuerTabelle* t : {&w_, &b_}) {
      for (std::size_t k = 0; k < wp::FolgeAnfang; ++k) {
        if (Aktiv((*t)[k]) && AmFuss((*t)[k], k)) unterstes = std::max<int>(unterstes, (*t)[k].Y);
      }
    }
    return unterstes;
  }
  int Rechts(std::size_t seite) const { return kPapierBreite - kMindestRand - raender_[seite == 0 ? 0 : 1].Links; }
  Stueck Bez(std::size_t k, int rechts) const {
    return {X(b_[k]), b_[k].Schrift, false, Bezeichnung(k, typ_), rechts, k, true};
  }
  Stueck Wert(std::size_t k, const std::string& text, int rechts) const {
    return {X(w_[k]), w_[k].Schrift, false, text, rechts, k, false};
  }
  // The page index a block may begin on at the earliest.
  static std::size_t ErsteSeite(const Block& b) { return static_cast<std::size_t>(std::max<int>(b.seite, 1) - 1); }

  std::vector<Block> Bloecke() const {
    std::vector<Block> bloecke;
    for (std::size_t k : {wp::Person, wp::Faecher, wp::Hinweise, wp::Bemerkungen, wp::Versaeumt}) {
      if (!Aktiv(w_[k])) continue;
      Block b{w_[k].Seite, w_[k].Y + Schub(w_[k]), {}, false, {}};
      switch (k) {
        case wp::Person:
          b.einheiten = PersonZeilen();
          break;
        case wp::Faecher:
          FaecherTabelle(b);
          break;
        case wp::Hinweise:
          TextBlock(b, k, satz_.Lies(S::Hinweise));
          break;
        case wp::Bemerkungen:
          TextBlock(b, k, satz_.Lies(S::Bemerkungen));
          break;
        default:
          b.einheiten = {WerteZeile(
              {{wp::Versaeumt, satz_.Lies(S::VersaeumteStunden)}, {wp::Entschuldigt, satz_.Lies(S::Entschuldigt)}})};
      }
      if (!b.einheiten.empty()) bloecke.push_back(std::move(b));
    }
    // The closing statements after the texts: each paragraph a block of its own, so that the
    // block gap separates them.
    const TFormatEintrag& vermerk = w_[wp::Vermerk];
    if (Aktiv(vermerk)) {
      for (const std::string& absatz : ausstattung_.Vermerke.Fuer(typ_)) {
        const std::string text = FuelleVermerk(absatz, satz_);
        if (!Gefuellt(text)) continue;
        Block b{vermerk.Seite, vermerk.Y + Schub(vermerk), {}, false, {}};
        for (Zeile& z : Umbrochen({Wert(wp::Vermerk, text, rechts_)})) b.einheiten.push_back({std::move(z)});
        bloecke.push_back(std::move(b));
      }
    }
    return bloecke;
  }

  // One line of labelled values: per item its label (label table) and value (value table),
  // each ending before the next piece of the line.
  Einheit WerteZeile(const std::vector<std::pair<std::size_t, std::string>>& werte) const {
    std::vector<Stueck> stuecke;
    for (const auto& [k, text] : werte) {
      if (Aktiv(b_[k])) stuecke.push_back(Bez(k, 0));
      if (Aktiv(w_[k])) stuecke.push_back(Wert(k, text, 0));
    }
    std::stable_sort(stuecke.begin(), stuecke.end(), [](const Stueck& a, const Stueck& b) { return a.x < b.x; });
    for (std::size_t i = 0; i < stuecke.size(); ++i) {
      const bool letztes = i + 1 == stuecke.size();
      stuecke[i].rechts = letztes ? rechts_ : std::max(stuecke[i + 1].x - kSpaltenLuecke, stuecke[i].x + 1);
    }
    if (stuecke.empty()) return {};
    return Umbrochen(stuecke);
  }

  std::vector<Einheit> PersonZeilen() const {
    struct PersonZeile {
      std::vector<std::pair<std::size_t, std::string>> werte;
      bool nurGefuellt;
    };
    const std::vector<PersonZeile> zeilen = {
        {{{wp::Person, Getrimmt(ZeugnisName(satz_))}}, false},
        {{{wp::Geburtsdatum, satz_.Lies(S::Geburtsdatum)}, {wp::Geburtsort, satz_.Lies(S::Geburtsort)}}, false},
        {{{wp::Klasse, satz_.Lies(S::Klasse)}}, false},
        {{{wp::Fachrichtung, satz_.Lies(S::Fachrichtung)}}, true},
        {{{wp::Schwerpunkt, satz_.Lies(S::Schwerpunkt)}}, true},
        {{{wp::Berufsbezeichnung, satz_.Lies(S::Berufsbezeichnung)}}, true},
        {{{wp::Eintritt, satz_.Lies(S::Einschulungsdatum)}, {wp::Austritt, satz_.Lies(S::Ausschulungsdatum)}}, false},
        {{{wp::Durchschnittsnote, satz_.Lies(S::Durchschnittsnote)}}, false},
    };
    std::vector<Einheit> einheiten;
    for (const PersonZeile& z : zeilen) {
      const auto gefuellt = [](const auto& wert) { return Gefuellt(wert.second); };
      if (z.nurGefuellt && std::none_of(z.werte.begin(), z.werte.end(), gefuellt)) continue;
      Einheit e = WerteZeile(z.werte);
      if (!e.empty()) einheiten.push_back(std::move(e));
    }
    return einheiten;
  }

  void FaecherTabelle(Block& b) const {
    const TFormatEintrag& fach = w_[wp::Faecher];
    const TFormatEintrag& bew = w_[wp::Bewertung];
    // The subject column ends before the widest assessment, so that every row wraps alike.
    double breiteste = 0;
    for (const char* code : {"0", "1", "2", "3", "4", "5", "6", "n", "b", "t", "e", "-"}) {
      breiteste = std::max(breiteste, TextBreite(SchriftDefinition(bew.Schrift), BewertungText(code)));
    }
    const int fachRechts = Aktiv(bew)              ? X(bew) - static_cast<int>(breiteste / 2) - kSpaltenLuecke
                           : Aktiv(w_[wp::Zusatz]) ? X(w_[wp::Zusatz]) - kSpaltenLuecke
                                                   : rechts_;

    std::vector<Stueck> kopf;
    for (std::size_t k : {wp::Faecher, wp::Bewertung, wp::Zusatz}) {
      if (Aktiv(b_[k])) kopf.push_back({X(b_[k]), b_[k].Schrift, k == wp::Bewertung, Bezeichnung(k, typ_), 0, k, true});
    }
    if (!kopf.empty()) {
      Zeile z;
      z.texte = kopf;
      if (Aktiv(b_[wp::KopfLinie])) {
        z.regel = true;
        z.regelVon = X(b_[wp::KopfLinie]);
        z.regelBis = rechts_;
        z.regelUnter = b_[wp::KopfLinie].Y;
      }
      b.kopf = {z};
      b.kopfWiederholen = true;
    }

    for (std::size_t i = 0; i < S::FachzeilenAnzahl; ++i) {
      const std::string fachText = satz_.LiesFach(i, TFachZeile::Fach);
      const std::string name = Getrimmt(fachText);
      const std::string lernfeld = Getrimmt(satz_.LiesFach(i, TFachZeile::FachZusatz));
      if (!Gefuellt(name)) continue;  // a placeholder row holds no subject
      const bool ohneName = fachText.starts_with("##");
      if (ohneName && !Gefuellt(lernfeld)) continue;  // nothing of it is printed
      std::vector<Stueck> stuecke;
      stuecke.push_back({X(fach), fach.Schrift, false, ohneName ? lernfeld : name, fachRechts, wp::Faecher, false});
      if (Aktiv(bew)) {
        stuecke.push_back({X(bew), bew.Schrift, true, BewertungText(satz_.LiesFach(i, TFachZeile::Bewertung)), 0,
                           wp::Bewertung, false});
      }
      if (Aktiv(w_[wp::Zusatz])) {
        stuecke.push_back(Wert(wp::Zusatz, Getrimmt(satz_.LiesFach(i, TFachZeile::Zusatz)), rechts_));
      }
      Einheit zeilen = Umbrochen(stuecke);
      if (!ohneName && Gefuellt(lernfeld) && Aktiv(w_[wp::Lernfeld])) {
        for (Zeile& z : Umbrochen({Wert(wp::Lernfeld, lernfeld, fachRechts)})) zeilen.push_back(std::move(z));
      }
      b.einheiten.push_back(std::move(zeilen));
    }
    if (b.einheiten.empty() && !b.kopf.empty()) b.einheiten.push_back({});
  }

  // The heading, then the text; an empty text shows the dashes that close a field.
  void TextBlock(Block& b, std::size_t k, const std::string& text) const {
    if (Aktiv(b_[k])) b.kopf = Umbrochen({Bez(k, rechts_)});
    const std::string inhalt = Gefuellt(text) ? text : Getrimmt(std::string(kLeereZeile));
    for (Zeile& z : Umbrochen({Wert(k, inhalt, rechts_)})) b.einheiten.push_back({std::move(z)});
  }

  // --- the flow onto pages ---

  void NeueSeite() {
    gelegt_.emplace_back();
    y_.reset();
  }

  // The bottom of the unit's first line.
  int Beginn(const Block& b, bool blockAnfang) const {
    const std::size_t seite = gelegt_.size() - 1;
    const int fruehestens = ErsteSeite(b) == seite ? b.y : 0;
    if (!y_) return std::max(fruehestens, seite == 0 ? 0 : static_cast<int>(w_[wp::FolgeAnfang].Y));
    return std::max(fruehestens, *y_ + abstand_ + (blockAnfang ? luecke_ : 0));
  }

  // `kopf`: the head to put before this unit should it move to a new page on its own.
  void Lege(const Einheit& zeilen, int anfang, const std::vector<Zeile>* kopf) {
    letzte_ = Gelegt{gelegt_.size() - 1, gelegt_.back().size(), kopf};
    for (std::size_t j = 0; j < zeilen.size(); ++j) {
      gelegt_.back().push_back({anfang + static_cast<int>(j) * abstand_, zeilen[j]});
    }
    y_ = anfang + static_cast<int>(zeilen.size() - 1) * abstand_;
  }

  void Fliesse(const Block& b) {
    if (gelegt_.empty()) NeueSeite();
    while (gelegt_.size() <= ErsteSeite(b)) NeueSeite();
    const int unterkante = Unterkante();
    for (std::size_t e = 0; e < b.einheiten.size(); ++e) {
      // The block's head goes with its first unit.
      Einheit zeilen = e == 0 ? b.kopf : Einheit{};
      zeilen.insert(zeilen.end(), b.einheiten[e].begin(), b.einheiten[e].end());
      if (zeilen.empty()) continue;
      const std::vector<Zeile>* kopf = e > 0 && b.kopfWiederholen ? &b.kopf : nullptr;
      int anfang = Beginn(b, e == 0);
      if (y_ && anfang + static_cast<int>(zeilen.size() - 1) * abstand_ > unterkante) {
        NeueSeite();
        if (kopf) zeilen.insert(zeilen.begin(), kopf->begin(), kopf->end());
        anfang = Beginn(b, e == 0);
      }
      Lege(zeilen, anfang, kopf);
    }
  }

  // The closing items of the last page need the room below the text. Where the text ends too
  // low, they go onto a new page and take the last unit of text with them, so that they do
  // not stand alone (unless that unit began its page).
  void SchlussPlatz() {
    if (gelegt_.empty()) NeueSeite();
    const int grenze = std::min<int>(Unterkante(), SchlussOben() - luecke_);
    if (!y_ || *y_ <= grenze) return;
    if (!letzte_ || letzte_->ab == 0) {
      NeueSeite();
      return;
    }
    const Gelegt letzte = *letzte_;
    auto& seite = gelegt_.back();
    Einheit zeilen;
    if (letzte.kopf) zeilen = *letzte.kopf;
    for (std::size_t j = letzte.ab; j < seite.size(); ++j) zeilen.push_back(seite[j].second);
    seite.resize(letzte.ab);
    NeueSeite();
    Lege(zeilen, static_cast<int>(w_[wp::FolgeAnfang].Y), nullptr);
  }

  // --- fixed items ---

  static bool AufSeite(const TFormatEintrag& e, std::size_t seite, std::size_t seiten) {
    return Aktiv(e) && WeissSeiteGilt(e.Seite, seite, seiten);
  }

  struct FesterText {
    const TFormatSteuerTabelle* tabelle;
    std::size_t k;
    bool mitte;
    std::string text;
  };

  std::vector<FesterText> FesteTexte(std::size_t seite, std::size_t seiten) const {
    const std::string jahr = "Schuljahr " + satz_.Lies(S::SchuljahrVon) + "/" + satz_.Lies(S::SchuljahrBis);
    std::vector<FesterText> t = {
        {&w_, wp::Schulname, true, kopf_ ? std::string() : schulname_},
        {&w_, wp::Schulart, true, Schulartname(satz_.Schulart())},
        {&w_, wp::Schuljahr, true, jahr},
        {&w_, wp::FolgeName, false, Getrimmt(ZeugnisName(satz_))},
        {&w_, wp::OrtDatum, false, ZeugnisOrtDatum(satz_)},
        {&b_, wp::Titel, true, Bezeichnung(wp::Titel, typ_)},
        {&b_, wp::FolgeName, false, Bezeichnung(wp::FolgeName, typ_)},
        {&b_, wp::UnterschriftLinksText, true, Bezeichnung(wp::UnterschriftLinksText, typ_)},
        {&b_, wp::UnterschriftRechtsText, true, Bezeichnung(wp::UnterschriftRechtsText, typ_)},
        {&b_, wp::SiegelText, true, Bezeichnung(wp::SiegelText, typ_)},
        {&b_, wp::ElternText, true, Bezeichnung(wp::ElternText, typ_)},
        {&b_, wp::ElternBezeichnung, false, Bezeichnung(wp::ElternBezeichnung, typ_)},
        {&b_, wp::Notenschluessel, false, Bezeichnung(wp::Notenschluessel, typ_)},
        {&b_, wp::Seitenzahl, true, "Seite " + std::to_string(seite + 1) + " von " + std::to_string(seiten)},
    };
    return t;
  }

  static constexpr std::size_t kStriche[] = {wp::KopfStrich, wp::FolgeStrich, wp::UnterschriftLinks,
                                             wp::UnterschriftRechts, wp::Eltern};

  // The top of the closing items: the highest text cell, line or frame of the last page.
  int SchlussOben() const {
    int oben = std::numeric_limits<int>::max();
    for (const FesterText& f : FesteTexte(0, 2)) {
      const TFormatEintrag& e = (*f.tabelle)[f.k];
      if (Aktiv(e) && e.Seite == 3) oben = std::min(oben, e.Y - SchriftDefinition(e.Schrift).Hoehe);
    }
    for (std::size_t k : kStriche) {
      if (Aktiv(b_[k]) && b_[k].Seite == 3) oben = std::min<int>(oben, std::min(b_[k].Y, b_[k + 1].Y));
    }
    if (Aktiv(b_[wp::Siegel]) && b_[wp::Siegel].Seite == 3) {
      oben = std::min<int>(oben, std::min(b_[wp::Siegel].Y, b_[wp::Siegel + 1].Y));
    }
    return oben == std::numeric_limits<int>::max() ? oben : oben - hoch_;
  }

  void FesteAngaben(TWeissSeite& s, std::size_t seite, std::size_t seiten) const {
    for (const FesterText& f : FesteTexte(seite, seiten)) {
      const TFormatEintrag& e = (*f.tabelle)[f.k];
      if (AufSeite(e, seite, seiten) && !f.text.empty()) {
        s.Texte.push_back({X(e), Y(e, f.k), e.Schrift, f.mitte, f.text, f.k, f.tabelle == &b_});
      }
    }
    if (kopf_ && AufSeite(w_[wp::Schulname], seite, seiten)) {
      s.Texte.insert(s.Texte.end(), kopf_->texte.begin(), kopf_->texte.end());
      if (kopf_->logo) s.Bilder.push_back(*kopf_->logo);
    }
    const auto x = [&](const TFormatEintrag& e) { return std::min(X(e), rechts_); };
    // A line or frame moves with its first corner's entry.
    const auto y = [&](std::size_t k, const TFormatEintrag& e) {
      return AmFuss(b_[k], k) ? e.Y - hoch_ : e.Y + Schub(b_[k]);
    };
    for (std::size_t k : kStriche) {
      if (AufSeite(b_[k], seite, seiten)) {
        s.Striche.push_back({x(b_[k]), y(k, b_[k]), x(b_[k + 1]), y(k, b_[k + 1]), k, true});
      }
    }
    if (AufSeite(b_[wp::Siegel], seite, seiten)) {
      const TFormatEintrag& a = b_[wp::Siegel];
      const TFormatEintrag& z = b_[wp::Siegel + 1];
      s.Rahmen.push_back({x(a), y(wp::Siegel, a), x(z), y(wp::Siegel, z), wp::Siegel, true});
    }
  }

  // --- the school's head ---

  struct Kopf {
    std::vector<TWeissText> texte;
    std::optional<TWeissBild> logo;
  };

  // The head from SCHULKOPF.TXT and the logo, where there is either: the lines wrapped to the
  // room right of the logo and centred in it (on X of entry 1 without a logo), the logo and
  // the text block centred on each other's height, their top the top of entry 1's first line.
  void PlaneKopf() {
    const TFormatEintrag& e = w_[wp::Schulname];
    kopfY_ = e.Y;
    const TSchulkopf& quelle = ausstattung_.Kopf;
    if (!Aktiv(e) || (quelle.Zeilen.empty() && !quelle.Logo)) return;  // the report name, as it always was
    Kopf kopf;
    int links = 0, logoBreite = 0, logoHoehe = 0;
    if (quelle.Logo && quelle.Logo->Breite > 0 && quelle.Logo->Hoehe > 0) {
      const double seitenverhaeltnis = static_cast<double>(quelle.Logo->Breite) / quelle.Logo->Hoehe;
      const int hoechstensBreit = std::max(rechts_ / 3, 1);
      logoHoehe = kLogoHoehe;
      logoBreite = std::max(1, static_cast<int>(std::lround(kLogoHoehe * seitenverhaeltnis)));
      if (logoBreite > hoechstensBreit) {
        logoBreite = hoechstensBreit;
        logoHoehe = std::max(1, static_cast<int>(std::lround(hoechstensBreit / seitenverhaeltnis)));
      }
      links = logoBreite + kLogoAbstand;
    }
    int mitte = X(e) + links / 2;
    int breite = 2 * std::min(mitte - links, rechts_ - mitte);
    if (breite < rechts_ / 3) {  // entry 1 moved far to one side: the room right of the logo
      mitte = (links + rechts_) / 2;
      breite = rechts_ - links;
    }
    std::vector<std::string> zeilen = quelle.Zeilen;
    if (zeilen.empty() && !schulname_.empty()) zeilen.push_back(schulname_);
    int unten = 0;  // the text block's lines, from its top
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
      const std::uint16_t schrift = i == 0 ? e.Schrift : w_[wp::Schulart].Schrift;
      const TSchriftDefinition s = SchriftDefinition(schrift);
      for (const std::string& teil : UmbrecheNachBreite(zeilen[i], s, std::max(breite, 1))) {
        unten += (kopf.texte.empty() ? 0 : kKopfZeilenLuecke) + s.Hoehe;
        kopf.texte.push_back({mitte, unten, schrift, true, teil, wp::Schulname, false});
      }
    }
    const int textHoehe = unten;
    const int hoehe = std::max(textHoehe, logoHoehe);
    const int oben = e.Y - SchriftDefinition(e.Schrift).Hoehe;
    for (TWeissText& t : kopf.texte) t.Y += oben + (hoehe - textHoehe) / 2;
    if (logoHoehe > 0) {
      const int logoOben = oben + (hoehe - logoHoehe) / 2;
      kopf.logo = TWeissBild{0, logoOben, logoBreite, logoOben + logoHoehe, quelle.Logo->Datei, wp::Schulname, false};
    }
    if (std::max<int>(e.Seite, 1) == 1) schub_ = std::max(0, oben + hoehe - e.Y);
    kopf_ = std::move(kopf);
  }

  // Where the last unit lies: its page, its first line there, the head to repeat.
  struct Gelegt {
    std::size_t seite, ab;
    const std::vector<Zeile>* kopf;
  };

  const TFormatSteuerTabelle& w_;
  const TFormatSteuerTabelle& b_;
  Zeugnistyp typ_;
  const TSeitenRaender& raender_;
  const TSchuelerDatensatz& satz_;
  const std::string& schulname_;
  const TWeissAusstattung& ausstattung_;
  int rechts_ = 0, abstand_ = 50, luecke_ = 0;
  int hoch_ = 0;              // how far the foot of the page moves up
  std::optional<Kopf> kopf_;  // the head from SCHULKOPF.TXT and the logo; none: the report name
  int kopfY_ = 0;             // Y of entry 1
  int schub_ = 0;             // how far the first page below the head moves down
  double faktor_ = 1;
  std::vector<std::vector<std::pair<int, Zeile>>> gelegt_;  // per page: bottom of the line, line
  std::optional<int> y_;                                    // the last line on the current page
  std::optional<Gelegt> letzte_;
};

int Gehalten(std::int64_t wert) {
  constexpr std::int64_t kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(wert, kMin, kMax));
}

void ZeichneSeite(DruckFlaeche& f, const TWeissSeite& seite, const TSeitenRaender& raender) {
  const TSeitenVersatz v = SeitenVersatz(f, raender[seite.Rand]);
  const auto x = [&](int wert) { return Gehalten(std::int64_t{wert} + v.dx); };
  const auto y = [&](int wert) { return Gehalten(-(std::int64_t{wert} + v.dy)); };
  for (const TWeissText& t : seite.Texte) {
    f.SetzeTextausrichtung(t.Zentriert ? Textausrichtung::MitteUnten : Textausrichtung::LinksUnten);
    const TSchriftDefinition s = SchriftDefinition(t.Schrift);
    f.SetzeSchriftart(s.Stil, s.Hoehe, s.Name);
    f.TextAus(x(t.X), y(t.Y), t.Text);
  }
  for (const TWeissStrich& s : seite.Striche) {
    f.BewegeZu(x(s.X1), y(s.Y1));
    f.LinieZu(x(s.X2), y(s.Y2));
  }
  for (const TWeissStrich& r : seite.Rahmen) f.Rechteck(x(r.X1), y(r.Y1), x(r.X2), y(r.Y2));
  for (const TWeissBild& b : seite.Bilder) f.BildAus(x(b.X1), y(b.Y1), x(b.X2), y(b.Y2), b.Datei);
}

}  // namespace

bool WeissSeiteGilt(std::uint16_t seitenwert, std::size_t seite, std::size_t seiten) {
  switch (seitenwert) {
    case 1:
      return seite == 0;
    case 2:
      return seite >= 1;
    case 3:
      return seite + 1 == seiten;
    case 4:
      return seiten > 1;
    default:
      return false;
  }
}

std::vector<TWeissSeite> PlaneWeissesZeugnis(const TWeissTabellen& tabellen, Zeugnistyp typ,
                                             const TSeitenRaender& raender, const TSchuelerDatensatz& satz,
                                             const std::string& schulname, const TWeissAusstattung& ausstattung) {
  return Planer(tabellen, typ, raender, satz, schulname, ausstattung).Plane();
}

int DruckeWeissesZeugnis(const WeissKontext& kontext, const TKlassenDatei& klasse, std::size_t schueler) {
  if (schueler >= klasse.Schueler.size()) return 0;
  const TSchuelerDatensatz& satz = klasse.Schueler[schueler];
  const std::optional<Zeugnistyp> typ = ZeugnistypVon(satz.Zeugnisart());
  if (!typ) return 0;
  const TSeitenRaender raender = ZeugnisRaender(*typ, kontext.druck);
  const TWeissTabellen& tabellen = kontext.tabellen.Fuer(*typ);
  const std::vector<TWeissSeite> seiten =
      PlaneWeissesZeugnis(tabellen, *typ, raender, satz, kontext.schulname, kontext.tabellen.Ausstattung());
  ZeichneWeisseSeiten(kontext.flaeche, seiten, raender);
  return static_cast<int>(seiten.size());
}

void ZeichneWeisseSeiten(DruckFlaeche& flaeche, const std::vector<TWeissSeite>& seiten, const TSeitenRaender& raender) {
  flaeche.SetzeZeichenabstand(0);
  for (std::size_t p = 0; p < seiten.size(); ++p) {
    if (p > 0) flaeche.NeueSeite();
    ZeichneSeite(flaeche, seiten[p], raender);
  }
}

bool DruckeWeissesZeugnisAuftrag(const WeissKontext& kontext, const TKlassenDatei& klasse, std::size_t schueler) {
  if (schueler >= klasse.Schueler.size()) return false;
  const TSchuelerDatensatz& satz = klasse.Schueler[schueler];
  const std::optional<Zeugnistyp> typ = ZeugnistypVon(satz.Zeugnisart());
  if (!typ) return false;
  kontext.tabellen.Fuer(*typ);  // a table file that cannot be written ends the command here
  kontext.tabellen.MeldeWarnungen();
  if (!kontext.flaeche.BeginneDokument(WeissTitel(*typ) + " " + Getrimmt(ZeugnisName(satz)))) return false;
  DruckeWeissesZeugnis(kontext, klasse, schueler);
  return kontext.flaeche.BeendeDokument();
}

}  // namespace velmora
