// The benchmark program: Google Benchmark's usual run, then the registered
// ratios (BenchRatios.h) computed from the same runs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "BenchRatios.h"

namespace tess::bench {

namespace {

std::vector<std::pair<std::string, std::string>>& Ratios() {
    static std::vector<std::pair<std::string, std::string>> ratios;
    return ratios;
}

// The console output as usual, and the real time per iteration of every
// plain run kept by name, in seconds.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) {
                continue;
            }
            seconds[run.benchmark_name()] =
                run.real_accumulated_time / static_cast<double>(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

}  // namespace

bool RegisterRatio(const std::string& name, const std::string& baseline) {
    Ratios().emplace_back(name, baseline);
    return true;
}

}  // namespace tess::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    tess::bench::RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool header = false;
    for (const auto& [name, baseline] : tess::bench::Ratios()) {
        const auto work = reporter.seconds.find(name);
        const auto base = reporter.seconds.find(baseline);
        if (work == reporter.seconds.end() || base == reporter.seconds.end() || base->second <= 0) {
            continue;  // filtered out or failed
        }
        if (!header) {
            std::printf("\nRatios (real time per iteration):\n");
            header = true;
        }
        std::printf("  %-40s / %-40s = %8.2f\n", name.c_str(), baseline.c_str(),
                    work->second / base->second);
    }
    benchmark::Shutdown();
    return 0;
}
