// How the program feels to use: German standard dialogs, the keyboard (shortcuts, mnemonics,
// tab order), the status bar, and a main window that fits a small screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <map>
#include <set>

#include "app/fenster/MAIN.h"
#include "app/fenster/editorseiten.h"
#include "app/fenster/fortschritt.h"
#include "app/fenster/hilfe.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "gui/kuerzel.h"
#include "gui/modalesfenster.h"
#include "qtadapter/qtdateidialoge.h"
#include "qtadapter/qtdruckflaeche.h"
#include "settings/fenster/schuldaten.h"
#include "subjects/fenster/auswklfa.h"

namespace velmora::test {
namespace {

// The texts of all buttons of a window, without their mnemonic marks.
QStringList Knoepfe(QWidget* fenster) {
  QStringList texte;
  for (QAbstractButton* k : fenster->findChildren<QAbstractButton*>()) {
    if (k->isVisible()) texte << k->text().remove(QLatin1Char('&'));
  }
  return texte;
}

TEST(DeutscheDialoge, DateidialogeHeissenOeffnenUndSpeichernUnter) {
  TempArbeitsverzeichnis arbeit;
  QWidget eltern;
  QtDateiDialoge dialoge(&eltern);
  DateiDialogWunsch wunsch{"Textdatei (*.TXT)|*.TXT;*.CSV", "", "TXT", ""};
  ModalesFensterPruefen([&] { EXPECT_FALSE(dialoge.Oeffnen(wunsch)); },
                        [](QWidget* fenster) {
                          EXPECT_EQ(fenster->windowTitle(), U("Öffnen"));
                          auto* dialog = qobject_cast<QFileDialog*>(fenster);
                          ASSERT_NE(dialog, nullptr);
                          EXPECT_EQ(dialog->nameFilters(), QStringList{U("Textdatei (*.TXT *.CSV)")});
                          const QStringList knoepfe = Knoepfe(fenster);
                          EXPECT_TRUE(knoepfe.contains(U("Öffnen"))) << knoepfe.join(", ").toStdString();
                          EXPECT_TRUE(knoepfe.contains(U("Abbrechen"))) << knoepfe.join(", ").toStdString();
                        });
  wunsch.filter = "Velmora (*.VLM)|*.VLM";
  ModalesFensterPruefen([&] { EXPECT_FALSE(dialoge.Speichern(wunsch)); },
                        [](QWidget* fenster) {
                          EXPECT_EQ(fenster->windowTitle(), U("Speichern unter"));
                          const QStringList knoepfe = Knoepfe(fenster);
                          EXPECT_TRUE(knoepfe.contains(U("Speichern"))) << knoepfe.join(", ").toStdString();
                          EXPECT_TRUE(knoepfe.contains(U("Abbrechen"))) << knoepfe.join(", ").toStdString();
                        });
}

TEST(DeutscheDialoge, DruckdialogHeisstDruckenUndBietetKeinenAltenPdfNamenAn) {
#ifdef Q_OS_WIN
  GTEST_SKIP() << "Windows shows its own print and page set-up dialogs, not Qt's, in the language of Windows";
#endif
  TempArbeitsverzeichnis arbeit;
  FakeMeldungen meldungen;
  QtDruckflaeche flaeche(meldungen);
  flaeche.NurPdf();
  ASSERT_TRUE(flaeche.BeginneDokument("Test"));
  ASSERT_TRUE(flaeche.BeendeDokument());
  const QString alt = flaeche.LetzteDatei();
  QWidget eltern;
  ModalesFensterPruefen([&] { EXPECT_FALSE(flaeche.DruckDialog(&eltern)); },
                        [&](QWidget* fenster) {
                          EXPECT_EQ(fenster->windowTitle(), U("Drucken"));
                          EXPECT_TRUE(Knoepfe(fenster).contains(U("Abbrechen")));
                          EXPECT_NE(flaeche.Drucker().outputFileName(), alt);
                        });
  // "Drucker einrichten" neither.
  ASSERT_TRUE(flaeche.BeginneDokument("Test"));
  ASSERT_TRUE(flaeche.BeendeDokument());
  const QString zuletzt = flaeche.LetzteDatei();
  ModalesFensterPruefen([&] { flaeche.DruckerEinrichten(&eltern); },
                        [&](QWidget* fenster) {
                          EXPECT_EQ(fenster->windowTitle(), U("Drucker einrichten"));
                          EXPECT_NE(flaeche.Drucker().outputFileName(), zuletzt);
                        });
}

class Bedienung : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    fenster_ = std::make_unique<TMainForm>(meldungen_, dialoge_);
    fenster_->show();
    fenster_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster_.get()));
  }
  void TearDown() override {
    fenster_.reset();
    ArbeitsverzeichnisTest::TearDown();
  }
  int Aktuell() { return fenster_->Steuerung().Zustand().AktuellerSchueler; }
  template <class T>
  T* Kind(const char* name) {
    return fenster_->findChild<T*>(QString::fromLatin1(name));
  }

  FakeMeldungen meldungen_;
  FakeDateiDialoge dialoge_;
  std::unique_ptr<TMainForm> fenster_;
};

