# The help menu's "ヘルプ" opens Tessaline.chm, which the installation image
# holds in its Help folder, in the system's help viewer.
source "$(dirname "$0")/lib.sh"

MENU_HELP=1050
VIEWER='HH Parent'  # the help viewer's main window

install_image
[[ -f $INSTALL_DIR/Help/Tessaline.chm ]] || fail "the image has no Help\\Tessaline.chm"
start_and_wait
drv command TMainFrm $MENU_HELP
drv wait "$VIEWER" 20000 >/dev/null || fail "the help viewer did not open"
title=$(drv title "$VIEWER")
# The title is Shift_JIS in the file: only a Japanese system shows it as
# written, so the test checks the part every code page agrees on.
[[ $title == "Tessaline "* ]] || fail "the viewer is titled '$title'"
sleep 1
screenshot help_viewer
drv close "$VIEWER"
drv gone "$VIEWER" 10000 || fail "the help viewer did not close"
close_and_wait
echo "help: ok"
