#include "subjects/fenster/auswklfa.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

TForm7::TForm7(VorlagenZustand& zustand, Meldungen& meldungen, QWidget* eltern)
    : QDialog(eltern), zustand_(zustand), meldungen_(meldungen, this) {
  setWindowTitle(U("Auswahl einer Klassen-Fach-Vorlage"));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);
  spalte->addWidget(new QLabel(U("vorhandene Klassen-Fach-Vorlagen:"), this));
  liste_ = new QListWidget(this);
  liste_->setSortingEnabled(false);
  liste_->setMinimumSize(260, 220);
  spalte->addWidget(liste_);
  auto* knoepfe = new QHBoxLayout;
  abbrechen_ = BenannterKnopf(QStringLiteral("Abbrechen"), U("Abbrechen"), this);
  uebernehmen_ = BenannterKnopf(QStringLiteral("Uebernehmen"), U("Auswahl übernehmen"), this);
  knoepfe->addWidget(abbrechen_);
  knoepfe->addStretch();
  knoepfe->addWidget(uebernehmen_);
  spalte->addLayout(knoepfe);
  connect(abbrechen_, &QPushButton::clicked, this, &TForm7::reject);
  connect(uebernehmen_, &QPushButton::clicked, this, &TForm7::UebernehmenBtnClick);
}

void TForm7::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  liste_->clear();
  auswahl_ = VorlagenAuswahlZeigen(zustand_.AktuelleVorlage, meldungen_);
  for (const std::string& eintrag : auswahl_.eintraege) liste_->addItem(Q(eintrag));
  if (auswahl_.auswahl >= 0) liste_->setCurrentRow(auswahl_.auswahl);
}

void TForm7::UebernehmenBtnClick() {
  const QList<QListWidgetItem*> markiert = liste_->selectedItems();
  const int zeile = markiert.isEmpty() ? -1 : liste_->row(markiert.front());
  VorlagenAuswahlUebernehmen(auswahl_, zeile, zustand_.AktuelleVorlage);
  accept();
}

}  // namespace velmora
