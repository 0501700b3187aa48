#!/usr/bin/env bash
# Installs, through apt, whatever of the build and test tools is missing.
# Idempotent: when everything is there it installs nothing and touches nothing.
# Works as root and, through sudo, as a normal user.
set -euo pipefail

PACKAGES=(
    # native build and tests
    cmake ninja-build g++ ccache pkg-config
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    # fuzz targets: clang with libFuzzer and the sanitizers
    clang libclang-rt-14-dev
    # the Windows build
    g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
    # the installer, setup.exe, and the help file, Tessaline.chm
    nsis fp-utils
    # running it: 32-bit Wine (64-bit Wine where 32-bit programs cannot run),
    # a virtual X server, input and screenshots
    wine wine32:i386 wine64 xvfb xauth xdotool imagemagick
    # fonts the program and its tests draw with
    fontconfig fonts-wine fonts-ipafont-gothic fonts-thai-tlwg fonts-noto-core fonts-sil-padauk fonts-lao
    # table generation (tools/)
    python3 unicode-data
)

if [[ $(id -u) -eq 0 ]]; then SUDO=(); else SUDO=(sudo); fi

missing=()
for pkg in "${PACKAGES[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$pkg")
done
((${#missing[@]})) || exit 0

echo "install-deps: installing ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${SUDO[@]}" dpkg --add-architecture i386
fi
"${SUDO[@]}" apt-get update -qq
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
