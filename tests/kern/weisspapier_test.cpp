// The report on plain paper against the recording surface: every text of a full record on
// the paper, inside the margins, without overlaps, over as many pages as it needs; the
// table files; the margins; the entry point for a print job of many students. Also the
// width model and the wrap by measured width it rests on.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "common/arbeitsverzeichnis.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/beispiele.h"
#include "common/fakes.h"
#include "common/kaesten.h"
#include "common/testbilder.h"
#include "print/schriftmasse.h"
#include "print/zeilenpuffer.h"
#include "reports/weisseszeugnis.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AufzeichnendeFlaeche;
using test::Gedruckt;
using test::Kasten;
using S = TSchuelerDatensatz;
using Art = AufzeichnendeFlaeche::Art;

const TSchriftDefinition kCourier4{0, 40, "Courier New"};
const TSchriftDefinition kArial4{0, 40, "Arial"};

// ---------------------------------------------------------------------------------------
// Width model

TEST(Schriftmasse, BreitenNachSchriftStilUndHoehe) {
  // Courier New: one advance for every character; the others are proportional.
  const double m = TextBreite(kCourier4, "M");
  for (const char* t : {"i", "W", ".", "\xE4", "\x80"}) EXPECT_DOUBLE_EQ(TextBreite(kCourier4, t), m) << t;
  EXPECT_DOUBLE_EQ(TextBreite(kCourier4, "Zeugnis"), 7 * m);
  EXPECT_NEAR(m, 21.2, 0.1) << "0.6 em of a 4 mm cell";
  EXPECT_LT(TextBreite(kArial4, "i"), TextBreite(kArial4, "W"));
  EXPECT_LT(TextBreite({0, 40, "Times New Roman"}, "Zeugnis"), TextBreite(kArial4, "Zeugnis"));
  // Bold is wider; underline changes nothing; the width grows with the height.
  EXPECT_GT(TextBreite({1, 40, "Arial"}, "Zeugnis"), TextBreite(kArial4, "Zeugnis"));
  EXPECT_DOUBLE_EQ(TextBreite({4, 40, "Arial"}, "Zeugnis"), TextBreite(kArial4, "Zeugnis"));
  EXPECT_DOUBLE_EQ(TextBreite({0, 80, "Arial"}, "Zeugnis"), 2 * TextBreite(kArial4, "Zeugnis"));
  // Extra spacing after every character; control characters take no room.
  EXPECT_DOUBLE_EQ(TextBreite(kArial4, "abc", -4), TextBreite(kArial4, "abc") - 12);
  EXPECT_DOUBLE_EQ(TextBreite(kArial4, std::string("a\tb")), TextBreite(kArial4, "ab"));
  // An unknown face is measured as the surface's default face.
  EXPECT_DOUBLE_EQ(TextBreite({0, 40, "Garamond"}, "Zeugnis"), TextBreite(kArial4, "Zeugnis"));
  EXPECT_NEAR(UnterlaengeHoehe(kArial4), 40.0 * 434 / 2288, 1e-9);
}

// ---------------------------------------------------------------------------------------
// Wrap by measured width

std::string Sichtbar(const std::vector<std::string>& zeilen) {
  std::string s;
  for (const auto& z : zeilen) {
    for (char c : z) {
      if (c != ' ') s.push_back(c);
    }
  }
  return s;
}

TEST(UmbrechenNachBreite, PasstUndVerliertNichts) {
  const std::string text = test::VollstaendigerSchueler(1).Lies(S::Hinweise);
  std::string ohneLeer;
  for (char c : text) {
    if (c != ' ' && c != '\r' && c != '\n') ohneLeer.push_back(c);
  }
  for (double breite : {1800.0, 1200.0, 600.0, 250.0}) {
    SCOPED_TRACE(breite);
    const auto zeilen = UmbrecheNachBreite(text, kArial4, breite);
    for (const auto& z : zeilen) EXPECT_LE(TextBreite(kArial4, z), breite) << z;
    EXPECT_EQ(Sichtbar(zeilen), ohneLeer);
  }
  // The paragraph break of the text starts a line of its own.
  const auto zeilen = UmbrecheNachBreite(text, kArial4, 1800);
  EXPECT_TRUE(
      std::any_of(zeilen.begin(), zeilen.end(), [](const std::string& z) { return z.starts_with(T("Gegenüber")); }));
}

