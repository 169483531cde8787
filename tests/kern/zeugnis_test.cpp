// The report print command: the order of its three checks, their messages, and the print
// through the main-window logic.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/kaesten.h"
#include "common/steuerungstest.h"
#include "reports/zeugnisbefehl.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AufzeichnendeFlaeche;
using S = TSchuelerDatensatz;

class Zeugnisdruck : public test::SteuerungsTest {
 protected:
  void SetUp() override {
    SteuerungsTest::SetUp();
    steuerung.Zustand().AktuellerSchueler = 2;
    S& s = steuerung.Zustand().Aktuell();
    s.Setze(S::Name, "Muster");
    s.Setze(S::Vornamen, "Erika");
    s.SetzeSchulart(0);
    s.SetzeZeugnisart(1);
    s.SetzeFach(0, TFachZeile::Fach, "Deutsch");
    s.SetzeFach(0, TFachZeile::Bewertung, "2");
    Druck().Druckart = 1;
  }
  TDruckEinstellungen& Druck() { return steuerung.Druckeinstellungen().Satz(); }
  S& Satz() { return steuerung.Zustand().Aktuell(); }

  // One refusal in the "Fehler" box and nothing else.
  void ErwarteFehler(const std::string& text) {
    ASSERT_EQ(meldungen.protokoll.size(), 1u);
    EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Fehler);
    EXPECT_EQ(meldungen.protokoll[0].knoepfe, Knoepfe::Ok);
    EXPECT_EQ(meldungen.protokoll[0].text, text);
    EXPECT_TRUE(abfrage.texte.empty());
    EXPECT_TRUE(flaeche.aufrufe.empty());
  }
  void Neu() {
    meldungen.protokoll.clear();
    abfrage.texte.clear();
    flaeche.aufrufe.clear();
  }

  AufzeichnendeFlaeche flaeche;
  test::SkriptSeitenAbfrage abfrage;
  TZeilenpuffer puffer;
  test::AufzeichnendeVorschau vorschau;
  Zeugnisbefehl befehl{steuerung.Druckkontext(), flaeche, meldungen, abfrage, puffer, vorschau};
};

TEST_F(Zeugnisdruck, HalbjahreszeugnisEndeZuEnde) {
  steuerung.Einstellungen().Satz().Verlag = 1;
  abfrage.antworten = {true, false};
  befehl.Zeugnis1Click();
  EXPECT_TRUE(meldungen.protokoll.empty());
  ASSERT_EQ(abfrage.texte.size(), 2u);
  EXPECT_EQ(abfrage.texte[0], T("Druck auf Formular: Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)\r"
                                " für: Erika Muster\r -- Seite(n) 1 von 2 --"));
  EXPECT_EQ(flaeche.Nur(AufzeichnendeFlaeche::Art::BeginneDokument).size(), 1u);
  EXPECT_TRUE(fs::exists("1BS_HJ.FST"));
  EXPECT_EQ(flaeche.AusserhalbDokument(), 0);
}

TEST_F(Zeugnisdruck, SchulartZuerst) {
  // The two other school forms end silently, whatever report type and print mode say.
  for (std::int16_t art : {1, 2}) {
    for (std::int16_t z : {1, 3, 0}) {
      for (std::int16_t d : {0, 1, 3, 9}) {
        Neu();
        Satz().SetzeSchulart(art);
        Satz().SetzeZeugnisart(z);
        Druck().Druckart = d;
        befehl.Zeugnis1Click();
        EXPECT_TRUE(meldungen.protokoll.empty());
        EXPECT_TRUE(flaeche.aufrufe.empty());
      }
    }
  }
  // A reserve school type is refused before the report type is looked at.
  for (std::int16_t art : {3, 4, 5}) {
    Neu();
    Satz().SetzeSchulart(art);
    Satz().SetzeZeugnisart(3);
    befehl.Zeugnis1Click();
    ErwarteFehler(T("Kein Zeugnisdruck möglich, da keine gültige Schulart ausgewählt wurde!"));
  }
  for (std::int16_t art : {-1, 6, 32767}) {
    Neu();
    Satz().SetzeSchulart(art);
    Satz().SetzeZeugnisart(0);
    befehl.Zeugnis1Click();
    ErwarteFehler(T("Kein Zeugnisdruck möglich, da keine Schulart ausgewählt wurde!"));
  }
}

TEST_F(Zeugnisdruck, ZeugnisartVorDruckart) {
  Druck().Druckart = 0;
  Satz().SetzeZeugnisart(3);
  befehl.Zeugnis1Click();
  ErwarteFehler(T("Kein Zeugnisdruck möglich, da diese Zeugnisart im Gesetz nicht vorgesehen ist!"));
  for (std::int16_t z : {0, 6, -1}) {  // -1 is the stored 65535
    Neu();
    Satz().SetzeZeugnisart(z);
    befehl.Zeugnis1Click();
    ErwarteFehler(T("Kein Zeugnisdruck möglich, da kein Zeugnistyp ausgewählt wurde!"));
  }
}

