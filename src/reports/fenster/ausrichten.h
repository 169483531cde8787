#pragma once
// TFormularAusrichten: the modal window "Formular ausrichten". A choice of the table files,
// the page view beside the table of the entries, the scan of the form under the page, and
// the commands to move all entries, undo, print a test page and save. Its logic lives in
// Formularausrichtung.
#include <QDialog>
#include <QImage>

#include "basis/dateidialoge.h"
#include "basis/meldungen.h"
#include "reports/formularausrichtung.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QSplitter;
class QStyledItemDelegate;
class QTableWidget;

namespace velmora {

class TSeitenAnsicht;

class TFormularAusrichten : public QDialog {
  Q_OBJECT
 public:
  TFormularAusrichten(Formularausrichtung& ausrichtung, Meldungen& meldungen, DateiDialoge& dialoge,
                      QWidget* eltern = nullptr);

  // Opens the publisher's half-year report, page 1 (another existing table when that one
  // cannot be read), and shows the window modally; when none can be read, only the error
  // appears.
  void Zeige();
  // Fills the window from a freshly opened alignment; false when the table could not be read.
  bool Oeffnen();

  Formularausrichtung& Ausrichtung() { return ausrichtung_; }
  TSeitenAnsicht& Ansicht() { return *ansicht_; }
  QComboBox& Wahl() { return *wahl_; }
  QTableWidget& Eintraege() { return *tabelle_; }
  QCheckBox& NichtGedruckte() { return *nichtGedruckte_; }
  QDoubleSpinBox& HintergrundLinks() { return *links_; }
  QDoubleSpinBox& HintergrundOben() { return *oben_; }
  QDoubleSpinBox& HintergrundMassstab() { return *massstab_; }
  QDoubleSpinBox& AlleWaagrecht() { return *alleX_; }
  QDoubleSpinBox& AlleSenkrecht() { return *alleY_; }
  QPushButton* Knopf(const char* name) const;
  // The line under the page: unsaved changes, a page the student's report does not have.
  QLabel& Zustand() { return *zustand_; }

  // The table's columns.
  enum Spalte { kNr, kX, kY, kSchrift, kSeite, kDrucken, kAusdruck, kSpalten };

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* ereignis) override;
  bool event(QEvent* ereignis) override;

 private:
  // The parts of the window, from the top down, and their connections.
  QHBoxLayout* BaueKopf();
  QSplitter* BaueTeiler();
  QTableWidget* BaueTabelle(QWidget* rechts);
  QGroupBox* BaueHintergrund(QWidget* rechts);
  QGroupBox* BaueAlleVerschieben(QWidget* rechts);
  QHBoxLayout* BaueKnoepfe();
  void Verbinde();

  void WahlGeaendert(int index);
  void ZoomGeaendert();
  void TabelleFuellen();
  void ZellenAendern(int zeile, int spalte);
  void AuswahlAusDerAnsicht();
  void AuswahlAusDerTabelle();
  void NachAenderung();
  void HintergrundLaden();
  void HintergrundAnzeigen();
  void HintergrundLageGeaendert();
  void AlleVerschieben();
  void Rueckgaengig();
  void Speichern();
  void Probedruck();
  void EingabeUebernehmen();

  Formularausrichtung& ausrichtung_;
  Meldungen& meldungen_;
  DateiDialoge& dialoge_;
  QComboBox* wahl_;
  QComboBox* zoom_;
  QScrollArea* rollen_;
  TSeitenAnsicht* ansicht_;
  QTableWidget* tabelle_;
  QStyledItemDelegate* zahlenFeld_;
  QCheckBox* nichtGedruckte_;
  QLabel* bildName_;
  QDoubleSpinBox* links_;
  QDoubleSpinBox* oben_;
  QDoubleSpinBox* massstab_;
  QDoubleSpinBox* alleX_;
  QDoubleSpinBox* alleY_;
  QPushButton* rueckgaengig_;
  QLabel* zustand_;
  QString geladenesBild_;  // the path of the image the view shows
  bool fuellen_ = false;   // the window sets its controls itself: no command
  bool ersteAktivierung_ = false;
};

}  // namespace velmora
