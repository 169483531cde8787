// The sheets printed through the real Qt surface into a PDF file, with the positions of
// the printed words read back by poppler's pdftotext -bbox.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <cmath>
#include <cstdlib>

#include "common/arbeitsverzeichnis.h"
#include "common/beispiele.h"
#include "common/fakes.h"
#include "gui/pdflesen.h"
#include "print/schriften.h"
#include "printcommands/blaetter.h"
#include "qtadapter/qtdruckflaeche.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

using Wort = PdfWort;

const Wort* Finde(const std::vector<Wort>& woerter, const std::string& text) {
  for (const auto& w : woerter) {
    if (w.text == text) return &w;
  }
  return nullptr;
}

// The baseline of a word from its box: the box is the font's character cell, and the part
// below the baseline is the font's descent.
double Grundlinie(const Wort& w, const char* schrift) {
  QFont f{QString::fromLatin1(schrift)};
  f.setPixelSize(1000);
  QFontMetricsF m(f);
  return w.yMax - (w.yMax - w.yMin) * m.descent() / m.height();
}

class PdfDruck : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    if (!PdfLesbar()) {
      GTEST_SKIP() << "pdftotext (Debian package poppler-utils) is missing: the PDF cannot be read back";
    }
    ArbeitsverzeichnisTest::SetUp();
    flaeche.NurPdf();
  }
  FakeMeldungen meldungen;
  QtDruckflaeche flaeche{meldungen};
  BlattKopf kopf{"Berufsschule", "BS", Datum{2026, 12, 7}};
};

TEST_F(PdfDruck, TestblattTitelUndVierMillimeterSchrift) {
  TFormatSteuerTabelle werte;
  std::string titel;
  LadeFormatSteuerTabelle(werte, "TSTBLATT.FST", titel, meldungen);
  ASSERT_TRUE(DruckeTestblatt(flaeche, werte, kopf));
  ASSERT_TRUE(fs::exists(flaeche.LetzteDatei().toStdString()));
  auto woerter = WoerterAus(flaeche.LetzteDatei().toStdString());

  const Wort* titelwort = Finde(woerter, "Drucker-Testblatt");
  ASSERT_NE(titelwort, nullptr);
  EXPECT_NEAR(titelwort->xMin, (150 + werte[0].X) / 10.0, 0.3);
  EXPECT_NEAR(Grundlinie(*titelwort, "Courier New"), (150 + werte[0].Y) / 10.0, 0.3);

  // Sample line 1 is printed in font 1, Courier New with a 4.0 mm cell.
  const Wort* eins = Finde(woerter, "1");
  ASSERT_NE(eins, nullptr);
  EXPECT_NEAR(eins->yMax - eins->yMin, 4.0, 0.3);
  EXPECT_NEAR(eins->xMin, (150 + werte[1].X) / 10.0, 0.3);
  EXPECT_NEAR(Grundlinie(*eins, "Courier New"), (150 + werte[1].Y) / 10.0, 0.3);
}

TEST_F(PdfDruck, DatenblattFachzeileAnIhremEintrag) {
  TFormatSteuerTabelle werte, rahmen;
  std::string titel;
  LadeFormatSteuerTabelle(werte, "DATBLATT.FST", titel, meldungen);
  LadeFormatSteuerTabelle(rahmen, "DATRAHMN.FST", titel, meldungen);
  TSchuelerDatensatz satz;
  satz.SetzeFach(0, TFachZeile::Fach, "Mathematik");
  TZeilenpuffer puffer;
  ASSERT_TRUE(DruckeDatenblatt(flaeche, satz, rahmen, werte, kopf, true, puffer));
  auto woerter = WoerterAus(flaeche.LetzteDatei().toStdString());
  const Wort* fach = Finde(woerter, "Mathematik");
  ASSERT_NE(fach, nullptr);
  const TFormatEintrag& e = werte[10];
  EXPECT_NEAR(fach->xMin, (150 + e.X) / 10.0, 0.3);
  const std::string schrift = SchriftDefinition(e.Schrift).Name;  // kept alive for the calls below
  EXPECT_NEAR(Grundlinie(*fach, schrift.c_str()), (150 + e.Y) / 10.0, 0.3);
  EXPECT_NEAR(fach->yMax - fach->yMin, SchriftDefinition(e.Schrift).Hoehe / 10.0, 0.3);
}

}  // namespace
}  // namespace velmora::test

// A half-year report through the real surface: the student's name at its table entry.
#include "reports/drucken1.h"
#include "reports/velmoallgdrk.h"

