// The sheets printed through the real Qt surface into a PDF file, with the positions of
// the printed words read back by poppler's pdftotext -bbox.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "kern/hilfen.h"
#include "print/blaetter.h"
#include "print/schriften.h"
#include "qtadapter/qtdruckflaeche.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

struct Wort {
  std::string text;
  double xMin, yMin, xMax, yMax;  // millimetres from the paper's top-left corner
};

std::vector<Wort> WoerterAus(const fs::path& pdf) {
  const fs::path html = pdf.string() + ".html";
  const std::string befehl = "pdftotext -bbox '" + pdf.string() + "' '" + html.string() + "'";
  EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl;
  std::ifstream f(html);
  std::stringstream inhalt;
  inhalt << f.rdbuf();
  const std::string s = inhalt.str();
  std::regex wort(R"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x");
  std::vector<Wort> woerter;
  constexpr double mmProPunkt = 25.4 / 72.0;
  for (auto it = std::sregex_iterator(s.begin(), s.end(), wort); it != std::sregex_iterator(); ++it) {
    woerter.push_back(Wort{(*it)[5], std::stod((*it)[1]) * mmProPunkt, std::stod((*it)[2]) * mmProPunkt,
                           std::stod((*it)[3]) * mmProPunkt, std::stod((*it)[4]) * mmProPunkt});
  }
  return woerter;
}

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
