#pragma once
// Small widget builders shared by the dialogs: bold labels, password fields, button rows.
#include <QBoxLayout>
#include <QFont>
#include <QLabel>
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

// The "OK" (default) and "Abbrechen" buttons of the password prompts, in a row at the
// bottom of `spalte`.
struct OkAbbrechen {
  QPushButton* ok;
  QPushButton* abbrechen;
};
inline OkAbbrechen OkAbbrechenZeile(QBoxLayout* spalte, QWidget* eltern);

// A row of buttons at the right edge, added to the bottom of `spalte`.
inline void KnopfZeile(QBoxLayout* spalte, std::initializer_list<QPushButton*> knoepfe) {
  auto* zeile = new QHBoxLayout;
  zeile->addStretch();
  for (QPushButton* k : knoepfe) zeile->addWidget(k);
  spalte->addLayout(zeile);
}

inline OkAbbrechen OkAbbrechenZeile(QBoxLayout* spalte, QWidget* eltern) {
  OkAbbrechen k{BenannterKnopf(QStringLiteral("Ok"), QStringLiteral("OK"), eltern),
                BenannterKnopf(QStringLiteral("Abbrechen"), QStringLiteral("Abbrechen"), eltern)};
  k.ok->setDefault(true);
  KnopfZeile(spalte, {k.ok, k.abbrechen});
  return k;
}

}  // namespace velmora
