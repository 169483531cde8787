// The working folder of the option "--dokumente": created with its parents, the help file
// copied in once and never over the teacher's copy, entered; a folder that cannot be made
// leaves the program where it started. The paths carry umlauts and blanks, as a Windows
// user folder "Jürgen Müller" does.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/arbeitsordner.h"
#include "common/arbeitsverzeichnis.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace test;

class Arbeitsordner : public ArbeitsverzeichnisTest {};

TEST_F(Arbeitsordner, WirdAngelegtBekommtDieHilfeUndWirdArbeitsverzeichnis) {
  struct Fall {
    const char* name;
    bool ordnerDa;             // the folder exists already
    const char* hilfeDa;       // content of a help file already in it, or nullptr
    std::vector<int> quellen;  // which of the two help sources exist (0 = program folder, 1 = share/)
    const char* hilfeDanach;   // content of the help file afterwards, or nullptr for none
  };
  const Fall faelle[] = {
      {"erster Start", false, nullptr, {0, 1}, "PROGRAMM"},
      {"Hilfe nur in share", false, nullptr, {1}, "SHARE"},
      {"ohne Hilfe im Programm", false, nullptr, {}, nullptr},
      {"Ordner da, Hilfe fehlt", true, nullptr, {0}, "PROGRAMM"},
      {"eigene Hilfe bleibt", true, "EIGENE", {0, 1}, "EIGENE"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const fs::path basis = verzeichnis_ / f.name;
    const fs::path programm = basis / u8"Programme ä/Velmora";
    const fs::path share = basis / "share/velmora";
    fs::create_directories(programm);
    fs::create_directories(share);
    const std::vector<fs::path> quellen = {programm / "KURZBEDIENUNGSANLEITUNG.HLP",
                                           share / "KURZBEDIENUNGSANLEITUNG.HLP"};
    for (int q : f.quellen) SchreibeDatei(quellen[q], AlsBytes(q == 0 ? "PROGRAMM" : "SHARE"));
    const fs::path ordner = ArbeitsordnerIn(basis / u8"Users/Jürgen Müller/Documents");
    if (f.ordnerDa) {
      fs::create_directories(ordner);
      SchreibeDatei(ordner / "KLASSE.VLM", AlsBytes("DATEN"));
    }
    if (f.hilfeDa) SchreibeDatei(ordner / "KURZBEDIENUNGSANLEITUNG.HLP", AlsBytes(f.hilfeDa));

    ASSERT_TRUE(RichteArbeitsordnerEin(ordner, quellen));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), ordner));
    if (f.hilfeDanach) {
      EXPECT_TRUE(GleicheBytes(LiesDatei("KURZBEDIENUNGSANLEITUNG.HLP"), AlsBytes(f.hilfeDanach)));
    } else {
      EXPECT_FALSE(fs::exists("KURZBEDIENUNGSANLEITUNG.HLP"));
    }
    if (f.ordnerDa) {
      EXPECT_TRUE(GleicheBytes(LiesDatei("KLASSE.VLM"), AlsBytes("DATEN")));
    }
    fs::current_path(verzeichnis_);
  }
}

TEST_F(Arbeitsordner, DerNichtAnzulegendeOrdnerLaesstDasStartverzeichnis) {
  // A file stands where the folder or one of its parents should be.
  SchreibeDatei(verzeichnis_ / "Documents", AlsBytes("keine Mappe"));
  for (const fs::path& ordner : {verzeichnis_ / "Documents", ArbeitsordnerIn(verzeichnis_ / "Documents")}) {
    SCOPED_TRACE(ordner.string());
    EXPECT_FALSE(RichteArbeitsordnerEin(ordner, {}));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), verzeichnis_));
  }
  EXPECT_TRUE(GleicheBytes(LiesDatei(verzeichnis_ / "Documents"), AlsBytes("keine Mappe")));
}

}  // namespace
}  // namespace velmora
