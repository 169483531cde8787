#pragma once
// TEinstellform: the program settings window. Its rules live in Einstellregeln.
#include <QDialog>
#include <array>
#include <functional>

#include "qtadapter/qtmeldungen.h"
#include "settings/einstellregeln.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace velmora {

class TEinstellform : public QDialog {
  Q_OBJECT
 public:
  TEinstellform(ProgrammEinstellungen& einstellungen, KonfigPasswortDialoge& dialoge, Meldungen& meldungen,
                std::function<void()> zeigeFortschritt, QWidget* eltern = nullptr);

  // What the controls hold now, and filling them.
  EinstellformWerte Werte() const;
  void Fuelle(const EinstellformWerte& w);

  QCheckBox& DatenVerschluesseln() { return *verschluesseln_; }
  QCheckBox& Reserve(int nummer) { return *reserven_[static_cast<std::size_t>(nummer - 1)]; }  // 1 to 3
  QCheckBox& MehrstufigerSchutz() { return *schutz_; }
  QCheckBox& ImmerVerschluesseln() { return *immer_; }
  QCheckBox& SicherheitsReserve() { return *sicherReserve_; }
  QRadioButton& Verlag(int index) { return *verlage_[static_cast<std::size_t>(index)]; }
  QGroupBox& Sicherheitsgruppe() { return *sicherheit_; }
  QPushButton& StandardKnopf() { return *standard_; }
  QPushButton& AbbrechenKnopf() { return *abbrechen_; }
  QPushButton& UebernehmenKnopf() { return *uebernehmen_; }
  QPushButton& PasswortKnopf() { return *passwort_; }

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void StandardBtnClick();
  void UebernehmenBtnClick();

  FensterMeldungen meldungen_;
  Einstellregeln regeln_;
  std::function<void()> zeigeFortschritt_;
  QCheckBox* verschluesseln_;
  std::array<QCheckBox*, 3> reserven_{};
  QButtonGroup* verlag_;
  std::array<QRadioButton*, 5> verlage_{};
  QGroupBox* sicherheit_;
  QCheckBox* schutz_;
  QCheckBox* immer_;
  QCheckBox* sicherReserve_;
  QPushButton* standard_;
  QPushButton* abbrechen_;
  QPushButton* uebernehmen_;
  QPushButton* passwort_;
};

}  // namespace velmora
