// The background file of the form alignment, "<table>.hintergrund.txt": every page it gives
// is numbered from 1, has an image and a scale above 0 and finite numbers; the lines written
// for the pages read back as the same pages; the file read from disk gives what its lines
// give; and setting one page's background keeps the others.
#include <unistd.h>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>

#include "basis/dateien.h"
#include "fuzzhilfen.h"
#include "reports/formularhintergrund.h"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

// A folder of this run's own for the table's background file, removed at the end.
struct Ordner {
  fs::path pfad = fs::temp_directory_path() / ("velmora_fuzz_hintergrund_" + std::to_string(getpid()));
  Ordner() { fs::create_directories(pfad); }
  ~Ordner() {
    std::error_code fehler;
    fs::remove_all(pfad, fehler);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const Bytes inhalt(daten, daten + groesse);
  const std::map<int, Hintergrund> seiten = LiesHintergruende(TeileTextZeilen(inhalt));
  for (const auto& [seite, h] : seiten) {
    fuzz::Pruefe(seite >= 1, "pages are numbered from 1");
    fuzz::Pruefe(!h.bild.empty(), "a page with a background has an image");
    fuzz::Pruefe(std::isfinite(h.links) && std::isfinite(h.oben) && std::isfinite(h.massstab),
                 "the position and the scale are finite numbers");
    fuzz::Pruefe(h.massstab > 0, "the scale is above 0");
  }
  fuzz::Pruefe(LiesHintergruende(HintergrundZeilen(seiten)) == seiten, "the lines written read back the same");

  // The same through the file beside a table, and one page set anew.
  static const Ordner ordner;
  const std::string tabelle = (ordner.pfad / "1BS_HJ.FST").string();
  SchreibeDatensatz(HintergrundDatei(tabelle), inhalt, Schreibart::Ersetzen);
  fuzz::Pruefe(LadeHintergruende(tabelle) == seiten, "the file gives what its lines give");
  const int neu = static_cast<int>(groesse % 5) + 1;
  const Hintergrund h{"Scan Seite " + std::to_string(neu) + ".png", -12.5, 3.0 * static_cast<double>(groesse), 0.75};
  SpeichereHintergrund(tabelle, neu, h);
  std::map<int, Hintergrund> erwartet = seiten;
  erwartet[neu] = h;
  fuzz::Pruefe(LadeHintergruende(tabelle) == erwartet, "setting one page's background keeps the other pages'");
  return 0;
}
