#pragma once
// The printer surface on the system's printer through QPrinter and QPainter. The current
// printer is the system's default printer for the whole run until the user picks another
// in the print dialog or the printer set-up dialog. Where the system has no printer,
// every print job becomes a PDF file of its own in a folder of the working directory.
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>

#include "basis/meldungen.h"
#include "print/druckflaeche.h"

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
  // From now on every job goes to a PDF file of its own, as on a computer without printer.
  void NurPdf();
  // True while jobs go to PDF files.
  bool SchreibtPdf() const { return drucker_->outputFormat() == QPrinter::PdfFormat; }
  QString LetzteDatei() const { return letzteDatei_; }
  QPrinter& Drucker() { return *drucker_; }

  bool BeginneDokument(const std::string& titel) override;
  bool BeendeDokument() override;
  void NeueSeite() override;
  void SetzeTextausrichtung(Textausrichtung ausrichtung) override;
  void SetzeZeichenabstand(int extra) override;
  void SetzeSchriftart(std::uint16_t stil, int hoehe, const std::string& name) override;
  void TextAus(int x, int y, const std::string& text) override;
  void BewegeZu(int x, int y) override;
  void LinieZu(int x, int y) override;
  void Rechteck(int x1, int y1, int x2, int y2) override;
  DruckerFaehigkeiten Faehigkeiten() override;
  std::string Druckername() override;
  std::vector<std::string> Schriftenliste() override;

 private:
  QPointF Punkt(int x, int y) const;
  double Massstab() const;  // device pixels per logical unit
  void WendeSchriftAn();
  QString NeuerPdfName() const;

  Meldungen& meldungen_;
  QString ausgabeordner_;
  std::unique_ptr<QPrinter> drucker_;
  QPainter maler_;
  QString letzteDatei_;
  QString vergebenerName_;
  Textausrichtung ausrichtung_ = Textausrichtung::LinksBasislinie;
  int zeichenabstand_ = 0;
  std::uint16_t stil_ = 0;
  int hoehe_ = 45;
  QString schriftname_ = QStringLiteral("Arial");
  QFont schrift_;
  QPointF stift_;
};

}  // namespace velmora
