#pragma once
// Tpwaendern: sets a new configuration password in memory; "Übernehmen" of the settings
// window writes it.
#include <QDialog>

#include "basis/meldungen.h"
#include "settings/programmeinstellungen.h"

class QLineEdit;
class QPushButton;

namespace velmora {

class Tpwaendern : public QDialog {
  Q_OBJECT
 public:
  Tpwaendern(ProgrammEinstellungen& einstellungen, Meldungen& meldungen, QWidget* eltern = nullptr);

  QLineEdit& ErstesFeld() { return *erstes_; }
  QLineEdit& ZweitesFeld() { return *zweites_; }
  QPushButton& OkKnopf() { return *ok_; }
  QPushButton& AbbrechenKnopf() { return *abbrechen_; }

 protected:
  // Each opening starts with two empty fields.
  void showEvent(QShowEvent* e) override;

 private:
  void OKBtnClick();

  ProgrammEinstellungen& einstellungen_;
  Meldungen& meldungen_;
  QLineEdit* erstes_;
  QLineEdit* zweites_;
  QPushButton* ok_;
  QPushButton* abbrechen_;
};

}  // namespace velmora
