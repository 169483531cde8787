#include "app/fenster/Info.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"
#include "basis/version.h"

namespace velmora {

TProgInfoForm::TProgInfoForm(QWidget* eltern) : QDialog(eltern) {
  setWindowTitle(U("Programm-Informationen"));
  setModal(false);
  auto* spalte = new QVBoxLayout(this);
  auto* name = new QLabel(Q(ProgrammMitVersion()), this);
  QFont schrift = name->font();
  schrift.setPointSize(schrift.pointSize() + 6);
  schrift.setBold(true);
  name->setFont(schrift);
  name->setAlignment(Qt::AlignCenter);
  spalte->addWidget(name);
  auto* zeile = new QLabel(U("Zeugnisse und Schülerdaten für die Berufsschule"), this);
  zeile->setAlignment(Qt::AlignCenter);
  spalte->addWidget(zeile);
  auto* ok = BenannterKnopf(QStringLiteral("Ok"), U("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  spalte->addWidget(ok, 0, Qt::AlignCenter);
  setFixedSize(360, 160);
}

}  // namespace velmora
