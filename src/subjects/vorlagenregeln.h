#pragma once
// The handlers of the template editor TKlasFachForm and of the selection window TForm7.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "basis/dateidialoge.h"
#include "basis/meldungen.h"
#include "subjects/klassenfachvorlage.h"
#include "subjects/schulfaecher.h"

namespace velmora {

// UTF-8 like every fixed text; the file dialogs get it converted with T().
inline constexpr const char* kVorlagenFilter = "KlassenFächerVorlage (*.KFV)|*.KFV";

// The 18 rows of the editor: subject name and subject addition.
struct VorlagenZeilen {
  std::array<std::string, 18> Fach;
  std::array<std::string, 18> FachZusatz;
};

// What the logic needs of the editor window.
class KlasFachAnsicht {
 public:
  virtual ~KlasFachAnsicht() = default;
  // Sets the rows' texts, then gives every subject box `auswahl` as its (sorted) choices.
  virtual void Fuelle(const VorlagenZeilen& zeilen, const TSchulFaecherListe& auswahl) = 0;
  virtual VorlagenZeilen Lies() = 0;
  // Every subject box shows this entry; an empty one means "the first choice of its sorted list".
  virtual void SetzeAlleFaecher(const std::optional<std::string>& eintrag) = 0;
  virtual void ZeigeVorlagenName(const std::string& name) = 0;
};

class KlasFachRegeln {
 public:
  KlasFachRegeln(VorlagenZustand& z, KlasFachAnsicht& a, Meldungen& m, DateiDialoge& d) : z_(z), a_(a), m_(m), d_(d) {}

  void BeimZeigen();
  void NeueFaecherlisteErstellen();
  void FaecherlisteOeffnen();
  void FaecherlisteSpeichernUnter();
  void FaecherlisteSpeichern();

  const std::optional<TSchulFaecherListe>& SchulFaecher() const { return schulFaecher_; }

 private:
  void LadeSchulFaecher();
  void FuelleAusVorlage();
  void LiesInVorlage();

  VorlagenZustand& z_;
  KlasFachAnsicht& a_;
  Meldungen& m_;
  DateiDialoge& d_;
  std::optional<TSchulFaecherListe> schulFaecher_;  // loaded the first time the editor needs it
};

// TForm7: the ".KFV" files of the working directory, each without its last four characters,
// in the order of the directory search.
struct VorlagenAuswahl {
  std::vector<std::string> eintraege;
  int auswahl = -1;
};

// On show; shows the error box when the directory holds no ".KFV" file.
VorlagenAuswahl VorlagenAuswahlZeigen(const std::string& aktuelleVorlage, Meldungen& m);
// "Auswahl übernehmen".
void VorlagenAuswahlUebernehmen(const VorlagenAuswahl& a, int auswahl, std::string& aktuelleVorlage);

}  // namespace velmora
