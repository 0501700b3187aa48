# The installer as a user meets it, in a Wine prefix of its own: "setup.exe
# /S" installs the program and the installation image into Program Files
# with a Start menu entry and the uninstall entry (its version the
# program's); the installed program starts and shows its main window, and
# while it runs neither setup.exe nor uninstall.exe changes anything; a
# word book the user made and the settings survive installing again over it
# when the version-up copy runs at the next start (the version marker made
# that of an older version); "uninstall.exe /S" takes away the program
# folder, the entry and the shortcut and leaves the user's folders; a file
# the user put into the program folder stays there.
set -euo pipefail

# A prefix of this test's own, copied from the session's booted template and
# removed at the end: the other tests' prefix never sees an installation.
SESSION_PREFIX=$WINEPREFIX
export WINEPREFIX=$WINE_SESSION_STATE/installer-prefix
rm -rf "$WINEPREFIX"
cp -a "$(dirname "$WINE_SESSION_STATE")/wine-template" "$WINEPREFIX"
wineserver -p >/dev/null 2>&1
wine explorer /desktop=Installer,1280x900 >/dev/null 2>&1 &
DESKTOP_PID=$!

source "$(dirname "$0")/lib.sh"

end_prefix() {
    cleanup_started
    kill "$DESKTOP_PID" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
}
trap end_prefix EXIT
[[ $WINEPREFIX != "$SESSION_PREFIX" ]] || fail "the test runs in the session's prefix"

SETUP=$(dirname "$TESSALINE_EXE")/setup.exe
[[ -f $SETUP ]] || fail "no $SETUP (is makensis installed?)"
SOURCE_DIR=$(cd "$IMAGE_DIR/.." && pwd)
VERSION=$(sed -n 's/^inline constexpr char16_t kProgramVersion\[\] = u"\([^"]*\)";.*/\1/p' \
    "$SOURCE_DIR/src/app/AppIdentity.h")
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessaline'
UNINSTALL='C:\Program Files\Quillory\Tessaline\uninstall.exe'

# The value NAME of the uninstall entry; fails when the entry is not there.
entry_value() {
    wine reg query "$UNINSTALL_KEY" /v "$1" 2>/dev/null | tr -d '\r' |
        awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}
entry_present() { wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1; }
shortcuts() { find "$WINEPREFIX/drive_c" -name 'Tessaline*.lnk' 2>/dev/null; }
files_under() { (cd "$1" && find . -type f | sed 's:^\./::' | LC_ALL=C sort); }

install() {
    wine "Z:${SETUP//\//\\}" /S || fail "setup.exe /S failed"
    [[ -f $INSTALL_DIR/tessaline.exe ]] || fail "setup.exe /S installed no program"
}
# Runs the uninstaller silently and waits for it to end (it runs on from a
# copy of itself, so the call returns before the work is done).
uninstall() {
    wine "$UNINSTALL" /S || fail "uninstall.exe /S failed"
    local deadline=$((SECONDS + 60))
    while [[ -e $INSTALL_DIR/uninstall.exe ]] || entry_present; do
        ((SECONDS < deadline)) || fail "the uninstaller did not finish"
        sleep 0.5
    done
}

# --- Installed -------------------------------------------------------------------------------
install
# The image, the program, its uninstaller, and the help file built beside the program.
expected=$( (files_under "$IMAGE_DIR"; echo tessaline.exe; echo uninstall.exe
             [[ ! -f $(dirname "$TESSALINE_EXE")/Tessaline.chm ]] || echo Help/Tessaline.chm) | LC_ALL=C sort)
[[ $(files_under "$INSTALL_DIR") == "$expected" ]] ||
    fail "installed files differ from the image: $(diff <(echo "$expected") <(files_under "$INSTALL_DIR"))"
for leaf in Sys Tbl bookA bookG MyanmarA MyanmarG LaosA LaosG KhmerA KhmerG Help; do
    [[ -d $INSTALL_DIR/$leaf ]] || fail "no folder $leaf in the program folder"
done
[[ -n $VERSION && $(entry_value DisplayVersion) == "$VERSION" ]] ||
    fail "the uninstall entry's version is '$(entry_value DisplayVersion)', the program's '$VERSION'"
[[ $(entry_value DisplayName) == Tessaline && $(entry_value Publisher) == Quillory ]] ||
    fail "the uninstall entry names '$(entry_value DisplayName)' by '$(entry_value Publisher)'"
[[ $(entry_value UninstallString) == "\"$UNINSTALL\"" ]] ||
    fail "UninstallString is '$(entry_value UninstallString)'"
