// The report body, the grade wording and the four report layouts, against a recording
// surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "common/arbeitsverzeichnis.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/fakes.h"
#include "common/vorlagenbeschreibung.h"
#include "print/schriften.h"
#include "reports/drucken1.h"
#include "reports/velmoallgdrk.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AufzeichnendeFlaeche;
using S = TSchuelerDatensatz;
using Aufruf = AufzeichnendeFlaeche::Aufruf;

std::string B(std::size_t n) { return std::string(n, ' '); }
std::string P(std::size_t vor, const std::string& text, std::size_t nach) { return B(vor) + text + B(nach); }

// ---------------------------------------------------------------------------------------
// Grade wording

TEST(BewertungInWorten, DreiTabellenInWortenUndZiffern) {
  // (leading blanks, text, trailing blanks) for widths 17, 21 and 27, codes "1".."6".
  struct Reihe {
    const char* code;
    std::string wort;
    std::array<std::pair<int, int>, 3> worte;
  };
  const std::vector<Reihe> reihen = {
      {"1", "sehr gut", {{{6, 3}, {9, 4}, {11, 8}}}},    {"2", "gut", {{{8, 6}, {11, 7}, {13, 11}}}},
      {"3", "befriedigend", {{{4, 1}, {7, 2}, {9, 6}}}}, {"4", "ausreichend", {{{4, 2}, {7, 3}, {9, 7}}}},
      {"5", "mangelhaft", {{{5, 2}, {8, 3}, {10, 7}}}},  {"6", T("ungenügend"), {{{5, 2}, {8, 3}, {10, 7}}}},
  };
  const std::array<std::int16_t, 3> verlage = {0, 2, 3};
  const std::array<std::pair<int, int>, 3> ziffer = {{{9, 7}, {12, 8}, {14, 12}}};
  for (const Reihe& r : reihen) {
    for (std::size_t t = 0; t < 3; ++t) {
      SCOPED_TRACE(std::string(r.code) + " Verlag " + std::to_string(verlage[t]));
      EXPECT_EQ(BewertungInWorten(r.code, true, verlage[t]), P(r.worte[t].first, r.wort, r.worte[t].second));
      EXPECT_EQ(BewertungInWorten(r.code, false, verlage[t]), P(ziffer[t].first, r.code, ziffer[t].second));
    }
  }
}

TEST(BewertungInWorten, GleicheZeilenInBeidenArtenUndGrossKlein) {
  struct Reihe {
    std::vector<std::string> codes;
    std::string wort;
    std::array<std::pair<int, int>, 3> b;
  };
  const std::vector<Reihe> reihen = {
      {{"n", "N"}, "nicht belegt", {{{4, 1}, {7, 2}, {9, 6}}}},
      {{"b", "B"}, "befreit", {{{6, 4}, {9, 5}, {11, 9}}}},
      {{"t", "T"}, "teilgenommen", {{{4, 1}, {7, 2}, {9, 6}}}},
      {{"e", "E"}, "nicht erteilt", {{{3, 1}, {6, 2}, {8, 6}}}},
      {{"-", "_", "x", "", "7", std::string(1, '\0'), "\xFC"}, "---", {{{8, 6}, {11, 7}, {13, 11}}}},
      {{"0", "o", "O"}, "kann nicht beurteilt werden", {{{0, 0}, {0, 0}, {0, 0}}}},
  };
  const std::array<std::int16_t, 3> verlage = {1, 2, 3};
  for (const Reihe& r : reihen) {
    for (const std::string& code : r.codes) {
      for (std::size_t t = 0; t < 3; ++t) {
        for (bool worte : {true, false}) {
          SCOPED_TRACE("code '" + code + "' Verlag " + std::to_string(verlage[t]));
          EXPECT_EQ(BewertungInWorten(code, worte, verlage[t]), P(r.b[t].first, r.wort, r.b[t].second));
        }
      }
    }
  }
  // Only the first character counts; publishers 0, 4 and out-of-range values use width 17.
  EXPECT_EQ(BewertungInWorten("2x", true, 1), P(8, "gut", 6));
  for (std::int16_t v : {0, 4, 5, -1, 32767}) EXPECT_EQ(BewertungInWorten("1", false, v).size(), 17u);
}

TEST(Streichungen, AnredeUndDrittesFach) {
  EXPECT_EQ(AnredeStreichung(1, 2), B(4) + std::string(8, 'X'));
  EXPECT_EQ(AnredeStreichung(2, 2), "XXX" + B(5) + "XXXX");
  EXPECT_EQ(AnredeStreichung(3, 2), std::string(7, 'X') + B(5));
  EXPECT_EQ(AnredeStreichung(1, 1), B(3) + std::string(7, 'X'));
  EXPECT_EQ(AnredeStreichung(2, 0), "XX" + B(4) + "XXXX");
  EXPECT_EQ(AnredeStreichung(3, 4), std::string(5, 'X') + B(5));
  for (std::int16_t a : {0, 4, -1, 32767}) {
    EXPECT_EQ(AnredeStreichung(a, 2), B(10));
    EXPECT_EQ(AnredeStreichung(a, 1), B(10));
  }
  EXPECT_EQ(FachStreichung("Philosophie"), std::string(5, 'X') + B(7));
  for (const char* f : {"philosophie", "Philosophie ", "Religion", ""}) EXPECT_EQ(FachStreichung(f), B(6) + "XXXXXX");
}

