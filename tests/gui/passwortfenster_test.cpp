// The four password windows and their adapter: what each button, Esc and the close box
// leave in the data password and in the configuration access.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/fenster/passwortdialoge.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "classdata/fenster/datpwaend.h"
#include "classdata/fenster/datpwdlg.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "settings/fenster/passwort.h"
#include "settings/fenster/pwaend.h"

namespace velmora::test {
namespace {

class PasswortFensterTest : public ::testing::Test {
 protected:
  // Shows the window as exec() would and waits until it is on screen.
  static void Zeige(QDialog& d) {
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
  }
  static void Druecke(QDialog& d, Qt::Key taste) { QTest::keyClick(&d, taste); }

  Datenschutz schutz_;
  ProgrammEinstellungen einstellungen_;
  FakeMeldungen meldungen_;
};

TEST_F(PasswortFensterTest, AbfrageOkAbbrechenEscUndSchliessfeld) {
  TDatPasswDlg dlg(schutz_);
  EXPECT_EQ(dlg.windowTitle(), U("Passwortabfrage"));
  Zeige(dlg);
  QTest::keyClicks(&dlg.Feld(), QStringLiteral("geheim"));
  EXPECT_EQ(dlg.Feld().displayText(), QStringLiteral("******"));
  Druecke(dlg, Qt::Key_Return);  // OK is the default button
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(schutz_.DatenPasswort(), "geheim");

  // The close box cancels but keeps the password; the field keeps its text.
  Zeige(dlg);
  EXPECT_EQ(dlg.Feld().text(), QStringLiteral("geheim"));
  dlg.close();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(schutz_.DatenPasswort(), "geheim");

  Zeige(dlg);
  Druecke(dlg, Qt::Key_Escape);
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  EXPECT_EQ(schutz_.DatenPasswort(), "");

  schutz_.AbfrageOk("x");
  Zeige(dlg);
  dlg.AbbrechenKnopf().click();
  EXPECT_EQ(schutz_.DatenPasswort(), "");
}

TEST_F(PasswortFensterTest, ZeichenAusserhalbVon1252WerdenZuFragezeichenUndLangeGekuerzt) {
  TDatPasswDlg dlg(schutz_);
  Zeige(dlg);
  dlg.Feld().setText(U("€ał"));
  dlg.OkKnopf().click();
  EXPECT_EQ(schutz_.DatenPasswort(),
            "\x80"
            "a?");

  dlg.Feld().setText(QStringLiteral("abcdefghijklmnopqrst"));
  dlg.OkKnopf().click();
  EXPECT_EQ(schutz_.DatenPasswort(), "abcdefghijklmno");
}

TEST_F(PasswortFensterTest, FestlegungOhneSchliessfeldZuKurzAbgelehntLangGekuerzt) {
  TDatPwdAendDlg dlg(schutz_, meldungen_);
  EXPECT_EQ(dlg.windowTitle(), U("Festlegung des Daten-Passwortes"));
  EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
  Zeige(dlg);

  // Neither Esc nor a close request ends it.
  Druecke(dlg, Qt::Key_Escape);
  dlg.close();
  EXPECT_TRUE(dlg.isVisible());

  dlg.ErstesFeld().setText(QStringLiteral("abc"));
  dlg.ZweitesFeld().setText(QStringLiteral("abc"));
  dlg.OkKnopf().click();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), QDialog::Rejected);
  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_EQ(meldungen_.protokoll[0].text,
            T("Die eingegebenen Passwörter sind unterschiedlich\roder zu kurz (<4 Zeichen)!"));
  EXPECT_EQ(schutz_.DatenPasswort(), "");

  Zeige(dlg);
  dlg.ErstesFeld().setText(QStringLiteral("12345678901234567890"));
  dlg.ZweitesFeld().setText(QStringLiteral("12345678901234567890"));
  Druecke(dlg, Qt::Key_Return);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(schutz_.DatenPasswort(), "123456789012345");
  EXPECT_EQ(meldungen_.protokoll.size(), 1u);

