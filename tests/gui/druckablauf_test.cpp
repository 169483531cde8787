// The print workflow through the real main window, offscreen: the preview window of each
// printout with as many pages as the print produces, the class window with its ticks,
// refusals and buttons, and the new entries of the print menu. Prints go to PDF files.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <map>

#include "app/fenster/MAIN.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "gui/kuerzel.h"
#include "gui/modalesfenster.h"
#include "gui/pdfhauptfenster.h"
#include "gui/pdflesen.h"
#include "reports/fenster/zeugnisseklasse.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;

// What a preview window showed.
struct Gezeigt {
  QString titel;
  int seiten = -1;
  QPageLayout layout;
};

// Opens the preview by `oeffnen`, notes what it shows and closes it.
Gezeigt Vorschau(const std::function<void()>& oeffnen) {
  Gezeigt g;
  BeiModalemFenster<QPrintPreviewDialog>([&g](QPrintPreviewDialog* d) {
    g.titel = d->windowTitle();
    g.seiten = d->findChild<QPrintPreviewWidget*>()->pageCount();
    g.layout = d->printer()->pageLayout();
    d->reject();
  });
  oeffnen();
  return g;
}

class Druckablauf : public PdfHauptfensterTest {
 protected:
  void SetUp() override {
    if (!PdfLesbar()) GTEST_SKIP() << "pdftotext (Debian package poppler-utils) is missing";
    ArbeitsverzeichnisTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(ZeigeHauptfenster());
    meldungen_.protokoll.clear();
  }

  S& Schueler(std::size_t i, const std::string& vornamen, const std::string& name, std::int16_t zeugnisart) {
    S& s = fenster_->Steuerung().Zustand().Klasse->Schueler[i];
    s.Setze(S::Name, name);
    s.Setze(S::Vornamen, vornamen);
    s.Setze(S::Klasse, "BS 11a");
    s.Setze(S::Hinweise, "Arbeitet gut mit.");
    s.SetzeSchulart(0);
    s.SetzeZeugnisart(zeugnisart);
    return s;
  }
  // The pages of the one PDF file the last command added.
  std::size_t SeitenDerNeuenDatei(std::size_t& bekannt) {
    const auto dateien = PdfDateien("Ausdrucke");
    EXPECT_EQ(dateien.size(), bekannt + 1);
    bekannt = dateien.size();
    const fs::path neu = fenster_->Druckflaeche().LetzteDatei().toStdString();
    return LiesPdf(neu).size();
  }
  // The closing notice's lines naming the file the last print wrote, with its full path.
  std::string DateiZeilen() const {
    const QString datei = QFileInfo(fenster_->Druckflaeche().LetzteDatei()).absoluteFilePath();
    return T("\r\rDer Ausdruck wurde gespeichert in der Datei\r") + K(QDir::toNativeSeparators(datei));
  }
};

TEST_F(Druckablauf, ZeugnisVorschauHatDieSeitenDesDrucks) {
  Schueler(0, "Jan", "Kowalski", 1);
  const Gezeigt g = Vorschau([&] { Ausloesen("ZeugnisVorschau1"); });
  EXPECT_EQ(g.titel, U("Druckvorschau"));
  EXPECT_EQ(g.seiten, 2);
  EXPECT_TRUE(meldungen_.protokoll.empty()) << "no page prompt in the preview";
  EXPECT_FALSE(fs::exists("Ausdrucke") && !PdfDateien("Ausdrucke").empty()) << "the preview writes no file";

  Ausloesen("Zeugnis1");
  ASSERT_EQ(meldungen_.protokoll.size(), 3u) << "the print asks before each page, then names its file";
  EXPECT_EQ(meldungen_.protokoll[2].text, DateiZeilen().substr(2));
  EXPECT_EQ(meldungen_.protokoll[2].knoepfe, Knoepfe::OkOrdnerOeffnen);
  std::size_t dateien = 0;
  EXPECT_EQ(static_cast<int>(SeitenDerNeuenDatei(dateien)), g.seiten);
  const QString datei = QFileInfo(fenster_->Druckflaeche().LetzteDatei()).fileName();
  EXPECT_TRUE(datei.startsWith(QStringLiteral("Zeugnis-Kowalski-Jan-"))) << datei.toStdString();
  EXPECT_EQ(fenster_->Statusfeld(0).text(), U("Ausdruck gespeichert: Ausdrucke/") + datei);

  // Printed from the preview window (as its print button does once the print dialog is
  // confirmed): every page shown in one file of its own, without a prompt.
  meldungen_.protokoll.clear();
  BeiModalemFenster<QPrintPreviewDialog>([](QPrintPreviewDialog* d) {
    d->findChild<QPrintPreviewWidget*>()->print();
    d->accept();
  });
  Ausloesen("ZeugnisVorschau1");
  EXPECT_EQ(meldungen_.Texte(), std::vector<std::string>{DateiZeilen().substr(2)}) << "only the closing notice";
  EXPECT_EQ(static_cast<int>(SeitenDerNeuenDatei(dateien)), g.seiten);
  const QString ausVorschau = QFileInfo(fenster_->Druckflaeche().LetzteDatei()).fileName();
  EXPECT_NE(ausVorschau, datei);
  EXPECT_TRUE(ausVorschau.startsWith(QStringLiteral("Zeugnis-Kowalski-Jan-"))) << ausVorschau.toStdString();
  EXPECT_EQ(fenster_->Statusfeld(0).text(), U("Ausdruck gespeichert: Ausdrucke/") + ausVorschau);
}

