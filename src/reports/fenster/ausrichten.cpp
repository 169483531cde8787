#include "reports/fenster/ausrichten.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "basis/fenster/textwandlung.h"
#include "reports/fenster/seitenansicht.h"

namespace velmora {

namespace {

constexpr std::size_t kZeilen = 100;

// The values of a table file are 0..65535.
class ZahlenFeld : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem&, const QModelIndex&) const override {
    auto* feld = new QSpinBox(eltern);
    feld->setRange(0, 65535);
    feld->setFrame(false);
    offen_ = feld;
    return feld;
  }
  void setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& index) const override {
    if (auto* feld = qobject_cast<QSpinBox*>(editor)) feld->interpretText();
    QStyledItemDelegate::setModelData(editor, modell, index);
  }
  // A value still being typed counts before a command that reads the table (save, test
  // print, closing, another table): it is taken and its editor closed.
  void Uebernimm() {
    if (!offen_) return;
    QSpinBox* feld = offen_;
    offen_.clear();
    emit commitData(feld);
    emit closeEditor(feld, QAbstractItemDelegate::NoHint);
  }

 private:
  mutable QPointer<QSpinBox> offen_;
};

QDoubleSpinBox* Mm(QWidget* eltern, const char* name, double von, double bis, double schritt, int stellen) {
  auto* feld = new QDoubleSpinBox(eltern);
  feld->setObjectName(QString::fromLatin1(name));
  feld->setRange(von, bis);
  feld->setSingleStep(schritt);
  feld->setDecimals(stellen);
  feld->setKeyboardTracking(false);
  return feld;
}

QLabel* Beschriftung(QWidget* eltern, const QString& text, QWidget* fuer) {
  auto* l = new QLabel(text, eltern);
  l->setBuddy(fuer);
  return l;
}

AusrichtTabelle::Feld FeldDerSpalte(int spalte) {
  switch (spalte) {
    case TFormularAusrichten::kX:
      return AusrichtTabelle::Feld::X;
    case TFormularAusrichten::kY:
      return AusrichtTabelle::Feld::Y;
    case TFormularAusrichten::kSchrift:
      return AusrichtTabelle::Feld::Schrift;
    case TFormularAusrichten::kSeite:
      return AusrichtTabelle::Feld::Seite;
    default:
      return AusrichtTabelle::Feld::Drucken;
  }
}

}  // namespace

TFormularAusrichten::TFormularAusrichten(Formularausrichtung& ausrichtung, Meldungen& meldungen, DateiDialoge& dialoge,
                                         QWidget* eltern)
    : QDialog(eltern), ausrichtung_(ausrichtung), meldungen_(meldungen), dialoge_(dialoge) {
  setObjectName(QStringLiteral("FormularAusrichten"));
  setWindowTitle(U("Formular ausrichten"));
  setModal(true);
  setSizeGripEnabled(true);
  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(BaueKopf());
  spalte->addWidget(BaueTeiler(), 1);
  zustand_ = new QLabel(this);
  zustand_->setObjectName(QStringLiteral("Zustand"));
  spalte->addWidget(zustand_);
  spalte->addLayout(BaueKnoepfe());
  Verbinde();
}

// The choice of the table and page, and the size of the page on the screen.
QHBoxLayout* TFormularAusrichten::BaueKopf() {
  auto* kopf = new QHBoxLayout;
  wahl_ = new QComboBox(this);
  wahl_->setObjectName(QStringLiteral("Tabellenwahl"));
  wahl_->setToolTip(U("die Tabellendatei und die Seite, die ausgerichtet werden"));
  zoom_ = new QComboBox(this);
  zoom_->setObjectName(QStringLiteral("Zoom"));
  zoom_->addItems({U("Ganze Seite"), U("Seitenbreite"), U("100 %"), U("150 %"), U("200 %")});
  zoom_->setToolTip(U("Größe der Seite am Bildschirm; 100 % ist Originalgröße"));
  kopf->addWidget(Beschriftung(this, U("&Tabelle:"), wahl_));
  kopf->addWidget(wahl_, 1);
  kopf->addSpacing(16);
  kopf->addWidget(Beschriftung(this, U("&Größe:"), zoom_));
  kopf->addWidget(zoom_);
  return kopf;
}

