#pragma once
// TPasswordDlg: the access check of the configuration area asks for its password here.
#include <QDialog>

#include "settings/programmeinstellungen.h"

class QLineEdit;
class QPushButton;

namespace velmora {

class TPasswordDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TPasswordDlg(ProgrammEinstellungen& einstellungen, QWidget* eltern = nullptr);

  QLineEdit& Feld() { return *feld_; }
  QPushButton& OkKnopf() { return *ok_; }
  QPushButton& AbbrechenKnopf() { return *abbrechen_; }

  // "Abbrechen", Esc and the close box: the entered password is withdrawn.
  void reject() override;

 private:
  void OKBtnClick();

  ProgrammEinstellungen& einstellungen_;
  QLineEdit* feld_;
  QPushButton* ok_;
  QPushButton* abbrechen_;
};

}  // namespace velmora
