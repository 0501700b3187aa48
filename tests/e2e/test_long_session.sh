# A long sitting: rounds of romaji typed with trigger keys and popups, F9
# transfers into Notepad, the word list clicked, scrolled and sorted, the PAD
# opened and closed, the symbol tab's categories switched. The program's GDI
# and USER objects, its windows and its memory are read after a warm-up round
# and after the run; they must stay flat within the tolerances below.
source "$(dirname "$0")/lib.sh"

MEMO=131 PAD_BUTTON=105 LOWER=141 WORD_LIST=10 BOOK_LIST=11 DOOR=25 CATEGORY0=210 TRANSFER_MENU=1100
ROUNDS=${LONG_SESSION_ROUNDS:-6}
# Allowed growth from the warm-up to the end. (Wine answers GetGuiResources
# with 0, so there the window count and the memory carry the check.)
GDI_TOLERANCE=15 USER_TOLERANCE=10 WINDOWS_TOLERANCE=2 MEMORY_TOLERANCE_KB=3072

install_image
reset_user_data
BOOK=$DOCUMENTS_DIR/bookA/e2e.utx
lines=()
for i in $(seq 40); do lines+=("\"ก$i\",\"ka$i\",\"カ\",\"語$i\",\"\",\"\",\"\""); done
write_book "$BOOK" "E2E長い" "" "" "${lines[@]}"

start_notepad
start_and_wait

# Notepad in front once makes it the target.
drv activate Notepad || fail "could not bring Notepad to the front"
for _ in $(seq 50); do [[ $(drv title TMainFrm) == *"転送先"* ]] && break; sleep 0.1; done
[[ $(drv title TMainFrm) == *"転送先"* ]] || fail "Notepad was not taken as the target"
drv activate TMainFrm

# The round's typing and transfer leave no book open: it is opened from the
# book list, the panel opened first when it is shut.
open_book() {
    local bx by
    sleep 0.5
    [[ $(drv text TMainFrm $DOOR) == "→" ]] || drv click TMainFrm $DOOR
    wait_door "→"
    read -r bx by < <(drv listrow TMainFrm $BOOK_LIST "E2E長い") || fail "the book is not listed"
    drv clickin TMainFrm $BOOK_LIST "$bx" "$by"
    wait_door "←"
    [[ $(drv itemcount TMainFrm $WORD_LIST) == 40 ]] || fail "the book did not open"
}

one_round() {
    local i
    # The PAD opened with its toolbar button and closed (its "s" left a
    # candidate popup open: the PAD closes under it).
    drv click TMainFrm $MEMO
    drv click TMainFrm $PAD_BUTTON
    drv wait TPadFrm 10000 >/dev/null || fail "the PAD button opened no PAD"
    drv type TPadFrm sawatdii
    drv close TPadFrm
    drv gone TPadFrm 5000 || fail "the PAD did not close"
    drv wait TMainFrm 10000 >/dev/null || fail "the main window did not come back"
    # Romaji with trigger keys (k opens a popup, a digit picks).
    drv click TMainFrm $MEMO
    drv command TMainFrm $((TRANSFER_MENU + 5))
    for i in 1 2 3 4; do
        drv type TMainFrm sawatdii
        drv type TMainFrm k
        drv wait TBandFrm 5000 >/dev/null || fail "k opened no popup"
        drv type TBandFrm $((i % 2 + 1))
        drv gone TBandFrm 3000 || fail "the popup stayed open"
    done
    # F9 into Notepad (every round: also after the PAD was closed over its
    # popup), then the areas emptied for the next round.
    local before
    before=$(drv childtext Notepad Edit)
    drv key TMainFrm 0x78
    for _ in $(seq 50); do [[ $(drv childtext Notepad Edit) != "$before" ]] && break; sleep 0.1; done
    [[ $(drv childtext Notepad Edit) != "$before" ]] || fail "F9 sent nothing to Notepad"
    drv activate TMainFrm
    drv click TMainFrm $MEMO
    drv key TMainFrm 0x08 40
    # The word list: opened, a click, scrolling down and back, a sort answered Yes.
    open_book
    drv clickin TMainFrm $WORD_LIST 60 $((24 + 14))
    drv key TMainFrm 0x22 12  # Page Down
    drv key TMainFrm 0x21 12  # Page Up
    drv clickin TMainFrm $WORD_LIST 60 10
    drv wait '#32770' 5000 >/dev/null || fail "no confirmation before the sort"
    drv key '#32770' 0x0D
    drv gone '#32770' 5000 || fail "the confirmation stayed open"
    # The symbol tab: every category in turn, then back to the keyboards.
    drv clickin TMainFrm $LOWER 120 10
    for i in 0 1 2 3 4 5 6 7 8; do drv click TMainFrm $((CATEGORY0 + i)); done
    drv clickin TMainFrm $LOWER 30 10
}

settle() { sleep 2; drv resources TMainFrm || fail "the driver could not read the resources"; }

one_round  # warm-up: fonts, caches and windows made once
read -r gdi0 user0 windows0 page0 set0 < <(settle)
screenshot long-session-start
for round in $(seq "$ROUNDS"); do one_round; done
read -r gdi1 user1 windows1 page1 set1 < <(settle)
screenshot long-session-end

echo "after the warm-up: GDI $gdi0, USER $user0, windows $windows0, pagefile ${page0} KB, working set ${set0} KB"
echo "after $ROUNDS rounds: GDI $gdi1, USER $user1, windows $windows1, pagefile ${page1} KB, working set ${set1} KB"
((gdi1 - gdi0 <= GDI_TOLERANCE)) || fail "GDI objects grew from $gdi0 to $gdi1"
((user1 - user0 <= USER_TOLERANCE)) || fail "USER objects grew from $user0 to $user1"
((windows1 - windows0 <= WINDOWS_TOLERANCE)) || fail "windows grew from $windows0 to $windows1"
((page1 - page0 <= MEMORY_TOLERANCE_KB)) || fail "memory grew from ${page0} KB to ${page1} KB"
close_and_wait
