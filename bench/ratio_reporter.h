#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Prints the usual console table, then how each measured benchmark compares
// with its baseline from the same run, against the target ratio.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  struct Target {
    std::string measured;
    std::string baseline;
    double maxRatio;
  };

  explicit RatioReporter(std::vector<Target> targets) : targets_(std::move(targets)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration)
        times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Returns false when a target was missed.
  bool PrintRatios() const {
    bool met = true;
    for (const Target& target : targets_) {
      const auto measured = times_.find(target.measured);
      const auto baseline = times_.find(target.baseline);
      if (measured == times_.end() || baseline == times_.end()) continue;
      const double ratio = measured->second / baseline->second;
      const bool ok = ratio <= target.maxRatio;
      met = met && ok;
      std::printf("%s / %s = %.3f (target <= %.2f): %s\n", target.measured.c_str(),
                  target.baseline.c_str(), ratio, target.maxRatio, ok ? "met" : "MISSED");
    }
    return met;
  }

 private:
  std::vector<Target> targets_;
  std::map<std::string, double> times_;
};
