// The form alignment without its window: the start, moving the selection, another page of
// the same table, leaving a changed table, writing it, and the background beside it.
#include <gtest/gtest.h>

#include "basis/cp1252.h"
#include "common/arbeitsverzeichnis.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/beispiele.h"
#include "common/fakes.h"
#include "reports/formularausrichtung.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class Steuerung : public test::ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    zustand.Klasse = test::KlasseMitJan();
    programm.Verlag = 1;
  }
  std::size_t Index(const std::string& name) const {
    for (std::size_t i = 0; i < a.Wahlen().size(); ++i) {
      if (a.Wahlen()[i].name == name) return i;
    }
    ADD_FAILURE() << name;
    return 0;
  }
  KlassenZustand zustand;
  TDruckEinstellungen druck;
  TProgrammEinstellungen programm;
  std::string zeugnisname = "Berufsschule Nord", kurzname = "BS Nord";
  test::AufzeichnendeFlaeche flaeche;
  test::FakeMeldungen meldungen;
  test::SkriptSeitenAbfrage abfrage;
  TZeilenpuffer puffer;
  test::FesteUhr uhr;
  Formularausrichtung a{
      DruckKontext{zustand, druck, programm, zeugnisname, kurzname}, flaeche, meldungen, abfrage, puffer, uhr};
};

TEST_F(Steuerung, OeffnetMitDemErstenGedrucktenEintragUndBehaeltDieTabelleAufDerNaechstenSeite) {
  ASSERT_TRUE(a.Oeffnen());
  EXPECT_EQ(a.Wahl().name, "Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)");
  ASSERT_FALSE(a.Bild().eintraege.empty());
  std::size_t erster = 100;
  for (const EintragsBild& b : a.Bild().eintraege) erster = std::min(erster, b.eintrag);
  EXPECT_EQ(a.Auswahl(), std::vector<std::size_t>{erster});

  const std::uint16_t x = a.Tabelle().Tabelle()[erster].X;
  a.VerschiebeAuswahl(10, 0);
  EXPECT_EQ(a.Tabelle().Tabelle()[erster].X, x + 10);
  // Page 2 of the same file: no question, the change and its undo stay.
  ASSERT_TRUE(a.Waehle(Index("Halbjahreszeugnis, Seite 2 (1BS_HJ.FST)")));
  EXPECT_TRUE(meldungen.protokoll.empty());
  EXPECT_TRUE(a.Tabelle().Geaendert());
  EXPECT_TRUE(a.Rueckgaengig());
  EXPECT_FALSE(a.Tabelle().Geaendert());
}

// An entry that prints nothing for this student is still there to be picked: without a
// school name, entry 1 of the plain-paper values is the first printed one.
TEST_F(Steuerung, WeissesPapierWaehltDenErstenGedrucktenEintragAuchOhneDaten) {
  zeugnisname.clear();
  ASSERT_TRUE(a.Oeffnen());
  ASSERT_TRUE(a.Waehle(Index(T("Halbjahreszeugnis auf weißem Papier, Werte, Seite 1 (WP_HJ.FST)"))));
  EXPECT_EQ(a.Auswahl(), std::vector<std::size_t>{1});
  ASSERT_FALSE(a.Bild().eintraege.empty());
  EXPECT_TRUE(a.Bild().eintraege.front().nurNummer);
}

TEST_F(Steuerung, UngespeicherteAenderungenWerdenErstNachRueckfrageVerworfen) {
  ASSERT_TRUE(a.Oeffnen());
  const std::size_t k = a.Auswahl().front();
  const Bytes original = test::LiesDatei("1BS_HJ.FST");
  a.VerschiebeAuswahl(0, -10);
  const std::size_t test = Index("Drucker-Testblatt (TSTBLATT.FST)");

  meldungen.antworten = {Antwort::Abbrechen};
  EXPECT_FALSE(a.Waehle(test));
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].text, T("Änderungen an 1BS_HJ.FST speichern?"));
  EXPECT_EQ(meldungen.protokoll[0].knoepfe, Knoepfe::JaNeinAbbrechen);
  EXPECT_EQ(a.Wahl().datei, "1BS_HJ.FST") << "cancelled: the old choice stays";
  meldungen.antworten = {Antwort::Abbrechen};
  EXPECT_FALSE(a.DarfSchliessen()) << "Abbrechen keeps the window open";

  meldungen.antworten = {Antwort::Nein};
  EXPECT_TRUE(a.Waehle(test));
  EXPECT_EQ(test::LiesDatei("1BS_HJ.FST"), original) << "No leaves the file as it was";
  EXPECT_EQ(a.Wahl().datei, "TSTBLATT.FST");

  ASSERT_TRUE(a.Waehle(Index("Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)")));
  a.SetzeAuswahl({k});
  a.VerschiebeAuswahl(0, -10);
  meldungen.antworten = {Antwort::Ja};
  EXPECT_TRUE(a.DarfSchliessen());
  TFormatSteuerTabelle gelesen;
  std::string titel;
  LadeFormatSteuerTabelle(gelesen, "1BS_HJ.FST", titel, meldungen);
  EXPECT_EQ(gelesen, a.Tabelle().Tabelle()) << "Yes writes the table";
  EXPECT_EQ(titel, a.Tabelle().Titel());
  EXPECT_FALSE(a.Tabelle().Geaendert());
}

