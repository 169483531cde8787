#pragma once
// TProgInfoForm: the about box, shown without blocking the main window.
#include <QDialog>

namespace velmora {

class TProgInfoForm : public QDialog {
  Q_OBJECT
 public:
  explicit TProgInfoForm(QWidget* eltern = nullptr);
};

}  // namespace velmora
