// Print commands through the real Qt surface into PDF files: one file per command with all
// its pages, named after what it holds, never overwriting, and side-by-side jobs on A3
// landscape. The files are read back with pdftotext -bbox.
#include <gtest/gtest.h>

#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <regex>

#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "gui/modalesfenster.h"
#include "gui/pdflesen.h"
#include "printcommands/druckbefehle.h"
#include "qtadapter/qtdruckflaeche.h"
#include "qtadapter/qtdruckvorschau.h"
#include "reports/klassenzeugnisse.h"
#include "reports/zeugnisbefehl.h"
#include "reports/zeugnistexte.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;

class PdfSitzung : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    if (!PdfLesbar()) GTEST_SKIP() << "pdftotext (Debian package poppler-utils) is missing";
    ArbeitsverzeichnisTest::SetUp();
    flaeche.NurPdf();
    flaeche.meldeAusgabe = [this](const QString& text) { status = K(text); };
    zustand.Dateiname = "VORLAGE.VLM";
    for (S& s : zustand.Klasse->Schueler) s.Setze(S::Name, std::string(kFreiName));
  }

  S& Schueler(std::size_t i, const std::string& name, const std::string& vornamen, std::int16_t zeugnisart,
              const std::string& klasse = "BS 11/2") {
    S& s = zustand.Klasse->Schueler[i];
    s.Setze(S::Name, name);
    s.Setze(S::Vornamen, vornamen);
    s.Setze(S::Klasse, klasse);
    s.SetzeSchulart(0);
    s.SetzeZeugnisart(zeugnisart);
    return s;
  }
  // The one PDF file the command wrote.
  fs::path EinzigeDatei() {
    const auto dateien = PdfDateien("Ausdrucke");
    EXPECT_EQ(dateien.size(), 1u);
    return dateien.empty() ? fs::path() : dateien.front();
  }
  static bool NameWie(const fs::path& datei, const std::string& stamm) {
    return std::regex_match(datei.filename().string(), std::regex(stamm + R"(-\d{8}-\d{6}(-\d+)?\.pdf)"));
  }

  KlassenZustand zustand;
  TDruckEinstellungen druck;
  TProgrammEinstellungen programm;
  std::string schule = "Berufsschule Musterstadt", kurzname = "BS";
  DruckKontext kontext{zustand, druck, programm, schule, kurzname};
  FakeMeldungen meldungen;
  QtDruckflaeche flaeche{meldungen};
  SkriptSeitenAbfrage abfrage;  // confirms every prompt
  TZeilenpuffer puffer;
  AufzeichnendeVorschau vorschau;
  FesteUhr uhr;
  std::string status;
};

TEST_F(PdfSitzung, ZeugnisIstEineDateiMitBeidenSeitenUndDemNamenAufJeder) {
  Schueler(0, "Kowalski", "Jan", 1);
  Zeugnisbefehl befehl{kontext, flaeche, meldungen, abfrage, puffer, vorschau};
  befehl.Zeugnis1Click();
  EXPECT_EQ(abfrage.texte.size(), 2u);

  const fs::path datei = EinzigeDatei();
  EXPECT_TRUE(NameWie(datei, "Zeugnis-Kowalski-Jan")) << datei;
  EXPECT_EQ(status, "Ausdruck gespeichert: Ausdrucke/" + datei.filename().string());
  const auto seiten = LiesPdf(datei);
  ASSERT_EQ(seiten.size(), 2u);
  for (const PdfSeite& s : seiten) {
    EXPECT_NEAR(s.breite, 210.0, 0.5);
    EXPECT_NEAR(s.hoehe, 297.0, 0.5);
    EXPECT_NE(s.Finde("Jan", "Kowalski"), nullptr);
  }
}

TEST_F(PdfSitzung, AbgebrocheneSeitenfrageLaesstIhreSeiteAusUndAlleAbgebrochenKeineDatei) {
  Schueler(0, "Kowalski", "Jan", 1);
  Zeugnisbefehl befehl{kontext, flaeche, meldungen, abfrage, puffer, vorschau};
  abfrage.antworten = {false, false};
  befehl.Zeugnis1Click();
  EXPECT_TRUE(PdfDateien("Ausdrucke").empty()) << "no page, no file";
  abfrage.antworten = {false, true};
  befehl.Zeugnis1Click();
  EXPECT_EQ(LiesPdf(EinzigeDatei()).size(), 1u);
}

