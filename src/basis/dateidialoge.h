#pragma once
// Port for the common file dialogs. Names are code page 1252.
#include <optional>
#include <string>

namespace velmora {

struct DateiDialogWunsch {
  std::string filter;            // "Beschreibung (*.EXT)|*.EXT" as the program states it
  std::string startverzeichnis;  // empty: the program directory
  std::string standardendung;    // without the dot, e.g. "VLM"
  std::string dateiname;         // the name shown first
};

class DateiDialoge {
 public:
  virtual ~DateiDialoge() = default;
  // Returns the chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> Oeffnen(const DateiDialogWunsch& wunsch) = 0;
  virtual std::optional<std::string> Speichern(const DateiDialogWunsch& wunsch) = 0;
};

}  // namespace velmora
