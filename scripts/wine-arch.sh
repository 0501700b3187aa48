#!/usr/bin/env bash
# Which Windows build this machine's Wine runs: prints "win32" or "win64".
#   wine-arch.sh          the build: win32 where 32-bit Wine runs, else win64
#   wine-arch.sh --why    one line that names the build and says why
#
# The 32-bit program is what ships, so its build is tested wherever 32-bit
# Wine runs. Some machines cannot start any 32-bit Linux program (a sandboxed
# kernel answers "Exec format error"), Wine's 32-bit loader included: there
# the 64-bit build of the same sources runs under 64-bit Wine.
# TESS_WINE_ARCH=win64 (or win32) chooses, so both paths stay tested on a
# machine that runs both.
set -euo pipefail

loader32=/usr/lib/wine/wine
loader64=/usr/lib/wine/wine64
# What a loader says when it cannot start: its last line, the shell's prefix cut.
refusal() { { "$1" --version 2>&1 || true; } | tail -n1 | sed 's/^.*: //'; }

arch=${TESS_WINE_ARCH:-}
why=""
case $arch in
    win32) why="TESS_WINE_ARCH=win32" ;;
    win64) why="TESS_WINE_ARCH=win64" ;;
    "")
        if "$loader32" --version >/dev/null 2>&1; then
            arch=win32 why="this machine runs 32-bit Wine"
        else
            arch=win64 why="this machine cannot run 32-bit programs: $(refusal "$loader32")"
        fi
        ;;
    *) echo "wine-arch: TESS_WINE_ARCH is '$arch'; it takes win32 or win64" >&2; exit 2 ;;
esac

if [[ ${1:-} == --why ]]; then
    if [[ $arch == win32 ]]; then
        echo "the 32-bit build (build/win32) under 32-bit Wine ($why)"
    else
        echo "the 64-bit build (build/win64) under 64-bit Wine ($why)"
    fi
else
    echo "$arch"
fi
# A forced build that this machine's Wine cannot run is an error, said here
# rather than as a wineboot that fails without a word.
if [[ $arch == win32 ]] && ! "$loader32" --version >/dev/null 2>&1; then
    echo "wine-arch: 32-bit Wine does not run here: $(refusal "$loader32")" >&2
    exit 1
fi
if [[ $arch == win64 ]] && ! "$loader64" --version >/dev/null 2>&1; then
    echo "wine-arch: 64-bit Wine does not run here: $(refusal "$loader64")" >&2
    exit 1
fi
