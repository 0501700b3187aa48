# The word dialogs as a learner uses them, on a book of their own opened
# from the book list: F4 registers a word typed with trigger keys (romaji
# with the candidate band, IPA with the candidate list), kana, Japanese and
# a note of two lines, added at the end of the file; F5 changes its
# Japanese; "単語移動" puts it above word 2; "単語削除" removes it, and the
# folder's word count in the status bar goes down by one.
source "$(dirname "$0")/lib.sh"

MEMO=131 STATUS=150 WORD_LIST=10 BOOK_LIST=11 DOOR=25
MENU_MOVE_WORD=1069 MENU_DELETE_WORD=1071
# The dialogs' controls.
FOREIGN=1101 PHONETIC=1102 KANA=1103 JAPANESE=1104 NOTE=1105 AUDIO=1106
NUMBERS=1110 INSERT=1111 ADD=1112 APPLY=1113 CANCEL=2
DEL_NUMBER=1201 DEL_FOREIGN=1202 DEL_JAPANESE=1203 DELETE=1204
MOVE_SOURCE=1301 MOVE_COMBO=1302 MOVE=1303
DIALOG='#32770'

install_image
reset_user_data

# Waits for the dialog of that caption.
wait_dialog() {
    drv wait "$DIALOG" 5000 >/dev/null || fail "no dialog '$1' came"
    [[ $(drv title "$DIALOG") == "$1" ]] || fail "the dialog is '$(drv title "$DIALOG")', not '$1'"
}
dialog_text() { drv text "$DIALOG" "$1"; }
folder_total() { drv statustext TMainFrm $STATUS 1 | sed 's/.*\[\([0-9]*\)\]$/\1/'; }

start_and_wait
close_and_wait
BOOK=$DOCUMENTS_DIR/bookA/e2e.utx
write_book "$BOOK" "E2E単語帳" "" "" \
    '"สวัสดี","sa.wàt.diː","サワッディー","こんにちは","","",""' \
    '"ขอบคุณ","kʰɔ̀ːp.kʰun","コープクン","ありがとう","","",""' \
    '"น้ำ","náːm","ナーム","水","","",""'
start_and_wait
drv clickin TMainFrm $BOOK_LIST 40 34
wait_door "←"
[[ $(drv statustext TMainFrm $STATUS 0) == "●タイトル：「E2E単語帳」" ]] || fail "the book did not open"

# --- "単語登録" (F4) ---------------------------------------------------------------------
drv key TMainFrm 0x73
wait_dialog "単語登録"
read -r l t r b < <(drv rect "$DIALOG")
((r - l == 640 && b - t == 420)) || fail "the registration dialog is $((r - l)) x $((b - t))"
# RegCopyFlg: the empty areas came along and the kana field has the focus.
[[ $(drv focus "$DIALOG") == "$KANA" ]] || fail "the focus is on $(drv focus "$DIALOG"), not the kana field"
[[ $(dialog_text $NUMBERS) == " 1" ]] || fail "the number list shows '$(dialog_text $NUMBERS)'"

# The foreign word: g gives ง at once, k opens the band and 2 takes ข.
drv click "$DIALOG" $FOREIGN
drv type "$DIALOG" g
drv type "$DIALOG" k
drv wait TBandFrm 5000 >/dev/null || fail "k opened no candidate band in the dialog"
screenshot word-dialogs-register-band
drv type TBandFrm 2
drv gone TBandFrm 3000 || fail "the band stayed open"
[[ $(dialog_text $FOREIGN) == "งข" ]] || fail "the foreign word field holds '$(dialog_text $FOREIGN)'"
[[ -z $(drv text TMainFrm $MEMO) ]] || fail "the band wrote into Memo1: '$(drv text TMainFrm $MEMO)'"

# The phonetic symbols: A opens the list, Enter takes the first; then a typed ":".
first_a=$(iconv -f CP932 -t UTF-8 "$IMAGE_DIR/Tbl/CandAll.csv" | tr -d '\r' | awk -F, '$1=="\"A\"" {print $2}')
ipa_a=$(printf "\\u$first_a")
drv click "$DIALOG" $PHONETIC
drv type "$DIALOG" A
drv wait TCandFrm 5000 >/dev/null || fail "A opened no candidate list in the dialog"
drv key TCandFrm 0x0D
drv gone TCandFrm 3000 || fail "the candidate list stayed open"
drv unicode "$DIALOG" "ː"
[[ $(dialog_text $PHONETIC) == "${ipa_a}ː" ]] || fail "the phonetic field holds '$(dialog_text $PHONETIC)'"

drv click "$DIALOG" $KANA
drv unicode "$DIALOG" "コーン"
drv click "$DIALOG" $JAPANESE
drv unicode "$DIALOG" "試験"
drv click "$DIALOG" $NOTE
drv unicode "$DIALOG" "一行目"
drv key "$DIALOG" 0x0D
drv unicode "$DIALOG" "二行目"
screenshot word-dialogs-register
total_before=$(folder_total)

