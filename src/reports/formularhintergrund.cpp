#include "reports/formularhintergrund.h"

#include <charconv>
#include <system_error>
#include <vector>

#include "basis/dateien.h"

namespace velmora {

std::string HintergrundDatei(const std::string& tabellenDatei) { return tabellenDatei + ".hintergrund.txt"; }

std::optional<Hintergrund> LadeHintergrund(const std::string& tabellenDatei) {
  const std::string datei = HintergrundDatei(tabellenDatei);
  if (!DateiExistiert(datei)) return std::nullopt;
  Hintergrund h;
  for (const std::string& zeile : LiesTextZeilen(datei)) {
    const auto gleich = zeile.find('=');
    if (gleich == std::string::npos) continue;
    const std::string name = zeile.substr(0, gleich);
    const std::string wert = zeile.substr(gleich + 1);
    if (name == "Bild") {
      h.bild = wert;
      continue;
    }
    double zahl = 0;
    const auto [ende, fehler] = std::from_chars(wert.data(), wert.data() + wert.size(), zahl);
    if (fehler != std::errc() || ende != wert.data() + wert.size()) continue;
    if (name == "Links") h.links = zahl;
    if (name == "Oben") h.oben = zahl;
    if (name == "Massstab" && zahl > 0) h.massstab = zahl;
  }
  return h;
}

void SpeichereHintergrund(const std::string& tabellenDatei, const Hintergrund& h) {
  auto zahl = [](double wert) {
    char text[64];
    const auto [ende, fehler] = std::to_chars(text, text + sizeof text, wert);
    return fehler == std::errc() ? std::string(text, ende) : std::string("0");
  };
  SchreibeTextZeilen(HintergrundDatei(tabellenDatei), {"Bild=" + h.bild, "Links=" + zahl(h.links),
                                                       "Oben=" + zahl(h.oben), "Massstab=" + zahl(h.massstab)});
}

}  // namespace velmora
