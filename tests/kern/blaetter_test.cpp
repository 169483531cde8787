// The test sheet, the data sheet and the printer information rows, against a recording surface.
#include <gtest/gtest.h>

#include <algorithm>

#include "basis/cp1252.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/steuerungstest.h"
#include "printcommands/blaetter.h"
#include "printcommands/druckbefehle.h"
#include "printerinfo/druckerinfozeilen.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AufzeichnendeFlaeche;
using S = TSchuelerDatensatz;

// A table whose every entry is printed at X = 10·k, Y = 20·k in font 1.
TFormatSteuerTabelle AllesDrucken() {
  TFormatSteuerTabelle t{};
  for (std::size_t k = 0; k < t.size(); ++k) {
    t[k] = TFormatEintrag{static_cast<std::uint16_t>(10 * k), static_cast<std::uint16_t>(20 * k), 1, 1, 1};
  }
  return t;
}

const AufzeichnendeFlaeche::Aufruf* TextBei(const std::vector<AufzeichnendeFlaeche::Aufruf>& texte, int x, int y) {
  auto it = std::find_if(texte.begin(), texte.end(), [&](const auto& a) { return a.x == x && a.y == y; });
  return it == texte.end() ? nullptr : &*it;
}

TEST(Testblatt, ZeilenNennenIhreSchrift) {
  EXPECT_EQ(TestblattZeile(1), "1 - Courier New, h=4,0mm, normal    12345678901234567890");
  EXPECT_EQ(TestblattZeile(10), "10 - Courier New, h=7,0mm, fett    1234567890");
  EXPECT_EQ(TestblattZeile(29), "29 - Arial, h=3,0mm, normal    1234567890123456789012345678901234567890");
  EXPECT_EQ(TestblattZeile(38),
            "38 - Courier New, h=3,0mm, unterstrichen+fett+kursiv    123456789012345678901234567890");
  EXPECT_EQ(TestblattZeile(40), "40 - Courier New, h=5,5mm, fett    12345678901234567890");
  EXPECT_EQ(TestblattZeile(19), "19 - Times New Roman, h=7,0mm, normal    1234567890");
}

TEST(Testblatt, EinAuftragMitTitelZeilenDatumUndFusszeile) {
  AufzeichnendeFlaeche f;
  ASSERT_TRUE(DruckeTestblatt(f, AllesDrucken(), BlattKopf{"Schule", "BS 3", Datum{2026, 12, 7}}));
  EXPECT_EQ(f.Nur(AufzeichnendeFlaeche::Art::BeginneDokument).size(), 1u);
  EXPECT_EQ(f.Nur(AufzeichnendeFlaeche::Art::NeueSeite).size(), 0u);
  EXPECT_EQ(f.AusserhalbDokument(), 0);
  auto texte = f.Texte();
  ASSERT_EQ(texte.size(), 43u);
  EXPECT_EQ(texte[0].text, "Drucker-Testblatt");
  EXPECT_EQ(texte[0].ausrichtung, Textausrichtung::LinksBasislinie);
  EXPECT_EQ(texte[0].x, 150);
  EXPECT_EQ(texte[0].y, -150);
  EXPECT_EQ(texte[41].text, T("BS 3 (07.Dezember 2026)"));
  EXPECT_EQ(texte[41].x, 150 + 980);
  EXPECT_EQ(texte[41].y, -(150 + 1960));
  EXPECT_EQ(texte[42].text, "Velmora V.1.1.");
}

class Datenblatt : public test::ArbeitsverzeichnisTest {
 protected:
  Datenblatt() {
    satz.Setze(S::Name, "Kowalski");
    satz.Setze(S::Vornamen, "Jan");
    satz.SetzeNummer(-7);
    satz.SetzeStatus(2);
    satz.SetzeZeugnisart(3);
    satz.Setze(S::Zeugnisort, "Rostock");
    satz.Setze(S::Zeugnisdatum, "01.02.2027");
    satz.SetzeFach(0, TFachZeile::Fach, "Deutsch");
    satz.SetzeFach(17, TFachZeile::Bewertung, "2");
    satz.Setze(S::Hinweise, std::string(20 * 40, 'x').insert(0, "Er arbeitet gut mit. "));
  }
  S satz;
  TZeilenpuffer puffer{12};
  BlattKopf kopf{"Berufsschule Musterstadt", "BS M", Datum{2026, 1, 5}};
};

