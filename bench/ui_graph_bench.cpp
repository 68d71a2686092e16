// One tick of the continuous calculation on the offscreen platform with the
// graph, moon-face and orbit windows open and the data list, the graph and
// the output file all switched on, the windows' repaints included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "core/app.h"
#include "ui/app_setup.h"
#include "ui/graph/graph_windows.h"

namespace {

using namespace korvel;

void BM_TickWithGraphFaceAndOrbit(benchmark::State& state) {
  QTemporaryDir dir;
  core::HeadlessPlatform platform;
  platform.clock = {2024, 7, 5, 8, 9, 3};
  core::App app(platform);
  ui::attachGraphWindow(app);
  ui::attachFaceWindow(app);
  ui::attachOrbitWindow(app);
  app.Form_Load();
  app.Command27_Click();
  app.Command32_Click();
  app.Command33_Click();
  app.Text18.setText("600");
  app.Label19.setCaption(dir.filePath(QStringLiteral("bench.csv")).toStdString());
  QCoreApplication::processEvents();

  // The outputs switch themselves off after 600 lines; they are put back.
  const auto allOutputsOn = [&app] {
    app.Check4.setValue(1);
    app.Check2.setValue(1);
    app.Check5.setValue(1);
    if (!app.Timer1.running()) app.Command19_Click();
  };
  allOutputsOn();
  for (auto _ : state) {
    app.Timer1_Timer();
    QCoreApplication::processEvents();
    state.PauseTiming();
    if (!app.Check2.checked() || !app.Check4.checked() || !app.Check5.checked()) allOutputsOn();
    state.ResumeTiming();
  }
  if (!app.Check5.checked()) state.SkipWithError("the output file could not be written");
  app.Check5.setValue(0);
}
BENCHMARK(BM_TickWithGraphFaceAndOrbit)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  ui::setupApplication(qapp);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
