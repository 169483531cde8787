// The settings window with scripted password windows: what "Übernehmen" writes, what
// opening reads, and the multi-level protection of the security options.
#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "settings/fenster/einstell.h"

namespace velmora::test {
namespace {

constexpr const char* kSchluessel = "w#5ke8r)ta2q!h7";

// A settings record built from the documented offsets.
struct Satz {
  int schutz = 0, immer = 0, sicherReserve = 0, verschluesseln = 1, r1 = 0, r2 = 0, r3 = 0, verlag = 1;
  std::string passwort;
  Bytes Bild() const {
    Bytes b(32, 0);
    auto int16 = [&b](std::size_t o, int v) {
      b[o] = static_cast<std::uint8_t>(v & 0xFF);
      b[o + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
    };
    int16(0, schutz), int16(2, immer), int16(4, sicherReserve), int16(6, verschluesseln);
    int16(8, r1), int16(10, r2), int16(12, r3), int16(30, verlag);
    b[14] = static_cast<std::uint8_t>(passwort.size());
    for (std::size_t i = 0; i < 15; ++i) {
      b[15 + i] = i < passwort.size() ? static_cast<std::uint8_t>(passwort[i] ^ kSchluessel[i]) : 0x20;
    }
    return b;
  }
};

int Int16(const Bytes& b, std::size_t o) { return static_cast<std::int16_t>(b[o] | (b[o + 1] << 8)); }

class EinstellformTest : public ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    dialoge_.Verbinde(schutz_, einstellungen_, meldungen_);
    fenster_ = std::make_unique<TEinstellform>(einstellungen_, dialoge_, meldungen_, [this] { ++fortschritte_; });
  }
  void TearDown() override {
    fenster_.reset();
    ArbeitsverzeichnisTest::TearDown();
  }
  void Oeffne() {
    fenster_->show();
    ASSERT_TRUE(fenster_->isVisible());
  }
  void Uebernehmen() { fenster_->UebernehmenKnopf().click(); }