// The page on the left; the table, the background and the shift of all entries on the right.
QSplitter* TFormularAusrichten::BaueTeiler() {
  auto* teiler = new QSplitter(Qt::Horizontal, this);
  rollen_ = new QScrollArea(teiler);
  rollen_->setObjectName(QStringLiteral("Seitenrollbereich"));
  rollen_->setAlignment(Qt::AlignCenter);
  rollen_->setWidgetResizable(false);
  ansicht_ = new TSeitenAnsicht(ausrichtung_, rollen_);
  rollen_->setWidget(ansicht_);

  auto* rechts = new QWidget(teiler);
  auto* rechtsSpalte = new QVBoxLayout(rechts);
  rechtsSpalte->setContentsMargins(0, 0, 0, 0);
  rechtsSpalte->addWidget(BaueTabelle(rechts), 1);

  nichtGedruckte_ = new QCheckBox(U("&Nicht gedruckte Einträge grau zeigen"), rechts);
  nichtGedruckte_->setObjectName(QStringLiteral("NichtGedruckte"));
  nichtGedruckte_->setToolTip(U("auch die Einträge mit Drucken ungleich 1 zeigen, dort wo sie drucken würden"));
  rechtsSpalte->addWidget(nichtGedruckte_);

  rechtsSpalte->addWidget(BaueHintergrund(rechts));
  rechtsSpalte->addWidget(BaueAlleVerschieben(rechts));
  teiler->addWidget(rollen_);
  teiler->addWidget(rechts);
  teiler->setStretchFactor(0, 3);
  teiler->setStretchFactor(1, 2);
  return teiler;
}

QTableWidget* TFormularAusrichten::BaueTabelle(QWidget* rechts) {
  tabelle_ = new QTableWidget(static_cast<int>(kZeilen), kSpalten, rechts);
  tabelle_->setObjectName(QStringLiteral("Eintraege"));
  tabelle_->setHorizontalHeaderLabels({U("Nr"), U("X"), U("Y"), U("Schrift"), U("Seite"), U("Drucken"), U("Ausdruck")});
  tabelle_->verticalHeader()->hide();
  tabelle_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tabelle_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
  zahlenFeld_ = new ZahlenFeld(tabelle_);
  tabelle_->setItemDelegate(zahlenFeld_);
  tabelle_->setToolTip(U("die Einträge der Tabelle; X und Y in 0,1 mm. Doppelklick oder F2 ändert einen Wert"));
  for (int z = 0; z < static_cast<int>(kZeilen); ++z) {
    for (int s = 0; s < kSpalten; ++s) {
      auto* zelle = new QTableWidgetItem;
      if (s == kNr || s == kAusdruck) zelle->setFlags(zelle->flags() & ~Qt::ItemIsEditable);
      if (s == kNr) zelle->setData(Qt::DisplayRole, z);
      tabelle_->setItem(z, s, zelle);
    }
  }
  tabelle_->horizontalHeader()->setStretchLastSection(true);
  for (int s = kNr; s < kAusdruck; ++s) tabelle_->setColumnWidth(s, s == kNr ? 36 : 58);
  return tabelle_;
}

