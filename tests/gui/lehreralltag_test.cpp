// Small things of a teacher's day through the real main window, offscreen: subjects typed
// one after the other into "Fächerliste der Schule", every tab without a horizontal scroll
// bar on the usual laptop screens, and the help's first steps at the first start.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include "app/fenster/MAIN.h"
#include "app/fenster/editorseiten.h"
#include "app/fenster/hilfe.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "gui/modalesfenster.h"
#include "subjects/fenster/schufali.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

class Lehreralltag : public ArbeitsverzeichnisTest {
 protected:
  void Starte() {
    fenster_ = std::make_unique<TMainForm>(meldungen_, dialoge_);
    fenster_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster_.get()));
    QTest::qWait(20);  // the start's deferred steps
  }
  void TearDown() override {
    fenster_.reset();
    ArbeitsverzeichnisTest::TearDown();
  }

  // Types into the widget with the focus as the keyboard does, also letters beyond ASCII.
  static void Tippe(QWidget* ziel, const QString& text) {
    for (QChar c : text) {
      QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(ziel, &druck);
    }
  }

  FakeMeldungen meldungen_;
  FakeDateiDialoge dialoge_;
  std::unique_ptr<TMainForm> fenster_;
};

// Typed with the keyboard as a teacher types a list: subject, Enter, subject, Enter.
TEST_F(Lehreralltag, FaecherNacheinanderMitEnterEintippen) {
  Starte();
  QStringList liste;
  bool fokusBeimOeffnen = false;
  BeiModalemFenster<TSchulFachForm>([&](TSchulFachForm* w) {
    fokusBeimOeffnen = w->focusWidget() == &w->NeuesFach();
    for (const QString& fach : {U("Wirtschafts- und Sozialprozesse"), U("Geschäftsprozesse")}) {
      Tippe(w->focusWidget(), fach);
      QTest::keyClick(w->focusWidget(), Qt::Key_Return);
      EXPECT_TRUE(w->isVisible()) << "Enter takes the subject over; it does not close the window";
      EXPECT_TRUE(w->NeuesFach().text().isEmpty());
      EXPECT_EQ(w->focusWidget(), &w->NeuesFach()) << "the input keeps the focus";
    }
    for (int i = 0; i < w->Liste().count(); ++i) liste << w->Liste().item(i)->text();
    w->BeendenKnopf().click();
  });
  fenster_->Aktion(QStringLiteral("FaecherlisteSchule1"))->trigger();
  EXPECT_TRUE(fokusBeimOeffnen) << "at opening the focus is in the input";
  ASSERT_GE(liste.size(), 2);
  EXPECT_EQ(liste.mid(liste.size() - 2), (QStringList{U("Wirtschafts- und Sozialprozesse"), U("Geschäftsprozesse")}));
}

// The window at its start size on a laptop screen (minus a task bar of 40 pixels): no tab
// needs a horizontal scroll bar. A screen of 1920×1080 at 150 % is 1280×720 to the window; it
// runs in a process of its own with QT_SCALE_FACTOR=1.5 (ctest "Lehreralltag.KarteikartenBei150Prozent").
TEST_F(Lehreralltag, JedeKarteikartePasstOhneWaagerechteRollleiste) {
  Starte();
  const double skalierung = fenster_->devicePixelRatioF();
  struct Bildschirm {
    int breite, hoehe;
    double skalierung;
  };
  const Bildschirm bildschirme[] = {{1366, 768, 1.0}, {1280, 720, 1.0}, {1920, 1080, 1.5}};
  int geprueft = 0;
  for (const Bildschirm& b : bildschirme) {
    if (std::abs(b.skalierung - skalierung) > 0.01) continue;
    ++geprueft;
    const QSize frei(qRound(b.breite / b.skalierung), qRound(b.hoehe / b.skalierung) - 40);
    const QSize groesse = TMainForm::Startgroesse(frei);
    fenster_->resize(groesse);
    QTest::qWait(20);
    EXPECT_LE(fenster_->width(), frei.width() - TMainForm::kFensterrahmen.width())
        << b.breite << "x" << b.hoehe << ": the window is wider than the screen";
    for (int i = 0; i < fenster_->Editor().count(); ++i) {
      fenster_->Editor().setCurrentIndex(i);
      QApplication::processEvents();
      auto* rolle = qobject_cast<QScrollArea*>(fenster_->Editor().widget(i));
      ASSERT_NE(rolle, nullptr) << i;
      EXPECT_EQ(rolle->horizontalScrollBar()->maximum(), 0)
          << b.breite << "x" << b.hoehe << " at " << b.skalierung << ": tab \""
          << fenster_->Editor().tabText(i).toStdString() << "\" needs " << rolle->widget()->minimumSizeHint().width()
          << " px, has " << rolle->viewport()->width();
    }
  }
  EXPECT_GT(geprueft, 0) << "no screen for the scale factor " << skalierung;
}

// The first start in a directory shows the help's first steps beside the main window; not
// when a class file or the program settings are there, nor at the next start.
TEST_F(Lehreralltag, ErsterStartZeigtDieErstenSchritteDerHilfe) {
  const fs::path hilfe = fs::path(VELMORA_QUELLEN) / "hilfe" / "KURZBEDIENUNGSANLEITUNG.HLP";
  struct Fall {
    const char* name;
    std::vector<const char*> dateien;  // besides the help file
    bool gezeigt;
  };
  const Fall faelle[] = {
      {"empty directory", {}, true},
      {"a class file", {"klasse.vlm"}, false},
      {"program settings", {"VLMEINST.DAT"}, false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const fs::path ordner = verzeichnis_ / f.name;
    fs::create_directory(ordner);
    fs::current_path(ordner);
    fs::copy_file(hilfe, "KURZBEDIENUNGSANLEITUNG.HLP");
    for (const char* d : f.dateien) SchreibeDatei(d, Bytes(32, 0));
    for (int start = 1; start <= 2; ++start) {
      Starte();
      THilfeFenster& h = fenster_->Hilfe();
      EXPECT_EQ(h.isVisible(), f.gezeigt && start == 1) << "start " << start;
      if (h.isVisible()) {
        EXPECT_NE(h.Anzeige().toPlainText().indexOf(U("Schritt für Schritt")), -1);
        EXPECT_GE(h.x(), fenster_->x()) << "beside the window, not over its list";
        EXPECT_TRUE(fenster_->isActiveWindow() || QApplication::activeWindow() == nullptr)
            << "the main window keeps the focus";
      }
      fenster_.reset();
    }
    fs::current_path(verzeichnis_);
  }
}

}  // namespace
}  // namespace velmora::test
