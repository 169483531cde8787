#include "settings/fenster/pwaend.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "basis/fenster/eingabewaechter.h"
#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"
#include "classdata/verschluesselung.h"

namespace velmora {

Tpwaendern::Tpwaendern(ProgrammEinstellungen& einstellungen, Meldungen& meldungen, QWidget* eltern)
    : QDialog(eltern), einstellungen_(einstellungen), meldungen_(meldungen) {
  setWindowTitle(U("Konfigurationspasswort ändern ..."));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(new QLabel(U("Bitte das NEUE Passwort zweimal eingeben:"), this));
  erstes_ = PasswortFeld(this);
  BegrenzeEingabe(erstes_, static_cast<int>(kPasswortMax));
  zweites_ = PasswortFeld(this);
  BegrenzeEingabe(zweites_, static_cast<int>(kPasswortMax));
  spalte->addWidget(erstes_);
  spalte->addWidget(zweites_);
  auto* knoepfe = new QHBoxLayout;
  abbrechen_ = BenannterKnopf(QStringLiteral("Abbrechen"), U("Abbrechen"), this);
  ok_ = BenannterKnopf(QStringLiteral("Ok"), U("OK"), this);
  ok_->setDefault(true);
  knoepfe->addStretch();
  knoepfe->addWidget(abbrechen_);
  knoepfe->addWidget(ok_);
  spalte->addLayout(knoepfe);
  connect(ok_, &QPushButton::clicked, this, &Tpwaendern::OKBtnClick);
  connect(abbrechen_, &QPushButton::clicked, this, &Tpwaendern::reject);
  setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
}

void Tpwaendern::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  erstes_->clear();
  zweites_->clear();
  erstes_->setFocus();
}

void Tpwaendern::OKBtnClick() {
  if (einstellungen_.PwAendernOk(K(erstes_->text()), K(zweites_->text()), meldungen_)) {
    accept();
  } else {
    reject();
  }
}

}  // namespace velmora
