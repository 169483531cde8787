// The data-check window, offscreen.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include "basis/fenster/textwandlung.h"
#include "check/fenster/fehlerfenster.h"
#include "common/beispiele.h"

namespace velmora {
namespace {

using S = TSchuelerDatensatz;

S Satz(const std::string& name, const std::string& vornamen, std::int16_t zeugnisart) {
  return test::SchuelerMit(name, vornamen, zeugnisart);
}

QColor Textfarbe(QLineEdit& feld) { return feld.palette().color(QPalette::Text); }

// The protocol as lines with the colour of their first character.
std::vector<std::pair<QString, QColor>> Zeilen(QTextEdit& protokoll) {
  std::vector<std::pair<QString, QColor>> z;
  for (QTextBlock b = protokoll.document()->begin(); b.isValid(); b = b.next()) {
    QTextCursor c(b);
    c.movePosition(QTextCursor::NextCharacter);
    z.emplace_back(b.text(), c.charFormat().foreground().color());
  }
  return z;
}

TEST(Fehlerfenster, ZweiLaeufeHaengenAnUndNeuesOeffnenLeert) {
  TFehlerfenster f;
  EXPECT_EQ(f.windowTitle(), U("Datenprüfung für Zeugnis"));
  EXPECT_EQ(f.StartKnopf().text(), U("Test jetzt starten"));
  EXPECT_EQ(f.BeendenKnopf().text(), U("Beenden"));
  EXPECT_TRUE(f.Namensfeld().isReadOnly());
  EXPECT_TRUE(f.Protokoll().isReadOnly());
  EXPECT_TRUE(f.Zustandsfeld().isReadOnly());
  EXPECT_TRUE(f.Zustandsfeld().font().bold());
  EXPECT_EQ(f.Protokoll().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(f.Protokoll().horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

  f.Vorbereiten(Satz("M\xFCller", "Anna", 5), 1);
  EXPECT_EQ(f.Namensfeld().text(), U("Anna Müller"));
  EXPECT_EQ(f.Zustandsfeld().text(), U("Noch nicht getestet!"));
  EXPECT_EQ(Textfarbe(f.Zustandsfeld()), QColor(0, 0, 255));
  EXPECT_TRUE(f.Protokoll().toPlainText().isEmpty());

  f.StartKnopf().click();
  f.StartKnopf().click();
  const auto z = Zeilen(f.Protokoll());
  ASSERT_EQ(z.size(), 12u);
  for (std::size_t lauf = 0; lauf < 2; ++lauf) {
    const std::size_t o = lauf * 6;
    EXPECT_EQ(z[o].first, U("Test auf Zeugnistyp:"));
    EXPECT_EQ(z[o].second, QColor(0, 0, 0));
    EXPECT_EQ(z[o + 1].first, U("  --->  unbekannt"));
    EXPECT_EQ(z[o + 1].second, QColor(255, 0, 0));
    EXPECT_EQ(z[o + 2].first, U("Test des ausgewählten Formularverlages:"));
    EXPECT_EQ(z[o + 3].first, U("  --->  bekannt"));
    EXPECT_EQ(z[o + 3].second, QColor(0, 128, 0));
    EXPECT_EQ(z[o + 4].first, U("Test auf vorhandene Namen und Vorname"));
    EXPECT_EQ(z[o + 5].second, QColor(0, 128, 0));
  }
  EXPECT_EQ(f.Zustandsfeld().text(), U("Test nicht bestanden"));
  EXPECT_EQ(Textfarbe(f.Zustandsfeld()), QColor(255, 0, 0));

  f.Vorbereiten(Satz("Meier", "Anna", 1), 2);
  EXPECT_TRUE(f.Protokoll().toPlainText().isEmpty());
  EXPECT_EQ(f.Zustandsfeld().text(), U("Noch nicht getestet!"));
  f.StartKnopf().click();
  EXPECT_EQ(Zeilen(f.Protokoll()).size(), 6u);
  EXPECT_EQ(f.Zustandsfeld().text(), U("Test bestanden"));
  EXPECT_EQ(Textfarbe(f.Zustandsfeld()), QColor(0, 128, 0));
}

}  // namespace
}  // namespace velmora
