#!/usr/bin/env bash
# Opening a word book of 100,000 words in the real program under Wine, from
# the click in the book list until the title shows and the list has drawn:
# the target is under a second. A book of three words, opened the same way in
# the same session, is the baseline (what any click costs).
#   bench/wordbook_open.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
arch=$(scripts/wine-arch.sh)  # the build this machine's Wine runs
build=build/$arch
scripts/build.sh "$arch" tessaline e2e_driver >/dev/null
state=$build/bench-session
scripts/wine-session.sh start "$state" --arch "$arch" >/dev/null
trap 'scripts/wine-session.sh stop "$state" >/dev/null' EXIT
source "$state/env"
scripts/install-image.sh "$WINEPREFIX/drive_c/Program Files/Quillory/Tessaline" "$build/tessaline.exe"
driver() { wine "$build/e2e_driver.exe" "$@" | tr -d '\r'; }
TESSALINE='C:\Program Files\Quillory\Tessaline\tessaline.exe'
STATUS=150 BOOK_LIST=11

start() {
    wine "$TESSALINE" >/dev/null 2>&1 &
    driver wait TMainFrm 30000 >/dev/null
}
stop() {
    driver close TMainFrm
    for _ in $(seq 200); do driver count TMainFrm | grep -qx 0 && break; sleep 0.05; done
}

# A first start makes the folders; then the only books of a folder of our own.
start
stop
documents=$(winepath -u "$(driver folder documents)" | sed 's:/*$::')/Quillory/Tessaline
folder=$documents/bookA
rm -f "$folder"/*.utx
utf16() { { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } }
awk 'BEGIN {
    printf "大きな単語帳\r\nその他\r\n\r\n"
    for (i = 0; i < 100000; i++)
        printf "\"สวัสดีครับ%d\",\"sa.wàt.diː kʰráp\",\"サワッディー\",\"こんにちは%d\",\"\",\"\",\"\"\r\n", i, i
}' | utf16 >"$folder/big.utx"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# The first row of the book list is the book; each run opens it once.
time_open() {
    start
    driver timeopen TMainFrm $BOOK_LIST 40 34 $STATUS 0
    stop
}
big=()
for _ in $(seq "$runs"); do big+=("$(time_open)"); done
printf '%s\r\n' "小さな単語帳" "その他" "" '"ก","k","カ","鶏","","",""' '"ข","kʰ","カ","卵","","",""' \
    '"ค","kʰ","カ","水牛","","",""' | utf16 >"$folder/big.utx"
small=()
for _ in $(seq "$runs"); do small+=("$(time_open)"); done
b=$(printf '%s\n' "${big[@]}" | median)
s=$(printf '%s\n' "${small[@]}" | median)
echo "opening a book until drawn, median of $runs: 100,000 words ${b} ms, 3 words ${s} ms (target: under 1000 ms)"
awk -v b="$b" -v s="$s" 'BEGIN {printf "ratio 100,000 / 3 words: %.1f\n", b / s}'