TEST(FormularSeite, TextUndAntwortUeberDieMeldungen) {
  const std::string text = FormularSeitenText("Halbjahreszeugnis der Berufsschule", "Erika Muster", "2 + 3", "3");
  EXPECT_EQ(text, T("Druck auf Formular: Halbjahreszeugnis der Berufsschule\r für: Erika Muster\r -- Seite(n) 2 + 3 "
                    "von 3 --"));
  test::FakeMeldungen m;
  MeldungsSeitenAbfrage abfrage(m);
  m.antworten = {Antwort::Ok, Antwort::Abbrechen};
  EXPECT_TRUE(FrageFormularSeite(abfrage, "F", "N", "1", "2"));
  EXPECT_FALSE(FrageFormularSeite(abfrage, "F", "N", "2", "2"));
  ASSERT_EQ(m.protokoll.size(), 2u);
  EXPECT_EQ(m.protokoll[0].art, MeldungsArt::Information);
  EXPECT_EQ(m.protokoll[0].knoepfe, Knoepfe::OkAbbrechen);
}

TEST(ZeugnisName, GrenzenFuerNameUndOrt) {
  S s;
  s.Setze(S::Vornamen, std::string(25, 'V'));  // 25 characters without a blank
  s.Setze(S::Name, std::string(25, 'N'));
  EXPECT_EQ(ZeugnisName(s), std::string(25, 'V') + " " + std::string(25, 'N'));
  s.Setze(S::Zeugnisort, std::string(25, 'O'));
  s.Setze(S::Zeugnisdatum, "31.01.2025");
  EXPECT_EQ(ZeugnisOrtDatum(s), std::string(25, 'O') + ", 31.01.2025");
  // Length bytes beyond the field are read as the field's maximum.
  s.bytes[S::Vornamen.offset] = 255;
  s.bytes[S::Zeugnisort.offset] = 255;
  EXPECT_LE(ZeugnisName(s).size(), 51u);
  EXPECT_LE(ZeugnisOrtDatum(s).size(), 37u);
}

// ---------------------------------------------------------------------------------------
// The layouts through a recording surface

// The printer's unprintable border: 100 px at 600 dpi across (42.33 -> 42), 150 px at
// 600 dpi down (63.5 -> 64, half to even).
constexpr int kRandX = 42;
constexpr int kRandY = 64;

class Zeugnislayout : public test::ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    flaeche.faehigkeiten.SeitenOffsetX = 100;
    flaeche.faehigkeiten.PixelProZollX = 600;
    flaeche.faehigkeiten.SeitenOffsetY = 150;
    flaeche.faehigkeiten.PixelProZollY = 600;
    for (std::size_t i = 0; i < kRandAnzahl; ++i) druck.Raender[i] = static_cast<std::int32_t>(1000 + 10 * i);
    druck.AlleInWorten = 0;
    druck.Druckart = 1;
    druck.NurInnen = 0;
    S& s = klasse.Schueler[3];
    s.Setze(S::Name, "Muster");
    s.Setze(S::Vornamen, "Erika");
    s.SetzeAnrede(2);
    s.SetzeSchulart(0);
    s.SetzeZeugnisart(1);
    s.Setze(S::Geburtsdatum, "01.02.2005");
    s.Setze(S::Geburtsort, T("Köln"));
    s.Setze(S::Wohnort, "Bonn");
    s.Setze(S::Klasse, "BS 11a");
    s.Setze(S::SchuljahrVon, "2024");
    s.Setze(S::SchuljahrBis, "2025");
    s.Setze(S::Hinweise, "Erika arbeitet stets sorgfältig mit.");
    s.Setze(S::Bemerkungen, "Keine.");
    s.Setze(S::VersaeumteStunden, "12");
    s.Setze(S::Entschuldigt, "10");
    s.Setze(S::Einschulungsdatum, "01.08.2023");
    s.Setze(S::Ausschulungsdatum, "31.07.2026");
    s.Setze(S::Zeugnisort, "Bonn");
    s.Setze(S::Zeugnisdatum, "31.01.2025");
    Fach(0, "Deutsch", "", "2", "");
    Fach(1, "Englisch", "", "0", "");
    Fach(2, "Philosophie", "", "1", "");
    Fach(3, "Sport", "", "b", "");
    Fach(4, "##Lernfelder", T("LF 1 Geschäftsprozesse"), "3", "ab");
    Fach(5, "Wirtschaft", "LF 2 Beschaffung", "4", "*");
    Fach(6, "##leer", "       ", "1", "");
    Fach(7, "Mathematik", "", "x", "");
    for (std::size_t i = 8; i < 18; ++i) Fach(i, "Fach " + std::to_string(i), "", "5", "");
  }

  void Fach(std::size_t i, const std::string& fach, const std::string& lf, const std::string& bew,
            const std::string& zusatz) {
    S& s = klasse.Schueler[3];
    s.SetzeFach(i, TFachZeile::Fach, fach);
    s.SetzeFach(i, TFachZeile::FachZusatz, lf);
    s.SetzeFach(i, TFachZeile::Bewertung, bew);
    s.SetzeFach(i, TFachZeile::Zusatz, zusatz);
  }

  ZeugnisUmgebung Umgebung() { return {flaeche, meldungen, abfrage, druck, verlag, "Berufsschule Nord", puffer}; }

  // Margin of page p (1-based) of margin grid row `zeile`, as the test set it up.
  int Links(int zeile, int p) const { return druck.Raender[ErsterRand(zeile) + 2 * (p - 1)]; }
  int Oben(int zeile, int p) const { return druck.Raender[ErsterRand(zeile) + 2 * (p - 1) + 1]; }

  // The texts of job j (0-based).
  std::vector<Aufruf> Auftrag(std::size_t j) const {
    std::vector<Aufruf> texte;
    std::size_t job = 0;
    bool drin = false;
    for (const Aufruf& a : flaeche.aufrufe) {
      if (a.art == AufzeichnendeFlaeche::Art::BeginneDokument) drin = true;
      if (a.art == AufzeichnendeFlaeche::Art::BeendeDokument) {
        drin = false;
        ++job;
      }
      if (drin && job == j && a.art == AufzeichnendeFlaeche::Art::Text) texte.push_back(a);
    }
    return texte;
  }
  std::size_t Auftraege() const { return flaeche.Nur(AufzeichnendeFlaeche::Art::BeginneDokument).size(); }

  static const Aufruf* Finde(const std::vector<Aufruf>& texte, const std::string& text) {
    auto it = std::find_if(texte.begin(), texte.end(), [&](const Aufruf& a) { return a.text == text; });
    return it == texte.end() ? nullptr : &*it;
  }

  // Asserts that `text` is drawn in job j at X, Y of a page with margins (links, oben), in
  // font `schrift`.
  void ErwarteBei(std::size_t j, const std::string& text, int links, int oben, int x, int y, std::uint16_t schrift) {
    SCOPED_TRACE("'" + text + "'");
    const auto texte = Auftrag(j);
    const Aufruf* a = Finde(texte, text);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->x, links + x - kRandX);
    EXPECT_EQ(a->y, -(oben - kRandY + y));
    const TSchriftDefinition d = SchriftDefinition(schrift);
    EXPECT_EQ(a->schrift, (AufzeichnendeFlaeche::Schrift{d.Stil, d.Hoehe, d.Name}));
  }

  TKlassenDatei klasse;
  TDruckEinstellungen druck;
  std::int16_t verlag = 0;
  AufzeichnendeFlaeche flaeche;
  test::FakeMeldungen meldungen;
  test::SkriptSeitenAbfrage abfrage;
  TZeilenpuffer puffer;
};

