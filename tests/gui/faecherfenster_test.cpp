// The school subject list window, the template editor and the template selection,
// offscreen with scripted message boxes and file dialogs.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/datensatzbytes.h"
#include "common/fakes.h"
#include "subjects/fenster/auswklfa.h"
#include "subjects/fenster/klasfali.h"
#include "subjects/fenster/schufali.h"

namespace velmora::test {
namespace {

const std::string kLeer = "   - - -";

QStringList Eintraege(const QListWidget& l) {
  QStringList t;
  for (int i = 0; i < l.count(); ++i) t << l.item(i)->text();
  return t;
}

using layout::Vorlagenbild;

std::string FachImBild(const Bytes& b, std::size_t r) {
  return layout::LiesString(b.data(), layout::VorlagenZeile(r) + layout::kFach);
}

// ---- TSchulFachForm ----

class SchulFachFensterTest : public ArbeitsverzeichnisTest {
 protected:
  void Oeffne() { fenster_.show(); }
  void Neu(const QString& text) {
    fenster_.NeuesFach().setText(text);
    fenster_.UebernehmenKnopf().click();
  }
  FakeMeldungen meldungen_;
  TSchulFachForm fenster_{meldungen_};
};

TEST_F(SchulFachFensterTest, OhneDateiSiebenEintraegeUndNeueDatei) {
  Oeffne();
  EXPECT_EQ(fenster_.windowTitle(), U("Fächerliste der Schule"));
  EXPECT_EQ(Eintraege(fenster_.Liste()), (QStringList{Q(kLeer), U("## wird nicht gedruckt"), U("Sport"),
                                                      U("Sozialkunde"), U("Deutsch"), U("Mathematik"), U("Englisch")}));
  EXPECT_EQ(
      LiesDatei(kSchulFaecherDatei),
      AlsBytes("   - - -\r\n## wird nicht gedruckt\r\nSport\r\nSozialkunde\r\nDeutsch\r\nMathematik\r\nEnglisch\r\n"));
}

TEST_F(SchulFachFensterTest, UebernehmenLoeschenUndBeendenSchreibtDieListe) {
  SchreibeDatei(kSchulFaecherDatei, AlsBytes("Sport\r\n" + std::string(60, 'L') + "\r\nDeutsch\r\n"));
  Oeffne();
  EXPECT_EQ(fenster_.Liste().item(1)->text(), QString(50, 'L'));

  Neu(U("Sport"));  // already listed
  Neu(QString());   // empty
  Neu(U("sport"));  // differs in case: a new entry
  EXPECT_TRUE(fenster_.NeuesFach().text().isEmpty()) << "emptied for the next subject";
  Neu(U("Ökonomie"));
  const QString lang(55, 'x');
  Neu(lang);  // longer than 50: kept whole
  EXPECT_EQ(Eintraege(fenster_.Liste()),
            (QStringList{U("Sport"), QString(50, 'L'), U("Deutsch"), U("sport"), U("Ökonomie"), lang}));

  fenster_.Liste().clearSelection();
  fenster_.LoeschenKnopf().click();  // nothing selected: nothing removed
  EXPECT_EQ(fenster_.Liste().count(), 6);
  fenster_.Liste().setCurrentRow(2);
  fenster_.LoeschenKnopf().click();
  EXPECT_EQ(fenster_.Liste().count(), 5);
  EXPECT_EQ(fenster_.Liste().item(2)->text(), U("sport"));
  // Nothing is selected afterwards: a second click deletes nothing.
  EXPECT_TRUE(fenster_.Liste().selectedItems().isEmpty());
  fenster_.LoeschenKnopf().click();
  EXPECT_EQ(fenster_.Liste().count(), 5);

  fenster_.BeendenKnopf().click();
  EXPECT_EQ(fenster_.result(), QDialog::Accepted);
  EXPECT_FALSE(fenster_.isVisible());
  EXPECT_EQ(LiesDatei(kSchulFaecherDatei), AlsBytes("Sport\r\n" + std::string(50, 'L') + "\r\nsport\r\n" +
                                                    T("Ökonomie") + "\r\n" + std::string(55, 'x') + "\r\n"));
  EXPECT_TRUE(meldungen_.protokoll.empty());
}

TEST_F(SchulFachFensterTest, AbbrechenSchreibtNichtsUndAllesLoeschenGibtLeereDatei) {
  SchreibeDatei(kSchulFaecherDatei, AlsBytes("Sport\r\nDeutsch\r\n"));
  Oeffne();
  Neu(U("Chemie"));
  fenster_.AbbrechenKnopf().click();
  EXPECT_EQ(fenster_.result(), QDialog::Rejected);
  EXPECT_EQ(LiesDatei(kSchulFaecherDatei), AlsBytes("Sport\r\nDeutsch\r\n"));

  Oeffne();  // shown again: the file's content, not what was left in the list
  ASSERT_EQ(fenster_.Liste().count(), 2);
  while (fenster_.Liste().count() > 0) {
    fenster_.Liste().setCurrentRow(0);
    fenster_.LoeschenKnopf().click();
  }
  fenster_.BeendenKnopf().click();
  EXPECT_TRUE(LiesDatei(kSchulFaecherDatei).empty());
}

TEST_F(SchulFachFensterTest, SchreibfehlerZeigtDieMeldungUndLaesstDasFensterOffen) {
  SchreibeDatei(kSchulFaecherDatei, AlsBytes("Sport\r\n"));
  Oeffne();
  std::filesystem::remove(kSchulFaecherDatei);
  std::filesystem::create_directory(kSchulFaecherDatei);  // cannot be written as a file
  fenster_.BeendenKnopf().click();
  ASSERT_EQ(meldungen_.protokoll.size(), 1u);
  EXPECT_EQ(meldungen_.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_TRUE(fenster_.isVisible());
}

// ---- TKlasFachForm ----

class KlasFachFensterTest : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    SchreibeDatei(kSchulFaecherDatei, AlsBytes("Sport\r\nbiologie\r\n   - - -\r\nDeutsch\r\n"));
    SchreibeDatei("LEER.KFV", Vorlagenbild({{kLeer, ""}, {kLeer, "LF 2"}}));
    SchreibeDatei("ZWEI.KFV", Vorlagenbild({{"Sport", "Ausdauer"}, {"Kochen", ""}}));
    zustand_.AktuelleVorlage = "ZWEI.KFV";
    fenster_ = std::make_unique<TKlasFachForm>(zustand_, meldungen_, dialoge_);
    fenster_->show();
  }
  void TearDown() override {
    fenster_.reset();
    ArbeitsverzeichnisTest::TearDown();
  }

