#include "gui/pdflesen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

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

bool PdfLesbar() { return std::system("pdftotext -v > /dev/null 2>&1") == 0; }

std::vector<PdfSeite> LiesPdf(const fs::path& pdf) {
  const fs::path html = pdf.string() + ".html";
  const std::string befehl = "pdftotext -bbox '" + pdf.string() + "' '" + html.string() + "'";
  EXPECT_EQ(std::system(befehl.c_str()), 0) << befehl;
  std::ifstream f(html);
  std::stringstream inhalt;
  inhalt << f.rdbuf();
  const std::string s = inhalt.str();
  fs::remove(html);

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
