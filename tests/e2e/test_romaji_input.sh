# Romaji input with the shipped tables and real key strokes: one-candidate
# keys insert at once, others open the candidate popup near the caret, digits
# and Enter choose, Esc inserts nothing; the phonetic line takes IPA from
# upper-case keys; "英数" keeps letters; F1 swaps the areas; Khmer switches
# the table.
source "$(dirname "$0")/lib.sh"

MEMO=131 EDIT=130 MODE_BOX=122
memo() { drv text TMainFrm $MEMO; }

install_image
reset_user_data
start_and_wait

drv click TMainFrm $MEMO
drv type TMainFrm g
[[ $(memo) == "ง" ]] || fail "g gave '$(memo)', expected ง"

# k offers ก ข ค ฆ ...: the band popup opens above the caret and 2 picks ข.
drv type TMainFrm k
drv wait TBandFrm 5000 >/dev/null || fail "k opened no candidate band"
read -r _ ptop _ _ < <(drv rect TBandFrm)
read -r _ mtop _ _ < <(drv rect TMainFrm)
((ptop > mtop - 200 && ptop < mtop + 500)) || fail "the popup is far from the caret (top $ptop)"
# No border: the whole 420 x 92 window is client area, and Panel1's "×"
# (id 10) and UpDown1 (id 11) lie wholly inside it.
check_popup_frame() {  # CLASS
    read -r cw ch < <(drv client "$1")
    read -r wl wt wr wb < <(drv rect "$1")
    [[ "$cw $ch" == "420 92" && $((wr - wl)) == 420 && $((wb - wt)) == 92 ]] ||
        fail "$1 is ${cw}x${ch} inside a $((wr - wl))x$((wb - wt)) window"
    read -r l t r b < <(drv childrect "$1" 10)
    [[ "$l $t $r $b" == "398 0 420 22" ]] || fail "the close button of $1 is at $l $t $r $b"
}
check_popup_frame TBandFrm
read -r l t r b < <(drv childrect TBandFrm 11)
[[ "$l $t $r $b" == "400 40 417 65" ]] || fail "UpDown1 is at $l $t $r $b"
screenshot band_popup
drv type TBandFrm 2
drv gone TBandFrm 3000 || fail "the popup stayed open after 2"
[[ $(memo) == "งข" ]] || fail "after k 2: '$(memo)'"

# Esc closes the popup and inserts nothing.
drv type TMainFrm k
drv wait TBandFrm 5000 >/dev/null || fail "k opened no candidate band the second time"
drv key TBandFrm 0x1B
drv gone TBandFrm 3000 || fail "Esc did not close the popup"
[[ $(memo) == "งข" ]] || fail "Esc inserted something: '$(memo)'"

# The phonetic line: upper-case A opens the candidate list; Enter takes the first.
first_a=$(iconv -f CP932 -t UTF-8 "$IMAGE_DIR/Tbl/CandAll.csv" | tr -d '\r' | awk -F, '$1=="\"A\"" {print $2}')
drv click TMainFrm $EDIT
drv type TMainFrm A
drv wait TCandFrm 5000 >/dev/null || fail "A opened no candidate list"
check_popup_frame TCandFrm
screenshot cand_list_popup
drv key TCandFrm 0x0D
drv gone TCandFrm 3000 || fail "Enter did not close the list"
expected=$(printf "\\u$first_a")
[[ $(drv text TMainFrm $EDIT) == "$expected" ]] || fail "Edit1 holds '$(drv text TMainFrm $EDIT)', expected $expected"

# F1 goes back to Memo1 with the caret at the end.
drv key TMainFrm 0x70
drv type TMainFrm g
[[ $(memo) == "งขง" ]] || fail "after F1 and g: '$(memo)'"

# "英数": letters stay letters.
drv select TMainFrm $MODE_BOX 2
drv type TMainFrm gk
[[ $(memo) == "งขงgk" ]] || fail "in 英数 Memo1 holds '$(memo)'"

# Khmer romaji: k offers the Khmer letters, 1 picks ក.
drv select TMainFrm $MODE_BOX 5
drv type TMainFrm k
drv wait TBandFrm 5000 >/dev/null || fail "k opened no popup in Khmer"
screenshot khmer_popup
drv type TBandFrm 1
drv gone TBandFrm 3000 || fail "the Khmer popup stayed open"
[[ $(memo) == "งขงgkក" ]] || fail "in Khmer Memo1 holds '$(memo)'"

close_and_wait
echo "romaji input: ok"
