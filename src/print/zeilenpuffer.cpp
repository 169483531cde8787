#include "print/zeilenpuffer.h"

#include <algorithm>

#include "print/schriften.h"

namespace velmora {

const std::string& TZeilenpuffer::Zeile(std::size_t i) const {
  static const std::string kLeer;
  return i < zeilen_.size() ? zeilen_[i] : kLeer;
}

void TZeilenpuffer::SetzeZeile(std::size_t i, std::string_view text) {
  if (i >= zeilen_.size()) return;
  zeilen_[i] = std::string(text.substr(0, ZeilenLaenge));
}

void UmbrecheText(std::string_view text, std::size_t n, std::size_t w, TZeilenpuffer& puffer) {
  n = std::min(n, puffer.Anzahl());
  w = std::clamp<std::size_t>(w, 1, TZeilenpuffer::ZeilenLaenge);
  auto& zeilen = puffer.zeilen_;
  for (std::size_t i = 0; i < n; ++i) zeilen[i].clear();

  // The text as a NUL-ended array: every index past the view reads as NUL.
  auto zeichen = [&](long j) -> unsigned char {
    return j >= 0 && static_cast<std::size_t>(j) < text.size() ? static_cast<unsigned char>(text[j]) : 0;
  };
  auto trennt = [](unsigned char c) { return c == ' ' || c == '-'; };

  if (zeichen(1) == 0) return;  // fewer than two characters: nothing to print

  const long grenze = static_cast<long>(n * w);
  long j = 0;
  std::size_t i = 0;
  bool halt = false;
  bool ueberlauf = false;
  while (j <= grenze && !halt && !ueberlauf && i < n) {
    const unsigned char c = zeichen(j);
    std::string& zeile = zeilen[i];
    if (c < 32 && c != '\r' && c != '\n') {
      halt = true;  // the NUL at the end, a tab or another control character
    } else if (c == '\n') {
      // ignored; the CR before it has broken the line
    } else if (c == '\r') {
      ++i;
    } else if (zeile.size() < w) {
      zeile.push_back(static_cast<char>(c));
    } else if (trennt(c)) {
      ++i;  // the blank or minus sign that no longer fits is dropped
    } else {
      // The line is full inside a word: give back characters up to the last break. The
      // line's last character goes before the test, so a line full up to and including a
      // blank also gives back the word before that blank.
      ueberlauf = true;
      do {
        --j;
        zeile.pop_back();
      } while (!zeile.empty() && !trennt(static_cast<unsigned char>(zeile.back())));
      if (!zeile.empty()) ueberlauf = false;  // a word longer than a line ends the wrap
      ++i;
      --j;
    }
    ++j;
  }
}

void DruckeEintrag(DruckFlaeche& flaeche, std::size_t k, const std::string& text, const TFormatSteuerTabelle& tabelle) {
  if (k >= tabelle.size()) return;
  const TFormatEintrag& e = tabelle[k];
  SetzeSchrift(flaeche, e);
  if (e.Drucken != 1) return;
  flaeche.TextAus(InternRandLinks + e.X, -(InternRandOben + e.Y), text);
}

void DruckeZeilen(DruckFlaeche& flaeche, std::size_t k, std::size_t n, int abstand, const TFormatSteuerTabelle& tabelle,
                  const TZeilenpuffer& puffer) {
  if (k >= tabelle.size()) return;
  const TFormatEintrag& e = tabelle[k];
  SetzeSchrift(flaeche, e);
  if (e.Drucken != 1) return;
  n = std::min(n, puffer.Anzahl());
  const int x = InternRandLinks + e.X;
  const int y = -(InternRandOben + e.Y);
  for (std::size_t zeile = 0; zeile < n; ++zeile) {
    flaeche.TextAus(x, y - static_cast<int>(zeile) * abstand, puffer.Zeile(zeile));
  }
}

}  // namespace velmora
