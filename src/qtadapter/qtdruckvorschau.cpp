#include "qtadapter/qtdruckvorschau.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPrintPreviewDialog>

#include "qtadapter/qttext.h"

namespace velmora {

void QtDruckvorschau::Zeige(const std::string& name, Blattformat blatt,
                            const std::function<void(DruckFlaeche&)>& zeichne) {
  QPrinter& drucker = flaeche_.Drucker();
  flaeche_.BereiteDateiVor(name);
  // All pages of a preview share one page layout: A3 landscape when a job needs it (an A4
  // page then takes its left half, as on the A3 sheet of a mixed print).
  const QPageLayout vorher = drucker.pageLayout();
  if (blatt == Blattformat::A3Quer) {
    drucker.setPageSize(QPageSize(QPageSize::A3));
    drucker.setPageOrientation(QPageLayout::Landscape);
  }
  // While the preview draws, the printer has Qt's preview engine instead of its own.
  const QPaintEngine::Type eigeneMaschine = drucker.paintEngine()->type();

  QWidget* oben = QApplication::activeModalWidget();
  QPrintPreviewDialog dialog(&drucker, oben ? oben : eltern_);
  dialog.setObjectName(QStringLiteral("Druckvorschau"));
  dialog.setWindowTitle(U("Druckvorschau"));
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* ziel) {
    const bool vorschau = ziel->paintEngine()->type() != eigeneMaschine;
    flaeche_.ZeichneAuf(*ziel, [&] { zeichne(flaeche_); });
    if (!vorschau) flaeche_.MeldeDatei();
  });
  dialog.resize(900, 1000);
  dialog.exec();
  drucker.setPageLayout(vorher);
}

}  // namespace velmora
