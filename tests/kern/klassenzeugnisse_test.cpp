// The reports of the whole class: the lines of the class window with the single command's
// decisions, and the print of the ticked students against the recording surface, one
// prompt and one job per form page for all students of a layout.
#include <gtest/gtest.h>

#include <filesystem>

#include "basis/cp1252.h"
#include "common/arbeitsverzeichnis.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/fakes.h"
#include "reports/klassenzeugnisse.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AufzeichnendeFlaeche;
using Art = AufzeichnendeFlaeche::Art;
using Aufruf = AufzeichnendeFlaeche::Aufruf;
using S = TSchuelerDatensatz;

class Klassenzeugnisse : public test::ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    for (S& s : zustand.Klasse->Schueler) s.Setze(S::Name, std::string(kFreiName));
    zustand.Dateiname = "/home/lehrer/BS 11a.VLM";
    druck.NurInnen = 0;
  }

  S& Schueler(std::size_t i, const std::string& vornamen, const std::string& name, std::int16_t zeugnisart,
              std::int16_t schulart = 0) {
    S& s = zustand.Klasse->Schueler[i];
    s.Setze(S::Name, name);
    s.Setze(S::Vornamen, vornamen);
    s.Setze(S::Klasse, "BS 11a");
    s.SetzeSchulart(schulart);
    s.SetzeZeugnisart(zeugnisart);
    return s;
  }

  // Per job the report names it draws, in order (the name stands once on page 1 of the
  // half-year form, at entry 5).
  std::vector<std::vector<std::string>> NamenJeAuftrag(const AufzeichnendeFlaeche& f) const {
    std::vector<std::vector<std::string>> jobs;
    for (const Aufruf& a : f.aufrufe) {
      if (a.art == Art::BeginneDokument) jobs.emplace_back();
      if (a.art != Art::Text || jobs.empty()) continue;
      for (const auto& [vorname, name] : namen) {
        if (a.text == vorname + " " + name) jobs.back().push_back(a.text);
      }
    }
    return jobs;
  }

  KlassenZustand zustand;
  TDruckEinstellungen druck;
  TProgrammEinstellungen programm;  // publisher 1
  std::string schule = "Berufsschule Nord", kurzname = "BSN";
  DruckKontext kontext{zustand, druck, programm, schule, kurzname};
  AufzeichnendeFlaeche flaeche;
  test::FakeMeldungen meldungen;
  test::SkriptSeitenAbfrage abfrage;
  TZeilenpuffer puffer;
  test::AufzeichnendeVorschau vorschau;
  Klassenzeugnisbefehl befehl{kontext, flaeche, meldungen, abfrage, puffer, vorschau};
  std::vector<std::pair<std::string, std::string>> namen = {
      {"Anna", "Adam"}, {"Ben", "Brandt"}, {"Cem", "Claus"}, {"Dana", "Dorn"}, {"Eva", "Ernst"}};
};

TEST_F(Klassenzeugnisse, ZeilenMitDenEntscheidungenDesEinzelbefehlsInIhrerReihenfolge) {
  Schueler(0, "Anna", "Adam", 1);
  Schueler(2, "Ben", "Brandt", 3, 4);  // reserve school type before report type 3
  Schueler(3, "Cem", "Claus", 3);
  Schueler(4, "Dana", "Dorn", 0);
  Schueler(6, "Eva", "Ernst", 5, 1);   // the vocational college: no report, no message
  Schueler(7, "Finn", "Fuchs", 2, 7);  // no school type
  const auto zeilen = befehl.Zeilen();
  ASSERT_EQ(zeilen.size(), 6u) << "free slots are not listed";
  const std::vector<std::size_t> slots = {0, 2, 3, 4, 6, 7};
  for (std::size_t i = 0; i < zeilen.size(); ++i) EXPECT_EQ(zeilen[i].schueler, slots[i]);

  EXPECT_EQ(zeilen[0].name, "Anna Adam");
  EXPECT_EQ(zeilen[0].zeugnisart, "Halbjahreszeugnis");
  EXPECT_EQ(zeilen[0].typ, Zeugnistyp::Halbjahr);
  EXPECT_EQ(zeilen[0].verweigerung, "");
  EXPECT_FALSE(zeilen[1].typ);
  EXPECT_EQ(zeilen[1].zeugnisart, T("Übergangszeugnis"));
  EXPECT_EQ(zeilen[1].verweigerung, T("Kein Zeugnisdruck möglich, da keine gültige Schulart ausgewählt wurde!"));
  EXPECT_EQ(zeilen[2].verweigerung,
            T("Kein Zeugnisdruck möglich, da diese Zeugnisart im Gesetz nicht vorgesehen ist!"));
  EXPECT_EQ(zeilen[3].zeugnisart, "kein Zeugnistyp");
  EXPECT_EQ(zeilen[3].verweigerung, T("Kein Zeugnisdruck möglich, da kein Zeugnistyp ausgewählt wurde!"));
  EXPECT_EQ(zeilen[4].verweigerung, T("Kein Zeugnisdruck für die Berufsfachschule"));
  EXPECT_EQ(zeilen[5].verweigerung, T("Kein Zeugnisdruck möglich, da keine Schulart ausgewählt wurde!"));

  // The print mode comes last: it refuses every student the first two checks let through.
  druck.Druckart = 0;
  EXPECT_EQ(befehl.Zeilen()[0].verweigerung,
            T("Kein Zeugnisdruck möglich, da die Bedruckungsart auf \"nicht drucken\" eingestellt wurde!"));
  EXPECT_EQ(befehl.Zeilen()[2].verweigerung,
            T("Kein Zeugnisdruck möglich, da diese Zeugnisart im Gesetz nicht vorgesehen ist!"));
  druck.Druckart = 3;
  EXPECT_EQ(befehl.Zeilen()[0].verweigerung, NichtVerfuegbarText());
  EXPECT_FALSE(befehl.Zeilen()[0].typ);
}

