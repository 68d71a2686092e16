// The data list over a long listing at full speed: the continuous
// calculation's ticks run back to back, each followed by the events it
// leaves (the list's repaint), with the data window on the (offscreen)
// screen. An appended line must cost the same at the end of the run as at
// its start.
#include <chrono>
#include <vector>

#include <benchmark/benchmark.h>

#include <QApplication>

#include "core/app.h"
#include "ui/app_setup.h"
#include "ui/data/data_window.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLines = 600;
constexpr int kSample = 50;  // lines timed at each end of the run

void BM_ListingRun600(benchmark::State& state) {
  korvel::core::HeadlessPlatform platform;
  platform.clock = {2024, 7, 5, 8, 9, 3};
  korvel::core::App app(platform);
  korvel::ui::attachDataWindow(app);
  app.Form_Load();
  app.Command20_Click();  // every column of the list has a value
  app.Command23_Click();
  QCoreApplication::processEvents();

  std::vector<double> perLine(kLines + 1);
  double startSum = 0;
  double endSum = 0;
  for (auto _ : state) {
    app.Text18.setText(std::to_string(kLines));
    app.Check4.setValue(1);  // line 1
    app.Command19_Click();
    QCoreApplication::processEvents();
    int line = 1;
    while (app.Timer1.running()) {
      const Clock::time_point t0 = Clock::now();
      app.Timer1_Timer();
      QCoreApplication::processEvents();
      perLine[++line] = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
    }
    if (line != kLines) state.SkipWithError("the run did not list 600 lines");
    for (int i = 2; i < 2 + kSample; ++i) startSum += perLine[i];
    for (int i = kLines - kSample + 1; i <= kLines; ++i) endSum += perLine[i];
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["start_us_per_line"] = startSum / runs / kSample;
  state.counters["end_us_per_line"] = endSum / runs / kSample;
  state.counters["end_over_start"] = endSum / startSum;
}
BENCHMARK(BM_ListingRun600)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  korvel::ui::setupApplication(qapp);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
