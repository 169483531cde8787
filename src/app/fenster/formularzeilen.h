#pragma once
// The line counts of the form under "Hinweise" and "Bemerkungen" in the record editor: how
// many lines the text needs and how many the form of the student's report has room for,
// in red when the text does not fit. Updated as the teacher types (the text not yet stored
// counts), when another student is shown and when the main window becomes active again
// (after the settings or the form alignment). Empty while the student's report is not
// printed on a form.
#include <QObject>
#include <QPalette>

#include "printcommands/druckkontext.h"
#include "reports/formularplatz.h"

class QLabel;

namespace velmora {

class TEditorSeiten;

class TFormularZeilen : public QObject {
  Q_OBJECT
 public:
  // `fenster` is the window whose activation brings the counts up to date.
  TFormularZeilen(TEditorSeiten& editor, const DruckKontext& kontext, QWidget* fenster);

  // Measures now and shows the counts.
  void Aktualisiere();

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  // Measures once the current events are done: filling the editor changes both boxes one
  // after the other, and one measure after the last change is enough.
  void Vormerken();
  void Zeige(QLabel& label, const BlockPlatz* block);

  TEditorSeiten& editor_;
  DruckKontext kontext_;
  FormularplatzPruefer pruefer_;
  QPalette normal_;
  QPalette rot_;
  bool vorgemerkt_ = false;
};

}  // namespace velmora