  ProgrammEinstellungen einstellungen_;
  Datenschutz schutz_;
  FakeMeldungen meldungen_;
  FakePasswortDialoge dialoge_;
  int fortschritte_ = 0;
  std::unique_ptr<TEinstellform> fenster_;
};

TEST_F(EinstellformTest, OhneDateienZeigtDieStandardwerte) {
  Oeffne();
  EXPECT_EQ(fenster_->windowTitle(), U("Einstellungen"));
  EXPECT_EQ(fenster_->Sicherheitsgruppe().title(), U("sicherheitsrevante Optionen"));
  EXPECT_EQ(fenster_->Sicherheitsgruppe().toolTip(), U("Änderungen erfordern Passwort!"));
  EXPECT_TRUE(fenster_->UebernehmenKnopf().font().bold());
  EXPECT_TRUE(fenster_->DatenVerschluesseln().isChecked());
  EXPECT_FALSE(fenster_->MehrstufigerSchutz().isChecked());
  const char* verlage[] = {"kein Verlag", "bsn Fachverl. (Spremberg)", "Fachverl. f. Schulen / Kohlhammer (Schwerin)",
                           "Flöttman (Leipzig; Paschwitz/Eilenburg)", "Bild. u. Verw. in MV (Neubrandenburg)"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(fenster_->Verlag(i).text(), U(verlage[i]));
    EXPECT_EQ(fenster_->Verlag(i).isChecked(), i == 1);
  }
  EXPECT_TRUE(meldungen_.protokoll.empty());
}

TEST_F(EinstellformTest, UebernehmenMitVierZeichenPasswortSchreibtDieBytesUndDieSicherungFolgt) {
  Oeffne();
  dialoge_.konfigPasswort = {std::string()};  // no password yet: the empty entry is right
  dialoge_.konfigAendern = {{"Ab1x", "Ab1x"}};
  fenster_->PasswortKnopf().click();
  ASSERT_EQ(dialoge_.konfigAenderungen, 1);
  fenster_->MehrstufigerSchutz().setChecked(true);
  fenster_->DatenVerschluesseln().setChecked(false);
  fenster_->Reserve(2).setChecked(true);
  fenster_->Verlag(3).click();
  Uebernehmen();

  EXPECT_EQ(fenster_->result(), QDialog::Accepted);
  EXPECT_FALSE(fenster_->isVisible());
  EXPECT_EQ(fortschritte_, 1);
  EXPECT_TRUE(meldungen_.protokoll.empty());
  const Bytes datei = LiesDatei(kEinstellDatei);
  ASSERT_EQ(datei.size(), 32u);
  EXPECT_EQ(Int16(datei, 0), 1);
  EXPECT_EQ(Int16(datei, 6), 0);
  EXPECT_EQ(Int16(datei, 8), 0);
  EXPECT_EQ(Int16(datei, 10), 1);
  EXPECT_EQ(Int16(datei, 30), 3);
  EXPECT_EQ(datei[14], 4);
  EXPECT_EQ(datei[15], 'A' ^ 'w');
  EXPECT_EQ(datei[16], 'b' ^ '#');
  EXPECT_EQ(datei[17], '1' ^ '5');
  EXPECT_EQ(datei[18], 'x' ^ 'k');
  for (std::size_t i = 19; i <= 29; ++i) EXPECT_EQ(datei[i], 0x20) << i;
  EXPECT_EQ(einstellungen_.Satz().KonfigPasswort, "Ab1x");  // plain again in memory
  EXPECT_FALSE(DateiExistiert(kEinstellSicherung));

  // The next opening loads the file, copies it to the safety copy and shows it.
  Oeffne();
  EXPECT_TRUE(GleicheBytes(LiesDatei(kEinstellSicherung), datei));
  EXPECT_TRUE(fenster_->Verlag(3).isChecked());
  EXPECT_FALSE(fenster_->DatenVerschluesseln().isChecked());
  EXPECT_TRUE(fenster_->MehrstufigerSchutz().isChecked());
}

TEST_F(EinstellformTest, NurDieSicherungLiefertPasswortUndSicherheitsoptionen) {
  Satz s;
  s.schutz = 1, s.immer = 1, s.verschluesseln = 0, s.r1 = 1, s.verlag = 4, s.passwort = "geheim";
  SchreibeDatei(kEinstellSicherung, s.Bild());
  Oeffne();
  EXPECT_TRUE(fenster_->MehrstufigerSchutz().isChecked());
  EXPECT_TRUE(fenster_->ImmerVerschluesseln().isChecked());
  EXPECT_TRUE(fenster_->DatenVerschluesseln().isChecked());
  EXPECT_FALSE(fenster_->Reserve(1).isChecked());
  EXPECT_TRUE(fenster_->Verlag(1).isChecked());
  dialoge_.konfigPasswort = {std::string("geheim")};
  EXPECT_TRUE(KonfigZugangPruefen(einstellungen_, dialoge_, meldungen_));
}

TEST_F(EinstellformTest, MitSchutzFragenNurDieSicherheitsoptionenNachDemPasswort) {
  Satz s;
  s.schutz = 1, s.passwort = "abcd";
  SchreibeDatei(kEinstellDatei, s.Bild());

  // Only general options and the publisher: no prompt.
  Oeffne();
  fenster_->DatenVerschluesseln().setChecked(false);
  fenster_->Verlag(0).click();
  Uebernehmen();
  EXPECT_EQ(dialoge_.konfigAbfragen, 0);
  EXPECT_EQ(Int16(LiesDatei(kEinstellDatei), 6), 0);
  EXPECT_EQ(Int16(LiesDatei(kEinstellDatei), 30), 0);

  // A security option with a wrong password: reset to its opening value, the rest saved.
  // The wrong entry also withdraws the access granted before.
  ASSERT_TRUE(einstellungen_.PasswortDlgOk("abcd"));
  Oeffne();
  fenster_->ImmerVerschluesseln().setChecked(true);
  fenster_->Verlag(2).click();
  dialoge_.konfigPasswort = {std::string("abce")};
  Uebernehmen();
  EXPECT_EQ(dialoge_.konfigAbfragen, 1);
  EXPECT_EQ(meldungen_.Texte(),
            std::vector<std::string>{T("Sie sind nicht berechtigt im sicher-\rheitsrelevanten Teil der "
                                       "Konfiguration\rÄnderungen vorzunehmen!")});
  EXPECT_FALSE(einstellungen_.ZugangFrei());
  Bytes datei = LiesDatei(kEinstellDatei);
  EXPECT_EQ(Int16(datei, 0), 1);
  EXPECT_EQ(Int16(datei, 2), 0);
  EXPECT_EQ(Int16(datei, 30), 2);
  EXPECT_EQ(fortschritte_, 2);
}

TEST_F(EinstellformTest, NeuesPasswortBeiAbgehaktemSchutzZaehltAlsAbschalten) {
  for (bool richtig : {true, false}) {
    SCOPED_TRACE(richtig);
    std::filesystem::remove(kEinstellDatei);
    std::filesystem::remove(kEinstellSicherung);
    meldungen_.protokoll.clear();
    einstellungen_.PasswortDlgAbbrechen();
    Oeffne();
    dialoge_.konfigPasswort = {std::string()};
    dialoge_.konfigAendern = {{"neu123", "neu123"}};
    fenster_->PasswortKnopf().click();
    EXPECT_FALSE(fenster_->MehrstufigerSchutz().isChecked());  // the check box is not changed

    dialoge_.konfigPasswort = {std::string(richtig ? "neu123" : "alt")};
    Uebernehmen();
    const Bytes datei = LiesDatei(kEinstellDatei);
    EXPECT_EQ(Int16(datei, 0), richtig ? 0 : 1);
    EXPECT_EQ(datei[14], 6);
    EXPECT_EQ(datei[15], 'n' ^ 'w');
    EXPECT_EQ(meldungen_.protokoll.size(), richtig ? 0u : 1u);
  }
}

TEST_F(EinstellformTest, PasswortAendernMitFalschemPasswortZeigtDieSperre) {
  Satz s;
  s.passwort = "abcd";
  SchreibeDatei(kEinstellDatei, s.Bild());
  Oeffne();
  dialoge_.konfigPasswort = {std::string("ABCD")};
  fenster_->PasswortKnopf().click();
  EXPECT_EQ(dialoge_.konfigAenderungen, 0);
  EXPECT_EQ(meldungen_.Texte(), std::vector<std::string>{T("Sie sind nicht berechtigt den\rsicherheitsrelevanten Teil\r"
                                                           "der Konfiguration zu betreten!")});
  EXPECT_TRUE(fenster_->isVisible());
}

TEST_F(EinstellformTest, StandardHerstellenWirktSofortUndAbbrechenSchreibtNichts) {
  Satz s;
  s.schutz = 1, s.verschluesseln = 0, s.r1 = 1, s.r3 = 1, s.verlag = 3, s.passwort = "abcd";
  SchreibeDatei(kEinstellDatei, s.Bild());
  Oeffne();
  fenster_->StandardKnopf().click();
  EXPECT_TRUE(fenster_->DatenVerschluesseln().isChecked());
  EXPECT_TRUE(fenster_->Verlag(1).isChecked());
  for (int r = 1; r <= 3; ++r) EXPECT_FALSE(fenster_->Reserve(r).isChecked()) << r;
  EXPECT_TRUE(fenster_->MehrstufigerSchutz().isChecked());
  EXPECT_EQ(einstellungen_.Satz().Verlag, 1);
  EXPECT_EQ(einstellungen_.Satz().KonfigPasswort, "abcd");

  fenster_->AbbrechenKnopf().click();
  EXPECT_EQ(fenster_->result(), QDialog::Rejected);
  EXPECT_EQ(fortschritte_, 0);
  EXPECT_TRUE(GleicheBytes(LiesDatei(kEinstellDatei), s.Bild()));
  Oeffne();
  EXPECT_TRUE(fenster_->Verlag(3).isChecked());
}

TEST_F(EinstellformTest, VerlagAusserhalbDerListeBleibtOhneAuswahlErhalten) {
  Satz s;
  s.verlag = 7;
  SchreibeDatei(kEinstellDatei, s.Bild());
  Oeffne();
  fenster_->Verlag(2).click();  // an item checked before must not stay checked at the next opening
  fenster_->AbbrechenKnopf().click();
  Oeffne();
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(fenster_->Verlag(i).isChecked()) << i;
  Uebernehmen();
  EXPECT_EQ(Int16(LiesDatei(kEinstellDatei), 30), 7);
}

}  // namespace
}  // namespace velmora::test
