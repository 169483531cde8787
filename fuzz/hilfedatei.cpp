// The help file: pages have an id without blanks, every page renders as HTML whose
// blocks are closed and whose links lead to existing pages, a link target reads back as
// its page, and the keyword search finds only existing pages.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/hilfedatei.h"
#include "basis/dateien.h"
#include "fuzzhilfen.h"

using namespace velmora;

namespace {

std::size_t Anzahl(const std::string& text, const std::string& teil) {
  std::size_t n = 0;
  for (std::size_t i = text.find(teil); i != std::string::npos; i = text.find(teil, i + teil.size())) ++n;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::vector<std::string> zeilen = TeileTextZeilen(Bytes(daten, daten + groesse));
  const std::vector<HilfeSeite> seiten = LeseHilfeDatei(zeilen);

  for (std::size_t i = 0; i < seiten.size(); ++i) {
    const HilfeSeite& seite = seiten[i];
    fuzz::Pruefe(!seite.id.empty() && seite.id.find_first_of(" \t\r") == std::string::npos, "a page id is one word");
    fuzz::Pruefe(!seite.titel.empty(), "a page has a title");
    fuzz::Pruefe(FindeHilfeSeite(seiten, seite.id) <= i, "a page is found by its id");

    const std::string html = HilfeSeiteAlsHtml(seiten, i);
    fuzz::Pruefe(Anzahl(html, "<p>") == Anzahl(html, "</p>"), "every paragraph is closed");
    fuzz::Pruefe(Anzahl(html, "<ul>") == Anzahl(html, "</ul>"), "every list is closed");
    fuzz::Pruefe(Anzahl(html, "<li>") == Anzahl(html, "</li>"), "every list item is closed");
    const std::string href = "<a href=\"";
    for (std::size_t a = html.find(href); a != std::string::npos; a = html.find(href, a + 1)) {
      const std::size_t anfang = a + href.size();
      const std::string ziel = html.substr(anfang, html.find('"', anfang) - anfang);
      fuzz::Pruefe(SeiteAusVerweis(seiten, ziel) < seiten.size(), "a link leads to an existing page");
    }
    fuzz::Pruefe(SeiteAusVerweis(seiten, "seite:" + std::to_string(i)) == i, "a link target reads back as its page");
  }
  fuzz::Pruefe(HilfeSeiteAlsHtml(seiten, seiten.size()).empty(), "no page beyond the last");

  // Each line of the file as a search word and as a link target.
  const std::size_t alle = SucheStichworte(seiten, "").size();
  for (std::size_t z = 0; z < zeilen.size() && z < 8; ++z) {
    const std::vector<HilfeStichwort> treffer = SucheStichworte(seiten, zeilen[z]);
    fuzz::Pruefe(treffer.size() <= alle, "a search finds no more than the whole index");
    for (const HilfeStichwort& t : treffer)
      fuzz::Pruefe(t.seite < seiten.size(), "a keyword leads to an existing page");
    const std::vector<std::size_t> gefunden = SucheStichwort(seiten, zeilen[z]);
    for (std::size_t s : gefunden) {
      fuzz::Pruefe(std::count(gefunden.begin(), gefunden.end(), s) == 1, "each page is found once");
    }
    fuzz::Pruefe(SeiteAusVerweis(seiten, zeilen[z]) <= seiten.size(), "any link target gives a page or none");
  }
  return 0;
}
