#include "app/fenster/fortschritt.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "basis/fenster/textwandlung.h"

namespace velmora {

Tfortschrittdlg::Tfortschrittdlg(QWidget* eltern) : QDialog(eltern) {
  setWindowTitle(U("Speichern ..."));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);
  auto* text = new QLabel(U("Speichern der Informationen:"), this);
  text->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
  spalte->addWidget(text);
  balken_ = new QProgressBar(this);
  balken_->setRange(0, 15);
  balken_->setTextVisible(false);
  spalte->addWidget(balken_);
  setFixedSize(320, 90);

  schritt_ = new QTimer(this);
  schritt_->setInterval(150);
  connect(schritt_, &QTimer::timeout, this, [this] {
    int neu = balken_->value() + 1;
    balken_->setValue(neu > balken_->maximum() ? balken_->minimum() : neu);
  });
  schliessen_ = new QTimer(this);
  schliessen_->setInterval(2000);
  connect(schliessen_, &QTimer::timeout, this, [this] {
    if (isVisible()) accept();
  });
  schritt_->start();
  schliessen_->start();
}

void Tfortschrittdlg::Zeige() {
  balken_->setValue(1);
  exec();
}

}  // namespace velmora