# F4 is "追加 (F4)": the word at the end of the file, the note's lines joined by #$0D.
drv key "$DIALOG" 0x73
drv gone "$DIALOG" 5000 || fail "F4 did not close the registration dialog"
mapfile -t lines < <(utx_lines "$BOOK")
expected="\"งข\",\"${ipa_a}ː\",\"コーン\",\"試験\",\"一行目#\$0D二行目\",\"\",\"\""
[[ ${#lines[@]} == 7 && ${lines[6]} == "$expected" ]] ||
    fail "after 追加 the file ends with '${lines[-1]}' (${#lines[@]} lines)"
(($(folder_total) == total_before + 1)) || fail "the folder total is $(folder_total), was $total_before"
[[ $(drv focus TMainFrm) == "$MEMO" ]] || fail "Memo1 has not the focus after the registration"
screenshot word-dialogs-registered

# --- "単語編集" (F5): the new word is selected ---------------------------------------------
drv key TMainFrm 0x74
wait_dialog "単語編集"
[[ $(dialog_text $FOREIGN) == "งข" && $(dialog_text $JAPANESE) == "試験" ]] ||
    fail "the edit dialog shows '$(dialog_text $FOREIGN)' / '$(dialog_text $JAPANESE)'"
[[ $(drv focus "$DIALOG") == "$NOTE" ]] || fail "the focus is on $(drv focus "$DIALOG"), not the note"
[[ $(dialog_text $NOTE) == $'一行目\n二行目' ]] || fail "the note shows '$(dialog_text $NOTE)'"
drv click "$DIALOG" $JAPANESE
drv key "$DIALOG" 0x23   # End
drv key "$DIALOG" 0x08
drv key "$DIALOG" 0x08
drv unicode "$DIALOG" "検査"
screenshot word-dialogs-edit
drv click "$DIALOG" $APPLY
drv gone "$DIALOG" 5000 || fail "反映 did not close the edit dialog"
mapfile -t lines < <(utx_lines "$BOOK")
expected="\"งข\",\"${ipa_a}ː\",\"コーン\",\"検査\",\"一行目#\$0D二行目\",\"\",\"\""
[[ ${#lines[@]} == 7 && ${lines[6]} == "$expected" ]] || fail "after 反映 the file ends with '${lines[-1]}'"

# --- "単語移動": above word 2, picked from the list (it lists 1, 2, 3) --------------------------
drv postcommand TMainFrm $MENU_MOVE_WORD
wait_dialog "単語移動"
[[ $(dialog_text $MOVE_SOURCE) == "4" ]] || fail "the source box shows '$(dialog_text $MOVE_SOURCE)'"
drv key "$DIALOG" 0x28
drv key "$DIALOG" 0x28
[[ $(dialog_text $MOVE_COMBO) == "2" ]] || fail "the destination box shows '$(dialog_text $MOVE_COMBO)'"
screenshot word-dialogs-move
drv click "$DIALOG" $MOVE
drv gone "$DIALOG" 5000 || fail "移動 did not close the move dialog"
mapfile -t lines < <(utx_lines "$BOOK")
[[ ${lines[3]} == '"สวัสดี"'* && ${lines[4]} == '"งข"'* && ${lines[5]} == '"ขอบคุณ"'* &&
   ${lines[6]} == '"น้ำ"'* ]] || fail "the order after the move: $(printf '%s | ' "${lines[@]:3}")"
[[ $(drv focus TMainFrm) == "$WORD_LIST" ]] || fail "the word list has not the focus after the move"

# --- "単語削除": the moved word, now number 2 ---------------------------------------------------
total_before=$(folder_total)
drv postcommand TMainFrm $MENU_DELETE_WORD
wait_dialog "単語削除"
[[ $(dialog_text $DEL_NUMBER) == "2" && $(dialog_text $DEL_FOREIGN) == "งข" &&
   $(dialog_text $DEL_JAPANESE) == "検査" ]] ||
    fail "the delete dialog shows '$(dialog_text $DEL_NUMBER)' '$(dialog_text $DEL_FOREIGN)' '$(dialog_text $DEL_JAPANESE)'"
[[ $(drv focus "$DIALOG") == "$CANCEL" ]] || fail "the focus is on $(drv focus "$DIALOG"), not ｷｬﾝｾﾙ"
screenshot word-dialogs-delete
drv click "$DIALOG" $DELETE
drv gone "$DIALOG" 5000 || fail "削除 did not close the delete dialog"
mapfile -t lines < <(utx_lines "$BOOK")
[[ ${#lines[@]} == 6 && ${lines[4]} == '"ขอบคุณ"'* ]] ||
    fail "after the deletion the file holds $(printf '%s | ' "${lines[@]}")"
(($(folder_total) == total_before - 1)) || fail "the folder total is $(folder_total), was $total_before"

close_and_wait
echo "word dialogs: ok"