[[ $(entry_value DisplayIcon) == *'\tessaline.exe,0' ]] || fail "DisplayIcon is '$(entry_value DisplayIcon)'"
[[ $(entry_value EstimatedSize) == 0x* && $(entry_value EstimatedSize) != 0x0 ]] ||
    fail "EstimatedSize is '$(entry_value EstimatedSize)'"
shortcuts | grep -q '/Tessaline/Tessaline.lnk$' || fail "no Start menu entry: $(shortcuts)"

# --- The installed program starts (a first start: the shipped files are copied) ------------
start_and_wait
sleep 1  # the window fills its panes after it shows
screenshot installer-started
# While it runs, neither the installer nor the uninstaller goes on: a silent
# run ends with error level 2 and leaves every file as it was.
before=$(cd "$INSTALL_DIR" && find . -type f -printf '%p %s %T@\n' | LC_ALL=C sort)
status=0
wine "Z:${SETUP//\//\\}" /S || status=$?
[[ $status == 2 ]] || fail "setup.exe ran beside the running program (status $status)"
# The uninstaller's stub starts a copy of itself and returns at once (a "_?="
# run in place cannot be given a folder with a blank from here): the copy's
# refusal shows as nothing changing while it would have been at work.
wine "$UNINSTALL" /S || fail "uninstall.exe /S did not start"
for _ in $(seq 10); do
    sleep 0.5
    [[ $(cd "$INSTALL_DIR" && find . -type f -printf '%p %s %T@\n' | LC_ALL=C sort) == "$before" ]] ||
        fail "the program folder changed while the program ran"
done
entry_present || fail "the uninstall entry went while the program ran"
close_and_wait
marker=$(cd "$SYS_DIR" && ls Leaf*.txt)
[[ $marker == Leaf*.txt && $(wc -l <<<"$marker") == 1 ]] || fail "the first start left markers '$marker'"
SETTINGS=$SYS_DIR/Morvane_A.rng
[[ -f $SETTINGS ]] || fail "no settings file after the first exit"

# The user's own book, and a sample book the user changed.
MY_BOOK=$DOCUMENTS_DIR/bookA/my_words.utx
write_book "$MY_BOOK" "私の単語" "" "" '"น้ำ","náːm","ナーム","水","","",""'
cp "$MY_BOOK" "$WINE_SESSION_STATE/installer-my-book.utx"
SAMPLE=$(cd "$IMAGE_DIR/bookA" && ls *.utx | head -n1)
printf 'changed by the user' >>"$DOCUMENTS_DIR/bookA/$SAMPLE"

# --- Installed again over it, as a new version --------------------------------------------
mv "$SYS_DIR/$marker" "$SYS_DIR/Leaf100.txt"
install
[[ $(entry_value DisplayVersion) == "$VERSION" ]] || fail "the second install changed the entry"
start_and_wait
close_and_wait
[[ -f $SYS_DIR/$marker && ! -e $SYS_DIR/Leaf100.txt ]] ||
    fail "the version-up did not run: $(ls "$SYS_DIR")"
cmp -s "$IMAGE_DIR/bookA/$SAMPLE" "$DOCUMENTS_DIR/bookA/$SAMPLE" ||
    fail "the version-up did not refresh the sample book $SAMPLE"
cmp -s "$WINE_SESSION_STATE/installer-my-book.utx" "$MY_BOOK" || fail "the user's book changed"
rm -f "$WINE_SESSION_STATE/installer-my-book.utx"
[[ -f $SETTINGS ]] || fail "the settings file is gone after installing again"

# --- Uninstalled ---------------------------------------------------------------------------
cp "$SETTINGS" "$WINE_SESSION_STATE/installer-settings.rng"
uninstall
[[ ! -e $INSTALL_DIR ]] || fail "the program folder is left: $(find "$INSTALL_DIR")"
[[ -z $(shortcuts) ]] || fail "Start menu entries are left: $(shortcuts)"
[[ -f $MY_BOOK ]] || fail "the uninstaller removed the user's book"
cmp -s "$WINE_SESSION_STATE/installer-settings.rng" "$SETTINGS" ||
    fail "the uninstaller changed or removed the settings"
rm -f "$WINE_SESSION_STATE/installer-settings.rng"
[[ -n $(ls "$DOCUMENTS_DIR/bookA") && -f $SYS_DIR/$marker ]] || fail "the user's folders were emptied"

# A file the user put into the program folder is not the uninstaller's to take.
install
printf 'mine' >"$INSTALL_DIR/bookA/my notes.txt"
uninstall
[[ $(files_under "$INSTALL_DIR") == "bookA/my notes.txt" ]] ||
    fail "after uninstalling, the program folder holds: $(files_under "$INSTALL_DIR")"