TEST(UmbrechenNachBreite, DasUmbrechenDesProgrammsMitDerBreitestenPassendenZeile) {
  // Wide enough for 80 characters: exactly the lines of the program's wrap at 80.
  const std::string text = test::VollstaendigerSchueler(1).Lies(S::Bemerkungen);
  TZeilenpuffer puffer(12);
  UmbrecheText(text, 12, 80, puffer);
  const auto zeilen = UmbrecheNachBreite(text, kCourier4, 80 * TextBreite(kCourier4, "x"));
  ASSERT_FALSE(zeilen.empty());
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    std::string soll = puffer.Zeile(i);
    while (!soll.empty() && soll.back() == ' ') soll.pop_back();
    EXPECT_EQ(zeilen[i], soll) << i;
  }
  // Room for 8 characters: at 8 the wrap drops the minus sign behind a full line, so the
  // lines come from 7 characters, which keep it.
  const double acht = 8.5 * TextBreite(kCourier4, "x");
  UmbrecheText("ab cdefg- hij", 4, 8, puffer);
  EXPECT_EQ(puffer.Zeile(0), "ab cdefg");
  EXPECT_EQ(puffer.Zeile(1), " hij");
  EXPECT_EQ(UmbrecheNachBreite("ab cdefg- hij", kCourier4, acht), (std::vector<std::string>{"ab", "cdefg-", "hij"}));
}

TEST(UmbrechenNachBreite, SonderfaelleVerlierenNichts) {
  const double acht = 8.5 * TextBreite(kCourier4, "x");
  // A word longer than the line is cut where it no longer fits.
  const auto lang = UmbrecheNachBreite(T("Gebäudesystemintegration ist gut"), kCourier4, acht);
  EXPECT_EQ(lang, (std::vector<std::string>{T("Gebäudes"), "ystemint", "egration", "ist gut"}));
  // A tab counts as a blank instead of ending the text; CR starts a line, LF is ignored.
  EXPECT_EQ(UmbrecheNachBreite("eins\tzwei\r\ndrei", kArial4, 2000), (std::vector<std::string>{"eins zwei", "drei"}));
  // Nothing visible: no line. One character: that character. A NUL ends the text.
  EXPECT_TRUE(UmbrecheNachBreite("   \r\n ", kArial4, 2000).empty());
  EXPECT_EQ(UmbrecheNachBreite("x", kArial4, 2000), std::vector<std::string>{"x"});
  EXPECT_EQ(UmbrecheNachBreite(std::string("ab\0cd", 5), kArial4, 2000), std::vector<std::string>{"ab"});
}

// ---------------------------------------------------------------------------------------
// The report

class WeissesPapier : public test::ArbeitsverzeichnisTest {
 protected:
  // One job for student `index`; the boxes of what was drawn.
  std::vector<Kasten> Drucke(std::size_t index = 0) {
    flaeche.aufrufe.clear();
    EXPECT_TRUE(DruckeWeissesZeugnisAuftrag(kontext, *klasse, index));
    EXPECT_EQ(flaeche.AusserhalbDokument(), 0);
    EXPECT_EQ(flaeche.Nur(Art::BeginneDokument).size(), 1u);
    return test::KaestenAus(flaeche);
  }
  std::size_t Seiten() const { return flaeche.Nur(Art::NeueSeite).size() + 1; }
  S& Satz(std::size_t i = 0) { return klasse->Schueler[i]; }

  // Every box inside 15 mm of the paper's edges and no overlap.
  static void ErwarteSauber(const std::vector<Kasten>& k) {
    EXPECT_TRUE(test::AlleImRand(k, 150));
    EXPECT_TRUE(test::KeineUeberlappung(k));
  }

  AufzeichnendeFlaeche flaeche;
  test::FakeMeldungen meldungen;
  TDruckEinstellungen druck;
  WeissTabellenVorrat vorrat{meldungen};
  WeissKontext kontext{flaeche, druck, test::kLangerSchulname, vorrat};
  std::unique_ptr<TKlassenDatei> klasse = std::make_unique<TKlassenDatei>();
};

