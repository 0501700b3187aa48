# The panes keep their sizes across restarts, whatever the user did to the
# window: the frame dragged taller, closed while maximised or minimised.
# Each start shows the layout the last close left, never a shrinking input
# area.
source "$(dirname "$0")/lib.sh"

MEMO=131 FONT_BOX=120 KEYBOARDS=140 LOWER=141 MODE_BOX=122 STRETCH_CHECK=123 BOOK_LIST=11 STATUS=150

install_image
reset_user_data

layout() {  # the foreign area's and the lower pane's rectangles
    echo "$(drv childrect TMainFrm $MEMO) / $(drv childrect TMainFrm $LOWER)"
}

restart() {
    close_and_wait
    start_and_wait
}

start_and_wait
drv dragborder TMainFrm 58
read -r _ top _ bottom < <(drv rect TMainFrm)
((bottom - top > 710 + 40)) || fail "dragging the frame did not make the window taller ($((bottom - top)))"
restart
after_drag=$(layout)
read -r _ mt _ mb _ < <(drv childrect TMainFrm $MEMO)
((mb - mt >= 100)) || fail "the foreign area is only $((mb - mt)) pixels high after the drag"
for run in 1 2 3; do
    restart
    [[ $(layout) == "$after_drag" ]] || fail "start $run after the drag: $(layout), expected $after_drag"
done
screenshot panes_after_restarts

# The splitter between the top-left panel and the font panel (x 560 to 564)
# drags: the font panel grows, and keeps its width at the next start.
read -r fl _ fr _ < <(drv childrect TMainFrm $FONT_BOX)
drv dragin TMainFrm 562 30 -40 0
read -r nl _ nr _ < <(drv childrect TMainFrm $FONT_BOX)
((nr - nl >= fr - fl + 30 && nr - nl <= fr - fl + 50)) || fail "dragging the top splitter 40 pixels left the font box $((nr - nl)) wide (was $((fr - fl)))"
restart
read -r rl _ rr _ < <(drv childrect TMainFrm $FONT_BOX)
[[ "$rl $rr" == "$nl $nr" ]] || fail "after a restart the font box is at $rl-$rr, was $nl-$nr"
after_drag=$(layout)

drv sys TMainFrm maximize
restart
[[ $(layout) == "$after_drag" ]] || fail "after a maximised close: $(layout), expected $after_drag"

drv sys TMainFrm minimize
restart
[[ $(layout) == "$after_drag" ]] || fail "after a minimised close: $(layout), expected $after_drag"

# Dragged by its corner as small as it goes, the window still shows every
# control of the top bar whole (the language chooser, the font box, 下伸び)
# and rows of the book list.
drv dragborder TMainFrm -500 -700
read -r width height < <(drv client TMainFrm)
for id in $FONT_BOX $MODE_BOX $STRETCH_CHECK; do
    read -r _ _ right _ < <(drv childrect TMainFrm $id)
    ((right <= width)) || fail "control $id ends at $right, past the ${width}-pixel client area"
done
read -r _ bt _ bb < <(drv childrect TMainFrm $BOOK_LIST)
((bb - bt >= 80)) || fail "the book list is only $((bb - bt)) pixels high at the smallest window"
[[ $(drv listitems TMainFrm $BOOK_LIST | wc -l) -ge 3 ]] || fail "the book list lost its rows"
# The folder panel of the status bar takes the room there is, to the edge
# (less the size grip).
read -r _ _ panel_right _ < <(drv statusrect TMainFrm $STATUS 1)
((panel_right >= width - 24)) || fail "the folder panel ends at $panel_right of $width"
# A path longer than the panel leaves out its middle: the word count at its
# end still shows.
folder_text=$(drv statustext TMainFrm $STATUS 1)
[[ $folder_text == "●単語帳フォルダ"*"]" ]] || fail "the folder panel shows '$folder_text'"
screenshot panes_smallest

close_and_wait
echo "panes: ok"