TEST_F(Zeugnisdruck, Druckarten) {
  for (std::int16_t z : {1, 2, 4, 5}) {
    Satz().SetzeZeugnisart(z);
    Neu();
    Druck().Druckart = 0;
    befehl.Zeugnis1Click();
    ErwarteFehler(T("Kein Zeugnisdruck möglich, da die Bedruckungsart auf \"nicht drucken\" eingestellt wurde!"));
    for (std::int16_t d : {-1, 5, 32767}) {
      Neu();
      Druck().Druckart = d;
      befehl.Zeugnis1Click();
      ErwarteFehler(T("Kein Zeugnisdruck möglich, da die Bedruckungsart nicht angegeben wurde!"));
    }
    for (std::int16_t d : {3, 4}) {
      Neu();
      Druck().Druckart = d;
      befehl.Zeugnis1Click();
      ASSERT_EQ(meldungen.protokoll.size(), 1u);
      EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Schlicht);
      EXPECT_EQ(meldungen.protokoll[0].text, NichtVerfuegbarText());
      EXPECT_TRUE(flaeche.aufrufe.empty());
      EXPECT_TRUE(abfrage.texte.empty());
    }
  }
  // None of the refusals created a table file.
  for (const auto& eintrag : fs::directory_iterator(fs::current_path())) {
    EXPECT_NE(eintrag.path().extension(), ".FST") << eintrag.path();
  }
}

TEST_F(Zeugnisdruck, JederZeugnistypSeinLayout) {
  const std::vector<std::pair<std::int16_t, std::string>> faelle = {
      {1, "Halbjahreszeugnis der Berufsschule"},
      {2, "Jahreszeugnis der Berufsschule (032162)"},
      {4, "Abgangszeugnis der Berufsschule Kohlhammer 032160"},
      {5, "Abschlusszeugnis der Berufsschule"}};
  steuerung.Einstellungen().Satz().Verlag = 2;
  Druck().NurInnen = 0;
  for (const auto& [z, titel] : faelle) {
    Neu();
    Satz().SetzeZeugnisart(z);
    befehl.Zeugnis1Click();
    ASSERT_FALSE(abfrage.texte.empty());
    EXPECT_EQ(abfrage.texte[0].find("Druck auf Formular: " + titel + "\r"), 0u);
    EXPECT_EQ(abfrage.texte.size(), z <= 2 ? 2u : 3u);
  }
}

TEST_F(Zeugnisdruck, UngespeicherteEditorAenderungZaehltNicht) {
  // The editor shows report type 3 typed but not taken over; the stored 1 prints.
  ansicht.editor.Zeugnisart = 3;
  befehl.Zeugnis1Click();
  EXPECT_TRUE(meldungen.protokoll.empty());
  EXPECT_EQ(abfrage.texte.size(), 2u);
}

TEST_F(Zeugnisdruck, UnschreibbareTabelleZeigtDenFehlerUndDrucktNichts) {
  fs::create_directory("1BS_HJ.FST");
  const TSchuelerDatensatz vorher = Satz();
  befehl.Zeugnis1Click();
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_TRUE(flaeche.aufrufe.empty());
  EXPECT_TRUE(abfrage.texte.empty());
  EXPECT_EQ(Satz(), vorher);
}

TEST_F(Zeugnisdruck, DateimenueNurNachBestaetigtemDruckdialog) {
  befehl.Zeugnis2Click(false);
  EXPECT_TRUE(abfrage.texte.empty());
  EXPECT_TRUE(meldungen.protokoll.empty());
  befehl.Zeugnis2Click(true);
  EXPECT_EQ(abfrage.texte.size(), 2u);
}

TEST_F(Zeugnisdruck, WeissesPapierNachDenselbenPruefungen) {
  // Every case the three checks tell apart: the plain-paper command shows what the form
  // command shows, and prints exactly where that one prints, but asks for no form page.
  for (std::int16_t schulart : {0, 1, 4, 7}) {
    for (std::int16_t zeugnisart : {0, 1, 2, 3, 4, 5, 6}) {
      for (std::int16_t druckart : {0, 1, 2, 3, 9}) {
        SCOPED_TRACE(std::to_string(schulart) + "/" + std::to_string(zeugnisart) + "/" + std::to_string(druckart));
        Satz().SetzeSchulart(schulart);
        Satz().SetzeZeugnisart(zeugnisart);
        Druck().Druckart = druckart;
        Neu();
        befehl.Zeugnis1Click();
        const auto formular = meldungen.protokoll;
        const bool formularDruck = !abfrage.texte.empty();
        Neu();
        befehl.WeissesPapierClick();
        ASSERT_EQ(meldungen.protokoll.size(), formular.size());
        for (std::size_t i = 0; i < formular.size(); ++i) {
          EXPECT_EQ(meldungen.protokoll[i].art, formular[i].art);
          EXPECT_EQ(meldungen.protokoll[i].text, formular[i].text);
        }
        EXPECT_TRUE(abfrage.texte.empty());
        EXPECT_EQ(flaeche.Nur(AufzeichnendeFlaeche::Art::BeginneDokument).size(), formularDruck ? 1u : 0u);
      }
    }
  }
}

