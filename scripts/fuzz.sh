#!/usr/bin/env bash
# Runs the fuzz targets for longer than the test suite does:
#   scripts/fuzz.sh [seconds per target] [target name...]
# FUZZ_RUNS=N stops a target after N executions (whichever comes first);
# FUZZ_MAX_LEN=N caps the input size (libFuzzer's default is the larger of
# 4096 and the biggest seed). New inputs collect in build/fuzz/corpus/<name>;
# a crash leaves its input in build/fuzz (crash-*): make it a test case and a
# seed in fuzz/corpus/<name>.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}; shift || true
scripts/build.sh fuzz >/dev/null
names=("$@")
if ((${#names[@]} == 0)); then
    for source in fuzz/fuzz_*.cpp; do names+=("$(basename "$source" .cpp | sed 's/^fuzz_//')"); done
fi
limits=()
[[ -n ${FUZZ_RUNS:-} ]] && limits+=("-runs=$FUZZ_RUNS")
[[ -n ${FUZZ_MAX_LEN:-} ]] && limits+=("-max_len=$FUZZ_MAX_LEN")
cd build/fuzz
for name in "${names[@]}"; do
    mkdir -p "corpus/$name"
    echo "== $name, ${seconds} s ${limits[*]}"
    "./fuzz_$name" -max_total_time="$seconds" "${limits[@]}" -rss_limit_mb=2048 -print_final_stats=1 \
        "corpus/$name" "../../fuzz/corpus/$name" 2>&1 |
        grep -E 'stat::(number_of_executed_units|average_exec_per_sec)|ERROR|law broken|SUMMARY|Test unit written'
done
