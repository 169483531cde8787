#pragma once
// The settings of the archive copies, kept in "ARCHIV.DAT" beside the program settings:
// whether every report printed also goes into the school's archive as a PDF/A file, and the
// archive's folder. "VLMEINST.DAT" and its record stay as they are. The handlers of the
// window "Archiv" are in settings/archiveinstellregeln.h.
#include <cstddef>
#include <cstdint>
#include <string>

#include "basis/dateien.h"

namespace velmora {

inline constexpr const char* kArchivEinstellDatei = "ARCHIV.DAT";
inline constexpr const char* kStandardArchivordner = "Archiv";

// One record of 258 bytes, little-endian: offset 0 an int16 `Archivkopie` (1: on), offset 2
// `Ordner`, a string of at most 255 characters (length byte, then the characters).
struct TArchivEinstellungen {
  static constexpr std::size_t OrdnerMax = 255;
  static constexpr std::size_t Groesse = 2 + OrdnerMax + 1;

  std::int16_t Archivkopie = 0;
  std::string Ordner = kStandardArchivordner;  // relative to the working directory, or a full path

  bool An() const { return Archivkopie == 1; }
  // The folder the archive writes into: `Ordner` without blanks around it; "Archiv" where
  // that leaves nothing.
  std::string Archivordner() const;

  Bytes Bild() const;
  static TArchivEinstellungen AusBild(const Bytes& bild);
  bool operator==(const TArchivEinstellungen&) const = default;
};

class ArchivEinstellungen {
 public:
  TArchivEinstellungen& Satz() { return satz_; }
  const TArchivEinstellungen& Satz() const { return satz_; }

  // A missing file gives the defaults (no archive copies, the folder "Archiv"). A file that
  // cannot be read whole throws EAFehler and leaves the defaults.
  void Laden();
  // Replaces the file safely (the old one stays where the new one cannot be written).
  void Speichern() const;

 private:
  TArchivEinstellungen satz_;
};

}  // namespace velmora
