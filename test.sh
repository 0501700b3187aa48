#!/usr/bin/env bash
# Builds everything and runs every test layer through CTest:
#   native    unit tests of the portable code with the fake platform
#   sanitize  the same tests built with AddressSanitizer + UBSan
#   fuzz      each reader of outside bytes fuzzed for a few seconds (libFuzzer)
#   wine      the Windows platform layer, cross-built, run under Wine in Xvfb
#   e2e       the real tessaline.exe under Xvfb + Wine, driven from outside
# Both Windows builds are made; the Windows layers run the one this machine's
# Wine can run (scripts/wine-arch.sh: the 32-bit one, or the 64-bit one where
# 32-bit programs cannot start; TESS_WINE_ARCH=win64 chooses it).
# Installs what it needs first. Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh || exit 1
scripts/build.sh all || exit 1

status=0
ctest --test-dir build/native --output-on-failure -j2 || status=1
ctest --test-dir build/fuzz --output-on-failure || status=1
# Tests that drive real windows under Wine can lose a race with a loaded
# machine; each gets one more try, so only a failure that repeats counts.
if arch=$(scripts/wine-arch.sh) && why=$(scripts/wine-arch.sh --why); then
    echo "Windows tests: $why"
    ctest --test-dir "build/$arch" --output-on-failure --repeat until-pass:2 || status=1
else
    echo "Windows tests: no Wine here runs them" >&2
    status=1
fi

if ((status)); then echo "test.sh: FAILED"; else echo "test.sh: all layers passed"; fi
exit $status
