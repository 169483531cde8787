#pragma once
// A multi-line text box for a text block of fixed size in code page 1252, a line break
// counting two bytes (CR LF). It guards its input as the one-line edits do (see
// eingabewaechter.h): a character code page 1252 cannot hold is refused with its
// replacement named, a key finds the box full at its size, a longer paste is cut to it, and
// each time the user is told at the box and in the status bar. A TAB goes on to the next
// control; a pasted TAB becomes a blank (a TAB inside a text would end its printed text).
// The box remembers whether the user changed it since it was last filled.
#include <QPlainTextEdit>

namespace velmora {

class BegrenzterText : public QPlainTextEdit {
  Q_OBJECT
 public:
  BegrenzterText(int grenze, QWidget* eltern = nullptr);
  void Fuelle(const QString& text);
  bool Geaendert() const { return geaendert_; }

 protected:
  void insertFromMimeData(const QMimeData* quelle) override;
  void keyPressEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;

 private:
  // What of `eingabe` fits in place of the selection; the user is told about a refusal or a
  // cut. Nothing when the input is refused or nothing of it fits.
  std::optional<QString> Passend(const QString& eingabe, bool getippt);
  // The net under the guards above: a text over the limit loses what was typed last.
  void Begrenze();
  int grenze_;
  bool fuellend_ = false;
  bool geaendert_ = false;
};

}  // namespace velmora
