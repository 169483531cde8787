#pragma once
// The printer surface: the one port through which every printout of the program draws.
// The window layer implements it on the system's printer (or a PDF file where there is
// none); the tests implement it with a recording fake.
//
// Units and coordinates, for every operation that takes a position or a length:
// - one logical unit is 0.1 mm in both directions, whatever the printer's resolution;
// - the origin is the top-left corner of the printable area of the page (not of the paper);
// - x grows to the right, y grows upwards, so a point Y tenths of a millimetre below the
//   origin has y = -Y and every point on the page has y <= 0.
// The surface sets this mapping itself when a document begins; it holds for every page of
// the job. Texts are code page 1252.
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// Where a text's reference point lies on the text. Left: the point is the left end of the
// text; centred: the point is the middle of the text's width. Baseline: the point is on the
// baseline of the first character; bottom: the point is on the bottom edge of the
// character cell.
enum class Textausrichtung {
  LinksBasislinie,  // internal sheets (data sheet, test sheet)
  LinksUnten,       // report cards and report-text forms
  MitteBasislinie,
  MitteUnten  // the school's name on the report cards
};

// The sheet a print job is laid out on. Every job is laid out on A4 portrait, except one
// that puts two form pages side by side (the right one shifted by 210 mm): A3 landscape,
// two A4 pages wide, holds both.
enum class Blattformat { A4Hoch, A3Quer };

// Font style bits; a style 0..7 is their sum.
inline constexpr std::uint16_t kStilFett = 1;
inline constexpr std::uint16_t kStilKursiv = 2;
inline constexpr std::uint16_t kStilUnterstrichen = 4;

// The device capabilities of the current printer, as the system's device-capability
// queries answer them (the names of those queries in brackets).
struct DruckerFaehigkeiten {
  int Treiberversion = 0;  // DRIVERVERSION
  int Technologie = 0;     // TECHNOLOGY: 0 plotter, 1 raster display, 2 raster printer, ...
  int BreiteMm = 0;        // HORZSIZE: width of the printable area in mm
  int HoeheMm = 0;         // VERTSIZE: height of the printable area in mm
  int BreitePixel = 0;     // HORZRES: width of the printable area in pixels
  int HoehePixel = 0;      // VERTRES: height of the printable area in pixels
  int PixelProZollX = 0;   // LOGPIXELSX
  int PixelProZollY = 0;   // LOGPIXELSY
  int SeitenOffsetX = 0;   // PHYSICALOFFSETX: paper's left edge to the printable area, pixels
  int SeitenOffsetY = 0;   // PHYSICALOFFSETY: paper's top edge to the printable area, pixels
  int Pinsel = 0;          // NUMBRUSHES
  int Stifte = 0;          // NUMPENS
  int Markierer = 0;       // NUMMARKERS
  int Farben = 0;          // NUMCOLORS
  bool operator==(const DruckerFaehigkeiten&) const = default;
};

// How a print session ended.
struct Sitzungsende {
  bool vollstaendig = true;  // false: its file could not be written and is not there
  std::string datei;         // the file it was written to, with its full path; empty on paper
  bool operator==(const Sitzungsende&) const = default;
};

class DruckFlaeche {
 public:
  virtual ~DruckFlaeche() = default;

  // --- the print command ---

  // One print command is one session of the surface: it may hold several print jobs (one
  // per page prompt of a report, say). `name` says what the command prints, as
  // "Zeugnis-Muster-Erika"; a surface that writes files puts all jobs of the session into
  // one file named after it, page after page. A session inside a session belongs to the
  // outer one. Jobs outside any session stand each on their own. By default a surface
  // does nothing here.
  virtual void BeginneSitzung(const std::string& name) { (void)name; }
  // Ends the session and says how: a file that could not be written completely is not
  // there, the surface has told the user, and the command shows no closing notice.
  virtual Sitzungsende BeendeSitzung() { return {}; }
  // Opens the folder of the file the last session was written to, in the system's file
  // manager (the button "&Ordner öffnen" of the closing notice).
  virtual void OeffneOrdnerDerLetztenDatei() {}