TEST_F(WeissesPapier, JedeZeugnisartVollstaendigImRandOhneUeberlappung) {
  const std::vector<std::pair<std::int16_t, std::string>> arten = {
      {1, "Halbjahreszeugnis"}, {2, "Jahreszeugnis"}, {4, "Abgangszeugnis"}, {5, "Abschlusszeugnis"}};
  for (const auto& [art, titel] : arten) {
    SCOPED_TRACE(titel);
    Satz() = test::VollstaendigerSchueler(art);
    const auto k = Drucke();
    ErwarteSauber(k);
    ASSERT_EQ(Seiten(), 2u);
    EXPECT_TRUE(meldungen.protokoll.empty());

    for (const std::string& t :
         {test::kLangerSchulname, std::string("Berufsschule"), titel, std::string("Schuljahr 2026/2027"),
          T("Anna-Katharina Josefine Müller-Lüdenscheidt"), std::string("29.02.2008"),
          T("Bad Münstereifel-Schönau an der Brend"), std::string("BS 11 Elektro a"), Satz().Lies(S::Fachrichtung),
          Satz().Lies(S::Schwerpunkt), Satz().Lies(S::Berufsbezeichnung), Satz().Lies(S::Hinweise),
          Satz().Lies(S::Bemerkungen), std::string("124"), std::string("118"),
          std::string("Villingen-Schwenningen, 31.01.2027"), std::string("Seite 1 von 2"),
          std::string("Seite 2 von 2")}) {
      EXPECT_TRUE(Gedruckt(k, t));
    }
    // Every subject row that holds a subject, with its learning field and assessment; a "##"
    // row by its learning field.
    for (std::size_t r = 0; r < S::FachzeilenAnzahl; ++r) {
      const std::string fach = Satz().LiesFach(r, TFachZeile::Fach);
      const std::string lernfeld = Satz().LiesFach(r, TFachZeile::FachZusatz);
      if (fach.starts_with("##") && lernfeld.empty()) continue;
      EXPECT_TRUE(Gedruckt(k, fach.starts_with("##") ? lernfeld : fach + " " + lernfeld)) << r;
    }
    const bool abgang = art >= 4;
    EXPECT_EQ(Gedruckt(k, "01.09.2023").operator bool(), abgang);
    EXPECT_EQ(Gedruckt(k, "15.07.2026").operator bool(), abgang);
    EXPECT_EQ(Gedruckt(k, T("eingetreten am: 01.09.2023 ausgetreten am: 15.07.2026")).operator bool(), abgang);
    EXPECT_EQ(Gedruckt(k, "Durchschnittsnote: 2,3").operator bool(), art == 5);

    // The second page begins with the report's name and the student's name.
    const auto seite2 = test::TexteDerSeite(k, 2);
    double obenName = 1e9, obenSonst = 1e9;
    for (const Kasten& x : k) {
      if (x.seite != 2 || x.strich) continue;
      if (x.text == T("Anna-Katharina Josefine Müller-Lüdenscheidt"))
        obenName = x.oben;
      else
        obenSonst = std::min(obenSonst, x.oben);
    }
    EXPECT_LE(obenName, obenSonst);
    EXPECT_TRUE(Gedruckt(k, titel + T(" für")));
    // The closing items are on the last page only.
    EXPECT_EQ(std::count(seite2.begin(), seite2.end(), "Villingen-Schwenningen, 31.01.2027"), 1);
    const auto seite1 = test::TexteDerSeite(k, 1);
    EXPECT_EQ(std::count(seite1.begin(), seite1.end(), "Villingen-Schwenningen, 31.01.2027"), 0);
  }
}

TEST_F(WeissesPapier, AllesInWortenOhneStreichungenUndOhnePlatzhalter) {
  Satz() = test::VollstaendigerSchueler(1);
  Satz().SetzeFach(16, TFachZeile::Fach, std::string(kLeereZeile));
  Satz().SetzeFach(17, TFachZeile::Fach, "");
  druck.AlleInWorten = 0;  // the plain-paper report is always in words
  const auto k = Drucke();
  for (const char* wort : {"gut", "sehr gut", "befriedigend", "ausreichend", "mangelhaft",
                           "kann nicht beurteilt werden", "befreit", "teilgenommen", "nicht belegt", "nicht erteilt"}) {
    EXPECT_TRUE(Gedruckt(k, wort)) << wort;
  }
  EXPECT_TRUE(Gedruckt(k, T("ungenügend")));
  EXPECT_TRUE(Gedruckt(k, "Philosophie befriedigend"));
  for (const Kasten& x : k) {
    EXPECT_EQ(x.text.find("XXX"), std::string::npos) << x.text;
    EXPECT_EQ(x.text.find("##"), std::string::npos) << x.text;
    EXPECT_NE(x.text, "- - -") << "a placeholder row is left out";
    EXPECT_NE(x.text, "Betriebswirtschaftslehre");
    EXPECT_NE(x.text, "Physik");
    EXPECT_FALSE(x.text.size() == 1 && x.text[0] >= '0' && x.text[0] <= '6') << "a grade as a digit";
  }
  // The grading key names the six grades in the same words.
  EXPECT_TRUE(Gedruckt(k, T("Notenstufen: 1 = sehr gut, 2 = gut, 3 = befriedigend, 4 = ausreichend, 5 = mangelhaft, "
                            "6 = ungenügend")));
}

TEST_F(WeissesPapier, KurzesZeugnisAufEinerSeite) {
  Satz() = test::VollstaendigerSchueler(2);
  for (std::size_t r = 8; r < S::FachzeilenAnzahl; ++r) Satz().SetzeFach(r, TFachZeile::Fach, std::string(kLeereZeile));
  Satz().Setze(S::Hinweise, "Arbeitet zuverlässig mit.");
  Satz().Setze(S::Bemerkungen, std::string(kLeereZeile));
  Satz().Setze(S::Schwerpunkt, "");
  Satz().Setze(S::Berufsbezeichnung, "   ");
  const auto k = Drucke();
  ErwarteSauber(k);
  EXPECT_EQ(Seiten(), 1u);
  // No page numbers on a single page; the empty remarks are closed by dashes; the labels of
  // unfilled optional lines are left out.
  for (const Kasten& x : k) {
    EXPECT_EQ(x.text.find("Seite"), std::string::npos) << x.text;
    EXPECT_NE(x.text, "Schwerpunkt:");
    EXPECT_NE(x.text, "Berufsbezeichnung:");
  }
  EXPECT_TRUE(Gedruckt(k, "Bemerkungen: - - -"));
  EXPECT_TRUE(Gedruckt(k, "Fachrichtung/Bildungsgang:"));
  EXPECT_TRUE(Gedruckt(k, "Schulleiterin / Schulleiter"));
  EXPECT_TRUE(Gedruckt(k, "Klassenleiterin / Klassenleiter"));
  EXPECT_EQ(flaeche.Nur(Art::Rechteck).size(), 1u) << "the seal field";
}

