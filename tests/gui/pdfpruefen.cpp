#include "gui/pdfpruefen.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::string Lies(const fs::path& datei) {
  std::ifstream f(datei, std::ios::binary);
  std::stringstream inhalt;
  inhalt << f.rdbuf();
  return inhalt.str();
}

// A Poppler tool's output for a copy of `pdf` under a plain name (see LiesPdf). Under Wine
// system() returns at once while the Linux tool still runs: the output is complete when it
// ends with a line end and has not grown for a while.
std::string Ausgabe(const std::string& werkzeug, const fs::path& pdf) {
  const fs::path kopie = "velmora-pdfpruefen.pdf", ausgabe = "velmora-pdfpruefen.txt";
  fs::copy_file(pdf, kopie, fs::copy_options::overwrite_existing);
  fs::remove(ausgabe);
  const std::string befehl = werkzeug + " " + kopie.string() + " > " + ausgabe.string();
  EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl << " (" << pdf << ")";
  std::string inhalt = Lies(ausgabe);
  for (int versuch = 0; versuch < 100; ++versuch) {
    std::this_thread::sleep_for(std::chrono::milliseconds(versuch == 0 ? 20 : 150));
    std::string jetzt = Lies(ausgabe);
    if (!jetzt.empty() && jetzt.back() == '\n' && jetzt == inhalt) break;
    inhalt = std::move(jetzt);
  }
  fs::remove(ausgabe);
  fs::remove(kopie);
  return inhalt;
}

}  // namespace

std::string PdfInfo(const fs::path& pdf) { return Ausgabe("pdfinfo -isodates", pdf); }
std::string PdfXmp(const fs::path& pdf) { return Ausgabe("pdfinfo -meta", pdf); }

std::string PdfInfoFeld(const std::string& info, const std::string& feld) {
  std::smatch m;
  if (!std::regex_search(info, m, std::regex("(^|\n)" + feld + ":[ ]*([^\n]*)"))) return {};
  return m[2];
}

std::string XmpWert(const std::string& xmp, const std::string& eigenschaft) {
  std::smatch m;
  const std::string e = eigenschaft;
  if (std::regex_search(xmp, m, std::regex("<" + e + ">\\s*(?:<rdf:(?:Alt|Seq|Bag)>\\s*<rdf:li[^>]*>)?([^<]*)<")) ||
      std::regex_search(xmp, m, std::regex(e + "=\"([^\"]*)\""))) {
    return m[1];
  }
  return {};
}

std::vector<PdfSchrift> PdfSchriften(const fs::path& pdf) {
  // After the two head lines, one line per font: name, type, encoding, then "yes"/"no" for
  // embedded, subset and Unicode map, and the object number.
  std::istringstream zeilen(Ausgabe("pdffonts", pdf));
  std::vector<PdfSchrift> schriften;
  std::string zeile;
  const std::regex eintrag(R"(^(\S+)\s.*\s(yes|no)\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*$)");
  for (int nr = 0; std::getline(zeilen, zeile); ++nr) {
    std::smatch m;
    if (nr >= 2 && std::regex_match(zeile, m, eintrag)) schriften.push_back({m[1], m[2] == "yes"});
  }
  return schriften;
}

}  // namespace velmora::test
