#include "settings/fenster/schuldaten.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "basis/fenster/eingabewaechter.h"
#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

TSchulIdentForm::TSchulIdentForm(SchulIdentitaet& identitaet, Meldungen& meldungen, QWidget* eltern)
    : QDialog(eltern), meldungen_(meldungen, this), regeln_(identitaet, meldungen_) {
  setWindowTitle(U("Schuldaten"));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  auto feld = [&](const char* titel, const char* name, std::size_t breite) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    e->setMinimumWidth(360);
    BegrenzeEingabe(e, static_cast<int>(breite));
    form->addRow(U(titel), e);
    return e;
  };
  zeugnisname_ = feld("Zeugnisname der Schule", "Zeugnisname", TSchulIdentitaet::ZeugnisnameMax);
  reserve_ = feld("Name der Schule (Reserve)", "SchulnameReserve", TSchulIdentitaet::ReserveMax);
  kurzname_ = feld("Kurzname der Schule", "Kurzname", TSchulIdentitaet::KurznameMax);
  spalte->addLayout(form);

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  auto* uebernehmen = BenannterKnopf(QStringLiteral("Uebernehmen"), U("Übernehmen"), this);
  auto* abbrechen = BenannterKnopf(QStringLiteral("Abbrechen"), U("Abbrechen"), this);
  uebernehmen->setDefault(true);
  knoepfe->addWidget(uebernehmen);
  knoepfe->addWidget(abbrechen);
  spalte->addLayout(knoepfe);
  connect(uebernehmen, &QPushButton::clicked, this, &TSchulIdentForm::UebernehmenClick);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TSchulIdentForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  SchulIdentWerte w = regeln_.BeimZeigen();
  zeugnisname_->setText(Q(w.Zeugnisname));
  reserve_->setText(Q(w.SchulnameReserve));
  kurzname_->setText(Q(w.Kurzname));
}

void TSchulIdentForm::UebernehmenClick() {
  if (regeln_.Uebernehmen({K(zeugnisname_->text()), K(reserve_->text()), K(kurzname_->text())})) accept();
}

}  // namespace velmora
