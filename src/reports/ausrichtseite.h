#pragma once
// What a page of a printout shows, entry by entry, for the page view of the form alignment:
// every text where and how the printer surface draws it for the current student, the lines,
// and which entry of the chosen table each mark belongs to.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "print/druckflaeche.h"
#include "print/formatsteuertabelle.h"
#include "reports/ausrichttabelle.h"

namespace velmora {

// A text as the printout draws it, placed on the paper: (x, y) is its reference point in 1/10
// mm from the paper's top-left corner, y downwards; the font and placement rules are those of
// the printer surface.
struct GezeichneterText {
  std::string text;
  int x = 0;
  int y = 0;
  std::uint16_t stil = 0;
  int hoehe = 45;
  std::string schrift;
  Textausrichtung ausrichtung = Textausrichtung::LinksUnten;
  int zeichenabstand = 0;
  bool operator==(const GezeichneterText&) const = default;
};

// A line, or the outline of a rectangle by two opposite corners, on the paper (1/10 mm, y
// downwards).
struct GezeichneteLinie {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool rahmen = false;
  bool operator==(const GezeichneteLinie&) const = default;
};

// An image (the school's logo on plain paper) by two opposite corners on the paper (1/10 mm,
// y downwards), drawn from its file scaled into that box.
struct GezeichnetesBild {
  std::string datei;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const GezeichnetesBild&) const = default;
};

// What one entry of the chosen table shows on the page. `nurNummer` marks an entry for which
// the printout draws nothing with this student: it then shows its number at its place.
struct EintragsBild {
  std::size_t eintrag = 0;
  bool gedruckt = true;  // Drucken is 1; otherwise shown greyed on demand
  bool nurNummer = false;
  std::vector<GezeichneterText> texte;
  std::vector<GezeichneteLinie> linien;
  std::vector<GezeichnetesBild> bilder;
};

struct AusrichtBild {
  std::vector<EintragsBild> eintraege;   // in the order of their numbers
  std::vector<GezeichneterText> umfeld;  // what else the page prints: the other table, fixed texts
  std::vector<GezeichneteLinie> linien;  // lines of no entry of the chosen table
  std::vector<GezeichnetesBild> bilder;  // images of no entry of the chosen table
  // Plain paper: the pages the current student's report has (the second choice shows
  // nothing where it has one).
  std::size_t seiten = 1;
};

// The chosen page as the printout draws it with `tabelle` (and the `partner` table of the
// same printout, see PartnerWahl; any table where there is none). With `auchNichtGedruckte`
// the entries whose Drucken is not 1 are drawn too, where they would print if they were
// switched on. Entries of other pages are left out.
//
// The forms and internal sheets are printed once for each entry with only that entry
// switched on, so that whatever it draws is known to be its own; the plain-paper report is
// laid out once, and its planner names the entry of every text and line.
AusrichtBild ZeichneAusrichtSeite(const AusrichtUmgebung& u, const AusrichtWahl& wahl,
                                  const TFormatSteuerTabelle& tabelle, const TFormatSteuerTabelle& partner,
                                  bool auchNichtGedruckte);

}  // namespace velmora
