# PAD mode: F7 hides the main window and opens the PAD; romaji typed into
# its line goes to Notepad with F9 (and with Enter from the phonetic page),
# the MS IME page's keys type into the line, the PAD shows the target, and
# closing it brings the main window back as it was. The second opening
# stands where the first was closed; in Myanmar romaji the MS IME page is
# left out.
source "$(dirname "$0")/lib.sh"

MEMO=131 MAIN_AUTO_PASTE=111 MODE_BOX=122
LINE=1003 AUTO_PASTE=1002 CLEAR=1006 PAGES=1010 IME_KEYBOARD=1021

line() { drv text TPadFrm $LINE; }

# Checks that hold once the keys and clicks sent before have been handled.
eventually() {  # COMMAND...: true once the command succeeds, within two seconds
    for _ in $(seq 20); do
        "$@" && return
        sleep 0.1
    done
    return 1
}
line_is() { [[ $(line) == "$1" ]]; }
line_focused() { [[ $(drv focus TPadFrm) == $LINE ]]; }
box_is() { [[ $(drv checked "$1" "$2") == "$3" ]]; }  # CLASS ID 0|1
title_is() { [[ $(drv title "$1") == "$2" ]]; }

notepad_holds() {  # EXPECTED WHAT: Notepad's whole text once the paste arrived
    local text
    for _ in $(seq 50); do
        text=$(drv childtext Notepad Edit)
        [[ $text == "$1" ]] && return
        sleep 0.1
    done
    fail "after $2 Notepad holds '$text', expected '$1'"
}

click_tab() {  # INDEX: a real click in the middle of the PAD's tab
    local l t r b
    read -r l t r b < <(drv tabrect TPadFrm $PAGES "$1") || fail "the PAD has no tab $1"
    drv clickin TPadFrm $PAGES $(((l + r) / 2)) $(((t + b) / 2))
}

open_pad() {
    # F7 wherever the focus is in the main window: no click to place it first.
    drv key TMainFrm 0x76
    drv wait TPadFrm 10000 >/dev/null || fail "F7 opened no PAD"
    [[ $(drv count TMainFrm) == 0 ]] || fail "the main window stayed on the screen with the PAD"
}

install_image
reset_user_data
start_notepad
start_and_wait
main_rect=$(drv rect TMainFrm)

# --- The first opening: centred, 450 x 350, the line focused. -------------------------
open_pad
[[ $(drv title TPadFrm) == "PADモード" ]] || fail "PAD caption '$(drv title TPadFrm)'"
read -r l t r b < <(drv rect TPadFrm)
[[ $((r - l)) == 450 && $((b - t)) == 350 ]] || fail "the PAD is $((r - l)) x $((b - t))"
(((l + r) / 2 >= 639 && (l + r) / 2 <= 641 && (t + b) / 2 >= 449 && (t + b) / 2 <= 451)) ||
    fail "the PAD is not centred on the 1280 x 900 screen: $l $t $r $b"
eventually line_focused || fail "the focus is on control $(drv focus TPadFrm), not the line"
box_is TPadFrm $CLEAR 1 || fail "ｸﾘｱ is not checked at opening"
box_is TPadFrm $AUTO_PASTE 1 || fail "the automatic paste box does not show AutoPasteFlg"

# Notepad, in front while the program is in the background, is the target;
# the PAD shows it on its caption.
drv activate Notepad || fail "could not bring Notepad to the front"
eventually title_is TPadFrm "Tessaline    転送先：[ Untitled - Notepad ]" ||
    fail "PAD caption with Notepad as the target: '$(drv title TPadFrm)'"
drv activate TPadFrm || fail "could not bring the PAD to the front"
eventually line_focused || fail "back in the PAD the focus is on $(drv focus TPadFrm)"

# --- Page 0: romaji; F9 sends the line and "ｸﾘｱ" empties it. -----------------------------
drv type TPadFrm g
eventually line_is "ง" || fail "g gave '$(line)'"
drv type TPadFrm k
drv wait TBandFrm 5000 >/dev/null || fail "k opened no candidate band over the PAD"
drv type TBandFrm 1
drv gone TBandFrm 3000 || fail "the band stayed open"
eventually line_is "งก" || fail "after k 1 the line holds '$(line)'"
screenshot pad_romaji
drv key TPadFrm 0x78
notepad_holds "งก" "F9 in the PAD"
eventually line_is "" || fail "ｸﾘｱ left '$(line)' in the line"

