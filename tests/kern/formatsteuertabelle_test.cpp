// Format control tables: the file format, the reading rules, the built-in layouts, and
// printing at an entry on the internal sheets.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "basis/cp1252.h"
#include "basis/eafehler.h"
#include "common/arbeitsverzeichnis.h"
#include "common/aufzeichnende_flaeche.h"
#include "common/fakes.h"
#include "common/vorlagenbeschreibung.h"
#include "print/formatsteuertabelle.h"
#include "print/zeilenpuffer.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AlsBytes;
using test::AufzeichnendeFlaeche;
using test::GleicheBytes;
using test::LiesDatei;
using test::SchreibeDatei;

// A table as the documentation lists it: X, Y, Schrift, Seite, Drucken per entry; every
// entry not named holds 0, 0, 1, 0, 0.
using Werte = std::array<std::array<int, 5>, 100>;

Werte Grundwerte() {
  Werte w;
  w.fill({0, 0, 1, 0, 0});
  return w;
}

Werte AlsWerte(const TFormatSteuerTabelle& t) {
  Werte w;
  for (std::size_t k = 0; k < 100; ++k) w[k] = {t[k].X, t[k].Y, t[k].Schrift, t[k].Seite, t[k].Drucken};
  return w;
}

// The three layouts of the internal sheets, as tests/daten/vorlagen.txt describes them.
Werte TestblattWerte() { return AlsWerte(test::BeschriebeneTabelle("TSTBLATT")); }
Werte DatenrahmenWerte() { return AlsWerte(test::BeschriebeneTabelle("DATRAHMN")); }
Werte DatenblattWerte() { return AlsWerte(test::BeschriebeneTabelle("DATBLATT")); }

// The file's lines: title, thirteen "=", then per entry its number, five values, "- - - - -".
std::vector<std::string> DateiZeilen(const std::string& titel, const Werte& w) {
  std::vector<std::string> z{titel, "============="};
  for (int k = 0; k < 100; ++k) {
    z.push_back(std::to_string(k));
    for (int v : w[k]) z.push_back(std::to_string(v));
    z.push_back("- - - - -");
  }
  return z;
}

Bytes MitCrLf(const std::vector<std::string>& zeilen) {
  std::string s;
  for (const auto& z : zeilen) s += z + "\r\n";
  return AlsBytes(s);
}

TFormatSteuerTabelle AlsTabelle(const Werte& w) {
  TFormatSteuerTabelle t;
  for (std::size_t k = 0; k < 100; ++k) {
    const auto& v = w[k];
    t[k] = {static_cast<std::uint16_t>(v[0]), static_cast<std::uint16_t>(v[1]), static_cast<std::uint16_t>(v[2]),
            static_cast<std::uint16_t>(v[3]), static_cast<std::uint16_t>(v[4])};
  }
  return t;
}

class Steuertabelle : public test::ArbeitsverzeichnisTest {
 protected:
  // Loads `name`; returns the EAFehler number, or 0 when it returned normally.
  int Lade(const std::string& name) {
    try {
      LadeFormatSteuerTabelle(tabelle, name, titel, meldungen);
    } catch (const EAFehler& e) {
      return e.Nummer();
    }
    return 0;
  }
  int LadeText(const std::string& inhalt) {
    SchreibeDatei("TEST.FST", AlsBytes(inhalt));
    return Lade("TEST.FST");
  }
  bool Fehlerbox() const {
    if (meldungen.protokoll.size() != 1) return false;
    const auto& m = meldungen.protokoll[0];
    return m.art == MeldungsArt::Fehler && m.knoepfe == Knoepfe::Ok &&
           m.text == T("Es können Fehler in der Steuerdatei enthalten sein!");
  }

  TFormatSteuerTabelle tabelle;
  std::string titel;
  test::FakeMeldungen meldungen;
};

std::string Verbinde(const std::vector<std::string>& zeilen) {
  const Bytes b = MitCrLf(zeilen);
  return std::string(b.begin(), b.end());
}