TEST_F(WeissesPapier, SchlussStehtNieAllein) {
  // Notes of growing length push the closing items over the page break at every possible
  // point: every print stays inside the margins without overlaps, and a page that holds the
  // closing items also holds text of the report.
  Satz() = test::VollstaendigerSchueler(1);
  for (std::size_t r = 6; r < S::FachzeilenAnzahl; ++r) Satz().SetzeFach(r, TFachZeile::Fach, std::string(kLeereZeile));
  const std::string satz = "Sie arbeitet im Unterricht aufmerksam und zuverlässig mit. ";
  std::string hinweise;
  std::size_t eineSeite = 0, zweiSeiten = 0;
  for (int n = 0; n < 20; ++n) {
    SCOPED_TRACE(n);
    Satz().Setze(S::Hinweise, T(hinweise));
    const auto k = Drucke();
    ErwarteSauber(k);
    const int letzte = static_cast<int>(Seiten());
    bool text = false;
    for (const Kasten& x : k) {
      // The text lies between the head of a following page and the closing items.
      if (x.seite == letzte && !x.strich && x.oben > 300 && x.unten < 2100) text = true;
    }
    EXPECT_TRUE(text);
    eineSeite += letzte == 1;
    zweiSeiten += letzte == 2;
    hinweise += satz;
  }
  EXPECT_GT(eineSeite, 0u);
  EXPECT_GT(zweiSeiten, 0u);
}

TEST_F(WeissesPapier, TabellendateienWerdenAngelegtUndGelesen) {
  Satz() = test::VollstaendigerSchueler(1);
  Drucke();
  for (const char* name : {"WP_HJ.FST", "WP_HJR.FST"}) {
    ASSERT_TRUE(fs::exists(name)) << name;
    EXPECT_EQ(LiesTextZeilen(name).size(), 702u) << name;
  }
  EXPECT_EQ(LiesTextZeilen("WP_HJ.FST")[0], T("Zeugnis auf weißem Papier: Halbjahreszeugnis (Werte)"));
  EXPECT_EQ(LiesTextZeilen("WP_HJR.FST")[0], T("Zeugnis auf weißem Papier: Halbjahreszeugnis (Bezeichner)"));
  for (const char* name : {"WP_EJ.FST", "WP_EJR.FST", "WP_ABG.FST", "WP_ABGR.FST", "WP_ABS.FST", "WP_ABSR.FST"}) {
    EXPECT_FALSE(fs::exists(name)) << name << ": only the printed report's tables are created";
  }
  TFormatSteuerTabelle werte, bezeichner;
  std::string titel;
  LadeFormatSteuerTabelle(werte, "WP_HJ.FST", titel, meldungen);
  LadeFormatSteuerTabelle(bezeichner, "WP_HJR.FST", titel, meldungen);
  EXPECT_EQ(werte, WeissVorlage(Zeugnistyp::Halbjahr).Werte.Tabelle);
  EXPECT_EQ(bezeichner, WeissVorlage(Zeugnistyp::Halbjahr).Bezeichner.Tabelle);

  // An edited file is used by the next print command: the seal field switched off, the title
  // moved, the remarks put onto the second page.
  bezeichner[wp::Siegel].Drucken = 0;
  bezeichner[wp::Titel].Y = 300;
  SchreibeFormatSteuerTabelle("WP_HJR.FST", bezeichner, "eigene Bezeichner");
  werte[wp::Bemerkungen].Seite = 2;
  werte[wp::Bemerkungen].Y = 1000;
  SchreibeFormatSteuerTabelle("WP_HJ.FST", werte, "eigene Werte");
  Satz().Setze(S::Hinweise, "Kurz.");
  WeissTabellenVorrat neu(meldungen);
  WeissKontext k2{flaeche, druck, "Berufsschule Musterstadt", neu};
  flaeche.aufrufe.clear();
  ASSERT_TRUE(DruckeWeissesZeugnisAuftrag(k2, *klasse, 0));
  const auto k = test::KaestenAus(flaeche);
  ErwarteSauber(k);
  EXPECT_TRUE(flaeche.Nur(Art::Rechteck).empty());
  const auto finde = [&](const std::string& text) {
    return *std::find_if(k.begin(), k.end(), [&](const Kasten& x) { return x.text == text; });
  };
  ASSERT_TRUE(Gedruckt(k, "Halbjahreszeugnis"));
  EXPECT_DOUBLE_EQ(finde("Halbjahreszeugnis").unten, 150 + 300);
  ASSERT_TRUE(Gedruckt(k, "Bemerkungen:"));
  EXPECT_EQ(finde("Bemerkungen:").seite, 2);
  EXPECT_DOUBLE_EQ(finde("Bemerkungen:").unten, 150 + 1000);
  EXPECT_EQ(Seiten(), 2u);
}