TEST_F(PdfSitzung, KlasseIstEineDateiFormularseiteFuerFormularseite) {
  Schueler(0, "Adam", "Anna", 1);
  Schueler(1, "Brandt", "Ben", 1);
  Schueler(2, "Claus", "Cem", 1).SetzeSchulart(3);  // refused: reserve school type
  Schueler(3, "Dorn", "Dana", 1);
  Klassenzeugnisbefehl befehl{kontext, flaeche, meldungen, abfrage, puffer, vorschau};
  befehl.Drucken({0, 1, 2, 3});

  const fs::path datei = EinzigeDatei();
  EXPECT_TRUE(NameWie(datei, "Zeugnisse-BS 11_2")) << datei;
  const auto seiten = LiesPdf(datei);
  ASSERT_EQ(seiten.size(), 6u) << "two form pages for three students";
  const std::vector<std::pair<std::string, std::string>> reihenfolge = {
      {"Anna", "Adam"}, {"Ben", "Brandt"}, {"Dana", "Dorn"}};
  for (std::size_t p = 0; p < seiten.size(); ++p) {
    const auto& [vorname, name] = reihenfolge[p % 3];
    EXPECT_NE(seiten[p].Finde(vorname, name), nullptr) << "page " << p + 1;
    EXPECT_EQ(seiten[p].Finde("Cem"), nullptr) << "page " << p + 1;
  }
  ASSERT_EQ(meldungen.protokoll.size(), 1u);
  EXPECT_EQ(meldungen.protokoll[0].art, MeldungsArt::Information);
  EXPECT_EQ(meldungen.protokoll[0].text,
            "Es wurden 3 Zeugnisse gedruckt.\r\rDer Ausdruck wurde gespeichert in der Datei\r" +
                fs::absolute(datei).string());
  EXPECT_EQ(meldungen.protokoll[0].knoepfe, Knoepfe::OkOrdnerOeffnen);
}

TEST_F(PdfSitzung, DateinamenDerBefehleUndNieUeberschrieben) {
  Schueler(0, "Kowalski", "Jan", 1, "FI/23a");
  Schueler(1, "Lang", "Lea", 1, "FI/23a").Setze(S::Hinweise, "Lea arbeitet gut mit.");
  Druckbefehle blaetter{kontext, flaeche, meldungen, uhr, puffer, vorschau};
  Zeugnistextbefehle texte{kontext, flaeche, meldungen, puffer, vorschau};

  blaetter.Testblatt1Click();
  blaetter.Testblatt1Click();  // within the same second as often as not: "-2"
  blaetter.DatenblattDrucken();
  texte.KlassenZeugnistexte1Click();

  const auto dateien = PdfDateien("Ausdrucke");
  ASSERT_EQ(dateien.size(), 4u);
  int testblaetter = 0, datenblaetter = 0, zeugnistexte = 0;
  for (const fs::path& d : dateien) {
    testblaetter += NameWie(d, "Testblatt");
    datenblaetter += NameWie(d, "Datenblatt-Kowalski-Jan");
    zeugnistexte += NameWie(d, "Zeugnistexte-FI_23a");
    EXPECT_EQ(LiesPdf(d).size(), 1u) << d;
  }
  EXPECT_EQ(testblaetter, 2);
  EXPECT_EQ(datenblaetter, 1);
  EXPECT_EQ(zeugnistexte, 1);
}

TEST_F(PdfSitzung, ImDruckdialogGewaehlteDateiGiltNurFuerDenNaechstenBefehl) {
  Schueler(0, "Kowalski", "Jan", 1);
  Zeugnisbefehl befehl{kontext, flaeche, meldungen, abfrage, puffer, vorschau};
  const QString eigene = QDir::current().filePath(QStringLiteral("eigene.pdf"));
  flaeche.Drucker().setOutputFileName(eigene);  // as the print dialog leaves it
  befehl.Zeugnis1Click();
  ASSERT_TRUE(fs::exists("eigene.pdf"));
  const auto groesse = fs::file_size("eigene.pdf");
  EXPECT_EQ(LiesPdf("eigene.pdf").size(), 2u) << "both jobs in the chosen file";
  befehl.Zeugnis1Click();
  EXPECT_EQ(fs::file_size("eigene.pdf"), groesse);
  EXPECT_TRUE(NameWie(EinzigeDatei(), "Zeugnis-Kowalski-Jan"));
}

