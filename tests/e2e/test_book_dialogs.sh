# Word books managed as a whole, as a learner does it: a new book made with
# "新規作成" (title typed, group picked, the save dialog answered) is listed
# and opened; making it again under the same name asks before replacing it;
# the group editor adds a name and writes "GroupName.txt"; the properties
# dialog warns about an empty title and then rewrites the book's first line;
# deleting the book sends its file to the Recycle Bin and lowers the total.
source "$(dirname "$0")/lib.sh"

STATUS=150 BOOK_LIST=11 NEW_BOOK=20 DOOR=25
MENU_PROPERTIES=1061 MENU_DELETE=1062 MENU_GROUPS=1063
NEW='#32770=単語帳の新規作成'
PROPS='#32770=単語帳のプロパティ変更'
DELETE='#32770=単語帳の削除'
GROUP_EDITOR='#32770=グループ名の編集'
VK_RETURN=0x0D VK_ESCAPE=0x1B VK_DOWN=0x28 VK_END=0x23 VK_BACK=0x08 VK_N=0x4E

# Wine's Recycle Bin is the desktop's trash folder (used when it exists):
# this test's own.
export XDG_DATA_HOME=$WINE_SESSION_STATE/xdg-data-book-dialogs
rm -rf "$XDG_DATA_HOME"
TRASH=$XDG_DATA_HOME/Trash/files
mkdir -p "$TRASH" "$XDG_DATA_HOME/Trash/info"

install_image
reset_user_data
BOOK=$DOCUMENTS_DIR/bookA/語彙テスト.utx

total() { drv statustext TMainFrm $STATUS 1 | sed 's/.*\[\([0-9]*\)\]$/\1/'; }
# The save dialog is the common dialog in front, its file name box focused.
wait_save_dialog() {
    local deadline=$((SECONDS + 10))
    until [[ $(drv count '#32770') == 2 && -n $(drv focustext '#32770') ]]; do
        ((SECONDS < deadline)) || fail "no save dialog"
        sleep 0.2
    done
}

start_and_wait
books_before=$(drv itemcount TMainFrm $BOOK_LIST)
total_before=$(total)

# --- A new book --------------------------------------------------------------------------
drv click TMainFrm $NEW_BOOK
drv wait "$NEW" 5000 >/dev/null || fail "新規作成 opened no dialog"
[[ $(drv focus "$NEW") == 1101 ]] || fail "the title box does not have the focus"
[[ $(drv enabled "$NEW" 1106) == 0 ]] || fail "作　成 is enabled with no title"
drv unicode "$NEW" '語彙テスト'
[[ $(drv text "$NEW" 1101) == "語彙テスト" ]] || fail "the title box holds '$(drv text "$NEW" 1101)'"
[[ $(drv enabled "$NEW" 1106) == 1 ]] || fail "作　成 stays disabled with a title"
# The second group of the list, picked with the keyboard.
drv click "$NEW" 1102
drv key "$NEW" $VK_DOWN
drv key "$NEW" $VK_DOWN
drv key "$NEW" $VK_RETURN
group=$(drv text "$NEW" 1102)
[[ $group == "自己紹介" ]] || fail "the group list shows '$group'"
screenshot book-dialogs-new
drv click "$NEW" 1106
wait_save_dialog
[[ $(drv focustext '#32770') == "語彙テスト.utx" ]] ||
    fail "the save dialog offers '$(drv focustext '#32770')'"
screenshot book-dialogs-save
drv key '#32770' $VK_RETURN
drv gone "$NEW" 5000 || fail "the new-book dialog stayed open"

