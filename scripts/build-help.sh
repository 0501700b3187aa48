#!/usr/bin/env bash
# Compiles the Japanese help file from help/ and docs/tables.md:
#   scripts/build-help.sh OUTPUT.chm
# The pages are UTF-8; the project, contents and index files are turned into
# Shift_JIS, as the help viewer reads them in the code page of the help's
# language (Japanese). Fails on any warning of chmcmd, on a page, picture or
# link that is missing, and on a page the contents or the index names that
# the project does not hold.
set -euo pipefail
out=${1:?output .chm}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$(dirname "$out")" && cd "$(dirname "$out")" && pwd)/$(basename "$out")
work="$out.work"
rm -rf "$work"
mkdir -p "$work"
cp -r "$root/help/." "$work/"
python3 "$root/tools/help/tables_pages.py" "$root/docs/tables.md" "$work" >/dev/null
for file in Tessaline.hhp toc.hhc index.hhk; do
    iconv -f UTF-8 -t CP932 "$root/help/$file" | sed 's/$/\r/' >"$work/$file"
done

cd "$work"
problems=()
listed=$(sed -n '/^\[FILES\]/,$p' "$root/help/Tessaline.hhp" | tail -n +2 | tr -d '\r' | grep -v '^$')
for page in $listed; do [[ -f $page ]] || problems+=("the project lists $page, which is not there"); done
for page in $(grep -oh 'name="Local" value="[^"]*"' "$root/help/toc.hhc" "$root/help/index.hhk" | sed 's/.*value="//; s/"$//' | sort -u); do
    grep -qx "$page" <<<"$listed" || problems+=("the contents or the index name $page, which the project does not list")
done
for page in *.html; do
    grep -qx "$page" <<<"$listed" || problems+=("$page is not in the project")
    for target in $(grep -o '\(src\|href\)="[^"#:]*"' "$page" | sed 's/^[a-z]*="//; s/"$//'); do
        [[ -f $target ]] || problems+=("$page links to $target, which is not there")
    done
done
if ((${#problems[@]})); then
    printf 'build-help: %s\n' "${problems[@]}" >&2
    exit 1
fi

log=$(chmcmd Tessaline.hhp 2>&1) || { echo "$log" >&2; exit 1; }
if grep -qiE 'warning|error|hint' <<<"$log"; then
    echo "$log" >&2
    echo "build-help: chmcmd reported the problems above" >&2
    exit 1
fi
[[ -s Tessaline.chm ]] || { echo "build-help: chmcmd made no Tessaline.chm" >&2; exit 1; }
mv Tessaline.chm "$out"
cd / && rm -rf "$work"