TEST_F(Datenblatt, LabelsUndWerteAnIhrenEintraegen) {
  AufzeichnendeFlaeche f;
  TFormatSteuerTabelle rahmen = AllesDrucken();
  TFormatSteuerTabelle werte = AllesDrucken();
  for (auto& e : werte) e.X += 5;  // values stand 0.5 mm right of their labels
  ASSERT_TRUE(DruckeDatenblatt(f, satz, rahmen, werte, kopf, false, puffer));
  auto texte = f.Texte();
  auto label = [&](int k) { return TextBei(texte, 150 + 10 * k, -(150 + 20 * k)); };
  auto wert = [&](int k) { return TextBei(texte, 155 + 10 * k, -(150 + 20 * k)); };
  ASSERT_NE(label(3), nullptr);
  EXPECT_EQ(label(3)->text, T("Schüler-Nummer:"));
  EXPECT_EQ(wert(1)->text, "Berufsschule Musterstadt");
  EXPECT_EQ(wert(3)->text, "-7");
  EXPECT_EQ(wert(4)->text, "") << "status 2 prints an empty value";
  EXPECT_EQ(wert(5)->text, "Jan Kowalski");
  EXPECT_EQ(wert(10)->text, "Deutsch");
  EXPECT_EQ(label(10)->text, T("Unterrichtsfächer"));
  EXPECT_EQ(wert(12 + 4 * 17)->text, "2");
  EXPECT_EQ(wert(87)->text, T("Übergang"));
  EXPECT_EQ(wert(93)->text, "Rostock, 01.02.2027");
  EXPECT_EQ(label(98)->text, "BS M (05.Januar 2026)");
  EXPECT_EQ(label(99)->text, "Velmora V.1.0.");
  // Hinweise: 12 lines with pitch 4.0 mm below item 83; the overlong word ends the wrap.
  EXPECT_EQ(TextBei(texte, 155 + 830, -(150 + 1660))->text, "Er arbeitet gut mit. ");
  EXPECT_NE(TextBei(texte, 155 + 830, -(150 + 1660) - 11 * 40), nullptr);
  EXPECT_EQ(TextBei(texte, 155 + 830, -(150 + 1660) - 12 * 40), nullptr);
  EXPECT_TRUE(f.Nur(AufzeichnendeFlaeche::Art::Rechteck).empty());
}

TEST_F(Datenblatt, RahmenNachDemText) {
  AufzeichnendeFlaeche f;
  ASSERT_TRUE(DruckeDatenblatt(f, satz, AllesDrucken(), AllesDrucken(), kopf, true, puffer));
  auto rechtecke = f.Nur(AufzeichnendeFlaeche::Art::Rechteck);
  ASSERT_EQ(rechtecke.size(), 1u);
  EXPECT_EQ(rechtecke[0].x, 100);
  EXPECT_EQ(rechtecke[0].y, -80);
  EXPECT_EQ(rechtecke[0].x2, 1950);
  EXPECT_EQ(rechtecke[0].y2, -2750);
  auto linien = f.Nur(AufzeichnendeFlaeche::Art::LinieZu);
  auto anfaenge = f.Nur(AufzeichnendeFlaeche::Art::BewegeZu);
  ASSERT_EQ(linien.size(), 4u);
  const int unten[4] = {180, 555, 1330, 2500};  // 18.0, 55.5, 133.0 and 250.0 mm down
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(anfaenge[static_cast<std::size_t>(i)].x, 100);
    EXPECT_EQ(anfaenge[static_cast<std::size_t>(i)].y, -unten[i]);
    EXPECT_EQ(linien[static_cast<std::size_t>(i)].x, 1950);
    EXPECT_EQ(linien[static_cast<std::size_t>(i)].y, -unten[i]);
  }
  // The frame comes after every text.
  std::size_t letzterText = 0, erstesRechteck = 0;
  for (std::size_t i = 0; i < f.aufrufe.size(); ++i) {
    if (f.aufrufe[i].art == AufzeichnendeFlaeche::Art::Text) letzterText = i;
    if (f.aufrufe[i].art == AufzeichnendeFlaeche::Art::Rechteck && erstesRechteck == 0) erstesRechteck = i;
  }
  EXPECT_GT(erstesRechteck, letzterText);
}

TEST(DatenblattWoerter, StatusUndZeugnisart) {
  EXPECT_EQ(StatusWort(1), T("geändert"));
  EXPECT_EQ(StatusWort(3), T("geprüft"));
  EXPECT_EQ(StatusWort(5), "gedruckt");
  EXPECT_EQ(StatusWort(6), "");
  EXPECT_EQ(StatusWort(0), "unbekannt");
  EXPECT_EQ(StatusWort(-1), "unbekannt");
  EXPECT_EQ(ZeugnisartWort(5), T("Abschluß"));
  EXPECT_EQ(ZeugnisartWort(2), "Endjahr");
  EXPECT_EQ(ZeugnisartWort(-1), "unbekannt");
}

// The commands through the main-window logic: confirmation and created table files.
class Blattbefehle : public test::SteuerungsTest {
 protected:
  void SetUp() override { SteuerungsTest::SetUp(); }
  AufzeichnendeFlaeche flaeche;
  test::FesteUhr uhr;
  TZeilenpuffer puffer;
  test::AufzeichnendeVorschau vorschau;
  Druckbefehle befehle{steuerung.Druckkontext(), flaeche, meldungen, uhr, puffer, vorschau};
};

