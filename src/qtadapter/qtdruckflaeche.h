#pragma once
// The printer surface on the system's printer through QPrinter and QPainter. The current
// printer is the system's default printer for the whole run until the user picks another
// in the print dialog or the printer set-up dialog. Where the system has no printer (or
// the user chose a PDF file), every print command (session) becomes one PDF file in a
// folder of the working directory, named after the session and the time; a job outside a
// session becomes a file of its own. A PDF file is written under a temporary name and gets
// its name only once it is complete (print/pdfdatei.h). The same drawing can go onto any
// other QPrinter, a preview's, say (ZeichneAuf).
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "basis/meldungen.h"
#include "print/druckflaeche.h"

class QPdfWriter;
class QWidget;

namespace velmora {

class QtDruckflaeche : public DruckFlaeche {
 public:
  // `ausgabeordner`: the folder for PDF jobs, relative to the working directory.
  QtDruckflaeche(Meldungen& meldungen, QString ausgabeordner = QStringLiteral("Ausdrucke"));
  ~QtDruckflaeche() override;

  // The system's print dialog on the current printer; true when confirmed.
  bool DruckDialog(QWidget* eltern);
  // The printer set-up dialog: choose the printer and its properties.
  void DruckerEinrichten(QWidget* eltern);
  // Called with a German notice after a job went to a PDF file.
  std::function<void(const QString&)> meldeAusgabe;
  // Shows a folder in the system's file manager; the tests put a recorder here.
  std::function<bool(const QUrl&)> oeffneUrl;
  // "Ausdrucke-&Ordner öffnen": the folder of the PDF files, created where it is missing;
  // the "Fehler" box says why it cannot be made or shown.
  void OeffneAusgabeordner();
  // The messages of the surface (for the closing notice of a print from the preview).
  Meldungen& Boxen() { return meldungen_; }
  // From now on every job goes to a PDF file of its own, as on a computer without printer.
  void NurPdf();
  // True while jobs go to PDF files.
  bool SchreibtPdf() const { return drucker_->outputFormat() == QPrinter::PdfFormat; }
  QString LetzteDatei() const { return letzteDatei_; }
  QPrinter& Drucker() { return *drucker_; }

  // Draws what `zeichne` prints onto `ziel` instead of the current printer: every job
  // inside, of every session, becomes the next page of one document on `ziel`, on the page
  // layout `ziel` has. With `blattJeAuftrag` each job gets its own sheet as on the current
  // printer: that layout for an A4 job, A3 landscape for a side-by-side one (a print from
  // the preview); `ziel` has its layout back afterwards. No file is named and nothing is
  // reported, except a PDF file that could not be written: then false.
  bool ZeichneAuf(QPrinter& ziel, const std::function<void()>& zeichne,
                  std::optional<QPageLayout> blattJeAuftrag = std::nullopt);
  // Draws what `zeichne` prints into the PDF writer `ziel` (an archive copy): every job inside
  // becomes the next page of its one document, on the page layout `ziel` has; `vorDemBeginn`
  // runs right before the writer begins the document. The writer's file is the caller's:
  // nothing is named or reported here. False when no job was drawn or the writer failed.
  bool ZeichneAuf(QPdfWriter& ziel, const std::function<void()>& zeichne, const std::function<void()>& vorDemBeginn);
  // While jobs go to PDF files: names the file the next document on the current printer
  // writes after `name` (a print from a preview, say), as a session would.
  void BereiteDateiVor(const std::string& name);
  // Tells the user (meldeAusgabe) which PDF file the current printer has just written, and
  // says how the session ended that wrote it.
  Sitzungsende MeldeDatei();

  void BeginneSitzung(const std::string& name) override;
  Sitzungsende BeendeSitzung() override;
  void OeffneOrdnerDerLetztenDatei() override;
  bool BeginneDokument(const std::string& titel, Blattformat blatt = Blattformat::A4Hoch) override;
  bool BeendeDokument() override;
  void NeueSeite() override;
  void SetzeTextausrichtung(Textausrichtung ausrichtung) override;
  void SetzeZeichenabstand(int extra) override;
  void SetzeSchriftart(std::uint16_t stil, int hoehe, const std::string& name) override;
  void TextAus(int x, int y, const std::string& text) override;
  void BewegeZu(int x, int y) override;
  void LinieZu(int x, int y) override;
  void Rechteck(int x1, int y1, int x2, int y2) override;
  void BildAus(int x1, int y1, int x2, int y2, const std::string& datei) override;
  DruckerFaehigkeiten Faehigkeiten() override;
  std::string Druckername() override;
  std::vector<std::string> Schriftenliste() override;

 private:
  QPointF Punkt(int x, int y) const;
  double Massstab() const;  // device pixels per logical unit
  void WendeSchriftAn();
  QString NeuerPdfName(const QString& stamm) const;
  // Before a print dialog: the file of an earlier job is not offered again.
  void NeuenPdfNamenVorschlagen();
  // The printer drawn on: the target of ZeichneAuf, else the current printer.
  QPrinter& Geraet() const { return ziel_ ? *ziel_ : *drucker_; }
  // The device the painter draws on: the PDF writer of an archive copy, else Geraet().
  QPagedPaintDevice& Zeichengeraet() const;
  // True while jobs are pages of one document (a PDF session, or ZeichneAuf).
  bool Sammelt() const { return ziel_ != nullptr || zielPdf_ != nullptr || sammelndeSitzung_; }
  void StarteJobzustand();
  // Lays the current printer out on `blatt` for the next page or job; BlattZurueck gives
  // it back the layout it had before.
  void SetzeBlatt(Blattformat blatt);
  void BlattZurueck();
  // The sheet of the next job on the target of ZeichneAuf, where it has one per job.
  void SetzeZielblatt(Blattformat blatt);
  // Ends the painter; a PDF file it wrote gets its name now, or the user is told why not.
  bool BeendeMaler();
  // Before the painter begins on `geraet`: a PDF file is written under its temporary name.
  bool BeginnePdfDatei(QPrinter& geraet);
  bool SchliessePdfDatei(QPrinter& geraet);
  void OeffneOrdner(const QString& ordner);

  Meldungen& meldungen_;
  QString ausgabeordner_;
  std::unique_ptr<QPrinter> drucker_;
  QPainter maler_;
  QString letzteDatei_;
  QString vergebenerName_;
  QPrinter* ziel_ = nullptr;
  QPdfWriter* zielPdf_ = nullptr;               // ZeichneAuf onto a PDF writer
  std::function<void()> vorDemBeginn_;          // ... and what runs before it begins
  std::optional<QPageLayout> zielGrundlayout_;  // ZeichneAuf with a sheet per job
  QString pdfDatei_;                            // the final name of the PDF file being written, empty when none
  bool sammelFehler_ = false;                   // the file of the collecting document failed: no more jobs
  int sitzungstiefe_ = 0;
  bool jobOffen_ = false;
  bool sammelndeSitzung_ = false;
  std::optional<QPageLayout> grundlayout_;
  Textausrichtung ausrichtung_ = Textausrichtung::LinksBasislinie;
  int zeichenabstand_ = 0;
  std::uint16_t stil_ = 0;
  int hoehe_ = 45;
  QString schriftname_ = QStringLiteral("Arial");
  QFont schrift_;
  QPointF stift_;
  // The images drawn so far, as they look on white paper, by file, kept while the file stays
  // as it was: one image drawn on many pages is one image in a PDF file.
  struct GeladenesBild {
    QDateTime geaendert;
    qint64 groesse = 0;
    QImage bild;
  };
  std::map<QString, GeladenesBild> bilder_;
};

}  // namespace velmora
