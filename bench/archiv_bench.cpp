// The archive copies of a whole class: 35 complete reports on plain paper as PDF/A files with
// their lines in the list of issued reports, through the real PDF writer. Each round writes
// into a folder of its own.
#include <benchmark/benchmark.h>

#include <array>

#include "common/arbeitsverzeichnis.h"
#include "common/beispiele.h"
#include "common/fakes.h"
#include "qtadapter/qtarchivpdf.h"
#include "reports/zeugnisarchiv.h"

namespace {

using namespace velmora;

void BM_ArchivkopienDerKlasse(benchmark::State& state) {
  velmora::test::TempArbeitsverzeichnis v{"velmora-bench-"};
  velmora::test::StilleMeldungen m;  // answers the question with "Ja"
  KlassenZustand zustand;
  for (std::size_t i = 0; i < TKlassenDatei::Schuelerzahl; ++i) {
    TSchuelerDatensatz& s = zustand.Klasse->Schueler[i];
    // Full records of all four report types.
    s = test::VollstaendigerSchueler(static_cast<std::int16_t>(std::array{1, 2, 4, 5}[i % 4]));
    s.Setze(TSchuelerDatensatz::Name, "Schueler" + std::to_string(i));
  }
  TDruckEinstellungen druck;
  druck.Druckart = 1;
  TProgrammEinstellungen programm;
  const std::string schule = "Berufsschule Musterstadt", kurz = "BS";
  const DruckKontext kontext{zustand, druck, programm, schule, kurz};
  ArchivEinstellungen einstellungen;
  QtArchivPdf pdf;
  SystemUhr uhr;
  Zeugnisarchiv archiv(kontext, einstellungen, pdf, uhr, m);
  int runde = 0;
  for (auto _ : state) {
    state.PauseTiming();
    einstellungen.Satz().Ordner = "Archiv" + std::to_string(runde++);
    einstellungen.Speichern();
    state.ResumeTiming();
    archiv.KlasseAnlegen();
  }
  state.counters["Kopien"] = static_cast<double>(TKlassenDatei::Schuelerzahl);
}
BENCHMARK(BM_ArchivkopienDerKlasse)->Unit(benchmark::kMillisecond);

}  // namespace