TEST_F(Zeugnislayout, HalbjahrVerlag0SeiteEinsUndZweiAnIhrenPlaetzen) {
  DruckeHalbjahreszeugnis(Umgebung(), klasse, 3);
  ASSERT_EQ(Auftraege(), 2u);
  EXPECT_EQ(flaeche.AusserhalbDokument(), 0);
  EXPECT_TRUE(flaeche.Nur(AufzeichnendeFlaeche::Art::NeueSeite).empty());
  const int l1 = Links(0, 1), o1 = Oben(0, 1), l2 = Links(0, 2), o2 = Oben(0, 2);
  // Page 1.
  ErwarteBei(0, "Berufsschule Nord", l1, o1, 850, 165, 20);
  EXPECT_EQ(Finde(Auftrag(0), "Berufsschule Nord")->ausrichtung, Textausrichtung::MitteUnten);
  ErwarteBei(0, "Erika Muster", l1, o1, 220, 1600, 1);
  EXPECT_EQ(Finde(Auftrag(0), "Erika Muster")->ausrichtung, Textausrichtung::LinksUnten);
  ErwarteBei(0, "XX    XXXX", l1, o1, 40, 1525, 1);
  ErwarteBei(0, "01.02.2005", l1, o1, 220, 1685, 1);
  ErwarteBei(0, T("Köln"), l1, o1, 600, 1685, 1);
  ErwarteBei(0, "BS 11a", l1, o1, 890, 1770, 1);
  ErwarteBei(0, "2024", l1, o1, 330, 1770, 1);
  ErwarteBei(0, "2025", l1, o1, 430, 1770, 1);
  ErwarteBei(0, "Erika arbeitet stets sorgfältig mit.", l1, o1, 50, 2025, 1);
  ErwarteBei(0, "12", l1, o1, 500, 2450, 1);
  ErwarteBei(0, "10", l1, o1, 1100, 2450, 1);
  EXPECT_EQ(Finde(Auftrag(0), "Bonn"), nullptr) << "Wohnort has no active entry";
  // The notes take all their 12 lines at a pitch of 8.5 mm, empty ones too.
  const auto seite1 = Auftrag(0);
  const int hinweisX = l1 + 50 - kRandX;
  const auto hinweise = std::count_if(seite1.begin(), seite1.end(), [&](const Aufruf& a) { return a.x == hinweisX; });
  EXPECT_EQ(hinweise, 12);
  EXPECT_TRUE(std::any_of(seite1.begin(), seite1.end(), [&](const Aufruf& a) {
    return a.x == hinweisX && a.y == -(o1 - kRandY + 2025 + 11 * 85) && a.text.empty();
  }));
  // Page 2: names, digits (AlleInWorten 0), the "##" row, the learning field of its own.
  ErwarteBei(1, "Erika Muster", l2, o2, 300, 165, 1);
  ErwarteBei(1, P(9, "2", 7), l2, o2, 950, 410, 1);                   // Deutsch, row 0
  ErwarteBei(1, "kann nicht beurteilt werden", l2, o2, 950, 500, 1);  // Englisch, row 1
  ErwarteBei(1, "Philosophie", l2, o2, 290, 585, 1);                  // third subject, row 2
  ErwarteBei(1, P(6, "befreit", 4), l2, o2, 950, 665, 1);             // Sport, row 3
  ErwarteBei(1, T("LF 1 Geschäftsprozesse"), l2, o2, 150, 840, 23);   // "##" row 4
  ErwarteBei(1, "ab", l2, o2, 1500, 840, 3);
  ErwarteBei(1, "Wirtschaft", l2, o2, 50, 925, 21);  // row 5
  ErwarteBei(1, P(9, "4", 7), l2, o2, 950, 925, 1);
  ErwarteBei(1, "LF 2 Beschaffung", l2, o2, 150, 1010, 23);  // its learning field, row 6
  // Row 7 stays empty for "##leer"; Mathematik comes in row 8 with the dash.
  ErwarteBei(1, "Mathematik", l2, o2, 50, 1180, 21);
  ErwarteBei(1, "Keine.", l2, o2, 50, 1600, 1);
  ErwarteBei(1, "Bonn, 31.01.2025", l2, o2, 50, 1945, 1);
  const auto seite2 = Auftrag(1);
  EXPECT_EQ(Finde(seite2, "Deutsch"), nullptr) << "subject entry of row 0 is inactive";
  EXPECT_EQ(Finde(seite2, "##Lernfelder"), nullptr);
  EXPECT_EQ(Finde(seite2, "##leer"), nullptr);
  // Dash texts: beside the two learning fields (rows 4 and 6) and for Mathematik (row 8).
  const std::string strich = P(8, "---", 6);
  std::vector<int> strichY;
  for (const Aufruf& a : seite2)
    if (a.text == strich) strichY.push_back(-(a.y) - (o2 - kRandY));
  EXPECT_EQ(strichY, (std::vector<int>{840, 1010, 1180}));
  // Rows 0..11 only: subjects up to "Fach 10" (row 11 = 1430), nothing beyond.
  ErwarteBei(1, "Fach 10", l2, o2, 50, 1430, 21);
  EXPECT_EQ(Finde(seite2, "Fach 11"), nullptr);
  // "kann nicht beurteilt werden" alone is narrowed by 0.4 mm per character.
  for (const Aufruf& a : seite2) {
    EXPECT_EQ(a.zeichenabstand, a.text == "kann nicht beurteilt werden" ? -4 : 0) << a.text;
  }
}

