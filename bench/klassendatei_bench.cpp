// Opening and saving a class file, next to the bare file system cost of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <deque>

#include "app/hauptsteuerung.h"
#include "basis/dateien.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"

namespace {

using namespace velmora;

struct Aufbau {
  test::TempArbeitsverzeichnis verzeichnis{"velmora-bench-"};
  test::StilleMeldungen meldungen;
  test::FakeDateiDialoge dialog{"KLASSE.VLM"};
  test::FakeAnsicht ansicht;
  test::FakePasswortDialoge passwort;
  Hauptsteuerung steuerung{ansicht, meldungen, dialog, passwort, passwort};
  Aufbau() {
    passwort.Verbinde(steuerung.Schutz(), steuerung.Einstellungen(), meldungen);
    steuerung.Start();
    steuerung.SpeichernUnter();
  }
};

void BM_KlasseOeffnen(benchmark::State& state) {
  Aufbau a;
  for (auto _ : state) a.steuerung.Oeffnen();
}
BENCHMARK(BM_KlasseOeffnen)->Unit(benchmark::kMicrosecond);

void BM_KlasseSpeichern(benchmark::State& state) {
  Aufbau a;
  for (auto _ : state) a.steuerung.Speichern();
}
BENCHMARK(BM_KlasseSpeichern)->Unit(benchmark::kMicrosecond);

// The file system's own time for the same work: read the file and write its copy,
// respectively write, flush to disk and replace.
void BM_DateisystemLesenUndKopieren(benchmark::State& state) {
  Aufbau a;
  for (auto _ : state) {
    Bytes b = LiesDatensatz("KLASSE.VLM", TKlassenDatei::Groesse, true);
    std::FILE* f = std::fopen("KLASSE.BAK", "wb");
    std::fwrite(b.data(), 1, b.size(), f);
    std::fclose(f);
    benchmark::DoNotOptimize(b.data());
  }
}
BENCHMARK(BM_DateisystemLesenUndKopieren)->Unit(benchmark::kMicrosecond);

void BM_DateisystemSicherSchreiben(benchmark::State& state) {
  Aufbau a;
  Bytes b(TKlassenDatei::Groesse, 7);
  for (auto _ : state) SchreibeDatensatz("KLASSE.VLM", b);
}
BENCHMARK(BM_DateisystemSicherSchreiben)->Unit(benchmark::kMicrosecond);

}  // namespace
