#pragma once
// TZeugnisseKlasseForm: the modal window "Zeugnisse der Klasse". It lists every student of
// the class with a check box, the report type and, for a report the single command would
// refuse, the refusal in words (that line unticked and disabled); it previews and prints
// the ticked reports through Klassenzeugnisbefehl. On the forms, the column "Hinweis" names
// what of a report does not fit its form (the line stays ticked).
#include <QDialog>
#include <cstddef>
#include <vector>

#include "reports/klassenzeugnisse.h"
#include "reports/weisspapier.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class TZeugnisseKlasseForm : public QDialog {
  Q_OBJECT
 public:
  TZeugnisseKlasseForm(Klassenzeugnisbefehl& befehl, QWidget* eltern = nullptr);

  // Fills the list from the class as stored now and shows the window modally; with no
  // student in the class only the command's notice appears.
  void Zeige();
  // Fills the list (every printable line ticked); false when the class has no student.
  bool Fuellen();
  // The slots of the ticked lines, in slot order.
  std::vector<std::size_t> Auswahl() const;

  QTreeWidget& Liste() { return *liste_; }
  // "Papier": the publishers' forms (as the window opens) or plain paper.
  QRadioButton& Formulare() { return *formulare_; }
  QRadioButton& WeissesPapier() { return *weiss_; }

 private:
  void SetzeAlle(bool angekreuzt);
  void PasseKnoepfeAn();
  void VorschauClick();
  void DruckenClick();
  void PapierGewaehlt();
  void ZeigeHinweis(QTreeWidgetItem& item, const KlassenZeugnisZeile& z);
  void AktualisiereHinweise();

  Klassenzeugnisbefehl& befehl_;
  QTreeWidget* liste_;
  QPushButton* vorschau_;
  QPushButton* drucken_;
  QLabel* hinweis_;
  QRadioButton* formulare_;
  QRadioButton* weiss_;
  Weisspapier weissesPapier_;
};

}  // namespace velmora