TEST_F(Steuertabelle, FehlendeDateienEntstehenAusIhrerVorlage) {
  struct Fall {
    const char* name;
    const char* titelUtf8;
    Werte werte;
  };
  const Fall faelle[] = {
      {"TSTBLATT.FST", "Test-Blatt für benutzte Schriften", TestblattWerte()},
      {"DATRAHMN.FST", "Bezeichner für Datenblatt / Rahmenmaske für Datenblatt", DatenrahmenWerte()},
      {"DATBLATT.FST", "Vorlage für FormatSteuerTabelle / Datenblatt", DatenblattWerte()},
      // Any other name, and the test sheet's name in another case, get the data sheet's values.
      {"tstblatt.fst", "Vorlage für FormatSteuerTabelle / Datenblatt", DatenblattWerte()},
      {"1BS_HJ.FST", "Vorlage für FormatSteuerTabelle / Datenblatt", DatenblattWerte()},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    ASSERT_EQ(Lade(f.name), 0);
    EXPECT_EQ(titel, T(f.titelUtf8));
    EXPECT_EQ(tabelle, AlsTabelle(f.werte));
    const Bytes datei = LiesDatei(f.name);
    EXPECT_TRUE(GleicheBytes(datei, MitCrLf(DateiZeilen(T(f.titelUtf8), f.werte))));
    EXPECT_EQ(std::count(datei.begin(), datei.end(), '\n'), 702);

    // Read back: the same table and title, no error box, and the file is not rewritten.
    tabelle = {};
    titel.clear();
    ASSERT_EQ(Lade(f.name), 0);
    EXPECT_EQ(tabelle, AlsTabelle(f.werte));
    EXPECT_EQ(titel, T(f.titelUtf8));
    EXPECT_EQ(LiesDatei(f.name), datei);
    // File names ignore case on Windows: "tstblatt.fst" must not find "TSTBLATT.FST".
    fs::remove(f.name);
  }
  EXPECT_TRUE(meldungen.protokoll.empty());
}

TEST_F(Steuertabelle, SchreiberNimmtJedeTabelleUndJedenTitel) {
  Werte w = Grundwerte();
  w[0] = {65535, 1, 2, 3, 4};
  w[57] = {12, 3456, 40, 2, 1};
  SchreibeFormatSteuerTabelle("EIGEN.FST", AlsTabelle(w), T("Zeugnis für Übergänge"));
  EXPECT_TRUE(GleicheBytes(LiesDatei("EIGEN.FST"), MitCrLf(DateiZeilen(T("Zeugnis für Übergänge"), w))));
  ASSERT_EQ(Lade("EIGEN.FST"), 0);
  EXPECT_EQ(tabelle, AlsTabelle(w));
}

TEST_F(Steuertabelle, BemerkungenUndLeerzeilenImHandbearbeitetenFile) {
  Werte w = TestblattWerte();
  std::vector<std::string> z = DateiZeilen("Titel mit  Blanks ", w);
  z[1] = "irgendwas";                         // the line under the title is consumed whatever it holds
  z[3] = "500 ; Mitte";                       // X of entry 0: a remark after a blank
  z[4] = "  \t0\tnach Tab";                   // Y: blanks and a tab before, a remark after a tab
  z[8] = "Trenner egal";                      // entry 0's separator, whatever it holds
  z[9] = "1 2 3";                             // the rest of a number line is ignored
  z.insert(z.begin() + 14, {"", "   ", ""});  // empty lines between Seite and Drucken of entry 1
  z.insert(z.begin() + 9, "");                // and before the number of entry 1
  ASSERT_EQ(LadeText(Verbinde(z)), 0);
  EXPECT_EQ(titel, "Titel mit  Blanks ");
  EXPECT_EQ(tabelle, AlsTabelle(w));
  EXPECT_TRUE(meldungen.protokoll.empty());
}

TEST_F(Steuertabelle, WerteModulo65536UndUeberlangeZeilen) {
  std::vector<std::string> z = DateiZeilen(std::string(1 << 20, 'T'), Grundwerte());
  z[3] = "70000";
  z[4] = "-10";
  z[5] = "+7";
  z[6] = "123456789012345678901234567890";      // 2770 modulo 65536
  z[7] = std::string(1 << 20, '0') + "42";      // a megabyte of digits
  z[10] += " " + std::string(1 << 20, '\xFF');  // a megabyte remark
  z.push_back("100");                           // a 101st block is ignored
  z.push_back("Unsinn");
  ASSERT_EQ(LadeText(Verbinde(z)), 0);
  EXPECT_EQ(titel.size(), std::size_t{1} << 20);
  EXPECT_EQ(tabelle[0], (TFormatEintrag{4464, 65526, 7, 2770, 42}));
  EXPECT_EQ(tabelle[1], TFormatEintrag{});
  EXPECT_TRUE(meldungen.protokoll.empty());
}

