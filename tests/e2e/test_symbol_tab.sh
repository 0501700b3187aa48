# The symbol tab as a learner uses it: the Thai category is there at
# start-up, a cell click puts its character into Memo1 at the caret, a
# four-digit code and Enter insert that character, another category and a
# library set fill the grid.
source "$(dirname "$0")/lib.sh"

MEMO=131 LOWER=141 CODE_FIELD=201 GRID=204 LIBRARY=202 CATEGORY0=210

install_image
reset_user_data
start_and_wait

# The second tab of the lower pane.
drv clickin TMainFrm $LOWER 120 10
read -r gl gt gr gb < <(drv childrect TMainFrm $GRID)
((gr - gl > 300)) || fail "the grid is only $((gr - gl)) pixels wide"
p=$(((gr - gl - 31) / 20))
cell_centre() { echo "$((8 + p * ($1 % 20) + p / 2)) $((60 - 56 + (p + 1) * ($1 / 20) + p / 2))"; }
screenshot symbol-tab-thai

# Cell 0 of the Thai category is ก; cell 60 is ะ.
read -r x y < <(cell_centre 0)
drv clickin TMainFrm $GRID "$x" "$y"
read -r x y < <(cell_centre 60)
drv clickin TMainFrm $GRID "$x" "$y"
[[ $(drv text TMainFrm $MEMO) == "กะ" ]] || fail "Memo1 holds '$(drv text TMainFrm $MEMO)' after two cells"

# A code in lower case shows nothing; in upper case, Enter inserts it.
drv clickin TMainFrm $CODE_FIELD 10 10
drv type TMainFrm 0E02
drv key TMainFrm 0x0D
[[ $(drv text TMainFrm $MEMO) == "กะข" ]] || fail "Memo1 holds '$(drv text TMainFrm $MEMO)' after the code"

# "Khm1" fills the Khmer letters; "矢 印" releases it and fills the arrows.
drv click TMainFrm $((CATEGORY0 + 8))
screenshot symbol-tab-khmer
read -r x y < <(cell_centre 0)
drv clickin TMainFrm $GRID "$x" "$y"
[[ $(drv text TMainFrm $MEMO) == "กะขក" ]] || fail "Memo1 holds '$(drv text TMainFrm $MEMO)' after a Khmer cell"
drv select TMainFrm $LIBRARY 6
read -r x y < <(cell_centre 99)
drv clickin TMainFrm $GRID "$x" "$y"
[[ $(drv text TMainFrm $MEMO) == "กะขក⇳" ]] || fail "Memo1 holds '$(drv text TMainFrm $MEMO)' after an arrow"
screenshot symbol-tab-arrows
close_and_wait
echo "symbol tab: ok"