TEST_F(Druckablauf, SeiteAnSeiteWirdAufA3QuerGezeigtUndDerDruckerBleibtA4) {
  Schueler(0, "Jan", "Kowalski", 4);
  fenster_->Steuerung().Druckeinstellungen().Satz().Druckart = 2;
  fenster_->Steuerung().Druckeinstellungen().Satz().NurInnen = 0;
  const Gezeigt g = Vorschau([&] { Ausloesen("ZeugnisVorschau1"); });
  EXPECT_EQ(g.seiten, 2);
  EXPECT_EQ(g.layout.orientation(), QPageLayout::Landscape);
  EXPECT_TRUE(g.layout.pageSize().isEquivalentTo(QPageSize(QPageSize::A3)));
  const QPageLayout nachher = fenster_->Druckflaeche().Drucker().pageLayout();
  EXPECT_EQ(nachher.orientation(), QPageLayout::Portrait);
  EXPECT_TRUE(nachher.pageSize().isEquivalentTo(QPageSize(QPageSize::A4)));

  Ausloesen("Zeugnis1");
  std::size_t dateien = 0;
  EXPECT_EQ(static_cast<int>(SeitenDerNeuenDatei(dateien)), g.seiten);
}

TEST_F(Druckablauf, VorschauenDerBlaetterUndListenWieIhrDruck) {
  Schueler(0, "Anna", "Adam", 1);
  Schueler(1, "Ben", "Brandt", 1);
  Schueler(2, "Cem", "Claus", 1);
  // Three students at a line height of 70 mm/10 fill two pages of the text lists.
  struct Fall {
    const char* vorschau;
    const char* druck;
    int seiten;
  };
  const Fall faelle[] = {{"DatenblattVorschau1", "Datenblatt1", 1},
                         {"TestblattVorschau1", "Testblatt1", 1},
                         {"SammelformularVorschau1", "Sammelformular1", 1},
                         {"KlassenZeugnistexteVorschau1", "KlassenZeugnistexte1", 2},
                         {"AusgefuellteZeugnistexteVorschau1", "AusgefuellteZeugnistexte1", 2}};
  std::size_t dateien = 0;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.vorschau);
    meldungen_.protokoll.clear();
    const Gezeigt g = Vorschau([&] { Ausloesen(f.vorschau); });
    EXPECT_EQ(g.titel, U("Druckvorschau"));
    EXPECT_TRUE(meldungen_.protokoll.empty()) << "the preview asks nothing";
    EXPECT_EQ(g.seiten, f.seiten);
    Ausloesen(f.druck);
    EXPECT_EQ(static_cast<int>(SeitenDerNeuenDatei(dateien)), g.seiten);
  }
}

