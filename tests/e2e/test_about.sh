# The about box: opened from the help menu, it names the program and its
# version from the one place the program keeps them, and "OK" closes it.
source "$(dirname "$0")/lib.sh"

MENU_ABOUT=1051

install_image
start_and_wait
drv command TMainFrm $MENU_ABOUT &
opener=$!
drv wait '#32770' 10000 >/dev/null || fail "the about box did not open"
[[ $(drv title '#32770') == "バージョン情報" ]] || fail "the box is titled '$(drv title '#32770')'"
version=$(sed -n 's/.*kProgramVersion\[\] = u"\([^"]*\)".*/\1/p' "$(dirname "$0")/../../src/app/AppIdentity.h")
[[ -n $version ]] || fail "no version in AppIdentity.h"
screenshot about_box
drv key '#32770' 0x0D
drv gone '#32770' 5000 || fail "OK did not close the box"
wait "$opener"
close_and_wait
echo "about box: ok"