// A start table that cannot be read leaves the other tables open to alignment.
TEST_F(Steuerung, UnlesbareStarttabelleOeffnetEineAndereVorhandene) {
  ASSERT_TRUE(a.Oeffnen());
  ASSERT_TRUE(a.Waehle(Index("Drucker-Testblatt (TSTBLATT.FST)")));
  fs::remove("1BS_HJ.FST");
  fs::create_directory("1BS_HJ.FST");
  meldungen.protokoll.clear();
  ASSERT_TRUE(a.Oeffnen());
  EXPECT_EQ(meldungen.protokoll.size(), 1u) << "the start table's error, once";
  EXPECT_EQ(a.Wahl().datei, "TSTBLATT.FST");
  // With no other table there, only the error remains.
  fs::remove("TSTBLATT.FST");
  meldungen.protokoll.clear();
  EXPECT_FALSE(a.Oeffnen());
  EXPECT_EQ(meldungen.protokoll.size(), 1u);
}

TEST_F(Steuerung, SpeichernScheitertLaut) {
  ASSERT_TRUE(a.Oeffnen());
  a.VerschiebeAuswahl(5, 5);
  fs::remove("1BS_HJ.FST");
  fs::create_directory("1BS_HJ.FST");  // the file's place is taken
  EXPECT_FALSE(a.Speichern());
  ASSERT_FALSE(meldungen.protokoll.empty());
  EXPECT_EQ(meldungen.protokoll.back().art, MeldungsArt::Fehler);
  EXPECT_TRUE(a.Tabelle().Geaendert()) << "nothing was written, the change is still to save";
  meldungen.antworten = {Antwort::Ja};
  EXPECT_FALSE(a.DarfSchliessen()) << "a failed save keeps the window open";
}

TEST_F(Steuerung, HintergrundGehoertZurTabelle) {
  ASSERT_TRUE(a.Oeffnen());
  EXPECT_FALSE(a.HintergrundDerSeite().has_value());
  EXPECT_FALSE(a.SetzeHintergrundLage(1, 2, 1)) << "no image yet";
  ASSERT_TRUE(a.SetzeHintergrundBild("scan.png"));
  ASSERT_TRUE(a.SetzeHintergrundLage(-15, 20.5, 1.02));
  EXPECT_EQ(LadeHintergrund("1BS_HJ.FST", 1), (Hintergrund{"scan.png", -15, 20.5, 1.02}));
  ASSERT_TRUE(a.Waehle(Index("Drucker-Testblatt (TSTBLATT.FST)")));
  EXPECT_FALSE(a.HintergrundDerSeite().has_value());
  // Page 2 of the same form has a scan of its own.
  ASSERT_TRUE(a.Waehle(Index("Halbjahreszeugnis, Seite 2 (1BS_HJ.FST)")));
  EXPECT_FALSE(a.HintergrundDerSeite().has_value());
  ASSERT_TRUE(a.SetzeHintergrundBild("seite2.png"));
  ASSERT_TRUE(a.Waehle(Index("Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)")));
  ASSERT_TRUE(a.HintergrundDerSeite().has_value());
  EXPECT_EQ(a.HintergrundDerSeite()->bild, "scan.png");
  EXPECT_EQ(LadeHintergrund("1BS_HJ.FST", 2), (Hintergrund{"seite2.png", 0, 0, 1}));
}

}  // namespace
}  // namespace velmora
