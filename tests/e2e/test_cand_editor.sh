# The candidate editor as a user changes a key: opened from the menu ツール,
# "開く" on the right the Thai candidate file through the open dialog (its
# paired DB comes with it), the key g clicked, box 1 given DB row 1 (ก),
# "登録", "上書", and the restart prompt answered Yes; after the restart g
# types ก in the main window. "新規" makes an empty candidate file paired
# with a DB picked from its list and reads it into the editor.
source "$(dirname "$0")/lib.sh"

MENU_CAND_EDITOR=1041
EDITOR='#32770=候補エディタ'
NEW_CAND='#32770=候補ファイルの新規作成'
DB_EXIT=1900 DB_OPEN=1901 CLOSE=1902 OPEN=1903 OVERWRITE=1904 SAVE=1905 NEW=1906
REGISTER=1910 JUMP=1911 RIGHT_TABS=1915 LIST=1916 STATUS=1917 BOX1=1940
KEY_G=2077  # g in the keyboard's order: 48 shifted keys, then 1-\ (13), q-[ (12), a s d f g
NEW_DB_LIST=1982 NEW_NAME=1985
MEMO=131
VK_RETURN=0x0D VK_END=0x23 VK_BACK=0x08 VK_Y=0x59

install_image
reset_user_data
TBL=$APPDATA_DIR/Tbl
cand_text() { iconv -f CP932 -t UTF-8 "$TBL/$1" | tr -d '\r'; }

wait_status() {  # EXPECTED PART
    local deadline=$((SECONDS + 10))
    until [[ $(drv statustext "$EDITOR" $STATUS "$2") == "$1" ]]; do
        ((SECONDS < deadline)) || fail "status part $2 shows '$(drv statustext "$EDITOR" $STATUS "$2")', expected '$1'"
        sleep 0.2
    done
}

start_and_wait
# The Thai table's g offers ง alone: typed, it goes in at once.
drv click TMainFrm $MEMO
drv type TMainFrm g
[[ $(drv text TMainFrm $MEMO) == "ง" ]] || fail "g gave '$(drv text TMainFrm $MEMO)' before the change"

drv postcommand TMainFrm $MENU_CAND_EDITOR
drv wait "$EDITOR" 10000 >/dev/null || fail "the editor did not open"
[[ $(drv enabled "$EDITOR" $OVERWRITE)$(drv enabled "$EDITOR" $REGISTER)$(drv enabled "$EDITOR" $KEY_G) == 000 ]] ||
    fail "a fresh editor enables 上書, 登録 or the keys"

drv click "$EDITOR" $OPEN
wait_file_dialog 開く
drv type "$EDITOR" 'CandThai2.csv'
drv key "$EDITOR" $VK_RETURN
wait_status '候補File："CandThai2.csv"' 1
wait_status '記号DB："DBThai.csv"' 0
((  $(drv itemcount "$EDITOR" $LIST) > 60 )) || fail "the paired DB was not read"
[[ $(drv enabled "$EDITOR" $KEY_G)$(drv enabled "$EDITOR" $OVERWRITE)$(drv enabled "$EDITOR" $JUMP) == 111 ]] ||
    fail "an open file does not enable g, 上書 and Jump"
screenshot cand-editor-open

# g: its one candidate ง is DB row 7; row 1 (ก) takes its place.
drv click "$EDITOR" $KEY_G
[[ $(drv text "$EDITOR" $BOX1) == 7 ]] || fail "g shows row '$(drv text "$EDITOR" $BOX1)' in box 1"
[[ $(drv enabled "$EDITOR" $REGISTER) == 1 ]] || fail "a key did not enable 登録"
drv click "$EDITOR" $BOX1
drv key "$EDITOR" $VK_END
drv key "$EDITOR" $VK_BACK
drv type "$EDITOR" 1
screenshot cand-editor-key
drv click "$EDITOR" $REGISTER
drv click "$EDITOR" $OVERWRITE
answer_box $'候補ファイルを保存しました。結果を本体に反映させるには再起動する必要があります。\n今一旦終了しますか？' $VK_Y
wait_pid_gone "$LAST_PID" 20 || fail "Yes did not end the program"
cand_text CandThai2.csv | grep -qx '"g",0E01,,,,,,,,' || fail "CandThai2.csv holds: $(cand_text CandThai2.csv | grep '^"g"')"
cand_text CandThai2.csv | grep -qx '"k",0E01,0E02,0E04,0E06,0E03,0E05,,,' || fail "another key changed"

# After the restart g gives ก.
start_and_wait
drv click TMainFrm $MEMO
drv type TMainFrm g
[[ $(drv text TMainFrm $MEMO) == "ก" ]] || fail "after the change g gave '$(drv text TMainFrm $MEMO)'"

# --- 新規 ------------------------------------------------------------------------------------------
drv postcommand TMainFrm $MENU_CAND_EDITOR
drv wait "$EDITOR" 10000 >/dev/null || fail "the editor did not open again"
read -r l t r b < <(drv tabrect "$EDITOR" $RIGHT_TABS 1)
drv clickin "$EDITOR" $RIGHT_TABS $(((l + r) / 2)) $(((t + b) / 2))
sleep 0.5
screenshot cand-editor-properties
drv click "$EDITOR" $NEW
drv wait "$NEW_CAND" 10000 >/dev/null || fail "新規 opened no dialog"
drv clickin "$NEW_CAND" $NEW_DB_LIST 40 8  # the first DB of the list
[[ $(drv text "$NEW_CAND" 1983) == DB*.csv ]] || fail "the click put '$(drv text "$NEW_CAND" 1983)' in the DB box"
drv click "$NEW_CAND" $NEW_NAME
drv type "$NEW_CAND" 'CandMine.csv'
screenshot cand-editor-new
drv key "$NEW_CAND" $VK_RETURN
answer_box '空の候補ファイル"CandMine.csv"を生成しました。候補エディタで読み込みますか？' $VK_Y
drv gone "$NEW_CAND" 5000 || fail "the new-file dialog stayed open"
wait_status '候補File："CandMine.csv"' 1
[[ $(cand_text CandMine.csv) =~ ^\"DB[A-Za-z]*\.csv\",Alphabet_Lower$ ]] || fail "CandMine.csv holds '$(cand_text CandMine.csv)'"
[[ $(drv enabled "$EDITOR" $JUMP) == 0 ]] || fail "Jump is enabled after 新規"
drv click "$EDITOR" $DB_EXIT
drv gone "$EDITOR" 5000 || fail "閉る did not close the editor"
close_and_wait
echo "candidate editor: ok"
