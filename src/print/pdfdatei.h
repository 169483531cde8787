#pragma once
// A PDF file is whole under its name, or it is not there. The writer writes it under a
// temporary name beside its final name ("<name>.velmora-neu"); only when the writer has
// finished and the file is complete (on the disk, its trailer "%%EOF" at the end and its
// cross-reference table where the trailer says) does it get its final name. A print that
// was killed leaves at most the temporary file, which the next print into that folder
// removes.
#include <filesystem>
#include <string>

#include "basis/dateien.h"
#include "basis/eafehler.h"

namespace velmora {

// Why a PDF file or its folder could not be written: the number of the I/O convention and
// the message for the "Fehler" box, which names the file or the folder.
class PdfFehler : public EAFehler {
 public:
  PdfFehler(int nummer, std::string meldung);
  const std::string& Meldung() const { return meldung_; }

 private:
  std::string meldung_;
};

// The name a PDF file has while it is written.
std::filesystem::path PdfTeildatei(const std::filesystem::path& datei);

// Makes the folder for PDF files (with its parents) where it is missing. A folder that
// cannot be made (a file of that name in the way, no rights) throws PdfFehler naming it.
void AusgabeordnerAnlegen(const std::filesystem::path& ordner);

// Before the writer starts on `datei`: its folder exists, the temporary files that killed
// prints left there are removed, and the empty temporary file is created, so that a folder
// that takes no file is reported before anything is drawn. Throws PdfFehler.
void PdfDateiBeginnen(const std::filesystem::path& datei);

// After the writer has finished: the temporary file is pushed to the disk, checked and
// renamed to `datei` (replacing a file of that name). An incomplete file (the writer's
// writes failed on a full disk, say) or a failed rename removes the temporary file and
// throws PdfFehler naming `datei`.
void PdfDateiAbschliessen(const std::filesystem::path& datei);

// Removes the temporary file of a writer that failed or was abandoned.
void PdfDateiVerwerfen(const std::filesystem::path& datei);

// True when `inhalt` is a complete PDF file as far as its end tells: "%%EOF" at the end
// (line ends after it allowed), and "startxref" before it naming an offset inside the file
// where the cross-reference table ("xref") or stream ("<n> <g> obj") begins. A file cut off
// anywhere, or one that lost a block in the middle, fails.
bool PdfVollstaendig(const Bytes& inhalt);

// A path as the user reads it in a box: absolute, with the system's separators, code page 1252.
std::string AnzeigePfad(const std::filesystem::path& pfad);

// The messages, for a file and for the folder of the PDF files (names as code page 1252).
std::string PdfDateiFehlerText(int nummer, const std::filesystem::path& datei);
std::string AusgabeordnerFehlerText(int nummer, const std::filesystem::path& ordner, bool dateiImWeg);
std::string AusgabeordnerSchreibFehlerText(int nummer, const std::filesystem::path& ordner);

}  // namespace velmora
