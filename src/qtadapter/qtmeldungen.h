#pragma once
// The message boxes of the program as QMessageBox.
#include <QString>

#include "basis/meldungen.h"

class QWidget;

namespace velmora {

// The application title, used as the caption of plain boxes.
QString AnwendungsTitel();

class QtMeldungen : public Meldungen {
 public:
  explicit QtMeldungen(QWidget* eltern = nullptr) : eltern_(eltern) {}
  void SetzeEltern(QWidget* eltern) { eltern_ = eltern; }
  Antwort Zeige(MeldungsArt art, const std::string& text, Knoepfe knoepfe,
                const std::string& titel = {}) override;

 private:
  QWidget* eltern_;
};

}  // namespace velmora
