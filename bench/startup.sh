#!/usr/bin/env bash
# Start-up to the main window shown, under Wine, as a ratio against starting
# Wine's own Notepad in the same prefix and session: median of several runs.
#   bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
arch=$(scripts/wine-arch.sh)  # the build this machine's Wine runs
build=build/$arch
scripts/build.sh "$arch" tessaline e2e_driver >/dev/null
state=$build/bench-session
scripts/wine-session.sh start "$state" --arch "$arch" >/dev/null
trap 'scripts/wine-session.sh stop "$state" >/dev/null' EXIT
source "$state/env"
scripts/install-image.sh "$WINEPREFIX/drive_c/Program Files/Quillory/Tessaline" "$build/tessaline.exe"
driver() { wine "$build/e2e_driver.exe" "$@" | tr -d '\r'; }

# Milliseconds from start to the window of CLASS being visible, measured by
# the driver that starts the program, then closed.
time_start() {  # time_start CLASS PATH
    # The started program inherits the driver's output, so the driver
    # writes to a file: a pipe would stay open until the program ends.
    local ms out="$state/launch.txt"
    wine "$build/e2e_driver.exe" launch "$1" "$2" >"$out" 2>/dev/null ||
        { echo "the window $1 did not appear" >&2; exit 1; }
    ms=$(tr -d '\r' <"$out")
    driver close "$1"
    for _ in $(seq 100); do driver count "$1" | grep -qx 0 && break; sleep 0.05; done
    echo "$ms"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

NOTEPAD='C:\windows\system32\notepad.exe'
TESSALINE='C:\Program Files\Quillory\Tessaline\tessaline.exe'
# One warm-up each: the first start of a process in a prefix pays for loading Wine.
time_start Notepad "$NOTEPAD" >/dev/null
time_start TMainFrm "$TESSALINE" >/dev/null
# Alternating, so that a slower stretch of the machine hits both alike.
notepad=() tessaline=()
for _ in $(seq "$runs"); do
    notepad+=("$(time_start Notepad "$NOTEPAD")")
    tessaline+=("$(time_start TMainFrm "$TESSALINE")")
done
n=$(printf '%s\n' "${notepad[@]}" | median)
t=$(printf '%s\n' "${tessaline[@]}" | median)
echo "start-up to window, median of $runs: notepad ${n} ms, tessaline ${t} ms"
awk -v t="$t" -v n="$n" 'BEGIN {printf "ratio tessaline/notepad: %.2f (target at most 1.3)\n", t / n}'
