// The edits of every window hold no more than their field and no character the class file
// cannot store; the grade edits take only what the report prints. Through the real windows,
// offscreen.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolTip>
#include <set>

#include "app/fenster/MAIN.h"
#include "app/fenster/editorseiten.h"
#include "app/fenster/hilfe.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "classdata/fenster/datpwaend.h"
#include "classdata/fenster/datpwdlg.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "settings/fenster/archiv.h"
#include "settings/fenster/einstdrk.h"
#include "settings/fenster/passwort.h"
#include "settings/fenster/pwaend.h"
#include "settings/fenster/schuldaten.h"
#include "subjects/fenster/klasfali.h"
#include "subjects/fenster/schufali.h"

namespace velmora::test {
namespace {

using S = TSchuelerDatensatz;

QString Gekuerzt(int n) { return U("Der Text wurde auf %1 Zeichen gekürzt.").arg(n); }
QString Voll(int n) { return U("Das Feld fasst höchstens %1 Zeichen.").arg(n); }
QString NichtSpeicherbar(const char* zeichen, const char* rat) {
  return U("„%1“ kann in der Klassendatei nicht gespeichert werden. %2").arg(U(zeichen), U(rat));
}
const char* const kBewertungsHinweis = "Bewertung: 1–6, 0 (kann nicht beurteilt werden), n, b, t, e oder -";

class Eingabefelder : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    fenster_ = std::make_unique<TMainForm>(meldungen_, dialoge_);
    fenster_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster_.get()));
  }
  void TearDown() override {
    fenster_.reset();
    ArbeitsverzeichnisTest::TearDown();
  }

  template <class W = QLineEdit>
  W* Editorfeld(const char* name) {
    return fenster_->Editor().findChild<W*>(QString::fromLatin1(name));
  }
  // A key as the keyboard sends it, with any text (QTest only knows Latin-1).
  static void Taste(QWidget* feld, const QString& text, int taste = 0) {
    QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier, text);
    QApplication::sendEvent(feld, &druck);
    QKeyEvent los(QEvent::KeyRelease, taste, Qt::NoModifier, text);
    QApplication::sendEvent(feld, &los);
  }
  static void Einfuegen(QWidget* feld, const QString& text) {
    QApplication::clipboard()->setText(text);
    if (auto* zeile = qobject_cast<QLineEdit*>(feld)) {
      zeile->paste();
    } else {
      qobject_cast<QPlainTextEdit*>(feld)->paste();
    }
  }
  // The hint of the last refusal or cut: at the edit and in panel 1 of the status bar.
  void ErwarteHinweis(const QString& text) {
    EXPECT_EQ(fenster_->Statusfeld(0).text().toStdString(), text.toStdString());
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text().toStdString(), text.toStdString());
  }
  void KeinHinweis() {
    fenster_->Statusfeld(0).clear();
    QToolTip::hideText();
  }

  FakeMeldungen meldungen_;
  FakeDateiDialoge dialoge_;
  std::unique_ptr<TMainForm> fenster_;
};

