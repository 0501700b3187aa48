# The symbol DB editor as a user works with it: opened from the menu ツール,
# "開く" the Thai DB through the open dialog (name typed, Enter), a group
# picked, "追加" makes a row that takes a code and names, "保存" writes it under
# a new name through the save dialog and the restart prompt is answered No;
# the new file holds the row. "新規" makes an empty DB with added groups and
# reads it into the editor.
source "$(dirname "$0")/lib.sh"

MENU_SYMBOL_DB=1040
EDITOR='#32770=記号データベース'
NEW_DB='#32770=記号DBの新規作成'
EXIT=1601 OPEN=1602 OVERWRITE=1603 SAVE=1604 NEW=1605 DELETE=1606 INSERT=1607 ADD=1608
ROW_NUMBER=1620 CODE=1622 ENGLISH=1623 JAPANESE=1624 GROUP=1625 AUX=1626 NOTE=1627
TABS=1629 LIST=1630 SCRIPT=1631 STATUS=1636
NEW_NAME=1707 NEW_GROUPS=1705 NEW_MAKE=1708
VK_RETURN=0x0D VK_N=0x4E VK_Y=0x59

install_image
reset_user_data
TBL=$APPDATA_DIR/Tbl

wait_status() {  # EXPECTED PART
    local deadline=$((SECONDS + 10))
    until [[ $(drv statustext "$EDITOR" $STATUS "${2:-0}") == "$1" ]]; do
        ((SECONDS < deadline)) || fail "the status bar shows '$(drv statustext "$EDITOR" $STATUS "${2:-0}")', expected '$1'"
        sleep 0.2
    done
}
enabled_buttons() {
    local id out=""
    for id in $EXIT $OPEN $OVERWRITE $SAVE $NEW $DELETE $INSERT $ADD; do
        out+=$(drv enabled "$EDITOR" $id)
    done
    echo "$out"
}
tab_centre() {
    local l t r b
    read -r l t r b < <(drv tabrect "$EDITOR" $TABS "$1") || fail "no tab $1"
    echo "$(((l + r) / 2)) $(((t + b) / 2))"
}

start_and_wait
drv postcommand TMainFrm $MENU_SYMBOL_DB
drv wait "$EDITOR" 10000 >/dev/null || fail "the editor did not open"
[[ $(enabled_buttons) == 11001000 ]] || fail "a fresh editor enables $(enabled_buttons)"
[[ $(drv itemcount "$EDITOR" $LIST) == 0 ]] || fail "a fresh editor lists rows"
drv click "$EDITOR" $EXIT
drv gone "$EDITOR" 5000 || fail "閉る did not close the editor"
drv postcommand TMainFrm $MENU_SYMBOL_DB
drv wait "$EDITOR" 10000 >/dev/null || fail "the editor did not open again"

# --- 開く: the Thai DB -----------------------------------------------------------------------
drv click "$EDITOR" $OPEN
wait_file_dialog 開く
drv type "$EDITOR" 'DBThai.csv'
drv key "$EDITOR" $VK_RETURN
wait_status '"DBThai.csv"'
[[ $(enabled_buttons) == 11111000 ]] || fail "an open file enables $(enabled_buttons)"
rows=$(drv listitems "$EDITOR" $LIST)
grep -q $'^1\t0E01\tก\tKO\\\\KAI\tコー・カイ（鶏）\t0\t' <<<"$rows" || fail "the list lacks row 1: $(head -3 <<<"$rows")"
grep -q '^声調記号' <<<"$rows" || fail "the list lacks the group 声調記号"
lines_before=$(drv itemcount "$EDITOR" $LIST)
screenshot symbol-db-editor-open

