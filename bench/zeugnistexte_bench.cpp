// The class report texts of a full class of 35 students printed to PDF files through the
// real Qt surface (target: at most 200 ms per printout).
#include <benchmark/benchmark.h>

#include "basis/cp1252.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"
#include "qtadapter/qtdruckflaeche.h"
#include "reports/zeugnistexte.h"

namespace {

using namespace velmora;

// 35 students, each with a text that fills most of the twelve lines.
std::unique_ptr<TKlassenDatei> VolleKlasse() {
  using S = TSchuelerDatensatz;
  auto k = std::make_unique<TKlassenDatei>();
  const std::string satz =
      T("Sie arbeitet im Unterricht stets aufmerksam und zuverlässig mit, bringt eigene Ideen ein und "
        "hilft Mitschülerinnen und Mitschülern bei Aufgaben in der Gruppe. ");
  for (std::size_t i = 0; i < TKlassenDatei::Schuelerzahl; ++i) {
    S& s = k->Schueler[i];
    s.Setze(S::Name, "Nachname" + std::to_string(i));
    s.Setze(S::Vornamen, "Vorname");
    s.Setze(S::Klasse, "BS 11a");
    s.Setze(S::Hinweise, satz + satz + satz + satz + satz.substr(0, 60));
  }
  return k;
}

void BM_KlassenZeugnistexteAlsPdf(benchmark::State& state) {
  velmora::test::TempArbeitsverzeichnis v{"velmora-bench-"};
  velmora::test::StilleMeldungen m;
  QtDruckflaeche flaeche(m);
  flaeche.NurPdf();
  auto klasse = VolleKlasse();
  TDruckEinstellungen druck;
  TZeilenpuffer puffer;
  for (auto _ : state) {
    if (!DruckeZeugnistexte(flaeche, *klasse, 0, ZeugnistextAuswahl{true, false}, druck, 1, puffer)) {
      state.SkipWithError("Druckauftrag gescheitert");
      break;
    }
  }
}
BENCHMARK(BM_KlassenZeugnistexteAlsPdf)->Unit(benchmark::kMillisecond);

}  // namespace