TEST_F(Druckablauf, KlassenfensterKreuztAnVerweigertDrucktUndZeigtVorher) {
  Schueler(0, "Anna", "Adam", 1);
  Schueler(2, "Ben", "Brandt", 3);  // "Übergangszeugnis": refused
  Schueler(3, "Cem", "Claus", 1);
  Schueler(4, "Dana", "Dorn", 1);
  Gezeigt vorschau;
  bool gesehen = false;
  BeiModalemFenster<TZeugnisseKlasseForm>([&](TZeugnisseKlasseForm* w) {
    gesehen = true;
    EXPECT_EQ(w->windowTitle(), U("Zeugnisse der Klasse"));
    QTreeWidget& liste = w->Liste();
    ASSERT_EQ(liste.topLevelItemCount(), 4) << "the free slot 1 is not listed";
    QTreeWidgetItem* ben = liste.topLevelItem(1);
    EXPECT_EQ(ben->text(0), U("Ben Brandt"));
    EXPECT_EQ(ben->text(1), U("Übergangszeugnis"));
    EXPECT_EQ(ben->text(2), U("Kein Zeugnisdruck möglich, da diese Zeugnisart im Gesetz nicht vorgesehen ist!"));
    EXPECT_EQ(ben->checkState(0), Qt::Unchecked);
    EXPECT_FALSE(ben->flags() & Qt::ItemIsEnabled);
    for (int i : {0, 2, 3}) {
      EXPECT_EQ(liste.topLevelItem(i)->checkState(0), Qt::Checked) << i;
      EXPECT_TRUE(liste.topLevelItem(i)->flags() & Qt::ItemIsEnabled) << i;
    }
    auto knopf = [w](const char* name) { return w->findChild<QPushButton*>(QString::fromLatin1(name)); };
    for (const char* name : {"Alle", "Keine", "Vorschau", "Drucken", "Abbrechen"}) ASSERT_NE(knopf(name), nullptr);
    EXPECT_EQ(knopf("Alle")->text(), U("&Alle"));
    EXPECT_EQ(knopf("Keine")->text(), U("&Keine"));
    EXPECT_EQ(knopf("Vorschau")->text(), U("&Vorschau"));
    EXPECT_EQ(knopf("Drucken")->text(), U("&Drucken"));
    EXPECT_EQ(knopf("Abbrechen")->text(), U("Abbrechen"));

    knopf("Keine")->click();
    EXPECT_FALSE(knopf("Drucken")->isEnabled());
    EXPECT_FALSE(knopf("Vorschau")->isEnabled());
    knopf("Alle")->click();
    EXPECT_EQ(ben->checkState(0), Qt::Unchecked) << "a refused line stays unticked";
    liste.topLevelItem(2)->setCheckState(0, Qt::Unchecked);  // Cem is not printed
    EXPECT_TRUE(knopf("Drucken")->isEnabled());

    vorschau = Vorschau([&] { knopf("Vorschau")->click(); });
    EXPECT_TRUE(w->isVisible()) << "the class window stays open behind the preview";
    knopf("Drucken")->click();
  });
  Ausloesen("ZeugnisseKlasse1");
  ASSERT_TRUE(gesehen);
  EXPECT_FALSE(fenster_->ZeugnisseKlasseForm().isVisible());

  EXPECT_EQ(vorschau.seiten, 4) << "two form pages for Anna and Dana";
  const std::string titel = "Halbjahreszeugnis der Berufsschule bsn-Nr.510 89 (11/98)";
  EXPECT_EQ(meldungen_.Texte(), (std::vector<std::string>{
                                    T("Druck auf Formular: ") + titel + T("\r für: 2 Schüler\r -- Seite(n) 1 von 2 --"),
                                    T("Druck auf Formular: ") + titel + T("\r für: 2 Schüler\r -- Seite(n) 2 von 2 --"),
                                    "Es wurden 2 Zeugnisse gedruckt." + DateiZeilen()}));
  EXPECT_EQ(meldungen_.protokoll.back().art, MeldungsArt::Information);
  std::size_t dateien = 0;
  EXPECT_EQ(static_cast<int>(SeitenDerNeuenDatei(dateien)), vorschau.seiten);
  EXPECT_TRUE(
      QFileInfo(fenster_->Druckflaeche().LetzteDatei()).fileName().startsWith(QStringLiteral("Zeugnisse-BS 11a-")));
}