# --- A group picked, 追加, the row typed in ----------------------------------------------
drv select "$EDITOR" $GROUP 2
[[ $(drv text "$EDITOR" $GROUP) == 声調記号 ]] || fail "the group chooser shows '$(drv text "$EDITOR" $GROUP)'"
[[ $(enabled_buttons) == 11111001 ]] || fail "a picked group enables $(enabled_buttons)"
drv click "$EDITOR" $ADD
[[ $(drv itemcount "$EDITOR" $LIST) == $((lines_before + 1)) ]] || fail "追加 made no line"
[[ $(drv text "$EDITOR" $ROW_NUMBER) == 68 ]] || fail "the new row is No $(drv text "$EDITOR" $ROW_NUMBER)"
# The cursor waits in the code box.
drv type "$EDITOR" '0E48'
answer_box 'すでに" 0E48 "は、No:64に登録されています。' $VK_RETURN
for _ in 1 2 3 4; do drv key "$EDITOR" 0x08; done
drv type "$EDITOR" '25CC'
drv clickin "$EDITOR" $ENGLISH 10 10
drv type "$EDITOR" 'DOTTED "CIRCLE"'
drv clickin "$EDITOR" $JAPANESE 10 10
drv unicode "$EDITOR" '点線の円'
drv clickin "$EDITOR" $NOTE 10 10
drv unicode "$EDITOR" '注：結合文字の土台'
rows=$(drv listitems "$EDITOR" $LIST)
grep -q $'^68\t25CC\t◌\tDOTTED "CIRCLE"\t点線の円\t0\t注：結合文字の土台$' <<<"$rows" ||
    fail "the new row reads: $(grep "^68" <<<"$rows")"
screenshot symbol-db-editor-row

# --- 保存 under a new name; the restart prompt answered No ------------------------------------
drv click "$EDITOR" $SAVE
wait_file_dialog 保存
drv type "$EDITOR" 'DBThaiPlus.csv'
drv key "$EDITOR" $VK_RETURN
answer_box $'記号DBファイルを保存しました。結果を本体に反映させるには再起動する必要があります。\n今、一旦終了しますか？' $VK_N
wait_status '"DBThaiPlus.csv"'
[[ -f $TBL/DBThaiPlus.csv ]] || fail "no file $TBL/DBThaiPlus.csv"
saved=$(iconv -f CP932 -t UTF-8 "$TBL/DBThaiPlus.csv") || fail "the file is not code page 932"
expected_row='2,"25CC","DOTTED ""CIRCLE""","点線の円","0","注：結合文字の土台"'
[[ $(sed -n 75p <<<"$saved" | tr -d '\r') == "$expected_row" ]] ||
    fail "line 75 of the file: $(sed -n 75p <<<"$saved")"
[[ $(head -1 <<<"$saved" | tr -d '\r') == '"タイ文字","Tahoma"' ]] || fail "the header: $(head -1 <<<"$saved")"
cmp -s <(iconv -f CP932 -t UTF-8 "$TBL/DBThai.csv") <(grep -v '^2,"25CC"' <<<"$saved") ||
    fail "the rest of the file differs from DBThai.csv"
# --- A row clicked, 挿入 before it, the new row 削除d again, 上書 -----------------------------
read -r x y < <(drv listrow "$EDITOR" $LIST 67) || fail "no row 67 in the list"
drv clickin "$EDITOR" $LIST "$x" "$y"
[[ $(drv text "$EDITOR" $CODE) == 0E4B && $(drv text "$EDITOR" $ROW_NUMBER) == 67 ]] ||
    fail "the click on row 67 shows '$(drv text "$EDITOR" $CODE)' No $(drv text "$EDITOR" $ROW_NUMBER)"
screenshot symbol-db-editor-note-row
drv click "$EDITOR" $INSERT
[[ $(drv text "$EDITOR" $ROW_NUMBER) == 67 && -z $(drv text "$EDITOR" $CODE) ]] || fail "挿入 did not make row 67"
grep -q $'^68\t0E4B\t' <(drv listitems "$EDITOR" $LIST) || fail "挿入 did not move row 67 down"
drv click "$EDITOR" $DELETE
answer_box $'■番　号：　67\n■日本語名：　「」　　\n■英語名：　"" \nを削除しますがよろしいですか？' $VK_Y
grep -q $'^67\t0E4B\t' <(drv listitems "$EDITOR" $LIST) || fail "削除 did not renumber the rows"
[[ $(drv itemcount "$EDITOR" $LIST) == $((lines_before + 1)) ]] || fail "削除 left $(drv itemcount "$EDITOR" $LIST) lines"
before=$(md5sum <"$TBL/DBThaiPlus.csv")
drv click "$EDITOR" $OVERWRITE
answer_box $'記号DBファイルを保存しました。結果を本体に反映させるには再起動する必要があります。\n今、一旦終了しますか？' $VK_N
[[ $(md5sum <"$TBL/DBThaiPlus.csv") == "$before" ]] || fail "上書 wrote another file"