  VorlagenZustand zustand_;
  FakeMeldungen meldungen_;
  FakeDateiDialoge dialoge_;
  std::unique_ptr<TKlasFachForm> fenster_;
};

TEST_F(KlasFachFensterTest, ZeigtDieAktuelleVorlageMitSortierterAuswahl) {
  EXPECT_EQ(fenster_->windowTitle(), U("Fächerliste der Klasse "));
  EXPECT_EQ(fenster_->VorlagenFeld().text(), U("ZWEI.KFV"));
  EXPECT_EQ(fenster_->Fach(0).currentText(), U("Sport"));
  EXPECT_EQ(fenster_->FachZusatz(0).text(), U("Ausdauer"));
  EXPECT_EQ(fenster_->Fach(1).currentText(), U("Kochen"));  // not a choice, stays as it is
  EXPECT_EQ(fenster_->Fach(17).currentText(), Q(kLeer));
  for (int r = 0; r < 18; ++r) {
    ASSERT_EQ(fenster_->Fach(r).count(), 4);
    EXPECT_EQ(fenster_->Fach(r).itemText(0), Q(kLeer));
    EXPECT_EQ(fenster_->Fach(r).itemText(1), U("biologie"));
    EXPECT_EQ(fenster_->Fach(r).itemText(2), U("Deutsch"));
    EXPECT_EQ(fenster_->Fach(r).itemText(3), U("Sport"));
  }
  EXPECT_TRUE(meldungen_.protokoll.empty());
}

TEST_F(KlasFachFensterTest, OeffnenAbgebrochenSetztDieZeilenAufLeerMitPlatzhalter) {
  fenster_->Fach(0).setEditText(U("Geschichte"));
  fenster_->OeffnenKnopf().click();
  ASSERT_EQ(dialoge_.oeffnenAufrufe.size(), 1u);
  EXPECT_EQ(dialoge_.oeffnenAufrufe[0].filter, T("KlassenFächerVorlage (*.KFV)|*.KFV"));
  for (int r = 0; r < 18; ++r) {
    EXPECT_EQ(fenster_->Fach(r).currentText(), Q(kLeer)) << r;
    EXPECT_EQ(fenster_->Fach(r).currentIndex(), fenster_->Fach(r).findText(Q(kLeer))) << r;
  }
  EXPECT_EQ(fenster_->FachZusatz(1).text(), U("LF 2"));  // the additions come from LEER.KFV
  EXPECT_EQ(fenster_->FachZusatz(0).text(), QString());
  EXPECT_EQ(zustand_.AktuelleVorlage, "ZWEI.KFV");
  EXPECT_EQ(fenster_->VorlagenFeld().text(), U("ZWEI.KFV"));
}

TEST_F(KlasFachFensterTest, SpeichernUnterAufDenAktuellenNamenFragtUndNeinSchreibtNicht) {
  const Bytes vorher = LiesDatei("ZWEI.KFV");
  fenster_->Fach(0).setEditText(U("Deutsch"));
  dialoge_.speichernAntworten = {std::string("ZWEI.KFV")};
  meldungen_.antworten = {Antwort::Nein};
  fenster_->SpeichernUnterKnopf().click();
  EXPECT_EQ(meldungen_.Texte(), (std::vector<std::string>{T("Soll die Datei: ZWEI.KFV wirklich überschrieben werden?"),
                                                          T("Datei wurde noch NICHT gespeichert!")}));
  EXPECT_EQ(meldungen_.protokoll[0].knoepfe, Knoepfe::JaNein);
  EXPECT_EQ(meldungen_.protokoll[1].art, MeldungsArt::Information);
  EXPECT_TRUE(GleicheBytes(LiesDatei("ZWEI.KFV"), vorher));

  // Leaving the window saves nothing either.
  fenster_->VerlassenKnopf().click();
  EXPECT_FALSE(fenster_->isVisible());
  EXPECT_TRUE(GleicheBytes(LiesDatei("ZWEI.KFV"), vorher));
}

TEST_F(KlasFachFensterTest, SpeichernUnterEineAndereVorhandeneDateiSchreibtOhneFrage) {
  SchreibeDatei("DREI.KFV", Bytes(2826, 0xAB));
  fenster_->Fach(2).setEditText(QString(60, 'G'));  // typed, not a choice: saved cut to 50
  fenster_->FachZusatz(2).setText(U("Lernfeld 3"));
  dialoge_.speichernAntworten = {std::string("DREI.KFV")};
  fenster_->SpeichernUnterKnopf().click();
  EXPECT_TRUE(meldungen_.protokoll.empty());
  Bytes bild = LiesDatei("DREI.KFV");
  ASSERT_EQ(bild.size(), 2826u);
  EXPECT_EQ(FachImBild(bild, 0), "Sport");
  EXPECT_EQ(FachImBild(bild, 2), std::string(50, 'G'));
  EXPECT_EQ(bild[layout::VorlagenZeile(2) + layout::kFachZusatz], 10);
  EXPECT_EQ(zustand_.AktuelleVorlage, "DREI.KFV");
  EXPECT_EQ(fenster_->VorlagenFeld().text(), U("DREI.KFV"));

  // "Fächerliste Speichern" then writes the same name and says so.
  fenster_->Fach(2).setEditText(U("Deutsch"));
  fenster_->SpeichernKnopf().click();
  EXPECT_EQ(meldungen_.Texte(), std::vector<std::string>{"Datei: DREI.KFV wurde gespeichert!"});
  EXPECT_EQ(FachImBild(LiesDatei("DREI.KFV"), 2), "Deutsch");
}

// ---- TForm7 ----

class VorlagenAuswahlTest : public ArbeitsverzeichnisTest {
 protected:
  // Shows the window and lets it come up; its error boxes follow once it is on the screen.
  void Oeffne() {
    fenster_.show();
    QCoreApplication::processEvents();
  }
  QString Markiert() const {
    auto m = fenster_.findChild<QListWidget*>()->selectedItems();
    return m.isEmpty() ? QString() : m.front()->text();
  }
  VorlagenZustand zustand_;
  FakeMeldungen meldungen_;
  TForm7 fenster_{zustand_, meldungen_};
};

TEST_F(VorlagenAuswahlTest, VorauswahlNachAktuellerVorlage) {
  SchreibeDatei("LEER.KFV", Vorlagenbild({}));
  SchreibeDatei("ZWEI.KFV", Vorlagenbild({}));
  SchreibeDatei("notiz.txt", AlsBytes("x"));
  zustand_.AktuelleVorlage = "ZWEI.KFV";
  Oeffne();
  EXPECT_EQ(fenster_.windowTitle(), U("Auswahl einer Klassen-Fach-Vorlage"));
  QStringList eintraege = Eintraege(fenster_.Liste());
  eintraege.sort();
  EXPECT_EQ(eintraege, (QStringList{U("LEER"), U("ZWEI")}));
  EXPECT_EQ(Markiert(), U("ZWEI"));
  fenster_.UebernehmenKnopf().click();
  EXPECT_EQ(zustand_.AktuelleVorlage, "ZWEI.KFV");
  EXPECT_EQ(fenster_.result(), QDialog::Accepted);

  // A full path matches no entry: the first entry is selected.
  zustand_.AktuelleVorlage = (verzeichnis_ / "ZWEI.KFV").string();
  Oeffne();
  EXPECT_EQ(fenster_.Liste().count(), 2);  // emptied before it is filled again
  EXPECT_EQ(Markiert(), fenster_.Liste().item(0)->text());
  fenster_.UebernehmenKnopf().click();
  EXPECT_EQ(zustand_.AktuelleVorlage, K(fenster_.Liste().item(0)->text()) + ".KFV");

  // "Abbrechen" keeps the current template whatever is selected.
  zustand_.AktuelleVorlage = "ZWEI.KFV";
  Oeffne();
  fenster_.Liste().setCurrentRow(fenster_.Liste().row(fenster_.Liste().findItems(U("LEER"), Qt::MatchExactly)[0]));
  fenster_.AbbrechenKnopf().click();
  EXPECT_EQ(zustand_.AktuelleVorlage, "ZWEI.KFV");
  EXPECT_TRUE(meldungen_.protokoll.empty());
}

TEST_F(VorlagenAuswahlTest, OhneKfvDateiDieFehlermeldungUndKeineAenderung) {
  zustand_.AktuelleVorlage = "WEG.KFV";
  Oeffne();
  EXPECT_EQ(meldungen_.Texte(), std::vector<std::string>{T("Fehler!\r\rErzeugen Sie zuerst eine Fächerliste für die "
                                                           "Schule und dann eine für die Klasse!\r(Menüpunkt "
                                                           "\"Konfiguration\")")});
  EXPECT_EQ(fenster_.Liste().count(), 0);
  fenster_.UebernehmenKnopf().click();
  EXPECT_EQ(zustand_.AktuelleVorlage, "WEG.KFV");
  EXPECT_FALSE(fenster_.isVisible());
}

}  // namespace
}  // namespace velmora::test