TEST_F(Druckablauf, KlassenfensterDrucktAufWeissesPapierOhneNachfrage) {
  Schueler(0, "Anna", "Adam", 1);
  Schueler(1, "Ben", "Brandt", 4);
  Schueler(2, "Cem", "Claus", 3);  // refused on plain paper as on the forms
  Gezeigt vorschau;
  BeiModalemFenster<TZeugnisseKlasseForm>([&](TZeugnisseKlasseForm* w) {
    EXPECT_TRUE(w->Formulare().isChecked()) << "the window opens on the forms";
    EXPECT_EQ(w->WeissesPapier().text(), U("&weißes Papier (vollständiges Zeugnis)"));
    w->WeissesPapier().click();
    EXPECT_FALSE(w->Liste().topLevelItem(2)->flags() & Qt::ItemIsEnabled);
    vorschau = Vorschau([&] { w->findChild<QPushButton*>(QStringLiteral("Vorschau"))->click(); });
    w->findChild<QPushButton*>(QStringLiteral("Drucken"))->click();
  });
  Ausloesen("ZeugnisseKlasse1");

  // No page prompt: only the closing box.
  EXPECT_EQ(meldungen_.Texte(), std::vector<std::string>{"Es wurden 2 Zeugnisse gedruckt." + DateiZeilen()});
  std::size_t dateien = 0;
  const std::size_t seiten = SeitenDerNeuenDatei(dateien);
  EXPECT_GE(seiten, 2u);
  EXPECT_EQ(static_cast<int>(seiten), vorschau.seiten);
  const auto pdf = LiesPdf(fenster_->Druckflaeche().LetzteDatei().toStdString());
  bool halbjahr = false, abgang = false;
  for (const PdfSeite& p : pdf) {
    EXPECT_NEAR(p.breite, 210, 1) << "plain paper is A4";
    halbjahr = halbjahr || p.Finde("Halbjahreszeugnis");
    abgang = abgang || p.Finde("Abgangszeugnis");
  }
  EXPECT_TRUE(halbjahr);
  EXPECT_TRUE(abgang);
}

TEST_F(Druckablauf, KlassenfensterAbbrechenDrucktNichtsUndLeereKlasseOeffnetKeinFenster) {
  Ausloesen("ZeugnisseKlasse1");
  EXPECT_EQ(meldungen_.Texte(), std::vector<std::string>{T("In der Klasse ist noch kein Schüler eingetragen.")});
  EXPECT_FALSE(fenster_->ZeugnisseKlasseForm().isVisible());

  Schueler(0, "Anna", "Adam", 1);
  meldungen_.protokoll.clear();
  BeiModalemFenster<TZeugnisseKlasseForm>(
      [](TZeugnisseKlasseForm* w) { w->findChild<QPushButton*>(QStringLiteral("Abbrechen"))->click(); });
  Ausloesen("ZeugnisseKlasse1");
  EXPECT_TRUE(meldungen_.protokoll.empty());
  EXPECT_TRUE(PdfDateien("Ausdrucke").empty());
}

TEST_F(Druckablauf, NeueEintraegeImDruckmenueMitEigenenKuerzeln) {
  QMenu* drucken = fenster_->findChild<QMenu*>(QStringLiteral("MenueDrucken"));
  ASSERT_NE(drucken, nullptr);
  EXPECT_EQ(fenster_->Aktion(QStringLiteral("ZeugnisseKlasse1"))->text(), U("Zeugnisse der &Klasse..."));
  EXPECT_EQ(fenster_->Aktion(QStringLiteral("ZeugnisVorschau1"))->text(), U("Zeugnis-&Vorschau..."));
  // The new entries' mnemonics, and the two fixed entries that share "Z" (that no others in a
  // menu share one is checked for every menu in bedienung_test.cpp).
  std::map<QChar, QStringList> kuerzel;
  for (QAction* a : drucken->actions()) {
    const QChar taste = Kuerzel(a->text());
    if (!taste.isNull()) kuerzel[taste] << a->text();
  }
  EXPECT_EQ(kuerzel[QLatin1Char('z')].size(), 2) << kuerzel[QLatin1Char('z')].join(QStringLiteral(", ")).toStdString();
  for (QChar k : {QLatin1Char('k'), QLatin1Char('v'), QLatin1Char('l')}) EXPECT_EQ(kuerzel.count(k), 1u);
  QMenu* vorschau = fenster_->findChild<QMenu*>(QStringLiteral("MenueVorschau"));
  ASSERT_NE(vorschau, nullptr);
  EXPECT_EQ(vorschau->actions().size(), 5);
  for (QAction* a : vorschau->actions()) {
    ASSERT_FALSE(Kuerzel(a->text()).isNull()) << a->text().toStdString();
    EXPECT_FALSE(a->statusTip().isEmpty());
  }
}

}  // namespace
}  // namespace velmora::test
