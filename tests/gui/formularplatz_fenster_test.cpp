// Does the report fit its form, through the real windows, offscreen: the line counts under
// "Hinweise" and "Bemerkungen" while the teacher types, the column "Hinweis" of the class
// window, and the question of the single report command before its page prompts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "app/fenster/MAIN.h"
#include "app/fenster/editorseiten.h"
#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "gui/modalesfenster.h"
#include "gui/pdfhauptfenster.h"
#include "reports/fenster/zeugnisseklasse.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using S = TSchuelerDatensatz;

// `n` words of nine letters and a blank, seven to a line of 74 characters.
QString Woerter(int n) { return QStringLiteral("abcdefghi ").repeated(n); }

bool Rot(const QLabel& label) { return label.palette().color(QPalette::WindowText) == QColor(200, 0, 0); }

// Lets the window take in what happened (the counts follow once the events are done).
void Warte() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

class FormularplatzFenster : public PdfHauptfensterTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(ZeigeHauptfenster());
    meldungen_.protokoll.clear();
  }

  // A half-year report at a vocational school (publisher 1 by default).
  S& Schueler(std::size_t i, const std::string& vornamen, const std::string& name) {
    S& s = fenster_->Steuerung().Zustand().Klasse->Schueler[i];
    s = S{};
    s.Setze(S::Name, name);
    s.Setze(S::Vornamen, vornamen);
    s.SetzeZeugnisart(1);
    return s;
  }
};

TEST_F(FormularplatzFenster, ZeilenImEditorSpalteHinweisUndWarnungVorDemDruck) {
  const S& jan = Schueler(0, "Jan", "Kowalski");
  Schueler(1, "Anna", "Adam").Setze(S::Hinweise, "Arbeitet gut mit.");
  Hauptsteuerung& steuerung = fenster_->Steuerung();
  steuerung.SchuelerListeFuellen();
  steuerung.DatensatzAnzeigen(0);
  TEditorSeiten& editor = fenster_->Editor();
  editor.setCurrentIndex(TEditorSeiten::Zeugnistexte);
  Warte();

  // The half-year form of publisher 1 has room for 5 lines of notes before the missed
  // lessons, and the report prints 3 lines of remarks.
  QLabel& hinweise = editor.HinweiseZeilen();
  QLabel& bemerkungen = editor.BemerkungenZeilen();
  EXPECT_EQ(bemerkungen.text(), U("0 von 3 Zeilen auf dem Formular"));
  editor.HinweiseFeld().setFocus();
  for (const auto& [woerter, angabe] : {std::pair{35, "5 von 5"}, std::pair{5, "6 von 5"}}) {
    QTest::keyClicks(&editor.HinweiseFeld(), Woerter(woerter));  // 400 characters in all
    Warte();
    EXPECT_EQ(hinweise.text(), U(angabe) + U(" Zeilen auf dem Formular"));
    EXPECT_EQ(Rot(hinweise), woerter == 5);
  }
  EXPECT_FALSE(Rot(bemerkungen));
  EXPECT_EQ(jan.Lies(S::Hinweise), "") << "the count is of the text typed, not yet stored";
  fenster_->Knopf(QStringLiteral("DatenUebernehmen"))->click();

  // The class window names what does not fit; the line stays ticked, also on plain paper
  // (where the column is empty) and back on the forms.
  bool gesehen = false;
  BeiModalemFenster<TZeugnisseKlasseForm>([&](TZeugnisseKlasseForm* w) {
    gesehen = true;
    QTreeWidget& liste = w->Liste();
    EXPECT_EQ(liste.headerItem()->text(3), U("Hinweis"));
    ASSERT_EQ(liste.topLevelItemCount(), 2);
    QTreeWidgetItem* janZeile = liste.topLevelItem(0);
    QTreeWidgetItem* annaZeile = liste.topLevelItem(1);
    EXPECT_EQ(janZeile->text(3), U("Hinweise: 1 Zeile zu lang"));
    EXPECT_EQ(annaZeile->text(3), QString());
    EXPECT_EQ(janZeile->checkState(0), Qt::Checked);
    annaZeile->setCheckState(0, Qt::Unchecked);
    w->WeissesPapier().click();
    EXPECT_EQ(janZeile->text(3), QString()) << "plain paper flows";
    w->Formulare().click();
    EXPECT_EQ(janZeile->text(3), U("Hinweise: 1 Zeile zu lang"));
    EXPECT_EQ(janZeile->checkState(0), Qt::Checked);
    EXPECT_EQ(annaZeile->checkState(0), Qt::Unchecked) << "the teacher's ticks stay";
    w->findChild<QPushButton*>(QStringLiteral("Abbrechen"))->click();
  });
  Ausloesen("ZeugnisseKlasse1");
  ASSERT_TRUE(gesehen);

  // The single report: the question comes before the page prompts; "Nein" prints nothing,
  // "Ja" goes on to the page prompts (cancelled here).
  meldungen_.protokoll.clear();
  meldungen_.antworten = {Antwort::Nein};
  Ausloesen("Zeugnis1");
  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Warnung);
  EXPECT_EQ(meldungen_.protokoll[0].knoepfe, Knoepfe::JaNein);
  EXPECT_EQ(meldungen_.protokoll[0].text,
            T("Das Zeugnis von Jan Kowalski passt nicht auf das Formular „Halbjahreszeugnis der Berufsschule "
              "bsn-Nr.510 89 (11/98)“:\rHinweise: 1 Zeile zu lang\r\rDas Zeugnis trotzdem drucken?"));
  EXPECT_FALSE(fs::exists("Ausdrucke")) << "Nein: no print, no PDF file";
  meldungen_.antworten = {Antwort::Ja, Antwort::Abbrechen, Antwort::Abbrechen};
  Ausloesen("Zeugnis1");
  ASSERT_EQ(meldungen_.protokoll.size(), 4u) << "the question, then the two page prompts";
  EXPECT_TRUE(meldungen_.protokoll[2].text.starts_with("Druck auf Formular: "));
}

}  // namespace
}  // namespace velmora::test