TEST_F(Zeugnisdruck, WeissesPapierEinAuftragOhneSeitenfragen) {
  Satz().SetzeZeugnisart(4);
  Satz().Setze(S::Ausschulungsdatum, "15.07.2026");
  const TSchuelerDatensatz vorher = Satz();
  befehl.WeissesPapierClick();
  EXPECT_TRUE(meldungen.protokoll.empty());
  EXPECT_TRUE(abfrage.texte.empty());
  EXPECT_EQ(flaeche.Nur(AufzeichnendeFlaeche::Art::BeginneDokument).size(), 1u);
  EXPECT_EQ(flaeche.Nur(AufzeichnendeFlaeche::Art::BeendeDokument).size(), 1u);
  EXPECT_EQ(flaeche.AusserhalbDokument(), 0);
  const auto k = test::KaestenAus(flaeche);
  EXPECT_TRUE(test::Gedruckt(k, "Abgangszeugnis"));
  EXPECT_TRUE(test::Gedruckt(k, "Erika Muster"));
  EXPECT_TRUE(test::Gedruckt(k, "Deutsch gut"));
  EXPECT_TRUE(test::Gedruckt(k, "ausgetreten am: 15.07.2026"));
  EXPECT_TRUE(fs::exists("WP_ABG.FST"));
  EXPECT_TRUE(fs::exists("WP_ABGR.FST"));
  EXPECT_FALSE(fs::exists("BS_ABG.FST"));
  EXPECT_EQ(Satz(), vorher);

  // A table file that cannot be written: the error box, and nothing printed.
  Neu();
  Satz().SetzeZeugnisart(2);
  fs::create_directory("WP_EJ.FST");
  befehl.WeissesPapierClick();
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_TRUE(flaeche.aufrufe.empty());
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// Texts with position and font, for comparing two drawings.
std::vector<std::tuple<std::string, int, int, std::string, int>> Zeichnung(const AufzeichnendeFlaeche& f) {
  std::vector<std::tuple<std::string, int, int, std::string, int>> z;
  for (const auto& a : f.Texte()) z.emplace_back(a.text, a.x, a.y, a.schrift.name, a.schrift.hoehe);
  return z;
}

TEST_F(Zeugnisdruck, EinBefehlIstEineSitzungMitDemNamenDesSchuelers) {
  befehl.Zeugnis1Click();
  EXPECT_EQ(flaeche.sitzungen, std::vector<std::string>{"Zeugnis-Muster-Erika"});
  EXPECT_EQ(flaeche.offeneSitzungen, 0);
  for (const auto& a : flaeche.Nur(AufzeichnendeFlaeche::Art::BeginneDokument)) {
    EXPECT_EQ(a.sitzung, "Zeugnis-Muster-Erika");
  }
  // A refused report opens no session.
  Neu();
  flaeche.sitzungen.clear();
  Satz().SetzeZeugnisart(0);
  befehl.Zeugnis1Click();
  EXPECT_TRUE(flaeche.sitzungen.empty());
}

TEST_F(Zeugnisdruck, VorschauZeigtDieSeitenDesDrucksOhneZuFragen) {
  befehl.Zeugnis1Click();
  const auto gedruckt = Zeichnung(flaeche);
  abfrage.texte.clear();
  befehl.ZeugnisVorschauClick();
  EXPECT_TRUE(abfrage.texte.empty());
  EXPECT_TRUE(meldungen.protokoll.empty());
  EXPECT_EQ(vorschau.namen, std::vector<std::string>{"Zeugnis-Muster-Erika"});
  EXPECT_EQ(vorschau.blaetter, std::vector<Blattformat>{Blattformat::A4Hoch});
  EXPECT_EQ(vorschau.flaeche.Nur(AufzeichnendeFlaeche::Art::BeginneDokument).size(), 2u);
  EXPECT_EQ(Zeichnung(vorschau.flaeche), gedruckt);

  // The leaving report side by side is previewed on A3 landscape.
  Satz().SetzeZeugnisart(4);
  Druck().Druckart = 2;
  befehl.ZeugnisVorschauClick();
  EXPECT_EQ(vorschau.blaetter.back(), Blattformat::A3Quer);
}

TEST_F(Zeugnisdruck, VorschauVerweigertWieDerDruck) {
  Satz().SetzeZeugnisart(3);
  befehl.ZeugnisVorschauClick();
  ErwarteFehler(ZeugnisartNichtVorgesehenText());
  EXPECT_TRUE(vorschau.namen.empty());
  Neu();
  Satz().SetzeZeugnisart(1);
  Druck().Druckart = 4;
  befehl.ZeugnisVorschauClick();
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Schlicht);
  EXPECT_TRUE(vorschau.namen.empty());
  // An unwritable table ends the command before the preview opens.
  Neu();
  Druck().Druckart = 1;
  fs::create_directory("1BS_HJ.FST");
  befehl.ZeugnisVorschauClick();
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_TRUE(vorschau.namen.empty());
}

}  // namespace
}  // namespace velmora
