// The main window's costs on the offscreen platform: start-up to the first
// painted window, one tick of the continuous calculation with its repaint,
// and the resident memory over a long run of ticks.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include <QApplication>
#include <QPixmap>

#include "core/app.h"
#include "ui/app_setup.h"
#include "ui/main/form1.h"
#include "ui/window_host.h"

namespace {

using namespace korvel;

// The desktop services without a desktop, and a fixed clock.
class QuietPlatform : public core::HeadlessPlatform {
 public:
  QuietPlatform() { clock = {2024, 7, 5, 8, 9, 3}; }
};

struct Program {
  QuietPlatform platform;
  core::App app{platform};
  ui::WindowHost host{app};
  Program() {
    host.onMissingWindow = [](const core::Form&) {};
    host.start();
  }
};

// The window painted in full, as it first appears on the screen.
void paintNow(ui::Form1& window) {
  window.repaint();
  QCoreApplication::processEvents();
}

double residentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * 4096.0 / (1024 * 1024);
}

void BM_StartUpToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    auto program = std::make_unique<Program>();
    paintNow(program->host.mainWindow());
    state.PauseTiming();
    program.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_Tick(benchmark::State& state) {
  Program program;
  ui::Form1& window = program.host.mainWindow();
  paintNow(window);
  program.app.Command19_Click();  // running, one day per tick
  for (auto _ : state) {
    program.app.Timer1_Timer();
    window.repaint();
  }
  program.app.Command18_Click();
}
BENCHMARK(BM_Tick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ResidentAfter600Ticks(benchmark::State& state) {
  for (auto _ : state) {
    Program program;
    ui::Form1& window = program.host.mainWindow();
    paintNow(window);
    program.app.Command19_Click();
    const auto run = [&](int ticks) {
      for (int i = 0; i < ticks; ++i) {
        program.app.Timer1_Timer();
        window.repaint();
        QCoreApplication::processEvents();
      }
    };
    run(100);
    const double after100 = residentMegabytes();
    run(500);
    const double after600 = residentMegabytes();
    state.counters["rss_MB_after_100"] = after100;
    state.counters["rss_MB_after_600"] = after600;
    state.counters["growth_MB_100_to_600"] = after600 - after100;
  }
}
BENCHMARK(BM_ResidentAfter600Ticks)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::setupApplication(app);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