TEST_F(WeissesPapier, UnschreibbareTabelleBrichtVorDemDruckAb) {
  Satz() = test::VollstaendigerSchueler(4);
  fs::create_directory("WP_ABGR.FST");
  EXPECT_NE(test::FehlerNummer([&] { DruckeWeissesZeugnisAuftrag(kontext, *klasse, 0); }), -1);
  EXPECT_TRUE(flaeche.aufrufe.empty());
}

TEST_F(WeissesPapier, RaenderDerZeugnisartErsteUndFolgeseiten) {
  // Row "Jahres-Zeugnis": the first sheet at its "Seite 1" pair, the following at "Seite 2".
  Satz() = test::VollstaendigerSchueler(2);
  const std::size_t erster = static_cast<std::size_t>(ErsterRand(1));
  druck.Raender[erster] = 140;
  druck.Raender[erster + 1] = 120;
  druck.Raender[erster + 2] = 100;
  druck.Raender[erster + 3] = 130;
  auto k = Drucke();
  ASSERT_EQ(Seiten(), 2u);
  EXPECT_TRUE(test::AlleImRand(k, 100));
  EXPECT_TRUE(test::KeineUeberlappung(k));
  const TFormatSteuerTabelle& w = WeissVorlage(Zeugnistyp::Jahr).Werte.Tabelle;
  bool schule = false, name = false;
  for (const Kasten& x : k) {
    if (x.text == test::kLangerSchulname) {
      schule = true;
      EXPECT_DOUBLE_EQ((x.links + x.rechts) / 2, 140 + w[wp::Schulname].X);
      EXPECT_DOUBLE_EQ(x.unten, 120 + w[wp::Schulname].Y);
    }
    if (x.seite == 2 && x.text == T("Anna-Katharina Josefine Müller-Lüdenscheidt")) {
      name = true;
      EXPECT_DOUBLE_EQ(x.links, 100 + w[wp::FolgeName].X);
      EXPECT_DOUBLE_EQ(x.unten, 130 + w[wp::FolgeName].Y);
    }
  }
  EXPECT_TRUE(schule);
  EXPECT_TRUE(name);

  // A binding margin of 30 mm on the first sheet: the layout narrows to keep 15 mm free on
  // the right, on both pages, and nothing overlaps.
  druck.Raender[erster] = 300;
  druck.Raender[erster + 1] = 150;
  druck.Raender[erster + 2] = 150;
  druck.Raender[erster + 3] = 150;
  k = Drucke();
  ErwarteSauber(k);
  double links = 1e9;
  for (const Kasten& x : k) {
    if (x.seite == 1) links = std::min(links, x.links);
  }
  EXPECT_DOUBLE_EQ(links, 300);

  // A top margin of 40 mm (or 25 mm on the following sheets): the foot moves up, so that
  // 15 mm stay free at the bottom too, and nothing is lost.
  for (const auto& [erstes, folgende] : {std::pair{400, 150}, std::pair{150, 250}}) {
    SCOPED_TRACE(erstes);
    druck.Raender[erster] = 150;
    druck.Raender[erster + 1] = erstes;
    druck.Raender[erster + 2] = 150;
    druck.Raender[erster + 3] = folgende;
    k = Drucke();
    ErwarteSauber(k);
    ASSERT_EQ(Seiten(), 2u);
    for (const std::string& t :
         {T("Notenstufen"), std::string("Seite 2 von 2"), Satz().Lies(S::Hinweise).substr(0, 20)}) {
      EXPECT_TRUE(std::any_of(k.begin(), k.end(), [&](const Kasten& x) { return x.text.find(t) != std::string::npos; }))
          << t;
    }
  }
}

