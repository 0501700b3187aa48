# A word book written out for Anki, as a learner does it: a book opened from
# the book list, "Ankiへ書き出し" from the word-book menu, the save dialog
# offering the book's name in the text folder, the question about the audio
# files answered Yes; the file holds Anki's header lines and the words with
# the note's line break and the quote as Anki reads them, and the book's
# audio file lies beside it. With no book open the command opens nothing.
source "$(dirname "$0")/lib.sh"

STATUS=150 BOOK_LIST=11
MENU_CLOSE=1072 MENU_ANKI=1073
SAVE='#32770=Ankiへ書き出し'
VK_RETURN=0x0D VK_Y=0x59

install_image
reset_user_data

# A book with no group (the first row of the list), a note of two lines, a
# quote, an audio file that is there and one that is not.
BOOK_DIR=$DOCUMENTS_DIR/bookA
write_book "$BOOK_DIR/e2e_anki.utx" "Anki書き出し" "" "" \
    '"สวัสดี","sa.wàt.diː","サワッディー","こんにちは","朝も#$0D夜も","e2e_hello.mp3",""' \
    '"ขอบคุณ","kʰɔ̀ːp.kʰun","コープクン","#$22ありがとう#$22","","e2e_missing.mp3","#FF0000"'
printf 'ID3 not really a song' >"$BOOK_DIR/e2e_hello.mp3"
TEXT_DIR=$DOCUMENTS_DIR/usr

start_and_wait

# Open the book.
drv clickin TMainFrm $BOOK_LIST 40 34
for _ in $(seq 50); do
    [[ $(drv statustext TMainFrm $STATUS 0) == "●タイトル：「Anki書き出し」" ]] && break
    sleep 0.1
done
[[ $(drv statustext TMainFrm $STATUS 0) == "●タイトル：「Anki書き出し」" ]] ||
    fail "the book did not open: '$(drv statustext TMainFrm $STATUS 0)'"

drv postcommand TMainFrm $MENU_ANKI
drv wait "$SAVE" 10000 >/dev/null || fail "Ankiへ書き出し opened no save dialog"
for _ in $(seq 50); do [[ -n $(drv focustext "$SAVE") ]] && break; sleep 0.1; done
[[ $(drv focustext "$SAVE") == "e2e_anki.txt" ]] ||
    fail "the save dialog offers '$(drv focustext "$SAVE")'"
screenshot anki-export-save
drv key "$SAVE" $VK_RETURN

drv wait "$BOX" 10000 >/dev/null || fail "no question about the audio files"
question=$(drv text "$BOX" $MESSAGE_TEXT)
[[ $question == "音声ファイル（1個）を「"*'\Quillory\Tessaline\usr」にコピーしますか？' ]] ||
    fail "the question reads '$question'"
screenshot anki-export-question
drv key "$BOX" $VK_Y
drv gone "$BOX" 5000 || fail "the question stayed open after Yes"

EXPORT=$TEXT_DIR/e2e_anki.txt
[[ -f $EXPORT ]] || fail "no file $EXPORT"
expected=$(
    printf '#separator:tab\n#html:false\n'
    printf '#columns:外国語\t発音記号\t発音カナ\t日本語\t備考\t音声\n'
    printf 'สวัสดี\tsa.wàt.diː\tサワッディー\tこんにちは\t"朝も\n夜も"\t[sound:e2e_hello.mp3]\n'
    printf 'ขอบคุณ\tkʰɔ̀ːp.kʰun\tコープクン\t"""ありがとう"""\t\t[sound:e2e_missing.mp3]\n'
    printf 'end'
)
[[ "$(cat "$EXPORT"; printf 'end')" == "$expected" ]] ||
    fail "the export holds: $(cat -A "$EXPORT")"
cmp -s "$BOOK_DIR/e2e_hello.mp3" "$TEXT_DIR/e2e_hello.mp3" || fail "the audio file was not copied"
[[ ! -e $TEXT_DIR/e2e_missing.mp3 ]] || fail "an audio file that is not there was made"

# With the book closed the command opens nothing.
drv command TMainFrm $MENU_CLOSE
[[ -z $(drv statustext TMainFrm $STATUS 0) ]] || fail "the book did not close"
drv postcommand TMainFrm $MENU_ANKI
sleep 1
[[ $(drv count '#32770') == 0 ]] || fail "a dialog opened with no book open"
close_and_wait
