#pragma once
// Small widget builders shared by the dialogs: bold labels and password fields.
#include <QFont>
#include <QLabel>
#include <QLineEdit>

namespace velmora {

inline QLabel* FetteBeschriftung(const QString& text, QWidget* eltern) {
  auto* label = new QLabel(text, eltern);
  QFont schrift = label->font();
  schrift.setBold(true);
  label->setFont(schrift);
  return label;
}

// A field that shows one "*" per character, whatever the style's own mask character is.
inline QLineEdit* PasswortFeld(QWidget* eltern) {
  auto* feld = new QLineEdit(eltern);
  feld->setEchoMode(QLineEdit::Password);
  feld->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
  return feld;
}

}  // namespace velmora
