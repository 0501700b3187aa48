# The on-screen keyboards: clicking a romaji key runs the trigger step into
# Memo1; the three pages show (screenshots romaji / ms_ime / phonetic).
source "$(dirname "$0")/lib.sh"

MEMO=131 EDIT=130 PAGES=140 ROMAJI_KEYBOARD=160

install_image
reset_user_data
start_and_wait

# The "g" key of the romaji keyboard (one candidate, ง) at the default layout.
drv click TMainFrm $MEMO
drv clickin TMainFrm $ROMAJI_KEYBOARD 156 156
[[ $(drv text TMainFrm $MEMO) == "ง" ]] || fail "clicking g gave '$(drv text TMainFrm $MEMO)'"
screenshot keyboard_romaji

# The page tabs, left to right; the phonetic page moves the focus to Edit1.
drv clickin TMainFrm $PAGES 160 10
screenshot keyboard_ms_ime
drv clickin TMainFrm $PAGES 310 10
screenshot keyboard_phonetic
drv type TMainFrm e
[[ $(drv text TMainFrm $EDIT) == "e" ]] || fail "the phonetic page did not focus Edit1"

# Each language's romaji page, with a candidate band open over Memo1. The
# tab strip loses the MS IME tab and changes the romaji tab's width without
# leaving slivers of the old tabs behind.
MODE_BOX=122
for item in 3 4 5; do
    drv select TMainFrm $MODE_BOX $item
    sleep 0.3
    [[ $(drv tabsliver TMainFrm $PAGES) == 0 ]] || fail "mode item $item left $(drv tabsliver TMainFrm $PAGES) pixels of old tabs"
    drv clickin TMainFrm $PAGES 50 10
    drv click TMainFrm $MEMO
    drv type TMainFrm k
    drv wait TBandFrm 5000 >/dev/null || fail "k opened no popup in mode item $item"
    screenshot "language_$item"
    drv key TBandFrm 0x1B
    drv gone TBandFrm 3000 || fail "the popup stayed open in mode item $item"
done

close_and_wait
echo "keyboards: ok"
