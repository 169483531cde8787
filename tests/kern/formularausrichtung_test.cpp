// Aligning a printout with its form: the choices, what each entry shows where on the paper,
// moving with undo, and the background settings beside a table file.
#include <gtest/gtest.h>

#include "basis/cp1252.h"
#include "common/arbeitsverzeichnis.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/beispiele.h"
#include "common/fakes.h"
#include "print/blaetter.h"
#include "reports/formularausrichtung.h"
#include "reports/velmoallgdrk.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AufzeichnendeFlaeche;

const AusrichtWahl& Wahl(const std::vector<AusrichtWahl>& wahlen, const std::string& name) {
  for (const AusrichtWahl& w : wahlen) {
    if (w.name == name) return w;
  }
  ADD_FAILURE() << "no choice " << name;
  return wahlen.front();
}

TEST(AusrichtWahlen, JedeTabelleMitIhrenSeitenUnterDemNamenDesVerlags) {
  const auto wahlen = AusrichtWahlen(1);
  std::vector<std::string> namen;
  for (const AusrichtWahl& w : wahlen) namen.push_back(w.name);
  const std::vector<std::string> erwartet = {
      "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)",  "Halbjahreszeugnis, Seite 2 (1BS_HJ.FST)",
      "Jahreszeugnis, Seite 1 (1BS_EJ.FST)",      "Jahreszeugnis, Seite 2 (1BS_EJ.FST)",
      "Abgangszeugnis, Seite 1 (1BS_ABG.FST)",    "Abgangszeugnis, Seite 2 (1BS_ABG.FST)",
      "Abgangszeugnis, Seite 3 (1BS_ABG.FST)",    "Abschlusszeugnis, Seite 1 (1BS_ABS.FST)",
      "Abschlusszeugnis, Seite 2 (1BS_ABS.FST)",  "Abschlusszeugnis, Seite 3 (1BS_ABS.FST)",
      T("Schüler-Datenblatt, Werte (DATBLATT.FST)"), T("Schüler-Datenblatt, Beschriftungen (DATRAHMN.FST)"),
      "Drucker-Testblatt (TSTBLATT.FST)"};
  EXPECT_EQ(namen, erwartet);
  EXPECT_EQ(wahlen[StartWahl(wahlen)].name, "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)");
  EXPECT_EQ(AusrichtWahlen(0)[0].datei, "BS_HJ.FST");
}

class Ausrichtung : public test::ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    klasse = test::KlasseMitJan();
    klasse->Schueler[0].Setze(TSchuelerDatensatz::Klasse, "BS 11a");
    druck.Raender[0] = 230;  // half-year page 1: 23 mm from the left edge
    druck.Raender[1] = 310;  //                   31 mm from the top edge
    drucker.SeitenOffsetX = 100;
    drucker.PixelProZollX = 600;  // 4.2 mm unprintable border
    drucker.SeitenOffsetY = 150;
    drucker.PixelProZollY = 600;  // 6.4 mm
  }
  AusrichtUmgebung Umgebung() {
    return {*klasse, 0, druck, verlag, "Berufsschule Nord", "BS Nord", Datum{2026, 12, 8}, drucker};
  }
  std::unique_ptr<TKlassenDatei> klasse;
  TDruckEinstellungen druck;
  DruckerFaehigkeiten drucker;
  std::int16_t verlag = 1;
  test::FakeMeldungen meldungen;
};

TEST_F(Ausrichtung, FehlendeTabelleEntstehtWieBeimDrucken) {
  const auto wahlen = AusrichtWahlen(verlag);
  TFormatSteuerTabelle tabelle;
  std::string titel;
  LadeAusrichtTabelle(wahlen[StartWahl(wahlen)], verlag, tabelle, titel, meldungen);
  EXPECT_TRUE(fs::exists("1BS_HJ.FST"));
  EXPECT_EQ(titel, "Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)");
  EXPECT_EQ(tabelle, ZeugnisVorlage(Zeugnistyp::Halbjahr, verlag).Tabelle);
  LadeAusrichtTabelle(Wahl(wahlen, "Drucker-Testblatt (TSTBLATT.FST)"), verlag, tabelle, titel, meldungen);
  EXPECT_TRUE(fs::exists("TSTBLATT.FST"));
  EXPECT_EQ(titel, T("Test-Blatt für benutzte Schriften"));
}

