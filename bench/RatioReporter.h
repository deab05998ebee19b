// A console reporter that, after the usual table, prints each benchmark's median as a multiple of one
// baseline benchmark's median: the figure a speed goal is stated in.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(std::string baseline) : baseline_(std::move(baseline)) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.aggregate_name == "median" || run.repetitions <= 1) {
        medians_[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    const auto base = medians_.find(baseline_);
    if (base == medians_.end() || base->second.first <= 0 || base->second.second <= 0) return;
    for (const auto& [name, median] : medians_) {
      std::printf("%-28s %9.3f ms real (%6.2f x %s), %9.3f ms CPU (%6.2f x)\n", name.c_str(), median.first,
                  median.first / base->second.first, baseline_.c_str(), median.second,
                  median.second / base->second.second);
    }
  }

 private:
  std::string baseline_;
  std::map<std::string, std::pair<double, double>> medians_;  // real, CPU
};

// Runs the benchmarks the command line selects, then prints their ratios to the baseline.
inline int RunWithRatios(int argc, char** argv, const char* baseline) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter(baseline);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
