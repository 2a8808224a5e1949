// ComputeChamber against the library calls it makes (six exp, one log, two
// pow, two sqrt), with the arguments of the default design: the arithmetic
// around them should cost little.

#include <benchmark/benchmark.h>

#include <cmath>

#include "bench/ratio_reporter.h"
#include "calc/compute_chamber.h"

namespace {

void BM_ComputeChamber(benchmark::State& state) {
  ChamberDesign design;
  for (auto _ : state) {
    benchmark::DoNotOptimize(&design);
    ComputeChamber(design);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComputeChamber);

// The arguments each call gets for the default design.
struct CallArguments {
  double bmep = 9.88022525347889;
  double temperatureTimesGas = 863.7329070994322 * 401.79999999999995;
  double portArea = (35.0 * 25.0) * 1.2732395447715545;
  double ratio = 94.58401830444858 / 37.409978730874066;
  double q2 = 0.4637755211339683;
  double q3 = 0.772397049743118;
  double horn = 1.6;
};

// The calls side by side: the processor overlaps them, as it cannot in
// ComputeChamber, where each waits for the figures before it. For
// information only.
void BM_LibraryCallsOverlapped(benchmark::State& state) {
  CallArguments a;
  for (auto _ : state) {
    benchmark::DoNotOptimize(&a);
    const double p2 = std::pow(a.q2, a.horn);
    const double p3 = std::pow(a.q3, a.horn);
    double sum = std::exp(a.bmep * 0.0591) + std::exp(a.bmep * -0.0581) +
                 std::exp(a.bmep * 0.1226) + std::exp(a.bmep * -0.0498) + std::exp(p2) +
                 std::exp(p3) + std::log(a.ratio) + std::sqrt(a.temperatureTimesGas) +
                 std::sqrt(a.portArea);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_LibraryCallsOverlapped);

// The baseline: the eleven calls with the data flow of ComputeChamber. A
// call that needs an earlier result waits for it (its argument plus
// result * zero, where zero is 0 unknown to the compiler); the others may
// overlap, as they may in ComputeChamber.
void BM_LibraryCalls(benchmark::State& state) {
  CallArguments a;
  double zero = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(&a);
    benchmark::DoNotOptimize(zero);
    const double temperature = std::exp(a.bmep * 0.0591);
    const double waveSpeed = std::sqrt(a.temperatureTimesGas + temperature * zero);
    const double port = std::sqrt(a.portArea);
    const double header = std::exp(a.bmep * -0.0581);
    const double belly = std::exp(a.bmep * 0.1226);
    const double stinger = std::exp(a.bmep * -0.0498);
    const double k = std::log(a.ratio + (header + belly) * zero);
    const double p2 = std::pow(a.q2 + (k + waveSpeed) * zero, a.horn);
    const double p3 = std::pow(a.q3 + (k + waveSpeed) * zero, a.horn);
    double results[] = {port, stinger, std::exp(p2), std::exp(p3)};
    benchmark::DoNotOptimize(results);
  }
}
BENCHMARK(BM_LibraryCalls);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter({{"BM_ComputeChamber", "BM_LibraryCalls", 1.2}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.PrintRatios() ? 0 : 1;
}
