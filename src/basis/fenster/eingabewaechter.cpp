#include "basis/fenster/eingabewaechter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QValidator>
#include <algorithm>

#include "basis/feldeingabe.h"
#include "basis/fenster/textwandlung.h"
#include "basis/zeichenersatz.h"

namespace velmora {
namespace {

constexpr int kHinweisDauerMs = 10000;

// Sits on the edit as its validator, which Qt asks about every change of the text. A change
// by the program (setText, which also clears the edit's "modified" flag) is taken as it is;
// a change by the user is checked for what it put in: the part between the common start
// and the common end of the text before and after, neither reaching into the selection (or
// past the cursor) the edit had before the change, so that a paste over a selection counts
// whole even where it begins like the text it replaces. To refuse, the validator answers
// Invalid and Qt undoes the change; to cut, it hands back the shortened text.
class Eingabewaechter : public QValidator {
 public:
  Eingabewaechter(QLineEdit* feld, int breite, bool (*erlaubt)(char32_t), std::string hinweis)
      : QValidator(feld), feld_(feld), breite_(breite), erlaubt_(erlaubt), hinweis_(std::move(hinweis)) {
    bisher_ = feld->text();
    connect(feld, &QLineEdit::textChanged, this, [this](const QString& text) { bisher_ = text; });
    // Qt reports cursor and selection only after it asked the validator: at validate() these
    // are still those before the change.
    connect(feld, &QLineEdit::cursorPositionChanged, this, &Eingabewaechter::MerkeAuswahl);
    connect(feld, &QLineEdit::selectionChanged, this, &Eingabewaechter::MerkeAuswahl);
    MerkeAuswahl();
    // Qt takes a text handed back as if the program had set it and clears "modified".
    connect(feld, &QLineEdit::textEdited, this, [this] {
      if (!angepasst_) return;
      angepasst_ = false;
      feld_->setModified(true);
    });
    if (erlaubt_) feld->installEventFilter(this);
    feld->setValidator(this);
  }

  State validate(QString& text, int& position) const override {
    if (!feld_->isModified()) return Acceptable;
    if (text == bisher_) return Acceptable;  // a selection typed over with itself
    const qsizetype kuerzer = std::min(text.size(), bisher_.size());
    const qsizetype auswahlAnfang = std::clamp<qsizetype>(auswahlAnfang_, 0, bisher_.size());
    const qsizetype auswahlEnde = std::clamp<qsizetype>(auswahlEnde_, auswahlAnfang, bisher_.size());
    qsizetype vorn = 0;
    while (vorn < std::min(kuerzer, auswahlAnfang) && text.at(vorn) == bisher_.at(vorn)) ++vorn;
    qsizetype hinten = 0;
    while (hinten < std::min(kuerzer - vorn, bisher_.size() - auswahlEnde) &&
           text.at(text.size() - 1 - hinten) == bisher_.at(bisher_.size() - 1 - hinten)) {
      ++hinten;
    }
    const QString neu = text.mid(vorn, text.size() - vorn - hinten);
    if (neu.isEmpty()) return Acceptable;  // only removed
    const QString davor = text.left(vorn);
    const QString danach = text.right(hinten);
    const std::u32string eingabe = neu.toStdU32String();

    QString angenommen;
    if (erlaubt_) {
      // A code field holds one character: the key replaces it.
      for (char32_t z : eingabe) {
        if (!erlaubt_(z)) {
          ZeigeEingabehinweis(feld_, Q(hinweis_));
          return Invalid;
        }
      }
      angenommen = QString::fromStdU32String(eingabe.substr(0, 1));
      if (eingabe.size() > 1) ZeigeEingabehinweis(feld_, Q(GekuerztText(1)));
      return Uebernimm(angenommen, text, position);
    }
    const std::size_t bleibt = Feldbytes((davor + danach).toStdU32String(), false);
    const std::size_t platz = bleibt < static_cast<std::size_t>(breite_) ? breite_ - bleibt : 0;
    const Feldeingabe e = PruefeFeldeingabe(eingabe, platz, false);
    if (e.abgelehnt) {
      ZeigeEingabehinweis(feld_, QString::fromStdString(NichtSpeicherbarTextUtf8(*e.abgelehnt)));
      return Invalid;
    }
    if (e.gekuerzt) {
      ZeigeEingabehinweis(feld_, Q(e.angenommen.empty() ? FeldVollText(breite_) : GekuerztText(breite_)));
    }
    angenommen = QString::fromStdU32String(e.angenommen);
    return Uebernimm(davor + angenommen + danach, text, position);
  }

