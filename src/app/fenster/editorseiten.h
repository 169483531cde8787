#pragma once
// The tabbed record editor of the main window: five tabs with every control of a
// student record. It only copies between its widgets and an EditorInhalt.
#include <QTabWidget>
#include <array>

#include "app/editor.h"
#include "basis/fenster/begrenztertext.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

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
  // The two text boxes of "Zeugnistexte" and the line counts of the form under them.
  BegrenzterText& HinweiseFeld() const { return *hinweise_; }
  BegrenzterText& BemerkungenFeld() const { return *bemerkungen_; }
  QLabel& HinweiseZeilen() const { return *hinweiseZeilen_; }
  QLabel& BemerkungenZeilen() const { return *bemerkungenZeilen_; }

  // The five buttons "allen zuweisen", top to bottom.
  std::array<QPushButton*, 5> allenZuweisen{};

  enum Seite { Personendaten = 0, Bewertungen, Zeugnistexte, Zeugnisdaten, Bemerkungen };

 private:
  QWidget* BaueSeitePersonendaten();
  QWidget* BaueSeiteBewertungen();
  QWidget* BaueSeiteZeugnistexte();
  QWidget* BaueSeiteZeugnisdaten();
  QWidget* BaueSeiteBemerkungen();
  void BewacheEingaben();

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
  QLabel *hinweiseZeilen_{}, *bemerkungenZeilen_{};
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
