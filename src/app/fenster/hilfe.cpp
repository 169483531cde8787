#include "app/fenster/hilfe.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <utility>

#include "basis/dateien.h"
#include "basis/eafehler.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {

namespace {

constexpr int IdRolle = Qt::UserRole;

QPushButton* NeuerKnopf(const QString& name, const QString& beschriftung, QWidget* eltern) {
  auto* knopf = new QPushButton(beschriftung, eltern);
  knopf->setObjectName(name);
  knopf->setAutoDefault(false);  // Enter in the search field must not press a button
  return knopf;
}

}  // namespace

THilfeFenster::THilfeFenster(std::string dateiname, QWidget* eltern)
    : QDialog(eltern), dateiname_(std::move(dateiname)) {
  setWindowTitle(U("Hilfe - Velmora"));
  setModal(false);

  auto* haupt = new QVBoxLayout(this);
  auto* knoepfe = new QHBoxLayout;
  inhaltKnopf_ = NeuerKnopf(QStringLiteral("Inhalt"), U("Inhalt"), this);
  zurueckKnopf_ = NeuerKnopf(QStringLiteral("Zurueck"), U("Zurück"), this);
  QPushButton* schliessen = NeuerKnopf(QStringLiteral("Schliessen"), U("Schließen"), this);
  knoepfe->addWidget(inhaltKnopf_);
  knoepfe->addWidget(zurueckKnopf_);
  knoepfe->addStretch(1);
  knoepfe->addWidget(schliessen);
  haupt->addLayout(knoepfe);

  auto* teiler = teiler_ = new QSplitter(Qt::Horizontal, this);
  auto* suche = new QWidget(teiler);
  auto* sucheSpalte = new QVBoxLayout(suche);
  sucheSpalte->setContentsMargins(0, 0, 0, 0);
  auto* beschriftung = new QLabel(U("&Stichwort:"), suche);
  suchfeld_ = new QLineEdit(suche);
  suchfeld_->setClearButtonEnabled(true);
  beschriftung->setBuddy(suchfeld_);
  treffer_ = new QListWidget(suche);
  sucheSpalte->addWidget(beschriftung);
  sucheSpalte->addWidget(suchfeld_);
  sucheSpalte->addWidget(treffer_, 1);
  anzeige_ = new QTextBrowser(teiler);
  anzeige_->setOpenLinks(false);
  anzeige_->setOpenExternalLinks(false);
  teiler->addWidget(suche);
  teiler->addWidget(anzeige_);
  teiler->setStretchFactor(1, 1);
  teiler->setSizes({240, 560});
  haupt->addWidget(teiler, 1);

  zurueckKnopf_->setEnabled(false);
  connect(inhaltKnopf_, &QPushButton::clicked, this, [this] {
    if (!seiten_.empty() || Lade()) ZeigeSeite("inhalt");
  });
  connect(zurueckKnopf_, &QPushButton::clicked, this, &THilfeFenster::Zurueck);
  connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
  connect(suchfeld_, &QLineEdit::textChanged, this, &THilfeFenster::FuelleTreffer);
  connect(suchfeld_, &QLineEdit::returnPressed, this, &THilfeFenster::SuchfeldBestaetigt);
  connect(treffer_, &QListWidget::itemClicked, this, &THilfeFenster::TrefferGewaehlt);
  connect(treffer_, &QListWidget::itemActivated, this, &THilfeFenster::TrefferGewaehlt);
  connect(anzeige_, &QTextBrowser::anchorClicked, this, &THilfeFenster::VerweisGewaehlt);
  resize(820, 560);
}

void THilfeFenster::ZeigeInhalt() {
  if (Lade()) ZeigeSeite("inhalt");
  Oeffne();
}

void THilfeFenster::ZeigeSuche(const QString& wort) {
  const bool geladen = Lade();
  suchfeld_->setText(wort);
  FuelleTreffer();
  if (geladen && aktuelleSeite_.empty()) ZeigeSeite("inhalt", false);
  Oeffne();
  suchfeld_->setFocus();
  suchfeld_->selectAll();
}

void THilfeFenster::ZeigeHilfeVerwenden() {
  if (Lade()) ZeigeSeite("hilfe-verwenden");
  Oeffne();
}

