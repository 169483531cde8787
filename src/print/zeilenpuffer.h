#pragma once
// The line buffer of wrapped texts, the word wrap, and the two operations that print a
// text or a block of lines at a format entry on the internal sheets.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "print/druckflaeche.h"
#include "print/formatsteuertabelle.h"

namespace velmora {

// Fixed origin of the internal sheets (data sheet, test sheet): 15.0 mm right of and
// 15.0 mm below the corner of the printable area.
inline constexpr int InternRandLinks = 150;
inline constexpr int InternRandOben = 150;

// A fixed number of lines of at most 80 characters each; the program shares one buffer of
// 12 lines between its printouts.
class TZeilenpuffer {
 public:
  static constexpr std::size_t ZeilenLaenge = 80;
  static constexpr std::size_t StandardZeilen = 12;

  explicit TZeilenpuffer(std::size_t anzahl = StandardZeilen) : zeilen_(anzahl) {}

  std::size_t Anzahl() const { return zeilen_.size(); }
  // Line i; a line beyond the buffer reads as empty.
  const std::string& Zeile(std::size_t i) const;
  // Sets line i (cut to 80 characters); a line beyond the buffer is ignored.
  void SetzeZeile(std::size_t i, std::string_view text);

 private:
  friend void UmbrecheText(std::string_view text, std::size_t n, std::size_t w, TZeilenpuffer& puffer);
  std::vector<std::string> zeilen_;
};

// Breaks `text` into at most n lines of at most w characters in lines 0..n-1 of `puffer`
// (the other lines of the buffer are left alone). The text ends at its first character
// below 32 other than CR and LF, which includes a NUL, or at the end of the view. A CR
// starts a new line, an LF is ignored. A word that does not fit moves whole to the next
// line, keeping the blank or minus sign before it on the previous one; a blank or minus
// sign that does not fit is dropped; a word longer than a line ends the wrap; what does not
// fit into n lines is cut off. n is held to the buffer's size, w to 1..80.
void UmbrecheText(std::string_view text, std::size_t n, std::size_t w, TZeilenpuffer& puffer);

// Sets the font of entry k; only when the entry's Drucken is 1, prints `text` at
// x = InternRandLinks + X, y = -(InternRandOben + Y) (by the current alignment). An entry
// number of 100 or more does nothing.
void DruckeEintrag(DruckFlaeche& flaeche, std::size_t k, const std::string& text, const TFormatSteuerTabelle& tabelle);

// Sets the font of entry k; only when the entry's Drucken is 1, prints lines 0..n-1 of
// `puffer`, line e at x = InternRandLinks + X, y = -(InternRandOben + Y) - e * abstand.
// Empty lines are output too, so the block always takes n lines of height. n is held to
// the buffer's size; an entry number of 100 or more does nothing.
void DruckeZeilen(DruckFlaeche& flaeche, std::size_t k, std::size_t n, int abstand, const TFormatSteuerTabelle& tabelle,
                  const TZeilenpuffer& puffer);

}  // namespace velmora
