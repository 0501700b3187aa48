# The settings dialog as a user meets it: F8 opens it on its first page over
# the main window; each of its six pages is looked at; a word-book flag, a
# colour and a timer changed and confirmed with OK are in the settings file
# after the exit. Opened again from the menu, it shows them; what is changed
# and then cancelled leaves the file as it was, but the word list's row
# height, which its track bar changes at once. Opened from the "設定"
# button, a switch to the system tables ends the program with the restart
# notice. "設定ファイルを初期化する" ends it without a settings file, and
# "すべてを削除する" removes the program's own files and no other.
source "$(dirname "$0")/lib.sh"

DLG='#32770=設定'
STATUS=150 WORD_LIST=10 BOOK_LIST=11 MEMO=131 EDIT=130
MENU_SETTINGS=1030 SETTINGS_BUTTON=106
VK_F8=0x77 VK_RETURN=0x0D VK_END=0x23 VK_LEFT=0x25 VK_BACK=0x08 VK_ESCAPE=0x1B
IDOK=1 IDCANCEL=2
TABS=1700
RESET_INPUT=1710 SYS_TBL=1717 CHANGE_LOOK=1722 DELETE_FILES=1723  # check boxes
LINE_HEIGHT_BAR=1730 LINE_HEIGHT_VALUE=1734 RESET_FILE=1740 DELETE_ALL=1741
ROMAN_BG_BOX=1800 CAND_BG_BOX=1803  # the colour rows "１．文字PAD　ローマ字入力", "４．発音記号　背景"
KEYBOARD_PAGES=140 ROMAJI_KEYBOARD=160
SIZE_LOCK=1721 FIXED_FOREIGN_SIZE=1761  # "文字サイズを固定する" and its "・タイ語など：" box
SEARCH_TIMER_BAR=1820 SEARCH_TIMER_VALUE=1822

settings_text() { iconv -f UTF-16 -t UTF-8 "$SYS_DIR/Morvane_A.rng" | tr -d '\r'; }
value_of() { settings_text | sed -n "s/^$1,//p"; }

wait_dialog() {  # HOW
    drv wait "$DLG" 10000 >/dev/null || fail "$1 opened no settings dialog"
}
# Clicks the tab of page $1 (0 to 5).
show_page() {
    local left top right bottom
    read -r left top right bottom < <(drv tabrect "$DLG" $TABS "$1") || fail "no tab $1"
    drv clickin "$DLG" $TABS $(((left + right) / 2)) $(((top + bottom) / 2))
}

install_image
reset_user_data
start_and_wait

# --- F8: the dialog, its pages ---------------------------------------------------------
# Two lines in the foreign area, to see its font size follow the dialog.
drv click TMainFrm $MEMO
drv type TMainFrm g
drv key TMainFrm $VK_RETURN
drv type TMainFrm g
pitch_before=$(drv linepitch TMainFrm $MEMO) || fail "Memo1 does not hold two lines"
drv key TMainFrm $VK_F8
wait_dialog F8
read -r left top right bottom < <(drv rect "$DLG")
[[ "$((right - left))x$((bottom - top))" == 580x525 ]] || fail "the dialog is $((right - left))x$((bottom - top))"
[[ $(drv enabled "$DLG" $LINE_HEIGHT_BAR) == 0 ]] || fail "the word list's track bars start enabled"
[[ $(drv enabled "$DLG" $DELETE_ALL) == 0 ]] || fail "すべてを削除する starts enabled"
[[ $(drv checked "$DLG" $RESET_INPUT) == 0 ]] || fail "ResetInputFlg is not 0 at first"
for page in 0 1 2 3 4 5; do
    show_page $page
    screenshot "settings-page-$page"
done