void THilfeFenster::ZeigeSeiteNeben(const std::string& id, const QWidget& fenster) {
  if (!Lade()) return;
  ZeigeSeite(id);
  // Right of the window, narrower where the screen is narrow, but never so narrow that the
  // steps cannot be read: then at the screen's right edge, over the window's right part.
  constexpr int kMindestbreite = 480;
  const QRect neben = fenster.frameGeometry();
  const QScreen* schirm = fenster.screen();
  const QRect frei = schirm ? schirm->availableGeometry() : neben;
  const int breite = std::clamp(frei.right() - neben.right(), kMindestbreite, std::max(kMindestbreite, width()));
  const int hoehe = std::min(height(), frei.height());
  resize(breite, hoehe);
  // The page gets the room, the keywords what is left.
  teiler_->setSizes({breite / 4, breite - breite / 4});
  const int x = std::max(frei.left(), std::min(neben.right() + 1, frei.right() + 1 - breite));
  const int y = std::clamp(neben.top(), frei.top(), std::max(frei.top(), frei.bottom() + 1 - hoehe));
  move(x, y);
  setAttribute(Qt::WA_ShowWithoutActivating);
  show();
  setAttribute(Qt::WA_ShowWithoutActivating, false);
}

bool THilfeFenster::Lade() {
  std::string fehler;
  try {
    seiten_ = LadeHilfeDatei(dateiname_);
  } catch (const EAFehler& e) {
    fehler = EAFehlerText(e.Nummer());
    seiten_.clear();
  } catch (const std::exception&) {
    seiten_.clear();
  }
  FuelleTreffer();
  if (!seiten_.empty()) {
    zurueckKnopf_->setEnabled(!verlauf_.empty());
    return true;
  }
  aktuelleSeite_.clear();
  zurueckKnopf_->setEnabled(false);
  const QString name = Q(dateiname_).toHtmlEscaped();
  QString html;
  if (fehler.empty() && DateiExistiert(dateiname_)) {
    html = U("<p>Die Hilfedatei %1 enthält keine Hilfeseiten.</p>").arg(name);
  } else {
    html = U("<p>Die Hilfedatei %1 wurde nicht gefunden.</p>").arg(name);
    if (!fehler.empty()) html += QStringLiteral("<p>") + Q(fehler).toHtmlEscaped() + QStringLiteral("</p>");
  }
  anzeige_->setHtml(html);
  return false;
}

void THilfeFenster::Oeffne() {
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void THilfeFenster::ZeigeSeite(const std::string& id, bool merken) {
  if (seiten_.empty()) return;
  std::size_t index = FindeHilfeSeite(seiten_, id);
  if (index >= seiten_.size()) index = 0;
  const HilfeSeite& seite = seiten_[index];
  if (merken && !aktuelleSeite_.empty() && aktuelleSeite_ != seite.id) {
    verlauf_.push_back(aktuelleSeite_);
  }
  aktuelleSeite_ = seite.id;
  anzeige_->setHtml(Q(HilfeSeiteAlsHtml(seiten_, index)));
  zurueckKnopf_->setEnabled(!verlauf_.empty());
}

void THilfeFenster::Zurueck() {
  while (!verlauf_.empty()) {
    const std::string id = verlauf_.back();
    verlauf_.pop_back();
    // A page that vanished when the file was read again is passed over.
    if (FindeHilfeSeite(seiten_, id) < seiten_.size()) {
      ZeigeSeite(id, false);
      return;
    }
  }
  zurueckKnopf_->setEnabled(false);
}

void THilfeFenster::FuelleTreffer() {
  treffer_->clear();
  if (seiten_.empty()) return;
  const std::vector<HilfeStichwort> liste = SucheStichworte(seiten_, K(suchfeld_->text()));
  for (const HilfeStichwort& stichwort : liste) {
    const HilfeSeite& seite = seiten_[stichwort.seite];
    QString text = Q(stichwort.wort);
    if (stichwort.wort != seite.titel) text += QStringLiteral(" \u2013 ") + Q(seite.titel);
    auto* eintrag = new QListWidgetItem(text, treffer_);
    eintrag->setData(IdRolle, Q(seite.id));
  }
  if (liste.empty()) {
    auto* eintrag = new QListWidgetItem(U("Kein Stichwort beginnt so."), treffer_);
    eintrag->setFlags(Qt::NoItemFlags);
  } else {
    treffer_->setCurrentRow(0);
  }
}

void THilfeFenster::TrefferGewaehlt(QListWidgetItem* eintrag) {
  if (eintrag == nullptr) return;
  const QString id = eintrag->data(IdRolle).toString();
  if (!id.isEmpty()) ZeigeSeite(K(id));
}

void THilfeFenster::SuchfeldBestaetigt() {
  QListWidgetItem* eintrag = treffer_->currentItem();
  if (eintrag == nullptr) eintrag = treffer_->item(0);
  TrefferGewaehlt(eintrag);
}

void THilfeFenster::VerweisGewaehlt(const QUrl& ziel) {
  const std::size_t index = SeiteAusVerweis(seiten_, K(ziel.toString()));
  if (index < seiten_.size()) ZeigeSeite(seiten_[index].id);
}

}  // namespace velmora
