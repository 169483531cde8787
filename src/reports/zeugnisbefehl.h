#pragma once
// The report print command of the main window: checks school type, report type and print
// mode of the current student, in that order, and prints that student's report card.
#include <optional>
#include <string>

#include "basis/meldungen.h"
#include "print/druckflaeche.h"
#include "print/druckvorschau.h"
#include "print/zeilenpuffer.h"
#include "printcommands/druckkontext.h"
#include "reports/drucken1.h"
#include "reports/velmoallgdrk.h"
#include "reports/zeugnisarchiv.h"

namespace velmora {

// The refusal texts of the report print command (shown in the "Fehler" box).
std::string ZeugnisKeineGueltigeSchulartText();
std::string ZeugnisKeineSchulartText();
std::string ZeugnisartNichtVorgesehenText();
std::string ZeugnisKeinTypText();
std::string ZeugnisNichtDruckenText();
std::string ZeugnisBedruckungsartFehltText();

// What the three checks decide for one record and print mode: a report type to print, or
// nothing (with the message to show, if any).
struct ZeugnisEntscheidung {
  std::optional<Zeugnistyp> typ;      // set: print this report
  std::optional<std::string> fehler;  // set: show this text in the "Fehler" box
  bool nichtVerfuegbar = false;       // print modes 3 and 4: the plain not-available notice
};
ZeugnisEntscheidung EntscheideZeugnis(std::int16_t schulart, std::int16_t zeugnisart, std::int16_t druckart);

// What a report command reads, prints on and asks through; shared by the command for one
// student and the one for the class.
class ZeugnisUmfeld {
 public:
  ZeugnisUmfeld(const DruckKontext& kontext, DruckFlaeche& flaeche, Meldungen& meldungen,
                FormularSeitenAbfrage& abfrage, TZeilenpuffer& puffer, Druckvorschau& vorschau)
      : kontext_(kontext),
        flaeche_(flaeche),
        meldungen_(meldungen),
        abfrage_(abfrage),
        puffer_(puffer),
        vorschau_(vorschau) {}

  // The archive that every report printed also goes into, where its settings say so; none
  // (as at first): no archive copies.
  void SetzeArchiv(Zeugnisarchiv* archiv) { archiv_ = archiv; }

 protected:
  // After a print whose session ended with `ende`: the archive copies of the slots
  // `gedruckt`, printed on `papier`. A file that could not be written holds no report: no
  // copies then.
  ArchivErgebnis Archiviere(const Sitzungsende& ende, const std::vector<std::size_t>& gedruckt,
                            const std::string& papier);
  // The "Warnung" of the copies that went wrong, after the closing notice of the print.
  void MeldeArchiv(const ArchivErgebnis& ergebnis);

  DruckKontext kontext_;
  DruckFlaeche& flaeche_;
  Meldungen& meldungen_;
  FormularSeitenAbfrage& abfrage_;
  TZeilenpuffer& puffer_;
  Druckvorschau& vorschau_;
  Zeugnisarchiv* archiv_ = nullptr;
};

class Zeugnisbefehl : private ZeugnisUmfeld {
 public:
  using ZeugnisUmfeld::SetzeArchiv;
  using ZeugnisUmfeld::ZeugnisUmfeld;

  // "&Zeugnis", the button "Zeugnis drucken" and the tool-bar button: the report of the
  // current student as last stored (edits not yet taken over are not seen). A file error
  // (an unwritable or unreadable table file) is shown in the "Fehler" box. When a text does
  // not fit the form, a "Warnung" names it and asks whether to print anyway; "Nein" prints
  // nothing. With archive copies on, the printed report goes into the archive as well.
  void Zeugnis1Click();
  // "Zeugnisse" in the file menu, after the system print dialog: only when the user
  // confirmed the dialog, the same as Zeugnis1Click.
  void Zeugnis2Click(bool druckdialogBestaetigt);
  // "Zeugnis-&Vorschau...": the same checks and messages as Zeugnis1Click; then every form
  // page the print would print, in a preview, without page prompts.
  void ZeugnisVorschauClick();
  // "Zeugnis auf &weißes Papier...": after the same refusals as Zeugnis1Click, the current
  // student's complete report on plain paper as one print job, without page prompts; into the
  // archive as well where archive copies are on.
  void WeissesPapierClick();

 private:
  // The three checks for the current student: the report type to print, or nothing after
  // the message (if any) has been shown.
  std::optional<Zeugnistyp> Pruefe();
};

}  // namespace velmora
