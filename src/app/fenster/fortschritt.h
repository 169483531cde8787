#pragma once
// Tfortschrittdlg: the small window shown after a successful save. Its two timers run
// from program start: one moves the bar, the other closes the window at its next tick.
#include <QDialog>

class QProgressBar;
class QTimer;

namespace velmora {

class Tfortschrittdlg : public QDialog {
  Q_OBJECT
 public:
  explicit Tfortschrittdlg(QWidget* eltern = nullptr);
  // Shows the window modally until the closing timer ticks.
  void Zeige();
  QProgressBar& Balken() { return *balken_; }

 private:
  QProgressBar* balken_;
  QTimer* schritt_;
  QTimer* schliessen_;
};

}  // namespace velmora