QGroupBox* TFormularAusrichten::BaueHintergrund(QWidget* rechts) {
  auto* hintergrund = new QGroupBox(U("Hintergrund"), rechts);
  auto* hRaster = new QGridLayout(hintergrund);
  auto* laden = new QPushButton(U("&Hintergrund laden..."), hintergrund);
  laden->setObjectName(QStringLiteral("HintergrundLaden"));
  laden->setToolTip(U("einen Scan oder ein Foto des Formulars (PNG oder JPEG) unter die Seite legen"));
  laden->setAutoDefault(false);
  bildName_ = new QLabel(hintergrund);
  bildName_->setObjectName(QStringLiteral("Bildname"));
  links_ = Mm(hintergrund, "HintergrundLinks", -500, 500, 0.5, 1);
  oben_ = Mm(hintergrund, "HintergrundOben", -500, 500, 0.5, 1);
  massstab_ = Mm(hintergrund, "HintergrundMassstab", 10, 400, 0.1, 2);
  links_->setToolTip(U("wo die linke Kante des Bildes liegt, in mm vom Papierrand"));
  oben_->setToolTip(U("wo die obere Kante des Bildes liegt, in mm vom Papierrand"));
  massstab_->setToolTip(U("Breite des Bildes in Prozent der Papierbreite"));
  hRaster->addWidget(laden, 0, 0, 1, 2);
  hRaster->addWidget(bildName_, 0, 2, 1, 4);
  hRaster->addWidget(Beschriftung(hintergrund, U("&Links (mm):"), links_), 1, 0);
  hRaster->addWidget(links_, 1, 1);
  hRaster->addWidget(Beschriftung(hintergrund, U("&Oben (mm):"), oben_), 1, 2);
  hRaster->addWidget(oben_, 1, 3);
  hRaster->addWidget(Beschriftung(hintergrund, U("&Maßstab (%):"), massstab_), 1, 4);
  hRaster->addWidget(massstab_, 1, 5);
  return hintergrund;
}

QGroupBox* TFormularAusrichten::BaueAlleVerschieben(QWidget* rechts) {
  auto* alle = new QGroupBox(U("Alle Einträge der Seite verschieben"), rechts);
  auto* aZeile = new QHBoxLayout(alle);
  alleX_ = Mm(alle, "AlleWaagrecht", -300, 300, 0.1, 1);
  alleY_ = Mm(alle, "AlleSenkrecht", -300, 300, 0.1, 1);
  alleX_->setToolTip(U("nach rechts (negativ: nach links), in mm"));
  alleY_->setToolTip(U("nach unten (negativ: nach oben), in mm"));
  auto* verschieben = new QPushButton(U("Alle &verschieben"), alle);
  verschieben->setObjectName(QStringLiteral("AlleVerschieben"));
  verschieben->setToolTip(U("jeden Eintrag der Seite um diese Strecken verschieben"));
  verschieben->setAutoDefault(false);
  aZeile->addWidget(Beschriftung(alle, U("&waagrecht (mm):"), alleX_));
  aZeile->addWidget(alleX_);
  aZeile->addWidget(Beschriftung(alle, U("sen&krecht (mm):"), alleY_));
  aZeile->addWidget(alleY_);
  aZeile->addWidget(verschieben);
  return alle;
}

QHBoxLayout* TFormularAusrichten::BaueKnoepfe() {
  auto* knoepfe = new QHBoxLayout;
  auto knopf = [&](const char* name, const QString& text, const QString& hinweis) {
    auto* k = new QPushButton(text, this);
    k->setObjectName(QString::fromLatin1(name));
    k->setToolTip(hinweis);
    k->setAutoDefault(false);
    return k;
  };
  rueckgaengig_ = knopf("Rueckgaengig", U("&Rückgängig"), U("die letzte Änderung zurücknehmen (Strg+Z)"));
  auto* probedruck =
      knopf("Probedruck", U("&Probedruck"), U("den aktuellen Schüler mit dieser Tabelle drucken, wie sie jetzt ist"));
  auto* speichern = knopf("Speichern", U("&Speichern"), U("die Tabellendatei schreiben (Strg+S)"));
  auto* schliessen = knopf("Schliessen", U("S&chließen"), U("das Fenster schließen"));
  knoepfe->addWidget(rueckgaengig_);
  knoepfe->addStretch();
  for (QPushButton* k : {probedruck, speichern, schliessen}) knoepfe->addWidget(k);
  return knoepfe;
}