  // --- the print job ---

  // Starts a print job on the current printer; `titel` names the job in the printer's
  // queue, `blatt` is the sheet the job is laid out on (asked of the printer). The job's
  // first page is open afterwards. Returns false when the job could not be started (no
  // printer, job refused); the surface has then already told the user, the caller draws
  // nothing and ends its command.
  virtual bool BeginneDokument(const std::string& titel, Blattformat blatt = Blattformat::A4Hoch) = 0;

  // Ends the job and sends it to the printer. Returns false when the job could not be
  // completed (a refused page, a full disk for a PDF); the surface has told the user.
  virtual bool BeendeDokument() = 0;

  // Ends the current page and opens the next one of the same job. Mapping, alignment and
  // spacing stay as they are.
  virtual void NeueSeite() = 0;

  // --- state for the following texts (kept until changed or until the job ends) ---

  // Sets where the reference point of the following texts lies.
  virtual void SetzeTextausrichtung(Textausrichtung ausrichtung) = 0;

  // Extra space added after every character of the following texts, in logical units;
  // negative values narrow the text (a report prints a too wide assessment with -4).
  // 0 is normal spacing, and each job starts with 0.
  virtual void SetzeZeichenabstand(int extra) = 0;

  // Selects the font of the following texts: `stil` 0..7 (bold 1, italic 2, underline 4
  // added up), `hoehe` the height of the character cell (ascent plus descent) in logical
  // units, `name` the face name ("Courier New", "Times New Roman", "Arial").
  virtual void SetzeSchriftart(std::uint16_t stil, int hoehe, const std::string& name) = 0;

  // --- drawing ---

  // Draws `text` in the current font with its reference point (by the current alignment
  // and spacing) at (x, y). An empty text leaves no mark. Text outside the printable area
  // is clipped.
  virtual void TextAus(int x, int y, const std::string& text) = 0;

  // Moves the pen to (x, y) without drawing.
  virtual void BewegeZu(int x, int y) = 0;

  // Draws a line with the default pen from the pen's position to (x, y), which becomes the
  // pen's new position.
  virtual void LinieZu(int x, int y) = 0;

  // Draws the outline of the rectangle with the opposite corners (x1, y1) and (x2, y2),
  // with the default pen and without filling it.
  virtual void Rechteck(int x1, int y1, int x2, int y2) = 0;

  // Draws the PNG or JPEG image of the file `datei` (a name relative to the working
  // directory, code page 1252) scaled into the rectangle with the opposite corners (x1, y1)
  // and (x2, y2), as it looks on white paper (transparent parts white). The caller has
  // checked the file (print/bildkopf.h); one the surface cannot read after all leaves no
  // mark. By default a surface draws nothing.
  virtual void BildAus(int x1, int y1, int x2, int y2, const std::string& datei) {
    (void)x1, (void)y1, (void)x2, (void)y2, (void)datei;
  }

  // --- the current printer (may be asked at any time, also outside a job) ---

  virtual DruckerFaehigkeiten Faehigkeiten() = 0;
  // The name of the current printer as the system lists it.
  virtual std::string Druckername() = 0;
  // The fonts the current printer offers, in the order the system gives them.
  virtual std::vector<std::string> Schriftenliste() = 0;
};

// Holds a session of the surface open until Beende, or for as long as it lives, also when
// the command ends with an error.
class DruckSitzung {
 public:
  DruckSitzung(DruckFlaeche& flaeche, const std::string& name) : flaeche_(flaeche) { flaeche_.BeginneSitzung(name); }
  ~DruckSitzung() {
    if (!beendet_) flaeche_.BeendeSitzung();
  }
  DruckSitzung(const DruckSitzung&) = delete;
  DruckSitzung& operator=(const DruckSitzung&) = delete;

  // Ends the session now; the command learns whether its output is complete.
  Sitzungsende Beende() {
    if (beendet_) return {};
    beendet_ = true;
    return flaeche_.BeendeSitzung();
  }

 private:
  DruckFlaeche& flaeche_;
  bool beendet_ = false;
};

}  // namespace velmora
