# The legacy converter: an old four-line word book (Japanese in Shift-JIS,
# Thai in code page 874) in the default source folder becomes a ".utx" book
# in the current word-book folder, listed after "反映させ閉じる", and opens
# with its word.
source "$(dirname "$0")/lib.sh"

MENU_CONVERT=1043 STATUS=150 WORD_LIST=10 BOOK_LIST=11
CONVERT=1307 LIST_AND_CLOSE=1310

install_image
reset_user_data
source_dir="$WINEPREFIX/drive_c/Quillory/Morvane/bookA"
mkdir -p "$source_dir"
{
    printf '%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n' '古い単語帳' 1 '鶏' 'カイ' '"動物"' | iconv -f UTF-8 -t CP932
    printf '%s\r\n' 'ไก่' | iconv -f UTF-8 -t CP874
} >"$source_dir/old(1).twd"

start_and_wait
before=$(drv statustext TMainFrm $STATUS 1)
drv postcommand TMainFrm $MENU_CONVERT
drv wait '#32770' 10000 >/dev/null || fail "the converter did not open"
[[ $(drv title '#32770') == "単語帳変換ツール" ]] || fail "a window titled '$(drv title '#32770')'"
screenshot converter
drv click '#32770' $CONVERT
sleep 0.5
screenshot converter-summary
drv key '#32770' 0x0D  # the summary's OK
book="$DOCUMENTS_DIR/bookA/old（1）.utx"
[[ -f $book ]] || fail "no converted book: $(ls "$DOCUMENTS_DIR/bookA")"
iconv -f UTF-16 -t UTF-8 "$book" | tr -d '\r' | grep -qx '"ไก่","","カイ","鶏","#$22動物#$22","",""' ||
    fail "the converted book holds: $(iconv -f UTF-16 -t UTF-8 "$book")"
drv click '#32770' $LIST_AND_CLOSE
drv gone '#32770' 5000 || fail "the converter stayed open"
after=$(drv statustext TMainFrm $STATUS 1)
[[ $after != "$before" ]] || fail "the book list did not take the new book ($after)"
read -r x y < <(drv listrow TMainFrm $BOOK_LIST "古い単語帳") || fail "the book list does not show 古い単語帳"
drv clickin TMainFrm $BOOK_LIST "$x" "$y"
for _ in $(seq 50); do [[ -n $(drv statustext TMainFrm $STATUS 0) ]] && break; sleep 0.1; done
[[ $(drv statustext TMainFrm $STATUS 0) == "●タイトル：「古い単語帳」" ]] ||
    fail "the title panel shows '$(drv statustext TMainFrm $STATUS 0)'"
[[ $(drv itemcount TMainFrm $WORD_LIST) == 1 ]] || fail "the converted book shows $(drv itemcount TMainFrm $WORD_LIST) words"
for _ in $(seq 50); do [[ $(drv text TMainFrm 25) == "←" ]] && break; sleep 0.1; done  # the panel's door shut
sleep 0.3
screenshot converter-book-open
close_and_wait
echo "converter: ok"
