#include "settings/archiveinstellungen.h"

#include <filesystem>

#include "basis/felder.h"

namespace velmora {

namespace {
constexpr std::size_t kArchivkopieOffset = 0;
constexpr std::size_t kOrdnerOffset = 2;
}  // namespace

std::string TArchivEinstellungen::Archivordner() const {
  const auto anfang = Ordner.find_first_not_of(' ');
  if (anfang == std::string::npos) return kStandardArchivordner;
  return Ordner.substr(anfang, Ordner.find_last_not_of(' ') - anfang + 1);
}

Bytes TArchivEinstellungen::Bild() const {
  Bytes b(Groesse, 0);
  feld::SchreibeInt16(b, kArchivkopieOffset, Archivkopie);
  feld::SchreibeString(b, kOrdnerOffset, OrdnerMax, Ordner);
  return b;
}

TArchivEinstellungen TArchivEinstellungen::AusBild(const Bytes& b) {
  TArchivEinstellungen s;
  s.Archivkopie = feld::LiesInt16(b, kArchivkopieOffset);
  s.Ordner = feld::LiesString(b, kOrdnerOffset, OrdnerMax);
  return s;
}

void ArchivEinstellungen::Laden() {
  satz_ = {};
  // A folder of that name is no file that is missing: reading it gives the error.
  if (!DateiExistiert(kArchivEinstellDatei) && !std::filesystem::is_directory(Pfad(kArchivEinstellDatei))) return;
  satz_ = TArchivEinstellungen::AusBild(LiesDatensatz(kArchivEinstellDatei, TArchivEinstellungen::Groesse));
}

void ArchivEinstellungen::Speichern() const { SchreibeDatensatz(kArchivEinstellDatei, satz_.Bild()); }

}  // namespace velmora
