#include "settings/fenster/einstdrk.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "basis/feldeingabe.h"
#include "basis/fenster/eingabewaechter.h"
#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

namespace {

const std::array<const char*, kRandZeilen> kZeilenTitel = {
    "Halbjahres-Zeugnis", "Jahres-Zeugnis",     "Übergangs-Zeugnis", "Abgangs-Zeugnis", "Abschluss-Zeugnis",
    "interne Formulare",  "Empfangsbekenntnis", "Reserve1",          "Reserve2",        "Reserve3"};

const std::array<const char*, 5> kDruckarten = {
    "kein Ausdruck", "immer nur eine Seite", "wenn möglich mehrere Seiten gleichzeitig",
    "immer nur eine Seite einschließlich Formular", "mehrere Seiten einschließlich Formular"};

QLabel* Fett(const QString& text, QWidget* eltern) {
  auto* l = new QLabel(text, eltern);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

QLineEdit* Zahlenfeld(const QString& name, QWidget* eltern) {
  auto* e = new QLineEdit(eltern);
  e->setObjectName(name);
  e->setFixedWidth(55);
  BegrenzeEingabe(e, kGanzzahlBreite);  // a 32-bit whole number
  return e;
}

}  // namespace

TEinstellDrkForm::TEinstellDrkForm(DruckEinstellungen& einstellungen, Meldungen& meldungen,
                                   std::function<void()> zeigeFortschritt, QWidget* eltern)
    : QDialog(eltern),
      meldungen_(meldungen, this),
      regeln_(einstellungen, meldungen_),
      zeigeFortschritt_(std::move(zeigeFortschritt)) {
  setWindowTitle(U("Druck-Einstellungen"));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);

  auto* oben = new QHBoxLayout;
  oben->addWidget(BaueOptionen());
  oben->addWidget(BaueDruckart());
  spalte->addLayout(oben);
  spalte->addWidget(BaueRaender());
  spalte->addLayout(BaueKnoepfe());
}

QGroupBox* TEinstellDrkForm::BaueOptionen() {
  auto* optionen = new QGroupBox(U("allgemeine Optionen"), this);
  auto* optSpalte = new QVBoxLayout(optionen);
  auto box = [&](const char* text, const char* name) {
    auto* c = new QCheckBox(U(text), optionen);
    c->setObjectName(QString::fromLatin1(name));
    optSpalte->addWidget(c);
    return c;
  };
  alleInWorten_ = box("alle Bewertungen in Worten drucken", "AlleInWorten");
  mitRahmen_ = box("bestimmte Formulare mit Rahmen drucken", "MitRahmen");
  nurInnen_ = box("bestimmte Formulare nur innen drucken", "NurInnen");
  reserve1_ = box("Reserve1", "DruckReserve1");
  einstellecke_ = box("mit Einstellecke", "MitEinstellecke");
  optSpalte->addStretch();
  return optionen;
}

QGroupBox* TEinstellDrkForm::BaueDruckart() {
  auto* art = new QGroupBox(U("Druckart / Formulardruck"), this);
  auto* artSpalte = new QVBoxLayout(art);
  druckart_ = new QButtonGroup(this);
  for (int i = 0; i < static_cast<int>(kDruckarten.size()); ++i) {
    auto* r = new QRadioButton(U(kDruckarten[i]), art);
    druckart_->addButton(r, i);
    artSpalte->addWidget(r);
  }
  artSpalte->addStretch();
  return art;
}

