#include "reports/fenster/seitenansicht.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "basis/fenster/textwandlung.h"
#include "print/fenster/drucktext.h"

namespace velmora {

namespace {

constexpr int kRand = 12;  // grey space around the paper, pixels

const QColor kEintrag(0, 0, 0);
const QColor kAusgewaehlt(0, 90, 210);
const QColor kNichtGedruckt(160, 160, 160);
const QColor kNummer(170, 40, 40);
const QColor kUmfeld(120, 120, 120);

}  // namespace

TSeitenAnsicht::TSeitenAnsicht(Formularausrichtung& ausrichtung, QWidget* eltern)
    : QWidget(eltern), ausrichtung_(ausrichtung) {
  setObjectName(QStringLiteral("Seitenansicht"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setToolTip(
      U("Klicken wählt einen Eintrag (Strg+Klick fügt hinzu), Ziehen verschiebt; "
        "Pfeiltasten 0,1 mm, Umschalt+Pfeiltasten 1 mm"));
}

void TSeitenAnsicht::SetzeMassstab(double pixelProZehntel) {
  massstab_ = std::clamp(pixelProZehntel, 0.05, 3.0);
  Aktualisiere();
}

void TSeitenAnsicht::SetzeHintergrundBild(const QImage& bild) {
  bild_ = bild;
  update();
}

QSize TSeitenAnsicht::sizeHint() const {
  const Papier& p = ausrichtung_.PapierDerSeite();
  return {static_cast<int>(std::ceil(p.breite * massstab_)) + 2 * kRand,
          static_cast<int>(std::ceil(p.hoehe * massstab_)) + 2 * kRand};
}

QPointF TSeitenAnsicht::AufDemSchirm(double x, double y) const {
  return {kRand + x * massstab_, kRand + y * massstab_};
}

void TSeitenAnsicht::Aktualisiere() {
  setFixedSize(sizeHint());
  BerechneKaesten();
  update();
}

void TSeitenAnsicht::BerechneKaesten() {
  marken_.clear();
  for (const EintragsBild& b : ausrichtung_.Bild().eintraege) {
    Marke m{b.eintrag, {}};
    for (const GezeichneterText& t : b.texte) {
      const QFont schrift = DruckSchrift(t.stil, t.hoehe, Q(t.schrift), this, massstab_);
      m.kaesten.push_back(DruckText(nullptr, schrift, this, AufDemSchirm(t.x, t.y), Q(t.text), t.ausrichtung,
                                    t.zeichenabstand * massstab_));
    }
    for (const GezeichneteLinie& l : b.linien) {
      // A line is picked within a few pixels of it.
      m.kaesten.push_back(
          QRectF(AufDemSchirm(l.x1, l.y1), AufDemSchirm(l.x2, l.y2)).normalized().adjusted(-3, -3, 3, 3));
    }
    for (const GezeichnetesBild& g : b.bilder) {
      m.kaesten.push_back(QRectF(AufDemSchirm(g.x1, g.y1), AufDemSchirm(g.x2, g.y2)).normalized());
    }
    marken_.push_back(std::move(m));
  }
}

const QImage& TSeitenAnsicht::BildAus(const std::string& datei) {
  const QDateTime geaendert = QFileInfo(Q(datei)).lastModified();
  auto& [zeit, bild] = seitenbilder_[datei];
  if (bild.isNull() || zeit != geaendert) {
    zeit = geaendert;
    bild = QImage(Q(datei));
  }
  return bild;
}

bool TSeitenAnsicht::Ausgewaehlt(std::size_t eintrag) const {
  const auto& a = ausrichtung_.Auswahl();
  return std::find(a.begin(), a.end(), eintrag) != a.end();
}

std::optional<QRectF> TSeitenAnsicht::Feld(std::size_t eintrag) const {
  for (const Marke& m : marken_) {
    if (m.eintrag != eintrag || m.kaesten.empty()) continue;
    QRectF feld = m.kaesten.front();
    for (const QRectF& k : m.kaesten) feld = feld.united(k);
    return feld;
  }
  return std::nullopt;
}

std::optional<std::size_t> TSeitenAnsicht::EintragBei(QPointF punkt) const {
  std::optional<std::size_t> treffer;
  double kleinste = 0;
  for (const Marke& m : marken_) {
    for (const QRectF& k : m.kaesten) {
      const double flaeche = k.width() * k.height();
      if (k.contains(punkt) && (!treffer || flaeche < kleinste)) {
        treffer = m.eintrag;
        kleinste = flaeche;
      }
    }
  }
  return treffer;
}

void TSeitenAnsicht::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  maler.fillRect(rect(), palette().color(QPalette::Mid));
  const Papier& papier = ausrichtung_.PapierDerSeite();
  const QRectF blatt(AufDemSchirm(0, 0), AufDemSchirm(papier.breite, papier.hoehe));
  maler.fillRect(blatt, Qt::white);

  // The scan of the form, as wide as the paper at scale 1, a little faded so that the
  // entries stay readable on it.
  if (const auto& h = ausrichtung_.HintergrundDerSeite(); h && !bild_.isNull() && bild_.width() > 0) {
    const double breite = papier.breite * h->massstab;
    const double hoehe = breite * bild_.height() / bild_.width();
    maler.save();
    maler.setClipRect(blatt);
    maler.setOpacity(0.6);
    maler.drawImage(QRectF(AufDemSchirm(h->links, h->oben), AufDemSchirm(h->links + breite, h->oben + hoehe)), bild_);
    maler.restore();
  }
  maler.setRenderHint(QPainter::Antialiasing);
  maler.setRenderHint(QPainter::TextAntialiasing);

  auto zeichneLinie = [&](const GezeichneteLinie& l, QPointF versatz) {
    const QPointF a = AufDemSchirm(l.x1, l.y1) + versatz;
    const QPointF b = AufDemSchirm(l.x2, l.y2) + versatz;
    if (l.rahmen) {
      maler.drawRect(QRectF(a, b).normalized());
    } else {
      maler.drawLine(a, b);
    }
  };
  auto zeichneText = [&](const GezeichneterText& t, QPointF versatz) {
    const QFont schrift = DruckSchrift(t.stil, t.hoehe, Q(t.schrift), this, massstab_);
    maler.setFont(schrift);
    DruckText(&maler, schrift, this, AufDemSchirm(t.x, t.y) + versatz, Q(t.text), t.ausrichtung,
              t.zeichenabstand * massstab_);
  };

  // An image as printed; the rest of the page's (of the other table) faded like its texts.
  auto zeichneBild = [&](const GezeichnetesBild& g, QPointF versatz, double deckkraft) {
    const QImage& b = BildAus(g.datei);
    if (b.isNull()) return;
    maler.save();
    maler.setOpacity(deckkraft);
    maler.drawImage(QRectF(AufDemSchirm(g.x1, g.y1) + versatz, AufDemSchirm(g.x2, g.y2) + versatz).normalized(), b);
    maler.restore();
  };

  const AusrichtBild& bild = ausrichtung_.Bild();
  maler.setPen(QPen(kUmfeld, 1));
  maler.setBrush(Qt::NoBrush);
  for (const GezeichnetesBild& g : bild.bilder) zeichneBild(g, {}, 0.5);
  for (const GezeichneteLinie& l : bild.linien) zeichneLinie(l, {});
  for (const GezeichneterText& t : bild.umfeld) zeichneText(t, {});

  const QPointF zug(ziehX_ * massstab_, ziehY_ * massstab_);
  for (const EintragsBild& b : bild.eintraege) {
    const bool gewaehlt = Ausgewaehlt(b.eintrag);
    const QColor farbe = gewaehlt ? kAusgewaehlt : !b.gedruckt ? kNichtGedruckt : b.nurNummer ? kNummer : kEintrag;
    const QPointF versatz = gewaehlt ? zug : QPointF();
    for (const GezeichnetesBild& g : b.bilder) zeichneBild(g, versatz, b.gedruckt ? 1.0 : 0.4);
    maler.setPen(QPen(farbe, 1));
    for (const GezeichneteLinie& l : b.linien) zeichneLinie(l, versatz);
    for (const GezeichneterText& t : b.texte) zeichneText(t, versatz);
  }
  // A dashed frame around each selected entry.
  maler.setPen(QPen(kAusgewaehlt, 1, Qt::DashLine));
  for (const Marke& m : marken_) {
    if (!Ausgewaehlt(m.eintrag)) continue;
    if (const auto feld = Feld(m.eintrag)) maler.drawRect(feld->translated(zug).adjusted(-2, -2, 2, 2));
  }
  if (hasFocus()) {
    maler.setPen(QPen(palette().color(QPalette::Highlight), 2));
    maler.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void TSeitenAnsicht::mousePressEvent(QMouseEvent* ereignis) {
  if (ereignis->button() != Qt::LeftButton) return QWidget::mousePressEvent(ereignis);
  setFocus(Qt::MouseFocusReason);
  const std::optional<std::size_t> eintrag = EintragBei(ereignis->position());
  std::vector<std::size_t> auswahl = ausrichtung_.Auswahl();
  if (ereignis->modifiers() & Qt::ControlModifier) {
    if (eintrag) {
      const auto da = std::find(auswahl.begin(), auswahl.end(), *eintrag);
      if (da != auswahl.end()) {
        auswahl.erase(da);
      } else {
        auswahl.push_back(*eintrag);
      }
    }
  } else if (!eintrag) {
    auswahl.clear();
  } else if (!Ausgewaehlt(*eintrag)) {
    auswahl = {*eintrag};
  }
  alleinWaehlen_.reset();
  if (eintrag && !(ereignis->modifiers() & Qt::ControlModifier) && auswahl.size() > 1) alleinWaehlen_ = *eintrag;
  ausrichtung_.SetzeAuswahl(auswahl);
  if (eintrag && Ausgewaehlt(*eintrag)) ziehAnfang_ = ereignis->position();
  ziehX_ = ziehY_ = 0;
  update();
  emit AuswahlGeaendert();
}

void TSeitenAnsicht::mouseMoveEvent(QMouseEvent* ereignis) {
  if (!ziehAnfang_) return QWidget::mouseMoveEvent(ereignis);
  const QPointF weg = ereignis->position() - *ziehAnfang_;
  ziehX_ = static_cast<int>(std::lround(weg.x() / massstab_));
  ziehY_ = static_cast<int>(std::lround(weg.y() / massstab_));
  update();
}

void TSeitenAnsicht::mouseReleaseEvent(QMouseEvent* ereignis) {
  if (!ziehAnfang_ || ereignis->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(ereignis);
  const int dx = ziehX_, dy = ziehY_;
  ziehAnfang_.reset();
  ziehX_ = ziehY_ = 0;
  if (dx != 0 || dy != 0) {
    // The whole drag is one step of undo.
    ausrichtung_.VerschiebeAuswahl(dx, dy);
    Aktualisiere();
    emit Verschoben();
  } else if (alleinWaehlen_) {
    ausrichtung_.SetzeAuswahl({*alleinWaehlen_});
    update();
    emit AuswahlGeaendert();
  } else {
    update();
  }
  alleinWaehlen_.reset();
}

void TSeitenAnsicht::keyPressEvent(QKeyEvent* ereignis) {
  const int schritt = ereignis->modifiers() & Qt::ShiftModifier ? 10 : 1;
  int dx = 0, dy = 0;
  switch (ereignis->key()) {
    case Qt::Key_Left:
      dx = -schritt;
      break;
    case Qt::Key_Right:
      dx = schritt;
      break;
    case Qt::Key_Up:
      dy = -schritt;
      break;
    case Qt::Key_Down:
      dy = schritt;
      break;
    default:
      return QWidget::keyPressEvent(ereignis);
  }
  if (ausrichtung_.Auswahl().empty()) return;
  ausrichtung_.VerschiebeAuswahl(dx, dy);
  Aktualisiere();
  emit Verschoben();
}

}  // namespace velmora