TEST_F(Bedienung, TastenkuerzelDerBefehleUndZumNaechstenSchueler) {
  const std::map<const char*, QKeySequence> kuerzel = {
      {"Neu1", QKeySequence(Qt::CTRL | Qt::Key_N)},
      {"Oeffnen1", QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"Speichern1", QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"SpeichernUnter1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {"Zeugnis1", QKeySequence(Qt::CTRL | Qt::Key_P)},
      {"Inhalt1", QKeySequence(Qt::Key_F1)},
      {"Beenden1", QKeySequence(Qt::CTRL | Qt::Key_Q)},
  };
  for (const auto& [name, taste] : kuerzel) {
    QAction* a = fenster_->Aktion(QString::fromLatin1(name));
    ASSERT_NE(a, nullptr) << name;
    EXPECT_EQ(a->shortcut(), taste) << name;
  }

  // The keys themselves, through the window: Ctrl+P asks for the report (refused without a
  // report type), Ctrl+S saves the never saved class under a new name.
  QTest::keyClick(fenster_.get(), Qt::Key_P, Qt::ControlModifier);
  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Fehler);
  QTest::keyClick(fenster_.get(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(dialoge_.speichernAufrufe.size(), 1u);
  QTest::keyClick(fenster_.get(), Qt::Key_F1);
  EXPECT_TRUE(fenster_->Hilfe().isVisible());
  fenster_->Hilfe().close();
  fenster_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(fenster_.get()));

  // Students: PageDown/Ctrl+Down forwards, PageUp/Ctrl+Up back, also from the student list.
  QTest::keyClick(fenster_.get(), Qt::Key_PageDown);
  EXPECT_EQ(Aktuell(), 1);
  QTest::keyClick(fenster_.get(), Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Aktuell(), 2);
  fenster_->Liste().setFocus();
  QTest::keyClick(&fenster_->Liste(), Qt::Key_PageUp);
  EXPECT_EQ(Aktuell(), 1);
  QTest::keyClick(&fenster_->Liste(), Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(Aktuell(), 0);
  EXPECT_EQ(fenster_->Liste().currentRow(), 0);
}

TEST_F(Bedienung, JedeMenueTasteGibtEsInIhremMenueNurEinmal) {
  // Two entries whose captions are fixed share a letter in "D&rucken"; every other entry has
  // a mnemonic of its own in its menu.
  const std::set<QString> festePaare = {U("&Zeugnis"), U("Klassen-&Zensurenübersicht")};
  QList<QMenu*> menues{};
  std::map<QChar, QString> leiste;
  for (QAction* a : fenster_->menuBar()->actions()) {
    ASSERT_NE(a->menu(), nullptr);
    menues << a->menu();
    const QChar t = Kuerzel(a->text());
    EXPECT_FALSE(t.isNull()) << a->text().toStdString();
    EXPECT_TRUE(leiste.emplace(t, a->text()).second) << a->text().toStdString();
  }
  for (int i = 0; i < menues.size(); ++i) {
    std::map<QChar, QString> belegt;
    for (QAction* a : menues[i]->actions()) {
      if (a->isSeparator()) continue;
      if (a->menu()) menues << a->menu();
      const QChar t = Kuerzel(a->text());
      if (t.isNull()) continue;
      auto [platz, neu] = belegt.emplace(t, a->text());
      if (!neu) {
        EXPECT_TRUE(festePaare.count(platz->second) && festePaare.count(a->text()))
            << menues[i]->title().toStdString() << ": " << platz->second.toStdString() << " / "
            << a->text().toStdString();
      }
    }
  }
  EXPECT_EQ(fenster_->Aktion(QStringLiteral("Schuldaten1"))->text(), U("Sch&uldaten..."));
}

TEST_F(Bedienung, TabulatorAufDenBewertungenUndEnterZurNaechstenNote) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Bewertungen);
  auto* fach1 = Kind<QComboBox>("Fach1");
  auto* note1 = Kind<QLineEdit>("Bewertung1");
  auto* zusatz1 = Kind<QLineEdit>("Zusatz1");
  auto* fach2 = Kind<QComboBox>("Fach2");
  auto* note2 = Kind<QLineEdit>("Bewertung2");
  ASSERT_TRUE(fach1 && note1 && zusatz1 && fach2 && note2);
  fach1->setFocus();
  ASSERT_TRUE(fach1->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), note1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), zusatz1) << "the read-only learning field is passed over";
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(fach2->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == fach2);
  note1->setFocus();
  QTest::keyClick(note1, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), note2);
}

