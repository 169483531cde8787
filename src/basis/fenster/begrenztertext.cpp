#include "basis/fenster/begrenztertext.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <algorithm>

#include "basis/feldeingabe.h"
#include "basis/fenster/eingabewaechter.h"
#include "basis/fenster/textwandlung.h"
#include "basis/zeichenersatz.h"

namespace velmora {
namespace {

// The text of the box or of a selection (whose line breaks Qt gives as U+2029) in bytes.
std::size_t Bytes(QString text) {
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return Feldbytes(text.toStdU32String(), true);
}

}  // namespace

BegrenzterText::BegrenzterText(int grenze, QWidget* eltern) : QPlainTextEdit(eltern), grenze_(grenze) {
  setTabChangesFocus(true);
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (fuellend_) return;
    geaendert_ = true;
    Begrenze();
  });
}

void BegrenzterText::Fuelle(const QString& text) {
  fuellend_ = true;
  setPlainText(text);
  fuellend_ = false;
  geaendert_ = false;
}

std::optional<QString> BegrenzterText::Passend(const QString& eingabe, bool getippt) {
  const std::size_t belegt = Bytes(toPlainText()) - Bytes(textCursor().selectedText());
  const std::size_t platz = belegt < static_cast<std::size_t>(grenze_) ? grenze_ - belegt : 0;
  const Feldeingabe e = PruefeFeldeingabe(eingabe.toStdU32String(), platz, true);
  if (e.abgelehnt) {
    ZeigeEingabehinweis(this, QString::fromStdString(NichtSpeicherbarTextUtf8(*e.abgelehnt)));
    return std::nullopt;
  }
  if (e.gekuerzt && (getippt || e.angenommen.empty())) {
    ZeigeEingabehinweis(this, Q(FeldVollText(grenze_)));
    return std::nullopt;
  }
  if (e.gekuerzt) ZeigeEingabehinweis(this, Q(GekuerztText(grenze_)));
  return QString::fromStdU32String(e.angenommen);
}

void BegrenzterText::insertFromMimeData(const QMimeData* quelle) {
  const std::optional<QString> text = Passend(quelle->text(), false);
  if (!text) return;
  QMimeData passend;
  passend.setText(*text);
  QPlainTextEdit::insertFromMimeData(&passend);
}

void BegrenzterText::keyPressEvent(QKeyEvent* e) {
  // Only keys that write: no shortcut with Ctrl (AltGr, which is Ctrl+Alt on Windows, does
  // write), no TAB (the next control), no key whose text is a control character other than
  // Return (Backspace, Delete, Esc).
  const QString text = e->text();
  const Qt::KeyboardModifiers tasten = e->modifiers() & ~Qt::KeypadModifier;
  const bool kuerzel = tasten == Qt::ControlModifier || tasten == (Qt::ControlModifier | Qt::ShiftModifier);
  const bool schreibt =
      !text.isEmpty() && !kuerzel && e->key() != Qt::Key_Tab && e->key() != Qt::Key_Backtab &&
      ((text.front() >= QLatin1Char(' ') && text.front() != QChar(0x7F)) || text == QLatin1String("\r"));
  if (schreibt && !Passend(text, true)) {
    e->accept();
    return;
  }
  QPlainTextEdit::keyPressEvent(e);
}

void BegrenzterText::inputMethodEvent(QInputMethodEvent* e) {
  if (!e->commitString().isEmpty() && !Passend(e->commitString(), true)) {
    QInputMethodEvent ohne(e->preeditString(), e->attributes());  // the composition goes, nothing is written
    QPlainTextEdit::inputMethodEvent(&ohne);
    return;
  }
  QPlainTextEdit::inputMethodEvent(e);
}

void BegrenzterText::Begrenze() {
  QString text = toPlainText();
  if (Bytes(text) <= static_cast<std::size_t>(grenze_)) return;
  int position = textCursor().position();
  while (Bytes(text) > static_cast<std::size_t>(grenze_)) {
    // Remove what was typed last: the characters just before the cursor.
    int weg = std::max(0, std::min(position, static_cast<int>(text.size())) - 1);
    text.remove(weg, 1);
    position = weg;
  }
  fuellend_ = true;
  setPlainText(text);
  QTextCursor c = textCursor();
  c.setPosition(std::min(position, static_cast<int>(text.size())));
  setTextCursor(c);
  fuellend_ = false;
  ZeigeEingabehinweis(this, Q(GekuerztText(grenze_)));
}

}  // namespace velmora
