#pragma once
// The reports of the whole class in one command ("Zeugnisse der Klasse"): the list of the
// students with what the single-student report command would decide for each, and the
// print of the ticked ones. On the publishers' forms a teacher feeds the printer one kind
// of form sheet at a time, so the print asks once per form page (or page pair) for all
// ticked students of one layout and prints them in one job, in slot order.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "basis/meldungen.h"
#include "print/druckvorschau.h"
#include "printcommands/druckkontext.h"
#include "reports/drucken1.h"
#include "reports/zeugnisbefehl.h"

namespace velmora {

// One line of the class window: a slot that is not free.
struct KlassenZeugnisZeile {
  std::size_t schueler = 0;       // the slot
  std::string name;               // as the reports print it: first names, blank, surname
  std::string zeugnisart;         // the report type in words
  std::optional<Zeugnistyp> typ;  // set: the report can be printed
  std::string verweigerung;       // otherwise: why not, in words
  std::string formularplatz;      // on the forms: what does not fit ("Hinweise: 3 Zeilen zu lang")
};

// The report types as the editor names them; "kein Zeugnistyp" for any other value.
std::string ZeugnisartName(std::int16_t zeugnisart);

// Why the single-student command prints no report, in words: its refusal message, the
// not-available notice, or, for the school types it ends silently on, which school type.
std::string VerweigerungInWorten(const ZeugnisEntscheidung& e, std::int16_t schulart);

// How many reports a class print printed: completely (every job of the page sequence) or
// only in part (a prompt cancelled, or the print ended early).
struct KlassenDruckErgebnis {
  int vollstaendig = 0;
  int teilweise = 0;
  bool aufFormularen = true;            // false: complete reports on plain paper
  std::vector<std::size_t> gedruckt{};  // the slots printed, in whole or in part
  bool operator==(const KlassenDruckErgebnis&) const = default;
};
// The text of the closing "Information" box.
std::string KlassenDruckMeldung(const KlassenDruckErgebnis& ergebnis);

// A class print, its files read, ready to draw.
class KlassenDruckauftrag {
 public:
  virtual ~KlassenDruckauftrag() = default;
  // The sheet a preview lays its pages on: A3 landscape when any job needs it.
  virtual Blattformat GroesstesBlatt() const = 0;
  // Prints onto `flaeche`, asking `abfrage` before each job. Reads no files, throws nothing.
  virtual KlassenDruckErgebnis Drucke(DruckFlaeche& flaeche, FormularSeitenAbfrage& abfrage) const = 0;
};

// What the class print puts on paper for the students: the kind of paper decides which
// reports can be printed and how the pages are put into jobs.
class ZeugnisPapier {
 public:
  virtual ~ZeugnisPapier() = default;
  // The decision for one student, as the window shows it.
  virtual ZeugnisEntscheidung Entscheide(const TSchuelerDatensatz& satz, const DruckKontext& kontext) const = 0;
  // True for the publishers' pre-printed forms, where a text may not fit its place.
  virtual bool AufFormularen() const { return false; }
  // Reads the files the print of `schueler` (printable slots, in slot order) needs; a
  // faulty file throws EAFehler before anything is printed.
  virtual std::unique_ptr<KlassenDruckauftrag> Vorbereiten(const DruckKontext& kontext, Meldungen& meldungen,
                                                           TZeilenpuffer& puffer,
                                                           const std::vector<std::size_t>& schueler) const = 0;
};

// The publishers' pre-printed forms of the program settings: the decisions of the single
// report command; per layout (half-year, year, leaving, final report, in this order) its
// table, margins and page sequence as for one student, each prompt naming the number of
// students ("<n> Schüler"), each job holding every student of that layout on a sheet of
// their own.
class Formularpapier : public ZeugnisPapier {
 public:
  ZeugnisEntscheidung Entscheide(const TSchuelerDatensatz& satz, const DruckKontext& kontext) const override;
  bool AufFormularen() const override { return true; }
  std::unique_ptr<KlassenDruckauftrag> Vorbereiten(const DruckKontext& kontext, Meldungen& meldungen,
                                                   TZeilenpuffer& puffer,
                                                   const std::vector<std::size_t>& schueler) const override;
};

// "D&rucken > Zeugnisse der &Klasse...": the logic behind the class window.
class Klassenzeugnisbefehl : private ZeugnisUmfeld {
 public:
  using ZeugnisUmfeld::SetzeArchiv;
  using ZeugnisUmfeld::ZeugnisUmfeld;

  // The paper the command prints on (the forms unless set otherwise); it must outlive
  // the command.
  void SetzePapier(const ZeugnisPapier& papier) { papier_ = &papier; }
  // Back to the publishers' forms.
  void SetzeFormularpapier() { papier_ = &formulare_; }

  // Every slot that is not free, in slot order, with the decision for it and, for a
  // report printed on the forms, what does not fit there.
  std::vector<KlassenZeugnisZeile> Zeilen() const;
  // The lines for the window to open with; with no student in the class it says so in an
  // "Information" box and gives none (the window then stays closed).
  std::vector<KlassenZeugnisZeile> Oeffnen();
  static std::string LeereKlasseText();

  // "&Drucken": prints the reports of the ticked slots (refused ones are left out), then
  // says in an "Information" box how many were printed, and into which file where they went
  // into one. A file error is shown in the "Fehler" box first; a PDF file that could not be
  // written gets no count at all. With archive copies on, every report printed goes into the
  // archive as well; what went wrong there is named in a "Warnung" after the notice.
  void Drucken(const std::vector<std::size_t>& auswahl);
  // "&Vorschau": every page the print would print, without prompts, in the preview.
  void Vorschau(const std::vector<std::size_t>& auswahl);

 private:
  std::vector<std::size_t> Druckbare(const std::vector<std::size_t>& auswahl) const;
  std::string Sitzung(const std::vector<std::size_t>& schueler) const;

  Formularpapier formulare_;
  const ZeugnisPapier* papier_ = &formulare_;
};

}  // namespace velmora