TEST_F(WeissesPapier, EinstiegFuerEinenDruckauftragMitVielenSchuelern) {
  // Slot 2 has a report type without a plain-paper report, slot 4 none at all.
  const std::int16_t arten[] = {1, 5, 3, 2};
  for (std::size_t i = 0; i < 4; ++i) Satz(i) = test::VollstaendigerSchueler(arten[i]);
  for (std::size_t r = 8; r < S::FachzeilenAnzahl; ++r)
    Satz(0).SetzeFach(r, TFachZeile::Fach, std::string(kLeereZeile));
  Satz(0).Setze(S::Hinweise, "Kurz.");
  ASSERT_TRUE(flaeche.BeginneDokument("Klasse"));
  int seiten = 0;
  for (std::size_t i = 0; i < 5; ++i) {
    const std::size_t vorher = flaeche.aufrufe.size();
    if (!ZeugnistypVon(Satz(i).Zeugnisart())) {
      EXPECT_EQ(DruckeWeissesZeugnis(kontext, *klasse, i), 0) << i;
      EXPECT_EQ(flaeche.aufrufe.size(), vorher) << "nothing drawn for slot " << i;
      continue;
    }
    if (seiten > 0) flaeche.NeueSeite();  // the caller separates the students
    seiten += DruckeWeissesZeugnis(kontext, *klasse, i);
  }
  EXPECT_EQ(DruckeWeissesZeugnis(kontext, *klasse, 35), 0);
  ASSERT_TRUE(flaeche.BeendeDokument());
  // One job: begun and ended by the caller only, every page drawn inside it.
  EXPECT_EQ(flaeche.Nur(Art::BeginneDokument).size(), 1u);
  EXPECT_EQ(flaeche.Nur(Art::BeendeDokument).size(), 1u);
  EXPECT_EQ(flaeche.AusserhalbDokument(), 0);
  EXPECT_EQ(seiten, 5) << "one page for the short half-year report, two each for the others";
  EXPECT_EQ(static_cast<int>(flaeche.Nur(Art::NeueSeite).size()), seiten - 1);
  const auto k = test::KaestenAus(flaeche);
  ErwarteSauber(k);
  std::vector<int> titelSeiten;
  for (const Kasten& x : k) {
    if (x.text == "Halbjahreszeugnis" || x.text == "Abschlusszeugnis" || x.text == "Jahreszeugnis")
      titelSeiten.push_back(x.seite);
  }
  EXPECT_EQ(titelSeiten, (std::vector<int>{1, 2, 4}));
}

TEST_F(WeissesPapier, PlanUndZeichnungStimmenUeberein) {
  // The drawn texts are the plan's, shifted by the page's margins.
  Satz() = test::VollstaendigerSchueler(4);
  const auto k = Drucke();
  const auto plan = PlaneWeissesZeugnis(vorrat.Fuer(Zeugnistyp::Abgang), Zeugnistyp::Abgang,
                                        ZeugnisRaender(Zeugnistyp::Abgang, druck), Satz(), test::kLangerSchulname);
  ASSERT_EQ(plan.size(), Seiten());
  std::size_t texte = 0;
  for (const auto& seite : plan) texte += seite.Texte.size();
  std::size_t gezeichnet = 0;
  for (const Kasten& x : k) gezeichnet += !x.strich;
  EXPECT_EQ(gezeichnet, texte);
}

// ---------------------------------------------------------------------------------------
// The school's head, the logo and the closing statements

const std::string kName120 =
    T("Staatliches Berufliches Schulzentrum für Elektro- und Informationstechnik, Gebäudeautomation und Mechatronik "
      "Musterstadt");

// The box of the first text that begins with `anfang`, or nullptr.
const Kasten* TextAb(const std::vector<Kasten>& k, const std::string& anfang) {
  const auto it = std::find_if(k.begin(), k.end(), [&](const Kasten& x) { return x.text.starts_with(anfang); });
  return it == k.end() ? nullptr : &*it;
}
bool Vor(const Kasten& a, const Kasten& b) { return std::pair(a.seite, a.unten) < std::pair(b.seite, b.oben + 0.01); }

