# F9 transfers into the application that was in front before the program,
# real applications nobody here wrote: Wine's Notepad (plain text and
# numeric references) and WordPad (rich text in the chosen font).
source "$(dirname "$0")/lib.sh"

MEMO=131 EDIT=130 FONT_BOX=120 MODE_DISPLAY=112 TRANSFER_MENU=1100
NOTEPAD_PIDS=()

install_image
reset_user_data

start_notepad
start_and_wait

# While Notepad is in front the program takes it as its target.
drv activate Notepad || fail "could not bring Notepad to the front"
for _ in $(seq 50); do [[ $(drv title TMainFrm) == *"転送先"* ]] && break; sleep 0.1; done
caption=$(drv title TMainFrm)
[[ $caption == "Tessaline    転送先：[ Untitled - Notepad ]" ]] || fail "caption while Notepad is the target: '$caption'"
drv activate TMainFrm
drv click TMainFrm $MEMO
screenshot target_held

# Mode 5: the text itself.
drv command TMainFrm $((TRANSFER_MENU + 5))
[[ $(drv text TMainFrm $MODE_DISPLAY) == "タイ語 ﾃｷｽﾄ" ]] || fail "mode 5 display: '$(drv text TMainFrm $MODE_DISPLAY)'"
drv type TMainFrm g
[[ $(drv text TMainFrm $MEMO) == "ง" ]] || fail "g gave '$(drv text TMainFrm $MEMO)'"
drv type TMainFrm k
drv wait TBandFrm 5000 >/dev/null || fail "k opened no popup"
drv type TBandFrm 1
drv gone TBandFrm 3000 || fail "the popup stayed open"
drv key TMainFrm 0x78
for _ in $(seq 50); do [[ -n $(drv childtext Notepad Edit) ]] && break; sleep 0.1; done
[[ $(drv childtext Notepad Edit) == "งก" ]] || fail "Notepad received '$(drv childtext Notepad Edit)'"
# Back in the program, typing goes on after the text sent, not over it.
drv activate TMainFrm
drv type TMainFrm g
[[ $(drv text TMainFrm $MEMO) == "งกง" ]] || fail "typing after the transfer left '$(drv text TMainFrm $MEMO)'"
drv key TMainFrm 0x08

# Mode 3: hexadecimal references, into the same place after the text.
drv click TMainFrm $MEMO
drv command TMainFrm $((TRANSFER_MENU + 3))
drv key TMainFrm 0x78
for _ in $(seq 50); do [[ $(drv childtext Notepad Edit) == *";" ]] && break; sleep 0.1; done
[[ $(drv childtext Notepad Edit) == "งก&#x0E07;&#x0E01;" ]] || fail "mode 3 gave '$(drv childtext Notepad Edit)'"

# Mode 1 into WordPad: rich text in the font of the foreign-language area.
drv close Notepad
wine 'C:\Program Files\Windows NT\Accessories\wordpad.exe' >/dev/null 2>&1 &
STARTED_PIDS+=($!)
drv wait WORDPADTOP 30000 >/dev/null || fail "WordPad did not start"
drv activate WORDPADTOP || fail "could not bring WordPad to the front"
for _ in $(seq 50); do [[ $(drv title TMainFrm) == *"Wordpad"* ]] && break; sleep 0.1; done
[[ $(drv title TMainFrm) == *"転送先"*"Wordpad"* ]] || fail "WordPad was not taken as the target: '$(drv title TMainFrm)'"
drv click TMainFrm $MEMO
drv command TMainFrm $((TRANSFER_MENU + 1))
drv key TMainFrm 0x78
for _ in $(seq 50); do [[ -n $(drv childtext WORDPADTOP RichEdit20W) ]] && break; sleep 0.1; done
text=$(drv childtext WORDPADTOP RichEdit20W | tr -d '\r\n')
[[ $text == "งก" ]] || fail "WordPad received '$text'"
# The font is the one the font box shows: Tahoma when it is installed, else
# an installed font that draws Thai.
font=$(drv richfont WORDPADTOP RichEdit20W)
face=$(drv text TMainFrm $FONT_BOX)
[[ -n $face && $font == "$face|222|360" ]] || fail "WordPad's text is in '$font', expected $face, Thai, 18 pt"
screenshot wordpad_transfer

wordpad_holds() {  # EXPECTED WHAT: WordPad's whole text, line ends shown, once the paste arrived
    local text
    for _ in $(seq 50); do
        text=$(drv childtextesc WORDPADTOP RichEdit20W)
        [[ $text == "$1" ]] && return
        sleep 0.1
    done
    fail "after $2 WordPad holds '$text', expected '$1'"
}

# Mode 2: the program's own RTF document (Work.rtf), in the same font. The
# text arrives alone, its line break as one line break and nothing after
# it.
drv click TMainFrm $MEMO
drv key TMainFrm 0x0D
drv type TMainFrm g
[[ $(drv text TMainFrm $MEMO) == "งก"$'\n'"ง" ]] || fail "Memo1 holds '$(drv text TMainFrm $MEMO)'"
drv command TMainFrm $((TRANSFER_MENU + 2))
drv key TMainFrm 0x78
wordpad_holds "งกงก<CR><LF>ง" "mode 2"
[[ -f $SYS_DIR/Work.rtf ]] || fail "mode 2 wrote no Work.rtf"

# Mode 11: the phonetic line's document, the same way.
drv click TMainFrm $EDIT
drv type TMainFrm ab
drv command TMainFrm $((TRANSFER_MENU + 11))
drv key TMainFrm 0x78
wordpad_holds "งกงก<CR><LF>งab" "mode 11"
screenshot wordpad_rich_text_modes
# Without TransClearFlg the areas keep their text.
[[ $(drv text TMainFrm $MEMO) == "งก"$'\n'"ง" ]] || fail "Memo1 holds '$(drv text TMainFrm $MEMO)' after the transfers"

close_and_wait
echo "transfer: ok"