TEST_F(Zeugnislayout, Verlag1StreichtDasDritteFachUndLegtSeineTabelleAn) {
  verlag = 1;
  DruckeHalbjahreszeugnis(Umgebung(), klasse, 3);
  ASSERT_TRUE(fs::exists("1BS_HJ.FST"));
  EXPECT_FALSE(fs::exists("BS_HJ.FST"));
  ErwarteBei(1, std::string(5, 'X') + B(7), Links(0, 2), Oben(0, 2), 290, 585, 1);
  EXPECT_EQ(Finde(Auftrag(1), "Philosophie"), nullptr);
  ASSERT_EQ(abfrage.texte.size(), 2u);
  EXPECT_EQ(abfrage.texte[0],
            FormularSeitenText("Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)", "Erika Muster", "1", "2"));
  EXPECT_EQ(abfrage.texte[1],
            FormularSeitenText("Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)", "Erika Muster", "2", "2"));
  // Any other third subject is struck the other way.
  Fach(2, "Religion", "", "1", "");
  flaeche.aufrufe.clear();
  DruckeHalbjahreszeugnis(Umgebung(), klasse, 3);
  ErwarteBei(1, B(6) + "XXXXXX", Links(0, 2), Oben(0, 2), 290, 585, 1);
}

TEST_F(Zeugnislayout, Verlag2BreiteTabelleAnredeUndJahreszeugnisMitFuenfBemerkungszeilen) {
  verlag = 2;
  klasse.Schueler[3].SetzeAnrede(1);
  klasse.Schueler[3].SetzeZeugnisart(2);
  klasse.Schueler[3].Setze(S::Bemerkungen, std::string(80, 'a') + " " + std::string(70, 'b'));
  DruckeJahreszeugnis(Umgebung(), klasse, 3);
  ASSERT_TRUE(fs::exists("2BS_EJ.FST"));
  ASSERT_EQ(Auftraege(), 2u);
  const int l1 = Links(1, 1), o1 = Oben(1, 1), l2 = Links(1, 2), o2 = Oben(1, 2);
  EXPECT_EQ(Finde(Auftrag(0), B(4) + std::string(8, 'X')), nullptr) << "entry 4 is inactive in the year table";
  ErwarteBei(0, "Berufsschule Nord", l1, o1, 920, 290, 20);
  ErwarteBei(0, "Erika Muster", l1, o1, 450, 920, 1);
  ErwarteBei(1, "Deutsch", l2, o2, 50, 375, 22);
  ErwarteBei(1, P(12, "2", 8), l2, o2, 1275, 375, 1);
  ErwarteBei(1, "Philosophie", l2, o2, 50, 540, 22);
  ErwarteBei(1, P(9, "befreit", 5), l2, o2, 1275, 625, 1);
  ErwarteBei(1, "*", l2, o2, 1800, 795, 1);
  // Remarks: a word of 80 characters does not fit 79, so the wrap ends; five lines printed.
  const auto seite2 = Auftrag(1);
  const int x86 = l2 + 50 - kRandX;
  std::vector<int> ys;
  for (const Aufruf& a : seite2)
    if (a.x == x86 && a.y <= -(o2 - kRandY + 1515)) ys.push_back(a.y);
  EXPECT_EQ(ys.size(), 5u);
  // The same student with the address pattern of publisher 2 on the half-year report.
  flaeche.aufrufe.clear();
  DruckeHalbjahreszeugnis(Umgebung(), klasse, 3);
  ErwarteBei(0, B(4) + std::string(8, 'X'), Links(0, 1), Oben(0, 1), 40, 1525, 1);
  ErwarteBei(1, P(11, "---", 7), Links(0, 2), Oben(0, 2), 950, 840, 1);  // first dash: row 4
}