TEST_F(Klassenzeugnisse, LeereKlasseSagtEsUndGibtKeineZeilen) {
  EXPECT_TRUE(befehl.Oeffnen().empty());
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Information);
  EXPECT_EQ(meldungen.protokoll[0].text, T("In der Klasse ist noch kein Schüler eingetragen."));
}

TEST_F(Klassenzeugnisse, EineFrageUndEinAuftragJeFormularseiteFuerAlleAngekreuzten) {
  Schueler(0, "Anna", "Adam", 1);
  Schueler(1, "Ben", "Brandt", 1);  // printable, but not ticked
  Schueler(2, "Cem", "Claus", 3);   // refused, ticked anyway: left out
  Schueler(4, "Dana", "Dorn", 1);
  Schueler(5, "Eva", "Ernst", 1);
  befehl.Drucken({5, 0, 2, 4});

  ASSERT_EQ(abfrage.texte.size(), 2u);
  const std::string titel = "Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)";
  EXPECT_EQ(abfrage.texte[0], T("Druck auf Formular: ") + titel + T("\r für: 3 Schüler\r -- Seite(n) 1 von 2 --"));
  EXPECT_EQ(abfrage.texte[1], T("Druck auf Formular: ") + titel + T("\r für: 3 Schüler\r -- Seite(n) 2 von 2 --"));
  // Page 1 carries the name at entry 5, page 2 at entry 82: each job holds the three in slot
  // order, each on a sheet of its own.
  const std::vector<std::string> reihe = {"Anna Adam", "Dana Dorn", "Eva Ernst"};
  EXPECT_EQ(NamenJeAuftrag(flaeche), (std::vector<std::vector<std::string>>{reihe, reihe}));
  EXPECT_EQ(flaeche.Nur(Art::NeueSeite).size(), 4u) << "two new sheets in each of the two jobs";
  EXPECT_EQ(flaeche.Nur(Art::BeginneDokument)[0].text, "Zeugnisse");
  EXPECT_EQ(flaeche.AusserhalbDokument(), 0);
  // One session for the whole command, named after the class.
  EXPECT_EQ(flaeche.sitzungen, std::vector<std::string>{"Zeugnisse-BS 11a"});
  for (const Aufruf& a : flaeche.Nur(Art::BeginneDokument)) EXPECT_EQ(a.sitzung, "Zeugnisse-BS 11a");
  EXPECT_EQ(flaeche.offeneSitzungen, 0);

  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Information);
  EXPECT_EQ(meldungen.protokoll[0].knoepfe, Knoepfe::Ok);
  EXPECT_EQ(meldungen.protokoll[0].text, "Es wurden 3 Zeugnisse gedruckt.");
}

TEST_F(Klassenzeugnisse, AbgebrocheneFrageLaesstNurDiesenAuftragAus) {
  Schueler(0, "Anna", "Adam", 1);
  Schueler(1, "Ben", "Brandt", 1);
  abfrage.antworten = {false, true};
  befehl.Drucken({0, 1});
  EXPECT_EQ(abfrage.texte.size(), 2u);
  EXPECT_EQ(flaeche.Nur(Art::BeginneDokument).size(), 1u);
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].text,
            "Es wurde kein Zeugnis gedruckt.\rBei 2 Zeugnissen wurden nicht alle Formularseiten gedruckt.");
}

