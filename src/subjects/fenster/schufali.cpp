#include "subjects/fenster/schufali.h"
#include "basis/fehlerbox.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "basis/eafehler.h"
#include "basis/fenster/eingabewaechter.h"
#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

TSchulFachForm::TSchulFachForm(Meldungen& meldungen, QWidget* eltern) : QDialog(eltern), meldungen_(meldungen, this) {
  setWindowTitle(U("Fächerliste der Schule"));
  setModal(true);
  auto* gitter = new QGridLayout(this);
  gitter->addWidget(FetteBeschriftung(U("Fächerliste"), this), 0, 0);
  liste_ = new QListWidget(this);
  liste_->setSortingEnabled(false);
  liste_->setMinimumSize(280, 300);
  gitter->addWidget(liste_, 1, 0, 4, 1);

  gitter->addWidget(new QLabel(U("neues Fach:"), this), 0, 1);
  neu_ = new QLineEdit(this);
  neu_->setMinimumWidth(220);
  BegrenzeEingabe(neu_, static_cast<int>(kFachnameMax));
  gitter->addWidget(neu_, 1, 1);
  uebernehmen_ = BenannterKnopf(QStringLiteral("Uebernehmen"), U("Fach übernehmen"), this);
  loeschen_ = BenannterKnopf(QStringLiteral("Loeschen"), U("Fach löschen"), this);
  auto* knoepfe = new QVBoxLayout;
  knoepfe->addWidget(uebernehmen_);
  knoepfe->addWidget(loeschen_);
  knoepfe->addStretch();
  gitter->addLayout(knoepfe, 2, 1);

  abbrechen_ = BenannterKnopf(QStringLiteral("Abbrechen"), U("Abbrechen"), this);
  beenden_ = BenannterKnopf(QStringLiteral("Beenden"), U("Beenden"), this);
  gitter->addWidget(abbrechen_, 3, 1);
  gitter->addWidget(beenden_, 4, 1);

  // Enter in the input takes the subject over.
  uebernehmen_->setDefault(true);
  connect(uebernehmen_, &QPushButton::clicked, this, &TSchulFachForm::UebernehmenBtnClick);
  connect(loeschen_, &QPushButton::clicked, this, &TSchulFachForm::LoeschenBtnClick);
  connect(abbrechen_, &QPushButton::clicked, this, &TSchulFachForm::reject);
  connect(beenden_, &QPushButton::clicked, this, &TSchulFachForm::BeendenBtnClick);
}

void TSchulFachForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  liste_->clear();
  MitFehlerbox(meldungen_, [&] {
    for (const std::string& fach : SchulFachFormLaden()) liste_->addItem(Q(fach));
  });
  // The teacher comes to type subjects.
  neu_->setFocus(Qt::OtherFocusReason);
}

TSchulFaecherListe TSchulFachForm::Eintraege() const {
  TSchulFaecherListe liste;
  for (int i = 0; i < liste_->count(); ++i) liste.push_back(K(liste_->item(i)->text()));
  return liste;
}

void TSchulFachForm::UebernehmenBtnClick() {
  TSchulFaecherListe liste = Eintraege();
  if (FachUebernehmen(liste, K(neu_->text()))) liste_->addItem(Q(liste.back()));
  // Ready for the next subject: taken over or already in the list, the name is not lost,
  // and the next one must not be appended to it.
  neu_->clear();
  neu_->setFocus(Qt::OtherFocusReason);
}

void TSchulFachForm::LoeschenBtnClick() {
  const QList<QListWidgetItem*> auswahl = liste_->selectedItems();
  if (auswahl.isEmpty()) return;
  delete auswahl.front();
  // No entry is selected afterwards, so a second click deletes nothing by surprise.
  liste_->setCurrentRow(-1);
  liste_->clearSelection();
}

void TSchulFachForm::BeendenBtnClick() {
  if (MitFehlerbox(meldungen_, [&] { SchulFaecherSpeichern(Eintraege()); })) accept();
}

}  // namespace velmora
