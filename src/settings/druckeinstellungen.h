#pragma once
// Print settings "DRKEINST.DAT": page margins of every kind of form, the line height of
// the internal forms, the print mode and the print options. The handlers of the window
// TEinstellDrkForm are in settings/druckeinstellregeln.h.
#include <array>
#include <cstdint>
#include <string>

#include "basis/dateien.h"

namespace velmora {

inline constexpr const char* kDruckEinstellDatei = "DRKEINST.DAT";
inline constexpr std::size_t kRandAnzahl = 52;

struct TDruckEinstellungen {
  static constexpr std::size_t Groesse = 224;
  // Margins in 1/10 mm; entry i belongs to edit field i+1 of the window.
  std::array<std::int32_t, kRandAnzahl> Raender{};
  std::int32_t Zeilenhoehe = 70;  // readers take the low 16 bits
  std::int16_t AlleInWorten = 0;
  std::int16_t MitRahmen = 1;
  std::int16_t NurInnen = 1;
  std::int16_t Druckart = 1;  // 0..4, the index of the radio item
  std::int16_t DruckReserve1 = 0;
  std::int16_t MitEinstellecke = 0;

  TDruckEinstellungen() { StandardHerstellen(); }
  void StandardHerstellen();

  Bytes Bild() const;
  static TDruckEinstellungen AusBild(const Bytes& bild);  // needs Groesse bytes

  friend bool operator==(const TDruckEinstellungen&, const TDruckEinstellungen&) = default;
};

// The rows of the margin table: one kind of form each, with one (left, top) pair per
// page. Row r uses the entries ErsterRand[r] .. ErsterRand[r] + 2*Seiten[r] - 1.
inline constexpr std::size_t kRandZeilen = 10;
inline constexpr std::array<int, kRandZeilen> kRandZeileSeiten = {2, 2, 3, 3, 3, 3, 1, 3, 3, 3};
constexpr int ErsterRand(std::size_t zeile) {
  int n = 0;
  for (std::size_t r = 0; r < zeile; ++r) n += 2 * kRandZeileSeiten[r];
  return n;
}
static_assert(ErsterRand(kRandZeilen) == static_cast<int>(kRandAnzahl));
inline constexpr std::size_t kZeileInterneFormulare = 5;  // the row with "Zeilenhöhe"

// The in-memory record of the whole run.
class DruckEinstellungen {
 public:
  TDruckEinstellungen& Satz() { return satz_; }
  const TDruckEinstellungen& Satz() const { return satz_; }

  // Defaults, then the first record of "DRKEINST.DAT" if the file exists. A file that
  // cannot be read whole throws EAFehler and leaves the defaults.
  void Laden();
  // Writes the record over the start of "DRKEINST.DAT" or creates it.
  void Speichern() const;

 private:
  TDruckEinstellungen satz_;
};

}  // namespace velmora
