#!/usr/bin/env bash
# Lays out the installation image as the installer would:
#   scripts/install-image.sh DEST tessaline.exe
# DEST is the Unix path of "...\Program Files\Quillory\Tessaline". Every
# folder of the image exists afterwards, also those the repository holds no
# files for yet.
set -euo pipefail
dest=${1:?destination}; exe=${2:?tessaline.exe}
image="$(cd "$(dirname "$0")/.." && pwd)/data"
mkdir -p "$dest"
for leaf in Sys Tbl bookA bookG MyanmarA MyanmarG LaosA LaosG KhmerA KhmerG Help; do
    mkdir -p "$dest/$leaf"
done
cp -a "$image"/. "$dest"/
cp "$exe" "$dest/tessaline.exe"
# The help file is built beside the program.
help="$(dirname "$exe")/Tessaline.chm"
[[ ! -f $help ]] || cp "$help" "$dest/Help/Tessaline.chm"
