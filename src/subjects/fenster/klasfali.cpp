#include "subjects/fenster/klasfali.h"

#include <QComboBox>
#include <QGridLayout>
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

TKlasFachForm::TKlasFachForm(VorlagenZustand& zustand, Meldungen& meldungen, DateiDialoge& dialoge, QWidget* eltern)
    : QDialog(eltern), meldungen_(meldungen, this), regeln_(zustand, *this, meldungen_, dialoge) {
  setWindowTitle(U("Fächerliste der Klasse "));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);

  auto* oben = new QHBoxLayout;
  neu_ = BenannterKnopf(QStringLiteral("Neu"), U("Neue Fächerliste Erstellen"), this);
  oeffnen_ = BenannterKnopf(QStringLiteral("Oeffnen"), U("Fächerliste Öffnen ..."), this);
  oben->addWidget(neu_);
  oben->addWidget(oeffnen_);
  oben->addStretch();
  spalte->addLayout(oben);

  spalte->addWidget(new QLabel(U("aktuelle Klassen-Fach-Vorlage:"), this));
  vorlage_ = new QLineEdit(this);  // shows the name only; its text is never read
  spalte->addWidget(vorlage_);

  auto* gitter = new QGridLayout;
  gitter->setVerticalSpacing(2);
  gitter->addWidget(new QLabel(U("Fachname:"), this), 0, 0);
  gitter->addWidget(new QLabel(U("Fachzusatz:"), this), 0, 1);
  for (std::size_t r = 0; r < fach_.size(); ++r) {
    auto* box = new QComboBox(this);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);  // typing never adds to the choices
    box->setMinimumWidth(240);
    auto* zusatz = new QLineEdit(this);
    zusatz->setMinimumWidth(300);
    BegrenzeEingabe(box, static_cast<int>(TFachZeile::Fach.max));
    BegrenzeEingabe(zusatz, static_cast<int>(TFachZeile::FachZusatz.max));
    fach_[r] = box;
    zusatz_[r] = zusatz;
    gitter->addWidget(box, static_cast<int>(r) + 1, 0);
    gitter->addWidget(zusatz, static_cast<int>(r) + 1, 1);
  }
  spalte->addLayout(gitter);

  auto* unten = new QHBoxLayout;
  speichernUnter_ = BenannterKnopf(QStringLiteral("SpeichernUnter"), U("Fächerliste Speichern unter ..."), this);
  speichern_ = BenannterKnopf(QStringLiteral("Speichern"), U("Fächerliste Speichern"), this);
  verlassen_ = BenannterKnopf(QStringLiteral("Verlassen"), U("dieses Fenster Verlassen"), this);
  unten->addWidget(speichernUnter_);
  unten->addWidget(speichern_);
  unten->addStretch();
  unten->addWidget(verlassen_);
  spalte->addLayout(unten);

  connect(neu_, &QPushButton::clicked, this, [this] { regeln_.NeueFaecherlisteErstellen(); });
  connect(oeffnen_, &QPushButton::clicked, this, [this] { regeln_.FaecherlisteOeffnen(); });
  connect(speichernUnter_, &QPushButton::clicked, this, [this] { regeln_.FaecherlisteSpeichernUnter(); });
  connect(speichern_, &QPushButton::clicked, this, [this] { regeln_.FaecherlisteSpeichern(); });
  connect(verlassen_, &QPushButton::clicked, this, &TKlasFachForm::reject);
}

void TKlasFachForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  regeln_.BeimZeigen();
}

void TKlasFachForm::Fuelle(const VorlagenZeilen& zeilen, const TSchulFaecherListe& auswahl) {
  for (std::size_t r = 0; r < fach_.size(); ++r) {
    fach_[r]->clear();
    fach_[r]->setEditText(Q(zeilen.Fach[r]));
    zusatz_[r]->setText(Q(zeilen.FachZusatz[r]));
  }
  QStringList sortiert;
  for (const std::string& fach : auswahl) sortiert << Q(fach);
  SortiereDeutsch(sortiert);
  for (QComboBox* box : fach_) {
    // Adding the first choice makes it current and would replace the row's text.
    const QString text = box->currentText();
    box->addItems(sortiert);
    box->setEditText(text);
  }
}

VorlagenZeilen TKlasFachForm::Lies() {
  VorlagenZeilen zeilen;
  for (std::size_t r = 0; r < fach_.size(); ++r) {
    zeilen.Fach[r] = K(fach_[r]->currentText());
    zeilen.FachZusatz[r] = K(zusatz_[r]->text());
  }
  return zeilen;
}

void TKlasFachForm::SetzeAlleFaecher(const std::optional<std::string>& eintrag) {
  for (QComboBox* box : fach_) {
    const int index = eintrag ? box->findText(Q(*eintrag), Qt::MatchExactly | Qt::MatchCaseSensitive) : 0;
    if (index >= 0 && index < box->count()) {
      box->setCurrentIndex(index);
    } else if (eintrag) {
      box->setEditText(Q(*eintrag));
    }
  }
}

void TKlasFachForm::ZeigeVorlagenName(const std::string& name) { vorlage_->setText(Q(name)); }

}  // namespace velmora