void TFormularAusrichten::Verbinde() {
  auto* strgZ = new QShortcut(QKeySequence::Undo, this);
  auto* strgS = new QShortcut(QKeySequence::Save, this);
  connect(strgZ, &QShortcut::activated, this, &TFormularAusrichten::Rueckgaengig);
  connect(strgS, &QShortcut::activated, this, &TFormularAusrichten::Speichern);
  connect(wahl_, &QComboBox::currentIndexChanged, this, &TFormularAusrichten::WahlGeaendert);
  connect(zoom_, &QComboBox::currentIndexChanged, this, &TFormularAusrichten::ZoomGeaendert);
  connect(ansicht_, &TSeitenAnsicht::AuswahlGeaendert, this, &TFormularAusrichten::AuswahlAusDerAnsicht);
  connect(ansicht_, &TSeitenAnsicht::Verschoben, this, &TFormularAusrichten::NachAenderung);
  connect(tabelle_, &QTableWidget::itemSelectionChanged, this, &TFormularAusrichten::AuswahlAusDerTabelle);
  connect(tabelle_, &QTableWidget::cellChanged, this, &TFormularAusrichten::ZellenAendern);
  connect(nichtGedruckte_, &QCheckBox::toggled, this, [this](bool ja) {
    if (fuellen_) return;
    ausrichtung_.ZeigeNichtGedruckte(ja);
    NachAenderung();
  });
  connect(Knopf("HintergrundLaden"), &QPushButton::clicked, this, &TFormularAusrichten::HintergrundLaden);
  for (QDoubleSpinBox* feld : {links_, oben_, massstab_}) {
    connect(feld, &QDoubleSpinBox::valueChanged, this, &TFormularAusrichten::HintergrundLageGeaendert);
  }
  connect(Knopf("AlleVerschieben"), &QPushButton::clicked, this, &TFormularAusrichten::AlleVerschieben);
  connect(rueckgaengig_, &QPushButton::clicked, this, &TFormularAusrichten::Rueckgaengig);
  connect(Knopf("Probedruck"), &QPushButton::clicked, this, &TFormularAusrichten::Probedruck);
  connect(Knopf("Speichern"), &QPushButton::clicked, this, &TFormularAusrichten::Speichern);
  connect(Knopf("Schliessen"), &QPushButton::clicked, this, &TFormularAusrichten::reject);
}

QPushButton* TFormularAusrichten::Knopf(const char* name) const {
  return findChild<QPushButton*>(QString::fromLatin1(name));
}

void TFormularAusrichten::Zeige() {
  if (Oeffnen()) exec();
}

bool TFormularAusrichten::Oeffnen() {
  if (!ausrichtung_.Oeffnen()) return false;
  ersteAktivierung_ = true;
  fuellen_ = true;
  wahl_->clear();
  for (const AusrichtWahl& w : ausrichtung_.Wahlen()) wahl_->addItem(Q(w.name));
  wahl_->setCurrentIndex(static_cast<int>(ausrichtung_.WahlIndex()));
  nichtGedruckte_->setChecked(false);
  alleX_->setValue(0);
  alleY_->setValue(0);
  fuellen_ = false;
  QSize groesse(1200, 840);
  if (const QScreen* bildschirm = screen()) groesse = groesse.boundedTo(bildschirm->availableGeometry().size());
  resize(groesse);
  HintergrundAnzeigen();
  ZoomGeaendert();
  NachAenderung();
  AuswahlAusDerAnsicht();
  return true;
}

void TFormularAusrichten::showEvent(QShowEvent* ereignis) {
  QDialog::showEvent(ereignis);
  // The page fits the window only once the window has its size.
  ZoomGeaendert();
  ansicht_->setFocus(Qt::OtherFocusReason);
  AuswahlAusDerAnsicht();
}

bool TFormularAusrichten::event(QEvent* ereignis) {
  const bool erledigt = QDialog::event(ereignis);
  // The keys move the page's entries from the start: when the window first becomes active,
  // the keyboard goes to the page, wherever Qt's own choice would put it.
  if (ereignis->type() == QEvent::WindowActivate && ersteAktivierung_) {
    ersteAktivierung_ = false;
    ansicht_->setFocus(Qt::ActiveWindowFocusReason);
  }
  return erledigt;
}

void TFormularAusrichten::WahlGeaendert(int index) {
  if (fuellen_ || index < 0) return;
  EingabeUebernehmen();
  if (!ausrichtung_.Waehle(static_cast<std::size_t>(index))) {
    const QSignalBlocker sperre(wahl_);
    wahl_->setCurrentIndex(static_cast<int>(ausrichtung_.WahlIndex()));
    return;
  }
  HintergrundAnzeigen();
  ZoomGeaendert();
  NachAenderung();
  AuswahlAusDerAnsicht();
}

