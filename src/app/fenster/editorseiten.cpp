#include "app/fenster/editorseiten.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "basis/feldeingabe.h"
#include "basis/fenster/eingabewaechter.h"
#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"
#include "classdata/bewertungscode.h"

namespace velmora {

// ---- helpers ----

namespace {

EditorText LiesFeld(const QLineEdit* feld) {
  const bool maskiert = !feld->inputMask().isEmpty();
  return EditorText{K(maskiert ? feld->displayText() : feld->text()), feld->isModified()};
}

void Fuelle(QLineEdit* feld, const EditorText& e) {
  feld->setText(Q(e.text));
  feld->setModified(false);
}

EditorText LiesText(const BegrenzterText* feld) {
  return EditorText{KMehrzeilig(feld->toPlainText()), feld->Geaendert()};
}

void WaehleRadio(QButtonGroup* gruppe, int id) {
  if (QAbstractButton* knopf = gruppe->button(id)) {
    knopf->setChecked(true);
    return;
  }
  gruppe->setExclusive(false);
  for (QAbstractButton* b : gruppe->buttons()) b->setChecked(false);
  gruppe->setExclusive(true);
}

QGroupBox* RadioGruppe(const QString& titel, const QStringList& eintraege, int ersteId, QButtonGroup*& gruppe,
                       QWidget* eltern, int spalten = 1) {
  auto* box = new QGroupBox(titel, eltern);
  auto* gitter = new QGridLayout(box);
  gruppe = new QButtonGroup(box);
  int zeilen = static_cast<int>((eintraege.size() + spalten - 1) / spalten);
  for (int i = 0; i < eintraege.size(); ++i) {
    auto* knopf = new QRadioButton(eintraege[i], box);
    gruppe->addButton(knopf, ersteId + i);
    gitter->addWidget(knopf, i % zeilen, i / zeilen);
  }
  return box;
}

QLineEdit* Datumsfeld(QWidget* eltern) {
  auto* feld = new QLineEdit(eltern);
  // Day and month may start with a blank, the year has four digits; blanks mark empty positions.
  feld->setInputMask(QStringLiteral("09.09.9999; "));
  feld->setMinimumWidth(95);
  feld->setMaximumWidth(110);
  return feld;
}

QLineEdit* Feld(QWidget* eltern, int breite = 0) {
  auto* feld = new QLineEdit(eltern);
  if (breite > 0) feld->setMaximumWidth(breite);
  return feld;
}

}  // namespace

// ---- TEditorSeiten ----

namespace {

// Every tab scrolls, so that each of its controls stays reachable in a small window.
QScrollArea* Rollbar(QWidget* seite, QWidget* eltern) {
  auto* rahmen = new QScrollArea(eltern);
  rahmen->setWidget(seite);
  rahmen->setWidgetResizable(true);
  rahmen->setFrameShape(QFrame::NoFrame);
  return rahmen;
}

}  // namespace

TEditorSeiten::TEditorSeiten(QWidget* eltern) : QTabWidget(eltern) {
  addTab(Rollbar(BaueSeitePersonendaten(), this), U("Personendaten"));
  addTab(BaueSeiteBewertungen(), U("Bewertungen"));
  addTab(Rollbar(BaueSeiteZeugnistexte(), this), U("Zeugnistexte"));
  addTab(Rollbar(BaueSeiteZeugnisdaten(), this), U("Zeugnisdaten"));
  addTab(Rollbar(BaueSeiteBemerkungen(), this), U("Bemerkungen"));
  setCurrentIndex(Bewertungen);
  BewacheEingaben();
}

void TEditorSeiten::BewacheEingaben() {
  // Each edit takes no more than its record field holds, and is named after the field.
  using S = TSchuelerDatensatz;
  const auto feld = [](QLineEdit* e, const char* name, std::size_t breite) {
    if (e->objectName().isEmpty()) e->setObjectName(QString::fromLatin1(name));
    BegrenzeEingabe(e, static_cast<int>(breite));
  };
  feld(nummer_, "Nummer", kGanzzahlBreite);
  feld(name_, "Name", S::Name.max);
  feld(vornamen_, "Vornamen", S::Vornamen.max);
  feld(geburtsort_, "Geburtsort", S::Geburtsort.max);
  feld(wohnort_, "Wohnort", S::Wohnort.max);
  for (std::size_t r = 0; r < fach_.size(); ++r) {
    BegrenzeEingabe(fach_[r], static_cast<int>(TFachZeile::Fach.max));
    CodeEingabe(bewertung_[r], IstBewertungscode, BewertungsHinweis());
    BegrenzeEingabe(zusatz_[r], static_cast<int>(TFachZeile::Zusatz.max));
  }
  feld(versaeumt_, "VersaeumteStunden", S::VersaeumteStunden.max);
  feld(entschuldigt_, "Entschuldigt", S::Entschuldigt.max);
  feld(fachrichtung_, "Fachrichtung", S::Fachrichtung.max);
  feld(schwerpunkt_, "Schwerpunkt", S::Schwerpunkt.max);
  feld(berufsbezeichnung_, "Berufsbezeichnung", S::Berufsbezeichnung.max);
  feld(klasse_, "Klasse", S::Klasse.max);
  feld(jahrVon_, "SchuljahrVon", S::SchuljahrVon.max);
  feld(jahrBis_, "SchuljahrBis", S::SchuljahrBis.max);
  feld(zeugnisort_, "Zeugnisort", S::Zeugnisort.max);
  // The masked dates and the average hold their mask's width; they only get their names.
  for (auto [e, name] : {std::pair{geburtsdatum_, "Geburtsdatum"}, std::pair{einschulung_, "Einschulungsdatum"},
                         std::pair{ausschulung_, "Ausschulungsdatum"}, std::pair{durchschnitt_, "Durchschnittsnote"},
                         std::pair{zeugnisdatum_, "Zeugnisdatum"}}) {
    if (e->objectName().isEmpty()) e->setObjectName(QString::fromLatin1(name));
  }
  if (intern_->objectName().isEmpty()) intern_->setObjectName(QStringLiteral("InterneBemerkungen"));
}

QWidget* TEditorSeiten::BaueSeitePersonendaten() {
  auto* seite = new QWidget(this);
  auto* form = new QFormLayout(seite);
  auto* nummerZeile = new QHBoxLayout;
  nummer_ = Feld(seite, 120);
  nummer_->setObjectName(QStringLiteral("Nummer"));
  status_ = new QLabel(seite);
  nummerZeile->addWidget(nummer_);
  nummerZeile->addSpacing(30);
  nummerZeile->addWidget(new QLabel(U("Status"), seite));
  nummerZeile->addWidget(status_);
  nummerZeile->addStretch();
  form->addRow(U("Nummer"), nummerZeile);
  form->addRow(RadioGruppe(U("Anrede"), {U("keine"), U("Herr"), U("Frau"), U("Fräulein")}, 0, anrede_, seite, 4));
  name_ = Feld(seite);
  name_->setObjectName(QStringLiteral("Name"));
  vornamen_ = Feld(seite);
  geburtsdatum_ = Datumsfeld(seite);
  geburtsdatum_->setObjectName(QStringLiteral("Geburtsdatum"));
  geburtsort_ = Feld(seite);
  wohnort_ = Feld(seite);
  form->addRow(U("Name"), name_);
  form->addRow(U("Vorname(n)"), vornamen_);
  form->addRow(U("Geburtsdatum"), geburtsdatum_);
  form->addRow(U("Geburtsort"), geburtsort_);
  form->addRow(U("Wohnort"), wohnort_);
  return seite;
}

QWidget* TEditorSeiten::BaueSeiteBewertungen() {
  auto* rahmen = new QScrollArea(this);
  auto* seite = new QWidget(rahmen);
  auto* gitter = new QGridLayout(seite);
  gitter->setVerticalSpacing(2);
  gitter->addWidget(new QLabel(U("Fach/Kurs/Lernbereich"), seite), 0, 0);
  gitter->addWidget(new QLabel(U("Bewertung"), seite), 0, 1);
  gitter->addWidget(new QLabel(U("Fächerzusatz/Lernfeld"), seite), 0, 2);
  gitter->addWidget(new QLabel(U("Zusatz"), seite), 0, 3);
  for (int r = 0; r < 18; ++r) {
    auto& fach = fach_[static_cast<std::size_t>(r)];
    fach = new QComboBox(seite);
    fach->setEditable(true);
    fach->setInsertPolicy(QComboBox::NoInsert);
    fach->setMinimumWidth(220);
    auto& bew = bewertung_[static_cast<std::size_t>(r)];
    bew = Feld(seite, 50);
    auto& fz = fachZusatz_[static_cast<std::size_t>(r)];
    fz = Feld(seite);
    fz->setReadOnly(true);
    fz->setFocusPolicy(Qt::ClickFocus);  // Tab passes over the read-only learning field
    auto& zus = zusatz_[static_cast<std::size_t>(r)];
    zus = Feld(seite, 50);
    const QString nummer = QString::number(r + 1);
    fach->setObjectName(QStringLiteral("Fach") + nummer);
    bew->setObjectName(QStringLiteral("Bewertung") + nummer);
    fz->setObjectName(QStringLiteral("FachZusatz") + nummer);
    zus->setObjectName(QStringLiteral("Zusatz") + nummer);
    gitter->addWidget(fach, r + 1, 0);
    gitter->addWidget(bew, r + 1, 1);
    gitter->addWidget(fz, r + 1, 2);
    gitter->addWidget(zus, r + 1, 3);
  }
  gitter->setColumnStretch(2, 1);
  gitter->setRowStretch(19, 1);
  // Tab: subject, grade, addition, then the next row's subject. Enter in a grade goes on to
  // the next row's grade, for typing a column of grades.
  QWidget* vorher = nullptr;
  for (std::size_t r = 0; r < 18; ++r) {
    for (QWidget* w :
         {static_cast<QWidget*>(fach_[r]), static_cast<QWidget*>(bewertung_[r]), static_cast<QWidget*>(zusatz_[r])}) {
      if (vorher) setTabOrder(vorher, w);
      vorher = w;
    }
    if (r + 1 < 18) {
      connect(bewertung_[r], &QLineEdit::returnPressed, this, [this, r] {
        bewertung_[r + 1]->setFocus(Qt::TabFocusReason);
        bewertung_[r + 1]->selectAll();
      });
    }
  }
  rahmen->setWidget(seite);
  rahmen->setWidgetResizable(true);
  return rahmen;
}

QWidget* TEditorSeiten::BaueSeiteZeugnistexte() {
  auto* seite = new QWidget(this);
  auto* spalte = new QVBoxLayout(seite);
  spalte->addWidget(new QLabel(U("Hinweise zum Arbeits- und Sozialverhalten"), seite));
  hinweise_ = new BegrenzterText(1000, seite);
  hinweise_->setObjectName(QStringLiteral("Hinweise"));
  spalte->addWidget(hinweise_, 3);
  hinweiseZeilen_ = new QLabel(seite);
  hinweiseZeilen_->setObjectName(QStringLiteral("HinweiseZeilen"));
  spalte->addWidget(hinweiseZeilen_);
  auto* stunden = new QHBoxLayout;
  versaeumt_ = Feld(seite, 70);
  versaeumt_->setObjectName(QStringLiteral("VersaeumteStunden"));
  entschuldigt_ = Feld(seite, 70);
  stunden->addWidget(new QLabel(U("Versäumte Stunden"), seite));
  stunden->addWidget(versaeumt_);
  stunden->addSpacing(20);
  stunden->addWidget(new QLabel(U("davon entschuldigt"), seite));
  stunden->addWidget(entschuldigt_);
  stunden->addStretch();
  spalte->addLayout(stunden);
  spalte->addWidget(new QLabel(U("Bemerkungen"), seite));
  bemerkungen_ = new BegrenzterText(400, seite);
  bemerkungen_->setObjectName(QStringLiteral("Bemerkungen"));
  spalte->addWidget(bemerkungen_, 2);
  bemerkungenZeilen_ = new QLabel(seite);
  bemerkungenZeilen_->setObjectName(QStringLiteral("BemerkungenZeilen"));
  spalte->addWidget(bemerkungenZeilen_);
  return seite;
}

QWidget* TEditorSeiten::BaueSeiteZeugnisdaten() {
  auto* seite = new QWidget(this);
  auto* gitter = new QGridLayout(seite);
  auto zuweisen = [&](int i) {
    auto* knopf = BenannterKnopf(QStringLiteral("Knopf"), U("allen zuweisen"), seite);
    allenZuweisen[static_cast<std::size_t>(i)] = knopf;
    return knopf;
  };
  int z = 0;
  gitter->addWidget(RadioGruppe(U("Berufsschulart"),
                                {U("Berufsschule"), U("Berufsfachschule"), U("Fachoberschule"), U("Reserve1"),
                                 U("Reserve2"), U("Reserve3")},
                                0, schulart_, seite, 3),
                    z, 0, 1, 4);
  gitter->addWidget(zuweisen(0), z++, 4, Qt::AlignBottom);

  fachrichtung_ = Feld(seite);
  schwerpunkt_ = Feld(seite);
  berufsbezeichnung_ = Feld(seite);
  gitter->addWidget(new QLabel(U("Fachrichtung / Bildungsgang"), seite), z, 0);
  gitter->addWidget(fachrichtung_, z++, 1, 1, 3);
  gitter->addWidget(new QLabel(U("Schwerpunkt"), seite), z, 0);
  gitter->addWidget(schwerpunkt_, z++, 1, 1, 3);
  gitter->addWidget(new QLabel(U("Berufsbezeichnung"), seite), z, 0);
  gitter->addWidget(berufsbezeichnung_, z, 1, 1, 3);
  gitter->addWidget(zuweisen(1), z++, 4);

  gitter->addWidget(RadioGruppe(U("Zeugnisart"),
                                {U("Halbjahreszeugnis"), U("Jahreszeugnis"), U("Übergangszeugnis"), U("Abgangszeugnis"),
                                 U("Abschlusszeugnis")},
                                1, zeugnisart_, seite, 2),
                    z, 0, 1, 4);
  gitter->addWidget(zuweisen(2), z++, 4, Qt::AlignBottom);

  // One below the other, and the report types in two columns, so that the tab fits a
  // laptop screen (1280 pixels wide) without scrolling sideways.
  auto* bestimmte = new QGroupBox(U("für bestimmte Zeugnisse:"), seite);
  auto* bz = new QGridLayout(bestimmte);
  einschulung_ = Datumsfeld(bestimmte);
  ausschulung_ = Datumsfeld(bestimmte);
  durchschnitt_ = Feld(bestimmte, 50);
  durchschnitt_->setMinimumWidth(45);
  durchschnitt_->setInputMask(QStringLiteral("0,0; "));
  bz->addWidget(new QLabel(U("Einschulungsdatum"), bestimmte), 0, 0);
  bz->addWidget(einschulung_, 0, 1);
  bz->addWidget(new QLabel(U("Ausschulungsdatum"), bestimmte), 1, 0);
  bz->addWidget(ausschulung_, 1, 1);
  bz->addWidget(new QLabel(U("Durchschnittsnote"), bestimmte), 2, 0);
  bz->addWidget(durchschnitt_, 2, 1);
  bz->setColumnStretch(2, 1);
  gitter->addWidget(bestimmte, z, 0, 1, 4);
  gitter->addWidget(zuweisen(3), z++, 4, Qt::AlignBottom);

  klasse_ = Feld(seite, 160);
  jahrVon_ = Feld(seite, 60);
  jahrBis_ = Feld(seite, 60);
  zeugnisort_ = Feld(seite);
  zeugnisdatum_ = Datumsfeld(seite);
  auto* jahr = new QHBoxLayout;
  jahr->addWidget(klasse_);
  jahr->addSpacing(20);
  jahr->addWidget(new QLabel(U("Schuljahr"), seite));
  jahr->addWidget(jahrVon_);
  jahr->addWidget(new QLabel(U("/"), seite));
  jahr->addWidget(jahrBis_);
  jahr->addStretch();
  gitter->addWidget(new QLabel(U("Klasse"), seite), z, 0);
  gitter->addLayout(jahr, z++, 1, 1, 3);
  auto* ort = new QHBoxLayout;
  ort->addWidget(zeugnisort_);
  ort->addWidget(new QLabel(U("-datum"), seite));
  ort->addWidget(zeugnisdatum_);
  gitter->addWidget(new QLabel(U("Zeugnisort"), seite), z, 0);
  gitter->addLayout(ort, z, 1, 1, 3);
  gitter->addWidget(zuweisen(4), z++, 4);
  gitter->setRowStretch(z, 1);
  gitter->setColumnStretch(1, 1);
  return seite;
}

QWidget* TEditorSeiten::BaueSeiteBemerkungen() {
  auto* seite = new QWidget(this);
  auto* spalte = new QVBoxLayout(seite);
  spalte->addWidget(new QLabel(U("interne Bemerkungen:"), seite));
  intern_ = new BegrenzterText(1000, seite);
  spalte->addWidget(intern_);
  return seite;
}

EditorInhalt TEditorSeiten::Lies() const {
  EditorInhalt e;
  e.Nummer = LiesFeld(nummer_);
  e.StatusText = K(status_->text());
  e.Anrede = anrede_->checkedId();
  e.Name = LiesFeld(name_);
  e.Vornamen = LiesFeld(vornamen_);
  e.Geburtsdatum = LiesFeld(geburtsdatum_);
  e.Geburtsort = LiesFeld(geburtsort_);
  e.Wohnort = LiesFeld(wohnort_);
  for (std::size_t r = 0; r < 18; ++r) {
    e.Fach[r] = K(fach_[r]->currentText());
    e.Bewertung[r] = LiesFeld(bewertung_[r]);
    e.FachZusatz[r] = K(fachZusatz_[r]->text());
    e.Zusatz[r] = LiesFeld(zusatz_[r]);
  }
  e.Hinweise = LiesText(hinweise_);
  e.VersaeumteStunden = LiesFeld(versaeumt_);
  e.Entschuldigt = LiesFeld(entschuldigt_);
  e.Bemerkungen = LiesText(bemerkungen_);
  e.Schulart = schulart_->checkedId();
  e.Fachrichtung = LiesFeld(fachrichtung_);
  e.Schwerpunkt = LiesFeld(schwerpunkt_);
  e.Berufsbezeichnung = LiesFeld(berufsbezeichnung_);
  e.Zeugnisart = std::max(0, zeugnisart_->checkedId());
  e.Einschulungsdatum = LiesFeld(einschulung_);
  e.Ausschulungsdatum = LiesFeld(ausschulung_);
  e.Durchschnittsnote = LiesFeld(durchschnitt_);
  e.Klasse = LiesFeld(klasse_);
  e.SchuljahrVon = LiesFeld(jahrVon_);
  e.SchuljahrBis = LiesFeld(jahrBis_);
  e.Zeugnisort = LiesFeld(zeugnisort_);
  e.Zeugnisdatum = LiesFeld(zeugnisdatum_);
  e.InterneBemerkungen = LiesText(intern_);
  return e;
}

void TEditorSeiten::Zeige(const EditorInhalt& e) {
  Fuelle(nummer_, e.Nummer);
  status_->setText(Q(e.StatusText));
  WaehleRadio(anrede_, e.Anrede);
  Fuelle(name_, e.Name);
  Fuelle(vornamen_, e.Vornamen);
  Fuelle(geburtsdatum_, e.Geburtsdatum);
  Fuelle(geburtsort_, e.Geburtsort);
  Fuelle(wohnort_, e.Wohnort);
  for (std::size_t r = 0; r < 18; ++r) {
    fach_[r]->setEditText(Q(e.Fach[r]));
    Fuelle(bewertung_[r], e.Bewertung[r]);
    fachZusatz_[r]->setText(Q(e.FachZusatz[r]));
    Fuelle(zusatz_[r], e.Zusatz[r]);
  }
  hinweise_->Fuelle(QMehrzeilig(e.Hinweise.text));
  Fuelle(versaeumt_, e.VersaeumteStunden);
  Fuelle(entschuldigt_, e.Entschuldigt);
  bemerkungen_->Fuelle(QMehrzeilig(e.Bemerkungen.text));
  WaehleRadio(schulart_, e.Schulart);
  Fuelle(fachrichtung_, e.Fachrichtung);
  Fuelle(schwerpunkt_, e.Schwerpunkt);
  Fuelle(berufsbezeichnung_, e.Berufsbezeichnung);
  WaehleRadio(zeugnisart_, e.Zeugnisart);  // 0 selects no button
  Fuelle(einschulung_, e.Einschulungsdatum);
  Fuelle(ausschulung_, e.Ausschulungsdatum);
  Fuelle(durchschnitt_, e.Durchschnittsnote);
  Fuelle(klasse_, e.Klasse);
  Fuelle(jahrVon_, e.SchuljahrVon);
  Fuelle(jahrBis_, e.SchuljahrBis);
  Fuelle(zeugnisort_, e.Zeugnisort);
  Fuelle(zeugnisdatum_, e.Zeugnisdatum);
  intern_->Fuelle(QMehrzeilig(e.InterneBemerkungen.text));
}

void TEditorSeiten::SetzeFaecher(const QStringList& faecher) {
  QStringList sortiert = faecher;
  SortiereDeutsch(sortiert);
  for (QComboBox* fach : fach_) {
    const QString text = fach->currentText();
    fach->clear();
    fach->addItems(sortiert);
    fach->setEditText(text);
  }
}

void TEditorSeiten::LeereZeugnistexte() {
  hinweise_->Fuelle(QString());
  bemerkungen_->Fuelle(QString());
}

}  // namespace velmora
