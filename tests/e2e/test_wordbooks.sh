# The word books as a learner uses them: the books of the language's folder
# listed, one opened from the book list (its title in the status bar, the
# panel sliding shut), a word double-clicked into both input areas, the list
# sorted by a column after the confirmation (the file rewritten in that
# order), the direction switched and kept across a restart.
source "$(dirname "$0")/lib.sh"

MEMO=131 EDIT=130 MODE_BOX=122 STATUS=150
WORD_LIST=10 BOOK_LIST=11 LANG_TO_JP=23 DOOR=25

install_image
reset_user_data


start_and_wait
close_and_wait
# A book of its own, with no group, so it is the first row of the list.
BOOK=$DOCUMENTS_DIR/bookA/e2e.utx
write_book "$BOOK" "E2E単語帳" "" "" \
    '"สวัสดี","sa.wàt.diː","サワッディー","こんにちは","","",""' \
    '"ขอบคุณ","kʰɔ̀ːp.kʰun","コープクン","ありがとう","","",""' \
    '"น้ำ","náːm","ナーム","水","","",""'
start_and_wait

[[ $(drv statustext TMainFrm $STATUS 1) == "●単語帳フォルダ　"*"bookA　・・・　["* ]] ||
    fail "the folder panel shows '$(drv statustext TMainFrm $STATUS 1)'"
[[ -z $(drv statustext TMainFrm $STATUS 0) ]] || fail "a book is open after start-up"
# The sample books came with the first start: the folder holds far more than our three words.
total=$(drv statustext TMainFrm $STATUS 1 | sed 's/.*\[\([0-9]*\)\]$/\1/')
((total > 50)) || fail "the Thai folder holds $total words: no sample books"
screenshot wordbooks-started

# Open the book: the first row of the book list.
drv clickin TMainFrm $BOOK_LIST 40 34
wait_door "←"  # the door slides shut in 20 ms steps
title=$(drv statustext TMainFrm $STATUS 0)
[[ $title == "●タイトル：「E2E単語帳」" ]] || fail "the title panel shows '$title'"
read -r _ _ list_right _ < <(drv childrect TMainFrm $WORD_LIST)
screenshot wordbooks-open-shut

# Double-click the second word (rows of 28 pixels under the header).
drv clickin TMainFrm $WORD_LIST 60 $((24 + 28 + 14))
drv dblclickin TMainFrm $WORD_LIST 60 $((24 + 28 + 14))
[[ $(drv text TMainFrm $MEMO) == "ขอบคุณ" ]] || fail "Memo1 holds '$(drv text TMainFrm $MEMO)'"
[[ $(drv text TMainFrm $EDIT) == "kʰɔ̀ːp.kʰun" ]] || fail "Edit1 holds '$(drv text TMainFrm $EDIT)'"

# Sort by "発音記号" (column 2: after 150 + 50 pixels); the first sort is descending.
before=$(utx_lines "$BOOK")
drv clickin TMainFrm $WORD_LIST 270 10
drv wait '#32770' 5000 >/dev/null || fail "no confirmation before the sort"
screenshot wordbooks-sort-question
drv key '#32770' 0x0D
drv gone '#32770' 5000 || fail "the confirmation stayed open"
for _ in $(seq 50); do [[ $before != "$(utx_lines "$BOOK")" ]] && break; sleep 0.1; done
mapfile -t after < <(utx_lines "$BOOK")
[[ ${after[3]} == '"สวัสดี"'* && ${after[4]} == '"น้ำ"'* && ${after[5]} == '"ขอบคุณ"'* ]] ||
    fail "the file after the sort: $(printf '%s | ' "${after[@]}")"
[[ $before != "$(utx_lines "$BOOK")" ]] || fail "the sort did not rewrite the file"

# The door opens the panel again; the direction switches to language-first.
drv click TMainFrm $DOOR
wait_door "→"
drv click TMainFrm $LANG_TO_JP
screenshot wordbooks-open-panel
close_and_wait
iconv -f UTF-16 -t UTF-8 "$SYS_DIR/Morvane_A.rng" | tr -d '\r' | grep -qx 'EiwaFlg,1' ||
    fail "the direction was not kept"

# Each language lists its own folder.
start_and_wait
for item in 3 4 5; do
    drv select TMainFrm $MODE_BOX $item
    folder=$(drv statustext TMainFrm $STATUS 1)
    case $item in
        3) [[ $folder == *MyanmarA* ]] ;;
        4) [[ $folder == *LaosA* ]] ;;
        5) [[ $folder == *KhmerA* ]] ;;
    esac || fail "mode item $item lists '$folder'"
    # The panel opens again after the switch; the first sample book opens.
    wait_door "→"
    drv clickin TMainFrm $BOOK_LIST 40 34
    wait_door "←"
    [[ $(drv statustext TMainFrm $STATUS 0) == "●タイトル：「"*"」" ]] ||
        fail "mode item $item: no sample book opened"
    screenshot "wordbooks-language-$item"
done
close_and_wait
echo "word books: ok"
