// The window "Formular ausrichten" through the real main window, offscreen: moving entries by
// keys, by a drag and in the table, undo, saving (only the moved values change in the file),
// the page view against the printout, the background scan, the question on closing and the
// test print.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <set>

#include "app/fenster/MAIN.h"
#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/fakes.h"
#include "gui/kuerzel.h"
#include "gui/modalesfenster.h"
#include "gui/pdflesen.h"
#include "print/schriften.h"
#include "reports/fenster/ausrichten.h"
#include "reports/fenster/seitenansicht.h"
#include "settings/fenster/passwort.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;

void Maus(QWidget* w, QEvent::Type art, QPointF punkt, Qt::MouseButtons gedrueckt,
          Qt::KeyboardModifiers tasten = Qt::NoModifier) {
  const Qt::MouseButton knopf = art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent e(art, punkt, w->mapToGlobal(punkt), knopf, gedrueckt, tasten);
  QApplication::sendEvent(w, &e);
}

// Drags from the middle of an entry's marks by (dx, dy) pixels, in a few steps.
void Ziehe(TSeitenAnsicht& ansicht, std::size_t eintrag, double dx, double dy) {
  const auto feld = ansicht.Feld(eintrag);
  ASSERT_TRUE(feld.has_value()) << eintrag;
  const QPointF anfang = feld->center();
  Maus(&ansicht, QEvent::MouseButtonPress, anfang, Qt::LeftButton);
  for (int schritt = 1; schritt <= 4; ++schritt) {
    Maus(&ansicht, QEvent::MouseMove, anfang + QPointF(dx, dy) * schritt / 4.0, Qt::LeftButton);
  }
  Maus(&ansicht, QEvent::MouseButtonRelease, anfang + QPointF(dx, dy), Qt::NoButton);
}

class Ausrichten : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    fenster_ = std::make_unique<TMainForm>(meldungen_, dialoge_);
    fenster_->Druckflaeche().NurPdf();
    fenster_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster_.get()));
    // Its activation must not arrive after the window's that the test opens.
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster_.get()));
    // The program's start has set up an empty class by now.
    S& s = fenster_->Steuerung().Zustand().Klasse->Schueler[0];
    s.Setze(S::Name, "Kowalski");
    s.Setze(S::Vornamen, "Jan");
    s.Setze(S::Klasse, "BS 11a");
    s.SetzeSchulart(0);
    s.SetzeZeugnisart(1);
    meldungen_.protokoll.clear();
  }
  void TearDown() override {
    fenster_.reset();
    ArbeitsverzeichnisTest::TearDown();
  }
  void Oeffnen() { fenster_->Aktion(QStringLiteral("FormularAusrichten1"))->trigger(); }

  FakeMeldungen meldungen_;
  FakeDateiDialoge dialoge_;
  std::unique_ptr<TMainForm> fenster_;
};

// The lines of a table file in which two versions differ.
std::set<std::size_t> AndereZeilen(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  EXPECT_EQ(a.size(), b.size());
  std::set<std::size_t> anders;
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
    if (a[i] != b[i]) anders.insert(i);
  }
  return anders;
}
// Line of X of entry k in a table file: title and separator, then seven lines per entry.
std::size_t XZeile(std::size_t k) { return 3 + 7 * k; }
std::size_t YZeile(std::size_t k) { return 4 + 7 * k; }