 protected:
  bool eventFilter(QObject* ziel, QEvent* ereignis) override {
    // Typing replaces a code: its content is selected when the edit gets the focus. Tab and
    // other keys focus it with the content selected; a click would place the cursor, so the
    // click that brought the focus selects instead.
    switch (ereignis->type()) {
      case QEvent::FocusIn:
        if (static_cast<QFocusEvent*>(ereignis)->reason() == Qt::MouseFocusReason) {
          mausFokus_ = true;
        } else {
          feld_->selectAll();
        }
        break;
      case QEvent::FocusOut:
        mausFokus_ = false;
        break;
      case QEvent::MouseButtonPress:
        if (mausFokus_) {
          mausFokus_ = false;
          feld_->selectAll();
          return true;
        }
        break;
      default:
        break;
    }
    return QValidator::eventFilter(ziel, ereignis);
  }

 private:
  void MerkeAuswahl() {
    auswahlAnfang_ = feld_->hasSelectedText() ? feld_->selectionStart() : feld_->cursorPosition();
    auswahlEnde_ = feld_->hasSelectedText() ? feld_->selectionEnd() : auswahlAnfang_;
  }
  // The field becomes `ergebnis`: as typed, or shortened (handed back to Qt). A change that
  // leaves the text as it was is undone instead, with the edit's "modified" flag.
  State Uebernimm(const QString& ergebnis, QString& text, int& position) const {
    if (ergebnis == bisher_) return Invalid;
    if (ergebnis != text) {
      position = static_cast<int>(ergebnis.size() - (text.size() - position));
      position = std::clamp(position, 0, static_cast<int>(ergebnis.size()));
      text = ergebnis;
      angepasst_ = true;
    }
    return Acceptable;
  }

  QLineEdit* feld_;
  int breite_;
  bool (*erlaubt_)(char32_t);
  std::string hinweis_;
  QString bisher_;
  int auswahlAnfang_ = 0;  // the selection (or the cursor) before the change
  int auswahlEnde_ = 0;
  mutable bool angepasst_ = false;
  bool mausFokus_ = false;
};

// Shows the last hint of an edit as its tooltip, again after the key that caused it is up.
class TippNachTaste : public QObject {
 public:
  explicit TippNachTaste(QWidget* feld) : QObject(feld), feld_(feld) { feld->installEventFilter(this); }
  void Setze(const QString& text) {
    text_ = text;
    offen_ = true;
  }
  void Zeige() const {
    QToolTip::showText(feld_->mapToGlobal(QPoint(0, feld_->height())), text_, feld_, QRect(), kHinweisDauerMs);
  }

 protected:
  bool eventFilter(QObject*, QEvent* ereignis) override {
    // A key press comes before the edit handles it (and maybe refuses it anew).
    if (ereignis->type() == QEvent::FocusOut || ereignis->type() == QEvent::KeyPress) offen_ = false;
    if (ereignis->type() == QEvent::KeyRelease && offen_) {
      const int taste = static_cast<QKeyEvent*>(ereignis)->key();
      if (taste < Qt::Key_Shift || taste > Qt::Key_ScrollLock) {  // not a modifier
        offen_ = false;
        Zeige();
      }
    }
    return false;
  }

 private:
  QWidget* feld_;
  QString text_;
  bool offen_ = false;
};

}  // namespace

void BegrenzeEingabe(QLineEdit* feld, int breite) { new Eingabewaechter(feld, breite, nullptr, {}); }

void BegrenzeEingabe(QComboBox* box, int breite) { BegrenzeEingabe(box->lineEdit(), breite); }

void CodeEingabe(QLineEdit* feld, bool (*erlaubt)(char32_t), const std::string& hinweis) {
  new Eingabewaechter(feld, 1, erlaubt, hinweis);
}

void ZeigeEingabehinweis(QWidget* feld, const QString& text) {
  // Qt hides a tooltip when a key is released; for a refused key that is at once, so the
  // tooltip comes again when the key is up.
  TippNachTaste* wiederholung = nullptr;
  for (QObject* kind : feld->children()) {
    if (!wiederholung) wiederholung = dynamic_cast<TippNachTaste*>(kind);
  }
  if (!wiederholung) wiederholung = new TippNachTaste(feld);
  wiederholung->Setze(text);
  wiederholung->Zeige();
  // Panel 1 of the main window shows status tips; a dialog passes them to the main window
  // it belongs to.
  for (QWidget* w = feld->window(); w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
    if (qobject_cast<QMainWindow*>(w)) {
      QStatusTipEvent tipp(text);
      QCoreApplication::sendEvent(w, &tipp);
      return;
    }
  }
}

}  // namespace velmora
