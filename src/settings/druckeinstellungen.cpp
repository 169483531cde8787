#include "settings/druckeinstellungen.h"

#include <cstdint>

#include "basis/eafehler.h"
#include "basis/felder.h"

namespace velmora {

namespace {

constexpr std::int32_t kStandardRand = 150;
constexpr std::size_t kZeilenhoeheOffset = 208;
constexpr std::size_t kAlleInWortenOffset = 212;
constexpr std::size_t kMitRahmenOffset = 214;
constexpr std::size_t kNurInnenOffset = 216;
constexpr std::size_t kDruckartOffset = 218;
constexpr std::size_t kDruckReserveOffset = 220;
constexpr std::size_t kEinstelleckeOffset = 222;

}  // namespace

void TDruckEinstellungen::StandardHerstellen() {
  Raender.fill(kStandardRand);
  Zeilenhoehe = 70;
  AlleInWorten = 0;
  MitRahmen = 1;
  NurInnen = 1;
  Druckart = 1;
  DruckReserve1 = 0;
  MitEinstellecke = 0;
}

Bytes TDruckEinstellungen::Bild() const {
  Bytes b(Groesse, 0);
  for (std::size_t i = 0; i < kRandAnzahl; ++i) feld::SchreibeInt32(b, 4 * i, Raender[i]);
  feld::SchreibeInt32(b, kZeilenhoeheOffset, Zeilenhoehe);
  feld::SchreibeInt16(b, kAlleInWortenOffset, AlleInWorten);
  feld::SchreibeInt16(b, kMitRahmenOffset, MitRahmen);
  feld::SchreibeInt16(b, kNurInnenOffset, NurInnen);
  feld::SchreibeInt16(b, kDruckartOffset, Druckart);
  feld::SchreibeInt16(b, kDruckReserveOffset, DruckReserve1);
  feld::SchreibeInt16(b, kEinstelleckeOffset, MitEinstellecke);
  return b;
}

TDruckEinstellungen TDruckEinstellungen::AusBild(const Bytes& b) {
  TDruckEinstellungen s;
  for (std::size_t i = 0; i < kRandAnzahl; ++i) s.Raender[i] = feld::LiesInt32(b, 4 * i);
  s.Zeilenhoehe = feld::LiesInt32(b, kZeilenhoeheOffset);
  s.AlleInWorten = feld::LiesInt16(b, kAlleInWortenOffset);
  s.MitRahmen = feld::LiesInt16(b, kMitRahmenOffset);
  s.NurInnen = feld::LiesInt16(b, kNurInnenOffset);
  s.Druckart = feld::LiesInt16(b, kDruckartOffset);
  s.DruckReserve1 = feld::LiesInt16(b, kDruckReserveOffset);
  s.MitEinstellecke = feld::LiesInt16(b, kEinstelleckeOffset);
  return s;
}

void DruckEinstellungen::Laden() {
  satz_.StandardHerstellen();
  // A directory of that name is not "missing": opening it fails like any unreadable file.
  if (!DateiExistiert(kDruckEinstellDatei) && !std::filesystem::is_directory(Pfad(kDruckEinstellDatei))) return;
  // Read whole before anything is taken, so a short file leaves the defaults.
  const Bytes bild = LiesDatensatz(kDruckEinstellDatei, TDruckEinstellungen::Groesse);
  satz_ = TDruckEinstellungen::AusBild(bild);
}

void DruckEinstellungen::Speichern() const {
  SchreibeDatensatz(kDruckEinstellDatei, satz_.Bild(), Schreibart::Ueberschreiben);
}

}  // namespace velmora