TEST_F(WeissesPapier, KopfLogoUndVermerkeImRandOhneUeberlappungUmbrochenNichtGekuerzt) {
  ASSERT_EQ(kName120.size(), 120u);
  const std::vector<std::string> dreiZeilen = {kName120, T("Seestraße 1, 78050 Villingen-Schwenningen"),
                                               "Schulnummer 04711"};
  struct Fall {
    const char* was;
    std::int16_t art;
    std::vector<std::string> kopf;
    std::optional<std::pair<int, int>> logo;  // pixels
    int linkerRand;
  };
  const std::vector<Fall> faelle = {
      {"final report, three lines, a wide logo", 5, dreiZeilen, std::pair(600, 200), 150},
      {"leaving report, a tall logo, binding margin 30 mm", 4, dreiZeilen, std::pair(100, 400), 300},
      {"final report, the name alone, no logo", 5, {kName120}, std::nullopt, 150},
      {"leaving report, a banner logo far wider than high", 4, dreiZeilen, std::pair(2000, 100), 150},
      {"half-year report, a logo beside the report name", 1, {}, std::pair(300, 300), 150},
      {"year report, two lines, no statements", 2, {kName120, "Seestr. 1"}, std::nullopt, 150},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.was);
    fs::remove("SCHULLOGO.PNG");
    SchreibeTextZeilen("SCHULKOPF.TXT", f.kopf);
    if (f.logo) test::SchreibeDatei("SCHULLOGO.PNG", test::PngBild(f.logo->first, f.logo->second));
    Satz() = test::VollstaendigerSchueler(f.art);
    // The margin grid's rows: half-year 0, year 1, leaving 3, final report 4.
    const std::size_t zeile = f.art == 1 ? 0 : f.art == 2 ? 1 : f.art == 4 ? 3 : 4;
    const std::size_t erster = static_cast<std::size_t>(ErsterRand(zeile));
    druck = TDruckEinstellungen{};
    druck.Raender[erster] = f.linkerRand;
    WeissTabellenVorrat frisch(meldungen);  // each print command reads the files anew
    WeissKontext k2{flaeche, druck, test::kLangerSchulname, frisch};
    flaeche.aufrufe.clear();
    ASSERT_TRUE(DruckeWeissesZeugnisAuftrag(k2, *klasse, 0));
    const auto k = test::KaestenAus(flaeche);
    ErwarteSauber(k);
    EXPECT_TRUE(meldungen.protokoll.empty());

    // Every line of the head whole, in order; the report name only where the file is empty.
    for (const std::string& zeile : f.kopf) EXPECT_TRUE(Gedruckt(k, zeile)) << zeile;
    EXPECT_EQ(Gedruckt(k, test::kLangerSchulname).operator bool(), f.kopf.empty());

    // The logo at the head's left, 25 mm high at most, its aspect ratio kept; the head's text
    // right of it, all of the head above the school type and the title.
    const auto bilder = flaeche.Nur(Art::Bild);
    ASSERT_EQ(bilder.size(), f.logo ? 1u : 0u);
    const Kasten* schulart = TextAb(k, "Berufsschule");
    const Kasten* titel = TextAb(k, WeissTitel(*ZeugnistypVon(f.art)));
    ASSERT_TRUE(schulart && titel);
    double logoRechts = f.linkerRand;
    if (f.logo) {
      const auto& b = bilder[0];
      EXPECT_EQ(b.text, "SCHULLOGO.PNG");
      EXPECT_EQ(b.seite, 1);
      const double breite = b.x2 - b.x, hoehe = b.y - b.y2;
      EXPECT_EQ(b.x, f.linkerRand);
      // 25 mm high, unless that would make it wider than a third of the text area.
      const double drittel = std::min(1800, 2100 - 150 - f.linkerRand) / 3;
      EXPECT_TRUE(hoehe == 250 ? breite <= drittel : hoehe < 250 && breite == drittel) << breite << " x " << hoehe;
      EXPECT_NEAR(breite / hoehe, static_cast<double>(f.logo->first) / f.logo->second, 1.0 / hoehe + 1.0 / breite);
      EXPECT_LE(-b.y2, schulart->oben);
      logoRechts = b.x2;
    }
    const int textRechts = 2100 - 150;
    std::size_t kopfTexte = 0;
    for (const Kasten& x : k) {
      if (x.seite != 1 || x.strich || !x.bild.empty() || !Vor(x, *schulart)) continue;
      ++kopfTexte;
      EXPECT_GE(x.links, logoRechts) << x.text;
      EXPECT_LE(x.rechts, textRechts) << x.text;
      EXPECT_TRUE(Vor(x, *titel)) << x.text;
    }
    EXPECT_GE(kopfTexte, f.kopf.empty() ? 1u : f.kopf.size() + 1) << "the long name takes more than one line";

    // The closing statement after the texts, before place and date.
    const std::string aussage = T("Frau Anna-Katharina Josefine Müller-Lüdenscheidt hat die Berufsschule ");
    const Kasten* vermerk = TextAb(k, aussage.substr(0, 20));
    ASSERT_EQ(vermerk != nullptr, f.art >= 4);
    if (!vermerk) continue;
    EXPECT_TRUE(Gedruckt(k, f.art == 5 ? aussage + T("im Ausbildungsberuf Elektronikerin für Energie- und "
                                                     "Gebäudetechnik (IHK/HWK) besucht und erfolgreich abgeschlossen.")
                                       : aussage + "am 15.07.2026 verlassen."));
    const Kasten* bemerkungen = TextAb(k, "Bemerkungen:");
    const Kasten* ort = TextAb(k, "Villingen-Schwenningen, 31.01.2027");
    ASSERT_TRUE(bemerkungen && ort);
    EXPECT_TRUE(Vor(*bemerkungen, *vermerk));
    EXPECT_TRUE(Vor(*vermerk, *ort));
  }
}