TEST_F(Zeugnislayout, AbgangUndAbschlussInWortenAufDreiSeiten) {
  for (std::int16_t v : {0, 1, 2}) {
    SCOPED_TRACE(v);
    verlag = v;
    flaeche.aufrufe.clear();
    klasse.Schueler[3].SetzeZeugnisart(4);
    DruckeAbgangszeugnis(Umgebung(), klasse, 3);
    ASSERT_EQ(Auftraege(), 3u);
    const int l2 = Links(3, 2), o2 = Oben(3, 2), l3 = Links(3, 3), o3 = Oben(3, 3);
    ErwarteBei(0, "Berufsschule Nord", Links(3, 1), Oben(3, 1), 850, 290, 20);
    ErwarteBei(1, "Erika Muster", l2, o2, 450, 160, 1);
    ErwarteBei(1, "01.08.2023", l2, o2, 450, 545, 1);
    ErwarteBei(1, "31.07.2026", l2, o2, 1225, 545, 1);
    ErwarteBei(2, "Erika Muster", l3, o3, 450, 160, 1);
    const std::string gut = v == 2 ? P(11, "gut", 7) : P(8, "gut", 6);
    ErwarteBei(2, gut, l3, o3, 1300, 375, 1);
    ErwarteBei(2, "Bonn, 31.01.2025", l3, o3, 450, 2235, 1);
    // 13 rows (last row 12), but the built-in table leaves row 12 inactive.
    ErwarteBei(2, "Fach 10", l3, o3, 50, 1305, 22);
    EXPECT_EQ(Finde(Auftrag(2), "Fach 11"), nullptr);
    EXPECT_EQ(Finde(Auftrag(2), v == 1 ? "Philosophie" : "XXXXX       "), nullptr);
    EXPECT_TRUE(fs::exists(ZeugnisDateiname(Zeugnistyp::Abgang, v)));

    flaeche.aufrufe.clear();
    klasse.Schueler[3].SetzeZeugnisart(5);
    DruckeAbschlusszeugnis(Umgebung(), klasse, 3);
    ASSERT_EQ(Auftraege(), 3u);
    const int m2l = Links(4, 2), m2o = Oben(4, 2), m3l = Links(4, 3), m3o = Oben(4, 3);
    ErwarteBei(1, v == 2 ? "XXX     XXXX" : "XX    XXXX", m2l, m2o, 35, 110, 1);
    ErwarteBei(1, "Erika Muster", m2l, m2o, 250, 250, 1);
    ErwarteBei(1, "BS 11a", m2l, m2o, 400, 760, 1);
    ErwarteBei(2, gut, m3l, m3o, 950, 590, 1);
    ErwarteBei(2, "Wirtschaft", m3l, m3o, 50, 1180, 21);
    ErwarteBei(2, "LF 2 Beschaffung", m3l, m3o, 150, 1260, 23);
    ErwarteBei(2, "Mathematik", m3l, m3o, 50, 1430, 21);
    ErwarteBei(2, "Bonn, 31.01.2025", m3l, m3o, 50, 2285, 1);
    if (v == 1) ErwarteBei(2, "XXXXX       ", m3l, m3o, 290, 755, 1);
  }
}

// ---------------------------------------------------------------------------------------
// Page sequences

TEST_F(Zeugnislayout, ZweiseitigeFormulareFragenZweimalAuchBeiDruckart2) {
  for (std::int16_t art : {1, 2}) {
    druck.Druckart = art;
    flaeche.aufrufe.clear();
    abfrage.texte.clear();
    abfrage.antworten = {false, true};
    DruckeHalbjahreszeugnis(Umgebung(), klasse, 3);
    ASSERT_EQ(abfrage.texte.size(), 2u);
    EXPECT_NE(abfrage.texte[1].find("Seite(n) 2 von 2"), std::string::npos);
    ASSERT_EQ(Auftraege(), 1u) << "page 1 cancelled, page 2 printed";
    EXPECT_NE(Finde(Auftrag(0), "Keine."), nullptr);
    EXPECT_EQ(Finde(Auftrag(0), "BS 11a"), nullptr);
  }
}

TEST_F(Zeugnislayout, DreiseitigeFolgenNachDruckartUndNurInnen) {
  struct Fall {
    std::int16_t art, innen;
    std::vector<std::string> labels;
  };
  const std::vector<Fall> faelle = {
      {1, 0, {"1", "2", "3"}}, {1, 1, {"2", "3"}}, {2, 0, {"(4 +) 1", "2 + 3"}}, {2, 1, {"2 + 3"}}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::to_string(f.art) + "/" + std::to_string(f.innen));
    druck.Druckart = f.art;
    druck.NurInnen = f.innen;
    abfrage.texte.clear();
    flaeche.aufrufe.clear();
    DruckeAbschlusszeugnis(Umgebung(), klasse, 3);
    ASSERT_EQ(abfrage.texte.size(), f.labels.size());
    for (std::size_t i = 0; i < f.labels.size(); ++i) {
      EXPECT_EQ(abfrage.texte[i],
                FormularSeitenText("Abschlusszeugnis der Berufsschule", "Erika Muster", f.labels[i], "3"));
    }
    EXPECT_EQ(Auftraege(), f.labels.size());
  }
}