TEST_F(Steuertabelle, KeineGanzeZahlIstEinEAFehler) {
  const std::vector<std::string> z = DateiZeilen("T", TestblattWerte());
  for (const char* falsch : {"500;", ";500", "abc", "-", "+", "5-3", "$1F", "0x10", "1.5", "5e3",
                             "\xFC"
                             "5"}) {
    SCOPED_TRACE(falsch);
    std::vector<std::string> kaputt = z;
    kaputt[10] = falsch;  // X of entry 1
    EXPECT_EQ(LadeText(Verbinde(kaputt)), ea::UngueltigeZahl);
    EXPECT_EQ(tabelle[0], AlsTabelle(TestblattWerte())[0]);  // read up to the bad token
  }
  // An empty line between Drucken and the separator: the separator is read as a number.
  std::vector<std::string> leer = z;
  leer.insert(leer.begin() + 8, "");
  EXPECT_EQ(LadeText(Verbinde(leer)), ea::UngueltigeZahl);
  EXPECT_TRUE(meldungen.protokoll.empty());
}

TEST_F(Steuertabelle, FalscheOderFehlendeBloeckeZeigenDieFehlerbox) {
  const Werte w = TestblattWerte();
  {
    SCOPED_TRACE("wrong block number");
    std::vector<std::string> z = DateiZeilen("T", w);
    z[2 + 7 * 5] = "55";
    ASSERT_EQ(LadeText(Verbinde(z)), 0);
    EXPECT_TRUE(Fehlerbox());
    EXPECT_EQ(tabelle, AlsTabelle(w));  // the values as read are used
  }
  {
    // The block number is read like every other number, modulo 65536.
    SCOPED_TRACE("block number 65536 for block 0, 65537 for block 1");
    meldungen.protokoll.clear();
    std::vector<std::string> z = DateiZeilen("T", w);
    z[2] = "65536";
    z[2 + 7] = "65537";
    ASSERT_EQ(LadeText(Verbinde(z)), 0);
    EXPECT_TRUE(meldungen.protokoll.empty());
    EXPECT_EQ(tabelle, AlsTabelle(w));
  }
  {
    SCOPED_TRACE("block number 65537 for block 0");
    meldungen.protokoll.clear();
    std::vector<std::string> z = DateiZeilen("T", w);
    z[2] = "65537";
    ASSERT_EQ(LadeText(Verbinde(z)), 0);
    EXPECT_TRUE(Fehlerbox());
  }
  const TFormatSteuerTabelle nullen = [] {
    TFormatSteuerTabelle t;
    t.fill({0, 0, 0, 0, 0});
    return t;
  }();
  for (const std::string& inhalt :
       {std::string("Nur Titel\r\n=============\r\n"), std::string(),
        std::string("\x1A") + Verbinde(DateiZeilen("T", w)), std::string("\0\x01\x02\x1F\r\n\0\0\n", 9)}) {
    SCOPED_TRACE(inhalt.size());
    meldungen.protokoll.clear();
    ASSERT_EQ(LadeText(inhalt), 0);
    EXPECT_TRUE(Fehlerbox());
    EXPECT_EQ(tabelle, nullen);
  }
  {
    SCOPED_TRACE("Ctrl-Z inside entry 50");
    meldungen.protokoll.clear();
    std::vector<std::string> z = DateiZeilen("T", w);
    z[2 + 7 * 50 + 2] =
        "0\x1A"
        "0 Rest";
    ASSERT_EQ(LadeText(Verbinde(z)), 0);
    EXPECT_TRUE(Fehlerbox());
    TFormatSteuerTabelle soll = AlsTabelle(w);
    for (std::size_t k = 51; k < 100; ++k) soll[k] = {0, 0, 0, 0, 0};
    soll[50] = {0, 0, 0, 0, 0};
    EXPECT_EQ(tabelle, soll);
  }
}

