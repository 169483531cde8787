#pragma once
// The help file "KURZBEDIENUNGSANLEITUNG.HLP": a code-page-1252 text file of pages.
//
//   @seite <id> <Titel>        starts a page (the title is the rest of the line)
//   @stichworte wort1, wort2   keywords of the page (may repeat; "," or ";" separate)
//   ; ...                      a comment line, ignored everywhere
//   any other line             page text: blank lines separate paragraphs, lines starting
//                              with "- " are list items (indented lines continue an item),
//                              [[id]] or [[id|Text]] link to another page
//
// Lines before the first "@seite" are ignored, and so is a page without an id.
#include <cstddef>
#include <string>
#include <vector>

namespace velmora {

struct HilfeSeite {
  std::string id, titel;
  std::vector<std::string> stichworte;
  std::string text;  // the text lines joined by "\n", without leading and trailing blank lines
};

// One entry of the keyword index: a keyword (or page title) and the page it leads to.
struct HilfeStichwort {
  std::string wort;
  std::size_t seite;
};

std::vector<HilfeSeite> LeseHilfeDatei(const std::vector<std::string>& zeilen);

// Reads and parses the file; a file error throws EAFehler.
std::vector<HilfeSeite> LadeHilfeDatei(const std::string& name);

// Index of the first page with this id (case-insensitive), or seiten.size() when none.
std::size_t FindeHilfeSeite(const std::vector<HilfeSeite>& seiten, const std::string& id);

// The keyword index for a search word: every keyword and title of which a word starts with
// `wort` (case-insensitive, leading and trailing blanks of `wort` ignored), sorted
// alphabetically with umlauts sorted as their base letters. An empty word gives the whole
// index.
std::vector<HilfeStichwort> SucheStichworte(const std::vector<HilfeSeite>& seiten, const std::string& wort);

// The pages found by SucheStichworte, each once, in the order of their first entry.
std::vector<std::size_t> SucheStichwort(const std::vector<HilfeSeite>& seiten, const std::string& wort);

// The page as HTML (code page 1252) with the title as heading. A link to a known page
// becomes <a href="seite:N"> with N its index; a link to an unknown page is plain text.
std::string HilfeSeiteAlsHtml(const std::vector<HilfeSeite>& seiten, std::size_t seite);

// Reads the page index N back from a link target "seite:N"; seiten.size() for anything else.
std::size_t SeiteAusVerweis(const std::vector<HilfeSeite>& seiten, const std::string& ziel);

}  // namespace velmora
