#include "gui/pdflesen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

namespace velmora::test {

namespace fs = std::filesystem;

const PdfWort* PdfSeite::Finde(const std::string& text, const std::string& danach) const {
  for (std::size_t i = 0; i < woerter.size(); ++i) {
    if (woerter[i].text != text) continue;
    if (danach.empty() || (i + 1 < woerter.size() && woerter[i + 1].text == danach)) return &woerter[i];
  }
  return nullptr;
}

// The text of a word as pdftotext writes it into its HTML: with the five entities replaced.
std::string OhneEntitaeten(std::string text) {
  const std::pair<const char*, const char*> entitaeten[] = {
      {"&quot;", "\""}, {"&apos;", "'"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}};
  for (const auto& [entitaet, zeichen] : entitaeten) {
    for (std::size_t p = text.find(entitaet); p != std::string::npos; p = text.find(entitaet, p + 1)) {
      text.replace(p, std::string(entitaet).size(), zeichen);
    }
  }
  return text;
}

#ifdef _WIN32
constexpr const char* kStumm = " > NUL 2>&1";
#else
constexpr const char* kStumm = " > /dev/null 2>&1";
#endif

bool PdfLesbar() { return std::system((std::string("pdftotext -v") + kStumm).c_str()) == 0; }

std::vector<PdfSeite> LiesPdf(const fs::path& pdf) {
  // pdftotext reads a copy under a plain name in the current directory: the command holds no
  // path in a system's own form and nothing beyond ASCII, so it runs alike in a POSIX shell,
  // in cmd.exe, and under Wine, which starts the Linux pdftotext from a Windows program when
  // a "pdftotext.exe" on its PATH leads to it (windows-paket.sh), in the current directory.
  const fs::path kopie = "velmora-pdflesen.pdf", html = "velmora-pdflesen.html";
  fs::copy_file(pdf, kopie, fs::copy_options::overwrite_existing);
  fs::remove(html);
  const std::string befehl = "pdftotext -bbox " + kopie.string() + " " + html.string();
  const int ergebnis = std::system(befehl.c_str());
  EXPECT_EQ(ergebnis, 0) << befehl;
  // Wine runs a Linux program beside the Windows one: system() returns at once, with 0. The
  // output is complete with its last line.
  std::string gelesen;
  for (int versuch = 0; ergebnis == 0 && versuch < 300; ++versuch) {
    std::ifstream f(html, std::ios::binary);
    std::stringstream inhalt;
    inhalt << f.rdbuf();
    gelesen = inhalt.str();
    if (gelesen.find("</html>") != std::string::npos) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_NE(gelesen.find("</html>"), std::string::npos) << befehl << " (" << pdf << ")";
  fs::remove(html);
  fs::remove(kopie);
  const std::string s = gelesen;

  constexpr double mmProPunkt = 25.4 / 72.0;
  const std::regex seite(R"x(<page width="([\d.]+)" height="([\d.]+)">)x");
  const std::regex wort(R"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)x");
  std::vector<PdfSeite> seiten;
  std::size_t pos = 0;
  std::smatch m;
  while (std::regex_search(s.begin() + static_cast<std::ptrdiff_t>(pos), s.end(), m, seite)) {
    const std::size_t anfang = pos + static_cast<std::size_t>(m.position(0));
    std::size_t ende = s.find("</page>", anfang);
    if (ende == std::string::npos) ende = s.size();
    PdfSeite p;
    p.breite = std::stod(m[1]) * mmProPunkt;
    p.hoehe = std::stod(m[2]) * mmProPunkt;
    const std::string teil = s.substr(anfang, ende - anfang);
    for (auto it = std::sregex_iterator(teil.begin(), teil.end(), wort); it != std::sregex_iterator(); ++it) {
      p.woerter.push_back(PdfWort{OhneEntitaeten((*it)[5]), std::stod((*it)[1]) * mmProPunkt,
                                  std::stod((*it)[2]) * mmProPunkt, std::stod((*it)[3]) * mmProPunkt,
                                  std::stod((*it)[4]) * mmProPunkt, static_cast<int>(seiten.size()) + 1});
    }
    seiten.push_back(std::move(p));
    pos = ende;
  }
  return seiten;
}

std::vector<PdfWort> WoerterAus(const fs::path& pdf) {
  std::vector<PdfWort> alle;
  for (PdfSeite& s : LiesPdf(pdf)) alle.insert(alle.end(), s.woerter.begin(), s.woerter.end());
  return alle;
}

std::vector<fs::path> PdfDateien(const fs::path& ordner) {
  std::vector<fs::path> dateien;
  if (!fs::is_directory(ordner)) return dateien;
  for (const auto& e : fs::directory_iterator(ordner)) {
    if (e.path().extension() == ".pdf") dateien.push_back(e.path());
  }
  std::sort(dateien.begin(), dateien.end());
  return dateien;
}

}  // namespace velmora::test
