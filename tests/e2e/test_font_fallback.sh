# A language whose own font is missing is written in an installed font that
# draws every letter of the script itself, in a prefix that has the scripts'
# free fonts but none of the Windows ones: the session's stand-ins for
# "Khmer UI", "Lao UI" and "Myanmar Text" are taken away for this test, and
# Wine's Tahoma has no Thai. The settings dialog names the font in use under
# each language's chosen one.
source "$(dirname "$0")/lib.sh"

MODE_BOX=122 FONT_BOX=120 VK_F8=0x77
DLG='#32770=設定' TABS=1700
LANGUAGE_FONT_BOX=1751 FONT_IN_USE=1745  # + 0 Thai, 1 Myanmar, 2 Lao, 3 Khmer

REPLACEMENTS='HKCU\Software\Wine\Fonts\Replacements'
declare -A STAND_IN=(["Khmer UI"]="Noto Sans Khmer" ["Lao UI"]="Noto Sans Lao"
                     ["Myanmar Text"]="Noto Sans Myanmar")
restore_stand_ins() {
    local face
    for face in "${!STAND_IN[@]}"; do
        wine reg add "$REPLACEMENTS" /v "$face" /d "${STAND_IN[$face]}" /f >/dev/null 2>&1 || true
    done
}
trap 'cleanup_started; restore_stand_ins' EXIT
for face in "${!STAND_IN[@]}"; do
    wine reg delete "$REPLACEMENTS" /v "$face" /f >/dev/null 2>&1 || fail "could not take away $face"
done

# Which fonts draw what, asked of fontconfig (not of Wine, whose answer is
# under test): the system's fonts, the prefix's and Wine's own.
FC_DIR=$(mktemp -d)
cat >"$FC_DIR/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$WINEPREFIX/drive_c/windows/Fonts</dir>
  <dir>/usr/share/wine/fonts</dir>
  <cachedir>$FC_DIR/cache</cachedir>
</fontconfig>
EOF
font_draws() {  # FACE CHARSET: whether the family FACE has every code point of CHARSET
    [[ -n $(FONTCONFIG_FILE=$FC_DIR/fonts.conf fc-list ":family=$1:charset=$2" family) ]]
}

# Each language's everyday letters: consonants, the vowels written before
# and around them, tone marks, digits.
declare -A LETTERS=(
    [0]="e01-e2e e30-e3a e40-e4e e50-e59"                          # Thai
    [3]="1000-1021 102b-103e 1040-1049"                            # Myanmar
    [4]="e81 e82 e84 e87 e88 e8a e8d e94-e97 e99-e9f ea1-ea3 ea5 ea7 eaa eab ead-eb9 ebb-ebd ec0-ec4 ec6 ec8-ecd ed0-ed9"  # Lao
    [5]="1780-17a2 17b6-17d2 17e0-17e9"                            # Khmer
)
declare -A WINDOWS_FONT=([0]="" [3]="Myanmar Text" [4]="Lao UI" [5]="Khmer UI")

install_image
reset_user_data
start_and_wait
declare -A SHOWN
for item in 0 3 4 5; do
    drv select TMainFrm $MODE_BOX $item
    sleep 0.3
    face=$(drv text TMainFrm $FONT_BOX)
    SHOWN[$item]=$face
    [[ -n $face && $face != "${WINDOWS_FONT[$item]}" ]] || fail "mode item $item shows the missing font '$face'"
    font_draws "$face" "${LETTERS[$item]}" || fail "mode item $item writes in '$face', which lacks letters of its script"
done
drv select TMainFrm $MODE_BOX 4
screenshot font_fallback_lao

# The font page: under each language's chosen font, the font in use when it
# is another one (Lao UI and Khmer UI are missing, Wine's Tahoma lacks Thai).
drv key TMainFrm $VK_F8
drv wait "$DLG" 10000 >/dev/null || fail "F8 opened no settings dialog"
read -r left top right bottom < <(drv tabrect "$DLG" $TABS 2) || fail "no font tab"
drv clickin "$DLG" $TABS $(((left + right) / 2)) $(((top + bottom) / 2))
line=0
for item in 0 3 4 5; do
    chosen=$(drv text "$DLG" $((LANGUAGE_FONT_BOX + line)))
    said=$(drv text "$DLG" $((FONT_IN_USE + line)))
    expected="使用中：${SHOWN[$item]}"
    [[ $chosen == "${SHOWN[$item]}" ]] && expected=""
    [[ $said == "$expected" ]] || fail "the font page says '$said' under '$chosen' for mode item $item, expected '$expected'"
    line=$((line + 1))
done
[[ $(drv text "$DLG" $((LANGUAGE_FONT_BOX + 2))) == "Lao UI" ]] || fail "the Lao box no longer shows the chosen Lao UI"
screenshot font_fallback_settings
drv key "$DLG" 0x1B
drv gone "$DLG" 5000 || fail "Esc left the settings dialog open"
close_and_wait
echo "font fallback: ok"
