#pragma once
// TArchivForm "Archiv": whether every report printed also goes into the school's archive as a
// PDF/A file, and the archive's folder. Reads "ARCHIV.DAT" when it opens; only "Übernehmen"
// writes it.
#include <QDialog>

#include "qtadapter/qtmeldungen.h"
#include "settings/archiveinstellregeln.h"

class QCheckBox;
class QLineEdit;

namespace velmora {

class TArchivForm : public QDialog {
  Q_OBJECT
 public:
  TArchivForm(ArchivEinstellungen& einstellungen, Meldungen& meldungen, QWidget* eltern = nullptr);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void UebernehmenClick();

  FensterMeldungen meldungen_;
  ArchivEinstellRegeln regeln_;
  QCheckBox* archivkopie_;
  QLineEdit* ordner_;
};

}  // namespace velmora
