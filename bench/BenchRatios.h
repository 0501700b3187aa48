// Ratios of a benchmark's time to a baseline measured in the same run.
//
// Absolute times say little across machines; what the benchmarks promise is
// how a piece of work compares with the plainest work on the same data (for
// example, loading tables against only reading their bytes). A benchmark file
// registers its pairs at start-up; the benchmark program prints each ratio of
// real time per iteration after the runs. Nothing here judges the numbers.
#pragma once

#include <string>

namespace tess::bench {

// Registers "name / baseline" (full benchmark names, as printed). Returns a
// value so that a file can register at namespace scope:
//   const bool registered = RegisterRatio("BM_Work", "BM_Baseline");
bool RegisterRatio(const std::string& name, const std::string& baseline);

}  // namespace tess::bench
