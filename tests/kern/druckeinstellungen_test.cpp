// Print settings: the 224-byte file, Load and Save, the number rule of the margin fields
// and the handlers of the settings window.
#include <gtest/gtest.h>

#include "basis/eafehler.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "settings/druckeinstellregeln.h"
#include "settings/druckeinstellungen.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

// The file layout: 52 int32 margins at 4*i, the line height (int32) at 208, then the
// int16 fields AlleInWorten 212, MitRahmen 214, NurInnen 216, Druckart 218,
// DruckReserve1 220, MitEinstellecke 222.
void Int32(Bytes& b, std::size_t o, std::int32_t v) {
  auto u = static_cast<std::uint32_t>(v);
  for (int k = 0; k < 4; ++k) b[o + k] = static_cast<std::uint8_t>(u >> (8 * k));
}
void Int16(Bytes& b, std::size_t o, std::int16_t v) {
  auto u = static_cast<std::uint16_t>(v);
  b[o] = static_cast<std::uint8_t>(u);
  b[o + 1] = static_cast<std::uint8_t>(u >> 8);
}
Bytes Druckdatei(const std::array<std::int32_t, 52>& raender, std::int32_t zeilenhoehe,
                 const std::array<std::int16_t, 6>& schalter) {
  Bytes b(224, 0xEE);
  for (std::size_t i = 0; i < 52; ++i) Int32(b, 4 * i, raender[i]);
  Int32(b, 208, zeilenhoehe);
  for (std::size_t k = 0; k < 6; ++k) Int16(b, 212 + 2 * k, schalter[k]);
  return b;
}
std::array<std::int32_t, 52> AlleRaender(std::int32_t v) {
  std::array<std::int32_t, 52> r;
  r.fill(v);
  return r;
}
Bytes StandardDatei() { return Druckdatei(AlleRaender(150), 70, {0, 1, 1, 1, 0, 0}); }

const std::string kEingabefehler = "F\xFCr die  R\xE4nder sind nur ganze Zahlen\r zugelassen!";

class Druckeinstellungen : public test::ArbeitsverzeichnisTest {
 protected:
  DruckEinstellungen e;
  test::FakeMeldungen m;
  DruckEinstellRegeln regeln{e, m};
};

TEST_F(Druckeinstellungen, ohneDateiGeltenDieStandardwerteUndSpeichernSchreibtSie) {
  e.Satz().Raender[7] = 1;
  e.Laden();
  EXPECT_EQ(e.Satz(), TDruckEinstellungen{}) << "Load starts from the defaults";
  EXPECT_FALSE(fs::exists("DRKEINST.DAT"));
  e.Speichern();
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("DRKEINST.DAT"), StandardDatei()));
}

TEST_F(Druckeinstellungen, jedesFeldLiegtAnSeinemOffset) {
  std::array<std::int32_t, 52> raender;
  for (int i = 0; i < 52; ++i) raender[i] = (i % 2 ? -1 : 1) * (1000 * i + 3);  // every entry its own
  raender[51] = -2147483647 - 1;
  const Bytes datei = Druckdatei(raender, 0x00012345, {1, 0, 7, 4, -1, 1});
  test::SchreibeDatei("DRKEINST.DAT", datei);
  e.Laden();
  const auto& s = e.Satz();
  for (int i = 0; i < 52; ++i) EXPECT_EQ(s.Raender[i], raender[i]) << "margin " << i;
  EXPECT_EQ(s.Zeilenhoehe, 0x00012345);
  EXPECT_EQ(s.AlleInWorten, 1);
  EXPECT_EQ(s.MitRahmen, 0);
  EXPECT_EQ(s.NurInnen, 7);
  EXPECT_EQ(s.Druckart, 4);
  EXPECT_EQ(s.DruckReserve1, -1);
  EXPECT_EQ(s.MitEinstellecke, 1);

  fs::remove("DRKEINST.DAT");
  e.Speichern();
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("DRKEINST.DAT"), datei));
}

TEST_F(Druckeinstellungen, speichernUeberschreibtNurDenAnfangEinerLaengerenDatei) {
  Bytes alt(300, 0x55);
  test::SchreibeDatei("DRKEINST.DAT", alt);
  e.Speichern();
  Bytes soll = StandardDatei();
  soll.insert(soll.end(), alt.begin() + 224, alt.end());
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("DRKEINST.DAT"), soll));
}

TEST_F(Druckeinstellungen, kurzeDateiIstFehler100UndNichtsWirdHalbGelesen) {
  Bytes kurz = Druckdatei(AlleRaender(9), 9, {1, 0, 0, 0, 1, 1});
  kurz.resize(223);
  test::SchreibeDatei("DRKEINST.DAT", kurz);
  e.Satz().Zeilenhoehe = 5;
  try {
    e.Laden();
    FAIL() << "a short file must not load";
  } catch (const EAFehler& f) {
    EXPECT_EQ(f.Nummer(), 100);
  }
  EXPECT_EQ(e.Satz(), TDruckEinstellungen{});

  // The window's show handler reports it in the error box and shows the defaults.
  DrkFormWerte w = regeln.BeimZeigen();
  ASSERT_EQ(m.protokoll.size(), 1u);
  EXPECT_EQ(m.protokoll[0].art, MeldungsArt::Fehler);
  EXPECT_EQ(m.protokoll[0].text, EAFehlerText(100));
  EXPECT_EQ(w.Raender[0], "150");
  EXPECT_EQ(w.Zeilenhoehe, "70");
  EXPECT_EQ(w.Druckart, 1);
}

