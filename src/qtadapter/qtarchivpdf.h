#pragma once
// The archive copies as PDF/A-1b through QPdfWriter: drawn by the printer surface of the
// printouts (QtDruckflaeche) onto a PDF writer of their own, with the document's XMP
// metadata (title, author, creation date), the fonts embedded; written under the temporary
// name of print/pdfdatei.h and renamed once complete.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <memory>

#include "print/archivpdf.h"

namespace velmora {

class QtDruckflaeche;

// The XMP packet of an archive copy: dc:title, dc:creator (the author), xmp:CreatorTool,
// xmp:CreateDate and xmp:ModifyDate (`zeit` to the second, with its offset from UTC),
// pdf:Producer and the PDF/A identification part 1, conformance B. It says what the PDF
// writer puts into the document information (Title, Creator, Producer, CreationDate), as
// PDF/A asks.
QByteArray ArchivXmp(const QString& titel, const QString& autor, const QString& werkzeug, const QDateTime& zeit);

class QtArchivPdf : public ArchivPdf {
 public:
  QtArchivPdf();
  ~QtArchivPdf() override;
  bool Schreibe(const std::filesystem::path& datei, const PdfAAngaben& angaben,
                const std::function<void(DruckFlaeche&)>& zeichne) override;

 private:
  class Stumm;
  std::unique_ptr<Stumm> stumm_;
  std::unique_ptr<QtDruckflaeche> flaeche_;
};

}  // namespace velmora
