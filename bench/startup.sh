#!/usr/bin/env bash
# Start-up to the main window shown, under Wine, as a ratio against starting
# Wine's own Notepad in the same prefix and session: median of several runs.
#   bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
scripts/build.sh win32 tessaline e2e_driver >/dev/null
state=build/win32/bench-session
scripts/wine-session.sh start "$state" >/dev/null
trap 'scripts/wine-session.sh stop "$state" >/dev/null' EXIT
source "$state/env"
scripts/install-image.sh "$WINEPREFIX/drive_c/Program Files/Quillory/Tessaline" build/win32/tessaline.exe
driver() { wine build/win32/e2e_driver.exe "$@" | tr -d '\r'; }

# Milliseconds from start to the window of CLASS being visible, then closed.
time_start() {  # time_start CLASS COMMAND...
    local class=$1; shift
    local t0 t1
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    driver wait "$class" 30000 >/dev/null
    t1=$(date +%s%N)
    driver close "$class"
    wait "$pid" 2>/dev/null || true
    echo $(((t1 - t0) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# One warm-up each: the first start of a process in a prefix pays for loading Wine.
time_start Notepad wine 'C:\windows\system32\notepad.exe' >/dev/null
time_start TMainFrm wine 'C:\Program Files\Quillory\Tessaline\tessaline.exe' >/dev/null
notepad=$(for _ in $(seq "$runs"); do time_start Notepad wine 'C:\windows\system32\notepad.exe'; done | median)
tessaline=$(for _ in $(seq "$runs"); do time_start TMainFrm wine 'C:\Program Files\Quillory\Tessaline\tessaline.exe'; done | median)
echo "start-up to window, median of $runs: notepad ${notepad} ms, tessaline ${tessaline} ms"
awk -v t="$tessaline" -v n="$notepad" 'BEGIN {printf "ratio tessaline/notepad: %.2f (target at most 2)\n", t / n}'
