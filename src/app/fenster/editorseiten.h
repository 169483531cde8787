#pragma once
// The tabbed record editor of the main window: five tabs with every control of a
// student record. It only copies between its widgets and an EditorInhalt.
#include <QPlainTextEdit>
#include <QTabWidget>
#include <array>

#include "app/editor.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

// A multi-line text box with a length limit in code-page-1252 bytes, a line break
// counting as CR LF. It remembers whether the user changed it since it was last filled.
class BegrenzterText : public QPlainTextEdit {
  Q_OBJECT
 public:
  BegrenzterText(int grenze, QWidget* eltern = nullptr);
  void Fuelle(const QString& text);
  bool Geaendert() const { return geaendert_; }

 protected:
  void insertFromMimeData(const QMimeData* quelle) override;

 private:
  void Begrenze();
  int grenze_;
  bool fuellend_ = false;
  bool geaendert_ = false;
};

class TEditorSeiten : public QTabWidget {
  Q_OBJECT
 public:
  explicit TEditorSeiten(QWidget* eltern = nullptr);

  EditorInhalt Lies() const;
  void Zeige(const EditorInhalt& inhalt);
  // Gives each subject box the school's subjects in sorted order; the texts shown stay.
  void SetzeFaecher(const QStringList& faecher);
  void LeereZeugnistexte();
  QLineEdit* NummerFeld() const { return nummer_; }

  // The five buttons "allen zuweisen", top to bottom.
  std::array<QPushButton*, 5> allenZuweisen{};

  enum Seite { Personendaten = 0, Bewertungen, Zeugnistexte, Zeugnisdaten, Bemerkungen };

 private:
  QWidget* BaueSeitePersonendaten();
  QWidget* BaueSeiteBewertungen();
  QWidget* BaueSeiteZeugnistexte();
  QWidget* BaueSeiteZeugnisdaten();
  QWidget* BaueSeiteBemerkungen();

  // "Personendaten"
  QLineEdit* nummer_{};
  QLabel* status_{};
  QButtonGroup* anrede_{};
  QLineEdit *name_{}, *vornamen_{}, *geburtsdatum_{}, *geburtsort_{}, *wohnort_{};
  // "Bewertungen"
  std::array<QComboBox*, 18> fach_{};
  std::array<QLineEdit*, 18> bewertung_{};
  std::array<QLineEdit*, 18> fachZusatz_{};
  std::array<QLineEdit*, 18> zusatz_{};
  // "Zeugnistexte"
  BegrenzterText* hinweise_{};
  QLineEdit *versaeumt_{}, *entschuldigt_{};
  BegrenzterText* bemerkungen_{};
  // "Zeugnisdaten"
  QButtonGroup* schulart_{};
  QLineEdit *fachrichtung_{}, *schwerpunkt_{}, *berufsbezeichnung_{};
  QButtonGroup* zeugnisart_{};
  QLineEdit *einschulung_{}, *ausschulung_{}, *durchschnitt_{};
  QLineEdit *klasse_{}, *jahrVon_{}, *jahrBis_{}, *zeugnisort_{}, *zeugnisdatum_{};
  // "Bemerkungen"
  BegrenzterText* intern_{};
};

}  // namespace velmora
