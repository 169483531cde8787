#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <cerrno>
#include <csignal>
#include <filesystem>

#include "basis/cp1252.h"
#include "basis/dateien.h"
#include "basis/eafehler.h"
#include "common/arbeitsverzeichnis.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::AlsBytes;
using test::FehlerNummer;
using test::LiesDatei;
using test::SchreibeDatei;

class Dateien : public test::ArbeitsverzeichnisTest {};

TEST(EAFehler, TexteDerFehlernummern) {
  EXPECT_EQ(EAFehlerText(2), T("Datei nicht gefunden"));
  EXPECT_EQ(EAFehlerText(3), T("Ungültiger Dateiname"));
  EXPECT_EQ(EAFehlerText(4), T("Zu viele geöffnete Dateien"));
  EXPECT_EQ(EAFehlerText(5), T("Dateizugriff verweigert"));
  EXPECT_EQ(EAFehlerText(100), T("Versuch hinter dem Dateiende zu lesen"));
  EXPECT_EQ(EAFehlerText(101), T("Zu wenig Speicherplatz"));
  EXPECT_EQ(EAFehlerText(106), T("Ungültige numerische Eingabe"));
  EXPECT_EQ(EAFehlerText(7), "E/A-Fehler 7");
  EXPECT_EQ(EAFehlerText(103), "E/A-Fehler 103");
  EXPECT_EQ(EAFehler(100).Nummer(), 100);
  // System errors map onto the program's numbers.
  EXPECT_EQ(EAFehlerAusErrno(ENOENT), 2);
  EXPECT_EQ(EAFehlerAusErrno(EACCES), 5);
  EXPECT_EQ(EAFehlerAusErrno(EMFILE), 4);
  EXPECT_EQ(EAFehlerAusErrno(ENOSPC), 101);
}

TEST_F(Dateien, DatensatzLesen) {
  SchreibeDatei("genau.dat", AlsBytes("0123456789"));
  EXPECT_EQ(LiesDatensatz("genau.dat", 10), AlsBytes("0123456789"));
  EXPECT_EQ(LiesDatensatz("genau.dat", 4, true), AlsBytes("0123"));
  EXPECT_EQ(FehlerNummer([] { LiesDatensatz("genau.dat", 11); }), 100);
  EXPECT_EQ(FehlerNummer([] { LiesDatensatz("fehlt.dat", 4); }), 2);
  fs::create_directory("ordner.dat");
  EXPECT_EQ(FehlerNummer([] { LiesDatensatz("ordner.dat", 4); }), 5);
  EXPECT_FALSE(DateiExistiert("ordner.dat"));
  EXPECT_TRUE(DateiExistiert("genau.dat"));
}

