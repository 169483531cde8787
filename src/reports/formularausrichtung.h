#pragma once
// Formularausrichtung: what the window "Formular ausrichten" does, without the window. It
// holds the chosen page and its table with undo, the entries selected on the page, the
// background of the table, and writes the table when asked; it asks before unsaved changes
// are dropped.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "basis/meldungen.h"
#include "basis/uhr.h"
#include "print/zeilenpuffer.h"
#include "printcommands/druckkontext.h"
#include "reports/ausrichtseite.h"
#include "reports/ausrichttabelle.h"
#include "reports/formularhintergrund.h"
#include "reports/velmoallgdrk.h"

namespace velmora {

// "Änderungen an <file> speichern?"
std::string AenderungenSpeichernText(const std::string& datei);
// "Das Bild <path> kann nicht gelesen werden."
std::string BildNichtLesbarText(const std::string& pfad);

class Formularausrichtung {
 public:
  // `flaeche`: the printer surface, for the test print and for the printer's unprintable
  // border, which places the internal sheets.
  Formularausrichtung(const DruckKontext& kontext, DruckFlaeche& flaeche, Meldungen& meldungen,
                      FormularSeitenAbfrage& abfrage, TZeilenpuffer& puffer, const Uhr& uhr);

  // Opens on the publisher's half-year report, page 1, with its lowest-numbered printed
  // entry selected. When that table cannot be read or created (the error is shown), on the
  // first other existing table; false when there is none.
  bool Oeffnen();

  const std::vector<AusrichtWahl>& Wahlen() const { return wahlen_; }
  std::size_t WahlIndex() const { return wahl_; }
  const AusrichtWahl& Wahl() const { return wahlen_[wahl_]; }
  // Shows another choice. Another page of the same file keeps the table as it stands; another
  // file with unsaved changes asks "Änderungen an <file> speichern?" first. False when the
  // user cancelled, the save failed or the new table could not be read: the old choice stays.
  bool Waehle(std::size_t index);

  const AusrichtTabelle& Tabelle() const { return tabelle_; }
  const Papier& PapierDerSeite() const { return papier_; }
  Seitenursprung Ursprung() const;
  const AusrichtBild& Bild() const { return bild_; }
  const AusrichtUmgebung& Umgebung() const { return *umgebung_; }
  void ZeigeNichtGedruckte(bool ja);
  bool NichtGedruckteSichtbar() const { return nichtGedruckte_; }
  // What entry `eintrag` prints on this page, its texts joined by " / "; empty where it is
  // not on the page.
  std::string DruckTextVon(std::size_t eintrag) const;

  const std::vector<std::size_t>& Auswahl() const { return auswahl_; }
  void SetzeAuswahl(std::vector<std::size_t> eintraege);

  // Moves the selected entries, or every entry of the page, in 1/10 mm; one undo step each.
  void VerschiebeAuswahl(int dx, int dy);
  void VerschiebeAlle(int dx, int dy);
  void Setze(std::size_t eintrag, AusrichtTabelle::Feld feld, std::uint16_t wert);
  bool Rueckgaengig();

  // Writes the table (title kept) through a temporary file; an error is shown and false
  // returned.
  bool Speichern();
  // The current student's printout of the table as it stands.
  void Probedruck();
  // Before the window closes: asks about unsaved changes. False when the window stays open.
  bool DarfSchliessen();

  const std::optional<Hintergrund>& HintergrundDerSeite() const { return hintergrund_; }
  // A new image under the shown page, at the paper's corner and width; remembered beside the
  // table for this page.
  bool SetzeHintergrundBild(const std::string& pfad);
  // Where the image lies; remembered beside the table. False when the settings could not be
  // written (the error was shown).
  bool SetzeHintergrundLage(double links, double oben, double massstab);

 private:
  bool Lade(std::size_t index);
  bool FrageUndSpeichere();
  void Neuzeichnen();
  // On plain paper: the school's head, logo and statements, read once per opening of the
  // window; what cannot be read is told when its first plain-paper page is shown.
  void LadeWeissAusstattung();
  void WaehleErstenGedruckten();
  void LadeHintergrundDerSeite();
  bool SpeichereHintergrund(const Hintergrund& h);

  DruckKontext kontext_;
  DruckFlaeche& flaeche_;
  Meldungen& meldungen_;
  FormularSeitenAbfrage& abfrage_;
  TZeilenpuffer& puffer_;
  const Uhr& uhr_;
  // The class, student and names of the moment the window opened.
  std::optional<AusrichtUmgebung> umgebung_;
  std::optional<WeissTabellenVorrat> weissVorrat_;
  std::vector<AusrichtWahl> wahlen_;
  std::size_t wahl_ = 0;
  AusrichtTabelle tabelle_;
  TFormatSteuerTabelle partner_{};
  Papier papier_;
  AusrichtBild bild_;
  bool nichtGedruckte_ = false;
  std::vector<std::size_t> auswahl_;
  std::optional<Hintergrund> hintergrund_;
};

}  // namespace velmora