  // In both windows the same unusual character gives the same stored password.
  Zeige(dlg);
  dlg.ErstesFeld().setText(U("łódź"));
  dlg.ZweitesFeld().setText(U("łódź"));
  dlg.OkKnopf().click();
  EXPECT_EQ(schutz_.DatenPasswort(), T("?ód?"));
}

TEST_F(PasswortFensterTest, KonfigurationsabfrageGewaehrtUndEntziehtDenZugang) {
  einstellungen_.Satz().KonfigPasswort = "abcd";
  TPasswordDlg dlg(einstellungen_);
  EXPECT_EQ(dlg.windowTitle(), U("Zugangskontrolle für Konfigurationsbereich"));
  Zeige(dlg);
  dlg.Feld().setText(QStringLiteral("abcd"));
  dlg.OkKnopf().click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_TRUE(einstellungen_.ZugangFrei());
  EXPECT_EQ(dlg.Feld().text(), QString());

  for (auto schliessen : {+[](TPasswordDlg& d) { d.Feld().setText(QStringLiteral("ABCD")), d.OkKnopf().click(); },
                          +[](TPasswordDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); },
                          +[](TPasswordDlg& d) { d.close(); }, +[](TPasswordDlg& d) { d.AbbrechenKnopf().click(); }}) {
    ASSERT_TRUE(einstellungen_.PasswortDlgOk("abcd"));
    Zeige(dlg);
    schliessen(dlg);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(einstellungen_.ZugangFrei());
  }
}

TEST_F(PasswortFensterTest, AdapterZeigtDieFensterModalUndMeldetOk) {
  einstellungen_.Satz().KonfigPasswort = "abcd";
  TDatPasswDlg abfrage(schutz_);
  TDatPwdAendDlg festlegung(schutz_, meldungen_);
  TPasswordDlg konfig(einstellungen_);
  Tpwaendern aendern(einstellungen_, meldungen_);
  QtPasswortDialoge dialoge(&abfrage, &festlegung, &konfig, &aendern);

  EXPECT_EQ(aendern.windowTitle(), U("Konfigurationspasswort ändern ..."));
  QTimer::singleShot(0, &konfig, [&] {
    konfig.Feld().setText(QStringLiteral("abcd"));
    konfig.OkKnopf().click();
  });
  EXPECT_TRUE(dialoge.ZeigePasswortDlg());
  EXPECT_TRUE(einstellungen_.ZugangFrei());

  QTimer::singleShot(0, &abfrage, [&] { abfrage.AbbrechenKnopf().click(); });
  EXPECT_FALSE(dialoge.ZeigePasswortAbfrage());

  // Tpwaendern: different entries give its message and leave the password; Esc changes nothing.
  QTimer::singleShot(0, &aendern, [&] {
    aendern.ErstesFeld().setText(QStringLiteral("neu12"));
    aendern.ZweitesFeld().setText(QStringLiteral("neu13"));
    aendern.OkKnopf().click();
  });
  EXPECT_FALSE(dialoge.ZeigePwAendern());
  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].text, T("Die eingegebenen Passwörter sind unterschiedlich\roder zu kurz "
                                            "(<4 Zeichen)!\rDas Konfigurationspasswort wurde NICHT geändert!"));
  QTimer::singleShot(0, &aendern, [&] {
    aendern.ZweitesFeld().setText(QStringLiteral("neu12"));
    QTest::keyClick(&aendern, Qt::Key_Escape);
  });
  EXPECT_FALSE(dialoge.ZeigePwAendern());
  // Each opening starts with empty fields.
  QTimer::singleShot(0, &aendern, [&] {
    EXPECT_TRUE(aendern.ErstesFeld().text().isEmpty());
    EXPECT_TRUE(aendern.ZweitesFeld().text().isEmpty());
    aendern.ErstesFeld().setText(QStringLiteral("neu12"));
    aendern.ZweitesFeld().setText(QStringLiteral("neu12"));
    aendern.OkKnopf().click();
  });
  EXPECT_TRUE(dialoge.ZeigePwAendern());
  EXPECT_EQ(einstellungen_.Satz().KonfigPasswort, "neu12");
}

}  // namespace
}  // namespace velmora::test
