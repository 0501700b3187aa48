# Where the keys go, as a user works: after switching to another program and
# back, after a message box, after a pick in the size box the user goes on
# typing where they were, without clicking a field again.
source "$(dirname "$0")/lib.sh"

MEMO=131 EDIT=130 SIZE_BOX=121 CODE_CHECKER=1044

install_image
reset_user_data

start_notepad
start_and_wait

drv click TMainFrm $MEMO
drv type TMainFrm g
[[ $(drv text TMainFrm $MEMO) == "ง" ]] || fail "g gave '$(drv text TMainFrm $MEMO)'"

# Away to Notepad and back, as Alt+Tab or the taskbar does it.
drv activate Notepad || fail "could not bring Notepad to the front"
drv activate TMainFrm || fail "could not bring the program back"
[[ $(drv focus TMainFrm) == $MEMO ]] || fail "back in the program the focus is on control $(drv focus TMainFrm)"
drv type TMainFrm g
[[ $(drv text TMainFrm $MEMO) == "งง" ]] || fail "after coming back g gave '$(drv text TMainFrm $MEMO)'"

# The same from the phonetic line: the focus comes back there.
# Lower-case letters are plain text there.
drv key TMainFrm 0x70  # F1
drv type TMainFrm a
drv activate Notepad || fail "could not bring Notepad to the front"
drv activate TMainFrm || fail "could not bring the program back"
drv type TMainFrm b
[[ $(drv text TMainFrm $EDIT) == "ab" ]] || fail "the phonetic line holds '$(drv text TMainFrm $EDIT)'"
[[ $(drv text TMainFrm $MEMO) == "งง" ]] || fail "the foreign area changed to '$(drv text TMainFrm $MEMO)'"

# A message box: the code value checker tells where its result goes.
drv key TMainFrm 0x70  # F1: back to the foreign area
# The command returns once the box has closed: it runs in the background.
drv command TMainFrm $CODE_CHECKER &
checker=$!
drv wait '#32770' 10000 >/dev/null || fail "the code value checker showed no message"
drv key '#32770' 0x0D
drv gone '#32770' 5000 || fail "the message box stayed open"
wait "$checker"
drv type TMainFrm g
[[ $(drv text TMainFrm $MEMO) == "งงง" ]] || fail "after the message box g gave '$(drv text TMainFrm $MEMO)'"

# A size picked from the size box's list: the next letters are text again.
drv click TMainFrm $SIZE_BOX
drv key TMainFrm 0x73  # F4 drops the list down
drv key TMainFrm 0x28  # Down
drv key TMainFrm 0x0D  # Enter
size=$(drv text TMainFrm $SIZE_BOX)
[[ $size =~ ^[0-9]+$ ]] || fail "the size box shows '$size'"
drv type TMainFrm g
[[ $(drv text TMainFrm $MEMO) == "งงงง" ]] || fail "after the size pick g gave '$(drv text TMainFrm $MEMO)'"
[[ $(drv text TMainFrm $SIZE_BOX) == "$size" ]] || fail "the size box took the typing: '$(drv text TMainFrm $SIZE_BOX)'"

close_and_wait
echo "focus: ok"