namespace velmora::test {
namespace {

TEST_F(PdfDruck, ZeichenabstandNachJedemZeichen) {
  ASSERT_TRUE(flaeche.BeginneDokument("Abstand"));
  flaeche.SetzeSchriftart(0, 40, "Courier New");
  flaeche.TextAus(100, -200, "MMMMMMMMMM");
  flaeche.SetzeZeichenabstand(-4);
  flaeche.TextAus(100, -400, "NNNNNNNNNN");
  flaeche.SetzeZeichenabstand(10);
  flaeche.SetzeTextausrichtung(Textausrichtung::MitteBasislinie);
  flaeche.TextAus(1000, -600, "OOOOO");
  ASSERT_TRUE(flaeche.BeendeDokument());
  auto woerter = WoerterAus(flaeche.LetzteDatei().toStdString());
  const Wort* m = Finde(woerter, "MMMMMMMMMM");
  ASSERT_NE(m, nullptr);
  const double zeichen = (m->xMax - m->xMin) / 10.0;
  // Each N stands 0.4 mm closer to the one before; the O's 1.0 mm further apart.
  double nLinks = 1e9, nRechts = -1e9, oLinks = 1e9, oRechts = -1e9;
  for (const Wort& w : woerter) {
    if (w.text.find('N') != std::string::npos) {
      nLinks = std::min(nLinks, w.xMin);
      nRechts = std::max(nRechts, w.xMax);
    }
    if (w.text.find('O') != std::string::npos) {
      oLinks = std::min(oLinks, w.xMin);
      oRechts = std::max(oRechts, w.xMax);
    }
  }
  EXPECT_NEAR(nLinks, 10.0, 0.3);
  EXPECT_NEAR(nRechts - nLinks, 10 * zeichen - 9 * 0.4, 0.3);
  // Centred: the whole width, extra spacing included, is centred on the point.
  EXPECT_NEAR((oLinks + oRechts + 1.0) / 2.0, 100.0, 0.3);
}

TEST_F(PdfDruck, HalbjahreszeugnisNameAnSeinemEintrag) {
  TDruckEinstellungen druck;  // defaults: margins 150, print mode 1
  SkriptSeitenAbfrage abfrage;
  TZeilenpuffer puffer;
  auto klasse = KlasseMitJan();
  ZeugnisUmgebung u{flaeche, meldungen, abfrage, druck, 1, "Berufsschule Musterstadt", puffer};
  DruckeHalbjahreszeugnis(u, *klasse, 0);
  EXPECT_GE(abfrage.texte.size(), 2u) << "a two-page form asks before each page";

  TFormatSteuerTabelle tabelle;
  std::string titel;
  LadeFormatSteuerTabelle(tabelle, ZeugnisDateiname(Zeugnistyp::Halbjahr, 1), titel, meldungen);
  std::vector<Wort> namen;  // "Jan" of each printed "Jan Kowalski"
  for (const auto& datei : fs::directory_iterator("Ausdrucke")) {
    if (datei.path().extension() != ".pdf") continue;
    auto w = WoerterAus(datei.path());
    for (std::size_t i = 0; i + 1 < w.size(); ++i) {
      if (w[i].text == "Jan" && w[i + 1].text == "Kowalski") namen.push_back(w[i]);
    }
  }
  // The name stands at entry 5 (and again at entry 82 where that entry is printed). The PDF
  // page has no unprintable border: margin + entry position from the paper's corner, the
  // bottom of the character cell on the point.
  for (std::size_t k : {std::size_t{5}, std::size_t{82}}) {
    const TFormatEintrag& e = tabelle[k];
    if (e.Drucken != 1) continue;
    const int links = druck.Raender[static_cast<std::size_t>(2 * (e.Seite - 1))];
    const int oben = druck.Raender[static_cast<std::size_t>(2 * (e.Seite - 1) + 1)];
    bool da = false;
    for (const Wort& w : namen) {
      if (std::abs(w.xMin - (links + e.X) / 10.0) <= 0.3 && std::abs(w.yMax - (oben + e.Y) / 10.0) <= 0.3) {
        da = true;
        EXPECT_NEAR(w.yMax - w.yMin, SchriftDefinition(e.Schrift).Hoehe / 10.0, 0.3) << "entry " << k;
      }
    }
    EXPECT_TRUE(da) << "no name within 0.3 mm of entry " << k << " at " << (links + e.X) / 10.0 << " / "
                    << (oben + e.Y) / 10.0 << " mm";
  }
  EXPECT_EQ(namen.size(), static_cast<std::size_t>((tabelle[5].Drucken == 1) + (tabelle[82].Drucken == 1)));
}

}  // namespace
}  // namespace velmora::test

