# A first start in a fresh profile creates the data folders and the version
# marker, copies the shipped files and opens at the default geometry; closing
# writes the settings file with every key; the next start reads it.
source "$(dirname "$0")/lib.sh"

install_image
reset_user_data
start_and_wait

for dir in "$APPDATA_DIR"/{Sys,Tbl} "$DOCUMENTS_DIR"/{usr,bookA,bookG,MyanmarA,MyanmarG,LaosA,LaosG,KhmerA,KhmerG}; do
    [[ -d $dir ]] || fail "folder $dir was not created"
done
[[ $(od -An -c "$SYS_DIR/Leaf360.txt" | tr -d ' \n') == 'GF-RD1\r\n' ]] ||
    fail "Leaf360.txt does not hold GF-RD1 CR LF"
[[ -f $APPDATA_DIR/Tbl/DBThai.csv ]] || fail "the shipped tables were not copied"
cmp -s "$IMAGE_DIR/Sys/GroupName.txt" "$SYS_DIR/GroupName.txt" || fail "GroupName.txt was not copied"
[[ ! -e $SYS_DIR/Morvane_A.rng ]] || fail "a settings file exists before the first exit"

# Default geometry: 840 x 710, centred on the 1280 x 900 desktop (taller than 768).
read -r left top right bottom < <(drv rect TMainFrm)
[[ "$((right - left))x$((bottom - top))" == 840x710 ]] || fail "size $((right - left))x$((bottom - top))"
[[ $left == 220 && $top == 95 ]] || fail "default position $left,$top, expected 220,95"

close_and_wait
settings=$SYS_DIR/Morvane_A.rng
[[ -f $settings ]] || fail "closing wrote no settings file"
text=$(iconv -f UTF-16 -t UTF-8 "$settings" | tr -d '\r')
keys=$(cut -d, -f1 <<<"$text" | tr '\n' ' ')
[[ $keys == "MainLeft MainTop MainWidth MainHeight UnderHeight "* ]] || fail "key order: $keys"
[[ $keys == *" KhmerCandFile RomanBg MsImeBg IpaBg CandBg BandBg EiwaFlg "* ]] || fail "key order: $keys"
[[ $keys == *" AutoTransFlg " ]] || fail "last key: $keys"
grep -qx 'MainLeft,220' <<<"$text" || fail "MainLeft not saved: $(head -3 <<<"$text")"
grep -qx 'MainWidth,840' <<<"$text" || fail "MainWidth not saved"

# Move the window in the file: the next start opens there.
sed -e 's/^MainLeft,.*/MainLeft,100/' -e 's/^MainTop,.*/MainTop,50/' <<<"$text" |
    sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$settings"
# With the marker present nothing is copied again, even a table the user deleted.
rm "$APPDATA_DIR/Tbl/DBThai.csv"
start_and_wait
read -r left top right bottom < <(drv rect TMainFrm)
[[ $left == 100 && $top == 50 ]] || fail "saved position not used: $left,$top"
[[ "$((right - left))x$((bottom - top))" == 840x710 ]] || fail "saved size not used"
close_and_wait
[[ ! -e $APPDATA_DIR/Tbl/DBThai.csv ]] || fail "a second start copied the tables again"
echo "first start: ok"
