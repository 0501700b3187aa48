# The program starts, shows its main window "Tessaline", refuses a second
# instance without a second window, and ends when its window is closed.
source "$(dirname "$0")/lib.sh"

install_image
start_program
first=$LAST_PID
drv wait TMainFrm 30000 >/dev/null || fail "the main window did not appear"
title=$(drv title TMainFrm)
[[ $title == "Tessaline" ]] || fail "caption is '$title', expected 'Tessaline'"

# A second start ends at once, silently, and leaves the first untouched.
start_program
second=$LAST_PID
wait_pid_gone "$second" 20 || fail "the second instance kept running"
count=$(drv count TMainFrm)
[[ $count == 1 ]] || fail "$count main windows after a second start"
kill -0 "$first" 2>/dev/null || fail "the first instance ended when the second started"

# Closing the window ends the process.
drv close TMainFrm || fail "could not close the main window"
wait_pid_gone "$first" 20 || fail "the program did not end after its window closed"
drv gone TMainFrm 5000 || fail "a main window is still there"
echo "startup: ok"