// Every edit of every window whose text goes into a fixed field takes at most the field's
// width. The widths are those of the documented record layouts: the student slot (strings
// of at most N characters, the 32-bit "Nummer" as "-2147483648"), the subject row, the
// school names, the school subject list, the margins (32-bit numbers), the passwords.
TEST_F(Eingabefelder, JedesFeldJedesFenstersFasstSeineFeldbreite) {
  enum class Art { Text, Code, Maske, Mehrzeilig };
  struct Zeile {
    QWidget* feld;
    int breite;
    Art art;
    QWidget* fenster;  // shown while its edits are tried
  };
  std::vector<Zeile> zeilen;
  QWidget* editor = &fenster_->Editor();
  const auto editorfeld = [&](const char* name, int breite, Art art = Art::Text) {
    QWidget* feld = editor->findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(feld, nullptr) << name;
    if (auto* box = qobject_cast<QComboBox*>(feld)) feld = box->lineEdit();
    zeilen.push_back({feld, breite, art, nullptr});
  };
  editorfeld("Nummer", 11);
  editorfeld("Name", 25);
  editorfeld("Vornamen", 25);
  editorfeld("Geburtsdatum", 10, Art::Maske);
  editorfeld("Geburtsort", 40);
  editorfeld("Wohnort", 60);
  for (int r = 1; r <= 18; ++r) {
    editorfeld(QStringLiteral("Fach%1").arg(r).toLatin1().constData(), 50);
    editorfeld(QStringLiteral("Bewertung%1").arg(r).toLatin1().constData(), 1, Art::Code);
    editorfeld(QStringLiteral("Zusatz%1").arg(r).toLatin1().constData(), 2);
  }
  editorfeld("Hinweise", 1000, Art::Mehrzeilig);
  editorfeld("VersaeumteStunden", 4);
  editorfeld("Entschuldigt", 4);
  editorfeld("Bemerkungen", 400, Art::Mehrzeilig);
  editorfeld("Fachrichtung", 60);
  editorfeld("Schwerpunkt", 60);
  editorfeld("Berufsbezeichnung", 60);
  editorfeld("Einschulungsdatum", 10, Art::Maske);
  editorfeld("Ausschulungsdatum", 10, Art::Maske);
  editorfeld("Durchschnittsnote", 3, Art::Maske);
  editorfeld("Klasse", 15);
  editorfeld("SchuljahrVon", 4);
  editorfeld("SchuljahrBis", 4);
  editorfeld("Zeugnisort", 25);
  editorfeld("Zeugnisdatum", 10, Art::Maske);
  editorfeld("InterneBemerkungen", 1000, Art::Mehrzeilig);

  TSchulIdentForm& schule = fenster_->SchulIdentForm();
  for (auto [name, breite] :
       {std::pair{"Zeugnisname", 50}, std::pair{"SchulnameReserve", 50}, std::pair{"Kurzname", 25}}) {
    zeilen.push_back({schule.findChild<QLineEdit*>(QString::fromLatin1(name)), breite, Art::Text, &schule});
  }
  zeilen.push_back({&fenster_->SchulFachForm().NeuesFach(), 50, Art::Text, &fenster_->SchulFachForm()});
  TArchivForm& archiv = fenster_->ArchivForm();
  zeilen.push_back({archiv.findChild<QLineEdit*>(QStringLiteral("Archivordner")), 255, Art::Text, &archiv});
  TKlasFachForm& vorlage = fenster_->KlasFachForm();
  for (int r = 0; r < 18; ++r) {
    zeilen.push_back({vorlage.Fach(r).lineEdit(), 50, Art::Text, &vorlage});
    zeilen.push_back({&vorlage.FachZusatz(r), 100, Art::Text, &vorlage});
  }
  TEinstellDrkForm& druck = fenster_->DruckEinstellForm();
  for (std::size_t i = 0; i < 52; ++i) zeilen.push_back({&druck.Rand(i), 11, Art::Text, &druck});
  zeilen.push_back({&druck.Zeilenhoehe(), 11, Art::Text, &druck});
  auto* abfrage = fenster_->findChild<TDatPasswDlg*>();
  auto* festlegung = fenster_->findChild<TDatPwdAendDlg*>();
  auto* konfig = fenster_->findChild<TPasswordDlg*>();
  auto* aendern = fenster_->findChild<Tpwaendern*>();
  ASSERT_TRUE(abfrage && festlegung && konfig && aendern);
  for (auto [feld, dialog] : std::vector<std::pair<QLineEdit*, QWidget*>>{{&abfrage->Feld(), abfrage},
                                                                          {&festlegung->ErstesFeld(), festlegung},
                                                                          {&festlegung->ZweitesFeld(), festlegung},
                                                                          {&konfig->Feld(), konfig},
                                                                          {&aendern->ErstesFeld(), aendern},
                                                                          {&aendern->ZweitesFeld(), aendern}}) {
    zeilen.push_back({feld, 15, Art::Text, dialog});
  }

  // No edit of any window is left out: the others are read-only, numbers of a spin box, the
  // help's search or the template's name, which are stored nowhere.
  std::set<QWidget*> erfasst;
  for (const Zeile& z : zeilen) erfasst.insert(z.feld);
  const std::set<QWidget*> nichtGespeichert = {&fenster_->Hilfe().Suchfeld(), &vorlage.VorlagenFeld()};
  for (QLineEdit* e : fenster_->findChildren<QLineEdit*>()) {
    if (e->isReadOnly() || qobject_cast<QAbstractSpinBox*>(e->parentWidget()) || nichtGespeichert.count(e)) continue;
    EXPECT_TRUE(erfasst.count(e)) << "unguarded edit " << e->objectName().toStdString() << " in "
                                  << e->window()->windowTitle().toStdString();
  }
  for (QPlainTextEdit* e : fenster_->findChildren<QPlainTextEdit*>()) {
    if (!e->isReadOnly()) {
      EXPECT_TRUE(erfasst.count(e)) << e->objectName().toStdString();
    }
  }

  for (const Zeile& z : zeilen) {
    SCOPED_TRACE(z.feld->objectName().toStdString() + " in " + z.feld->window()->windowTitle().toStdString());
    if (z.fenster) {
      z.fenster->show();
      QApplication::processEvents();
    }
    auto* zeile = qobject_cast<QLineEdit*>(z.feld);
    switch (z.art) {
      case Art::Maske:
        EXPECT_EQ(zeile->maxLength(), z.breite);
        break;
      case Art::Code:
        zeile->setText(QString());
        Einfuegen(zeile, QStringLiteral("12"));
        EXPECT_EQ(zeile->text(), QStringLiteral("1"));
        ErwarteHinweis(Gekuerzt(1));
        break;
      case Art::Text:
        zeile->setText(QString());
        zeile->setModified(false);
        Einfuegen(zeile, QString(z.breite + 7, QLatin1Char('W')));
        EXPECT_EQ(zeile->text(), QString(z.breite, QLatin1Char('W')));
        EXPECT_TRUE(zeile->isModified());  // the cut text counts as typed
        ErwarteHinweis(Gekuerzt(z.breite));
        KeinHinweis();
        QTest::keyClick(zeile, Qt::Key_A);
        EXPECT_EQ(zeile->text().size(), z.breite);
        ErwarteHinweis(Voll(z.breite));
        // The same paste over the whole text, which it begins like: cut, not refused.
        zeile->selectAll();
        Einfuegen(zeile, QString(z.breite + 7, QLatin1Char('W')));
        ErwarteHinweis(Gekuerzt(z.breite));
        break;
      case Art::Mehrzeilig: {
        auto* text = static_cast<BegrenzterText*>(z.feld);
        text->Fuelle(QString());
        Einfuegen(text, QString(z.breite + 7, QLatin1Char('W')));
        EXPECT_EQ(text->toPlainText(), QString(z.breite, QLatin1Char('W')));
        ErwarteHinweis(Gekuerzt(z.breite));
        KeinHinweis();
        QTest::keyClick(text, Qt::Key_A);
        EXPECT_EQ(text->toPlainText().size(), z.breite);
        ErwarteHinweis(Voll(z.breite));
        break;
      }
    }
    KeinHinweis();
    if (z.fenster) z.fenster->hide();
  }
}

