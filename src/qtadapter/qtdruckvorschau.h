#pragma once
// The preview port as Qt's print preview window, titled "Druckvorschau": it pages, zooms
// and can print. Its pages are drawn by the program's Qt printer surface onto the preview's
// printer, so what is seen is what the print command draws.
#include <QString>

#include "print/druckvorschau.h"
#include "qtadapter/qtdruckflaeche.h"

class QWidget;

namespace velmora {

class QtDruckvorschau : public Druckvorschau {
 public:
  QtDruckvorschau(QtDruckflaeche& flaeche, QWidget* eltern) : flaeche_(flaeche), eltern_(eltern) {}

  // The preview is modal over the window that is modal now (the class window, say), else
  // over the main window. The preview's printer is the current printer: printing from the
  // preview prints every page shown as one job there, or, without a printer, into the PDF
  // file named after `name`.
  std::optional<Sitzungsende> Zeige(const std::string& name, Blattformat blatt,
                                    const std::function<void(DruckFlaeche&)>& zeichne) override;

 private:
  QtDruckflaeche& flaeche_;
  QWidget* eltern_;
};

}  // namespace velmora
