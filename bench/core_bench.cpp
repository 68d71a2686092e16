// Speed of the recalculation, the phase evaluation, the new-moon search and
// a table run, against floors of bare cosine calls.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "astro/angles.h"
#include "astro/terms.h"
#include "cli/cli.h"
#include "core/app.h"

namespace {

using korvel::core::App;
using korvel::core::HeadlessPlatform;

// The cosine calls of one recalculation (or of one calcn) over the same
// arguments, with nothing else.
void cosineFloor(benchmark::State& state) {
  const int calls = static_cast<int>(state.range(0));
  double T = 0.245;
  for (auto _ : state) {
    double sum = 0;
    int n = 0;
    for (const auto& t : korvel::astro::kMoonLongitudeTerms)
      if (n++ < calls) sum += korvel::astro::dcos(t.b * T + t.c);
    for (const auto& t : korvel::astro::kMoonLatitudeTerms)
      if (n++ < calls) sum += korvel::astro::dcos(t.b * T + t.c);
    for (const auto& t : korvel::astro::kMoonParallaxTerms)
      if (n++ < calls) sum += korvel::astro::dcos(t.b * T + t.c);
    for (const auto& t : korvel::astro::kSunLongitudeTerms)
      if (n++ < calls) sum += korvel::astro::dcos(t.b * T + t.c);
    while (n < calls) sum += korvel::astro::dcos(35999.05 * T + 267.52 + n++);
    benchmark::DoNotOptimize(sum);
    T += 1e-9;
  }
}
BENCHMARK(cosineFloor)->Arg(175)->Arg(78);

struct Started {
  HeadlessPlatform platform;
  App app{platform};
  Started() {
    platform.clock = {2024, 7, 20, 12, 0, 0};
    app.Form_Load();
  }
};

void recalc(benchmark::State& state) {
  Started s;
  for (auto _ : state) s.app.recalc();
}
BENCHMARK(recalc);

void calcn(benchmark::State& state) {
  Started s;
  for (auto _ : state) s.app.calcn();
}
BENCHMARK(calcn);

// agecalc from a mid-lunation instant; counts its calcn calls through the
// Julian-day field, which every evaluation rewrites.
void agecalc(benchmark::State& state) {
  Started s;
  int evaluations = 0;
  s.app.Text4.onView = [&] { ++evaluations; };
  int runs = 0;
  for (auto _ : state) {
    s.app.agecalc();
    ++runs;
  }
  state.counters["calcn_calls"] = static_cast<double>(evaluations) / runs;
}
BENCHMARK(agecalc)->Unit(benchmark::kMicrosecond);

void table600(benchmark::State& state) {
  for (auto _ : state) {
    std::FILE* out = std::fopen("/dev/null", "wb");
    korvel::cli::run({"table", "2024-07-05", "08:09:03", "--count", "600"}, out, stderr);
    std::fclose(out);
  }
}
BENCHMARK(table600)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
