#pragma once
// TSchulIdentForm "Schuldaten": the school's three names.
#include <QDialog>

#include "qtadapter/qtmeldungen.h"
#include "settings/schulidentregeln.h"

class QLineEdit;

namespace velmora {

class TSchulIdentForm : public QDialog {
  Q_OBJECT
 public:
  TSchulIdentForm(SchulIdentitaet& identitaet, Meldungen& meldungen, QWidget* eltern = nullptr);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void UebernehmenClick();

  FensterMeldungen meldungen_;
  SchulIdentRegeln regeln_;
  QLineEdit* zeugnisname_;
  QLineEdit* reserve_;
  QLineEdit* kurzname_;
};

}  // namespace velmora
