#pragma once
// Class-subject templates (".KFV" files): the 18 subject rows a class is built from,
// the one template in memory with its file name, and the operations that apply it.
#include <array>
#include <string>

#include "basis/meldungen.h"
#include "classdata/schuelerdatensatz.h"

namespace velmora {

struct TKlassenFachVorlage {
  static constexpr std::size_t Groesse = 18 * TFachZeile::Groesse;  // 2826
  std::array<TFachZeile, 18> Zeilen{};

  Bytes Bild() const;
  static TKlassenFachVorlage AusBild(const Bytes& bild);  // at least 2826 bytes
};

inline constexpr const char* kLeereVorlage = "LEER.KFV";

// The template in memory and the name of its file, shared for the whole run.
struct VorlagenZustand {
  TKlassenFachVorlage Vorlage;
  std::string AktuelleVorlage;
};

// Reads the first 2826 bytes of an existing file into the template; a missing file gives
// the error box "Problem beim Zugriff auf KFV-Datei aufgetreten!!!". Short files throw EAFehler.
void LadeKlassenFachVorlage(VorlagenZustand& z, const std::string& datei, Meldungen& m);
void SpeichereKlassenFachVorlage(const VorlagenZustand& z, const std::string& datei);
// Empty template in memory, AktuelleVorlage "LEER.KFV", saved to "LEER.KFV".
void ErzeugeLeereVorlage(VorlagenZustand& z);

// A blank student record whose rows come from the template in memory.
void NeuerDatensatzAusVorlage(const VorlagenZustand& z, TSchuelerDatensatz& s);
// Only the 18 rows of a record, as NeuerDatensatzAusVorlage sets them.
void VorlageInFaecherZeilen(const VorlagenZustand& z, TSchuelerDatensatz& s);

// Reads the current template (with its messages) and fills all 35 slots, numbered 1..35.
void NeueKlasseAusVorlage(VorlagenZustand& z, TKlassenDatei& k, Meldungen& m);
// Reads the current template and gives its rows to every named, non-free slot.
void VorlageAllenZuordnen(VorlagenZustand& z, TKlassenDatei& k, Meldungen& m);

// Start of the program: "LEER.KFV" loaded or created, then a class built from it.
void VorlagenStart(VorlagenZustand& z, TKlassenDatei& k, Meldungen& m);

}  // namespace velmora
