// The whole class on the forms into one PDF file: 35 half-year reports, both page prompts
// confirmed by script, through the real Qt surface.
#include <benchmark/benchmark.h>

#include "common/arbeitsverzeichnis.h"
#include "common/beispiele.h"
#include "common/fakes.h"
#include "qtadapter/qtdruckflaeche.h"
#include "reports/klassenzeugnisse.h"

namespace {

using namespace velmora;

void BM_KlasseAlsPdf(benchmark::State& state) {
  velmora::test::TempArbeitsverzeichnis v{"velmora-bench-"};
  velmora::test::StilleMeldungen m;
  QtDruckflaeche flaeche(m);
  flaeche.NurPdf();
  test::SkriptSeitenAbfrage ja;  // confirms every prompt
  test::AufzeichnendeVorschau vorschau;
  TZeilenpuffer puffer;
  KlassenZustand zustand;
  const TSchuelerDatensatz jan = test::KlasseMitJan()->Schueler[0];
  std::vector<std::size_t> alle;
  for (std::size_t i = 0; i < TKlassenDatei::Schuelerzahl; ++i) {
    TSchuelerDatensatz& s = zustand.Klasse->Schueler[i];
    s = jan;
    s.Setze(TSchuelerDatensatz::Name, "Schueler" + std::to_string(i));
    s.Setze(TSchuelerDatensatz::Klasse, "BS 11a");
    s.SetzeSchulart(0);
    alle.push_back(i);
  }
  TDruckEinstellungen druck;
  TProgrammEinstellungen programm;
  const std::string schule = "Berufsschule Musterstadt", kurz = "BS";
  const DruckKontext kontext{zustand, druck, programm, schule, kurz};
  Klassenzeugnisbefehl befehl(kontext, flaeche, m, ja, puffer, vorschau);
  befehl.Drucken(alle);  // creates the table file once
  for (auto _ : state) befehl.Drucken(alle);
  state.counters["Seiten"] = 2.0 * static_cast<double>(alle.size());
}
BENCHMARK(BM_KlasseAlsPdf)->Unit(benchmark::kMillisecond);

}  // namespace
