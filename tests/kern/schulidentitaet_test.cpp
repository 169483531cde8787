// School identity: the record file, the cut to the field widths and the date line.
#include <gtest/gtest.h>

#include "basis/eafehler.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "settings/schulidentitaet.h"
#include "settings/schulidentregeln.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// "SCHULE.DAT": Zeugnisname at 0 (length byte + 50), SchulnameReserve at 51 (1 + 50),
// Kurzname at 102 (1 + 25); 128 bytes.
Bytes Schuldatei(const std::string& zeugnis, const std::string& reserve, const std::string& kurz) {
  Bytes b(128, 0);
  auto schreibe = [&](std::size_t o, const std::string& t) {
    b[o] = static_cast<std::uint8_t>(t.size());
    std::copy(t.begin(), t.end(), b.begin() + o + 1);
  };
  schreibe(0, zeugnis);
  schreibe(51, reserve);
  schreibe(102, kurz);
  return b;
}

class Schulidentitaet : public test::ArbeitsverzeichnisTest {
 protected:
  SchulIdentitaet s;
  test::FakeMeldungen m;
  SchulIdentRegeln regeln{s, m};
};

TEST_F(Schulidentitaet, uebernehmenKuerztAufDieFeldbreitenUndSpeichert) {
  const std::string lang60(60, 'Z');
  const std::string reserve = "Berufsschule \xC4rztliche Assistenz";
  const std::string kurz30 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234";
  ASSERT_TRUE(regeln.Uebernehmen({lang60, reserve, kurz30}));
  EXPECT_EQ(s.Satz().Zeugnisname, std::string(50, 'Z'));
  EXPECT_EQ(s.Satz().SchulnameReserve, reserve);
  EXPECT_EQ(s.Satz().Kurzname, "ABCDEFGHIJKLMNOPQRSTUVWXY");
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("SCHULE.DAT"),
                                 Schuldatei(std::string(50, 'Z'), reserve, "ABCDEFGHIJKLMNOPQRSTUVWXY")));
  EXPECT_TRUE(m.protokoll.empty());

  SchulIdentitaet neu;
  neu.Laden();
  EXPECT_EQ(neu.Satz(), s.Satz());
}

TEST_F(Schulidentitaet, ladenOhneDateiGibtLeereNamenUndKurzeDateiIstFehler100) {
  s.Satz().Setze("alt", "alt", "alt");
  s.Laden();
  EXPECT_EQ(s.Satz(), TSchulIdentitaet{});

  Bytes kurz = Schuldatei("Musterschule", "", "MS");
  kurz.resize(127);
  test::SchreibeDatei("SCHULE.DAT", kurz);
  SchulIdentWerte w = regeln.BeimZeigen();
  ASSERT_EQ(m.protokoll.size(), 1u);
  EXPECT_EQ(m.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_EQ(m.protokoll[0].text, EAFehlerText(100));
  EXPECT_EQ(w.Zeugnisname, "");
  EXPECT_EQ(w.Kurzname, "");
}

TEST_F(Schulidentitaet, zuGrosseLaengenbytesBleibenImFeld) {
  Bytes b = Schuldatei(std::string(50, 'a'), std::string(50, 'b'), std::string(25, 'c'));
  b[0] = 200;
  b[102] = 26;
  test::SchreibeDatei("SCHULE.DAT", b);
  s.Laden();
  EXPECT_EQ(s.Satz().Zeugnisname, std::string(50, 'a'));
  EXPECT_EQ(s.Satz().Kurzname, std::string(25, 'c'));
}

TEST_F(Schulidentitaet, fehlerBeimSpeichernLaesstDasFensterOffen) {
  fs::create_directory("SCHULE.DAT");
  EXPECT_FALSE(regeln.Uebernehmen({"Musterschule", "", "MS"}));
  ASSERT_EQ(m.protokoll.size(), 1u);
  EXPECT_EQ(m.protokoll[0].text, EAFehlerText(5));
}

TEST(SchulDatumszeile, kurznameTagMonatsnameUndJahr) {
  EXPECT_EQ(Datumszeile("Musterschule", 2026, 12, 8), "Musterschule (08.Dezember 2026)");
  EXPECT_EQ(Datumszeile("", 2025, 1, 31), " (31.Januar 2025)");
  EXPECT_EQ(Datumszeile("BBS", 999, 3, 1), "BBS (01.M\xE4rz 0999)");
  const char* namen[] = {"Januar", "Februar", "M\xE4rz",   "April",   "Mai",      "Juni",
                         "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  for (int monat = 1; monat <= 12; ++monat) {
    EXPECT_EQ(Datumszeile("S", 2024, monat, 15), std::string("S (15.") + namen[monat - 1] + " 2024)");
  }
}

}  // namespace
}  // namespace velmora
