#pragma once
// Does a student's report fit the form it is printed on? For the form of the student's
// report type, as the print uses it: how many lines each wrapped text block (Hinweise,
// Bemerkungen) needs and how many it has room for before it reaches the next printed item
// below it, and which subject or learning-field text runs into the next column. Measured on
// the items the report body draws (ZeugnisBlattPosten), with the print's word wrap and the
// printer surface's width model, on the pages the print's page sequence prints.
//
// Only the publishers' forms are measured: the report on plain paper flows and wraps to its
// page, so nothing of this applies there.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "classdata/schuelerdatensatz.h"
#include "printcommands/druckkontext.h"
#include "reports/drucken1.h"
#include "settings/druckeinstellungen.h"

namespace velmora {

// One wrapped text block on the form.
struct BlockPlatz {
  std::size_t eintrag = 0;      // kEintragHinweise or kEintragBemerkungen
  bool gedruckt = false;        // the block's entry is printed on a page the print prints
  int benoetigt = 0;            // lines the whole text needs at the form's line width
  int platz = 0;                // lines before the next item below or the paper's foot, at most the
                                // lines the report prints of the block
  bool unvollstaendig = false;  // the print leaves out part of the text within those lines
                                // (a word longer than a line ends the wrap)
  bool Passt() const { return !gedruckt || (benoetigt <= platz && !unvollstaendig); }
};

// A subject or learning-field text wider than its place in its row.
struct SpaltenUeberlauf {
  bool lernfeld = false;   // false: a subject's name
  std::string text;        // without blanks at its ends
  bool blattrand = false;  // no column right of it: it runs over the paper's edge
  bool operator==(const SpaltenUeberlauf&) const = default;
};

// The result for one student on one form.
struct Formularplatz {
  std::string formular;  // the form's title
  std::vector<BlockPlatz> bloecke;
  std::vector<SpaltenUeberlauf> ueberlaeufe;
  std::string lesefehler;  // set: the table file could not be read, nothing was measured

  bool Passt() const;
  // The block at this entry; nullptr when the report body has none there.
  const BlockPlatz* Block(std::size_t eintrag) const;
  // What does not fit, one text each, e.g. "Hinweise: 3 Zeilen zu lang".
  std::vector<std::string> Probleme() const;
};

// The name of a block: "Hinweise", "Bemerkungen".
std::string BlockName(std::size_t eintrag);

// The line count under a text box of the editor: "7 von 9 Zeilen auf dem Formular", or that
// the form does not print the block.
std::string ZeilenAngabe(const BlockPlatz& block);

// The problems in one line, for the class window's column "Hinweis"; empty when all fits.
std::string FormularplatzHinweis(const Formularplatz& platz);

// The question before a report is printed that does not fit its form (`name` is the
// student's name as the report prints it).
std::string FormularplatzWarnung(const Formularplatz& platz, const std::string& name);

// Measures the student's sheet on `formular` (table, margins and counts as the print uses
// them); `verlag` and `schulname` as the report body draws them.
Formularplatz MissFormularplatz(const ZeugnisFormular& formular, const TSchuelerDatensatz& satz,
                                const TDruckEinstellungen& druck, std::int16_t verlag, const std::string& schulname);

// The check as the windows use it, once per keystroke or per student: the form of the
// record's report type as the print would use it (the table file when it exists, read as
// the print reads it; otherwise the built-in layout, and the missing file is not written),
// kept from one check to the next and read again only when its file, the publisher, the
// print mode or the report type changed. A faulty table's notice is not shown here (the
// print shows it).
class FormularplatzPruefer {
 public:
  explicit FormularplatzPruefer(const DruckKontext& kontext) : kontext_(kontext) {}

  // Nothing when the record's report is not printed on a form: no printable report type,
  // or a print mode that prints no form (no print, or the form itself on plain paper).
  std::optional<Formularplatz> Pruefe(const TSchuelerDatensatz& satz);
  // The same for the record with the editor's texts of Hinweise and Bemerkungen, not yet
  // stored (code page 1252, CR LF; cut to their fields as storing cuts them).
  std::optional<Formularplatz> Pruefe(const TSchuelerDatensatz& satz, const std::string& hinweise,
                                      const std::string& bemerkungen);

  // How often a table was read or taken from the built-in layout.
  int Ladevorgaenge() const { return ladevorgaenge_; }

 private:
  struct Schluessel {
    Zeugnistyp typ = Zeugnistyp::Halbjahr;
    std::int16_t verlag = 0;
    std::int16_t druckart = 0;
    bool vorhanden = false;
    // The table's bytes: a time stamp would miss a table aligned twice within its
    // resolution (a second on Windows' C library), the size one moved by the same digits.
    std::optional<std::vector<std::uint8_t>> inhalt;
    bool operator==(const Schluessel&) const = default;
  };

  DruckKontext kontext_;
  std::optional<Schluessel> schluessel_;
  ZeugnisFormular formular_;
  std::string lesefehler_;
  int ladevorgaenge_ = 0;
};

}  // namespace velmora
