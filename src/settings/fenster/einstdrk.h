#pragma once
// TEinstellDrkForm "Druck-Einstellungen": margins, line height, print mode and options.
// The window only moves values between its controls and DruckEinstellRegeln.
#include <QDialog>
#include <array>
#include <functional>

#include "qtadapter/qtmeldungen.h"
#include "settings/druckeinstellregeln.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;

namespace velmora {

class TEinstellDrkForm : public QDialog {
  Q_OBJECT
 public:
  // `zeigeFortschritt` shows the save progress window after a successful save.
  TEinstellDrkForm(DruckEinstellungen& einstellungen, Meldungen& meldungen, std::function<void()> zeigeFortschritt,
                   QWidget* eltern = nullptr);

  QLineEdit& Rand(std::size_t i) { return *raender_[i]; }
  QLineEdit& Zeilenhoehe() { return *zeilenhoehe_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  // The groups of controls, from the top of the window down.
  QGroupBox* BaueOptionen();
  QGroupBox* BaueDruckart();
  QGroupBox* BaueRaender();
  QHBoxLayout* BaueKnoepfe();

  void FormShow();
  void StandardClick();
  void UebernehmenClick();
  void Fuelle(const DrkFormWerte& w);
  DrkFormWerte Lies() const;

  FensterMeldungen meldungen_;
  DruckEinstellRegeln regeln_;
  std::function<void()> zeigeFortschritt_;
  std::array<QLineEdit*, kRandAnzahl> raender_{};
  QLineEdit* zeilenhoehe_ = nullptr;
  QCheckBox* alleInWorten_ = nullptr;
  QCheckBox* mitRahmen_ = nullptr;
  QCheckBox* nurInnen_ = nullptr;
  QCheckBox* reserve1_ = nullptr;
  QCheckBox* einstellecke_ = nullptr;
  QButtonGroup* druckart_ = nullptr;
};

}  // namespace velmora