TEST_F(Steuertabelle, BinaerdatenFuehrenZuFehlerNichtZumAbsturz) {
  std::string binaer;
  std::uint32_t x = 12345;
  for (int i = 0; i < 200000; ++i) {
    x = x * 1103515245 + 12345;
    binaer.push_back(static_cast<char>(x >> 24));
  }
  const int fehler = LadeText(binaer);
  EXPECT_TRUE(fehler == ea::UngueltigeZahl || (fehler == 0 && Fehlerbox())) << fehler;
}

TEST_F(Steuertabelle, NichtAnlegbareDateiIstEinEAFehler) {
  EXPECT_EQ(Lade("fehlt/TSTBLATT.FST"), ea::DateiNichtGefunden);
  fs::create_directory("DATBLATT.FST");
  EXPECT_EQ(Lade("DATBLATT.FST"), ea::ZugriffVerweigert);
}

TEST_F(Steuertabelle, SchreibgeschuetztesVerzeichnis) {
  fs::create_directory("fest");
  fs::permissions("fest", fs::perms::owner_read | fs::perms::owner_exec);
  if (test::DarfSchreiben("fest")) {
    GTEST_SKIP() << "write protection does not hold for this user (nor on Windows, where a "
                    "directory's read-only attribute does not stop creating files)";
  }
  EXPECT_EQ(Lade("fest/TSTBLATT.FST"), ea::ZugriffVerweigert);
  EXPECT_FALSE(fs::exists("fest/TSTBLATT.FST"));
}

// Printing at an entry of the internal sheets, origin 15.0 mm right of and below the
// corner of the printable area.
TEST(InterneBlaetter, DruckeEintragSetztDieSchriftAuchOhneDruck) {
  AufzeichnendeFlaeche f;
  TFormatSteuerTabelle t;
  t[3] = {0, 0, 9, 0, 1};
  t[4] = {250, 1200, 21, 0, 0};
  t[5] = {250, 1200, 21, 0, 2};
  DruckeEintrag(f, 3, "oben links", t);
  ASSERT_EQ(f.Texte().size(), 1u);
  EXPECT_EQ(f.Texte()[0].x, 150);
  EXPECT_EQ(f.Texte()[0].y, -150);
  EXPECT_EQ(f.Texte()[0].text, "oben links");
  EXPECT_EQ(f.Texte()[0].schrift, (AufzeichnendeFlaeche::Schrift{0, 70, "Courier New"}));
  DruckeEintrag(f, 4, "nie", t);
  DruckeEintrag(f, 5, "nie", t);
  DruckeEintrag(f, 100, "nie", t);
  EXPECT_EQ(f.Texte().size(), 1u);
  EXPECT_EQ(f.Nur(AufzeichnendeFlaeche::Art::Schriftart).size(), 3u);
  EXPECT_EQ(f.schrift, (AufzeichnendeFlaeche::Schrift{0, 40, "Arial"}));
}

TEST(InterneBlaetter, DruckeZeilenGibtAuchLeereZeilenAus) {
  AufzeichnendeFlaeche f;
  TFormatSteuerTabelle t;
  t[83] = {10, 1300, 1, 1, 1};
  TZeilenpuffer p;
  p.SetzeZeile(0, "erste");
  p.SetzeZeile(2, "dritte");
  DruckeZeilen(f, 83, 4, 40, t, p);
  const auto texte = f.Texte();
  ASSERT_EQ(texte.size(), 4u);
  const char* soll[] = {"erste", "", "dritte", ""};
  for (int e = 0; e < 4; ++e) {
    EXPECT_EQ(texte[e].x, 160);
    EXPECT_EQ(texte[e].y, -1450 - 40 * e);
    EXPECT_EQ(texte[e].text, soll[e]);
  }
  t[83].Drucken = 0;
  DruckeZeilen(f, 83, 4, 40, t, p);
  EXPECT_EQ(f.Texte().size(), 4u);
  EXPECT_EQ(f.Nur(AufzeichnendeFlaeche::Art::Schriftart).size(), 2u);
}

}  // namespace
}  // namespace velmora
