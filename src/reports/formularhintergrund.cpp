#include "reports/formularhintergrund.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

#include "basis/dateien.h"

namespace velmora {

namespace {

// "Seite3.Links" gives page 3 and "Links"; a name without the prefix belongs to page 1.
int SeiteDesNamens(std::string& name) {
  if (name.rfind("Seite", 0) != 0) return 1;
  const auto punkt = name.find('.');
  if (punkt == std::string::npos) return 0;
  int seite = 0;
  const auto [ende, fehler] = std::from_chars(name.data() + 5, name.data() + punkt, seite);
  if (fehler != std::errc() || ende != name.data() + punkt || seite < 1) return 0;
  name.erase(0, punkt + 1);
  return seite;
}

}  // namespace

std::string HintergrundDatei(const std::string& tabellenDatei) { return tabellenDatei + ".hintergrund.txt"; }

std::map<int, Hintergrund> LiesHintergruende(const std::vector<std::string>& zeilen) {
  std::map<int, Hintergrund> seiten;
  for (const std::string& zeile : zeilen) {
    const auto gleich = zeile.find('=');
    if (gleich == std::string::npos) continue;
    std::string name = zeile.substr(0, gleich);
    const std::string wert = zeile.substr(gleich + 1);
    const int seite = SeiteDesNamens(name);
    if (seite == 0) continue;
    if (name == "Bild") {
      seiten[seite].bild = wert;
      continue;
    }
    double zahl = 0;
    const auto [ende, fehler] = std::from_chars(wert.data(), wert.data() + wert.size(), zahl);
    // "inf" and "nan" are numbers to from_chars, but no place on the paper.
    if (fehler != std::errc() || ende != wert.data() + wert.size() || !std::isfinite(zahl)) continue;
    if (name == "Links") seiten[seite].links = zahl;
    if (name == "Oben") seiten[seite].oben = zahl;
    if (name == "Massstab" && zahl > 0) seiten[seite].massstab = zahl;
  }
  // A page without an image has nothing to lay under it.
  std::erase_if(seiten, [](const auto& s) { return s.second.bild.empty(); });
  return seiten;
}

std::vector<std::string> HintergrundZeilen(const std::map<int, Hintergrund>& seiten) {
  auto zahl = [](double wert) {
    char text[64];
    const auto [ende, fehler] = std::to_chars(text, text + sizeof text, wert);
    return fehler == std::errc() ? std::string(text, ende) : std::string("0");
  };
  std::vector<std::string> zeilen;
  for (const auto& [s, b] : seiten) {
    const std::string vor = s == 1 ? "" : "Seite" + std::to_string(s) + ".";
    for (const std::string& z :
         {"Bild=" + b.bild, "Links=" + zahl(b.links), "Oben=" + zahl(b.oben), "Massstab=" + zahl(b.massstab)}) {
      zeilen.push_back(vor + z);
    }
  }
  return zeilen;
}

std::map<int, Hintergrund> LadeHintergruende(const std::string& tabellenDatei) {
  const std::string datei = HintergrundDatei(tabellenDatei);
  if (!DateiExistiert(datei)) return {};
  return LiesHintergruende(LiesTextZeilen(datei));
}

std::optional<Hintergrund> LadeHintergrund(const std::string& tabellenDatei, int seite) {
  const std::map<int, Hintergrund> seiten = LadeHintergruende(tabellenDatei);
  const auto h = seiten.find(seite);
  if (h == seiten.end()) return std::nullopt;
  return h->second;
}

void SpeichereHintergrund(const std::string& tabellenDatei, int seite, const Hintergrund& h) {
  std::map<int, Hintergrund> seiten = LadeHintergruende(tabellenDatei);
  seiten[seite] = h;
  SchreibeTextZeilen(HintergrundDatei(tabellenDatei), HintergrundZeilen(seiten));
}

}  // namespace velmora
