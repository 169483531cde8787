// The print settings window, offscreen, with scripted message boxes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "settings/fenster/einstdrk.h"

namespace velmora::test {
namespace {

class DruckeinstellungenFenster : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    fenster_ = std::make_unique<TEinstellDrkForm>(einstellungen_, meldungen_, [this] { ++fortschritt_; });
    fenster_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster_.get()));
  }
  void TearDown() override {
    fenster_.reset();
    ArbeitsverzeichnisTest::TearDown();
  }
  QPushButton* Knopf(const char* name) { return fenster_->findChild<QPushButton*>(QString::fromLatin1(name)); }
  QCheckBox* Box(const char* name) { return fenster_->findChild<QCheckBox*>(QString::fromLatin1(name)); }
  QRadioButton* Gewaehlt() {
    for (auto* r : fenster_->findChildren<QRadioButton*>())
      if (r->isChecked()) return r;
    return nullptr;
  }

  DruckEinstellungen einstellungen_;
  FakeMeldungen meldungen_;
  int fortschritt_ = 0;
  std::unique_ptr<TEinstellDrkForm> fenster_;
};

TEST_F(DruckeinstellungenFenster, ohneDateiZeigtEsDieStandardwerte) {
  EXPECT_EQ(fenster_->windowTitle(), U("Druck-Einstellungen"));
  EXPECT_EQ(fenster_->findChildren<QLineEdit*>().size(), 53);
  for (std::size_t i = 0; i < kRandAnzahl; ++i) EXPECT_EQ(fenster_->Rand(i).text(), U("150")) << i;
  EXPECT_EQ(fenster_->Zeilenhoehe().text(), U("70"));
  EXPECT_FALSE(Box("AlleInWorten")->isChecked());
  EXPECT_TRUE(Box("MitRahmen")->isChecked());
  EXPECT_TRUE(Box("NurInnen")->isChecked());
  EXPECT_FALSE(Box("DruckReserve1")->isChecked());
  EXPECT_FALSE(Box("MitEinstellecke")->isChecked());
  ASSERT_NE(Gewaehlt(), nullptr);
  EXPECT_EQ(Gewaehlt()->text(), U("immer nur eine Seite"));
  EXPECT_TRUE(meldungen_.protokoll.empty());
}

TEST_F(DruckeinstellungenFenster, abgelehntesFeldMeldetSichUndDieEinstellungenWerdenGespeichert) {
  fenster_->Rand(5).setText(U("12 cm"));
  fenster_->Rand(6).setText(U("  -25"));
  Box("AlleInWorten")->setChecked(true);
  Knopf("Uebernehmen")->click();
  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].titel, "Eingabefehler");
  EXPECT_EQ(meldungen_.protokoll[0].text, RandEingabefehlerText());
  EXPECT_EQ(fortschritt_, 1);
  EXPECT_EQ(fenster_->result(), QDialog::Accepted);
  EXPECT_FALSE(fenster_->isVisible());
  EXPECT_EQ(einstellungen_.Satz().Raender[5], 0);
  EXPECT_EQ(einstellungen_.Satz().Raender[6], -25);
  EXPECT_EQ(einstellungen_.Satz().AlleInWorten, 1);
  EXPECT_EQ(LiesDatei("DRKEINST.DAT").size(), 224u);

  // Shown again, the window reads the file.
  fenster_->show();
  EXPECT_EQ(fenster_->Rand(5).text(), U("0"));
  EXPECT_EQ(fenster_->Rand(6).text(), U("-25"));
  Knopf("Standard")->click();
  EXPECT_EQ(fenster_->Rand(6).text(), U("150"));
  Knopf("Abbrechen")->click();
  EXPECT_EQ(fenster_->result(), QDialog::Rejected);
  EXPECT_EQ(fortschritt_, 1);
}

}  // namespace
}  // namespace velmora::test
