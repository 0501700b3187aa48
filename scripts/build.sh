#!/usr/bin/env bash
# Configures (once) and builds the trees: build/native, build/fuzz and the two
# Windows trees, build/win32 (i686, what ships) and build/win64 (x86_64: the
# same sources, so a pointer-size fault shows everywhere; its tests run where
# 32-bit Wine cannot).
#   scripts/build.sh [native|fuzz|win32|win64|all] [target...]
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
if [[ $which == win64 || $which == all ]]; then
    configure build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
    cmake --build build/win64 ${1:+--target "$@"}
fi
