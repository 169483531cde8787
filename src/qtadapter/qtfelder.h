#pragma once
// Small widget builders shared by the dialogs: bold labels, password fields, button rows.
#include <QFont>
#include <QLabel>
#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <initializer_list>

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

// A button with an object name, by which tests and the program find it whatever its caption.
inline QPushButton* BenannterKnopf(const QString& name, const QString& text, QWidget* eltern) {
  auto* knopf = new QPushButton(text, eltern);
  knopf->setObjectName(name);
  return knopf;
}

// A row of buttons at the right edge, added to the bottom of `spalte`.
inline void KnopfZeile(QBoxLayout* spalte, std::initializer_list<QPushButton*> knoepfe) {
  auto* zeile = new QHBoxLayout;
  zeile->addStretch();
  for (QPushButton* k : knoepfe) zeile->addWidget(k);
  spalte->addLayout(zeile);
}

}  // namespace velmora
