#include "common/vorlagenbeschreibung.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace velmora::test {

namespace {

TFormatEintrag Eintrag(std::istringstream& zeile) {
  unsigned x = 0, y = 0, schrift = 0, seite = 0, drucken = 0;
  zeile >> x >> y >> schrift >> seite >> drucken;
  return {static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(schrift),
          static_cast<std::uint16_t>(seite), static_cast<std::uint16_t>(drucken)};
}

}  // namespace

TFormatSteuerTabelle BeschriebeneTabelle(const std::string& name) {
  const std::string pfad = std::string(VELMORA_QUELLEN) + "/tests/daten/vorlagen.txt";
  std::ifstream datei(pfad);
  EXPECT_TRUE(datei.good()) << "cannot read " << pfad;
  TFormatSteuerTabelle tabelle{};
  bool gefunden = false, drin = false;
  std::string text;
  while (std::getline(datei, text)) {
    if (text.empty() || text[0] == '#') continue;
    std::istringstream zeile(text);
    if (text[0] == '@') {
      std::string marke, tabellenname;
      zeile >> marke >> tabellenname;
      drin = tabellenname == name;
      if (drin) {
        gefunden = true;
        tabelle.fill(Eintrag(zeile));
      }
      continue;
    }
    if (!drin) continue;
    std::size_t k = 100;
    zeile >> k;
    EXPECT_LT(k, 100u) << text;
    if (k < 100) tabelle[k] = Eintrag(zeile);
  }
  EXPECT_TRUE(gefunden) << "no table " << name << " in " << pfad;
  return tabelle;
}

}  // namespace velmora::test