TEST_F(WeissesPapier, LangeVermerkeLaufenWeiterUndWarnungenKommenEinmalVorDemDruck) {
  std::string lang;
  for (int i = 1; i <= 40; ++i) lang += "Satz " + std::to_string(i) + " des zweiten Absatzes, der weiterläuft. ";
  lang.pop_back();
  SchreibeTextZeilen("ZEUGNISVERMERKE.TXT", {"[Abschlusszeugnis]", "<Anrede> <Name> bei <Klassenlehrer>.", "", T(lang),
                                             "[Abgangszeugnis]", "<Name> <Schulleitung> <Klassenlehrer>."});
  for (std::size_t i = 0; i < 4; ++i) Satz(i) = test::VollstaendigerSchueler(i < 3 ? 5 : 4);
  // One print command for four students: the files read once, one warning before the job.
  bool vorDemDruck = true;
  meldungen.beimZeigen = [&](const auto&) { vorDemDruck = flaeche.aufrufe.empty(); };
  for (std::size_t i = 0; i < 4; ++i) vorrat.Fuer(*ZeugnistypVon(Satz(i).Zeugnisart()));
  vorrat.MeldeWarnungen();
  vorrat.MeldeWarnungen();
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Warnung);
  EXPECT_TRUE(vorDemDruck);
  const std::string& w = meldungen.protokoll[0].text;
  for (const char* teil : {"[Abschlusszeugnis], ist dieses Feld unbekannt: <Klassenlehrer>.",
                           "[Abgangszeugnis], sind diese Felder unbekannt: <Schulleitung>, <Klassenlehrer>."}) {
    EXPECT_NE(w.find(teil), std::string::npos) << teil << "\n" << w;
  }
  ASSERT_TRUE(flaeche.BeginneDokument("Klasse"));
  for (std::size_t i = 0; i < 4; ++i) {
    if (i > 0) flaeche.NeueSeite();
    DruckeWeissesZeugnis(kontext, *klasse, i);
  }
  ASSERT_TRUE(flaeche.BeendeDokument());
  EXPECT_EQ(meldungen.protokoll.size(), 1u) << "no warning per student";
  const auto k = test::KaestenAus(flaeche);
  ErwarteSauber(k);
  // The unknown field printed as it stands; the long paragraph whole, over a page break.
  EXPECT_TRUE(Gedruckt(k, T("Frau Müller-Lüdenscheidt bei <Klassenlehrer>.")));
  EXPECT_TRUE(Gedruckt(k, T("Müller-Lüdenscheidt <Schulleitung> <Klassenlehrer>.")));
  EXPECT_TRUE(Gedruckt(k, T(lang)));
  std::set<int> seiten;
  for (const Kasten& x : k) {
    if (x.text.starts_with("Satz ") || x.text.find(" Satz ") != std::string::npos) seiten.insert(x.seite);
  }
  EXPECT_GE(seiten.size(), 2u * 3);

  // The single print shows its warnings before it begins the job.
  flaeche.aufrufe.clear();
  meldungen.protokoll.clear();
  WeissTabellenVorrat einzeln(meldungen);
  WeissKontext k2{flaeche, druck, test::kLangerSchulname, einzeln};
  ASSERT_TRUE(DruckeWeissesZeugnisAuftrag(k2, *klasse, 3));
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_TRUE(vorDemDruck);
  EXPECT_EQ(meldungen.protokoll[0].text.find("[Abschlusszeugnis]"), std::string::npos) << "only what it prints";
}

TEST_F(WeissesPapier, AeltereTabelleOhneVermerkEintragDrucktDieVermerke) {
  // A WP_ABS.FST written before the closing statements had an entry leaves entry 87 all
  // zero: the built-in entry stands in; a school that switched it off keeps it off.
  Satz() = test::VollstaendigerSchueler(5);
  TFormatSteuerTabelle alt = WeissVorlage(Zeugnistyp::Abschluss).Werte.Tabelle;
  alt[wp::Vermerk] = {0, 0, 0, 0, 0};
  SchreibeFormatSteuerTabelle("WP_ABS.FST", alt, "alt");
  const std::string aussage =
      T("Frau Anna-Katharina Josefine Müller-Lüdenscheidt hat die Berufsschule im "
        "Ausbildungsberuf Elektronikerin für Energie- und Gebäudetechnik (IHK/HWK) besucht und "
        "erfolgreich abgeschlossen.");
  EXPECT_TRUE(Gedruckt(Drucke(), aussage));
  alt[wp::Vermerk] = WeissVorlage(Zeugnistyp::Abschluss).Werte.Tabelle[wp::Vermerk];
  alt[wp::Vermerk].Drucken = 0;
  SchreibeFormatSteuerTabelle("WP_ABS.FST", alt, "aus");
  WeissTabellenVorrat neu(meldungen);
  WeissKontext k2{flaeche, druck, test::kLangerSchulname, neu};
  flaeche.aufrufe.clear();
  ASSERT_TRUE(DruckeWeissesZeugnisAuftrag(k2, *klasse, 0));
  EXPECT_FALSE(Gedruckt(test::KaestenAus(flaeche), aussage));
}

}  // namespace
}  // namespace velmora
