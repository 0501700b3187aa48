# Dictionary generation as a learner starts a dictionary: the "辞書" button
# shows the Thai dictionary folder, "一括辞書ファイル生成" asks, writes 45 empty
# books and, asked again, lists them at once. A second run never overwrites:
# it adds 45 more, numbered 1 and grouped under 辞書1.
source "$(dirname "$0")/lib.sh"

STATUS=150 BOOK_LIST=11 DICTIONARY_BUTTON=21
MENU_MAKE_DICTIONARY=1064
VK_RETURN=0x0D

books_listed() {  # COUNT: waits until the book list holds COUNT books
    for _ in $(seq 50); do
        [[ $(drv itemcount TMainFrm $BOOK_LIST) == "$1" ]] && return 0
        sleep 0.1
    done
    fail "the book list holds $(drv itemcount TMainFrm $BOOK_LIST) books, expected $1"
}
make_dictionary() {  # SCREENSHOT-PREFIX
    drv postcommand TMainFrm $MENU_MAKE_DICTIONARY
    answer_box "この辞書フォルダに一括で空の辞書ファイルを生成します。よろしいですか？" $VK_RETURN "$1-ask"
    answer_box "生成を完了しました。今すぐ主画面に反映しますか？" $VK_RETURN
}

install_image
reset_user_data
start_and_wait

drv click TMainFrm $DICTIONARY_BUTTON
for _ in $(seq 50); do
    [[ $(drv statustext TMainFrm $STATUS 1) == *bookG* ]] && break
    sleep 0.1
done
[[ $(drv statustext TMainFrm $STATUS 1) == *bookG* ]] || fail "辞書 shows '$(drv statustext TMainFrm $STATUS 1)'"
shipped=$(drv itemcount TMainFrm $BOOK_LIST)
FOLDER=$DOCUMENTS_DIR/bookG

make_dictionary dictionary
books_listed $((shipped + 45))
screenshot dictionary-listed
labels=(Alpha あ い う え お か き く け こ さ し す せ そ た ち つ て と な に ぬ ね の は ひ ふ へ ほ
        ま み む め も や ゆ よ ら り る れ ろ わ)
((${#labels[@]} == 45)) || fail "the test lists ${#labels[@]} labels"
for label in "${labels[@]}"; do
    book=$FOLDER/T辞書（$label）.utx
    [[ -f $book ]] || fail "no $(basename "$book")"
    [[ $(utx_lines "$book") == "辞書（$label）"$'\n'"辞書" ]] ||
        fail "$(basename "$book") holds '$(utx_lines "$book")'"
done

# Again in the same folder: nothing overwritten, a second set numbered 1.
printf '%s\r\n' '"ไก่","kàj","カイ","鶏","","",""' | iconv -f UTF-8 -t UTF-16LE >>"$FOLDER/T辞書（か）.utx"
make_dictionary dictionary-again
books_listed $((shipped + 90))
[[ $(utx_lines "$FOLDER/T辞書（か）.utx" | tail -1) == '"ไก่","kàj","カイ","鶏","","",""' ]] ||
    fail "the second run overwrote T辞書（か）.utx"
[[ $(utx_lines "$FOLDER/T1辞書（わ）.utx") == "辞書（わ）"$'\n'"辞書1" ]] ||
    fail "T1辞書（わ）.utx holds '$(utx_lines "$FOLDER/T1辞書（わ）.utx")'"
close_and_wait
echo "dictionary generation: ok"