# A word-book flag, on the first page.
show_page 0
drv click "$DLG" $CHANGE_LOOK
[[ $(drv enabled "$DLG" $LINE_HEIGHT_BAR) == 1 ]] || fail "変更する did not enable the track bars"
drv click "$DLG" $RESET_INPUT
[[ $(drv checked "$DLG" $RESET_INPUT) == 1 ]] || fail "the click did not check リセットインプット"
# The phonetic background, typed over on the colour page.
show_page 4
drv click "$DLG" $CAND_BG_BOX
drv key "$DLG" $VK_END
for _ in 1 2 3 4 5 6 7; do drv key "$DLG" $VK_BACK; done
drv type "$DLG" '#3366CC'
[[ $(drv text "$DLG" $CAND_BG_BOX) == "#3366CC" ]] || fail "the colour box holds '$(drv text "$DLG" $CAND_BG_BOX)'"
# The romaji keyboard's background, pink in place of orange.
drv click "$DLG" $ROMAN_BG_BOX
drv key "$DLG" $VK_END
for _ in 1 2 3 4 5 6 7; do drv key "$DLG" $VK_BACK; done
drv type "$DLG" '#FFC0CB'
screenshot settings-colour-typed
# The foreign area's size, fixed at 36 on the font page.
show_page 2
drv click "$DLG" $SIZE_LOCK
[[ $(drv enabled "$DLG" $FIXED_FOREIGN_SIZE) == 1 ]] || fail "文字サイズを固定する did not enable its size box"
drv click "$DLG" $FIXED_FOREIGN_SIZE
drv key "$DLG" $VK_END
for _ in 1 2 3; do drv key "$DLG" $VK_BACK; done
drv type "$DLG" '36'
screenshot settings-size-typed
# The search timer: to its end, then two steps back.
show_page 5
drv click "$DLG" $SEARCH_TIMER_BAR
drv key "$DLG" $VK_END
drv key "$DLG" $VK_LEFT
drv key "$DLG" $VK_LEFT
[[ $(drv text "$DLG" $SEARCH_TIMER_VALUE) == 498 ]] || fail "the timer shows '$(drv text "$DLG" $SEARCH_TIMER_VALUE)'"
drv click "$DLG" $IDOK
drv gone "$DLG" 5000 || fail "OK did not close the dialog"
screenshot settings-after-ok
# The main window follows at once: the phonetic area's new background, the
# foreign area's larger lines.
[[ $(drv pixel TMainFrm $EDIT 3 3) == "#3366CC" ]] || fail "Edit1 shows $(drv pixel TMainFrm $EDIT 3 3), not the new background"
pitch_after=$(drv linepitch TMainFrm $MEMO)
((pitch_after > pitch_before)) || fail "Memo1's lines are $pitch_after pixels apart, were $pitch_before"
# The romaji keyboard's new colour shows at once, and after a trip to
# another keyboard page.
[[ $(drv pixel TMainFrm $ROMAJI_KEYBOARD 3 3) == "#FFC0CB" ]] || fail "the romaji keyboard shows $(drv pixel TMainFrm $ROMAJI_KEYBOARD 3 3) after OK"
drv clickin TMainFrm $KEYBOARD_PAGES 310 10
drv clickin TMainFrm $KEYBOARD_PAGES 50 10
sleep 0.3
[[ $(drv pixel TMainFrm $ROMAJI_KEYBOARD 3 3) == "#FFC0CB" ]] || fail "the romaji keyboard shows $(drv pixel TMainFrm $ROMAJI_KEYBOARD 3 3) after switching pages"
close_and_wait
[[ $(value_of ResetInputFlg) == 1 ]] || fail "ResetInputFlg is '$(value_of ResetInputFlg)' in the file"
[[ $(value_of CandBg) == "#3366CC" ]] || fail "CandBg is '$(value_of CandBg)' in the file"
[[ $(value_of RomanBg) == "#FFC0CB" ]] || fail "RomanBg is '$(value_of RomanBg)' in the file"
[[ $(value_of TrTimer) == 498 ]] || fail "TrTimer is '$(value_of TrTimer)' in the file"
[[ $(value_of DispFSizeLockFlg) == 1 && $(value_of DispMainFSize) == 36 ]] ||
    fail "the fixed size is '$(value_of DispFSizeLockFlg)' '$(value_of DispMainFSize)' in the file"
[[ $(value_of SysTblFlg) == 0 ]] || fail "SysTblFlg changed"
saved=$(mktemp)
cp "$SYS_DIR/Morvane_A.rng" "$saved"

