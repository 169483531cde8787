#pragma once
// The scans or photos of a form laid under the page view of the form alignment, remembered
// per table file in "<table>.hintergrund.txt" beside it: for each page of the form the
// image's path and how it lies on the paper. The lines "Bild=", "Links=", "Oben=" and
// "Massstab=" belong to page 1; the same lines after "Seite<n>." to page n.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct Hintergrund {
  std::string bild;  // path of the image (code page 1252)
  double links = 0;  // where the image's top-left corner lies on the paper, in 1/10 mm
  double oben = 0;
  double massstab = 1.0;  // 1: the image as wide as the paper
  bool operator==(const Hintergrund&) const = default;
};

std::string HintergrundDatei(const std::string& tabellenDatei);
// The backgrounds the lines of such a file give, by page number; a page without an image has
// none. A line that cannot be read (no number, or none that is finite) keeps its value's
// default.
std::map<int, Hintergrund> LiesHintergruende(const std::vector<std::string>& zeilen);
// The lines of the file that holds `seiten`, page by page.
std::vector<std::string> HintergrundZeilen(const std::map<int, Hintergrund>& seiten);
// The backgrounds of a table's pages by page number, read from its file; empty when there
// are none.
std::map<int, Hintergrund> LadeHintergruende(const std::string& tabellenDatei);
// The background of one page; nothing when it has none.
std::optional<Hintergrund> LadeHintergrund(const std::string& tabellenDatei, int seite);
// Sets one page's background, keeping the other pages', and writes the file through a
// temporary file; errors throw EAFehler.
void SpeichereHintergrund(const std::string& tabellenDatei, int seite, const Hintergrund& h);

}  // namespace velmora