TEST_F(Zeugnislayout, AbgelehnterDruckauftragBeendetDieSeitenfolge) {
  flaeche.dokumentAblehnen = true;
  // Two-page form: page 1 confirmed, its job refused; the page-2 prompt does not come.
  DruckeHalbjahreszeugnis(Umgebung(), klasse, 3);
  EXPECT_EQ(abfrage.texte.size(), 1u);
  // Page 1 cancelled: the refusal of the page-2 job is the last thing that happens.
  abfrage.texte.clear();
  abfrage.antworten = {false};
  DruckeJahreszeugnis(Umgebung(), klasse, 3);
  EXPECT_EQ(abfrage.texte.size(), 2u);
  // Three-page forms, both print modes: the first confirmed job's refusal ends the sequence.
  for (std::int16_t art : {1, 2}) {
    SCOPED_TRACE(art);
    druck.Druckart = art;
    abfrage.texte.clear();
    DruckeAbgangszeugnis(Umgebung(), klasse, 3);
    EXPECT_EQ(abfrage.texte.size(), 1u);
  }
  druck.Druckart = 1;
  abfrage.texte.clear();
  abfrage.antworten = {false};
  DruckeAbschlusszeugnis(Umgebung(), klasse, 3);
  EXPECT_EQ(abfrage.texte.size(), 2u) << "page 1 cancelled, page 2 refused: no page-3 prompt";
  EXPECT_TRUE(flaeche.Nur(AufzeichnendeFlaeche::Art::Text).empty());
}

TEST_F(Zeugnislayout, NichtAbgeschlossenerAuftragBeendetDieSeitenfolgeAuch) {
  flaeche.abschlussScheitert = true;
  DruckeHalbjahreszeugnis(Umgebung(), klasse, 3);
  EXPECT_EQ(abfrage.texte.size(), 1u) << "the page-2 prompt does not come after a failed page 1";
  EXPECT_FALSE(flaeche.Nur(AufzeichnendeFlaeche::Art::Text).empty()) << "page 1 was drawn";
}

TEST_F(Zeugnislayout, Druckart2VerschiebtNurImEigenenAuftrag) {
  druck.Druckart = 2;
  druck.NurInnen = 0;
  abfrage.antworten = {true, true};
  DruckeAbgangszeugnis(Umgebung(), klasse, 3);
  ASSERT_EQ(Auftraege(), 2u);
  // Job 1: page 1 210 mm right of its margin.
  ErwarteBei(0, "Berufsschule Nord", Links(3, 1) + 2100, Oben(3, 1), 850, 290, 20);
  // Job 2: page 2 at its margin, page 3 210 mm right of its own, on one sheet.
  ErwarteBei(1, "01.08.2023", Links(3, 2), Oben(3, 2), 450, 545, 1);
  ErwarteBei(1, "Bonn, 31.01.2025", Links(3, 3) + 2100, Oben(3, 3), 450, 2235, 1);
  EXPECT_TRUE(flaeche.Nur(AufzeichnendeFlaeche::Art::NeueSeite).empty());
  // Both side-by-side jobs ask for A3 landscape, so that the shifted page is on the paper.
  for (const Aufruf& a : flaeche.Nur(AufzeichnendeFlaeche::Art::BeginneDokument)) {
    EXPECT_EQ(a.blatt, Blattformat::A3Quer);
  }
  // A second call starts from the stored margins again; cancel the outside, confirm inside.
  flaeche.aufrufe.clear();
  abfrage.antworten = {false, true};
  DruckeAbgangszeugnis(Umgebung(), klasse, 3);
  ASSERT_EQ(Auftraege(), 1u);
  ErwarteBei(0, "Bonn, 31.01.2025", Links(3, 3) + 2100, Oben(3, 3), 450, 2235, 1);
  // Druckart 1 afterwards: no shift at all.
  druck.Druckart = 1;
  flaeche.aufrufe.clear();
  abfrage.antworten = {false, false, true};
  DruckeAbgangszeugnis(Umgebung(), klasse, 3);
  ASSERT_EQ(Auftraege(), 1u);
  ErwarteBei(0, "Bonn, 31.01.2025", Links(3, 3), Oben(3, 3), 450, 2235, 1);
  EXPECT_EQ(flaeche.Nur(AufzeichnendeFlaeche::Art::BeginneDokument)[0].blatt, Blattformat::A4Hoch);
}

TEST_F(Zeugnislayout, AndereDruckartDrucktNichtsLegtAberDieTabelleAn) {
  for (std::int16_t art : {0, 3, 4, -1, 5, 32767}) {
    druck.Druckart = art;
    DruckeJahreszeugnis(Umgebung(), klasse, 3);
    DruckeAbgangszeugnis(Umgebung(), klasse, 3);
  }
  EXPECT_TRUE(abfrage.texte.empty());
  EXPECT_TRUE(flaeche.aufrufe.empty());
  EXPECT_TRUE(fs::exists("BS_EJ.FST"));
  EXPECT_TRUE(fs::exists("BS_ABG.FST"));
}

// ---------------------------------------------------------------------------------------
// Created table files, built here from the layouts as the forms need them