TEST_F(Dateien, SchreibgeschuetzteDateiLaesstSichNichtZumSchreibenOeffnen) {
  SchreibeDatei("fest.dat", AlsBytes("abcd"));
  fs::permissions("fest.dat", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  if (test::DarfSchreiben("fest.dat")) {
    GTEST_SKIP() << "write protection does not hold for this user";
  }
  EXPECT_EQ(LiesDatensatz("fest.dat", 4), AlsBytes("abcd"));
  EXPECT_EQ(FehlerNummer([] { LiesDatensatz("fest.dat", 4, true); }), 5);
}

TEST_F(Dateien, ErsetzenKuerztUeberschreibenBehaeltDenRest) {
  SchreibeDatei("a.dat", Bytes(100, 'A'));
  SchreibeDatensatz("a.dat", AlsBytes("neu"), Schreibart::Ersetzen);
  EXPECT_EQ(LiesDatei("a.dat"), AlsBytes("neu"));

  SchreibeDatei("b.dat", Bytes(100, 'A'));
  SchreibeDatensatz("b.dat", Bytes(10, 'B'), Schreibart::Ueberschreiben);
  Bytes erwartet(100, 'A');
  std::fill_n(erwartet.begin(), 10, 'B');
  EXPECT_EQ(LiesDatei("b.dat"), erwartet);

  // Longer new content than the old file, and a file that did not exist.
  SchreibeDatensatz("b.dat", Bytes(150, 'C'), Schreibart::Ueberschreiben);
  EXPECT_EQ(LiesDatei("b.dat"), Bytes(150, 'C'));
  SchreibeDatensatz("c.dat", AlsBytes("xyz"), Schreibart::Ueberschreiben);
  EXPECT_EQ(LiesDatei("c.dat"), AlsBytes("xyz"));
  // Nothing but the three files is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 3);
}

TEST_F(Dateien, FehlgeschlagenesSchreibenLaesstDieAlteDateiStehen) {
  EXPECT_NE(FehlerNummer([] { SchreibeDatensatz("fehlt/x.dat", AlsBytes("x")); }), -1);
  EXPECT_FALSE(fs::exists("fehlt"));

  fs::create_directory("ordner.dat");
  SchreibeDatei("ordner.dat/drin", AlsBytes("bleibt"));
  EXPECT_EQ(FehlerNummer([] { SchreibeDatensatz("ordner.dat", AlsBytes("x")); }), 5);
  EXPECT_TRUE(fs::is_directory("ordner.dat"));
  EXPECT_EQ(LiesDatei("ordner.dat/drin"), AlsBytes("bleibt"));
}

TEST_F(Dateien, VollePlatteLaesstDieAlteDateiStehen) {
#ifdef _WIN32
  GTEST_SKIP() << "needs a file size limit (setrlimit) to fill the disk, which Windows lacks";
#else
  // A write that runs out of room half way: a file size limit makes the write fail
  // the way a full disk does.
  SchreibeDatei("alt.dat", AlsBytes("alter Inhalt"));
  rlimit vorher{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &vorher), 0);
  auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit eng = vorher;
  eng.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
  int nummer = FehlerNummer([] { SchreibeDatensatz("alt.dat", Bytes(100000, 'N')); });
  setrlimit(RLIMIT_FSIZE, &vorher);
  std::signal(SIGXFSZ, altesSignal);
  EXPECT_EQ(nummer, 101);
  EXPECT_EQ(LiesDatei("alt.dat"), AlsBytes("alter Inhalt"));
  for (const auto& e : fs::directory_iterator(".")) {
    EXPECT_EQ(e.path().filename(), "alt.dat");
  }
#endif
}

TEST_F(Dateien, TextzeilenLesen) {
  SchreibeDatei("t.txt", AlsBytes("eins\r\nzwei\ndrei\rvier\r\n\r\nletzte"));
  std::vector<std::string> erwartet = {"eins", "zwei", "drei\rvier", "", "letzte"};
  EXPECT_EQ(LiesTextZeilen("t.txt"), erwartet);

  SchreibeDatei("z.txt", AlsBytes("a\r\nb\x1A\r\nnach dem Ende\r\n"));
  EXPECT_EQ(LiesTextZeilen("z.txt"), (std::vector<std::string>{"a", "b"}));

  SchreibeDatei("leer.txt", {});
  EXPECT_TRUE(LiesTextZeilen("leer.txt").empty());
  EXPECT_EQ(FehlerNummer([] { LiesTextZeilen("fehlt.txt"); }), 2);
}

TEST_F(Dateien, TextzeilenSchreibenMitCrLf) {
  SchreibeDatei("t.txt", Bytes(50, 'X'));
  SchreibeTextZeilen("t.txt", {"a", "", T("Fächer")});
  EXPECT_EQ(LiesDatei("t.txt"), AlsBytes("a\r\n\r\nF\xE4"
                                         "cher\r\n"));
  SchreibeTextZeilen("t.txt", {});
  EXPECT_TRUE(LiesDatei("t.txt").empty());
}

}  // namespace
}  // namespace velmora
