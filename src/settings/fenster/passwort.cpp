#include "settings/fenster/passwort.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "basis/fenster/eingabewaechter.h"
#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"
#include "classdata/verschluesselung.h"

namespace velmora {

TPasswordDlg::TPasswordDlg(ProgrammEinstellungen& einstellungen, QWidget* eltern)
    : QDialog(eltern), einstellungen_(einstellungen) {
  setWindowTitle(U("Zugangskontrolle für Konfigurationsbereich"));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(FetteBeschriftung(U("Bitte das Passwort eingeben:"), this));
  feld_ = PasswortFeld(this);
  BegrenzeEingabe(feld_, static_cast<int>(kPasswortMax));
  spalte->addWidget(feld_);
  const OkAbbrechen knoepfe = OkAbbrechenZeile(spalte, this);
  ok_ = knoepfe.ok;
  abbrechen_ = knoepfe.abbrechen;
  connect(ok_, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
  connect(abbrechen_, &QPushButton::clicked, this, &TPasswordDlg::reject);
  setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
}

void TPasswordDlg::OKBtnClick() {
  if (einstellungen_.PasswortDlgOk(K(feld_->text()))) {
    feld_->clear();
    accept();
  } else {
    // The logic has already withdrawn the entered password.
    QDialog::reject();
  }
}

void TPasswordDlg::reject() {
  einstellungen_.PasswortDlgAbbrechen();
  QDialog::reject();
}

}  // namespace velmora