void TFormularAusrichten::ZoomGeaendert() {
  const Papier& papier = ausrichtung_.PapierDerSeite();
  const QSize platz = rollen_->viewport()->size() - QSize(30, 30);
  const double originalgroesse = ansicht_->logicalDpiX() / 254.0;  // pixels per 1/10 mm
  double massstab = originalgroesse;
  switch (zoom_->currentIndex()) {
    case 0:
      massstab = std::min(static_cast<double>(platz.width()) / papier.breite,
                          static_cast<double>(platz.height()) / papier.hoehe);
      break;
    case 1:
      massstab = static_cast<double>(platz.width()) / papier.breite;
      break;
    case 3:
      massstab = originalgroesse * 1.5;
      break;
    case 4:
      massstab = originalgroesse * 2;
      break;
    default:
      break;
  }
  ansicht_->SetzeMassstab(massstab);
}

void TFormularAusrichten::TabelleFuellen() {
  fuellen_ = true;
  const TFormatSteuerTabelle& t = ausrichtung_.Tabelle().Tabelle();
  const std::vector<std::size_t> seite = EintraegeDerSeite(ausrichtung_.Wahl(), t);
  const QColor grau = palette().color(QPalette::Disabled, QPalette::Text);
  const QColor normal = palette().color(QPalette::Text);
  for (std::size_t k = 0; k < kZeilen && k < t.size(); ++k) {
    const int z = static_cast<int>(k);
    const TFormatEintrag& e = t[k];
    const int werte[] = {e.X, e.Y, e.Schrift, e.Seite, e.Drucken};
    for (int s = kX; s <= kDrucken; ++s) tabelle_->item(z, s)->setData(Qt::EditRole, werte[s - kX]);
    tabelle_->item(z, kAusdruck)->setText(Q(ausrichtung_.DruckTextVon(k)));
    const bool aufDerSeite = std::find(seite.begin(), seite.end(), k) != seite.end();
    for (int s = 0; s < kSpalten; ++s) tabelle_->item(z, s)->setForeground(aufDerSeite ? normal : grau);
  }
  fuellen_ = false;
}

void TFormularAusrichten::ZellenAendern(int zeile, int spalte) {
  if (fuellen_ || zeile < 0 || spalte < kX || spalte > kDrucken) return;
  const int wert = std::clamp(tabelle_->item(zeile, spalte)->data(Qt::EditRole).toInt(), 0, 65535);
  ausrichtung_.Setze(static_cast<std::size_t>(zeile), FeldDerSpalte(spalte), static_cast<std::uint16_t>(wert));
  NachAenderung();
}

void TFormularAusrichten::AuswahlAusDerAnsicht() {
  fuellen_ = true;
  const QSignalBlocker sperre(tabelle_);
  tabelle_->clearSelection();
  QItemSelection auswahl;
  for (std::size_t k : ausrichtung_.Auswahl()) {
    const int z = static_cast<int>(k);
    auswahl.select(tabelle_->model()->index(z, 0), tabelle_->model()->index(z, kSpalten - 1));
  }
  tabelle_->selectionModel()->select(auswahl, QItemSelectionModel::Select);
  // Scrolled only once the window is shown: a table without its size would scroll its first
  // rows out of sight for good.
  if (!ausrichtung_.Auswahl().empty() && isVisible()) {
    const int z = static_cast<int>(ausrichtung_.Auswahl().front());
    tabelle_->scrollToItem(tabelle_->item(z, 0));
    if (const auto feld = ansicht_->Feld(ausrichtung_.Auswahl().front())) {
      rollen_->ensureVisible(static_cast<int>(feld->center().x()), static_cast<int>(feld->center().y()), 60, 60);
    }
  }
  tabelle_->viewport()->update();
  fuellen_ = false;
}

void TFormularAusrichten::AuswahlAusDerTabelle() {
  if (fuellen_) return;
  std::vector<std::size_t> auswahl;
  for (const QModelIndex& zeile : tabelle_->selectionModel()->selectedRows()) {
    auswahl.push_back(static_cast<std::size_t>(zeile.row()));
  }
  ausrichtung_.SetzeAuswahl(auswahl);
  ansicht_->update();
}

