#include "settings/fenster/einstell.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

TEinstellform::TEinstellform(ProgrammEinstellungen& einstellungen, KonfigPasswortDialoge& dialoge, Meldungen& meldungen,
                             std::function<void()> zeigeFortschritt, QWidget* eltern)
    : QDialog(eltern),
      meldungen_(meldungen, this),
      regeln_(einstellungen, dialoge, meldungen_),
      zeigeFortschritt_(std::move(zeigeFortschritt)) {
  setWindowTitle(U("Einstellungen"));
  setModal(true);
  auto* gitter = new QGridLayout(this);

  auto* allgemein = new QGroupBox(U("allgemeine Optionen"), this);
  auto* allgemeinSpalte = new QVBoxLayout(allgemein);
  verschluesseln_ = new QCheckBox(U("Daten verschlüsseln"), allgemein);
  allgemeinSpalte->addWidget(verschluesseln_);
  for (std::size_t i = 0; i < reserven_.size(); ++i) {
    reserven_[i] = new QCheckBox(U("Reserve") + QString::number(i + 1), allgemein);
    allgemeinSpalte->addWidget(reserven_[i]);
  }
  allgemeinSpalte->addStretch();
  gitter->addWidget(allgemein, 0, 0);

  auto* verlagGruppe = new QGroupBox(U("Verlag"), this);
  auto* verlagSpalte = new QVBoxLayout(verlagGruppe);
  verlag_ = new QButtonGroup(this);
  for (int i = 0; i < kVerlagAnzahl; ++i) {
    auto* knopf = new QRadioButton(Q(VerlagName(static_cast<std::int16_t>(i))), verlagGruppe);
    verlage_[static_cast<std::size_t>(i)] = knopf;
    verlag_->addButton(knopf, i);
    verlagSpalte->addWidget(knopf);
  }
  gitter->addWidget(verlagGruppe, 0, 1, 2, 1);

  sicherheit_ = new QGroupBox(U("sicherheitsrevante Optionen"), this);
  sicherheit_->setToolTip(U("Änderungen erfordern Passwort!"));
  sicherheit_->setStatusTip(U("Änderungen erfordern Passwort!"));
  auto* sicherheitSpalte = new QVBoxLayout(sicherheit_);
  schutz_ = new QCheckBox(U("mehrstufigen Sicherheitsmechanismus für Einstellungen"), sicherheit_);
  immer_ = new QCheckBox(U("Daten immer verschlüsseln"), sicherheit_);
  sicherReserve_ = new QCheckBox(U("Reserve"), sicherheit_);
  sicherheitSpalte->addWidget(schutz_);
  sicherheitSpalte->addWidget(immer_);
  sicherheitSpalte->addWidget(sicherReserve_);
  gitter->addWidget(sicherheit_, 1, 0);

  auto* knoepfe = new QHBoxLayout;
  standard_ = BenannterKnopf(QStringLiteral("Standard"), U("Standard herstellen"), this);
  abbrechen_ = BenannterKnopf(QStringLiteral("Abbrechen"), U("Abbrechen"), this);
  uebernehmen_ = BenannterKnopf(QStringLiteral("Uebernehmen"), U("Übernehmen"), this);
  QFont fett = uebernehmen_->font();
  fett.setBold(true);
  uebernehmen_->setFont(fett);
  passwort_ = BenannterKnopf(QStringLiteral("Passwort"), U("Konfigurationspasswort ändern"), this);
  knoepfe->addWidget(standard_);
  knoepfe->addWidget(passwort_);
  knoepfe->addStretch();
  knoepfe->addWidget(abbrechen_);
  knoepfe->addWidget(uebernehmen_);
  gitter->addLayout(knoepfe, 2, 0, 1, 2);

  connect(standard_, &QPushButton::clicked, this, &TEinstellform::StandardBtnClick);
  connect(abbrechen_, &QPushButton::clicked, this, &TEinstellform::reject);
  connect(passwort_, &QPushButton::clicked, this, [this] { regeln_.PasswortAendern(); });
  connect(uebernehmen_, &QPushButton::clicked, this, &TEinstellform::UebernehmenBtnClick);
}

EinstellformWerte TEinstellform::Werte() const {
  EinstellformWerte w;
  w.DatenVerschluesseln = verschluesseln_->isChecked();
  w.Reserve1 = reserven_[0]->isChecked();
  w.Reserve2 = reserven_[1]->isChecked();
  w.Reserve3 = reserven_[2]->isChecked();
  w.Verlag = verlag_->checkedId();  // -1 when no item is selected
  w.MehrstufigerSchutz = schutz_->isChecked();
  w.ImmerVerschluesseln = immer_->isChecked();
  w.SicherheitsReserve = sicherReserve_->isChecked();
  return w;
}

void TEinstellform::Fuelle(const EinstellformWerte& w) {
  verschluesseln_->setChecked(w.DatenVerschluesseln);
  reserven_[0]->setChecked(w.Reserve1);
  reserven_[1]->setChecked(w.Reserve2);
  reserven_[2]->setChecked(w.Reserve3);
  if (w.Verlag >= 0 && w.Verlag < static_cast<int>(verlage_.size())) {
    verlage_[static_cast<std::size_t>(w.Verlag)]->setChecked(true);
  } else {
    // A stored publisher outside the list: no item selected. An exclusive group does not
    // let the last checked button go, so exclusivity is lifted for the moment.
    verlag_->setExclusive(false);
    for (QRadioButton* knopf : verlage_) knopf->setChecked(false);
    verlag_->setExclusive(true);
  }
  schutz_->setChecked(w.MehrstufigerSchutz);
  immer_->setChecked(w.ImmerVerschluesseln);
  sicherReserve_->setChecked(w.SicherheitsReserve);
}

void TEinstellform::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // A window restored by the window system is not opened anew.
  if (e->spontaneous()) return;
  Fuelle(regeln_.BeimZeigen());
}

void TEinstellform::StandardBtnClick() { Fuelle(regeln_.StandardHerstellen()); }

void TEinstellform::UebernehmenBtnClick() {
  if (!regeln_.Uebernehmen(Werte())) return;
  if (zeigeFortschritt_) zeigeFortschritt_();
  accept();
}

}  // namespace velmora
