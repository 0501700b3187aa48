# Shared helpers of the end-to-end scripts. Sourced by each test_*.sh, which
# wine-session.sh runs with the session's environment and these arguments:
#   $1 tessaline.exe   $2 the test driver   $3 the installation image (data/)
set -euo pipefail

TESSALINE_EXE=$1
DRIVER_EXE=$2
IMAGE_DIR=$3
INSTALL_DIR="$WINEPREFIX/drive_c/Program Files/Quillory/Tessaline"
STARTED_PIDS=()

fail() { echo "FAIL: $*" >&2; exit 1; }

# The driver, run in the same prefix; its UTF-8 output with CR LF trimmed.
drv() { wine "$DRIVER_EXE" "$@" | tr -d '\r'; }

# Lays out the installation image and the program as the installer would.
install_image() {
    mkdir -p "$INSTALL_DIR"
    cp -a "$IMAGE_DIR"/. "$INSTALL_DIR"/
    cp "$TESSALINE_EXE" "$INSTALL_DIR/tessaline.exe"
}

# Starts the installed program in the background; prints nothing, records the PID.
start_program() {
    wine "C:\\Program Files\\Quillory\\Tessaline\\tessaline.exe" >/dev/null 2>&1 &
    STARTED_PIDS+=($!)
    LAST_PID=$!
}

# Waits up to $2 seconds for PID $1 to end; false if it is still running.
wait_pid_gone() {
    local deadline=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# Ends, by PID, whatever this script started and is still running.
cleanup_started() {
    local pid
    for pid in "${STARTED_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap cleanup_started EXIT
