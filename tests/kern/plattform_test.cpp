// The platform layer on the system the tests were built for. The same tests run natively on
// Linux and, cross-built with MinGW-w64, under Wine; where Windows behaves differently, the
// test states both outcomes, so each run proves which branch of the platform code it took.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <type_traits>

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/eafehler.h"
#include "basis/plattform.h"
#include "basis/uhr.h"
#include "common/datensatzbytes.h"
#include "common/steuerungstest.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace test;

constexpr bool kWindows =
#ifdef _WIN32
    true;
#else
    false;
#endif

std::size_t Eintraege(const fs::path& verzeichnis) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(verzeichnis), fs::directory_iterator()));
}

void Schreibschutz(const fs::path& pfad, bool an) {
  const auto lesen = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
  fs::permissions(pfad, an ? lesen : lesen | fs::perms::owner_write);
}

class Plattform : public test::ArbeitsverzeichnisTest {};

TEST(Zielsystem, TestprogrammIstFuerDasGebauteSystemUebersetzt) {
  // CMake names the system it built for; the compiler's own macro must agree with it, and a
  // Windows build passes paths to the wide Windows API.
  EXPECT_EQ(std::string_view(VELMORA_ZIELSYSTEM) == "Windows", kWindows) << VELMORA_ZIELSYSTEM;
  EXPECT_EQ((std::is_same_v<fs::path::value_type, wchar_t>), kWindows);
  EXPECT_EQ(fs::path::preferred_separator == '\\', kWindows);
}

TEST_F(Plattform, ErsetzenUeberVorhandeneUndNeueDatei) {
  SchreibeDatei("neu.tmp", AlsBytes("neu"));
  SchreibeDatei("alt.dat", Bytes(1000, 'A'));
  ASSERT_TRUE(plattform::ErsetzeDatei("neu.tmp", "alt.dat"));
  EXPECT_EQ(LiesDatei("alt.dat"), AlsBytes("neu"));
  EXPECT_FALSE(fs::exists("neu.tmp"));

  SchreibeDatei("zweit.tmp", AlsBytes("zwei"));
  ASSERT_TRUE(plattform::ErsetzeDatei("zweit.tmp", "nochnicht.dat"));
  EXPECT_EQ(LiesDatei("nochnicht.dat"), AlsBytes("zwei"));
  EXPECT_EQ(Eintraege("."), 2u);
}

TEST_F(Plattform, FehlschlaegeDesErsetzensWerdenZuEAFehlern) {
  // A missing source or target folder: "Datei nicht gefunden" on every system.
  errno = 0;
  EXPECT_FALSE(plattform::ErsetzeDatei("fehlt.tmp", "ziel.dat"));
  EXPECT_EQ(EAFehlerAusErrno(errno), ea::DateiNichtGefunden);
  SchreibeDatei("da.tmp", AlsBytes("x"));
  errno = 0;
  EXPECT_FALSE(plattform::ErsetzeDatei("da.tmp", "fehlt/ziel.dat"));
  EXPECT_EQ(EAFehlerAusErrno(errno), ea::DateiNichtGefunden);

  // A directory in the way: access denied.
  fs::create_directory("ordner.dat");
  errno = 0;
  EXPECT_FALSE(plattform::ErsetzeDatei("da.tmp", "ordner.dat"));
  EXPECT_EQ(EAFehlerAusErrno(errno), ea::ZugriffVerweigert);
  EXPECT_EQ(LiesDatei("da.tmp"), AlsBytes("x"));
}

TEST_F(Plattform, ErsetzenAufSchreibgeschuetztesZiel) {
  SchreibeDatei("neu.tmp", AlsBytes("neu"));
  SchreibeDatei("fest.dat", AlsBytes("alt"));
  Schreibschutz("fest.dat", true);
  errno = 0;
  const bool ersetzt = plattform::ErsetzeDatei("neu.tmp", "fest.dat");
  const int fehler = errno;
  Schreibschutz("fest.dat", false);
  if (kWindows) {
    // MoveFileExW refuses a read-only target, for administrators too.
    EXPECT_FALSE(ersetzt);
    EXPECT_EQ(EAFehlerAusErrno(fehler), ea::ZugriffVerweigert);
    EXPECT_EQ(LiesDatei("fest.dat"), AlsBytes("alt"));
    EXPECT_EQ(LiesDatei("neu.tmp"), AlsBytes("neu"));
  } else {
    // rename() asks only the directory, not the file being replaced.
    EXPECT_TRUE(ersetzt);
    EXPECT_EQ(LiesDatei("fest.dat"), AlsBytes("neu"));
  }
}

