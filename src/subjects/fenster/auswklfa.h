#pragma once
// TForm7: chooses the current class-subject template among the ".KFV" files of the
// working directory.
#include <QDialog>

#include "basis/meldungen.h"
#include "qtadapter/qtmeldungen.h"
#include "subjects/vorlagenregeln.h"

class QListWidget;
class QPushButton;

namespace velmora {

class TForm7 : public QDialog {
  Q_OBJECT
 public:
  TForm7(VorlagenZustand& zustand, Meldungen& meldungen, QWidget* eltern = nullptr);

  QListWidget& Liste() { return *liste_; }
  QPushButton& AbbrechenKnopf() { return *abbrechen_; }
  QPushButton& UebernehmenKnopf() { return *uebernehmen_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void UebernehmenBtnClick();

  VorlagenZustand& zustand_;
  FensterMeldungen meldungen_;
  VorlagenAuswahl auswahl_;
  QListWidget* liste_;
  QPushButton* abbrechen_;
  QPushButton* uebernehmen_;
};

}  // namespace velmora