TEST_F(Blattbefehle, AbgebrochenesDatenblattDrucktNichtsUndLegtKeineTabelleAn) {
  meldungen.antworten = {Antwort::Abbrechen};
  befehle.Datenblatt1Click();
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Information);
  EXPECT_EQ(meldungen.protokoll[0].knoepfe, Knoepfe::OkAbbrechen);
  EXPECT_EQ(meldungen.protokoll[0].text, T("Druck eines Datenblattes\r für:  ") + "   - frei -\r");
  EXPECT_TRUE(flaeche.aufrufe.empty());
  EXPECT_FALSE(fs::exists("DATBLATT.FST"));
  EXPECT_FALSE(fs::exists("DATRAHMN.FST"));
}

TEST_F(Blattbefehle, ErstesDatenblattLegtBeideTabellenAnUndDrucktElfFachzeilen) {
  meldungen.antworten = {Antwort::Ok};
  befehle.Datenblatt1Click();
  EXPECT_TRUE(fs::exists("DATBLATT.FST"));
  EXPECT_TRUE(fs::exists("DATRAHMN.FST"));
  int zeilen = 0;
  for (const auto& t : flaeche.Texte()) zeilen += t.text == "   - - -" ? 1 : 0;
  // The built-in value table prints subject rows 1 to 11; the two empty report texts
  // ("   - - -" as well) come on the first lines of their blocks.
  EXPECT_EQ(zeilen, 13);
  EXPECT_EQ(flaeche.Nur(AufzeichnendeFlaeche::Art::Rechteck).size(), 1u) << "MitRahmen is 1 by default";
}

TEST_F(Blattbefehle, TestblattLegtSeineTabelleAnUndDrucktDreissigProben) {
  befehle.Testblatt1Click();
  EXPECT_TRUE(fs::exists("TSTBLATT.FST"));
  auto texte = flaeche.Texte();
  ASSERT_EQ(texte.size(), 33u) << "title, samples 1 to 30, date line, footer";
  EXPECT_EQ(texte[30].text, TestblattZeile(30));
  EXPECT_EQ(texte[31].text, " (07.Dezember 2026)") << "no short name entered yet";
}

TEST(Druckerinfo, ZeilenAusDenFaehigkeiten) {
  DruckerFaehigkeiten f;
  f.BreiteMm = 210;
  f.HoeheMm = 210;
  f.PixelProZollX = 600;
  f.PixelProZollY = 600;
  f.SeitenOffsetX = 50;
  f.SeitenOffsetY = 0;
  f.Technologie = 2;
  auto z = DruckerInfoZeilen("Laser", f, {"Arial", "Courier New"});
  ASSERT_EQ(z.size(), 23u);
  EXPECT_EQ(z[0], (InfoZeile{"Druckername: ", "Laser"}));
  EXPECT_EQ(z[2].second, "Raster-Drucker");
  EXPECT_EQ(z[5].second, "quadratisches Format");
  EXPECT_EQ(z[10].second, "24");
  EXPECT_EQ(z[11].second, "24");
  EXPECT_EQ(z[14].second, "2");
  EXPECT_EQ(z[20], (InfoZeile{"interne Schriften: ", "2"}));
  EXPECT_EQ(z[22], (InfoZeile{"      Courier New", "Courier New"}));
  f.BreiteMm = 297;
  EXPECT_EQ(DruckerInfoZeilen("", f, {})[5].second, "Querformat");
  f.BreiteMm = 100;
  EXPECT_EQ(DruckerInfoZeilen("", f, {})[5].second, "Hochformat");
  EXPECT_EQ(TechnologieWort(4), "Zeichenfolge (z.B.: Typenrad-Drucker");
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// The texts of a drawing with their places.
std::vector<std::tuple<std::string, int, int>> Zeichnung(const AufzeichnendeFlaeche& f) {
  std::vector<std::tuple<std::string, int, int>> z;
  for (const auto& a : f.Texte()) z.emplace_back(a.text, a.x, a.y);
  return z;
}

TEST_F(Blattbefehle, JederBefehlEineSitzungUndDieVorschauZeichnetDasselbeOhneFrage) {
  auto& s = steuerung.Zustand().Aktuell();
  s.Setze(TSchuelerDatensatz::Name, "Muster");
  s.Setze(TSchuelerDatensatz::Vornamen, "Erika");

  befehle.Testblatt1Click();
  befehle.TestblattVorschau();
  EXPECT_EQ(Zeichnung(vorschau.flaeche), Zeichnung(flaeche));

  flaeche = {};
  vorschau.flaeche = {};
  befehle.DatenblattDrucken();
  befehle.DatenblattVorschau();
  EXPECT_EQ(Zeichnung(vorschau.flaeche), Zeichnung(flaeche));
  EXPECT_FALSE(Zeichnung(flaeche).empty());

  EXPECT_TRUE(meldungen.protokoll.empty()) << "the preview asks nothing";
  EXPECT_EQ(flaeche.sitzungen, std::vector<std::string>{"Datenblatt-Muster-Erika"});
  EXPECT_EQ(flaeche.offeneSitzungen, 0);
  EXPECT_EQ(vorschau.namen, (std::vector<std::string>{"Testblatt", "Datenblatt-Muster-Erika"}));
  EXPECT_EQ(vorschau.blaetter, (std::vector<Blattformat>{Blattformat::A4Hoch, Blattformat::A4Hoch}));
}

}  // namespace
}  // namespace velmora
