// Windows that meet a faulty file while they open: the error box comes only once the
// window is on the screen with its size, never over a window that is still a 100x30 stub.
#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>
#include <QTimer>

#include "app/fenster/MAIN.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "settings/fenster/archiv.h"
#include "settings/fenster/einstdrk.h"
#include "settings/fenster/einstell.h"
#include "settings/fenster/schuldaten.h"
#include "subjects/fenster/auswklfa.h"
#include "subjects/fenster/klasfali.h"
#include "subjects/fenster/schufali.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

class Fenstergroesse : public ArbeitsverzeichnisTest {
 protected:
  // Opens the window as the main window does, checks it when its first box comes and
  // closes it from there.
  void PruefeErsteMeldung(QWidget& fenster) {
    bool gesehen = false;
    const QSize noetig = fenster.minimumSizeHint().expandedTo(QSize(101, 31));
    const auto pruefe = [&](const char* wann) {
      EXPECT_TRUE(fenster.isVisible()) << wann;
      EXPECT_GE(fenster.width(), noetig.width()) << wann;
      EXPECT_GE(fenster.height(), noetig.height()) << wann;
    };
    meldungen_.beimZeigen = [&](const FakeMeldungen::Eintrag&) {
      if (gesehen) return;
      gesehen = true;
      // A real box runs its own event loop while the user reads it.
      QTest::qWait(30);
      pruefe("while the box is shown");
      QTimer::singleShot(30, &fenster, [&] {
        pruefe("after the box");
        fenster.close();
      });
    };
    // A stuck window fails the test instead of hanging it.
    QTimer::singleShot(5000, &fenster, [&fenster] { fenster.close(); });
    if (auto* dialog = qobject_cast<QDialog*>(&fenster)) {
      dialog->exec();
    } else {
      fenster.show();
      for (int i = 0; i < 200 && !gesehen; ++i) QTest::qWait(5);
      fenster.close();
    }
    EXPECT_TRUE(gesehen) << "the faulty file was not reported";
    ASSERT_FALSE(meldungen_.protokoll.empty());
    EXPECT_EQ(meldungen_.protokoll.front().art, MeldungsArt::Fehler);
    meldungen_.beimZeigen = nullptr;
  }

  QWidget haupt_;  // the owner, as the main window owns its dialogs

  FakeMeldungen meldungen_;
  FakeDateiDialoge dialoge_;
  FakePasswortDialoge passwoerter_;
};

TEST_F(Fenstergroesse, DruckeinstellungenMitZuKurzerDatei) {
  SchreibeDatei("DRKEINST.DAT", Bytes(10, 1));
  DruckEinstellungen einstellungen;
  TEinstellDrkForm fenster(einstellungen, meldungen_, nullptr, &haupt_);
  PruefeErsteMeldung(fenster);
}

TEST_F(Fenstergroesse, SchuldatenMitZuKurzerDatei) {
  SchreibeDatei("SCHULE.DAT", Bytes(10, 1));
  SchulIdentitaet schule;
  TSchulIdentForm fenster(schule, meldungen_, &haupt_);
  PruefeErsteMeldung(fenster);
}

TEST_F(Fenstergroesse, ArchivMitZuKurzerDatei) {
  SchreibeDatei("ARCHIV.DAT", Bytes(10, 1));
  ArchivEinstellungen einstellungen;
  TArchivForm fenster(einstellungen, meldungen_, &haupt_);
  PruefeErsteMeldung(fenster);
}

TEST_F(Fenstergroesse, ProgrammeinstellungenMitZuKurzerDatei) {
  SchreibeDatei("VLMEINST.DAT", Bytes(10, 1));
  ProgrammEinstellungen einstellungen;
  TEinstellform fenster(einstellungen, passwoerter_, meldungen_, nullptr, &haupt_);
  PruefeErsteMeldung(fenster);
}

TEST_F(Fenstergroesse, KlassenFaecherlisteMitFehlenderVorlage) {
  VorlagenZustand vorlagen;
  vorlagen.AktuelleVorlage = "WEG.KFV";
  TKlasFachForm fenster(vorlagen, meldungen_, dialoge_, &haupt_);
  PruefeErsteMeldung(fenster);
}

TEST_F(Fenstergroesse, SchulFaecherlisteDieSichNichtLesenLaesst) {
  fs::create_directory("SFAECHER.SFL");
  TSchulFachForm fenster(meldungen_, &haupt_);
  PruefeErsteMeldung(fenster);
}

TEST_F(Fenstergroesse, VorlagenauswahlOhneVorlagen) {
  VorlagenZustand vorlagen;
  TForm7 fenster(vorlagen, meldungen_, &haupt_);
  PruefeErsteMeldung(fenster);
}

TEST_F(Fenstergroesse, HauptfensterMitZuKurzenDruckeinstellungen) {
  SchreibeDatei("DRKEINST.DAT", Bytes(10, 1));
  TMainForm fenster(meldungen_, dialoge_);
  meldungen_.antworten = {Antwort::Ok, Antwort::Ja};  // the error, then "wirklich beenden?"
  PruefeErsteMeldung(fenster);
}

}  // namespace
}  // namespace velmora::test
