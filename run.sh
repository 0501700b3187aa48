#!/usr/bin/env bash
# Builds tessaline.exe, installs it with its installation image into a private
# Wine prefix (build/win32/run-prefix, or build/win64/...) as C:\Program Files\Quillory\Tessaline,
# and starts it. Without a DISPLAY it runs headless: it waits for the main
# window, saves a screenshot to build/screenshots/main.png and closes the
# program normally. Where this machine cannot run 32-bit programs, the 64-bit
# build runs under 64-bit Wine instead, from build/win64 (scripts/wine-arch.sh).
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

scripts/install-deps.sh
arch=$(scripts/wine-arch.sh)
echo "run.sh: $(scripts/wine-arch.sh --why)"
scripts/build.sh "$arch" tessaline e2e_driver
build=build/$arch

state=$build/run-session
prefix=$root/$build/run-prefix
session() { scripts/wine-session.sh "$@"; }

headless=1
[[ -n ${DISPLAY:-} ]] && headless=0
if ((!headless)); then
    session start "$state" --arch "$arch" --display "$DISPLAY" --prefix "$prefix" >/dev/null
else
    session start "$state" --arch "$arch" --prefix "$prefix" >/dev/null
fi
trap 'session stop "$state"' EXIT
source "$state/env"

scripts/install-image.sh "$WINEPREFIX/drive_c/Program Files/Quillory/Tessaline" "$build/tessaline.exe"
exe='C:\Program Files\Quillory\Tessaline\tessaline.exe'

if ((!headless)); then
    wine "$exe"
    exit 0
fi

driver() { wine "$build/e2e_driver.exe" "$@" | tr -d '\r'; }
wine "$exe" >/dev/null 2>&1 &
pid=$!
driver wait TMainFrm 30000 >/dev/null || { echo "run.sh: the main window did not appear" >&2; exit 1; }
sleep 1
mkdir -p build/screenshots
import -display "$DISPLAY" -window root build/screenshots/main.png
driver close TMainFrm
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
echo "run.sh: screenshot saved to $root/build/screenshots/main.png"
