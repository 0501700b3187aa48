# The word book search as a learner uses it: F6 opens the window (once),
# a Japanese word typed and Enter lists the book where it is a whole field
# first, with "*", then the book where it is part of a field; a click shows
# the details below the list, "この単語を入力する" copies the hit into the
# input areas and closes. The window opens again where it was; a word found
# nowhere lists "- なし -"; "ｸﾘｱ" empties the list and shuts the panel;
# the phonetic field takes IPA trigger keys; "この単語を編集する" opens the
# hit's book.
source "$(dirname "$0")/lib.sh"

MEMO=131 EDIT=130 STATUS=150
CURRENT=1001 FIELD_LIST=1003 BOX=1004 SEARCH=1005 CLEAR=1006 RESULTS=1007
DETAIL_FOREIGN=1010 DETAIL_JAPANESE=1013 INPUT=1030 EDIT_HIT=1031 CLOSE=1032
F6=0x75

install_image
reset_user_data

rows() { drv listitems TSearchFrm $RESULTS; }
# Waits until the result list holds $1 rows.
wait_rows() {
    local deadline=$((SECONDS + 10))
    while ((SECONDS < deadline)); do
        [[ $(rows | wc -l) == "$1" ]] && return 0
        sleep 0.2
    done
    fail "the result list holds $(rows | wc -l) rows, expected $1: $(rows | tr '\t\n' '|;')"
}
height() { local l t r b; read -r l t r b < <(drv rect TSearchFrm); echo $((b - t)); }
# A click is handled when the program gets to it: waits until `$@` holds.
wait_until() {
    local deadline=$((SECONDS + 10))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}
height_is_not() { [[ $(height) != "$1" ]]; }
detail_shows() { [[ $(drv text TSearchFrm $DETAIL_FOREIGN) == "$1" ]]; }

start_and_wait
close_and_wait
# Two books in the Thai folder: "水曜日" is a whole field of the first (its
# second word, after a line that is no entry) and part of a field of the second.
write_book "$DOCUMENTS_DIR/bookA/e2e_day.utx" "E2E曜日" "" "" \
    '"วันจันทร์","wan.tɕan","ワンチャン","月曜日","","",""' \
    'a line that is no entry' \
    '"วันพุธ","wan.pʰút","ワンプット","水曜日","","",""'
write_book "$DOCUMENTS_DIR/bookA/e2e_plan.utx" "E2E予定" "" "" \
    '"ทุกวันพุธ","tʰúk.wan.pʰút","トゥックワンプット","毎週水曜日","","",""'
start_and_wait

drv key TMainFrm $F6
drv wait TSearchFrm 5000 >/dev/null || fail "F6 opened no search window"
[[ $(drv title TSearchFrm) == "単語帳検索" ]] || fail "the caption is '$(drv title TSearchFrm)'"
read -r l t r b < <(drv rect TSearchFrm)
[[ "$((r - l)) $((b - t))" == "640 331" ]] || fail "the window is $((r - l)) x $((b - t))"
# F6 in the main window again: still one window.
drv click TMainFrm $MEMO
drv key TMainFrm $F6
sleep 0.5
[[ $(drv count TSearchFrm) == 1 ]] || fail "F6 opened a second search window"
screenshot search-opened

# The current folder, the Japanese field (the first choice), the word, Enter.
drv click TSearchFrm $CURRENT
[[ $(drv checked TSearchFrm $CURRENT) == 1 ]] || fail "ｶﾚﾝﾄ is not chosen"
drv click TSearchFrm $BOX
drv unicode TSearchFrm "水曜日"
drv key TSearchFrm 0x0D
wait_rows 2
mapfile -t found < <(rows)
[[ ${found[0]} == $'วันพุธ\twan.pʰút\tE2E曜日\t*2\t水曜日\tワンプット'* ]] ||
    fail "the first row is '${found[0]}'"
[[ ${found[1]} == $'ทุกวันพุธ\ttʰúk.wan.pʰút\tE2E予定\t1\t毎週水曜日'* ]] ||
    fail "the second row is '${found[1]}'"
screenshot search-results

# A click on the exact hit opens the details below the list.
before=$(height)
drv clickin TSearchFrm $RESULTS 60 45
wait_until height_is_not "$before" || true
[[ $(($(height) - before)) == 269 ]] || fail "the window grew by $(($(height) - before))"
[[ $(drv text TSearchFrm $DETAIL_FOREIGN) == "วันพุธ" ]] ||
    fail "the detail shows '$(drv text TSearchFrm $DETAIL_FOREIGN)'"