TEST_F(Plattform, ErsetzenEinerGeoeffnetenDatei) {
  SchreibeDatei("neu.tmp", AlsBytes("neu"));
  SchreibeDatei("offen.dat", AlsBytes("alt"));
  std::FILE* offen = plattform::Oeffne("offen.dat", "rb");
  ASSERT_NE(offen, nullptr);
  errno = 0;
  const bool ersetzt = plattform::ErsetzeDatei("neu.tmp", "offen.dat");
  const int fehler = errno;
  std::fclose(offen);
  if (kWindows) {
    // The C runtime opens without delete sharing, so Windows keeps the open file in place
    // (as when another program holds the class file).
    EXPECT_FALSE(ersetzt);
    EXPECT_EQ(EAFehlerAusErrno(fehler), ea::ZugriffVerweigert);
    EXPECT_EQ(LiesDatei("offen.dat"), AlsBytes("alt"));
  } else {
    EXPECT_TRUE(ersetzt);
    EXPECT_EQ(LiesDatei("offen.dat"), AlsBytes("neu"));
  }
}

TEST_F(Plattform, SpeichernAufSchreibgeschuetzteDateiLaesstSieStehen) {
  SchreibeDatei("fest.VLM", AlsBytes("alte Klasse"));
  Schreibschutz("fest.VLM", true);
  if (test::DarfSchreiben("fest.VLM")) {  // root, also under Wine
    Schreibschutz("fest.VLM", false);
    GTEST_SKIP() << "write protection does not hold for this user";
  }
  EXPECT_EQ(FehlerNummer([] { SchreibeDatensatz("fest.VLM", AlsBytes("neue Klasse")); }), ea::ZugriffVerweigert);
  EXPECT_EQ(FehlerNummer([] { SchreibeTextZeilen("fest.VLM", {"neu"}); }), ea::ZugriffVerweigert);
  EXPECT_EQ(LiesDatensatz("fest.VLM", 11), AlsBytes("alte Klasse"));
  Schreibschutz("fest.VLM", false);
  EXPECT_EQ(Eintraege("."), 1u);
}

TEST_F(Plattform, UmlauteUndZeichenDerCodepage1252InDateinamen) {
  // Names are code page 1252 inside the program; the file system sees the same characters
  // (UTF-8 bytes on Linux, UTF-16 on Windows), including the 1252 range 0x80..0x9F.
  const std::string name = T("Klasse Bäcker ÄÖÜß – 5 €.VLM");
  SchreibeDatensatz(name, AlsBytes("Inhalt"));
  ASSERT_EQ(Eintraege("."), 1u);
  const fs::path eintrag = fs::directory_iterator(".")->path().filename();
  const std::u8string erwartet = u8"Klasse Bäcker ÄÖÜß – 5 €.VLM";
  EXPECT_TRUE(eintrag.u8string() == erwartet);
#ifdef _WIN32
  EXPECT_EQ(eintrag.wstring(), L"Klasse B\u00e4cker \u00c4\u00d6\u00dc\u00df \u2013 5 \u20ac.VLM");
#endif
  EXPECT_EQ(NameAus(eintrag), name);
  EXPECT_TRUE(DateiExistiert(name));
  EXPECT_EQ(LiesDatensatz(name, 6), AlsBytes("Inhalt"));
  SchreibeTextZeilen(name, {T("Grüße")});
  EXPECT_EQ(LiesTextZeilen(name), std::vector<std::string>{T("Grüße")});
  EXPECT_EQ(Eintraege("."), 1u);
}

