#include "check/fenster/fehlerfenster.h"

#include <QColor>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QThread>
#include <QVBoxLayout>

#include "basis/fenster/feldbausteine.h"
#include "basis/fenster/textwandlung.h"

namespace velmora {
namespace {

QColor Farbwert(Farbe f) { return QColor(f.r, f.g, f.b); }

}  // namespace

TFehlerfenster::TFehlerfenster(QWidget* eltern) : QDialog(eltern) {
  setWindowTitle(U("Datenprüfung für Zeugnis"));
  setModal(true);
  auto* spalte = new QVBoxLayout(this);

  auto* kopf = new QHBoxLayout;
  kopf->addWidget(new QLabel(U("Schülername:"), this));
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("Schuelername"));
  name_->setReadOnly(true);
  name_->setMinimumWidth(260);
  kopf->addWidget(name_, 1);
  start_ = BenannterKnopf(QStringLiteral("Start"), U("Test jetzt starten"), this);
  kopf->addWidget(start_);
  spalte->addLayout(kopf);

  spalte->addWidget(new QLabel(U("Fehlerprotokoll:"), this));
  protokoll_ = new QTextEdit(this);
  protokoll_->setObjectName(QStringLiteral("Fehlerprotokoll"));
  protokoll_->setReadOnly(true);
  protokoll_->setLineWrapMode(QTextEdit::NoWrap);
  protokoll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  protokoll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  protokoll_->setMinimumSize(420, 220);
  spalte->addWidget(protokoll_, 1);

  auto* fuss = new QHBoxLayout;
  fuss->addWidget(new QLabel(U("Ergebnis:"), this));
  zustand_ = new QLineEdit(this);
  zustand_->setObjectName(QStringLiteral("Ergebnis"));
  zustand_->setReadOnly(true);
  QFont fett = zustand_->font();
  fett.setBold(true);
  zustand_->setFont(fett);
  fuss->addWidget(zustand_, 1);
  beenden_ = BenannterKnopf(QStringLiteral("Beenden"), U("Beenden"), this);
  fuss->addWidget(beenden_);
  spalte->addLayout(fuss);

  connect(start_, &QPushButton::clicked, this, &TFehlerfenster::TestStartenClick);
  connect(beenden_, &QPushButton::clicked, this, &TFehlerfenster::accept);
}

void TFehlerfenster::Vorbereiten(const TSchuelerDatensatz& satz, int verlag) {
  satz_ = satz;
  verlag_ = verlag;
  protokoll_->clear();
  name_->setText(Q(Schuelername(satz_)));
  SetzeZustand(NochNichtGetestet());
}

void TFehlerfenster::Zeige(const TSchuelerDatensatz& satz, int verlag) {
  Vorbereiten(satz, verlag);
  exec();
}

void TFehlerfenster::SetzeZustand(const FarbText& t) {
  QPalette p = zustand_->palette();
  p.setColor(QPalette::Text, Farbwert(t.farbe));
  zustand_->setPalette(p);
  zustand_->setText(Q(t.text));
  zustand_->repaint();
}

void TFehlerfenster::HaengeAn(const FarbText& zeile) {
  QTextCursor c(protokoll_->document());
  c.movePosition(QTextCursor::End);
  QTextCharFormat format;
  format.setForeground(Farbwert(zeile.farbe));
  // The first line goes into the empty first block, every further one into a new block.
  if (!protokoll_->document()->isEmpty()) c.insertBlock();
  c.insertText(Q(zeile.text), format);
  protokoll_->setTextCursor(c);
  protokoll_->ensureCursorVisible();
}

void TFehlerfenster::TestStartenClick() {
  SetzeZustand(TestLaeuft());
  const Pruefung p = Pruefe(satz_, verlag_);
  for (const auto& test : p.tests) {
    HaengeAn(test[0]);
    HaengeAn(test[1]);
    protokoll_->repaint();
    // The check holds the user-interface thread for a moment after each test.
    QThread::msleep(100);
  }
  SetzeZustand(Endergebnis(p.bestanden));
}

}  // namespace velmora