// The view shows each text exactly where the printout draws it: the same run through a
// recording surface, moved from the printable area onto the paper by the printer's border.
TEST_F(Ausrichtung, JederEintragAnDerStelleDesAusdrucks) {
  const auto wahlen = AusrichtWahlen(verlag);
  for (const char* name : {"Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)", "Halbjahreszeugnis, Seite 2 (1BS_HJ.FST)",
                           "Drucker-Testblatt (TSTBLATT.FST)"}) {
    SCOPED_TRACE(name);
    const AusrichtWahl& w = Wahl(wahlen, name);
    TFormatSteuerTabelle tabelle;
    std::string titel;
    LadeAusrichtTabelle(w, verlag, tabelle, titel, meldungen);
    const auto bilder = ZeichneAusrichtSeite(Umgebung(), w, tabelle, false);

    // The printout itself, all entries at once, as the printer surface sees it.
    AufzeichnendeFlaeche flaeche;
    flaeche.faehigkeiten = drucker;
    TZeilenpuffer puffer;
    if (w.art == Ausdruckart::Zeugnis) {
      const ZeugnisKontext k{flaeche, druck, verlag, "Berufsschule Nord", puffer};
      DruckeZeugnisKoerper(k, w.seite, w.seite, *klasse, tabelle, ZeugnisRaender(w.typ, druck), 0,
                           ZeugnisZaehlerFuer(w.typ, verlag));
    } else {
      DruckeTestblatt(flaeche, tabelle, BlattKopf{"Berufsschule Nord", "BS Nord", Datum{2026, 12, 8}});
    }
    std::vector<std::tuple<std::string, int, int>> gedruckt, gezeigt;
    for (const auto& t : flaeche.Texte()) {
      if (t.text.find_first_not_of(' ') != std::string::npos) gedruckt.emplace_back(t.text, t.x + 42, 64 - t.y);
    }
    for (const EintragsBild& b : bilder) {
      if (b.nurNummer) continue;
      for (const GezeichneterText& t : b.texte) gezeigt.emplace_back(t.text, t.x, t.y);
    }
    std::sort(gedruckt.begin(), gedruckt.end());
    std::sort(gezeigt.begin(), gezeigt.end());
    EXPECT_EQ(gezeigt, gedruckt);
  }
}

TEST_F(Ausrichtung, NurEintraegeDerSeiteUndLeereZeigenIhreNummer) {
  const auto wahlen = AusrichtWahlen(verlag);
  const AusrichtWahl& w = Wahl(wahlen, "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)");
  TFormatSteuerTabelle tabelle = ZeugnisVorlage(Zeugnistyp::Halbjahr, verlag).Tabelle;
  const auto bilder = ZeichneAusrichtSeite(Umgebung(), w, tabelle, false);
  for (const EintragsBild& b : bilder) {
    EXPECT_EQ(tabelle[b.eintrag].Seite, 1) << b.eintrag;
    EXPECT_EQ(tabelle[b.eintrag].Drucken, 1) << b.eintrag;
  }
  // Entry 5, the full name, sits at margin + X, margin + Y on the paper.
  auto name = std::find_if(bilder.begin(), bilder.end(), [](const EintragsBild& b) { return b.eintrag == 5; });
  ASSERT_NE(name, bilder.end());
  ASSERT_EQ(name->texte.size(), 1u);
  EXPECT_EQ(name->texte[0].text, "Jan Kowalski");
  EXPECT_EQ(name->texte[0].x, 230 + 220);
  EXPECT_EQ(name->texte[0].y, 310 + 1600);
  EXPECT_EQ(name->texte[0].ausrichtung, Textausrichtung::LinksUnten);
  // Entry 85 (excused hours) prints "-" for this student; entry 9 (Wohnort, empty) is off in
  // this table: with the greyed ones shown, it appears with its number at its place.
  auto alle = ZeichneAusrichtSeite(Umgebung(), w, tabelle, true);
  auto wohnort = std::find_if(alle.begin(), alle.end(), [](const EintragsBild& b) { return b.eintrag == 9; });
  ASSERT_EQ(wohnort, alle.end()) << "entry 9 is on no page of this table";
  tabelle[9] = {300, 700, 1, 1, 1};
  alle = ZeichneAusrichtSeite(Umgebung(), w, tabelle, true);
  wohnort = std::find_if(alle.begin(), alle.end(), [](const EintragsBild& b) { return b.eintrag == 9; });
  ASSERT_NE(wohnort, alle.end());
  EXPECT_TRUE(wohnort->nurNummer);
  EXPECT_EQ(wohnort->texte[0].text, "9");
  EXPECT_EQ(wohnort->texte[0].x, 230 + 300);
  EXPECT_EQ(wohnort->texte[0].y, 310 + 700);
}