TEST_F(Ausrichten, TastenZiehenTabelleRueckgaengigUndSpeichern) {
  std::vector<std::string> original;
  std::size_t erster = 0, gezogen = 0, getippt = 0;
  std::uint16_t xErster = 0, yErster = 0, xGezogen = 0, yGetippt = 0;
  BeiModalemFenster<TFormularAusrichten>(
      [&](TFormularAusrichten* w) {
        EXPECT_EQ(w->windowTitle(), U("Formular ausrichten"));
        EXPECT_EQ(w->Wahl().currentText(), U("Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)"));
        original = LiesTextZeilen("1BS_HJ.FST");
        ASSERT_EQ(original.size(), 702u);
        // The keyboard is on the page, the lowest-numbered printed entry selected.
        EXPECT_EQ(QApplication::focusWidget(), &w->Ansicht());
        Formularausrichtung& a = w->Ausrichtung();
        ASSERT_EQ(a.Auswahl().size(), 1u);
        erster = a.Auswahl().front();
        EXPECT_EQ(erster, a.Bild().eintraege.front().eintrag);
        ASSERT_EQ(w->Eintraege().selectionModel()->selectedRows().size(), 1);
        EXPECT_EQ(w->Eintraege().selectionModel()->selectedRows().front().row(), static_cast<int>(erster));
        xErster = a.Tabelle().Tabelle()[erster].X;
        yErster = a.Tabelle().Tabelle()[erster].Y;

        for (int i = 0; i < 3; ++i) QTest::keyClick(&w->Ansicht(), Qt::Key_Right);
        QTest::keyClick(&w->Ansicht(), Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_EQ(a.Tabelle().Tabelle()[erster].X, xErster + 3) << "0.1 mm per arrow";
        EXPECT_EQ(a.Tabelle().Tabelle()[erster].Y, yErster + 10) << "1 mm with Shift";
        EXPECT_EQ(w->Eintraege().item(static_cast<int>(erster), TFormularAusrichten::kX)->data(Qt::EditRole).toInt(),
                  xErster + 3)
            << "the table follows";

        // A drag of another entry by 40 pixels to the right: one step of undo.
        gezogen = a.Bild().eintraege.back().eintrag;
        xGezogen = a.Tabelle().Tabelle()[gezogen].X;
        const std::uint16_t yGezogen = a.Tabelle().Tabelle()[gezogen].Y;
        const int weg = static_cast<int>(std::lround(40 / w->Ansicht().Massstab()));
        Ziehe(w->Ansicht(), gezogen, 40, 0);
        EXPECT_EQ(a.Auswahl(), std::vector<std::size_t>{gezogen}) << "a click on an unselected entry selects it";
        EXPECT_EQ(a.Tabelle().Tabelle()[gezogen].X, xGezogen + weg);
        EXPECT_EQ(a.Tabelle().Tabelle()[gezogen].Y, yGezogen);
        QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(a.Tabelle().Tabelle()[gezogen].X, xGezogen) << "Ctrl+Z undoes the whole drag";
        EXPECT_EQ(a.Tabelle().Tabelle()[erster].X, xErster + 3);
        Ziehe(w->Ansicht(), gezogen, 40, 0);
        xGezogen = static_cast<std::uint16_t>(xGezogen + weg);
        EXPECT_EQ(a.Tabelle().Tabelle()[gezogen].X, xGezogen);

        // Ctrl+Click adds an entry to the selection; a plain click on one of them keeps it alone.
        const auto feld = w->Ansicht().Feld(erster);
        ASSERT_TRUE(feld.has_value());
        Maus(&w->Ansicht(), QEvent::MouseButtonPress, feld->center(), Qt::LeftButton, Qt::ControlModifier);
        Maus(&w->Ansicht(), QEvent::MouseButtonRelease, feld->center(), Qt::NoButton, Qt::ControlModifier);
        EXPECT_EQ(a.Auswahl().size(), 2u);
        Maus(&w->Ansicht(), QEvent::MouseButtonPress, feld->center(), Qt::LeftButton);
        Maus(&w->Ansicht(), QEvent::MouseButtonRelease, feld->center(), Qt::NoButton);
        EXPECT_EQ(a.Auswahl(), std::vector<std::size_t>{erster});
        EXPECT_EQ(w->Eintraege().selectionModel()->selectedRows().size(), 1);

        // Typed into the table, and saved with Ctrl+S before the cell is left: the value counts.
        getippt = a.Bild().eintraege[a.Bild().eintraege.size() / 2].eintrag;
        ASSERT_NE(getippt, erster);
        ASSERT_NE(getippt, gezogen);
        yGetippt = static_cast<std::uint16_t>(a.Tabelle().Tabelle()[getippt].Y + 250);
        QTableWidget& t = w->Eintraege();
        t.setCurrentCell(static_cast<int>(getippt), TFormularAusrichten::kY);
        t.editItem(t.item(static_cast<int>(getippt), TFormularAusrichten::kY));
        auto* feldEditor = t.findChild<QSpinBox*>();
        ASSERT_NE(feldEditor, nullptr);
        feldEditor->selectAll();
        QTest::keyClicks(feldEditor, QString::number(yGetippt));
        QTest::keyClick(feldEditor, Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(a.Tabelle().Tabelle()[getippt].Y, yGetippt);
        EXPECT_FALSE(a.Tabelle().Geaendert());
        EXPECT_EQ(w->Zustand().text(), U("1BS_HJ.FST: keine ungespeicherten Änderungen"));
        w->Knopf("Schliessen")->click();
      },
      Aktiv::abwarten);
  Oeffnen();
  EXPECT_FALSE(fenster_->FormularAusrichtenForm().isVisible());
  EXPECT_TRUE(meldungen_.protokoll.empty()) << "saved: no question on closing";
  const std::vector<std::string> gespeichert = LiesTextZeilen("1BS_HJ.FST");
  EXPECT_EQ(AndereZeilen(original, gespeichert),
            (std::set<std::size_t>{XZeile(erster), YZeile(erster), XZeile(gezogen), YZeile(getippt)}));
  EXPECT_EQ(gespeichert[XZeile(erster)], std::to_string(xErster + 3));
  EXPECT_EQ(gespeichert[YZeile(erster)], std::to_string(yErster + 10));
  EXPECT_EQ(gespeichert[XZeile(gezogen)], std::to_string(xGezogen));
  EXPECT_EQ(gespeichert[YZeile(getippt)], std::to_string(yGetippt));
  EXPECT_EQ(gespeichert[0], original[0]) << "the title is kept";
  // 702 lines, each ended by CR LF and no other line break.
  const Bytes roh = LiesDatei("1BS_HJ.FST");
  std::size_t zeilen = 0;
  for (std::size_t i = 0; i < roh.size(); ++i) {
    if (roh[i] == '\r') {
      ASSERT_TRUE(i + 1 < roh.size() && roh[i + 1] == '\n') << "CR without LF at " << i;
      ++zeilen;
      ++i;
    } else {
      ASSERT_NE(roh[i], '\n') << "LF without CR at " << i;
    }
  }
  EXPECT_EQ(zeilen, 702u);
  EXPECT_TRUE(roh.size() >= 2 && roh[roh.size() - 2] == '\r' && roh.back() == '\n');
}

// Each entry's text stands on the screen where the printout puts it: its box begins at the
// x and ends at the y (bottom of the character cell) that the recording surface receives
// from the report, moved onto the paper by the printer's unprintable border.
TEST_F(Ausrichten, SeitenansichtZeigtJedenTextAnDerStelleDesAusdrucks) {
  BeiModalemFenster<TFormularAusrichten>(
      [&](TFormularAusrichten* w) {
        Formularausrichtung& a = w->Ausrichtung();
        const AusrichtUmgebung& u = a.Umgebung();
        AufzeichnendeFlaeche flaeche;
        flaeche.faehigkeiten = fenster_->Druckflaeche().Faehigkeiten();
        const int randX = ZehntelMillimeter(flaeche.faehigkeiten.SeitenOffsetX, flaeche.faehigkeiten.PixelProZollX);
        const int randY = ZehntelMillimeter(flaeche.faehigkeiten.SeitenOffsetY, flaeche.faehigkeiten.PixelProZollY);
        TZeilenpuffer puffer;
        const ZeugnisKontext k{flaeche, u.druck, u.verlag, u.zeugnisname, puffer};
        DruckeZeugnisKoerper(k, 1, 1, u.klasse, a.Tabelle().Tabelle(), ZeugnisRaender(Zeugnistyp::Halbjahr, u.druck), 0,
                             ZeugnisZaehlerFuer(Zeugnistyp::Halbjahr, u.verlag));
        std::multimap<std::string, QPointF> gedruckt;
        for (const auto& t : flaeche.Texte()) {
          if (t.text.find_first_not_of(' ') != std::string::npos) {
            gedruckt.emplace(t.text, w->Ansicht().AufDemSchirm(t.x + randX, randY - t.y));
          }
        }
        int verglichen = 0;
        for (const EintragsBild& b : a.Bild().eintraege) {
          if (b.nurNummer || b.texte.size() != 1 || !gedruckt.count(b.texte[0].text)) continue;
          if (b.texte[0].ausrichtung != Textausrichtung::LinksUnten) continue;
          const auto feld = w->Ansicht().Feld(b.eintrag);
          ASSERT_TRUE(feld.has_value());
          const auto [von, bis] = gedruckt.equal_range(b.texte[0].text);
          const bool dort = std::any_of(von, bis, [&](const auto& p) {
            return std::abs(feld->left() - p.second.x()) < 0.01 && std::abs(feld->bottom() - p.second.y()) < 0.01;
          });
          EXPECT_TRUE(dort) << b.eintrag << " " << b.texte[0].text;
          ++verglichen;
        }
        EXPECT_GE(verglichen, 5);
        w->reject();
      },
      Aktiv::abwarten);
  Oeffnen();
}

TEST_F(Ausrichten, HintergrundBildLaedtUndBleibtBeiDerTabelle) {
  QImage scan(210, 297, QImage::Format_RGB32);
  scan.fill(Qt::lightGray);
  ASSERT_TRUE(scan.save(QStringLiteral("scan.png")));
  SchreibeDatei("kaputt.png", AlsBytes("kein Bild"));
  const std::string pfad = (fs::current_path() / "scan.png").string();
  dialoge_.oeffnenAntworten = {(fs::current_path() / "kaputt.png").string(), pfad};
  BeiModalemFenster<TFormularAusrichten>(
      [&](TFormularAusrichten* w) {
        EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Bildname"))->text(), U("kein Bild"));
        w->Knopf("HintergrundLaden")->click();
        EXPECT_EQ(meldungen_.Texte(),
                  std::vector<std::string>{"Das Bild " + (fs::current_path() / "kaputt.png").string() +
                                           " kann nicht gelesen werden."});
        EXPECT_TRUE(w->Ansicht().HintergrundBild().isNull());
        w->Knopf("HintergrundLaden")->click();
        EXPECT_FALSE(w->Ansicht().HintergrundBild().isNull());
        EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Bildname"))->text(), U("scan.png"));
        w->HintergrundLinks().setValue(-2.5);
        w->HintergrundMassstab().setValue(101.5);
        w->reject();
      },
      Aktiv::abwarten);
  Oeffnen();
  ASSERT_EQ(dialoge_.oeffnenAufrufe.size(), 2u);
  EXPECT_NE(dialoge_.oeffnenAufrufe[0].filter.find("*.png"), std::string::npos);
  const auto h = LadeHintergrund("1BS_HJ.FST", 1);
  ASSERT_TRUE(h.has_value());
  EXPECT_EQ(h->bild, pfad);
  EXPECT_DOUBLE_EQ(h->links, -25);
  EXPECT_DOUBLE_EQ(h->massstab, 1.015);

  // Opened again, the window lays the scan under the page where it was left.
  BeiModalemFenster<TFormularAusrichten>(
      [&](TFormularAusrichten* w) {
        EXPECT_FALSE(w->Ansicht().HintergrundBild().isNull());
        EXPECT_DOUBLE_EQ(w->HintergrundLinks().value(), -2.5);
        EXPECT_DOUBLE_EQ(w->HintergrundMassstab().value(), 101.5);
        // Another page and another table have a background of their own (none yet).
        w->Wahl().setCurrentText(U("Halbjahreszeugnis, Seite 2 (1BS_HJ.FST)"));
        EXPECT_TRUE(w->Ansicht().HintergrundBild().isNull());
        EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Bildname"))->text(), U("kein Bild"));
        w->Wahl().setCurrentText(U("Halbjahreszeugnis, Seite 1 (1BS_HJ.FST)"));
        EXPECT_FALSE(w->Ansicht().HintergrundBild().isNull());
        w->Wahl().setCurrentText(U("Drucker-Testblatt (TSTBLATT.FST)"));
        EXPECT_TRUE(w->Ansicht().HintergrundBild().isNull());
        EXPECT_FALSE(w->HintergrundLinks().isEnabled());
        w->reject();
      },
      Aktiv::abwarten);
  Oeffnen();
}

TEST_F(Ausrichten, SchliessenMitAenderungenFragtUndProbedruckDrucktDieTabelleDesFensters) {
  if (!PdfLesbar()) GTEST_SKIP() << "pdftotext (Debian package poppler-utils) is missing";
  BeiModalemFenster<TFormularAusrichten>(
      [&](TFormularAusrichten* w) {
        Formularausrichtung& a = w->Ausrichtung();
        // The full name, 30 mm further right, not saved: the test print shows it there.
        const auto name = std::find_if(a.Bild().eintraege.begin(), a.Bild().eintraege.end(), [](const EintragsBild& b) {
          return !b.texte.empty() && b.texte[0].text.find("Kowalski") != std::string::npos;
        });
        ASSERT_NE(name, a.Bild().eintraege.end());
        const int xVorher = name->texte[0].x;
        a.SetzeAuswahl({name->eintrag});
        w->Ansicht().setFocus();
        for (int i = 0; i < 3; ++i) QTest::keyClick(&w->Ansicht(), Qt::Key_Right, Qt::ShiftModifier);
        w->Knopf("Probedruck")->click();
        ASSERT_EQ(meldungen_.protokoll.size(), 2u) << "the prompt for the form sheet, the closing notice";
        EXPECT_NE(meldungen_.protokoll[0].text.find("Seite(n) 1 von 2"), std::string::npos);
        EXPECT_EQ(meldungen_.protokoll[1].knoepfe, Knoepfe::OkOrdnerOeffnen);
        const auto woerter = WoerterAus(fenster_->Druckflaeche().LetzteDatei().toStdString());
        const auto jan = std::find_if(woerter.begin(), woerter.end(), [](const PdfWort& p) { return p.text == "Jan"; });
        ASSERT_NE(jan, woerter.end());
        EXPECT_NEAR(jan->xMin, (xVorher + 30) / 10.0, 0.6);
        EXPECT_NE(fenster_->Druckflaeche().LetzteDatei().indexOf(QStringLiteral("Probedruck-1BS_HJ")), -1);

        meldungen_.protokoll.clear();
        meldungen_.antworten = {Antwort::Abbrechen};
        w->reject();
        EXPECT_TRUE(w->isVisible()) << "Abbrechen keeps the window open";
        EXPECT_EQ(meldungen_.Texte(), std::vector<std::string>{T("Änderungen an 1BS_HJ.FST speichern?")});
        meldungen_.antworten = {Antwort::Nein};
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible()) << "Nein closes without saving";
      },
      Aktiv::abwarten);
  Oeffnen();
  TFormatSteuerTabelle gelesen;
  std::string titel;
  LadeFormatSteuerTabelle(gelesen, "1BS_HJ.FST", titel, meldungen_);
  EXPECT_EQ(gelesen, ZeugnisVorlage(Zeugnistyp::Halbjahr, 1).Tabelle);
}

// With a configuration password the window opens only after the right one, as the subject
// lists do; a wrong one gives the error and no window.
TEST_F(Ausrichten, KonfigurationspasswortSchuetztDasFenster) {
  fenster_->Steuerung().Einstellungen().Satz().KonfigPasswort = "abcd";
  int geoeffnet = 0;
  auto antworte = [&](const char* passwort) {
    QTimer::singleShot(0, [passwort] {
      auto* dlg = qobject_cast<TPasswordDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(dlg, nullptr);
      dlg->Feld().setText(QString::fromLatin1(passwort));
      dlg->OkKnopf().click();
    });
  };
  antworte("ABCD");
  Oeffnen();
  EXPECT_EQ(meldungen_.Texte(),
            std::vector<std::string>{T("Sie sind nicht berechtigt im\rKonfigurationsbereich zu arbeiten!")});
  EXPECT_FALSE(fenster_->FormularAusrichtenForm().isVisible());

  antworte("abcd");
  BeiModalemFenster<TFormularAusrichten>(
      [&](TFormularAusrichten* w) {
        ++geoeffnet;
        w->Knopf("Schliessen")->click();
      },
      Aktiv::abwarten);
  Oeffnen();
  EXPECT_EQ(geoeffnet, 1);
}

TEST_F(Ausrichten, MenueeintragUnterEinstellungenMitEigenemKuerzel) {
  QAction* a = fenster_->Aktion(QStringLiteral("FormularAusrichten1"));
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->text(), U("&Formular ausrichten..."));
  EXPECT_FALSE(a->statusTip().isEmpty());
  QMenu* menue = fenster_->findChild<QMenu*>(QStringLiteral("MenueEinstellungen"));
  ASSERT_NE(menue, nullptr);
  EXPECT_TRUE(menue->actions().contains(a));
  // The window's buttons and fields have mnemonics of their own, too.
  std::map<QChar, QStringList> fenster;
  for (QWidget* w : fenster_->FormularAusrichtenForm().findChildren<QWidget*>()) {
    QString text;
    if (auto* k = qobject_cast<QAbstractButton*>(w)) text = k->text();
    if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
    const QChar taste = Kuerzel(text);
    if (!taste.isNull()) fenster[taste] << text;
  }
  for (const auto& [zeichen, texte] : fenster)
    EXPECT_EQ(texte.size(), 1) << texte.join(QStringLiteral(", ")).toStdString();
  EXPECT_GE(fenster.size(), 12u);
}

}  // namespace
}  // namespace velmora::test