# --- The menu: the saved values, and a cancel that changes nothing ---------------------------
# but the word list's look, which acts at once (a book open to show it).
start_and_wait
drv clickin TMainFrm $BOOK_LIST 40 34
for _ in $(seq 50); do [[ -n $(drv statustext TMainFrm $STATUS 0) ]] && break; sleep 0.1; done
[[ -n $(drv statustext TMainFrm $STATUS 0) ]] || fail "no book opened"
[[ $(drv rowheight TMainFrm $WORD_LIST) == 28 ]] || fail "the rows are $(drv rowheight TMainFrm $WORD_LIST) pixels high"
drv postcommand TMainFrm $MENU_SETTINGS
wait_dialog "設定(&S)"
[[ $(drv checked "$DLG" $RESET_INPUT) == 1 ]] || fail "the dialog does not show ResetInputFlg 1"
[[ $(drv text "$DLG" $CAND_BG_BOX) == "#3366CC" ]] || fail "the dialog does not show the saved colour"
[[ $(drv text "$DLG" $SEARCH_TIMER_VALUE) == 498 ]] || fail "the dialog does not show the saved timer"
drv click "$DLG" $CHANGE_LOOK
drv click "$DLG" $LINE_HEIGHT_BAR
drv key "$DLG" $VK_END
[[ $(drv text "$DLG" $LINE_HEIGHT_VALUE) == 99 ]] || fail "the row height shows '$(drv text "$DLG" $LINE_HEIGHT_VALUE)'"
[[ $(drv rowheight TMainFrm $WORD_LIST) == 99 ]] || fail "the word list's rows did not follow the bar"
drv click "$DLG" $RESET_INPUT
show_page 4
drv click "$DLG" $CAND_BG_BOX
drv key "$DLG" $VK_BACK
drv type "$DLG" 'F'
show_page 5
drv click "$DLG" $SEARCH_TIMER_BAR
drv key "$DLG" $VK_LEFT
drv click "$DLG" $IDCANCEL
drv gone "$DLG" 5000 || fail "ｷｬﾝｾﾙ did not close the dialog"
screenshot settings-look-kept
[[ $(drv rowheight TMainFrm $WORD_LIST) == 99 ]] || fail "ｷｬﾝｾﾙ undid the row height"
close_and_wait
# The open book's name is kept at exit; the row height stays as the bar left it.
[[ $(value_of LVLineHeight) == 99 ]] || fail "LVLineHeight is '$(value_of LVLineHeight)' after the cancel"
unchanged() { grep -v -e '^LVLineHeight,' -e '^LastWB,'; }
diff <(iconv -f UTF-16 -t UTF-8 "$saved" | tr -d '\r' | unchanged) <(settings_text | unchanged) >/dev/null ||
    fail "a cancelled dialog changed the settings file: $(diff <(iconv -f UTF-16 -t UTF-8 "$saved" | tr -d '\r') <(settings_text))"

# --- The "設定" button: the system tables need a restart ------------------------------------
start_and_wait
drv click TMainFrm $SETTINGS_BUTTON
wait_dialog "the 設定 button"
show_page 1
drv click "$DLG" $SYS_TBL
drv click "$DLG" $IDOK
answer_box $'テーブルファイルが変更されました。\n一旦終了しますので、再起動して下さい。' $VK_RETURN settings-box-restart
wait_pid_gone "$LAST_PID" 20 || fail "the program did not end for the restart"
[[ $(value_of SysTblFlg) == 1 ]] || fail "SysTblFlg is '$(value_of SysTblFlg)' after the restart notice"