[[ $(drv text TSearchFrm $DETAIL_JAPANESE) == "水曜日" ]] ||
    fail "the detail's Japanese is '$(drv text TSearchFrm $DETAIL_JAPANESE)'"
screenshot search-detail

# "この単語を入力する": both areas take the hit, the window closes.
read -r placed_left placed_top _ _ < <(drv rect TSearchFrm)
drv click TSearchFrm $INPUT
drv gone TSearchFrm 5000 || fail "the window stayed open after the input"
[[ $(drv text TMainFrm $MEMO) == "วันพุธ" ]] || fail "Memo1 holds '$(drv text TMainFrm $MEMO)'"
[[ $(drv text TMainFrm $EDIT) == "wan.pʰút" ]] || fail "Edit1 holds '$(drv text TMainFrm $EDIT)'"

# Open again: where it was, at its first size, on the folder chosen before.
drv key TMainFrm $F6
drv wait TSearchFrm 5000 >/dev/null || fail "F6 opened no search window the second time"
read -r l t r b < <(drv rect TSearchFrm)
[[ "$l $t $((b - t))" == "$placed_left $placed_top 331" ]] ||
    fail "the window opened at $l $t, $((b - t)) high; it closed at $placed_left $placed_top"
[[ $(drv checked TSearchFrm $CURRENT) == 1 ]] || fail "the folder choice was not kept"

# A word found nowhere: the one row "- なし -"; a click on it shows nothing.
drv click TSearchFrm $BOX
drv unicode TSearchFrm "木曜日"
drv click TSearchFrm $SEARCH
wait_rows 1
[[ $(rows) == "- なし -"* ]] || fail "no hit lists '$(rows)'"
screenshot search-none
before=$(height)
drv clickin TSearchFrm $RESULTS 60 45
sleep 0.5
[[ $(height) == "$before" ]] || fail "a click on '- なし -' opened the details"

# Search again, show a hit, then "ｸﾘｱ": the list, the box and the panel go.
drv click TSearchFrm $BOX
drv key TSearchFrm 0x08
drv key TSearchFrm 0x08
drv key TSearchFrm 0x08
drv unicode TSearchFrm "水曜"
drv key TSearchFrm 0x0D
wait_rows 2
drv clickin TSearchFrm $RESULTS 60 75
wait_until detail_shows "ทุกวันพุธ" ||
    fail "the second hit shows '$(drv text TSearchFrm $DETAIL_FOREIGN)'"
drv click TSearchFrm $CLEAR
wait_rows 0
[[ $(height) == 331 && -z $(drv text TSearchFrm $BOX) ]] ||
    fail "after the clear: $(height) high, the box holds '$(drv text TSearchFrm $BOX)'"

# The phonetic field takes the IPA trigger keys: A opens the candidate list,
# Enter writes its first candidate into the box.
first_a=$(iconv -f CP932 -t UTF-8 "$IMAGE_DIR/Tbl/CandAll.csv" | tr -d '\r' | awk -F, '$1=="\"A\"" {print $2}')
drv select TSearchFrm $FIELD_LIST 1
drv type TSearchFrm A
drv wait TCandFrm 5000 >/dev/null || fail "A in the phonetic field opened no candidate list"
drv key TCandFrm 0x0D
drv gone TCandFrm 3000 || fail "Enter did not close the candidate list"
[[ $(drv text TSearchFrm $BOX) == "$(printf "\\u$first_a")" ]] ||
    fail "the box holds '$(drv text TSearchFrm $BOX)' after the candidate"

# "この単語を編集する" on the exact hit opens its book in the word list.
drv select TSearchFrm $FIELD_LIST 3
drv unicode TSearchFrm "水曜日"
drv key TSearchFrm 0x0D
wait_rows 2
before=$(height)
drv clickin TSearchFrm $RESULTS 60 45
wait_until height_is_not "$before" || fail "the hit's details did not open"
drv click TSearchFrm $EDIT_HIT
drv gone TSearchFrm 5000 || fail "the window stayed open after the edit"
[[ $(drv statustext TMainFrm $STATUS 0) == "●タイトル：「E2E曜日」" ]] ||
    fail "the edit opened '$(drv statustext TMainFrm $STATUS 0)'"
screenshot search-edit-opened
close_and_wait
echo "search: ok"