TEST_F(Klassenzeugnisse, LayoutsNacheinanderJedesMitSeinerTabelleUndSeitenfolge) {
  druck.Druckart = 2;
  Schueler(0, "Anna", "Adam", 4);   // leaving report
  Schueler(1, "Ben", "Brandt", 1);  // half-year report
  Schueler(2, "Cem", "Claus", 2);   // year report
  Schueler(3, "Dana", "Dorn", 1);
  befehl.Drucken({0, 1, 2, 3});
  // Half-year (2 students, two pages), year (1), leaving (1, side by side).
  const std::vector<std::string> erwartet = {
      "Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)\r für: 2 Schüler\r -- Seite(n) 1 von 2 --",
      "Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)\r für: 2 Schüler\r -- Seite(n) 2 von 2 --",
      "Jahreszeugnis der Berufsschule bsn-Nr.510 80 (05/98)\r für: 1 Schüler\r -- Seite(n) 1 von 2 --",
      "Jahreszeugnis der Berufsschule bsn-Nr.510 80 (05/98)\r für: 1 Schüler\r -- Seite(n) 2 von 2 --",
      "Abgangszeugnis der Berufsschule bsn-Nr.510 81 (05/98)\r für: 1 Schüler\r -- Seite(n) (4 +) 1 von 3 --"};
  ASSERT_EQ(abfrage.texte.size(), 6u);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(abfrage.texte[i], T("Druck auf Formular: ") + T(erwartet[i].c_str()));
  EXPECT_NE(abfrage.texte[5].find("-- Seite(n) 2 + 3 von 3 --"), std::string::npos);
  EXPECT_TRUE(fs::exists("1BS_HJ.FST") && fs::exists("1BS_EJ.FST") && fs::exists("1BS_ABG.FST"));
  EXPECT_FALSE(fs::exists("1BS_ABS.FST")) << "no final report ticked: its table is not needed";

  const auto jobs = flaeche.Nur(Art::BeginneDokument);
  ASSERT_EQ(jobs.size(), 6u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(jobs[i].blatt, Blattformat::A4Hoch) << i;
  EXPECT_EQ(jobs[4].blatt, Blattformat::A3Quer);
  EXPECT_EQ(jobs[5].blatt, Blattformat::A3Quer);
  EXPECT_EQ(meldungen.protokoll.back().text, "Es wurden 4 Zeugnisse gedruckt.");
}

TEST_F(Klassenzeugnisse, AbgelehnterAuftragBeendetDenKlassendruck) {
  Schueler(0, "Anna", "Adam", 1);
  Schueler(1, "Ben", "Brandt", 2);
  flaeche.dokumentAblehnen = true;
  befehl.Drucken({0, 1});
  EXPECT_EQ(abfrage.texte.size(), 1u) << "no prompt after the refused job, not even for the next layout";
  EXPECT_TRUE(flaeche.Texte().empty());
  EXPECT_EQ(meldungen.protokoll.back().text, "Es wurde kein Zeugnis gedruckt.");
}

TEST_F(Klassenzeugnisse, UnlesbareTabelleZeigtDenFehlerUndDrucktNichts) {
  Schueler(0, "Anna", "Adam", 1);
  Schueler(1, "Ben", "Brandt", 2);
  fs::create_directory("1BS_EJ.FST");  // the year report's table cannot be written
  befehl.Drucken({0, 1});
  EXPECT_TRUE(abfrage.texte.empty()) << "every table is read before the first prompt";
  EXPECT_TRUE(flaeche.aufrufe.empty());
  ASSERT_EQ(meldungen.protokoll.size(), 2u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_EQ(meldungen.protokoll[1].text, "Es wurde kein Zeugnis gedruckt.");
}

TEST_F(Klassenzeugnisse, VorschauZeigtAlleSeitenOhneFragenAufDemGroesstenBlatt) {
  druck.Druckart = 2;
  Schueler(0, "Anna", "Adam", 1);
  Schueler(1, "Ben", "Brandt", 5);
  befehl.Vorschau({0, 1});
  EXPECT_TRUE(abfrage.texte.empty());
  EXPECT_TRUE(meldungen.protokoll.empty()) << "a preview prints nothing and says nothing";
  EXPECT_TRUE(flaeche.aufrufe.empty());
  ASSERT_EQ(vorschau.namen, std::vector<std::string>{"Zeugnisse-BS 11a"});
  EXPECT_EQ(vorschau.blaetter, std::vector<Blattformat>{Blattformat::A3Quer});
  // The jobs of the print with every prompt confirmed.
  EXPECT_EQ(vorschau.flaeche.Nur(Art::BeginneDokument).size(), 4u);

  druck.Druckart = 1;
  befehl.Vorschau({0});
  EXPECT_EQ(vorschau.blaetter.back(), Blattformat::A4Hoch);
}

TEST(KlassenDruckMeldung, EinzahlMehrzahlUndTeilweise) {
  EXPECT_EQ(KlassenDruckMeldung({0, 0}), "Es wurde kein Zeugnis gedruckt.");
  EXPECT_EQ(KlassenDruckMeldung({1, 0}), "Es wurde 1 Zeugnis gedruckt.");
  EXPECT_EQ(KlassenDruckMeldung({35, 0}), "Es wurden 35 Zeugnisse gedruckt.");
  EXPECT_EQ(KlassenDruckMeldung({2, 1}),
            "Es wurden 2 Zeugnisse gedruckt.\rBei 1 Zeugnis wurden nicht alle Formularseiten gedruckt.");
  EXPECT_EQ(KlassenDruckMeldung({1, 2, false}),
            "Es wurde 1 Zeugnis gedruckt.\rBei 2 Zeugnissen wurden nicht alle Seiten gedruckt.");
}

}  // namespace
}  // namespace velmora
