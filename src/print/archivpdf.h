#pragma once
// The port that writes an archive copy: a PDF/A-1b file (every font embedded, the document's
// title, author and creation date in its XMP metadata) of what a drawing prints. The file is
// whole under its name or not there: it is written under its temporary name and renamed once
// complete (print/pdfdatei.h).
#include <filesystem>
#include <functional>
#include <string>

#include "print/druckflaeche.h"

namespace velmora {

// The metadata of an archive copy, code page 1252.
struct PdfAAngaben {
  std::string titel;  // the report type and the student
  std::string autor;  // the school
  bool operator==(const PdfAAngaben&) const = default;
};

class ArchivPdf {
 public:
  virtual ~ArchivPdf() = default;
  // Writes `datei` (its folder is made where missing) with every page that `zeichne` draws
  // onto the surface it is given: `zeichne` begins and ends its print jobs itself, and every
  // further job continues the file on a new page. False, and no file, when `zeichne` began no
  // job. A file or folder that cannot be written throws PdfFehler, an EAFehler of `zeichne`
  // is passed on; the file is not there then.
  virtual bool Schreibe(const std::filesystem::path& datei, const PdfAAngaben& angaben,
                        const std::function<void(DruckFlaeche&)>& zeichne) = 0;
};

}  // namespace velmora
