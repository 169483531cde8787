// Program settings: the file record, Load with its safety copy, Save.
#include <gtest/gtest.h>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "settings/programmeinstellungen.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
const std::string kSchluessel = "w#5ke8r)ta2q!h7";

// A settings file built from the documented offsets.
Bytes Einstelldatei(std::int16_t schutz, std::int16_t verschl, const std::string& passwort, std::int16_t verlag,
                    std::uint8_t laengenbyte = 0xFF) {
  Bytes b(32, 0);
  b[0] = static_cast<std::uint8_t>(schutz);
  b[6] = static_cast<std::uint8_t>(verschl);
  b[14] = laengenbyte == 0xFF ? static_cast<std::uint8_t>(passwort.size()) : laengenbyte;
  for (std::size_t i = 0; i < 15; ++i) {
    b[15 + i] = i < passwort.size() ? static_cast<std::uint8_t>(passwort[i] ^ kSchluessel[i]) : 0x20;
  }
  b[30] = static_cast<std::uint8_t>(verlag);
  return b;
}

class Einstellungen : public test::ArbeitsverzeichnisTest {
 protected:
  ProgrammEinstellungen e;
};

TEST_F(Einstellungen, OhneDateienGeltenDieStandardwerte) {
  e.Laden();
  const auto& s = e.Satz();
  EXPECT_EQ(s.DatenVerschluesseln, 1);
  EXPECT_EQ(s.Verlag, 1);
  EXPECT_EQ(s.MehrstufigerSchutz, 0);
  EXPECT_TRUE(s.KonfigPasswort.empty());
  EXPECT_TRUE(e.ZugangFrei());
  EXPECT_FALSE(fs::exists("VLMEINST.BAK"));
}

TEST_F(Einstellungen, SpeichernVerwuerfeltDasPasswortUndLadenErneuertDieSicherung) {
  e.Laden();
  e.Satz().KonfigPasswort = "geHe";
  e.Satz().Verlag = 3;
  e.Speichern();
  EXPECT_EQ(e.Satz().KonfigPasswort, "geHe") << "the password in memory stays plain";
  Bytes datei = test::LiesDatei("VLMEINST.DAT");
  EXPECT_TRUE(test::GleicheBytes(datei, Einstelldatei(0, 1, "geHe", 3)));
  EXPECT_FALSE(fs::exists("VLMEINST.BAK")) << "saving does not touch the safety copy";

  ProgrammEinstellungen neu;
  neu.Laden();
  EXPECT_EQ(neu.Satz().KonfigPasswort, "geHe");
  EXPECT_EQ(neu.Satz().Verlag, 3);
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("VLMEINST.BAK"), datei));
}

TEST_F(Einstellungen, NurDieSicherungLiefertPasswortUndSicherheitsoptionen) {
  test::SchreibeDatei("VLMEINST.BAK", Einstelldatei(1, 0, "alt!", 4));
  e.Laden();
  EXPECT_EQ(e.Satz().KonfigPasswort, "alt!");
  EXPECT_EQ(e.Satz().MehrstufigerSchutz, 1);
  EXPECT_EQ(e.Satz().DatenVerschluesseln, 1) << "other fields keep their defaults";
  EXPECT_EQ(e.Satz().Verlag, 1);
  EXPECT_FALSE(fs::exists("VLMEINST.DAT"));
  EXPECT_FALSE(e.PasswortDlgOk("alt"));
  EXPECT_TRUE(e.PasswortDlgOk("alt!"));
  EXPECT_TRUE(e.ZugangFrei());
}

TEST_F(Einstellungen, UnlesbareHauptdateiLaesstDieSicherungStehen) {
  const Bytes sicherung = Einstelldatei(1, 1, "sicher", 2);
  test::SchreibeDatei("VLMEINST.BAK", sicherung);
  test::SchreibeDatei("VLMEINST.DAT", Bytes(20, 1));  // shorter than one record
  try {
    e.Laden();
    FAIL() << "a short settings file is an input/output error";
  } catch (const EAFehler& f) {
    EXPECT_EQ(f.Nummer(), 100);
  }
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("VLMEINST.BAK"), sicherung));
  EXPECT_EQ(e.Satz().KonfigPasswort, "sicher") << "the password comes from the safety copy";

  fs::remove("VLMEINST.DAT");
  fs::create_directory("VLMEINST.DAT");
  EXPECT_THROW(e.Laden(), EAFehler);
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("VLMEINST.BAK"), sicherung));
}

TEST_F(Einstellungen, LaengenbyteUeberFuenfzehnBleibtImFeld) {
  Bytes b = Einstelldatei(0, 1, std::string(15, 'q'), 1, 200);
  test::SchreibeDatei("VLMEINST.DAT", b);
  e.Laden();
  EXPECT_EQ(e.Satz().KonfigPasswort, std::string(15, 'q'));
  EXPECT_EQ(e.Satz().Verlag, 1) << "the publisher behind the password is read as stored";
}

TEST_F(Einstellungen, NeuesPasswortWirdAufFuenfzehnZeichenGekuerzt) {
  test::FakeMeldungen m;
  EXPECT_FALSE(e.PwAendernOk("abc", "abc", m));
  EXPECT_FALSE(e.PwAendernOk("abcd", "abcD", m));
  ASSERT_EQ(m.protokoll.size(), 2u);
  EXPECT_EQ(m.protokoll[0].text, T("Die eingegebenen Passwörter sind unterschiedlich\roder zu kurz (<4 Zeichen)!\r"
                                   "Das Konfigurationspasswort wurde NICHT geändert!"));
  const std::string lang = "12345678901234567890";
  EXPECT_TRUE(e.PwAendernOk(lang, lang, m));
  EXPECT_EQ(e.Satz().KonfigPasswort, lang.substr(0, 15));
  EXPECT_FALSE(e.PasswortDlgOk(lang));
  EXPECT_TRUE(e.PasswortDlgOk(lang.substr(0, 15)));
  // A wrong entry withdraws the access granted before.
  EXPECT_FALSE(e.PasswortDlgOk("falsch"));
  EXPECT_FALSE(e.ZugangFrei());
}

TEST_F(Einstellungen, ZugangspruefungFragtNurBeiGesetztemPasswort) {
  test::FakeMeldungen m;
  test::FakePasswortDialoge d;
  Datenschutz schutz;
  d.Verbinde(schutz, e, m);
  EXPECT_TRUE(KonfigZugangPruefen(e, d, m));
  EXPECT_EQ(d.konfigAbfragen, 0);

  e.Satz().KonfigPasswort = "Tor1";
  d.konfigPasswort = {std::string("tor1")};
  EXPECT_FALSE(KonfigZugangPruefen(e, d, m));
  ASSERT_EQ(m.protokoll.size(), 1u);
  EXPECT_EQ(m.protokoll[0].text, T("Sie sind nicht berechtigt im\rKonfigurationsbereich zu arbeiten!"));
  d.konfigPasswort = {std::string("Tor1")};
  EXPECT_TRUE(KonfigZugangPruefen(e, d, m));
  EXPECT_TRUE(KonfigZugangPruefen(e, d, m));
  EXPECT_EQ(d.konfigAbfragen, 2) << "the right password is not asked for again";
}

}  // namespace
}  // namespace velmora