std::string Inhalt(const std::string& datei) {
  const Bytes b = test::LiesDatei(datei);
  return std::string(b.begin(), b.end());
}

// The 702 lines of a table file as the file format describes them.
std::string DateiText(const std::string& titel, const TFormatSteuerTabelle& t) {
  std::string s = titel + "\r\n=============\r\n";
  for (std::size_t k = 0; k < 100; ++k) {
    const TFormatEintrag& e = t[k];
    for (unsigned v :
         {unsigned(k), unsigned(e.X), unsigned(e.Y), unsigned(e.Schrift), unsigned(e.Seite), unsigned(e.Drucken)}) {
      s += std::to_string(v) + "\r\n";
    }
    s += "- - - - -\r\n";
  }
  return s;
}

// Each report's table is the one tests/daten/vorlagen.txt describes, for every publisher,
// and a missing file is created with it under the publisher's name and title.
TEST_F(Zeugnislayout, AngelegteTabellenEntsprechenDerBeschreibung) {
  struct Fall {
    Zeugnistyp typ;
    const char* beschreibung;
    std::int16_t verlag;
    const char* datei;
    const char* titel;
  };
  const Fall faelle[] = {
      {Zeugnistyp::Halbjahr, "HJ", 1, "1BS_HJ.FST", "Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)"},
      {Zeugnistyp::Jahr, "EJ", 2, "2BS_EJ.FST", "Jahreszeugnis der Berufsschule (032162)"},
      {Zeugnistyp::Abgang, "ABG", 0, "BS_ABG.FST", "Abgangszeugnis der Berufsschule"},
      {Zeugnistyp::Abschluss, "ABS", 4, "4BS_ABS.FST", "Abschlusszeugnis der Berufsschule"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.datei);
    const TFormatSteuerTabelle erwartet = test::BeschriebeneTabelle(f.beschreibung);
    for (std::int16_t v : {0, 1, 2, 3, 4, 9}) EXPECT_EQ(ZeugnisVorlage(f.typ, v).Tabelle, erwartet) << v;
    verlag = f.verlag;
    klasse.Schueler[3].SetzeZeugnisart(f.typ == Zeugnistyp::Halbjahr ? 1 : f.typ == Zeugnistyp::Jahr ? 2 : 4);
    DruckeZeugnis(f.typ, Umgebung(), klasse, 3);
    const std::string ist = Inhalt(f.datei);
    EXPECT_EQ(std::count(ist.begin(), ist.end(), '\n'), 702);
    EXPECT_EQ(ist, DateiText(f.titel, erwartet));
  }
}

TEST(ZeugnisVorlagen, DateinamenUndTitelJeVerlag) {
  EXPECT_EQ(ZeugnisDateiname(Zeugnistyp::Halbjahr, 0), "BS_HJ.FST");
  EXPECT_EQ(ZeugnisDateiname(Zeugnistyp::Jahr, 3), "3BS_EJ.FST");
  EXPECT_EQ(ZeugnisDateiname(Zeugnistyp::Abgang, 4), "4BS_ABG.FST");
  EXPECT_EQ(ZeugnisDateiname(Zeugnistyp::Abschluss, 5), "BS_ABS.FST");
  EXPECT_EQ(ZeugnisDateiname(Zeugnistyp::Abschluss, -1), "BS_ABS.FST");
  EXPECT_EQ(ZeugnisVorlage(Zeugnistyp::Halbjahr, 2).Titel, "Halbjahreszeugnis der Berufsschule");
  EXPECT_EQ(ZeugnisVorlage(Zeugnistyp::Jahr, 1).Titel, "Jahreszeugnis der Berufsschule bsn-Nr.510 80 (05/98)");
  EXPECT_EQ(ZeugnisVorlage(Zeugnistyp::Jahr, 4).Titel, "Jahreszeugnis der Berufsschule");
  EXPECT_EQ(ZeugnisVorlage(Zeugnistyp::Abgang, 1).Titel, "Abgangszeugnis der Berufsschule bsn-Nr.510 81 (05/98)");
  EXPECT_EQ(ZeugnisVorlage(Zeugnistyp::Abgang, 2).Titel, "Abgangszeugnis der Berufsschule Kohlhammer 032160");
  EXPECT_EQ(ZeugnisVorlage(Zeugnistyp::Abgang, 3).Titel, "Abgangszeugnis der Berufsschule");
  EXPECT_EQ(ZeugnisVorlage(Zeugnistyp::Abgang, 7).Titel, "Abgangszeugnis der Berufsschule bsn-Nr.510 81 (05/98)");
  EXPECT_EQ(ZeugnisVorlage(Zeugnistyp::Abschluss, 1).Titel, "Abschlusszeugnis der Berufsschule bsn-Nr.510 82 (05/98)");
  EXPECT_EQ(ZeugnisVorlage(Zeugnistyp::Abschluss, 2).Titel, "Abschlusszeugnis der Berufsschule");
  EXPECT_EQ(ZeugnisZaehlerFuer(Zeugnistyp::Jahr, 2), (ZeugnisZaehler{11, 12, 5, 79, 85}));
  EXPECT_EQ(ZeugnisZaehlerFuer(Zeugnistyp::Jahr, 1), (ZeugnisZaehler{11, 12, 3, 74, 85}));
  EXPECT_EQ(ZeugnisZaehlerFuer(Zeugnistyp::Abgang, 0), (ZeugnisZaehler{12, 12, 3, 74, 85}));
}

