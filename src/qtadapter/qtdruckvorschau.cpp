#include "qtadapter/qtdruckvorschau.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <algorithm>

#include "basis/fenster/textwandlung.h"
#include "print/druckabschluss.h"

namespace velmora {

std::optional<Sitzungsende> QtDruckvorschau::Zeige(const std::string& name, Blattformat blatt,
                                                   const std::function<void(DruckFlaeche&)>& zeichne) {
  QPrinter& drucker = flaeche_.Drucker();
  flaeche_.BereiteDateiVor(name);
  // Qt's preview shows all pages on one page layout: A3 landscape when a job needs it (an
  // A4 page then takes its left half). A print from the preview gives each job its own
  // sheet again, as the print command does.
  const QPageLayout vorher = drucker.pageLayout();
  if (blatt == Blattformat::A3Quer) {
    drucker.setPageSize(QPageSize(QPageSize::A3));
    drucker.setPageOrientation(QPageLayout::Landscape);
  }

  QWidget* oben = QApplication::activeModalWidget();
  QWidget* ueber = oben ? oben : eltern_;
  bool gedruckt = false;
  Sitzungsende ende;
  QPrintPreviewDialog dialog(&drucker, ueber);
  dialog.setObjectName(QStringLiteral("Druckvorschau"));
  dialog.setWindowTitle(U("Druckvorschau"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* ziel) {
    // While the preview draws, the printer paints with Qt's preview engine, which records
    // pictures; a print from the preview paints with the printer's own engine.
    const bool vorschau = ziel->paintEngine()->type() == QPaintEngine::Picture;
    if (vorschau) {
      flaeche_.ZeichneAuf(*ziel, [&] { zeichne(flaeche_); });
      return;
    }
    gedruckt = true;
    ende.vollstaendig = flaeche_.ZeichneAuf(
        *ziel, [&] { zeichne(flaeche_); }, vorher);
    if (ende.vollstaendig) ende = flaeche_.MeldeDatei();
  });
  // A page's height where the screen allows it, never more than the screen.
  const QScreen* schirm = ueber ? ueber->screen() : QGuiApplication::primaryScreen();
  const QRect frei = schirm ? schirm->availableGeometry() : QRect(0, 0, 1000, 1100);
  dialog.resize(std::min(900, frei.width() * 9 / 10), std::min(1000, frei.height() * 9 / 10));
  dialog.exec();
  drucker.setPageLayout(vorher);
  // Printed from the preview: the closing notice of a print, once the preview is closed.
  if (!gedruckt) return std::nullopt;
  MeldeDruckabschluss(flaeche_.Boxen(), flaeche_, ende);
  return ende;
}

}  // namespace velmora
