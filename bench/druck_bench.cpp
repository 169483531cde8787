// The transform of a class image next to a plain copy; loading a format control table;
// the test sheet printed to a PDF file through the real Qt surface.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "classdata/verschluesselung.h"
#include "common/arbeitsverzeichnis.h"
#include "common/beispiele.h"
#include "common/fakes.h"
#include "printcommands/blaetter.h"
#include "qtadapter/qtdruckflaeche.h"

namespace {

using namespace velmora;

Bytes Klassenbild() {
  Bytes b(TKlassenDatei::Groesse);
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i * 13);
  return b;
}

void BM_Verschluesseln(benchmark::State& state) {
  Bytes quelle = Klassenbild(), ziel(TKlassenDatei::Groesse);
  for (auto _ : state) {
    Verschluesseln(quelle, ziel, true, "geheim1");
    benchmark::DoNotOptimize(ziel.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(quelle.size()));
}
BENCHMARK(BM_Verschluesseln);

void BM_KopieDesKlassenbilds(benchmark::State& state) {
  Bytes quelle = Klassenbild(), ziel(TKlassenDatei::Groesse);
  for (auto _ : state) {
    std::copy(quelle.begin(), quelle.end(), ziel.begin());
    benchmark::DoNotOptimize(ziel.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(quelle.size()));
}
BENCHMARK(BM_KopieDesKlassenbilds);

void BM_FormatSteuerTabelleLaden(benchmark::State& state) {
  velmora::test::TempArbeitsverzeichnis v{"velmora-bench-"};
  velmora::test::StilleMeldungen m;
  TFormatSteuerTabelle t;
  std::string titel;
  LadeFormatSteuerTabelle(t, "DATBLATT.FST", titel, m);  // creates the file once
  for (auto _ : state) {
    LadeFormatSteuerTabelle(t, "DATBLATT.FST", titel, m);
    benchmark::DoNotOptimize(t.data());
  }
}
BENCHMARK(BM_FormatSteuerTabelleLaden)->Unit(benchmark::kMicrosecond);

void BM_TestblattAlsPdf(benchmark::State& state) {
  velmora::test::TempArbeitsverzeichnis v{"velmora-bench-"};
  velmora::test::StilleMeldungen m;
  QtDruckflaeche flaeche(m);
  flaeche.NurPdf();
  TFormatSteuerTabelle t;
  std::string titel;
  LadeFormatSteuerTabelle(t, "TSTBLATT.FST", titel, m);
  for (auto _ : state) {
    LadeFormatSteuerTabelle(t, "TSTBLATT.FST", titel, m);
    DruckeTestblatt(flaeche, t, BlattKopf{"Schule", "BS", Datum{2026, 12, 8}});
  }
}
BENCHMARK(BM_TestblattAlsPdf)->Unit(benchmark::kMillisecond);

}  // namespace

// A two-page half-year report to PDF, both page prompts confirmed.
#include "reports/drucken1.h"

namespace {

void BM_HalbjahreszeugnisAlsPdf(benchmark::State& state) {
  using namespace velmora;
  velmora::test::TempArbeitsverzeichnis v{"velmora-bench-"};
  velmora::test::StilleMeldungen m;
  QtDruckflaeche flaeche(m);
  flaeche.NurPdf();
  test::SkriptSeitenAbfrage ja;  // confirms every prompt
  TZeilenpuffer puffer;
  TDruckEinstellungen druck;
  auto klasse = test::KlasseMitJan();
  ZeugnisUmgebung u{flaeche, m, ja, druck, 1, "Berufsschule Musterstadt", puffer};
  DruckeHalbjahreszeugnis(u, *klasse, 0);  // creates the table file once
  for (auto _ : state) DruckeHalbjahreszeugnis(u, *klasse, 0);
}
BENCHMARK(BM_HalbjahreszeugnisAlsPdf)->Unit(benchmark::kMillisecond);

}  // namespace