TEST_F(Zeugnislayout, VorhandeneTabelleGibtIhrenTitelUndIhreEintraege) {
  TFormatSteuerTabelle t = ZeugnisVorlage(Zeugnistyp::Halbjahr, 0).Tabelle;
  t[59] = {150, 1500, 23, 2, 1};   // learning field of the row after the last one
  t[5] = {60000, 60000, 1, 1, 1};  // far off the paper
  SchreibeFormatSteuerTabelle("BS_HJ.FST", t, "Eigenes Formular");
  Fach(10, "Fach 10", "LF 9 Nachlauf", "2", "");
  DruckeHalbjahreszeugnis(Umgebung(), klasse, 3);
  ASSERT_EQ(abfrage.texte.size(), 2u);
  EXPECT_EQ(abfrage.texte[0].find(T("Druck auf Formular: Eigenes Formular\r für: Erika Muster")), 0u);
  ErwarteBei(0, "Erika Muster", Links(0, 1), Oben(0, 1), 60000, 60000, 1);
  // "Fach 10" takes the last row (11); its learning field follows on row 12's entry 59.
  ErwarteBei(1, "Fach 10", Links(0, 2), Oben(0, 2), 50, 1430, 21);
  ErwarteBei(1, "LF 9 Nachlauf", Links(0, 2), Oben(0, 2), 150, 1500, 23);
  EXPECT_EQ(Finde(Auftrag(1), "Fach 11"), nullptr);
}

// ---------------------------------------------------------------------------------------
// Bad input

TEST_F(Zeugnislayout, UnschreibbareTabelleDrucktNichts) {
  fs::create_directory("BS_ABS.FST");  // a directory where the file should go
  EXPECT_THROW(DruckeAbschlusszeugnis(Umgebung(), klasse, 3), EAFehler);
  EXPECT_TRUE(abfrage.texte.empty());
  EXPECT_TRUE(flaeche.aufrufe.empty());
}

TEST_F(Zeugnislayout, BeliebigeBytesImDatensatzUndRiesigeRaender) {
  // Every byte of the record set, texts without a closing zero, codes 0 in the grades.
  for (int fuellung : {0x00, 0xFF, 0x23, 0x30}) {
    SCOPED_TRACE(fuellung);
    klasse.Schueler[3].bytes.fill(static_cast<std::uint8_t>(fuellung));
    druck.Raender.fill(fuellung == 0xFF ? std::numeric_limits<std::int32_t>::max()
                                        : std::numeric_limits<std::int32_t>::min());
    druck.MitEinstellecke = 1;
    druck.AlleInWorten = static_cast<std::int16_t>(fuellung);
    for (Zeugnistyp typ : {Zeugnistyp::Halbjahr, Zeugnistyp::Jahr, Zeugnistyp::Abgang, Zeugnistyp::Abschluss}) {
      for (std::int16_t art : {1, 2}) {
        druck.Druckart = art;
        flaeche.aufrufe.clear();
        DruckeZeugnis(typ, Umgebung(), klasse, 3);
        EXPECT_EQ(flaeche.AusserhalbDokument(), 0);
        EXPECT_GE(Auftraege(), 1u);
      }
    }
  }
  // A student index outside the class prints nothing.
  flaeche.aufrufe.clear();
  DruckeHalbjahreszeugnis(Umgebung(), klasse, 35);
  EXPECT_TRUE(flaeche.aufrufe.empty());
}

TEST_F(Zeugnislayout, KoerperLeereSeiteNurMitEinstelleckeUndUnsinnigeZaehler) {
  TFormatSteuerTabelle leer{};
  druck.MitEinstellecke = 1;
  TSeitenRaender r{};
  r[0] = {200, 300};
  const ZeugnisKontext k{flaeche, druck, 0, "Schule", puffer};
  ASSERT_TRUE(DruckeZeugnisKoerper(k, 1, 1, klasse, leer, r, 3, {11, 12, 3, 74, 85}));
  const int x = 200 - kRandX, y = -(300 - kRandY);
  const auto linien = flaeche.Nur(AufzeichnendeFlaeche::Art::LinieZu);
  ASSERT_EQ(linien.size(), 2u);
  EXPECT_EQ(std::make_pair(linien[0].x, linien[0].y), std::make_pair(x + 50, y));
  EXPECT_EQ(std::make_pair(linien[1].x, linien[1].y), std::make_pair(x, y - 50));
  EXPECT_TRUE(flaeche.Texte().empty());
  // Counts and pages out of range: still one job, no crash.
  flaeche.aufrufe.clear();
  TFormatSteuerTabelle alles{};
  for (auto& e : alles) e = {10, 10, 1, 1, 1};
  EXPECT_TRUE(DruckeZeugnisKoerper(k, 0, 65535, klasse, alles, r, 3, {1000, -5, 5000, -3, -85}));
  EXPECT_EQ(Auftraege(), 1u);
  EXPECT_FALSE(DruckeZeugnisKoerper(k, 1, 1, klasse, alles, r, 99, {11, 12, 3, 74, 85}));
  flaeche.dokumentAblehnen = true;
  flaeche.aufrufe.clear();
  EXPECT_FALSE(DruckeZeugnisKoerper(k, 1, 1, klasse, alles, r, 3, {11, 12, 3, 74, 85}));
  EXPECT_TRUE(flaeche.Texte().empty());
}

}  // namespace
}  // namespace velmora
