#include "settings/fenster/archiv.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "basis/fenster/eingabewaechter.h"
#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

TArchivForm::TArchivForm(ArchivEinstellungen& einstellungen, Meldungen& meldungen, QWidget* eltern)
    : QDialog(eltern), meldungen_(meldungen, this), regeln_(einstellungen, meldungen_) {
  setWindowTitle(U("Archiv"));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);
  archivkopie_ = new QCheckBox(U("&Archivkopie (PDF/A) bei jedem Zeugnisdruck"), this);
  archivkopie_->setObjectName(QStringLiteral("Archivkopie"));
  spalte->addWidget(archivkopie_);

  auto* ordnerZeile = new QHBoxLayout;
  auto* beschriftung = new QLabel(U("&Ordner des Archivs:"), this);
  ordner_ = new QLineEdit(this);
  ordner_->setObjectName(QStringLiteral("Archivordner"));
  ordner_->setMinimumWidth(360);
  BegrenzeEingabe(ordner_, static_cast<int>(TArchivEinstellungen::OrdnerMax));
  beschriftung->setBuddy(ordner_);
  ordnerZeile->addWidget(beschriftung);
  ordnerZeile->addWidget(ordner_, 1);
  spalte->addLayout(ordnerZeile);

  auto* erklaerung =
      new QLabel(U("Ein Ordner im Arbeitsverzeichnis (leer: „Archiv“) oder ein vollständiger Pfad, auch auf einem "
                   "Netzlaufwerk. Jedes gedruckte Zeugnis kommt als PDF/A-Datei vollständig, wie auf weißem Papier, in "
                   "„<Ordner>/<Schuljahr>/<Klasse>/“ und bekommt eine Zeile in der Liste der ausgegebenen Zeugnisse "
                   "„<Ordner>/Zeugnisliste.csv“. Das Ansehen in der Vorschau legt keine Archivkopie an."),
                 this);
  erklaerung->setWordWrap(true);
  spalte->addWidget(erklaerung);

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  auto* uebernehmen = BenannterKnopf(QStringLiteral("Uebernehmen"), U("Übernehmen"), this);
  auto* abbrechen = BenannterKnopf(QStringLiteral("Abbrechen"), U("Abbrechen"), this);
  QFont fett = uebernehmen->font();
  fett.setBold(true);
  uebernehmen->setFont(fett);
  uebernehmen->setDefault(true);
  knoepfe->addWidget(uebernehmen);
  knoepfe->addWidget(abbrechen);
  spalte->addLayout(knoepfe);
  connect(uebernehmen, &QPushButton::clicked, this, &TArchivForm::UebernehmenClick);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TArchivForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  const ArchivFormWerte w = regeln_.BeimZeigen();
  archivkopie_->setChecked(w.Archivkopie);
  ordner_->setText(Q(w.Ordner));
}

void TArchivForm::UebernehmenClick() {
  if (regeln_.Uebernehmen({archivkopie_->isChecked(), K(ordner_->text())})) accept();
}

}  // namespace velmora
