// Opening and saving a class file, next to the bare file system cost of the same bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <deque>

#include "app/hauptsteuerung.h"
#include "arbeitsverzeichnis.h"
#include "basis/dateien.h"

namespace {

using namespace velmora;

class FesterDialog : public DateiDialoge {
 public:
  std::optional<std::string> Oeffnen(const DateiDialogWunsch&) override { return datei; }
  std::optional<std::string> Speichern(const DateiDialogWunsch&) override { return datei; }
  std::string datei = "KLASSE.VLM";
};

class LeereAnsicht : public HauptAnsicht {
 public:
  EditorInhalt LiesEditor() override { return inhalt; }
  void ZeigeEditor(const EditorInhalt& e) override { inhalt = e; }
  void ZeigeListe(const std::vector<std::string>&, int) override {}
  void WaehleListenZeile(int) override {}
  void ZeigeAenderung(bool) override {}
  void ZeigeDateiname(const std::string&) override {}
  void ZeigeKurzname(const std::string&) override {}
  void SetzeSchulFaecher(const TSchulFaecherListe&) override {}
  void LeereZeugnistextfelder() override {}
  void FokusAufNummer() override {}
  void ZeigeSpeicherFortschritt() override {}
  void ZeigeVorlagenAuswahl() override {}
  EditorInhalt inhalt;
};

class OhnePasswort : public DatenPasswortDialoge, public KonfigPasswortDialoge {
 public:
  bool ZeigePasswortAbfrage() override { return false; }
  bool ZeigePasswortFestlegung() override { return true; }
  bool ZeigePasswortDlg() override { return false; }
  bool ZeigePwAendern() override { return false; }
};

struct Aufbau {
  BenchVerzeichnis verzeichnis;
  StilleMeldungen meldungen;
  FesterDialog dialog;
  LeereAnsicht ansicht;
  OhnePasswort passwort;
  Hauptsteuerung steuerung{ansicht, meldungen, dialog, passwort, passwort};
  Aufbau() {
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