// One row per kind of form: its (left, top) pairs page by page; the row of the internal
// forms also has the line height.
QGroupBox* TEinstellDrkForm::BaueRaender() {
  auto* raender = new QGroupBox(U("Druckränder"), this);
  auto* gitter = new QGridLayout(raender);
  gitter->addWidget(Fett(U("in 1/10 mm"), raender), 0, 0);
  const std::array<const char*, 3> seiten = {"Seite 1", "Seite 2", "Seite3"};
  for (int s = 0; s < 3; ++s) {
    gitter->addWidget(new QLabel(U(seiten[s]), raender), 0, 1 + 2 * s, 1, 2, Qt::AlignCenter);
    gitter->addWidget(new QLabel(U("links"), raender), 1, 1 + 2 * s, Qt::AlignCenter);
    gitter->addWidget(new QLabel(U("oben"), raender), 1, 2 + 2 * s, Qt::AlignCenter);
  }
  gitter->addWidget(new QLabel(U("Zeilenhöhe"), raender), 1, 7, Qt::AlignCenter);
  for (std::size_t r = 0; r < kRandZeilen; ++r) {
    const int zeile = static_cast<int>(r) + 2;
    gitter->addWidget(new QLabel(U(kZeilenTitel[r]), raender), zeile, 0);
    const int erster = ErsterRand(r);
    for (int k = 0; k < 2 * kRandZeileSeiten[r]; ++k) {
      const int i = erster + k;
      raender_[i] = Zahlenfeld(QStringLiteral("Rand%1").arg(i), raender);
      gitter->addWidget(raender_[i], zeile, 1 + k);
    }
    if (r == kZeileInterneFormulare) {
      zeilenhoehe_ = Zahlenfeld(QStringLiteral("Zeilenhoehe"), raender);
      gitter->addWidget(zeilenhoehe_, zeile, 7);
    }
  }
  return raender;
}

QHBoxLayout* TEinstellDrkForm::BaueKnoepfe() {
  auto* knoepfe = new QHBoxLayout;
  auto* standard = BenannterKnopf(QStringLiteral("Standard"), U("Standard wiederherstellen"), this);
  auto* abbrechen = BenannterKnopf(QStringLiteral("Abbrechen"), U("Abbrechen"), this);
  auto* uebernehmen = BenannterKnopf(QStringLiteral("Uebernehmen"), U("Einstellungen übernehmen"), this);
  QFont fett = uebernehmen->font();
  fett.setBold(true);
  uebernehmen->setFont(fett);
  uebernehmen->setDefault(true);
  knoepfe->addWidget(standard);
  knoepfe->addStretch();
  knoepfe->addWidget(abbrechen);
  knoepfe->addWidget(uebernehmen);

  connect(standard, &QPushButton::clicked, this, &TEinstellDrkForm::StandardClick);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
  connect(uebernehmen, &QPushButton::clicked, this, &TEinstellDrkForm::UebernehmenClick);
  return knoepfe;
}

void TEinstellDrkForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;
  FormShow();
}

void TEinstellDrkForm::FormShow() { Fuelle(regeln_.BeimZeigen()); }

void TEinstellDrkForm::StandardClick() { Fuelle(regeln_.StandardHerstellen()); }

void TEinstellDrkForm::UebernehmenClick() {
  if (!regeln_.Uebernehmen(Lies())) return;  // save failed: the window stays open
  if (zeigeFortschritt_) zeigeFortschritt_();
  accept();
}

void TEinstellDrkForm::Fuelle(const DrkFormWerte& w) {
  for (std::size_t i = 0; i < kRandAnzahl; ++i) raender_[i]->setText(Q(w.Raender[i]));
  zeilenhoehe_->setText(Q(w.Zeilenhoehe));
  alleInWorten_->setChecked(w.AlleInWorten);
  mitRahmen_->setChecked(w.MitRahmen);
  nurInnen_->setChecked(w.NurInnen);
  reserve1_->setChecked(w.DruckReserve1);
  einstellecke_->setChecked(w.MitEinstellecke);
  if (w.Druckart >= 0) {
    druckart_->button(w.Druckart)->setChecked(true);
  } else if (auto* gewaehlt = druckart_->checkedButton()) {
    druckart_->setExclusive(false);  // an exclusive group cannot be emptied otherwise
    gewaehlt->setChecked(false);
    druckart_->setExclusive(true);
  }
}

DrkFormWerte TEinstellDrkForm::Lies() const {
  DrkFormWerte w;
  for (std::size_t i = 0; i < kRandAnzahl; ++i) w.Raender[i] = K(raender_[i]->text());
  w.Zeilenhoehe = K(zeilenhoehe_->text());
  w.AlleInWorten = alleInWorten_->isChecked();
  w.MitRahmen = mitRahmen_->isChecked();
  w.NurInnen = nurInnen_->isChecked();
  w.DruckReserve1 = reserve1_->isChecked();
  w.MitEinstellecke = einstellecke_->isChecked();
  w.Druckart = druckart_->checkedId();
  return w;
}

}  // namespace velmora
