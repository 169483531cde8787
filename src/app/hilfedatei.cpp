#include "app/hilfedatei.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "basis/dateien.h"

namespace velmora {

namespace {

constexpr std::string_view kLeerzeichen = " \t\r";
bool IstLeer(char c) { return kLeerzeichen.find(c) != std::string_view::npos; }

std::string_view Getrimmt(std::string_view s) {
  while (!s.empty() && IstLeer(s.front())) s.remove_prefix(1);
  while (!s.empty() && IstLeer(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view RechtsGetrimmt(std::string_view s) {
  while (!s.empty() && IstLeer(s.back())) s.remove_suffix(1);
  return s;
}

bool BeginntMit(std::string_view s, std::string_view anfang) { return s.substr(0, anfang.size()) == anfang; }

// Lower case in code page 1252: A-Z, À-Þ (without ×), Š, Œ, Ž, Ÿ.
unsigned char Klein(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);
  if (c == 0x9F) return 0xFF;
  return c;
}

std::string Gefaltet(std::string_view s) {
  std::string ergebnis(s);
  for (char& c : ergebnis) c = static_cast<char>(Klein(static_cast<unsigned char>(c)));
  return ergebnis;
}

// Sort key of a keyword: lower case, accented letters as their base letter, ß as "ss".
std::string SortSchluessel(std::string_view s) {
  std::string schluessel;
  for (char roh : s) {
    const unsigned char c = Klein(static_cast<unsigned char>(roh));
    if (c >= 0xE0 && c <= 0xE5)
      schluessel += 'a';
    else if (c == 0xE6)
      schluessel += "ae";
    else if (c == 0xE7)
      schluessel += 'c';
    else if (c >= 0xE8 && c <= 0xEB)
      schluessel += 'e';
    else if (c >= 0xEC && c <= 0xEF)
      schluessel += 'i';
    else if (c == 0xF1)
      schluessel += 'n';
    else if ((c >= 0xF2 && c <= 0xF6) || c == 0xF8)
      schluessel += 'o';
    else if (c >= 0xF9 && c <= 0xFC)
      schluessel += 'u';
    else if (c == 0xFD || c == 0xFF)
      schluessel += 'y';
    else if (c == 0xDF)
      schluessel += "ss";
    else if (c == 0x9A)
      schluessel += 's';
    else if (c == 0x9C)
      schluessel += "oe";
    else if (c == 0x9E)
      schluessel += 'z';
    else
      schluessel += static_cast<char>(c);
  }
  return schluessel;
}

bool IstWortzeichen(unsigned char c) {
  if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  if (c >= 0xC0) return c != 0xD7 && c != 0xF7;
  return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F;
}

// True when a word of `text` (both folded) starts with `wort`.
bool EinWortBeginntMit(const std::string& text, const std::string& wort) {
  for (std::size_t i = 0; i + wort.size() <= text.size(); ++i) {
    const bool wortanfang = i == 0 || !IstWortzeichen(static_cast<unsigned char>(text[i - 1]));
    if (wortanfang && text.compare(i, wort.size(), wort) == 0) return true;
  }
  return false;
}

void SchliesseSeite(std::vector<HilfeSeite>& seiten, std::vector<std::string>& zeilen) {
  if (seiten.empty()) return;
  std::size_t anfang = 0, ende = zeilen.size();
  while (anfang < ende && zeilen[anfang].empty()) ++anfang;
  while (ende > anfang && zeilen[ende - 1].empty()) --ende;
  std::string& text = seiten.back().text;
  for (std::size_t i = anfang; i < ende; ++i) {
    if (i > anfang) text += '\n';
    text += zeilen[i];
  }
  zeilen.clear();
}

void FuegeStichworteHinzu(HilfeSeite& seite, std::string_view liste) {
  while (!liste.empty()) {
    const std::size_t trenner = liste.find_first_of(",;");
    const std::string_view wort = Getrimmt(liste.substr(0, trenner));
    if (!wort.empty()) seite.stichworte.emplace_back(wort);
    if (trenner == std::string_view::npos) break;
    liste.remove_prefix(trenner + 1);
  }
}

std::string HtmlMaskiert(std::string_view text) {
  std::string ergebnis;
  for (char c : text) {
    switch (c) {
      case '&':
        ergebnis += "&amp;";
        break;
      case '<':
        ergebnis += "&lt;";
        break;
      case '>':
        ergebnis += "&gt;";
        break;
      case '"':
        ergebnis += "&quot;";
        break;
      case '\t':
        ergebnis += ' ';
        break;
      default:
        ergebnis += c;
    }
  }
  return ergebnis;
}

// One line of text with its links [[id]] and [[id|Text]].
std::string ZeileAlsHtml(const std::vector<HilfeSeite>& seiten, std::string_view zeile) {
  std::string ergebnis;
  while (!zeile.empty()) {
    const std::size_t auf = zeile.find("[[");
    const std::size_t zu = auf == std::string_view::npos ? auf : zeile.find("]]", auf + 2);
    if (zu == std::string_view::npos) {
      ergebnis += HtmlMaskiert(zeile);
      break;
    }
    ergebnis += HtmlMaskiert(zeile.substr(0, auf));
    std::string_view ziel = zeile.substr(auf + 2, zu - auf - 2);
    std::string_view beschriftung;
    if (const std::size_t strich = ziel.find('|'); strich != std::string_view::npos) {
      beschriftung = Getrimmt(ziel.substr(strich + 1));
      ziel = ziel.substr(0, strich);
    }
    ziel = Getrimmt(ziel);
    const std::size_t index = FindeHilfeSeite(seiten, std::string(ziel));
    if (index < seiten.size()) {
      if (beschriftung.empty()) beschriftung = seiten[index].titel;
      ergebnis += "<a href=\"seite:" + std::to_string(index) + "\">" + HtmlMaskiert(beschriftung) + "</a>";
    } else {
      ergebnis += HtmlMaskiert(beschriftung.empty() ? ziel : beschriftung);
    }
    zeile.remove_prefix(zu + 2);
  }
  return ergebnis;
}

}  // namespace

std::vector<HilfeSeite> LeseHilfeDatei(const std::vector<std::string>& zeilen) {
  std::vector<HilfeSeite> seiten;
  std::vector<std::string> textzeilen;
  bool inSeite = false;  // false before the first page and inside a page without an id
  for (const std::string& roh : zeilen) {
    const std::string_view zeile = RechtsGetrimmt(roh);
    if (BeginntMit(zeile, ";")) continue;
    if (BeginntMit(zeile, "@")) {
      // Directive and id end at the same blanks that trimming removes, so that an id never
      // ends in a lone CR that a link (trimmed) could not name.
      const std::size_t ende = std::min(zeile.find_first_of(kLeerzeichen), zeile.size());
      const std::string befehl = Gefaltet(zeile.substr(0, ende));
      const std::string_view rest = Getrimmt(zeile.substr(ende));
      if (befehl == "@seite") {
        if (inSeite) SchliesseSeite(seiten, textzeilen);
        textzeilen.clear();
        const std::size_t idEnde = std::min(rest.find_first_of(kLeerzeichen), rest.size());
        inSeite = idEnde > 0;
        if (inSeite) {
          HilfeSeite seite;
          seite.id = rest.substr(0, idEnde);
          seite.titel = Getrimmt(rest.substr(idEnde));
          if (seite.titel.empty()) seite.titel = seite.id;
          seiten.push_back(std::move(seite));
        }
      } else if (befehl == "@stichworte" && inSeite) {
        FuegeStichworteHinzu(seiten.back(), rest);
      }
      continue;  // unknown directives are skipped
    }
    if (inSeite) textzeilen.emplace_back(zeile);
  }
  if (inSeite) SchliesseSeite(seiten, textzeilen);
  return seiten;
}

std::vector<HilfeSeite> LadeHilfeDatei(const std::string& name) { return LeseHilfeDatei(LiesTextZeilen(name)); }

std::size_t FindeHilfeSeite(const std::vector<HilfeSeite>& seiten, const std::string& id) {
  const std::string gesucht = Gefaltet(Getrimmt(id));
  for (std::size_t i = 0; i < seiten.size(); ++i) {
    if (Gefaltet(seiten[i].id) == gesucht) return i;
  }
  return seiten.size();
}

std::vector<HilfeStichwort> SucheStichworte(const std::vector<HilfeSeite>& seiten, const std::string& wort) {
  const std::string gesucht = Gefaltet(Getrimmt(wort));
  struct Eintrag {
    std::string schluessel, gefaltet;
    HilfeStichwort stichwort;
  };
  std::vector<Eintrag> eintraege;
  for (std::size_t s = 0; s < seiten.size(); ++s) {
    std::vector<std::string> woerter = seiten[s].stichworte;
    woerter.push_back(seiten[s].titel);
    std::vector<std::string> schonDa;
    for (const std::string& w : woerter) {
      std::string gefaltet = Gefaltet(w);
      if (std::find(schonDa.begin(), schonDa.end(), gefaltet) != schonDa.end()) continue;
      schonDa.push_back(gefaltet);
      if (!gesucht.empty() && !EinWortBeginntMit(gefaltet, gesucht)) continue;
      eintraege.push_back({SortSchluessel(w), std::move(gefaltet), {w, s}});
    }
  }
  std::stable_sort(eintraege.begin(), eintraege.end(), [](const Eintrag& a, const Eintrag& b) {
    if (a.schluessel != b.schluessel) return a.schluessel < b.schluessel;
    return a.gefaltet < b.gefaltet;
  });
  std::vector<HilfeStichwort> ergebnis;
  ergebnis.reserve(eintraege.size());
  for (Eintrag& e : eintraege) ergebnis.push_back(std::move(e.stichwort));
  return ergebnis;
}

std::vector<std::size_t> SucheStichwort(const std::vector<HilfeSeite>& seiten, const std::string& wort) {
  std::vector<std::size_t> ergebnis;
  for (const HilfeStichwort& treffer : SucheStichworte(seiten, wort)) {
    if (std::find(ergebnis.begin(), ergebnis.end(), treffer.seite) == ergebnis.end()) {
      ergebnis.push_back(treffer.seite);
    }
  }
  return ergebnis;
}

std::string HilfeSeiteAlsHtml(const std::vector<HilfeSeite>& seiten, std::size_t seite) {
  if (seite >= seiten.size()) return {};
  std::string html = "<h2>" + HtmlMaskiert(seiten[seite].titel) + "</h2>\n";
  enum class Block { Keiner, Absatz, Liste } block = Block::Keiner;
  auto schliesse = [&] {
    if (block == Block::Absatz) html += "</p>\n";
    if (block == Block::Liste) html += "</li></ul>\n";
    block = Block::Keiner;
  };
  std::string_view text = seiten[seite].text;
  while (true) {
    const std::size_t ende = text.find('\n');
    const std::string_view zeile = text.substr(0, ende);
    if (Getrimmt(zeile).empty()) {
      schliesse();
    } else if (BeginntMit(zeile, "- ")) {
      if (block == Block::Liste) {
        html += "</li>\n";
      } else {
        schliesse();
        html += "<ul>\n";
        block = Block::Liste;
      }
      html += "<li>" + ZeileAlsHtml(seiten, Getrimmt(zeile.substr(2)));
    } else if (block == Block::Liste && IstLeer(zeile.front())) {
      html += ' ' + ZeileAlsHtml(seiten, Getrimmt(zeile));
    } else {
      if (block == Block::Absatz) {
        html += ' ';
      } else {
        schliesse();
        html += "<p>";
        block = Block::Absatz;
      }
      html += ZeileAlsHtml(seiten, Getrimmt(zeile));
    }
    if (ende == std::string_view::npos) break;
    text.remove_prefix(ende + 1);
  }
  schliesse();
  return html;
}

std::size_t SeiteAusVerweis(const std::vector<HilfeSeite>& seiten, const std::string& ziel) {
  constexpr std::string_view vorsatz = "seite:";
  if (!BeginntMit(ziel, vorsatz) || ziel.size() == vorsatz.size()) return seiten.size();
  std::size_t index = 0;
  const char* anfang = ziel.data() + vorsatz.size();
  const char* ende = ziel.data() + ziel.size();
  const auto [stelle, fehler] = std::from_chars(anfang, ende, index);
  if (fehler != std::errc() || stelle != ende || index >= seiten.size()) return seiten.size();
  return index;
}

}  // namespace velmora