TEST_F(Eingabefelder, ZeichenAusserhalbDerCodepageWerdenAbgelehntUndBenannt) {
  // Typed: the key is refused, the rest of the typing goes on.
  QLineEdit* vornamen = Editorfeld("Vornamen");
  vornamen->setFocus();
  QTest::keyClicks(vornamen, QStringLiteral("Ay"));
  Taste(vornamen, U("ş"));
  EXPECT_EQ(vornamen->text(), QStringLiteral("Ay"));
  ErwarteHinweis(NichtSpeicherbar("ş", "Schreiben Sie „s“."));
  QTest::keyClicks(vornamen, QStringLiteral("se"));
  EXPECT_EQ(vornamen->text(), QStringLiteral("Ayse"));

  // Pasted: nothing of it goes in, so that no name reaches the file with a letter missing.
  QLineEdit* name = Editorfeld("Name");
  name->setText(QStringLiteral("Y"));
  Einfuegen(name, U("ılmaz"));
  EXPECT_EQ(name->text(), QStringLiteral("Y"));
  ErwarteHinweis(NichtSpeicherbar("ı", "Schreiben Sie „i“."));
  // A character without replacement, outside the Basic Multilingual Plane.
  Taste(Editorfeld("Wohnort"), QString::fromUcs4(U"\U0001F600"));
  ErwarteHinweis(NichtSpeicherbar("\U0001F600", "Lassen Sie es weg."));
  EXPECT_EQ(Editorfeld("Wohnort")->text(), QString());
  fenster_->Steuerung().AktuelleDatenUebernehmen();
  EXPECT_EQ(fenster_->Steuerung().Zustand().Klasse->Schueler[0].Lies(S::Vornamen), "Ayse");

  // The text boxes refuse the same way, typed and pasted.
  auto* hinweise = Editorfeld<BegrenzterText>("Hinweise");
  hinweise->Fuelle(QStringLiteral("fleißig"));
  hinweise->moveCursor(QTextCursor::End);
  Taste(hinweise, U("ą"));
  EXPECT_EQ(hinweise->toPlainText(), U("fleißig"));
  ErwarteHinweis(NichtSpeicherbar("ą", "Schreiben Sie „a“."));
  Einfuegen(hinweise, U(" und pünktlich, Łódź"));
  EXPECT_EQ(hinweise->toPlainText(), U("fleißig"));
  ErwarteHinweis(NichtSpeicherbar("Ł", "Schreiben Sie „L“."));
  Einfuegen(hinweise, U(" und\tpünktlich"));
  EXPECT_EQ(hinweise->toPlainText(), U("fleißig und pünktlich"));
  EXPECT_TRUE(meldungen_.protokoll.empty());  // no message box for any of it
}

