# The panes keep their sizes across restarts, whatever the user did to the
# window: the frame dragged taller, closed while maximised or minimised.
# Each start shows the layout the last close left, never a shrinking input
# area.
source "$(dirname "$0")/lib.sh"

MEMO=131 FONT_BOX=120 KEYBOARDS=140 LOWER=141

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
((nr - nl >= fr - fl + 30)) || fail "dragging the top splitter left the font box $((nr - nl)) wide (was $((fr - fl)))"
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

close_and_wait
echo "panes: ok"