TEST_F(Plattform, ZeichenDieWindowsInDateinamenVerbietet) {
  for (const char zeichen : std::string_view("<>\"|?*")) {
    const std::string name = std::string("Klasse ") + zeichen + ".VLM";
    SCOPED_TRACE(name);
    const int schreiben = FehlerNummer([&] { SchreibeDatensatz(name, AlsBytes("neu")); });
    if (kWindows) {
      EXPECT_EQ(schreiben, ea::UngueltigerDateiname);
      EXPECT_FALSE(DateiExistiert(name));
      EXPECT_EQ(FehlerNummer([&] { LiesDatensatz(name, 3); }), ea::UngueltigerDateiname);
      EXPECT_EQ(Eintraege("."), 0u);
    } else {
      // Linux allows them: the file is an ordinary one.
      EXPECT_EQ(schreiben, -1);
      EXPECT_EQ(LiesDatensatz(name, 3), AlsBytes("neu"));
      fs::remove(Pfad(name));
    }
  }
}

// Working directory of a teacher's Windows account: blanks and umlauts in every level.
class ArbeitsverzeichnisMitLeerzeichen : public test::ArbeitsverzeichnisTest {
 protected:
  void SetUp() override {
    ArbeitsverzeichnisTest::SetUp();
    ordner_ = fs::current_path() / Pfad(T("Eigene Dateien Jörg")) / Pfad(T("Zeugnisse BS 21 Ä"));
    fs::create_directories(ordner_);
    fs::current_path(ordner_);
    passwoerter.Verbinde(steuerung.Schutz(), steuerung.Einstellungen(), meldungen);
    steuerung.Start();
  }

  fs::path ordner_;
  test::FakeAnsicht ansicht;
  test::FakeMeldungen meldungen;
  test::FakeDateiDialoge dialoge;
  test::FakePasswortDialoge passwoerter;
  Hauptsteuerung steuerung{ansicht, meldungen, dialoge, passwoerter, passwoerter};
};

TEST_F(ArbeitsverzeichnisMitLeerzeichen, StartUndSpeichernBleibenImArbeitsverzeichnis) {
  EXPECT_TRUE(meldungen.protokoll.empty());
  const std::string verzeichnis = steuerung.Programmverzeichnis();
  EXPECT_TRUE(fs::equivalent(Pfad(verzeichnis), ordner_)) << Cp1252NachUtf8(verzeichnis);
  EXPECT_NE(verzeichnis.find(T("Eigene Dateien Jörg")), std::string::npos);
  EXPECT_TRUE(fs::exists(ordner_ / "SFAECHER.SFL"));
  EXPECT_TRUE(fs::exists(ordner_ / "LEER.KFV"));

  // The save dialog answers with a full path, as Windows file dialogs do.
  const std::string datei = NameAus(Pfad(verzeichnis) / Pfad(T("Klasse Bäcker 1.VLM")));
  dialoge.speichernAntworten = {datei};
  ASSERT_TRUE(steuerung.SpeichernUnter());
  EXPECT_EQ(ansicht.panelDatei, T("Klasse Bäcker 1.VLM"));
  EXPECT_EQ(fs::file_size(ordner_ / Pfad(T("Klasse Bäcker 1.VLM"))), layout::kKlasse);
  dialoge.oeffnenAntworten = {datei};
  steuerung.Oeffnen();
  EXPECT_TRUE(meldungen.protokoll.empty());
  EXPECT_TRUE(fs::exists(ordner_ / Pfad(T("Klasse Bäcker 1.BAK"))));
}

TEST(Uhr, HeuteIstDasOrtsdatumDerCLaufzeit) {
  const auto ortstag = [] {
    const std::time_t jetzt = std::time(nullptr);
    const std::tm ort = *std::localtime(&jetzt);
    return Datum{ort.tm_year + 1900, ort.tm_mon + 1, ort.tm_mday};
  };
  Datum vorher, heute, nachher;
  do {  // again if midnight passes in between
    vorher = ortstag();
    heute = SystemUhr().Heute();
    nachher = ortstag();
  } while (vorher.tag != nachher.tag);
  EXPECT_EQ(heute.jahr, vorher.jahr);
  EXPECT_EQ(heute.monat, vorher.monat);
  EXPECT_EQ(heute.tag, vorher.tag);
}

}  // namespace
}  // namespace velmora