TEST_F(Ausrichtung, DruckartZweiLegtDreiseitigeFormulareAufA3) {
  druck.Druckart = 2;
  const auto wahlen = AusrichtWahlen(verlag);
  const AusrichtWahl& seite1 = Wahl(wahlen, "Abgangszeugnis, Seite 1 (1BS_ABG.FST)");
  const AusrichtWahl& seite2 = Wahl(wahlen, "Abgangszeugnis, Seite 2 (1BS_ABG.FST)");
  EXPECT_EQ(PapierFuer(seite1, druck), (Papier{4200, 2970}));
  EXPECT_EQ(PapierFuer(Wahl(wahlen, "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)"), druck), (Papier{2100, 2970}));
  const int links1 = druck.Raender[ErsterRand(3)];
  const int links2 = druck.Raender[ErsterRand(3) + 2];
  EXPECT_EQ(UrsprungDerSeite(Umgebung(), seite1).x, links1 + 2100) << "page 1 right of the blank page 4";
  EXPECT_EQ(UrsprungDerSeite(Umgebung(), seite2).x, links2);
  druck.Druckart = 1;
  EXPECT_EQ(PapierFuer(seite1, druck), (Papier{2100, 2970}));
}

TEST(AusrichtTabelle, VerschiebenAufDemPapierSetzenUndRueckgaengig) {
  TFormatSteuerTabelle t{};
  t[3] = {100, 200, 1, 1, 1};
  t[4] = {2000, 2900, 1, 1, 1};
  AusrichtTabelle a(t, "Titel", Papier{2100, 2970}, Seitenursprung{50, 40});
  EXPECT_FALSE(a.Geaendert());
  a.Verschiebe({3, 4}, 30, -10);
  EXPECT_EQ(a.Tabelle()[3].X, 130);
  EXPECT_EQ(a.Tabelle()[3].Y, 190);
  EXPECT_EQ(a.Tabelle()[4].X, 2030);
  EXPECT_TRUE(a.Geaendert());
  // Mouse and keys keep an entry on the paper: X at most 2100 - 50, Y at most 2970 - 40.
  a.Verschiebe({4}, 500, 500);
  EXPECT_EQ(a.Tabelle()[4].X, 2050);
  EXPECT_EQ(a.Tabelle()[4].Y, 2930);
  a.Verschiebe({3}, -1000, -1000);
  EXPECT_EQ(a.Tabelle()[3].X, 0);
  EXPECT_EQ(a.Tabelle()[3].Y, 0);
  // Typing may put it anywhere in 0..65535.
  a.Setze(3, AusrichtTabelle::Feld::X, 65535);
  EXPECT_EQ(a.Tabelle()[3].X, 65535);
  a.Setze(3, AusrichtTabelle::Feld::Drucken, 2);
  EXPECT_EQ(a.Tabelle()[3].Drucken, 2);
  // Undo, step by step, back to the table as loaded.
  int schritte = 0;
  while (a.Rueckgaengig()) ++schritte;
  EXPECT_EQ(schritte, 5);
  EXPECT_EQ(a.Tabelle(), t);
  EXPECT_FALSE(a.KannRueckgaengig());
}

TEST_F(Ausrichtung, HintergrundNebenDerTabelleGeschriebenUndGelesen) {
  EXPECT_FALSE(LadeHintergrund("1BS_HJ.FST").has_value());
  const Hintergrund h{T("/home/lehrer/Scans/Halbjahr ÄÖ.png"), -12.5, 33, 1.0125};
  SpeichereHintergrund("1BS_HJ.FST", h);
  EXPECT_TRUE(fs::exists("1BS_HJ.FST.hintergrund.txt"));
  EXPECT_EQ(LadeHintergrund("1BS_HJ.FST"), h);
  test::SchreibeDatei("X.FST.hintergrund.txt", test::AlsBytes("Bild=a.jpg\r\nLinks=kaputt\r\nMassstab=-2\r\n"));
  const auto kaputt = LadeHintergrund("X.FST");
  ASSERT_TRUE(kaputt.has_value());
  EXPECT_EQ(kaputt->bild, "a.jpg");
  EXPECT_EQ(kaputt->links, 0);
  EXPECT_EQ(kaputt->massstab, 1.0);
}

}  // namespace
}  // namespace velmora
