#pragma once
// The school's names: the name on report cards and data sheets, a reserve name and the
// short name of the status bar and the date line. Kept in "SCHULE.DAT". The handlers of
// the window TSchulIdentForm are in settings/schulidentregeln.h.
#include <cstddef>
#include <string>

#include "basis/dateien.h"

namespace velmora {

inline constexpr const char* kSchulIdentDatei = "SCHULE.DAT";

struct TSchulIdentitaet {
  static constexpr std::size_t ZeugnisnameMax = 50;
  static constexpr std::size_t ReserveMax = 50;
  static constexpr std::size_t KurznameMax = 25;
  // Three length-prefixed strings one after the other: 51 + 51 + 26 bytes.
  static constexpr std::size_t Groesse = (ZeugnisnameMax + 1) + (ReserveMax + 1) + (KurznameMax + 1);

  std::string Zeugnisname;
  std::string SchulnameReserve;
  std::string Kurzname;

  // Takes the three texts, each cut to its field's width.
  void Setze(const std::string& zeugnisname, const std::string& reserve, const std::string& kurzname);

  Bytes Bild() const;
  static TSchulIdentitaet AusBild(const Bytes& bild);

  friend bool operator==(const TSchulIdentitaet&, const TSchulIdentitaet&) = default;
};

class SchulIdentitaet {
 public:
  TSchulIdentitaet& Satz() { return satz_; }
  const TSchulIdentitaet& Satz() const { return satz_; }

  // A missing file gives three empty names. A file that cannot be read whole throws
  // EAFehler and leaves the names empty.
  void Laden();
  void Speichern() const;

 private:
  TSchulIdentitaet satz_;
};

// "Kurzname (dd.Monat yyyy)", the month's German name whatever the system's language.
std::string Datumszeile(const std::string& kurzname, int jahr, int monat, int tag);
// "Januar" .. "Dezember" for 1..12 (code page 1252), empty otherwise.
std::string MonatsName(int monat);

}  // namespace velmora
