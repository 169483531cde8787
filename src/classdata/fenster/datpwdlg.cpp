#include "classdata/fenster/datpwdlg.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "basis/fenster/eingabewaechter.h"
#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

TDatPasswDlg::TDatPasswDlg(Datenschutz& schutz, QWidget* eltern) : QDialog(eltern), schutz_(schutz) {
  setWindowTitle(U("Passwortabfrage"));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);
  auto* warnung = FetteBeschriftung(U("Die Daten in dieser Datei sind verschlüsselt! "), this);
  warnung->setStyleSheet(QStringLiteral("color: red;"));
  spalte->addWidget(warnung);
  spalte->addWidget(FetteBeschriftung(U("Bitte geben Sie das Passwort ein:"), this));
  feld_ = PasswortFeld(this);
  BegrenzeEingabe(feld_, static_cast<int>(kPasswortMax));
  spalte->addWidget(feld_);

  const OkAbbrechen knoepfe = OkAbbrechenZeile(spalte, this);
  ok_ = knoepfe.ok;
  abbrechen_ = knoepfe.abbrechen;
  connect(ok_, &QPushButton::clicked, this, &TDatPasswDlg::OKBtnClick);
  connect(abbrechen_, &QPushButton::clicked, this, &TDatPasswDlg::CancelBtnClick);
  setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
}

void TDatPasswDlg::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Cancel)) {
    abbrechen_->click();
    return;
  }
  QDialog::keyPressEvent(e);
}

void TDatPasswDlg::OKBtnClick() {
  schutz_.AbfrageOk(K(feld_->text()));
  accept();
}

void TDatPasswDlg::CancelBtnClick() {
  schutz_.AbfrageAbgebrochen();
  reject();
}

}  // namespace velmora
