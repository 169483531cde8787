// The 40 numbered fonts and the pixel conversion.
#include <gtest/gtest.h>

#include <limits>

#include "common/aufzeichnende_flaeche.h"
#include "print/schriften.h"

namespace velmora {
namespace {

using test::AufzeichnendeFlaeche;
using Schrift = AufzeichnendeFlaeche::Schrift;

// The font table row by row: first and last number, face, height, style of the first
// number (the style rises by one per number within a row of eight).
struct Reihe {
  int von, bis;
  const char* name;
  int hoehe;
  int stil;
};
constexpr Reihe kReihen[] = {
    {1, 8, "Courier New", 40, 0},       {9, 9, "Courier New", 70, 0},       {10, 10, "Courier New", 70, 1},
    {11, 18, "Times New Roman", 40, 0}, {19, 19, "Times New Roman", 70, 0}, {20, 20, "Times New Roman", 70, 1},
    {21, 28, "Arial", 40, 0},           {29, 29, "Arial", 30, 0},           {30, 30, "Arial", 30, 1},
    {31, 38, "Courier New", 30, 0},     {39, 39, "Courier New", 55, 0},     {40, 40, "Courier New", 55, 1},
};

Schrift GesetzteSchrift(std::uint16_t nummer) {
  AufzeichnendeFlaeche flaeche;
  TFormatEintrag e;
  e.Schrift = nummer;
  SetzeSchrift(flaeche, e);
  EXPECT_EQ(flaeche.aufrufe.size(), 1u);
  return flaeche.schrift;
}

TEST(Schriften, VierzigNummerierteSchriften) {
  int geprueft = 0;
  for (const Reihe& r : kReihen) {
    for (int n = r.von; n <= r.bis; ++n, ++geprueft) {
      const Schrift soll{static_cast<std::uint16_t>(r.stil + n - r.von), r.hoehe, r.name};
      EXPECT_EQ(GesetzteSchrift(static_cast<std::uint16_t>(n)), soll) << "font " << n;
    }
  }
  EXPECT_EQ(geprueft, 40);
}

TEST(Schriften, AlleAnderenNummernGebenDieStandardschrift) {
  const Schrift standard{0, 45, "Arial"};
  for (std::uint16_t n : {0, 41, 42, 100, 32767, 65535}) EXPECT_EQ(GesetzteSchrift(n), standard) << "font " << n;
}

TEST(Schriften, StilWoerterDesTestblatts) {
  const char* soll[] = {"normal",
                        "fett",
                        "kursiv",
                        "fett+kursiv",
                        "unterstrichen",
                        "unterstrichen+fett",
                        "unterstrichen+kursiv",
                        "unterstrichen+fett+kursiv"};
  for (std::uint16_t stil = 0; stil < 8; ++stil) EXPECT_EQ(StilWort(stil), soll[stil]);
  EXPECT_EQ(StilWort(9), "fett");  // only the three style bits count
}

TEST(Einheiten, PixelInZehntelMillimeternHalbeZurGeraden) {
  EXPECT_EQ(ZehntelMillimeter(50, 600), 21);   // 21.17
  EXPECT_EQ(ZehntelMillimeter(100, 300), 85);  // 84.67
  // 254 / 508 per pixel is exactly one half.
  EXPECT_EQ(ZehntelMillimeter(1, 508), 0);
  EXPECT_EQ(ZehntelMillimeter(3, 508), 2);
  EXPECT_EQ(ZehntelMillimeter(5, 508), 2);
  EXPECT_EQ(ZehntelMillimeter(-3, 508), -2);
  EXPECT_EQ(ZehntelMillimeter(-50, 600), -21);
  // A printer that reports no resolution does not stop the printout.
  EXPECT_EQ(ZehntelMillimeter(50, 0), 0);
  EXPECT_EQ(ZehntelMillimeter(std::numeric_limits<int>::max(), 1), std::numeric_limits<int>::max());
  EXPECT_EQ(RundeZurGeraden(-2.5), -2);
  EXPECT_EQ(RundeZurGeraden(23.62), 24);
  EXPECT_EQ(RundeZurGeraden(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
}  // namespace velmora