void TFormularAusrichten::NachAenderung() {
  ansicht_->Aktualisiere();
  TabelleFuellen();
  rueckgaengig_->setEnabled(ausrichtung_.Tabelle().KannRueckgaengig());
  const AusrichtWahl& w = ausrichtung_.Wahl();
  QString text = ausrichtung_.Tabelle().Geaendert() ? Q(w.datei) + U(": Änderungen noch nicht gespeichert")
                                                    : Q(w.datei) + U(": keine ungespeicherten Änderungen");
  if (AufWeissemPapier(w) && w.seite > ausrichtung_.Bild().seiten) {
    text += U(" – Das Zeugnis des aktuellen Schülers hat keine Folgeseite.");
  }
  zustand_->setText(text);
}

void TFormularAusrichten::HintergrundLaden() {
  DateiDialogWunsch wunsch;
  wunsch.filter = K(U("Bilder (*.png;*.jpg;*.jpeg)|*.png;*.jpg;*.jpeg;*.PNG;*.JPG;*.JPEG"));
  const std::optional<std::string> pfad = dialoge_.Oeffnen(wunsch);
  if (!pfad) return;
  QImageReader leser(Q(*pfad));
  leser.setAutoTransform(true);  // a photo stands as it was taken
  const QImage bild = leser.read();
  if (bild.isNull()) {
    meldungen_.Fehler(BildNichtLesbarText(*pfad));
    return;
  }
  if (!ausrichtung_.SetzeHintergrundBild(*pfad)) return;
  geladenesBild_ = Q(*pfad);
  ansicht_->SetzeHintergrundBild(bild);
  HintergrundAnzeigen();
}

void TFormularAusrichten::HintergrundAnzeigen() {
  fuellen_ = true;
  const std::optional<Hintergrund>& h = ausrichtung_.HintergrundDerSeite();
  for (QDoubleSpinBox* feld : {links_, oben_, massstab_}) feld->setEnabled(h.has_value());
  if (!h) {
    geladenesBild_.clear();
    ansicht_->SetzeHintergrundBild({});
    bildName_->setText(U("kein Bild"));
    links_->setValue(0);
    oben_->setValue(0);
    massstab_->setValue(100);
  } else {
    if (geladenesBild_ != Q(h->bild)) {
      QImageReader leser(Q(h->bild));
      leser.setAutoTransform(true);
      ansicht_->SetzeHintergrundBild(leser.read());
      geladenesBild_ = Q(h->bild);
    }
    const QString name = QFileInfo(Q(h->bild)).fileName();
    bildName_->setText(ansicht_->HintergrundBild().isNull() ? U("Bild nicht lesbar: ") + name : name);
    bildName_->setToolTip(Q(h->bild));
    links_->setValue(h->links / 10.0);
    oben_->setValue(h->oben / 10.0);
    massstab_->setValue(h->massstab * 100.0);
  }
  fuellen_ = false;
}

void TFormularAusrichten::HintergrundLageGeaendert() {
  if (fuellen_) return;
  ausrichtung_.SetzeHintergrundLage(links_->value() * 10.0, oben_->value() * 10.0, massstab_->value() / 100.0);
  ansicht_->update();
}

void TFormularAusrichten::EingabeUebernehmen() { static_cast<ZahlenFeld*>(zahlenFeld_)->Uebernimm(); }

void TFormularAusrichten::AlleVerschieben() {
  EingabeUebernehmen();
  ausrichtung_.VerschiebeAlle(static_cast<int>(std::lround(alleX_->value() * 10.0)),
                              static_cast<int>(std::lround(alleY_->value() * 10.0)));
  NachAenderung();
}

void TFormularAusrichten::Rueckgaengig() {
  if (ausrichtung_.Rueckgaengig()) NachAenderung();
}

void TFormularAusrichten::Speichern() {
  EingabeUebernehmen();
  ausrichtung_.Speichern();
  NachAenderung();
}

void TFormularAusrichten::Probedruck() {
  EingabeUebernehmen();
  ausrichtung_.Probedruck();
}

void TFormularAusrichten::reject() {
  EingabeUebernehmen();
  if (ausrichtung_.DarfSchliessen()) QDialog::reject();
}

}  // namespace velmora
