#pragma once
// The guard of the edits whose text goes into a field of fixed width in code page 1252 (the
// student record, the school's names, the subject lists, the print settings, the passwords).
// It works on what the user types, pastes or drops, never on what the program fills in, so
// a value already stored is shown as it is:
// - a character code page 1252 cannot hold is refused, and the user is told which one and
//   what to write instead ("„ş“ kann in der Klassendatei nicht gespeichert werden. Schreiben
//   Sie „s“.");
// - a key finds the field full at its width ("Das Feld fasst höchstens 25 Zeichen."), and a
//   longer paste is cut to it ("Der Text wurde auf 25 Zeichen gekürzt.").
// Every message appears as a tooltip at the edit and in the main window's status bar.
// The rules themselves are in basis/feldeingabe and basis/zeichenersatz.
#include <string>

class QComboBox;
class QLineEdit;
class QString;
class QWidget;

namespace velmora {

// A one-line edit for a field of `breite` bytes.
void BegrenzeEingabe(QLineEdit* feld, int breite);
// The edit of an editable combo box whose text goes into a field of `breite` bytes.
void BegrenzeEingabe(QComboBox* box, int breite);

// An edit for a one-character code: it takes only characters `erlaubt` accepts (anything
// else is refused with `hinweis`, code page 1252), a key replaces what it holds, and it
// selects its content when it gets the focus, by mouse or keyboard.
void CodeEingabe(QLineEdit* feld, bool (*erlaubt)(char32_t), const std::string& hinweis);

// Tells the user something about an edit: as a tooltip at it and in panel 1 of the main
// window's status bar (when the edit's window is, or belongs to, a main window).
void ZeigeEingabehinweis(QWidget* feld, const QString& text);

}  // namespace velmora
