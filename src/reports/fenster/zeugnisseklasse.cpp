#include "reports/fenster/zeugnisseklasse.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "basis/fenster/textwandlung.h"

namespace velmora {

namespace {

enum Spalte { kSchueler = 0, kZeugnisart = 1, kMeldung = 2, kHinweis = 3 };
constexpr int kSlotRolle = Qt::UserRole;

QPushButton* Knopf(QWidget* eltern, const char* name, const QString& text) {
  auto* k = new QPushButton(text, eltern);
  k->setObjectName(QString::fromLatin1(name));
  k->setAutoDefault(false);
  return k;
}

}  // namespace

TZeugnisseKlasseForm::TZeugnisseKlasseForm(Klassenzeugnisbefehl& befehl, QWidget* eltern)
    : QDialog(eltern), befehl_(befehl) {
  setObjectName(QStringLiteral("ZeugnisseKlasse"));
  setWindowTitle(U("Zeugnisse der Klasse"));
  setModal(true);

  auto* spalte = new QVBoxLayout(this);
  auto* papier = new QHBoxLayout;
  papier->addWidget(new QLabel(U("Papier:"), this));
  formulare_ = new QRadioButton(U("&Formulare des Verlags"), this);
  formulare_->setObjectName(QStringLiteral("Formulare"));
  weiss_ = new QRadioButton(U("&weißes Papier (vollständiges Zeugnis)"), this);
  weiss_->setObjectName(QStringLiteral("WeissesPapier"));
  formulare_->setChecked(true);
  papier->addWidget(formulare_);
  papier->addWidget(weiss_);
  papier->addStretch();
  spalte->addLayout(papier);
  hinweis_ = new QLabel(this);
  spalte->addWidget(hinweis_);
  liste_ = new QTreeWidget(this);
  liste_->setObjectName(QStringLiteral("Schuelerliste"));
  liste_->setColumnCount(4);
  liste_->setHeaderLabels({U("Schüler"), U("Zeugnisart"), U("Meldung"), U("Hinweis")});
  liste_->setRootIsDecorated(false);
  liste_->setSelectionMode(QAbstractItemView::NoSelection);
  liste_->header()->setSectionResizeMode(kSchueler, QHeaderView::ResizeToContents);
  liste_->header()->setSectionResizeMode(kZeugnisart, QHeaderView::ResizeToContents);
  liste_->setColumnWidth(kMeldung, 230);
  spalte->addWidget(liste_, 1);

  auto* knoepfe = new QHBoxLayout;
  QPushButton* alle = Knopf(this, "Alle", U("&Alle"));
  QPushButton* keine = Knopf(this, "Keine", U("&Keine"));
  vorschau_ = Knopf(this, "Vorschau", U("&Vorschau"));
  drucken_ = Knopf(this, "Drucken", U("&Drucken"));
  QPushButton* abbrechen = Knopf(this, "Abbrechen", U("Abbrechen"));
  knoepfe->addWidget(alle);
  knoepfe->addWidget(keine);
  knoepfe->addStretch();
  for (QPushButton* k : {vorschau_, drucken_, abbrechen}) knoepfe->addWidget(k);
  spalte->addLayout(knoepfe);

  connect(alle, &QPushButton::clicked, this, [this] { SetzeAlle(true); });
  connect(keine, &QPushButton::clicked, this, [this] { SetzeAlle(false); });
  connect(vorschau_, &QPushButton::clicked, this, &TZeugnisseKlasseForm::VorschauClick);
  connect(drucken_, &QPushButton::clicked, this, &TZeugnisseKlasseForm::DruckenClick);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
  connect(liste_, &QTreeWidget::itemChanged, this, [this] { PasseKnoepfeAn(); });
  connect(weiss_, &QRadioButton::toggled, this, &TZeugnisseKlasseForm::PapierGewaehlt);
  PapierGewaehlt();
  resize(900, 620);
}

bool TZeugnisseKlasseForm::Fuellen() {
  const std::vector<KlassenZeugnisZeile> zeilen = befehl_.Oeffnen();
  const QSignalBlocker sperre(liste_);
  liste_->clear();
  for (const KlassenZeugnisZeile& z : zeilen) {
    auto* item = new QTreeWidgetItem(liste_);
    item->setText(kSchueler, Q(z.name));
    item->setText(kZeugnisart, Q(z.zeugnisart));
    item->setText(kMeldung, Q(z.verweigerung));
    item->setToolTip(kMeldung, QMehrzeilig(z.verweigerung));
    ZeigeHinweis(*item, z);
    item->setData(kSchueler, kSlotRolle, static_cast<qulonglong>(z.schueler));
    item->setCheckState(kSchueler, z.typ ? Qt::Checked : Qt::Unchecked);
    Qt::ItemFlags flags = Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
    if (z.typ) flags |= Qt::ItemIsEnabled;
    item->setFlags(flags);
  }
  PasseKnoepfeAn();
  return !zeilen.empty();
}

void TZeugnisseKlasseForm::Zeige() {
  // Each opening starts on the forms, as the report command prints.
  formulare_->setChecked(true);
  if (Fuellen()) exec();
}

std::vector<std::size_t> TZeugnisseKlasseForm::Auswahl() const {
  std::vector<std::size_t> auswahl;
  for (int i = 0; i < liste_->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* item = liste_->topLevelItem(i);
    if ((item->flags() & Qt::ItemIsEnabled) && item->checkState(kSchueler) == Qt::Checked) {
      auswahl.push_back(static_cast<std::size_t>(item->data(kSchueler, kSlotRolle).toULongLong()));
    }
  }
  return auswahl;
}

void TZeugnisseKlasseForm::SetzeAlle(bool angekreuzt) {
  for (int i = 0; i < liste_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = liste_->topLevelItem(i);
    if (item->flags() & Qt::ItemIsEnabled) item->setCheckState(kSchueler, angekreuzt ? Qt::Checked : Qt::Unchecked);
  }
  PasseKnoepfeAn();
}

void TZeugnisseKlasseForm::PasseKnoepfeAn() {
  const bool etwas = !Auswahl().empty();
  vorschau_->setEnabled(etwas);
  drucken_->setEnabled(etwas);
}

void TZeugnisseKlasseForm::ZeigeHinweis(QTreeWidgetItem& item, const KlassenZeugnisZeile& z) {
  item.setText(kHinweis, Q(z.formularplatz));
  item.setToolTip(kHinweis, Q(z.formularplatz));
  item.setForeground(kHinweis, QColor(200, 0, 0));
}

void TZeugnisseKlasseForm::AktualisiereHinweise() {
  if (liste_->topLevelItemCount() == 0) return;
  // Only the column "Hinweis" follows the paper; the ticks stay as the teacher set them.
  const std::vector<KlassenZeugnisZeile> zeilen = befehl_.Zeilen();
  const QSignalBlocker sperre(liste_);
  for (int i = 0; i < liste_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = liste_->topLevelItem(i);
    const auto slot = static_cast<std::size_t>(item->data(kSchueler, kSlotRolle).toULongLong());
    for (const KlassenZeugnisZeile& z : zeilen) {
      if (z.schueler == slot) ZeigeHinweis(*item, z);
    }
  }
}

void TZeugnisseKlasseForm::PapierGewaehlt() {
  if (weiss_->isChecked()) {
    befehl_.SetzePapier(weissesPapier_);
    hinweis_->setText(
        U("Die angekreuzten Zeugnisse werden vollständig auf weißes Papier gedruckt, ohne Nachfrage "
          "vor den Seiten."));
  } else {
    befehl_.SetzeFormularpapier();
    hinweis_->setText(U("Die angekreuzten Zeugnisse werden auf die Formulare der Programmeinstellungen gedruckt."));
  }
  AktualisiereHinweise();
}

void TZeugnisseKlasseForm::VorschauClick() { befehl_.Vorschau(Auswahl()); }

void TZeugnisseKlasseForm::DruckenClick() {
  const std::vector<std::size_t> auswahl = Auswahl();
  // The window closes first: the page prompts and the closing box stand over the main window.
  accept();
  befehl_.Drucken(auswahl);
}

}  // namespace velmora