// The complete report on plain paper through the real surface: on the paper every word is
// where the layout and its width model put it, inside 15 mm margins, no two words overlapping.
#include "basis/cp1252.h"
#include "common/kaesten.h"
#include "print/schriftmasse.h"
#include "reports/weisseszeugnis.h"

namespace velmora::test {
namespace {

TEST_F(PdfDruck, WeissesHalbjahreszeugnisAufDemPapier) {
  TDruckEinstellungen druck;  // margins 15 mm
  auto klasse = std::make_unique<TKlassenDatei>();
  klasse->Schueler[0] = VollstaendigerSchueler(1);
  WeissTabellenVorrat vorrat(meldungen);
  ASSERT_TRUE(DruckeWeissesZeugnisAuftrag(WeissKontext{flaeche, druck, kLangerSchulname, vorrat}, *klasse, 0));
  const auto woerter = WoerterAus(flaeche.LetzteDatei().toStdString());
  ASSERT_FALSE(woerter.empty());

  // On the paper: inside the margins (0.1 mm for the rounding of the PDF's numbers), no two
  // words overlapping.
  std::vector<Kasten> kaesten;
  for (const Wort& w : woerter)
    kaesten.push_back({w.seite, w.xMin * 10, w.yMin * 10, w.xMax * 10, w.yMax * 10, w.text, false});
  EXPECT_TRUE(AlleImRand(kaesten, 150, 1.0));
  EXPECT_TRUE(KeineUeberlappung(kaesten, 0.5));

  // Every word of the plan on its page, its left and right end where the width model puts
  // them (to 0.3 mm plus 0.3 % of the distance from the text's start, the rounding of the
  // font's pixel size), the bottom of its cell on the planned line; and no other word.
  const TSeitenRaender raender = ZeugnisRaender(Zeugnistyp::Halbjahr, druck);
  const auto plan = PlaneWeissesZeugnis(vorrat.Fuer(Zeugnistyp::Halbjahr), Zeugnistyp::Halbjahr, raender,
                                        klasse->Schueler[0], kLangerSchulname);
  ASSERT_EQ(plan.size(), 2u);
  EXPECT_EQ(woerter.back().seite, 2);
  std::vector<bool> gefunden(woerter.size(), false);
  std::size_t geplant = 0;
  for (std::size_t p = 0; p < plan.size(); ++p) {
    const TSeitenRand& rand = raender[plan[p].Rand];
    for (const TWeissText& t : plan[p].Texte) {
      const TSchriftDefinition schrift = SchriftDefinition(t.Schrift);
      const double links = rand.Links + t.X - (t.Zentriert ? TextBreite(schrift, t.Text) / 2 : 0.0);
      const double unten = (rand.Oben + t.Y) / 10.0;
      std::size_t e = 0;
      for (std::size_t a = t.Text.find_first_not_of(' '); a != std::string::npos;
           a = t.Text.find_first_not_of(' ', e)) {
        e = std::min(t.Text.find(' ', a), t.Text.size());
        const std::string wort = Cp1252NachUtf8(t.Text.substr(a, e - a));
        const double von = (links + TextBreite(schrift, t.Text.substr(0, a))) / 10.0;
        const double bis = (links + TextBreite(schrift, t.Text.substr(0, e))) / 10.0;
        const double toleranz = 0.3 + 0.003 * (bis - links / 10.0);
        ++geplant;
        bool da = false;
        for (std::size_t i = 0; i < woerter.size() && !da; ++i) {
          const Wort& w = woerter[i];
          if (gefunden[i] || w.seite != static_cast<int>(p + 1) || w.text != wort) continue;
          if (std::abs(w.xMin - von) <= toleranz && std::abs(w.xMax - bis) <= toleranz &&
              std::abs(w.yMax - unten) <= 0.3) {
            da = gefunden[i] = true;
            EXPECT_NEAR(w.yMax - w.yMin, schrift.Hoehe / 10.0, 0.3) << wort;
          }
        }
        EXPECT_TRUE(da) << "page " << p + 1 << ": '" << wort << "' not at " << von << " .. " << bis << " / " << unten;
      }
    }
  }
  EXPECT_EQ(geplant, woerter.size());
  for (std::size_t i = 0; i < woerter.size(); ++i) EXPECT_TRUE(gefunden[i]) << "not planned: " << woerter[i].text;
}

}  // namespace
}  // namespace velmora::test
