// An enciphered class opened through the real main window and its real password prompt,
// offscreen: a wrong password may be tried again, and ending the program after a wrong one
// leaves the file's own bytes in "Sicherung.DAT", not the garbage on the screen.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>

#include "app/fenster/MAIN.h"
#include "basis/cp1252.h"
#include "classdata/fenster/datpwdlg.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"

namespace velmora::test {
namespace {

using S = TSchuelerDatensatz;

class FalschesPasswort : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    // "KLASSE.VLM", enciphered under "abcd", with Jan Kowalski in slot 0.
    TKlassenDatei klasse;
    for (S& s : klasse.Schueler) s.Setze(S::Name, std::string(kFreiName));
    klasse.Schueler[0].Setze(S::Name, "Kowalski");
    klasse.Schueler[0].Setze(S::Vornamen, "Jan");
    Datenschutz schutz;
    FakeMeldungen still;
    ASSERT_TRUE(schutz.FestlegungOk("abcd", "abcd", still));
    FakePasswortDialoge keine;
    datei_ = schutz.ZumSpeichern(klasse, true, false, keine);
    SchreibeDatei("KLASSE.VLM", datei_);

    fenster_ = std::make_unique<TMainForm>(meldungen_, dialoge_);
    fenster_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster_.get()));
    meldungen_.protokoll.clear();
  }
  void TearDown() override {
    fenster_.reset();
    ArbeitsverzeichnisTest::TearDown();
  }

  // Opens the class; the real prompt is answered with `eingaben` in turn (typed, then OK).
  void Oeffne(std::deque<QString> eingaben) {
    auto* uhr = new QTimer;
    uhr->setInterval(10);
    QObject::connect(uhr, &QTimer::timeout, [uhr, eingaben, this]() mutable {
      auto* dlg = qobject_cast<TDatPasswDlg*>(QApplication::activeModalWidget());
      if (!dlg || !dlg->isVisible()) return;
      ++abfragen_;
      dlg->Feld().setText(eingaben.front());
      dlg->OkKnopf().click();
      eingaben.pop_front();
      if (eingaben.empty()) {
        uhr->stop();
        uhr->deleteLater();
      }
    });
    uhr->start();
    dialoge_.oeffnenAntworten.push_back("KLASSE.VLM");
    fenster_->Aktion(QStringLiteral("Oeffnen1"))->trigger();
  }

  Bytes datei_;
  int abfragen_ = 0;
  FakeMeldungen meldungen_;
  FakeDateiDialoge dialoge_;
  std::unique_ptr<TMainForm> fenster_;
};

const std::string kWarnung =
    T("Das eingegebene Passwort ist FALSCH!\r\rDie Daten können nicht richtig entschlüsselt werden!\r"
      "Speichern Sie falsch entschlüsselte Daten NIEMALS ab!\rEs besteht die Gefahr eines vollständigen "
      "Datenverlustes!");

// Two wrong passwords through the real prompt, the second try asked for and then given up:
// the class on the screen is garbage, and ending the program backs up the file's own bytes.
// (The right password on a later try: tests/kern/datensicherheit_test.cpp.)
TEST_F(FalschesPasswort, ErneutEingebenUndBeendenSichertDieDateiSoWieSieGelesenWurde) {
  meldungen_.antworten = {Antwort::Ok, Antwort::Ja, Antwort::Ok, Antwort::Nein};
  Oeffne({QStringLiteral("wxyz"), QStringLiteral("abc")});
  EXPECT_EQ(abfragen_, 2);
  EXPECT_EQ(meldungen_.Texte(),
            (std::vector<std::string>{kWarnung, "Passwort erneut eingeben?", kWarnung, "Passwort erneut eingeben?"}));
  EXPECT_EQ(meldungen_.protokoll[1].art, MeldungsArt::Bestaetigung);
  EXPECT_EQ(meldungen_.protokoll[1].knoepfe, Knoepfe::JaNein);
  EXPECT_NE(fenster_->Liste().item(0)->text(), QStringLiteral("Kowalski, Jan")) << "garbage, as warned";

  meldungen_.antworten = {Antwort::Ja};  // "wirklich beenden?"
  fenster_->close();
  EXPECT_FALSE(fenster_->isVisible());
  EXPECT_TRUE(GleicheBytes(LiesDatei("Sicherung.DAT"), datei_));
}

}  // namespace
}  // namespace velmora::test
