#pragma once
// TKlasFachForm: the editor of class-subject templates (".KFV"). Its handlers live in
// KlasFachRegeln; the window fills and reads its 18 rows for them.
#include <QDialog>
#include <array>

#include "qtadapter/qtmeldungen.h"
#include "subjects/vorlagenregeln.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace velmora {

class TKlasFachForm : public QDialog, public KlasFachAnsicht {
  Q_OBJECT
 public:
  TKlasFachForm(VorlagenZustand& zustand, Meldungen& meldungen, DateiDialoge& dialoge, QWidget* eltern = nullptr);

  // Row r from 0 to 17.
  QComboBox& Fach(int r) { return *fach_[static_cast<std::size_t>(r)]; }
  QLineEdit& FachZusatz(int r) { return *zusatz_[static_cast<std::size_t>(r)]; }
  QLineEdit& VorlagenFeld() { return *vorlage_; }
  QPushButton& NeuKnopf() { return *neu_; }
  QPushButton& OeffnenKnopf() { return *oeffnen_; }
  QPushButton& SpeichernUnterKnopf() { return *speichernUnter_; }
  QPushButton& SpeichernKnopf() { return *speichern_; }
  QPushButton& VerlassenKnopf() { return *verlassen_; }

  // KlasFachAnsicht
  void Fuelle(const VorlagenZeilen& zeilen, const TSchulFaecherListe& auswahl) override;
  VorlagenZeilen Lies() override;
  void SetzeAlleFaecher(const std::optional<std::string>& eintrag) override;
  void ZeigeVorlagenName(const std::string& name) override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  FensterMeldungen meldungen_;
  KlasFachRegeln regeln_;
  std::array<QComboBox*, 18> fach_{};
  std::array<QLineEdit*, 18> zusatz_{};
  QLineEdit* vorlage_;
  QPushButton* neu_;
  QPushButton* oeffnen_;
  QPushButton* speichernUnter_;
  QPushButton* speichern_;
  QPushButton* verlassen_;
};

}  // namespace velmora
