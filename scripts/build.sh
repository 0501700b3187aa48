#!/usr/bin/env bash
# Configures (once) and builds the two trees: build/native and build/win32.
#   scripts/build.sh [native|fuzz|win32|all] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
# Compiler cache hits across clones in other folders (CI builds a fresh clone).
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
which=${1:-all}; shift || true

configure() {  # configure DIR [cmake args...]
    local dir=$1; shift
    [[ -f $dir/build.ninja ]] || cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
}

if [[ $which == native || $which == all ]]; then
    configure build/native
    cmake --build build/native ${1:+--target "$@"}
fi
if [[ $which == fuzz || $which == all ]]; then
    CC=clang CXX=clang++ configure build/fuzz -DTESS_FUZZ=ON
    cmake --build build/fuzz ${1:+--target "$@"}
fi
if [[ $which == win32 || $which == all ]]; then
    configure build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
    cmake --build build/win32 ${1:+--target "$@"}
fi
