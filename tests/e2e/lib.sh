# Shared helpers of the end-to-end scripts. Sourced by each test_*.sh, which
# wine-session.sh runs with the session's environment and these arguments:
#   $1 tessaline.exe   $2 the test driver   $3 the installation image (data/)
set -euo pipefail

TESSALINE_EXE=$1
DRIVER_EXE=$2
IMAGE_DIR=$3
INSTALL_DIR="$WINEPREFIX/drive_c/Program Files/Quillory/Tessaline"
STARTED_PIDS=()

fail() {
    echo "FAIL: $*" >&2
    screenshot "failure-$(basename "$0" .sh)"
    exit 1
}

# The driver, run in the same prefix; its UTF-8 output with CR LF trimmed.
drv() { wine "$DRIVER_EXE" "$@" | tr -d '\r'; }

# Lays out the installation image and the program as the installer would.
install_image() {
    "$(dirname "${BASH_SOURCE[0]}")/../../scripts/install-image.sh" "$INSTALL_DIR" "$TESSALINE_EXE"
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

# The user's base folders in the prefix, as Unix paths.
unix_folder() { winepath -u "$(drv folder "$1")" 2>/dev/null | sed 's:/*$::'; }

# The program's data folders under the user's profile.
APPDATA_DIR=$(unix_folder appdata)/Quillory/Tessaline
DOCUMENTS_DIR=$(unix_folder documents)/Quillory/Tessaline
SYS_DIR=$APPDATA_DIR/Sys

# Forgets everything the program stored for the user: the next start is a first start.
reset_user_data() { rm -rf "$APPDATA_DIR" "$DOCUMENTS_DIR"; }

# Writes a word book as the program stores it (UTF-16 LE with its mark, CR LF
# after every line), its folders made first: write_book PATH LINE...
write_book() {
    local path=$1; shift
    mkdir -p "$(dirname "$path")"
    { printf '\xff\xfe'; printf '%s\r\n' "$@" | iconv -f UTF-8 -t UTF-16LE; } >"$path"
}

# The program's message boxes: their caption, and the id of their text.
BOX='#32770=Tessaline' MESSAGE_TEXT=65535
# Reads the text of the program's message box in front, answers it with the
# virtual key KEY (after a screenshot NAME, when given) and returns once that
# box is gone; the next box, with the same caption, may already stand there.
answer_box() {  # EXPECTED-TEXT KEY [SCREENSHOT-NAME]
    drv wait "$BOX" 5000 >/dev/null || fail "no message box for '$1'"
    local text
    text=$(drv text "$BOX" $MESSAGE_TEXT)
    [[ $text == "$1" ]] || fail "the message box says '$text', expected '$1'"
    [[ -z ${3:-} ]] || screenshot "$3"
    drv key "$BOX" "$2"
    for _ in $(seq 50); do
        [[ $(drv text "$BOX" $MESSAGE_TEXT 2>/dev/null) != "$1" ]] && return 0
        sleep 0.1
    done
    fail "the message box '$1' stayed open"
}

# Waits for a common file dialog over a dialog of the program (two dialogs
# up), its file name box focused: wait_file_dialog WHAT-FOR
wait_file_dialog() {
    local deadline=$((SECONDS + 10))
    until [[ $(drv count '#32770') == 2 ]]; do
        ((SECONDS < deadline)) || fail "no file dialog for $1"
        sleep 0.2
    done
    sleep 0.5
}

# Waits until the word-book panel's door (control 25) shows $1 ("→" open,
# "←" shut) and the book list (control 11) stands still.
wait_door() {
    local DOOR=25 BOOK_LIST=11
    local deadline=$((SECONDS + 10)) last=""
    while ((SECONDS < deadline)); do
        local now
        now="$(drv text TMainFrm $DOOR)|$(drv childrect TMainFrm $BOOK_LIST)"
        [[ $now == "$1|"* && $now == "$last" ]] && return 0
        last=$now
        sleep 0.2
    done
    fail "the door did not come to '$1'"
}
# A word book's lines as UTF-8, without the mark and the CRs: utx_lines PATH
utx_lines() { iconv -f UTF-16LE -t UTF-8 "$1" | sed '1s/^\xef\xbb\xbf//' | tr -d '\r'; }

# Starts the program and waits for its main window; fails the test if it does not come.
start_and_wait() {
    start_program
    drv wait TMainFrm 30000 >/dev/null || fail "the main window did not appear"
}

# Closes the main window and waits for the process to end.
close_and_wait() {
    drv close TMainFrm || fail "could not close the main window"
    wait_pid_gone "$LAST_PID" 20 || fail "the program did not end after its window closed"
}

# Saves a screenshot of the whole virtual screen as build/.../screenshots/NAME.png.
screenshot() {
    local dir=${E2E_SCREENSHOTS:-$WINE_SESSION_STATE/screenshots}
    mkdir -p "$dir"
    import -window root "$dir/$1.png" 2>/dev/null || true
}

# Starts Wine's own Notepad (a transfer target nobody here wrote) and waits
# for its window; it is ended with the test.
start_notepad() {
    wine 'C:\windows\system32\notepad.exe' >/dev/null 2>&1 &
    STARTED_PIDS+=($!)
    drv wait Notepad 30000 >/dev/null || fail "Notepad did not start"
}