TEST(DruckRandZahl, zahlenWerdenZurNullHinAbgeschnitten) {
  const std::pair<const char*, std::int32_t> faelle[] = {
      {"", 0},
      {"  -25", -25},
      {"7.9", 7},
      {"-7.9", -7},
      {"1e3", 1000},
      {"+12", 12},
      {"0.29e2", 29},
      {"12.50E1", 125},
      {"5.", 5},
      {".5", 0},
      {"-0.4", 0},
      {"2.5e-1", 0},
      {"0e999", 0},
      {"1e-9999999999", 0},
      {"000000000000042", 42},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483647.99", 2147483647},
  };
  for (auto [text, wert] : faelle) {
    RandZahl z = LiesRandZahl(text);
    EXPECT_FALSE(z.Abgelehnt) << '"' << text << '"';
    EXPECT_EQ(z.Wert, wert) << '"' << text << '"';
  }
}

TEST(DruckRandZahl, andereTexteUndZuGrosseWerteWerdenAbgelehnt) {
  for (const char* text :
       {"12 cm", "1,5",  "+",   "-",   ".",           "12 ",        " ",           "1e",   "1e+", "1.2.3",
        "e5",    "0x10", "--1", "\t5", "99999999999", "2147483648", "-2147483649", "1e10", "3e9", "1e99999999999"}) {
    RandZahl z = LiesRandZahl(text);
    EXPECT_TRUE(z.Abgelehnt) << '"' << text << '"';
    EXPECT_EQ(z.Wert, 0) << '"' << text << '"';
  }
}

TEST_F(Druckeinstellungen, abgelehnteFelderMeldenSichEinzelnUndDerRestWirdGespeichert) {
  DrkFormWerte w = DruckEinstellRegeln::Werte(TDruckEinstellungen{});
  w.Raender[0] = "  -25";
  w.Raender[13] = "12 cm";  // last entry of "Übergangs-Zeugnis"
  w.Raender[51] = "99999999999";
  w.Zeilenhoehe = "7.9";
  w.AlleInWorten = true;
  w.MitRahmen = false;
  w.MitEinstellecke = true;
  w.Druckart = 3;
  ASSERT_TRUE(regeln.Uebernehmen(w));

  ASSERT_EQ(m.protokoll.size(), 2u);
  for (const auto& box : m.protokoll) {
    EXPECT_EQ(box.art, MeldungsArt::Fehler);
    EXPECT_EQ(box.text, kEingabefehler);
    EXPECT_EQ(box.knoepfe, Knoepfe::Ok);
    EXPECT_EQ(box.titel, "Eingabefehler");
  }
  auto raender = AlleRaender(150);
  raender[0] = -25;
  raender[13] = 0;
  raender[51] = 0;
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("DRKEINST.DAT"), Druckdatei(raender, 7, {1, 0, 1, 3, 0, 1})));
}

TEST_F(Druckeinstellungen, standardWiederherstellenAendertNurDenSpeicher) {
  const Bytes datei = Druckdatei(AlleRaender(33), 44, {1, 0, 0, 2, 1, 1});
  test::SchreibeDatei("DRKEINST.DAT", datei);
  DrkFormWerte w = regeln.BeimZeigen();
  EXPECT_EQ(w.Raender[20], "33");
  EXPECT_TRUE(w.AlleInWorten);
  EXPECT_FALSE(w.MitRahmen);
  EXPECT_TRUE(w.DruckReserve1);
  EXPECT_EQ(w.Druckart, 2);

  w = regeln.StandardHerstellen();
  EXPECT_EQ(e.Satz(), TDruckEinstellungen{});
  EXPECT_EQ(w.Raender[20], "150");
  EXPECT_TRUE(w.MitRahmen);
  EXPECT_TRUE(w.NurInnen);
  EXPECT_FALSE(w.DruckReserve1);
  EXPECT_TRUE(test::GleicheBytes(test::LiesDatei("DRKEINST.DAT"), datei));

  // "Abbrechen", then the window again: the file's values are back.
  EXPECT_EQ(regeln.BeimZeigen().Raender[20], "33");
  EXPECT_TRUE(m.protokoll.empty());
}

TEST_F(Druckeinstellungen, fremdeDruckartWirdOhneAuswahlGezeigtUndBehalten) {
  test::SchreibeDatei("DRKEINST.DAT", Druckdatei(AlleRaender(150), 70, {0, 1, 1, 9, 0, 0}));
  DrkFormWerte w = regeln.BeimZeigen();
  EXPECT_EQ(w.Druckart, -1);
  ASSERT_TRUE(regeln.Uebernehmen(w));
  EXPECT_EQ(e.Satz().Druckart, 9);
}

TEST_F(Druckeinstellungen, fehlerBeimSpeichernWirdGemeldetUndDieWerteBleibenImSpeicher) {
  fs::create_directory("DRKEINST.DAT");
  DrkFormWerte w = regeln.BeimZeigen();
  ASSERT_EQ(m.protokoll.size(), 1u) << "a directory of that name cannot be read";
  EXPECT_EQ(m.protokoll[0].text, EAFehlerText(5));
  w.Raender[4] = "321";
  EXPECT_FALSE(regeln.Uebernehmen(w));
  ASSERT_EQ(m.protokoll.size(), 2u);
  EXPECT_EQ(m.protokoll[1].art, MeldungsArt::Fehler);
  EXPECT_EQ(m.protokoll[1].text, EAFehlerText(5));
  EXPECT_EQ(e.Satz().Raender[4], 321);
}

}  // namespace
}  // namespace velmora
