#pragma once
// The scan or photo of a form laid under the page view of the form alignment, remembered per
// table file in "<table>.hintergrund.txt" beside it: the image's path and how it lies on the
// paper.
#include <optional>
#include <string>

namespace velmora {

struct Hintergrund {
  std::string bild;  // path of the image (code page 1252)
  double links = 0;  // where the image's top-left corner lies on the paper, in 1/10 mm
  double oben = 0;
  double massstab = 1.0;  // 1: the image as wide as the paper
  bool operator==(const Hintergrund&) const = default;
};

std::string HintergrundDatei(const std::string& tabellenDatei);
// Reads the settings of a table's background; nothing when there are none. A line that cannot
// be read keeps its value's default.
std::optional<Hintergrund> LadeHintergrund(const std::string& tabellenDatei);
// Writes them through a temporary file; errors throw EAFehler.
void SpeichereHintergrund(const std::string& tabellenDatei, const Hintergrund& h);

}  // namespace velmora
