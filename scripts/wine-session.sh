#!/usr/bin/env bash
# A Wine session for the Windows tests, the end-to-end tests and ./run.sh:
# Xvfb (unless a display is given), a 32-bit Wine prefix copied from a booted
# template, Japanese font replacements, and Wine's virtual desktop (only there
# does bringing a window to the front activate it as Windows does).
#
#   wine-session.sh start  STATE [--display :N] [--prefix DIR]
#   wine-session.sh run    STATE program.exe [args...]   # wine in the session
#   wine-session.sh script STATE script.sh [args...]     # bash with the session's env
#   wine-session.sh stop   STATE                         # ends what start started, by PID
#
# STATE is a folder that holds the session's env file and PIDs. The booted
# template prefix is kept beside it (STATE/../wine-template) and reused.
set -euo pipefail

cmd=${1:?command}; state=${2:?state folder}; shift 2
state=$(mkdir -p "$state" && cd "$state" && pwd)
template="$(dirname "$state")/wine-template"

base_env() {
    export WINEARCH=win32 WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
}

wait_for() {  # wait_for SECONDS command...: polls until the command succeeds
    local deadline=$((SECONDS + $1)); shift
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

# The .reg file must be UTF-16 LE with a byte-order mark for the Japanese names.
write_fonts_reg() {
    local gothic=IPAPGothic mono=IPAGothic
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        for face in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic" "Meiryo" "Meiryo UI" "メイリオ"; do
            printf '"%s"="%s"\r\n' "$face" "$gothic"
        done
        for face in "ＭＳ ゴシック" "MS Gothic"; do
            printf '"%s"="%s"\r\n' "$face" "$mono"
        done
        # The Windows faces of the scripts, by the free faces that have their glyphs.
        printf '"%s"="%s"\r\n' "Khmer UI" "Noto Sans Khmer" "Lao UI" "Noto Sans Lao" \
            "Myanmar Text" "Noto Sans Myanmar" "Segoe UI" "DejaVu Sans"
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n'
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1280x900"\r\n'
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$1"
}

make_template() {
    base_env
    # A template made by another version of this script (other fonts or
    # registry settings) is made again.
    local version
    version=$(md5sum "${BASH_SOURCE[0]}" | cut -d' ' -f1)
    (
        flock 9
        [[ -f "$template/.booted" && $(cat "$template/.booted") == "$version" ]] && exit 0
        rm -rf "$template"
        mkdir -p "$template"
        WINEPREFIX="$template" DISPLAY= wineboot -i >/dev/null 2>&1
        WINEPREFIX="$template" wineserver -w
        # Wine links the user's shell folders (Documents, Desktop...) to the
        # Unix home, which every session on the machine shares: each prefix
        # gets folders of its own.
        local link
        for link in "$template"/drive_c/users/*/*; do
            [[ -L $link ]] && rm "$link" && mkdir "$link"
        done
        write_fonts_reg "$template/fonts.reg"
        local reg="$template/fonts.reg"
        WINEPREFIX="$template" DISPLAY= wine regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
        WINEPREFIX="$template" wineserver -w
        ln -sf /usr/share/wine/fonts/marlett.ttf "$template/drive_c/windows/Fonts/marlett.ttf" 2>/dev/null || true
        echo "$version" >"$template/.booted"
    ) 9>"$template.lock"
}

free_display() {
    local n
    for n in $(seq 91 199); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || { echo ":$n"; return; }
    done
    return 1
}

start() {
    local display="" prefix="$state/prefix"
    while (($#)); do
        case $1 in
            --display) display=$2; shift 2 ;;
            --prefix) prefix=$2; shift 2 ;;
            *) echo "unknown option $1" >&2; exit 2 ;;
        esac
    done
    stop_session 2>/dev/null || true
    make_template
    if [[ ! -f "$prefix/.booted" || $(cat "$prefix/.booted") != $(cat "$template/.booted") ]]; then
        rm -rf "$prefix"
        mkdir -p "$(dirname "$prefix")"
        cp -a "$template" "$prefix"
    fi
    base_env
    export WINEPREFIX="$prefix"
    : >"$state/pids"
    if [[ -z "$display" ]]; then
        display=$(free_display)
        Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
        echo "xvfb $!" >>"$state/pids"
        DISPLAY="$display" wait_for 20 xdotool getdisplaygeometry ||
            { echo "wine-session: Xvfb $display did not start" >&2; exit 1; }
    fi
    export DISPLAY="$display"
    wineserver -p >/dev/null 2>&1
    echo "wineserver 0" >>"$state/pids"
    wine explorer /desktop=Default,1280x900 >/dev/null 2>&1 &
    echo "explorer $!" >>"$state/pids"
    if ! wait_for 60 xdotool search --name 'Wine desktop'; then
        echo "wine-session: the virtual desktop did not appear" >&2
        exit 1
    fi
    cat >"$state/env" <<EOF
export DISPLAY='$DISPLAY' WINEPREFIX='$WINEPREFIX' WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES='$WINEDLLOVERRIDES'
export WINE_SESSION_STATE='$state'
EOF
    echo "wine session up: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
}

stop_session() {
    [[ -f "$state/env" ]] || return 0
    # shellcheck disable=SC1091
    source "$state/env"
    local kind pid
    # Explorer first (it owns the desktop), then the prefix's server, then X.
    while read -r kind pid; do
        [[ $kind == explorer ]] && kill "$pid" 2>/dev/null || true
    done <"$state/pids"
    wineserver -k 2>/dev/null || true
    while read -r kind pid; do
        [[ $kind == xvfb ]] && kill "$pid" 2>/dev/null || true
    done <"$state/pids"
    rm -f "$state/env" "$state/pids"
}

case $cmd in
    start) start "$@" ;;
    stop) stop_session ;;
    run)
        source "$state/env"
        exec wine "$@"
        ;;
    script)
        source "$state/env"
        exec bash "$@"
        ;;
    *) echo "usage: $0 start|stop|run|script STATE ..." >&2; exit 2 ;;
esac
