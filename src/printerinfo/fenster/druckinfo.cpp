#include "printerinfo/fenster/druckinfo.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

Tinfodrucker::Tinfodrucker(DruckFlaeche& flaeche, QWidget* eltern) : QDialog(eltern), flaeche_(flaeche) {
  setWindowTitle(U("Information zum aktuellen Drucker"));
  setModal(false);
  auto* spalte = new QVBoxLayout(this);
  tabelle_ = new QTableWidget(250, 2, this);
  tabelle_->horizontalHeader()->hide();
  tabelle_->verticalHeader()->hide();
  tabelle_->setColumnWidth(0, 200);
  tabelle_->setColumnWidth(1, 251);
  tabelle_->verticalHeader()->setDefaultSectionSize(18);
  tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  spalte->addWidget(tabelle_, 1);
  auto* schliessen = BenannterKnopf(QStringLiteral("Schliessen"), U("Schließen"), this);
  connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
  spalte->addWidget(schliessen, 0, Qt::AlignRight);
  resize(500, 520);
}

void Tinfodrucker::Fuellen() {
  std::vector<InfoZeile> zeilen =
      DruckerInfoZeilen(flaeche_.Druckername(), flaeche_.Faehigkeiten(), flaeche_.Schriftenliste());
  if (zeilen == gezeigt_) return;  // nothing new: leave the grid, so painting does not loop
  gezeigt_ = zeilen;
  tabelle_->clearContents();
  tabelle_->setRowCount(std::max(250, static_cast<int>(zeilen.size())));
  for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
    tabelle_->setItem(r, 0, new QTableWidgetItem(Q(zeilen[static_cast<std::size_t>(r)].first)));
    tabelle_->setItem(r, 1, new QTableWidgetItem(Q(zeilen[static_cast<std::size_t>(r)].second)));
  }
}

void Tinfodrucker::paintEvent(QPaintEvent* e) {
  Fuellen();
  QDialog::paintEvent(e);
}

}  // namespace velmora
