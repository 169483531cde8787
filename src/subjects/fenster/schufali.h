#pragma once
// TSchulFachForm: edits the school's subject list "SFAECHER.SFL".
#include <QDialog>

#include "basis/meldungen.h"
#include "qtadapter/qtmeldungen.h"
#include "subjects/schulfaecher.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora {

class TSchulFachForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSchulFachForm(Meldungen& meldungen, QWidget* eltern = nullptr);

  QListWidget& Liste() { return *liste_; }
  QLineEdit& NeuesFach() { return *neu_; }
  QPushButton& UebernehmenKnopf() { return *uebernehmen_; }
  QPushButton& LoeschenKnopf() { return *loeschen_; }
  QPushButton& AbbrechenKnopf() { return *abbrechen_; }
  QPushButton& BeendenKnopf() { return *beenden_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  TSchulFaecherListe Eintraege() const;
  void UebernehmenBtnClick();
  void LoeschenBtnClick();
  void BeendenBtnClick();

  FensterMeldungen meldungen_;
  QListWidget* liste_;
  QLineEdit* neu_;
  QPushButton* uebernehmen_;
  QPushButton* loeschen_;
  QPushButton* abbrechen_;
  QPushButton* beenden_;
};

}  // namespace velmora