TEST_F(Eingabefelder, BewertungWirdBeimFokusMarkiertUndNimmtNurDieCodesDesZeugnisses) {
  fenster_->Editor().setCurrentIndex(TEditorSeiten::Bewertungen);
  QLineEdit* note1 = Editorfeld("Bewertung1");
  QLineEdit* note2 = Editorfeld("Bewertung2");
  ASSERT_EQ(note1->text(), QStringLiteral("-"));

  // A click behind the dash selects it, so the typed grade replaces it.
  QTest::mouseClick(note1, Qt::LeftButton, Qt::NoModifier, QPoint(note1->width() - 4, note1->height() / 2));
  EXPECT_TRUE(note1->hasFocus());
  EXPECT_EQ(note1->selectedText(), QStringLiteral("-"));
  QTest::keyClick(note1, Qt::Key_2);
  EXPECT_EQ(note1->text(), QStringLiteral("2"));

  // Even with the cursor behind the grade, a key replaces it.
  note1->end(false);
  QTest::keyClick(note1, Qt::Key_3);
  EXPECT_EQ(note1->text(), QStringLiteral("3"));
  EXPECT_TRUE(note1->isModified());

  // Every code the report prints, small and capital, and nothing else.
  for (QChar code : U("123456oO0nNbBtTeE-")) {
    Taste(note1, QString(code));
    EXPECT_EQ(note1->text(), QString(code));
  }
  for (const QString& falsch : {QStringLiteral("7"), QStringLiteral("x"), QStringLiteral(" "), U("ö"), U("ş")}) {
    KeinHinweis();
    Taste(note1, falsch);
    EXPECT_EQ(note1->text(), QStringLiteral("-")) << falsch.toStdString();
    ErwarteHinweis(U(kBewertungsHinweis));
  }

  // Tab and Return bring the next grade with its content selected.
  QTest::keyClick(note1, Qt::Key_Return);
  EXPECT_TRUE(note2->hasFocus());
  EXPECT_EQ(note2->selectedText(), QStringLiteral("-"));
  Editorfeld<QComboBox>("Fach3")->setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(Editorfeld("Bewertung3")->hasFocus());
  EXPECT_EQ(Editorfeld("Bewertung3")->selectedText(), QStringLiteral("-"));

  fenster_->Steuerung().AktuelleDatenUebernehmen();
  KlassenZustand& z = fenster_->Steuerung().Zustand();
  EXPECT_EQ(z.Klasse->Schueler[0].LiesFach(0, TFachZeile::Bewertung), "-");

  // A stored code outside the set is shown and kept as it is.
  z.Klasse->Schueler[1].SetzeFach(0, TFachZeile::Bewertung, "x");
  fenster_->Steuerung().ListeKlick(1);
  EXPECT_EQ(note1->text(), QStringLiteral("x"));
  fenster_->Steuerung().ListeKlick(0);
  EXPECT_EQ(z.Klasse->Schueler[1].LiesFach(0, TFachZeile::Bewertung), "x");
}

}  // namespace
}  // namespace velmora::test