[[ -f $BOOK ]] || fail "no file $BOOK"
mapfile -t lines < <(utx_lines "$BOOK")
[[ ${#lines[@]} == 3 && ${lines[0]} == "語彙テスト" && ${lines[1]} == "自己紹介" && -z ${lines[2]} ]] ||
    fail "the new book holds: $(printf '%s | ' "${lines[@]}")"
[[ $(drv statustext TMainFrm $STATUS 0) == "●タイトル：「語彙テスト」" ]] ||
    fail "the new book is not open: '$(drv statustext TMainFrm $STATUS 0)'"
(($(drv itemcount TMainFrm $BOOK_LIST) == books_before + 1)) || fail "the new book is not listed"
wait_door "←"
screenshot book-dialogs-created

# The same name again, with an audio folder: the file is replaced only after a Yes.
# The panel is shut now: "新規作成" shows when the door opens it again.
drv click TMainFrm $DOOR
wait_door "→"
drv click TMainFrm $NEW_BOOK
drv wait "$NEW" 5000 >/dev/null || fail "新規作成 opened no dialog the second time"
[[ $(drv text "$NEW" 1102) == "自己紹介" ]] || fail "the last group is not chosen: '$(drv text "$NEW" 1102)'"
drv unicode "$NEW" '語彙テスト'
drv click "$NEW" 1104
drv type "$NEW" 'C:\voices'
drv click "$NEW" 1106
wait_save_dialog
drv key '#32770' $VK_RETURN
drv wait "$BOX" 5000 >/dev/null || fail "no question before replacing the book"
[[ $(drv text "$BOX" $MESSAGE_TEXT) == *"」は既にあります。"*"置き換えますか？" ]] ||
    fail "the question reads '$(drv text "$BOX" $MESSAGE_TEXT)'"
screenshot book-dialogs-replace-question
drv key "$BOX" $VK_N
drv gone "$BOX" 5000 || fail "the question stayed open after No"
wait_save_dialog  # asked again for a name
drv key '#32770' $VK_ESCAPE
drv key "$NEW" $VK_ESCAPE
drv gone "$NEW" 5000 || fail "the new-book dialog stayed open after ｷｬﾝｾﾙ"
[[ $(utx_lines "$BOOK" | sed -n 3p) == "" ]] || fail "the book was replaced after a No"

# --- The group names ------------------------------------------------------------------------
drv postcommand TMainFrm $MENU_GROUPS
drv wait "$GROUP_EDITOR" 5000 >/dev/null || fail "no group editor"
[[ $(drv text "$GROUP_EDITOR" 1408) == "個数： 15個" ]] || fail "the count reads '$(drv text "$GROUP_EDITOR" 1408)'"
[[ $(drv enabled "$GROUP_EDITOR" 1403) == 0 ]] || fail "追加 is enabled with no name"
drv unicode "$GROUP_EDITOR" '旅行記'
drv click "$GROUP_EDITOR" 1403
[[ $(drv text "$GROUP_EDITOR" 1408) == "個数： 16個" ]] || fail "追加 left the count at '$(drv text "$GROUP_EDITOR" 1408)'"
screenshot book-dialogs-groups
drv click "$GROUP_EDITOR" 1409
answer_box "グループ名リストを保存しました。" $VK_RETURN
drv gone "$GROUP_EDITOR" 5000 || fail "the group editor stayed open after 更新"
[[ $(iconv -f CP932 -t UTF-8 "$SYS_DIR/GroupName.txt" | tr -d '\r' | tail -n 1) == "旅行記" ]] ||
    fail "GroupName.txt does not end with the new name"

# --- Properties -----------------------------------------------------------------------------
drv postcommand TMainFrm $MENU_PROPERTIES
drv wait "$PROPS" 5000 >/dev/null || fail "no properties dialog"
[[ $(drv text "$PROPS" 1301) == "語彙テスト" && $(drv text "$PROPS" 1302) == "自己紹介" ]] ||
    fail "the properties show '$(drv text "$PROPS" 1301)' in '$(drv text "$PROPS" 1302)'"
[[ $(drv focus "$PROPS") == 2 ]] || fail "the focus does not start on ｷｬﾝｾﾙ"
screenshot book-dialogs-properties
drv click "$PROPS" 1301
drv key "$PROPS" $VK_END
for _ in 1 2 3 4 5; do drv key "$PROPS" $VK_BACK; done
drv click "$PROPS" 1305
screenshot book-dialogs-no-title
answer_box "単語帳には必ずタイトルが必要です。タイトルは入力して下さい。" $VK_RETURN
drv wait "$PROPS" 1000 >/dev/null || fail "the properties dialog closed after the warning"
drv click "$PROPS" 1301  # "変更" had the focus
drv unicode "$PROPS" '新しい題名'
drv click "$PROPS" 1305
drv gone "$PROPS" 5000 || fail "the properties dialog stayed open after 変更"
[[ $(utx_lines "$BOOK" | head -n 1) == "新しい題名" ]] || fail "line 1 reads '$(utx_lines "$BOOK" | head -n 1)'"
[[ $(drv statustext TMainFrm $STATUS 0) == "●タイトル：「新しい題名」" ]] ||
    fail "the title panel shows '$(drv statustext TMainFrm $STATUS 0)'"

# --- Delete ------------------------------------------------------------------------------------
# The book gets two words, and the program starts again with them.
close_and_wait
{ printf '%s\r\n' '"น้ำ","náːm","ナーム","水","","",""' '"ไฟ","fai","ファイ","火","","",""' |
    iconv -f UTF-8 -t UTF-16LE; } >>"$BOOK"
start_and_wait
total_with=$(total)
((total_with == total_before + 2)) || fail "the folder total is $total_with, expected $((total_before + 2))"
read -r x y < <(drv listrow TMainFrm $BOOK_LIST '新しい題名') || fail "the book is not listed"
drv clickin TMainFrm $BOOK_LIST "$x" "$y"
wait_door "←"
[[ $(drv statustext TMainFrm $STATUS 0) == "●タイトル：「新しい題名」" ]] || fail "the book did not open"
drv postcommand TMainFrm $MENU_DELETE
drv wait "$DELETE" 5000 >/dev/null || fail "no delete dialog"
[[ $(drv text "$DELETE" 1201) == "新しい題名" && $(drv text "$DELETE" 1202) == "語彙テスト.utx" ]] ||
    fail "the delete dialog shows '$(drv text "$DELETE" 1201)' / '$(drv text "$DELETE" 1202)'"
[[ $(drv focus "$DELETE") == 2 ]] || fail "the focus does not start on ｷｬﾝｾﾙ"
screenshot book-dialogs-delete
drv click "$DELETE" 1203
drv gone "$DELETE" 5000 || fail "the delete dialog stayed open after OK"
[[ ! -e $BOOK ]] || fail "the book's file is still there"
[[ $(utx_lines "$TRASH/語彙テスト.utx" | head -n 1) == "新しい題名" ]] ||
    fail "the book is not in the Recycle Bin: $(ls "$TRASH")"
[[ -z $(drv statustext TMainFrm $STATUS 0) ]] || fail "a book is still open after the delete"
(($(total) == total_before)) || fail "the folder total is $(total), expected $total_before"
(($(drv itemcount TMainFrm $BOOK_LIST) == books_before)) || fail "the deleted book is still listed"
[[ $(drv focus TMainFrm) == 131 ]] || fail "the foreign area does not have the focus after the delete"
screenshot book-dialogs-deleted
close_and_wait
echo "book dialogs: ok"