drv tabrect "$EDITOR" $TABS 1 >/dev/null || fail "no プロパティ tab"
read -r x y < <(tab_centre 1)
drv clickin "$EDITOR" $TABS "$x" "$y"
[[ $(drv text "$EDITOR" $SCRIPT) == タイ文字 ]] || fail "the script chooser shows '$(drv text "$EDITOR" $SCRIPT)'"
screenshot symbol-db-editor-properties
read -r x y < <(tab_centre 0)
drv clickin "$EDITOR" $TABS "$x" "$y"

# --- 新規: an empty DB with two added groups, read into the editor --------------------------
drv click "$EDITOR" $NEW
drv wait "$NEW_DB" 5000 >/dev/null || fail "新規 opened no dialog"
[[ $(drv enabled "$NEW_DB" $NEW_MAKE) == 0 ]] || fail "作る is enabled with no name"
drv clickin "$NEW_DB" $NEW_GROUPS 10 10
drv unicode "$NEW_DB" '子音'
drv key "$NEW_DB" $VK_RETURN
drv unicode "$NEW_DB" '母音'
drv clickin "$NEW_DB" $NEW_NAME 10 10
drv type "$NEW_DB" 'DBMine'
[[ $(drv enabled "$NEW_DB" $NEW_MAKE) == 1 ]] || fail "作る stays disabled with a name"
screenshot symbol-db-new
drv key "$NEW_DB" $VK_RETURN
answer_box '拡張子は"csv"でなくてはなりません。' $VK_RETURN
drv type "$NEW_DB" '.csv'
drv key "$NEW_DB" $VK_RETURN
answer_box '空の記号DBファイル"DBMine.csv"を生成しました。記号DBで読み込みますか？' $VK_Y
drv gone "$NEW_DB" 5000 || fail "the new-file dialog stayed open"
wait_status '"DBMine.csv"'
made=$(iconv -f CP932 -t UTF-8 "$TBL/DBMine.csv" | tr -d '\r') || fail "no file DBMine.csv"
[[ $(head -1 <<<"$made") == '"発音記号","Segoe UI"' ]] || fail "the new file's header: $(head -1 <<<"$made")"
[[ $(sed -n 2p <<<"$made") == 'Group,0,"Aのグループ"' && $(sed -n 28p <<<"$made") == 'Group,26,"その他"' ]] ||
    fail "the fixed groups: $(sed -n '2p;28p' <<<"$made")"
[[ $(tail -n 2 <<<"$made") == $'Group,27,"子音"\nGroup,28,"母音"' ]] || fail "the added groups: $(tail -n 2 <<<"$made")"
[[ $(wc -l <<<"$made") == 30 ]] || fail "the new file has $(wc -l <<<"$made") lines"
[[ $(drv itemcount "$EDITOR" $LIST) == 0 ]] || fail "the new file lists rows"
[[ $(enabled_buttons) == 11111000 ]] || fail "the new file enables $(enabled_buttons)"

# --- 上書 of the new file; the restart prompt's Yes ends the program ----------------------------
drv click "$EDITOR" $OVERWRITE
answer_box $'記号DBファイルを保存しました。結果を本体に反映させるには再起動する必要があります。\n今、一旦終了しますか？' $VK_Y
wait_pid_gone "$LAST_PID" 20 || fail "the program did not end after the restart prompt's Yes"
[[ $(iconv -f CP932 -t UTF-8 "$TBL/DBMine.csv" | tr -d '\r') == "$made" ]] || fail "上書 changed the new file"
echo "symbol db editor: ok"
