#include "classdata/fenster/datpwaend.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "basis/fenster/eingabewaechter.h"
#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

TDatPwdAendDlg::TDatPwdAendDlg(Datenschutz& schutz, Meldungen& meldungen, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      schutz_(schutz),
      meldungen_(meldungen) {
  setWindowTitle(U("Festlegung des Daten-Passwortes"));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(FetteBeschriftung(U("Bitte geben Sie zweimal  das Passwort"), this));
  spalte->addWidget(FetteBeschriftung(U("für Ihre Daten ein!"), this));
  erstes_ = PasswortFeld(this);
  BegrenzeEingabe(erstes_, static_cast<int>(kPasswortMax));
  zweites_ = PasswortFeld(this);
  BegrenzeEingabe(zweites_, static_cast<int>(kPasswortMax));
  spalte->addWidget(erstes_);
  spalte->addWidget(zweites_);
  ok_ = BenannterKnopf(QStringLiteral("Ok"), U("OK"), this);
  ok_->setDefault(true);
  spalte->addWidget(ok_, 0, Qt::AlignCenter);
  connect(ok_, &QPushButton::clicked, this, &TDatPwdAendDlg::OKBtnClick);
  setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void TDatPwdAendDlg::OKBtnClick() {
  const bool ok = schutz_.FestlegungOk(K(erstes_->text()), K(zweites_->text()), meldungen_);
  erstes_->setFocus();
  done(ok ? Accepted : Rejected);
}

}  // namespace velmora