# --- "設定ファイルを初期化する" --------------------------------------------------------------------
start_and_wait
drv key TMainFrm $VK_F8
wait_dialog F8
show_page 1
drv click "$DLG" $RESET_FILE
answer_box $'一旦終了しますので、再起動して下さい。\nすべてを初期値に戻す場合「はい」を選んで下さい。' $VK_RETURN settings-box-reset
wait_pid_gone "$LAST_PID" 20 || fail "the program did not end after the reset"
[[ ! -e $SYS_DIR/Morvane_A.rng ]] || fail "the settings file is still there after the reset"
[[ -f $SYS_DIR/GroupName.txt ]] || fail "the reset deleted GroupName.txt"
# The next start writes the defaults again, and the dialog shows them.
start_and_wait
drv key TMainFrm $VK_F8
wait_dialog "F8 after the reset"
[[ $(drv checked "$DLG" $RESET_INPUT) == 0 ]] || fail "ResetInputFlg is not back to 0"
[[ $(drv text "$DLG" $CAND_BG_BOX) == "#F8FFC0" ]] || fail "the phonetic background is '$(drv text "$DLG" $CAND_BG_BOX)' after the reset"
[[ $(drv text "$DLG" $SEARCH_TIMER_VALUE) == 250 ]] || fail "the timer is '$(drv text "$DLG" $SEARCH_TIMER_VALUE)' after the reset"
[[ $(drv checked "$DLG" $SIZE_LOCK) == 0 ]] || fail "the size lock survived the reset"
drv click "$DLG" $IDCANCEL
drv gone "$DLG" 5000 || fail "ｷｬﾝｾﾙ did not close the dialog"
close_and_wait
[[ $(value_of SysTblFlg) == 0 && $(value_of CandBg) == "#F8FFC0" ]] || fail "the settings file after the reset is not the defaults"

# --- "すべてを削除する" -----------------------------------------------------------------------------
# The user's own book, a book of theirs named like a shipped one but in
# lower case, a folder named like a shipped book, a table of their own.
first=$(ls "$IMAGE_DIR/bookA" | head -1)
second=$(ls "$IMAGE_DIR/bookA" | sed -n 2p)
third=$(ls "$IMAGE_DIR/bookA" | sed -n 3p)
mine=$DOCUMENTS_DIR/bookA/自分の単語.utx
cp "$DOCUMENTS_DIR/bookA/$first" "$mine"
rm "$DOCUMENTS_DIR/bookA/$second"
mkdir "$DOCUMENTS_DIR/bookA/$second"
mv "$DOCUMENTS_DIR/bookA/$third" "$DOCUMENTS_DIR/bookA/${third,,}"
echo mine >"$APPDATA_DIR/Tbl/DBMine.csv"
start_and_wait
drv key TMainFrm $VK_F8
wait_dialog F8
show_page 1
drv click "$DLG" $DELETE_FILES
[[ $(drv enabled "$DLG" $DELETE_ALL) == 1 ]] || fail "the check box did not enable すべてを削除する"
screenshot settings-delete-enabled
drv click "$DLG" $DELETE_ALL
answer_box $'　ファイルを削除後、終了しますので、「コントロールパネル」の「プログラムのアンインストール」からアンインストールを行なって下さい。\n　なお再起動するとファイルが生成されるので、完全にアンインストールする場合は再起動しないで下さい。\n　削除をはじめますがよろしいですか？' $VK_RETURN settings-box-delete
wait_pid_gone "$LAST_PID" 20 || fail "the program did not end after deleting"
for shipped in "$IMAGE_DIR"/bookA/* "$IMAGE_DIR"/bookG/* "$IMAGE_DIR"/Tbl/*; do
    name=$(basename "$shipped")
    for folder in "$DOCUMENTS_DIR/bookA" "$DOCUMENTS_DIR/bookG" "$APPDATA_DIR/Tbl"; do
        [[ $name == "$second" || ! -f $folder/$name ]] || fail "$folder/$name was not deleted"
    done
done
for left_alone in "$mine" "$DOCUMENTS_DIR/bookA/${third,,}" "$APPDATA_DIR/Tbl/DBMine.csv" \
    "$DOCUMENTS_DIR/MyanmarA/$(ls "$IMAGE_DIR/MyanmarA" | head -1)" "$INSTALL_DIR/bookA/$first" \
    "$INSTALL_DIR/Tbl/DBThai.csv"; do
    [[ -f $left_alone ]] || fail "$left_alone was deleted"
done
[[ -d $DOCUMENTS_DIR/bookA/$second ]] || fail "the folder $second was deleted"
for name in Morvane_A.rng FolList.txt GroupName.txt Work.rtf; do
    [[ ! -e $SYS_DIR/$name ]] || fail "$name is still in the system folder"
done
[[ -z $(ls "$SYS_DIR" | grep '^Leaf') ]] || fail "the version marker is still there: $(ls "$SYS_DIR")"
rm -f "$saved"
echo "settings dialog: ok"
