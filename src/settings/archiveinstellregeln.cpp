#include "settings/archiveinstellregeln.h"

#include "basis/fehlerbox.h"

namespace velmora {

ArchivFormWerte ArchivEinstellRegeln::BeimZeigen() {
  MitFehlerbox(m_, [&] { e_.Laden(); });
  return {e_.Satz().An(), e_.Satz().Ordner};
}

bool ArchivEinstellRegeln::Uebernehmen(const ArchivFormWerte& w) {
  e_.Satz().Archivkopie = w.Archivkopie ? 1 : 0;
  e_.Satz().Ordner = w.Ordner.substr(0, TArchivEinstellungen::OrdnerMax);
  return MitFehlerbox(m_, [&] { e_.Speichern(); });
}

}  // namespace velmora
