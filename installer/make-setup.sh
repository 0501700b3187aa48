#!/usr/bin/env bash
# Builds the installer:
#   installer/make-setup.sh OUTPUT.exe tessaline.exe [x86|amd64]
# What ships is the x86 installer of the 32-bit program (the default); the
# same script makes an amd64 one of the 64-bit build, which installs into the
# 64-bit Program Files, for the tests on machines that run only 64-bit Wine.
# The installation image is laid out by scripts/install-image.sh (the one
# place that knows its folders), and the lists of what setup.exe installs
# and what uninstall.exe removes are made from that tree, file by file, so
# the uninstaller takes away exactly what the installer put there. The
# version comes from src/app/AppIdentity.h, where it is written once.
set -euo pipefail
out=${1:?output setup.exe}; exe=${2:?tessaline.exe}; target=${3:-x86}
case $target in
    x86) cross=i686-w64-mingw32 ;;
    amd64) cross=x86_64-w64-mingw32 ;;
    *) echo "make-setup: target '$target': x86 or amd64" >&2; exit 2 ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$(dirname "$out")" && cd "$(dirname "$out")" && pwd)/$(basename "$out")

version=$(sed -n 's/^inline constexpr char16_t kProgramVersion\[\] = u"\([^"]*\)";.*/\1/p' \
    "$root/src/app/AppIdentity.h")
[[ -n $version ]] || { echo "make-setup: no kProgramVersion in AppIdentity.h" >&2; exit 1; }
# The running program holds this mutex; both installer and uninstaller wait for it to go.
mutex=$(sed -n 's/^inline constexpr char16_t kInstanceMutexName\[\] = u"\([^"]*\)";.*/\1/p' \
    "$root/src/app/AppIdentity.h")
[[ -n $mutex ]] || { echo "make-setup: no kInstanceMutexName in AppIdentity.h" >&2; exit 1; }

work="$out.work"
rm -rf "$work"
mkdir -p "$work"
"$root/scripts/install-image.sh" "$work/image" "$exe"
# The program is shipped without its debugging sections.
"$cross-strip" "$work/image/tessaline.exe"

# Text inside an NSIS string: "$" doubled. nsis_path also turns "/" into "\\".
nsis_text() { printf '%s' "${1//\$/\$\$}"; }
nsis_path() { local p; p=$(nsis_text "$1"); printf '%s' "${p//\//\\}"; }

(
    cd "$work/image"
    {
        echo "; Made by make-setup.sh: the installation image, file by file."
        find . -mindepth 1 -type d | sed 's:^\./::' | LC_ALL=C sort | while read -r dir; do
            echo "CreateDirectory \"\$INSTDIR\\$(nsis_path "$dir")\""
        done
        find . -type f | sed 's:^\./::' | LC_ALL=C sort | while read -r file; do
            local_dir=$(dirname "$file")
            [[ $local_dir == . ]] && target='$INSTDIR' || target="\$INSTDIR\\$(nsis_path "$local_dir")"
            echo "SetOutPath \"$target\""
            echo "File \"$(nsis_text "$work/image/$file")\""
        done
        echo "SetOutPath \"\$INSTDIR\""
    } >"$work/install-files.nsh"
    {
        echo "; Made by make-setup.sh: what the installer put there, and nothing else."
        find . -type f | sed 's:^\./::' | LC_ALL=C sort | while read -r file; do
            echo "Delete \"\$INSTDIR\\$(nsis_path "$file")\""
        done
        # Deepest first; a folder that still holds a file of the user's stays.
        find . -mindepth 1 -type d | sed 's:^\./::' | LC_ALL=C sort -r | while read -r dir; do
            echo "RMDir \"\$INSTDIR\\$(nsis_path "$dir")\""
        done
    } >"$work/uninstall-files.nsh"
)
size_kb=$(du -sk "$work/image" | cut -f1)
# In a file rather than on the command line, so the name is read as UTF-8.
printf '!define MUTEX "%s"\n' "$(nsis_text "$mutex")" >"$work/identity.nsh"

makensis -V2 -INPUTCHARSET UTF8 "-DTARGET=$target" \
    "-DVERSION=$version" "-DLISTS=$work" "-DOUTFILE=$out" "-DSIZE_KB=$size_kb" "-DICON=$root/src/app/win32/res/tessaline.ico" \
    "$root/installer/Tessaline.nsi"
