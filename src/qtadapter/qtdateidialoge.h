#pragma once
// The file dialogs of the program as QFileDialog.
#include <QString>

#include "basis/dateidialoge.h"

class QWidget;

namespace velmora {

// "Beschreibung (*.A)|*.A;*.B" as a Qt name filter list.
QString QtFilter(const std::string& filter);

class QtDateiDialoge : public DateiDialoge {
 public:
  explicit QtDateiDialoge(QWidget* eltern = nullptr) : eltern_(eltern) {}
  void SetzeEltern(QWidget* eltern) { eltern_ = eltern; }
  std::optional<std::string> Oeffnen(const DateiDialogWunsch& wunsch) override;
  std::optional<std::string> Speichern(const DateiDialogWunsch& wunsch) override;

 private:
  std::optional<std::string> Zeige(const DateiDialogWunsch& wunsch, bool speichern);
  QWidget* eltern_;
};

}  // namespace velmora
