// tubrix-calc as a user runs it, a process at a time, against baseline
// programs: its start-up against a minimal C++ program printing 26 lines,
// and --batch on a million rows against a plain strtod and snprintf loop.
// The maximum resident size of each child shows whether memory stays flat;
// the kernel carries the spawning process's own peak over into it at exec,
// so the figure is an upper bound no smaller than this program's size
// (/usr/bin/time -f %M gives the child's own).

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/ratio_reporter.h"

extern char** environ;

namespace {

struct Child {
  bool ok = false;
  long maxRssKiB = 0;
};

// Runs program with args, standard input from input (or /dev/null) and
// standard output to /dev/null, and waits for it.
Child Spawn(const std::string& program, std::vector<std::string> args,
            const std::string& input = "/dev/null") {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  Child child;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    struct rusage usage {};
    child.ok =
        ::wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    child.maxRssKiB = usage.ru_maxrss;
  }
  posix_spawn_file_actions_destroy(&actions);
  return child;
}

// A CSV of valid designs with all eight inputs, made once per size.
std::string DesignsCsv(long rows) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("tubrix-bench-" + std::to_string(rows) + ".csv"))
          .string();
  if (std::filesystem::exists(path)) return path;
  std::FILE* file = std::fopen(path.c_str(), "w");
  std::fputs(
      "displacement,exhaustDuration,portHeight,portWidth,exhaustInCylinder,power,rpm,"
      "hornCoefficient\n",
      file);
  for (long i = 0; i < rows; ++i) {
    const auto step = [i](long period) { return static_cast<double>(i % period); };
    std::fprintf(file, "%.1f,%.1f,%.2f,%.2f,%.1f,%.2f,%.0f,%.2f\n", 50.0 + step(200),
                 170.0 + step(30), 20.0 + step(10) * 0.5, 30.0 + step(13) * 0.25, 40.0 + step(20),
                 10.0 + step(40) * 0.5, 6000.0 + step(7000), 1.0 + step(10) * 0.1);
  }
  std::fclose(file);
  return path;
}

void RunProcess(benchmark::State& state, const std::string& program,
                const std::vector<std::string>& args, const std::string& input) {
  long maxRss = 0;
  for (auto _ : state) {
    const Child child = Spawn(program, args, input);
    if (!child.ok) {
      state.SkipWithError(("failed to run " + program).c_str());
      return;
    }
    maxRss = std::max(maxRss, child.maxRssKiB);
  }
  state.counters["maxRSS_KiB"] = static_cast<double>(maxRss);
}

void BM_TubrixCalcOneDesign(benchmark::State& state) {
  RunProcess(state, TUBRIX_CALC, {}, "/dev/null");
}
BENCHMARK(BM_TubrixCalcOneDesign)->UseRealTime()->MinTime(2.0);

void BM_MinimalProgram(benchmark::State& state) {
  RunProcess(state, MINIMAL_REPORT, {}, "/dev/null");
}
BENCHMARK(BM_MinimalProgram)->UseRealTime()->MinTime(2.0);

void BM_TubrixCalcBatch(benchmark::State& state) {
  RunProcess(state, TUBRIX_CALC, {"--batch"}, DesignsCsv(state.range(0)));
}
BENCHMARK(BM_TubrixCalcBatch)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_PlainBatch(benchmark::State& state) {
  RunProcess(state, PLAIN_BATCH, {}, DesignsCsv(state.range(0)));
}
BENCHMARK(BM_PlainBatch)->Arg(10'000)->Arg(1'000'000)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter({
      {"BM_TubrixCalcOneDesign/min_time:2.000/real_time",
       "BM_MinimalProgram/min_time:2.000/real_time", 1.5},
      {"BM_TubrixCalcBatch/1000000/real_time", "BM_PlainBatch/1000000/real_time", 1.3},
  });
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.PrintRatios() ? 0 : 1;
}
