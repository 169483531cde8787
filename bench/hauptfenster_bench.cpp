// The real main window offscreen: program start until the window is shown, and one
// click in the student list (store, refill the list, show).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "app/fenster/MAIN.h"
#include "common/arbeitsverzeichnis.h"
#include "common/fakes.h"

namespace {

using namespace velmora;

class KeinDialog : public DateiDialoge {
 public:
  std::optional<std::string> Oeffnen(const DateiDialogWunsch&) override { return std::nullopt; }
  std::optional<std::string> Speichern(const DateiDialogWunsch&) override { return std::nullopt; }
};

void BM_StartBisFensterSichtbar(benchmark::State& state) {
  velmora::test::TempArbeitsverzeichnis v{"velmora-bench-"};
  velmora::test::StilleMeldungen m;
  KeinDialog d;
  for (auto _ : state) {
    TMainForm fenster(m, d);
    fenster.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(fenster.isVisible());
    state.PauseTiming();
    fenster.hide();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartBisFensterSichtbar)->Unit(benchmark::kMillisecond);

void BM_KlickInDieSchuelerliste(benchmark::State& state) {
  velmora::test::TempArbeitsverzeichnis v{"velmora-bench-"};
  velmora::test::StilleMeldungen m;
  KeinDialog d;
  TMainForm fenster(m, d);
  fenster.show();
  QApplication::processEvents();
  int zeile = 0;
  for (auto _ : state) {
    zeile = (zeile + 1) % 35;
    fenster.Liste().setCurrentRow(zeile);
    QApplication::processEvents();
  }
}
BENCHMARK(BM_KlickInDieSchuelerliste)->Unit(benchmark::kMillisecond);

}  // namespace