TEST_F(Bedienung, FaecherSindDeutschSortiert) {
  fenster_->SetzeSchulFaecher({"Zebra", T("Äpfel"), "apfel", "Apfel", "Birne", T("Übung"), "Uhren"});
  QComboBox* fach = Kind<QComboBox>("Fach1");
  ASSERT_NE(fach, nullptr);
  QStringList reihe;
  for (int i = 0; i < fach->count(); ++i) reihe << fach->itemText(i);
  EXPECT_EQ(reihe.indexOf(U("Äpfel")), 2) << reihe.join(", ").toStdString();
  EXPECT_LT(reihe.indexOf(U("Äpfel")), reihe.indexOf(U("Birne")));
  EXPECT_LT(reihe.indexOf(U("Übung")), reihe.indexOf(U("Zebra")));
  EXPECT_EQ(reihe.last(), U("Zebra"));
}

TEST_F(Bedienung, TabInDenTextfeldernGehtWeiterUndEingefuegterTabWirdZumLeerzeichen) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Zeugnistexte);
  auto* hinweise = Kind<QPlainTextEdit>("Hinweise");
  ASSERT_NE(hinweise, nullptr);
  hinweise->setFocus();
  QTest::keyClick(hinweise, Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), hinweise);
  EXPECT_FALSE(hinweise->toPlainText().contains(QLatin1Char('\t')));

  QApplication::clipboard()->setText(U("fleißig\tund pünktlich"));
  hinweise->setFocus();
  hinweise->selectAll();
  hinweise->paste();
  fenster_->Steuerung().AktuelleDatenUebernehmen();
  EXPECT_EQ(fenster_->Steuerung().Zustand().Klasse->Schueler[0].Lies(TSchuelerDatensatz::Hinweise),
            T("fleißig und pünktlich"));
}

