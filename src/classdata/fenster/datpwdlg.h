#pragma once
// TDatPasswDlg: asks for the data password when an enciphered class file is opened.
#include <QDialog>

#include "classdata/verschluesselung.h"

class QLineEdit;
class QPushButton;

namespace velmora {

class TDatPasswDlg : public QDialog {
  Q_OBJECT
 public:
  explicit TDatPasswDlg(Datenschutz& schutz, QWidget* eltern = nullptr);

  QLineEdit& Feld() { return *feld_; }
  QPushButton& OkKnopf() { return *ok_; }
  QPushButton& AbbrechenKnopf() { return *abbrechen_; }

 protected:
  // Esc acts as "Abbrechen"; the close box only closes and leaves the password alone.
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void OKBtnClick();
  void CancelBtnClick();

  Datenschutz& schutz_;
  QLineEdit* feld_;
  QPushButton* ok_;
  QPushButton* abbrechen_;
};

}  // namespace velmora
