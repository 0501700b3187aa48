#!/usr/bin/env bash
# A Wine session for the Windows tests, the end-to-end tests and ./run.sh:
# Xvfb (unless a display is given), a Wine prefix copied from a booted
# template, Japanese font replacements, and Wine's virtual desktop (only there
# does bringing a window to the front activate it as Windows does).
#
# The prefix is a win32 one under 32-bit Wine where this machine runs it, and
# a win64 one under 64-bit Wine where it cannot (scripts/wine-arch.sh decides;
# --arch says which the programs to run need).
#
#   wine-session.sh start  STATE [--arch win32|win64] [--display :N] [--prefix DIR]
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
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

base_env() {  # base_env ARCH
    export WINEARCH=$1 WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
    if [[ $1 == win64 ]]; then
        launchers_64 "$state/bin"
        export PATH="$state/bin:$PATH" WINELOADER=/usr/lib/wine/wine64
    fi
}

# Debian's wine and its launchers (wineboot, winepath...) start the 32-bit
# loader whenever its file exists, even where it cannot run: on the win64
# path they are replaced, first on PATH, by ones that start the 64-bit loader.
launchers_64() {  # launchers_64 DIR
    local dir=$1 name
    mkdir -p "$dir"
    for name in wine wine-stable; do
        printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' >"$dir/$name"
    done
    for name in wineboot winepath winecfg wineconsole winedbg winefile regedit msiexec notepad; do
        printf '#!/bin/sh\nexec "%s/wine" %s.exe "$@"\n' "$dir" "$name" >"$dir/$name"
    done
    chmod +x "$dir"/*
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

make_template() {  # make_template ARCH
    base_env "$1"
    # A template made by another version of this script or of the fonts it
    # writes (other fonts or registry settings), or for the other
    # architecture, is made again.
    local version
    version="$1 $(cat "${BASH_SOURCE[0]}" "$here/wine64-fonts.py" | md5sum | cut -d' ' -f1)"
    (
        flock 9
        [[ -f "$template/.booted" && $(cat "$template/.booted") == "$version" ]] && exit 0
        rm -rf "$template"
        mkdir -p "$template"
        local log="$template.boot.log"
        if ! WINEPREFIX="$template" DISPLAY= wineboot -i >"$log" 2>&1; then
            echo "wine-session: wineboot of a $1 prefix failed ($(command -v wineboot)):" >&2
            tail -n 5 "$log" >&2
            exit 1
        fi
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
        # 64-bit Wine 8 dies in its OpenType positioning when a run begins
        # with a mark (a rich edit wrapping Thai, Lao or Khmer): the prefix
        # draws these scripts with copies of their fonts that lack the two
        # lookups it trips on (scripts/wine64-fonts.py says which and why).
        if [[ $1 == win64 ]]; then
            local fonts=()
            mapfile -t fonts < <(for lang in th lo km my; do fc-list ":lang=$lang" file; done |
                sed 's/: *$//' | sort -u)
            python3 "$here/wine64-fonts.py" "$template/drive_c/windows/Fonts" "${fonts[@]}" >/dev/null
        fi
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

# Wine's desktop shows as one X window of class explorer.exe (its title,
# "Default - Wine desktop", is translated in some locales).
desktop_shown() {
    xdotool search --class 'explorer.exe' >/dev/null 2>&1
}

start_desktop() {
    wineserver -p >/dev/null 2>&1 || true
    grep -q '^wineserver ' "$state/pids" || echo "wineserver 0" >>"$state/pids"
    wine explorer /desktop=Default,1280x900 >"$state/explorer.log" 2>&1 &
    echo "explorer $!" >>"$state/pids"
    wait_for 90 desktop_shown
}

# What was running when the desktop did not come: for the CI log.
desktop_diagnosis() {
    echo "-- explorer's output:"; tail -n 20 "$state/explorer.log" 2>/dev/null || true
    echo "-- X windows:"
    xdotool search --name '' getwindowname %@ 2>/dev/null | sort -u | head -n 20 || true
    echo "-- Wine processes:"
    ps -eo pid,etimes,stat,pcpu,args | grep -Ei 'wine|\.exe|Xvfb' | grep -v grep | head -n 20 || true
    echo "-- load: $(cat /proc/loadavg 2>/dev/null)"
}

# Ends the Wine side of a session (its desktop and its server), not X.
end_wine() {
    local kind pid
    while read -r kind pid; do
        [[ $kind == explorer ]] && kill "$pid" 2>/dev/null || true
    done <"$state/pids"
    wineserver -k 2>/dev/null || true
    timeout 30 wineserver -w 2>/dev/null || true
    sed -i '/^explorer /d' "$state/pids"
}

start() {
    local display="" prefix="$state/prefix" arch=""
    while (($#)); do
        case $1 in
            --arch) arch=$2; shift 2 ;;
            --display) display=$2; shift 2 ;;
            --prefix) prefix=$2; shift 2 ;;
            *) echo "unknown option $1" >&2; exit 2 ;;
        esac
    done
    stop_session 2>/dev/null || true
    [[ -n $arch ]] || arch=$("$here/wine-arch.sh") || exit 1
    [[ $arch == win32 || $arch == win64 ]] || { echo "wine-session: no arch $arch" >&2; exit 2; }
    make_template "$arch"
    if [[ ! -f "$prefix/.booted" || $(cat "$prefix/.booted") != $(cat "$template/.booted") ]]; then
        rm -rf "$prefix"
        mkdir -p "$(dirname "$prefix")"
        cp -a "$template" "$prefix"
    fi
    base_env "$arch"
    export WINEPREFIX="$prefix"
    : >"$state/pids"
    if [[ -z "$display" ]]; then
        display=$(free_display) || { echo "wine-session: no free display" >&2; exit 1; }
        Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
        echo "xvfb $!" >>"$state/pids"
    fi
    export DISPLAY="$display"
    # The env file comes first, so that stop ends a session that failed half
    # way (a retried start found the last one's server and X still running).
    cat >"$state/env" <<EOF
export DISPLAY='$DISPLAY' WINEPREFIX='$WINEPREFIX' WINEARCH=$arch WINEDEBUG=-all
export WINEDLLOVERRIDES='$WINEDLLOVERRIDES'
export WINE_SESSION_STATE='$state'
EOF
    [[ $arch == win32 ]] ||
        echo "export PATH='$state/bin':\"\$PATH\" WINELOADER=/usr/lib/wine/wine64" >>"$state/env"
    if ! wait_for 20 xdotool getdisplaygeometry; then
        echo "wine-session: the X server $display did not start" >&2
        stop_session; exit 1
    fi
    # A desktop that does not come up on a busy machine gets a second try
    # with a fresh server before the session is given up.
    local try
    for try in 1 2; do
        start_desktop && break
        if ((try == 2)); then
            echo "wine-session: the virtual desktop did not appear" >&2
            desktop_diagnosis >&2
            stop_session; exit 1
        fi
        echo "wine-session: no virtual desktop after 90 s; starting Wine again" >&2
        desktop_diagnosis >&2
        end_wine
    done
    echo "wine session up ($arch): DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
}

stop_session() {
    [[ -f "$state/env" ]] || return 0
    # shellcheck disable=SC1091
    source "$state/env"
    # Explorer first (it owns the desktop), then the prefix's server, then X.
    end_wine
    local kind pid
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
