// The data check of the report data.
#include <gtest/gtest.h>

#include "basis/cp1252.h"
#include "check/fehlertest.h"
#include "common/beispiele.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

S Satz(const std::string& name, const std::string& vornamen, std::int16_t zeugnisart) {
  return test::SchuelerMit(name, vornamen, zeugnisart);
}

// The result of each test of one run, read from the colours of its arrow lines.
std::vector<bool> Einzelergebnisse(const Pruefung& p) {
  std::vector<bool> e;
  for (const auto& t : p.tests) e.push_back(t[1].farbe == kGruen);
  return e;
}

TEST(Fehlertest, EinVollstaendigerSatzBestehtMitDiesemProtokoll) {
  const Pruefung p = Pruefe(Satz("Meier", "Anna", 1), 1);
  EXPECT_TRUE(p.bestanden);
  ASSERT_EQ(p.tests.size(), 3u);
  const std::vector<std::array<FarbText, 2>> soll = {
      {{{T("Test auf Zeugnistyp:"), {0, 0, 0}}, {"  --->  bekannt", {0, 128, 0}}}},
      {{{T("Test des ausgewählten Formularverlages:"), {0, 0, 0}}, {"  --->  bekannt", {0, 128, 0}}}},
      {{{T("Test auf vorhandene Namen und Vorname"), {0, 0, 0}}, {"  --->  bekannt", {0, 128, 0}}}},
  };
  EXPECT_EQ(p.tests, soll);
  for (const auto& t : TestBeschreibungen()) EXPECT_EQ(t.Gewertet, 1);
}

TEST(Fehlertest, ZeugnisartNurEinsBisVier) {
  for (int art : {1, 2, 3, 4}) EXPECT_TRUE(TestBestanden(1, Satz("M", "A", static_cast<std::int16_t>(art)), 1)) << art;
  // The final report (5) fails, as do none chosen and values read unsigned.
  for (int art : {0, 5, 6, -1})
    EXPECT_FALSE(TestBestanden(1, Satz("M", "A", static_cast<std::int16_t>(art)), 1)) << art;

  const Pruefung p = Pruefe(Satz("Meier", "Anna", 5), 1);
  EXPECT_FALSE(p.bestanden);
  EXPECT_EQ(Einzelergebnisse(p), (std::vector<bool>{false, true, true}));
  EXPECT_EQ(p.tests[0][1], (FarbText{"  --->  unbekannt", {255, 0, 0}}));
}

TEST(Fehlertest, VerlagNurEinsBisDrei) {
  const S s = Satz("Meier", "Anna", 2);
  for (int v : {1, 2, 3}) EXPECT_TRUE(TestBestanden(2, s, v)) << v;
  for (int v : {0, 4, -1}) EXPECT_FALSE(TestBestanden(2, s, v)) << v;
  EXPECT_EQ(Einzelergebnisse(Pruefe(s, 4)), (std::vector<bool>{true, false, true}));
  EXPECT_FALSE(Pruefe(s, 4).bestanden);
}

TEST(Fehlertest, NamenVorhandenUndKeinFreierPlatz) {
  EXPECT_FALSE(TestBestanden(3, Satz("   - frei -", "Anna", 1), 1));
  EXPECT_TRUE(TestBestanden(3, Satz("  - frei -", "Anna", 1), 1));
  EXPECT_TRUE(TestBestanden(3, Satz("   - frei - ", "Anna", 1), 1));
  EXPECT_FALSE(TestBestanden(3, Satz("  - frei -", "", 1), 1));
  EXPECT_FALSE(TestBestanden(3, Satz("", "Anna", 1), 1));
  EXPECT_FALSE(Pruefe(Satz("   - frei -", "Anna", 1), 1).bestanden);
}

TEST(Fehlertest, ZustandsTexteUndName) {
  EXPECT_EQ(NochNichtGetestet(), (FarbText{"Noch nicht getestet!", {0, 0, 255}}));
  EXPECT_EQ(TestLaeuft(), (FarbText{"Test l\xE4uft!", {0, 0, 255}}));
  EXPECT_EQ(Endergebnis(true), (FarbText{"Test bestanden", {0, 128, 0}}));
  EXPECT_EQ(Endergebnis(false), (FarbText{"Test nicht bestanden", {255, 0, 0}}));
  EXPECT_EQ(Schuelername(Satz("Meier", "Anna Lena", 1)), "Anna Lena Meier");
}

}  // namespace
}  // namespace velmora