# --- Page 2: phonetic; Enter sends a line that is not blank. ------------------------------
drv activate TPadFrm || fail "could not bring the PAD to the front"
click_tab 2
eventually line_focused || fail "the phonetic page did not focus the line (focus on $(drv focus TPadFrm))"
first_a=$(iconv -f CP932 -t UTF-8 "$IMAGE_DIR/Tbl/CandAll.csv" | tr -d '\r' | awk -F, '$1=="\"A\"" {print $2}')
ipa=$(printf "\\u$first_a")
drv type TPadFrm A
drv wait TCandFrm 5000 >/dev/null || fail "A opened no candidate list over the PAD"
drv key TCandFrm 0x0D
drv gone TCandFrm 3000 || fail "Enter did not close the list"
eventually line_is "$ipa" || fail "the phonetic page's line holds '$(line)', expected $ipa"
screenshot pad_phonetic
drv key TPadFrm 0x0D
notepad_holds "งก$ipa" "Enter in the PAD"
eventually line_is "" || fail "after Enter the line holds '$(line)'"

# --- Page 1: the MS IME keyboard's "ก" (the key "d") types into the line. ----------------
drv activate TPadFrm || fail "could not bring the PAD to the front"
click_tab 1
read -r kl kt kr kb < <(drv childrect TPadFrm $IME_KEYBOARD)
kw=$((kr - kl)) kh=$((kb - kt))
k=$(((kw - 16) / 13)) row=$(((kh - 8) / 4))
x=$((2 + k * 14 / 10 + 2 * k + k / 2)) y=$((4 + row * 4 / 10 + 2 * row + row * 6 / 20))
drv clickin TPadFrm $IME_KEYBOARD $x $y
eventually line_is "ก" || fail "the MS IME key gave '$(line)'"
screenshot pad_ms_ime
drv key TPadFrm 0x78
notepad_holds "งก${ipa}ก" "F9 from the MS IME page"

# --- Automatic paste off in the PAD: no target; the main window follows. -------------------
drv activate TPadFrm || fail "could not bring the PAD to the front"
drv click TPadFrm $AUTO_PASTE
eventually box_is TPadFrm $AUTO_PASTE 0 || fail "the automatic paste box did not uncheck"
eventually title_is TPadFrm "Tessaline" || fail "unchecking left the PAD caption '$(drv title TPadFrm)'"

# Moved by its caption, then closed: the main window comes back as it was.
drv dragin TPadFrm 120 -10 -300 -200
moved=$(drv rect TPadFrm)
[[ $moved != "$l $t $r $b" ]] || fail "the PAD did not move"
drv close TPadFrm
drv gone TPadFrm 5000 || fail "the PAD did not close"
drv wait TMainFrm 5000 >/dev/null || fail "the main window did not come back"
[[ $(drv rect TMainFrm) == "$main_rect" ]] || fail "the main window came back at $(drv rect TMainFrm), was $main_rect"
[[ $(drv title TMainFrm) == "Tessaline" ]] || fail "main caption '$(drv title TMainFrm)'"
box_is TMainFrm $MAIN_AUTO_PASTE 0 || fail "the main window's automatic paste box is still checked"
screenshot pad_closed_main_back

# --- The second opening, in Myanmar romaji: where the first closed, two pages. -------------
drv select TMainFrm $MODE_BOX 3
open_pad
[[ $(drv rect TPadFrm) == "$moved" ]] || fail "the second PAD is at $(drv rect TPadFrm), the first closed at $moved"
box_is TPadFrm $AUTO_PASTE 0 || fail "the second PAD's automatic paste box is checked"
drv tabrect TPadFrm $PAGES 1 >/dev/null || fail "the second PAD has no second tab"
if drv tabrect TPadFrm $PAGES 2 >/dev/null; then fail "the MS IME page shows in Myanmar romaji"; fi
drv type TPadFrm k
drv wait TBandFrm 5000 >/dev/null || fail "k opened no Myanmar candidates"
screenshot pad_myanmar
drv key TBandFrm 0x1B
drv gone TBandFrm 3000 || fail "the Myanmar band stayed open"
drv close TPadFrm
drv gone TPadFrm 5000 || fail "the second PAD did not close"
drv wait TMainFrm 5000 >/dev/null || fail "the main window did not come back the second time"

close_and_wait
echo "pad: ok"
