#pragma once
// What a printout put on the paper as boxes, with the checks a complete printout on plain
// paper must pass: every box inside the margins, no two texts overlapping, no line through
// a text, every expected text printed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/aufzeichnende_flaeche.h"

namespace velmora::test {

// A box in 1/10 mm from the paper's top-left corner, y downwards. A stroke (a line or one
// side of a frame) is a box of no width or no height. An image is a box that no text and no
// stroke may enter, as a text's.
struct Kasten {
  int seite = 1;
  double links = 0, oben = 0, rechts = 0, unten = 0;
  std::string text;  // empty for a stroke and an image
  bool strich = false;
  std::string bild{};  // an image's file
};

// The texts, lines, frames and images of a recording, page by page in drawing order. A text's box
// is as wide as the width model of the kern says and as high as its font's cell, placed by
// the alignment it was drawn with. The recording surface has no unprintable border, so the
// surface's origin is the paper's corner.
std::vector<Kasten> KaestenAus(const AufzeichnendeFlaeche& flaeche);

// Every box lies on an A4 page at least `rand` from each edge (up to `toleranz`).
::testing::AssertionResult AlleImRand(const std::vector<Kasten>& kaesten, double rand, double toleranz = 0);

// No two text boxes of one page overlap and no stroke runs through a text box (touching is
// allowed; `toleranz` is taken off every box first).
::testing::AssertionResult KeineUeberlappung(const std::vector<Kasten>& kaesten, double toleranz = 0);

// `text` is printed: its words, in order, make up whole texts of the boxes, which follow each
// other in drawing order (other texts may stand between them, as a page's head between the
// lines of a text that goes on over a page break).
::testing::AssertionResult Gedruckt(const std::vector<Kasten>& kaesten, const std::string& text);

// The texts of one page, in drawing order.
std::vector<std::string> TexteDerSeite(const std::vector<Kasten>& kaesten, int seite);

}  // namespace velmora::test
