#pragma once
// Tinfodrucker: the properties of the current printer, shown without blocking the main
// window. It is filled whenever it paints, so it always shows the printer current then.
#include <QDialog>
#include <vector>

#include "printerinfo/druckerinfozeilen.h"

class QTableWidget;

namespace velmora {

class Tinfodrucker : public QDialog {
  Q_OBJECT
 public:
  Tinfodrucker(DruckFlaeche& flaeche, QWidget* eltern = nullptr);
  QTableWidget& Tabelle() { return *tabelle_; }
  // Fills the grid from the current printer.
  void Fuellen();

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  DruckFlaeche& flaeche_;
  QTableWidget* tabelle_;
  std::vector<InfoZeile> gezeigt_;
};

}  // namespace velmora
