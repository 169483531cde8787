#pragma once
// The class in memory with its class-wide state: the 35 slots, the slot shown in the
// editor, the class file's name, the change flag and the one-record clipboard.
#include <memory>
#include <string>

#include "classdata/schuelerdatensatz.h"

namespace velmora {

struct KlassenZustand {
  static constexpr int Schuelerzahl = 35;
  std::unique_ptr<TKlassenDatei> Klasse = std::make_unique<TKlassenDatei>();
  int AktuellerSchueler = 0;
  int VorigerSchueler = 0;
  std::string Dateiname;
  bool DatenGeaendert = false;
  TSchuelerDatensatz Zwischenablage;

  TSchuelerDatensatz& Aktuell() { return Klasse->Schueler[static_cast<std::size_t>(AktuellerSchueler)]; }
  const TSchuelerDatensatz& Aktuell() const { return Klasse->Schueler[static_cast<std::size_t>(AktuellerSchueler)]; }
};

}  // namespace velmora