TEST_F(Bedienung, StatusleisteNachNeuUndNachDenSchuldaten) {
  // A class saved under a name shows it; "Neu" shows "aktuelle Datei" again.
  dialoge_.speichernAntworten.push_back("KLASSE.VLM");
  fenster_->Steuerung().Einstellungen().Satz().DatenVerschluesseln = 0;
  QTimer::singleShot(0, [this] { fenster_->Fortschritt().close(); });
  fenster_->Steuerung().SpeichernUnter();
  EXPECT_EQ(fenster_->Statusfeld(1).text(), U("KLASSE.VLM"));
  ModalesFensterPruefen([&] { fenster_->Aktion(QStringLiteral("Neu1"))->trigger(); }, [](QWidget*) {});
  EXPECT_EQ(fenster_->Statusfeld(1).text(), U("aktuelle Datei"));

  // The school data take effect at once: panel 3 and the report name of the printouts.
  ModalesFensterPruefen([&] { fenster_->Aktion(QStringLiteral("Schuldaten1"))->trigger(); },
                        [](QWidget* fenster) {
                          fenster->findChild<QLineEdit*>(QStringLiteral("Zeugnisname"))->setText(U("Berufsschule Süd"));
                          fenster->findChild<QLineEdit*>(QStringLiteral("Kurzname"))->setText(U("BS Süd"));
                          fenster->findChild<QPushButton*>(QStringLiteral("Uebernehmen"))->click();
                        });
  EXPECT_EQ(fenster_->Statusfeld(2).text(), U("BS Süd"));
  EXPECT_EQ(fenster_->Steuerung().Zeugnisname(), T("Berufsschule Süd"));
}

TEST_F(Bedienung, HinweisVerschwindetWennDasMenueSchliesstOderDerBefehlLief) {
  QAction* a = fenster_->Aktion(QStringLiteral("PersonenImport1"));
  a->showStatusText(fenster_.get());
  EXPECT_FALSE(fenster_->Statusfeld(0).text().isEmpty());
  QMenu* tools = fenster_->findChild<QMenu*>(QStringLiteral("MenueTools"));
  ASSERT_NE(tools, nullptr);
  emit tools->aboutToHide();
  EXPECT_TRUE(fenster_->Statusfeld(0).text().isEmpty());

  a->showStatusText(fenster_.get());
  a->trigger();  // the open dialog is cancelled by the fake
  EXPECT_TRUE(fenster_->Statusfeld(0).text().isEmpty());
}

TEST_F(Bedienung, HauptfensterPasstAufKleineBildschirme) {
  EXPECT_LE(fenster_->width(), 1366);
  EXPECT_LE(fenster_->frameGeometry().height(), 768 - 40) << "room for a task bar on a 1366x768 screen";
  fenster_->resize(1024, 700);
  QApplication::processEvents();
  EXPECT_EQ(fenster_->size(), QSize(1024, 700));
  // Every input control of every tab can be brought into view.
  for (int seite = 0; seite < fenster_->Editor().count(); ++seite) {
    fenster_->Editor().setCurrentIndex(seite);
    auto* rahmen = qobject_cast<QScrollArea*>(fenster_->Editor().widget(seite));
    ASSERT_NE(rahmen, nullptr) << "tab " << seite << " does not scroll";
    QApplication::processEvents();
    for (QWidget* w : rahmen->widget()->findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractButton*>(w) && !qobject_cast<QPlainTextEdit*>(w))
        continue;
      if (!w->isVisibleTo(rahmen->widget())) continue;
      rahmen->ensureWidgetVisible(w);
      QApplication::processEvents();
      EXPECT_FALSE(w->visibleRegion().isEmpty()) << "tab " << seite << ": " << w->objectName().toStdString();
      EXPECT_GE(w->width(), 10) << "tab " << seite << ": " << w->objectName().toStdString();
    }
  }
  // The work buttons and the navigation stay on the screen too.
  for (const char* name : {"Button4", "Button1", "DatenUebernehmen", "LetzterSchueler"}) {
    QPushButton* k = fenster_->Knopf(QString::fromLatin1(name));
    ASSERT_NE(k, nullptr);
    EXPECT_FALSE(k->visibleRegion().isEmpty()) << name;
  }
}

}  // namespace
}  // namespace velmora::test
