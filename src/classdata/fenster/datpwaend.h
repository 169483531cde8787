#pragma once
// TDatPwdAendDlg: defines the data password before a class is saved enciphered. It has
// no close box and Esc does nothing: only "OK" closes it, with OK or, after the error
// message, with cancel so that the caller shows it again.
#include <QDialog>

#include "basis/meldungen.h"
#include "classdata/verschluesselung.h"

class QLineEdit;
class QPushButton;

namespace velmora {

class TDatPwdAendDlg : public QDialog {
  Q_OBJECT
 public:
  TDatPwdAendDlg(Datenschutz& schutz, Meldungen& meldungen, QWidget* eltern = nullptr);

  QLineEdit& ErstesFeld() { return *erstes_; }
  QLineEdit& ZweitesFeld() { return *zweites_; }
  QPushButton& OkKnopf() { return *ok_; }

  // Esc, Alt+F4 and a close request of the window system end up here and are ignored.
  void reject() override {}

 private:
  void OKBtnClick();

  Datenschutz& schutz_;
  Meldungen& meldungen_;
  QLineEdit* erstes_;
  QLineEdit* zweites_;
  QPushButton* ok_;
};

}  // namespace velmora
