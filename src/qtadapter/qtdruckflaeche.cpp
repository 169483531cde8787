#include "qtadapter/qtdruckflaeche.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <cmath>
#include <utility>

#include "basis/cp1252.h"
#include "basis/fenster/textwandlung.h"
#include "print/dateiname.h"
#include "print/fenster/drucktext.h"
#include "print/pdfdatei.h"

namespace velmora {

namespace {

// The face names the layouts ask for, with the metric-compatible fonts that stand in for
// them where the system does not have them. Every Windows has the three faces themselves.
void SetzeErsatzschriften() {
#ifndef Q_OS_WIN
  static bool gesetzt = false;
  if (gesetzt) return;
  gesetzt = true;
  QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")});
  QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
#endif
}

void MachePdfDrucker(QPrinter& drucker) {
  drucker.setOutputFormat(QPrinter::PdfFormat);
  // A PDF page has no unprintable border: its origin is the corner of the paper.
  drucker.setFullPage(true);
  drucker.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// A file name of Qt as a path of the operating system (also beyond code page 1252).
std::filesystem::path PfadAus(const QString& datei) { return std::filesystem::path(datei.toStdU16String()); }

// A path as the user reads it in a box: absolute, with the system's separators.
std::string Anzeigename(const QString& datei) {
  return K(QDir::toNativeSeparators(QFileInfo(datei).absoluteFilePath()));
}

std::unique_ptr<QPrinter> StandardDrucker() {
  QPrinterInfo standard = QPrinterInfo::defaultPrinter();
  if (standard.isNull() && !QPrinterInfo::availablePrinters().isEmpty()) {
    standard = QPrinterInfo::availablePrinters().constFirst();
  }
  auto drucker = standard.isNull() ? std::make_unique<QPrinter>(QPrinter::HighResolution)
                                   : std::make_unique<QPrinter>(standard, QPrinter::HighResolution);
  drucker->setPageSize(QPageSize(QPageSize::A4));
  drucker->setPageOrientation(QPageLayout::Portrait);
  if (standard.isNull()) MachePdfDrucker(*drucker);
  return drucker;
}

}  // namespace

QtDruckflaeche::QtDruckflaeche(Meldungen& meldungen, QString ausgabeordner)
    : meldungen_(meldungen), ausgabeordner_(std::move(ausgabeordner)), drucker_(StandardDrucker()) {
  SetzeErsatzschriften();
  oeffneUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

QtDruckflaeche::~QtDruckflaeche() {
  if (maler_.isActive()) maler_.end();
  // A file left unfinished is not kept.
  if (!pdfDatei_.isEmpty()) PdfDateiVerwerfen(PfadAus(pdfDatei_));
}

void QtDruckflaeche::NurPdf() {
  drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  drucker_->setPageSize(QPageSize(QPageSize::A4));
  MachePdfDrucker(*drucker_);
}

void QtDruckflaeche::NeuenPdfNamenVorschlagen() {
  // A PDF file the program named for an earlier job is not offered again: the dialog
  // proposes a new name, which stays the program's own (each job then gets a fresh one).
  if (SchreibtPdf() && drucker_->outputFileName() == vergebenerName_) {
    QDir().mkpath(QDir::current().filePath(ausgabeordner_));
    vergebenerName_ = NeuerPdfName(QStringLiteral("Druck"));
    drucker_->setOutputFileName(vergebenerName_);
  }
}

bool QtDruckflaeche::DruckDialog(QWidget* eltern) {
  NeuenPdfNamenVorschlagen();
  QPrintDialog dialog(drucker_.get(), eltern);
  dialog.setWindowTitle(QStringLiteral("Drucken"));
  return dialog.exec() == QDialog::Accepted;
}

void QtDruckflaeche::DruckerEinrichten(QWidget* eltern) {
  NeuenPdfNamenVorschlagen();
  QPrintDialog dialog(drucker_.get(), eltern);
  dialog.setWindowTitle(U("Drucker einrichten"));
  dialog.exec();
}

QString QtDruckflaeche::NeuerPdfName(const QString& stamm) const {
  QDir ordner(QDir::current().filePath(ausgabeordner_));
  const QString basis =
      stamm + QStringLiteral("-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString name = ordner.filePath(basis + QStringLiteral(".pdf"));
  for (int n = 2; QFileInfo::exists(name); ++n) name = ordner.filePath(basis + QStringLiteral("-%1.pdf").arg(n));
  return name;
}

void QtDruckflaeche::BereiteDateiVor(const std::string& name) {
  if (!SchreibtPdf()) return;
  // A file the user chose in the print dialog is used once, by the next command.
  const QString gewaehlt = drucker_->outputFileName();
  if (!gewaehlt.isEmpty() && gewaehlt != vergebenerName_) return;
  QDir().mkpath(QDir::current().filePath(ausgabeordner_));
  vergebenerName_ = NeuerPdfName(Q(ErlaubterDateiname(name)));
  drucker_->setOutputFileName(vergebenerName_);
}

Sitzungsende QtDruckflaeche::MeldeDatei() {
  if (!SchreibtPdf()) return {};
  letzteDatei_ = drucker_->outputFileName();
  // Written: the next command gets a file of its own, also after a file chosen in the dialog.
  vergebenerName_ = letzteDatei_;
  if (meldeAusgabe) meldeAusgabe(U("Ausdruck gespeichert: ") + QDir::current().relativeFilePath(letzteDatei_));
  return {true, Anzeigename(letzteDatei_)};
}

void QtDruckflaeche::OeffneOrdner(const QString& ordner) {
  if (oeffneUrl(QUrl::fromLocalFile(ordner))) return;
  meldungen_.Fehler(T("Der Ordner\r") + Anzeigename(ordner) +
                    T("\rkann nicht geöffnet werden: Auf diesem Rechner ist kein Programm eingerichtet, das "
                      "Ordner anzeigt (Dateimanager)."));
}

void QtDruckflaeche::OeffneOrdnerDerLetztenDatei() {
  if (!letzteDatei_.isEmpty()) OeffneOrdner(QFileInfo(letzteDatei_).absolutePath());
}

void QtDruckflaeche::OeffneAusgabeordner() {
  const QString ordner = QDir::current().absoluteFilePath(ausgabeordner_);
  try {
    AusgabeordnerAnlegen(PfadAus(ordner));
  } catch (const PdfFehler& f) {
    meldungen_.Fehler(f.Meldung());
    return;
  }
  OeffneOrdner(ordner);
}

void QtDruckflaeche::BeginneSitzung(const std::string& name) {
  if (sitzungstiefe_++ > 0 || ziel_ || zielPdf_) return;
  // On paper every job goes to the printer at once (the user feeds the next form sheet
  // after the prompt); into a PDF file the jobs are collected.
  sammelndeSitzung_ = SchreibtPdf();
  if (sammelndeSitzung_) BereiteDateiVor(name);
}

Sitzungsende QtDruckflaeche::BeendeSitzung() {
  if (sitzungstiefe_ == 0 || --sitzungstiefe_ > 0 || ziel_ || zielPdf_ || !sammelndeSitzung_) return {};
  sammelndeSitzung_ = false;
  jobOffen_ = false;
  const bool gescheitert = std::exchange(sammelFehler_, false);
  // A session without a job (every prompt cancelled) leaves no file.
  if (!maler_.isActive()) return {!gescheitert, {}};
  if (!BeendeMaler()) return {false, {}};
  return MeldeDatei();
}

bool QtDruckflaeche::ZeichneAuf(QPrinter& ziel, const std::function<void()>& zeichne,
                                std::optional<QPageLayout> blattJeAuftrag) {
  struct Ende {
    QtDruckflaeche& f;
    QPageLayout layout;
    ~Ende() {
      if (f.maler_.isActive()) f.maler_.end();
      if (!f.pdfDatei_.isEmpty()) {
        f.ziel_->setOutputFileName(f.pdfDatei_);
        PdfDateiVerwerfen(PfadAus(std::exchange(f.pdfDatei_, QString())));
      }
      if (f.zielGrundlayout_) f.ziel_->setPageLayout(layout);
      f.ziel_ = nullptr;
      f.zielGrundlayout_.reset();
      f.jobOffen_ = false;
      f.sammelFehler_ = false;
    }
  };
  if (maler_.isActive()) return false;
  ziel_ = &ziel;
  zielGrundlayout_ = std::move(blattJeAuftrag);
  Ende ende{*this, ziel.pageLayout()};
  zeichne();
  if (pdfDatei_.isEmpty()) return !sammelFehler_;
  // A print from the preview into a file: the file gets its name once it is complete.
  maler_.end();
  return SchliessePdfDatei(ziel);
}

bool QtDruckflaeche::ZeichneAuf(QPdfWriter& ziel, const std::function<void()>& zeichne,
                                const std::function<void()>& vorDemBeginn) {
  struct Ende {
    QtDruckflaeche& f;
    ~Ende() {
      if (f.maler_.isActive()) f.maler_.end();
      f.zielPdf_ = nullptr;
      f.vorDemBeginn_ = nullptr;
      f.jobOffen_ = false;
    }
  };
  if (maler_.isActive()) return false;
  zielPdf_ = &ziel;
  vorDemBeginn_ = vorDemBeginn;
  Ende ende{*this};
  zeichne();
  return maler_.isActive() && maler_.end();
}

void QtDruckflaeche::SetzeZielblatt(Blattformat blatt) {
  if (!ziel_ || !zielGrundlayout_) return;
  // Set just before the job's first page, as Qt asks for a change between pages.
  ziel_->setPageLayout(*zielGrundlayout_);
  if (blatt == Blattformat::A3Quer) {
    ziel_->setPageSize(QPageSize(QPageSize::A3));
    ziel_->setPageOrientation(QPageLayout::Landscape);
  }
}

void QtDruckflaeche::SetzeBlatt(Blattformat blatt) {
  if (blatt == Blattformat::A4Hoch) {
    if (grundlayout_) drucker_->setPageLayout(*grundlayout_);
    return;
  }
  if (!grundlayout_) grundlayout_ = drucker_->pageLayout();
  const bool a3 = drucker_->setPageSize(QPageSize(QPageSize::A3));
  drucker_->setPageOrientation(QPageLayout::Landscape);
  if (!a3 && meldeAusgabe) {
    meldeAusgabe(U("Der Drucker bietet kein A3-Papier an: die rechte Formularseite kann fehlen."));
  }
}

void QtDruckflaeche::BlattZurueck() {
  if (!grundlayout_) return;
  drucker_->setPageLayout(*grundlayout_);
  grundlayout_.reset();
}

bool QtDruckflaeche::BeendeMaler() {
  const bool gut = maler_.end();
  BlattZurueck();
  // Qt's PDF writer drops failed writes without a word: the file itself tells.
  if (!pdfDatei_.isEmpty()) return SchliessePdfDatei(Geraet());
  if (!gut) meldungen_.Fehler(T("Der Druckauftrag konnte nicht abgeschlossen werden!"));
  return gut;
}

bool QtDruckflaeche::BeginnePdfDatei(QPrinter& geraet) {
  // A preview's printer records pictures and writes no file.
  const QPaintEngine* technik = geraet.paintEngine();
  if (geraet.outputFormat() != QPrinter::PdfFormat || geraet.outputFileName().isEmpty() ||
      (technik && technik->type() == QPaintEngine::Picture)) {
    return true;
  }
  const QString datei = geraet.outputFileName();
  try {
    PdfDateiBeginnen(PfadAus(datei));
  } catch (const PdfFehler& f) {
    meldungen_.Fehler(f.Meldung());
    return false;
  }
  pdfDatei_ = datei;
  geraet.setOutputFileName(datei + QString::fromLatin1(kNeuEndung));
  return true;
}

bool QtDruckflaeche::SchliessePdfDatei(QPrinter& geraet) {
  const QString datei = std::exchange(pdfDatei_, QString());
  geraet.setOutputFileName(datei);
  try {
    PdfDateiAbschliessen(PfadAus(datei));
  } catch (const PdfFehler& f) {
    meldungen_.Fehler(f.Meldung());
    return false;
  }
  return true;
}

void QtDruckflaeche::StarteJobzustand() {
  jobOffen_ = true;
  ausrichtung_ = Textausrichtung::LinksBasislinie;
  zeichenabstand_ = 0;
  stil_ = 0;
  hoehe_ = 45;
  schriftname_ = QStringLiteral("Arial");
  WendeSchriftAn();
  QPen stift(Qt::black);
  stift.setWidthF(std::max(1.0, Massstab()));  // 0.1 mm
  maler_.setPen(stift);
  maler_.setBrush(Qt::NoBrush);
  stift_ = QPointF();
}

bool QtDruckflaeche::BeginneDokument(const std::string& titel, Blattformat blatt) {
  // After the document's file failed (and the user was told) its further jobs draw nothing.
  if (jobOffen_ || sammelFehler_) return false;
  if (zielPdf_) {
    // An archive copy: one document, each further job on the next page.
    if (maler_.isActive()) {
      zielPdf_->newPage();
    } else {
      if (vorDemBeginn_) vorDemBeginn_();
      if (!maler_.begin(zielPdf_)) return false;
    }
    StarteJobzustand();
    return true;
  }
  QPrinter& geraet = Geraet();
  if (maler_.isActive() && Sammelt()) {
    // The next job of the same document starts on a page of its own.
    if (!ziel_) SetzeBlatt(blatt);
    SetzeZielblatt(blatt);
    geraet.newPage();
    StarteJobzustand();
    return true;
  }
  if (!ziel_) {
    drucker_->setDocName(Q(titel));
    if (SchreibtPdf() && !sammelndeSitzung_) {
      // A job outside a session is a file of its own, unless the user chose a file.
      const QString gewaehlt = drucker_->outputFileName();
      if (gewaehlt.isEmpty() || gewaehlt == vergebenerName_) {
        QDir().mkpath(QDir::current().filePath(ausgabeordner_));
        vergebenerName_ = NeuerPdfName(QStringLiteral("Druck"));
        drucker_->setOutputFileName(vergebenerName_);
      }
    }
    SetzeBlatt(blatt);
  }
  SetzeZielblatt(blatt);
  if (!BeginnePdfDatei(geraet)) {
    if (!ziel_) BlattZurueck();
    sammelFehler_ = Sammelt();
    return false;
  }
  if (!maler_.begin(&geraet)) {
    if (!ziel_) BlattZurueck();
    if (pdfDatei_.isEmpty()) {
      meldungen_.Fehler(T("Der Druckauftrag konnte nicht gestartet werden!\r\rBitte prüfen Sie den Drucker."));
      return false;
    }
    // The writer could not open the file the surface has just created.
    const QString datei = std::exchange(pdfDatei_, QString());
    geraet.setOutputFileName(datei);
    PdfDateiVerwerfen(PfadAus(datei));
    meldungen_.Fehler(PdfDateiFehlerText(ea::ZugriffVerweigert, PfadAus(datei)));
    sammelFehler_ = Sammelt();
    return false;
  }
  StarteJobzustand();
  return true;
}

bool QtDruckflaeche::BeendeDokument() {
  if (!maler_.isActive() || !jobOffen_) return false;
  jobOffen_ = false;
  // In a collecting document the page stays open: the next job starts a new one, the end
  // of the session (or of ZeichneAuf) ends the document.
  if (Sammelt()) return true;
  if (!BeendeMaler()) return false;
  MeldeDatei();
  return true;
}

void QtDruckflaeche::NeueSeite() {
  if (maler_.isActive() && jobOffen_) Zeichengeraet().newPage();
}

void QtDruckflaeche::SetzeTextausrichtung(Textausrichtung ausrichtung) { ausrichtung_ = ausrichtung; }

void QtDruckflaeche::SetzeZeichenabstand(int extra) {
  zeichenabstand_ = extra;
  WendeSchriftAn();
}

void QtDruckflaeche::SetzeSchriftart(std::uint16_t stil, int hoehe, const std::string& name) {
  stil_ = stil;
  hoehe_ = hoehe;
  schriftname_ = Q(name);
  WendeSchriftAn();
}

QPagedPaintDevice& QtDruckflaeche::Zeichengeraet() const {
  if (zielPdf_) return *zielPdf_;
  return Geraet();
}

double QtDruckflaeche::Massstab() const { return (zielPdf_ ? zielPdf_->resolution() : Geraet().resolution()) / 254.0; }

QPointF QtDruckflaeche::Punkt(int x, int y) const { return QPointF(x * Massstab(), -y * Massstab()); }

void QtDruckflaeche::WendeSchriftAn() {
  schrift_ = DruckSchrift(stil_, hoehe_, schriftname_, &Zeichengeraet(), Massstab());
  if (maler_.isActive()) maler_.setFont(schrift_);
}

void QtDruckflaeche::TextAus(int x, int y, const std::string& text) {
  if (!maler_.isActive() || text.empty()) return;
  DruckText(&maler_, schrift_, &Zeichengeraet(), Punkt(x, y), Q(text), ausrichtung_, zeichenabstand_ * Massstab());
}

void QtDruckflaeche::BewegeZu(int x, int y) { stift_ = Punkt(x, y); }

void QtDruckflaeche::LinieZu(int x, int y) {
  QPointF ziel = Punkt(x, y);
  if (maler_.isActive()) maler_.drawLine(stift_, ziel);
  stift_ = ziel;
}

void QtDruckflaeche::Rechteck(int x1, int y1, int x2, int y2) {
  if (maler_.isActive()) maler_.drawRect(QRectF(Punkt(x1, y1), Punkt(x2, y2)).normalized());
}

void QtDruckflaeche::BildAus(int x1, int y1, int x2, int y2, const std::string& datei) {
  if (!maler_.isActive()) return;
  const QString name = Q(datei);
  const QFileInfo info(name);
  GeladenesBild& b = bilder_[name];
  if (b.bild.isNull() || b.geaendert != info.lastModified() || b.groesse != info.size()) {
    // Transparent parts become the paper's white: a PDF (an archive's PDF/A too) then holds
    // the image without a transparency mask.
    const QImage roh(name);
    b = {info.lastModified(), info.size(), QImage()};
    if (roh.isNull()) return;
    b.bild = QImage(roh.size(), QImage::Format_RGB32);
    b.bild.fill(Qt::white);
    QPainter weiss(&b.bild);
    weiss.drawImage(0, 0, roh);
  }
  if (b.bild.isNull()) return;
  maler_.save();
  maler_.setRenderHint(QPainter::SmoothPixmapTransform);
  maler_.drawImage(QRectF(Punkt(x1, y1), Punkt(x2, y2)).normalized(), b.bild);
  maler_.restore();
}

DruckerFaehigkeiten QtDruckflaeche::Faehigkeiten() {
  DruckerFaehigkeiten f;
  if (zielPdf_) {
    // A PDF writer's page has no unprintable border.
    const int dpi = zielPdf_->resolution();
    const QRect seite = zielPdf_->pageLayout().fullRectPixels(dpi);
    f.Technologie = 5;
    f.BreiteMm = static_cast<int>(std::lround(zielPdf_->pageLayout().fullRect(QPageLayout::Millimeter).width()));
    f.HoeheMm = static_cast<int>(std::lround(zielPdf_->pageLayout().fullRect(QPageLayout::Millimeter).height()));
    f.BreitePixel = seite.width();
    f.HoehePixel = seite.height();
    f.PixelProZollX = f.PixelProZollY = dpi;
    f.Pinsel = f.Stifte = f.Markierer = f.Farben = -1;
    return f;
  }
  // While drawing onto another printer (a preview's), that one's.
  const QPrinter& geraet = Geraet();
  const QRectF papier = geraet.paperRect(QPrinter::DevicePixel);
  const QRectF seite = geraet.pageRect(QPrinter::DevicePixel);
  const QRectF seiteMm = geraet.pageRect(QPrinter::Millimeter);
  f.Treiberversion = 0;
  f.Technologie = SchreibtPdf() ? 5 : 2;  // a PDF file is a metafile, a printer a raster printer
  f.BreiteMm = static_cast<int>(std::lround(seiteMm.width()));
  f.HoeheMm = static_cast<int>(std::lround(seiteMm.height()));
  f.BreitePixel = static_cast<int>(std::lround(seite.width()));
  f.HoehePixel = static_cast<int>(std::lround(seite.height()));
  f.PixelProZollX = geraet.resolution();
  f.PixelProZollY = geraet.resolution();
  f.SeitenOffsetX = static_cast<int>(std::lround(seite.left() - papier.left()));
  f.SeitenOffsetY = static_cast<int>(std::lround(seite.top() - papier.top()));
  // Qt draws with any brush, pen and colour: the system's answer for that is -1.
  f.Pinsel = -1;
  f.Stifte = -1;
  f.Markierer = -1;
  f.Farben = -1;
  return f;
}

std::string QtDruckflaeche::Druckername() {
  if (SchreibtPdf()) return T("PDF-Datei (kein Drucker eingerichtet)");
  return K(drucker_->printerName());
}

std::vector<std::string> QtDruckflaeche::Schriftenliste() {
  std::vector<std::string> namen;
  for (const QString& familie : QFontDatabase::families()) namen.push_back(K(familie));
  return namen;
}

}  // namespace velmora