// The leaving report in print mode 2: the outer side with page 1 right of the blank page 4,
// the inner side with pages 2 and 3; both laid out on A3 landscape, the shifted page on the
// paper at its margin plus 210 mm.
TEST_F(PdfSitzung, Druckart2AufA3QuerMitDerVerschobenenSeiteAufDemPapier) {
  druck.Druckart = 2;
  druck.NurInnen = 0;
  Schueler(0, "Kowalski", "Jan", 4);
  Zeugnisbefehl befehl{kontext, flaeche, meldungen, abfrage, puffer, vorschau};
  befehl.Zeugnis1Click();
  ASSERT_EQ(abfrage.texte.size(), 2u);

  const auto seiten = LiesPdf(EinzigeDatei());
  ASSERT_EQ(seiten.size(), 2u);
  for (const PdfSeite& s : seiten) {
    EXPECT_NEAR(s.breite, 420.0, 0.5);
    EXPECT_NEAR(s.hoehe, 297.0, 0.5);
  }
  TFormatSteuerTabelle tabelle;
  std::string titel;
  LadeFormatSteuerTabelle(tabelle, ZeugnisDateiname(Zeugnistyp::Abgang, programm.Verlag), titel, meldungen);
  const TSeitenRaender r = ZeugnisRaender(Zeugnistyp::Abgang, druck);
  // Inner side: page 2 at its own margin with the name at entry 5, page 3 210 mm right of
  // its margin with the name at entry 82.
  ASSERT_EQ(tabelle[5].Seite, 2);
  ASSERT_EQ(tabelle[82].Seite, 3);
  const PdfWort* links = nullptr;
  const PdfWort* rechts = nullptr;
  for (const PdfWort& w : seiten[1].woerter) {
    if (w.text == "Jan") (w.xMin < 210.0 ? links : rechts) = &w;
  }
  ASSERT_NE(links, nullptr);
  ASSERT_NE(rechts, nullptr);
  EXPECT_NEAR(links->xMin, (r[1].Links + tabelle[5].X) / 10.0, 0.3);
  EXPECT_NEAR(links->yMax, (r[1].Oben + tabelle[5].Y) / 10.0, 0.3);
  EXPECT_NEAR(rechts->xMin, (r[2].Links + 2100 + tabelle[82].X) / 10.0, 0.3);
  EXPECT_NEAR(rechts->yMax, (r[2].Oben + tabelle[82].Y) / 10.0, 0.3);
  EXPECT_LT(rechts->xMax, 420.0);
  // Outer side: the school's name, centred on entry 1 of page 1, right half of the sheet.
  const PdfWort* schulname = seiten[0].Finde("Berufsschule", "Musterstadt");
  ASSERT_NE(schulname, nullptr);
  EXPECT_GT(schulname->xMin, 210.0);
  EXPECT_LT(schulname->xMax + 40.0, 420.0);
}

// A half-year report (two A4 jobs) and a final report ("2 + 3" on A3) side by side.
class GemischteKlasse : public PdfSitzung {
 protected:
  void SetUp() override {
    PdfSitzung::SetUp();
    druck.Druckart = 2;
    druck.NurInnen = 1;
    Schueler(0, "Adam", "Anna", 1);
    Schueler(1, "Brandt", "Ben", 5);
  }
  // The one PDF file: each job on its own sheet, and the printer A4 portrait again.
  void ErwarteJedesBlattWieSeinAuftrag() {
    const auto seiten = LiesPdf(EinzigeDatei());
    ASSERT_EQ(seiten.size(), 3u);
    EXPECT_NEAR(seiten[0].breite, 210.0, 0.5);
    EXPECT_NEAR(seiten[0].hoehe, 297.0, 0.5);
    EXPECT_NEAR(seiten[1].breite, 210.0, 0.5);
    EXPECT_NEAR(seiten[2].breite, 420.0, 0.5);
    EXPECT_NEAR(seiten[2].hoehe, 297.0, 0.5);
    EXPECT_NE(seiten[2].Finde("Ben", "Brandt"), nullptr);
    EXPECT_EQ(flaeche.Drucker().pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_TRUE(flaeche.Drucker().pageLayout().pageSize().isEquivalentTo(QPageSize(QPageSize::A4)));
  }
};

TEST_F(GemischteKlasse, WechseltDasBlattVonSeiteZuSeite) {
  Klassenzeugnisbefehl befehl{kontext, flaeche, meldungen, abfrage, puffer, vorschau};
  befehl.Drucken({0, 1});
  ErwarteJedesBlattWieSeinAuftrag();
}

// The preview shows every page on the A3 sheet the side-by-side job needs; printed from
// there, each job has its own sheet again, as when the command prints.
TEST_F(GemischteKlasse, DruckAusDerVorschauGibtJedemAuftragSeinBlatt) {
  QtDruckvorschau echteVorschau(flaeche, nullptr);
  Klassenzeugnisbefehl befehl{kontext, flaeche, meldungen, abfrage, puffer, echteVorschau};
  QPageLayout gezeigt;
  BeiModalemFenster<QPrintPreviewDialog>([&](QPrintPreviewDialog* d) {
    gezeigt = d->printer()->pageLayout();
    d->findChild<QPrintPreviewWidget*>()->print();
    d->accept();
  });
  befehl.Vorschau({0, 1});
  EXPECT_TRUE(gezeigt.pageSize().isEquivalentTo(QPageSize(QPageSize::A3)));
  ErwarteJedesBlattWieSeinAuftrag();
}

}  // namespace
}  // namespace velmora::test
