#pragma once
// The three lists of the class's report texts on plain paper: the class report texts, the
// collective form for handwritten notes and the filled class report texts. One block per
// student (a gap, the name line, twelve text lines), several students per page, laid out by
// a fixed built-in table on the "interne Formulare" margins of the print settings.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "basis/meldungen.h"
#include "basis/version.h"
#include "classdata/schuelerdatensatz.h"
#include "print/druckflaeche.h"
#include "print/druckvorschau.h"
#include "print/formatsteuertabelle.h"
#include "print/zeilenpuffer.h"
#include "printcommands/druckkontext.h"
#include "settings/druckeinstellungen.h"

namespace velmora {

// What one list prints.
struct ZeugnistextAuswahl {
  bool MitTexten = true;         // print each student's Hinweise below the name line
  bool NurAusgefuellte = false;  // leave out students whose Hinweise holds no text
};

// The fixed layout of the lists.
inline constexpr int kZeugnistextStart = 100;         // y0: first position below the page origin
inline constexpr int kZeugnistextZeilen = 12;         // text lines per student
inline constexpr int kZeugnistextLeereHoehe = 30;     // line height of the collective form
inline constexpr int kZeugnistextFussAbstand = 2820;  // footer: 282.0 mm below the paper's top edge

// The four entries of the built-in table: heading, name line, text block, footer. The Y of
// the first three is the current position and is set while printing; the footer's Y is
// 2820 - top, so that it lands at the same place on the paper whatever the top margin.
enum ZeugnistextEintrag : std::size_t { kTextUeberschrift = 0, kTextNamenszeile = 1, kTextBlock = 2, kTextFuss = 3 };
std::array<TFormatEintrag, 4> ZeugnistextTabelle(std::int32_t oben);

// Students per page for the top margin `oben` and the line height `h`: the integer part of
// (2670 - oben - 100 - 2h) / (15h), computed in floating point. Held to 0..36: every value
// from 36 up lets all 35 students onto one page, and 0 or below fills every page at its
// first student; a line height of 0 (2670 - oben - 100 over 0) thus counts as "no limit"
// when the top margin leaves room and as 0 otherwise, instead of an undefined conversion.
int ZeugnistexteProSeite(std::int32_t oben, int h);

// Characters per wrapped line by the form publisher: 74 for 1, 79 for 2, 75 otherwise.
std::size_t ZeugnistextZeilenbreite(std::int16_t verlag);

// True when the record's Hinweise (up to its first NUL) sorts after "   - - -" as a string
// of unsigned character codes; the empty text, the placeholder and any text that orders
// below it (one starting with a line break, say) count as no text.
bool HatZeugnistext(const TSchuelerDatensatz& satz);

// The texts of a list.
std::string ZeugnistextUeberschrift(bool mitTexten);
std::string ZeugnistextNamenszeile(const TSchuelerDatensatz& satz);  // "Vornamen Name, Klasse"
// The footer names the program with its version.
inline std::string ZeugnistextFusszeile() { return ProgrammMitVersion(); }

// One print job: from slot `ersterSchueler` on, up to the first free slot or the end of
// the class, each student as a block; a heading on top of every page that receives a
// student, the footer at the bottom of every page. Pages begin with the surface's
// NeueSeite. The line height is the low 16 bits of Zeilenhoehe with texts and 30 without;
// the margins are the "interne Formulare" page-1 pair of Raender, shifted by the printer's
// unprintable border. `puffer` (at least 12 lines) receives each wrapped text. Returns
// false when the job could not be started (nothing drawn) or not be completed.
bool DruckeZeugnistexte(DruckFlaeche& flaeche, const TKlassenDatei& klasse, std::size_t ersterSchueler,
                        ZeugnistextAuswahl auswahl, const TDruckEinstellungen& druck, std::int16_t verlag,
                        TZeilenpuffer& puffer);

// The three commands of the print menu. Each asks first in an information box with OK and
// Cancel and prints only on OK, starting at the current student of the main window.
class Zeugnistextbefehle {
 public:
  Zeugnistextbefehle(const DruckKontext& kontext, DruckFlaeche& flaeche, Meldungen& meldungen, TZeilenpuffer& puffer,
                     Druckvorschau& vorschau)
      : kontext_(kontext), flaeche_(flaeche), meldungen_(meldungen), puffer_(puffer), vorschau_(vorschau) {}

  // "Klassen-Zeugnistexte (Hinweise ...)": names with their texts.
  void KlassenZeugnistexte1Click();
  // "Sammelformular Klassen-Zeugnistexte": names with empty space for notes.
  void Sammelformular1Click();
  // "ausgefüllte Klassen-Zeugnistexte (Hinw. ...)": only the students with a text.
  void AusgefuellteZeugnistexte1Click();

  // The three lists in the preview, without the question, from the current student on.
  void KlassenZeugnistexteVorschau() { Vorschau({true, false}); }
  void SammelformularVorschau() { Vorschau({false, false}); }
  void AusgefuellteZeugnistexteVorschau() { Vorschau({true, true}); }

  // The confirmation texts of the three commands, in the order above.
  static std::string BestaetigungKlassenZeugnistexte();
  static std::string BestaetigungSammelformular();
  static std::string BestaetigungAusgefuellte();

 private:
  void Drucke(const std::string& frage, ZeugnistextAuswahl auswahl);
  void Vorschau(ZeugnistextAuswahl auswahl);
  std::size_t ErsterSchueler() const;
  std::string Sitzung() const;

  DruckKontext kontext_;
  DruckFlaeche& flaeche_;
  Meldungen& meldungen_;
  TZeilenpuffer& puffer_;
  Druckvorschau& vorschau_;
};

}  // namespace velmora
