# "右端で折り返す" and "スクロールバーを表示する" recreate the foreign area: it keeps
# its text and selection, and shows the wrapping the check mark says, from
# the start of each line.
source "$(dirname "$0")/lib.sh"

MEMO=131 WORD_WRAP=1016 SCROLL_BARS=1017

install_image
reset_user_data
start_and_wait

drv click TMainFrm $MEMO
long=$(printf 'g%.0s' $(seq 60))
drv type TMainFrm "$long"
text=$(drv text TMainFrm $MEMO)
[[ ${#text} == 60 ]] || fail "typed 60 keys, the area holds ${#text} characters"

lines() { drv lines TMainFrm $MEMO; }
read -r count x < <(lines)
[[ $count == 1 ]] || fail "without wrapping the long line shows as $count lines"

drv command TMainFrm $WORD_WRAP
[[ $(drv text TMainFrm $MEMO) == "$text" ]] || fail "wrapping lost the text"
read -r count x < <(lines)
((count > 1)) || fail "wrapping on, the line is not wrapped ($count line)"
((x >= 0)) || fail "wrapped, the text is scrolled sideways (first character at $x)"
drv type TMainFrm g
read -r count x < <(lines)
((x >= 0)) || fail "after the next key the text is scrolled sideways (first character at $x)"
[[ $(drv text TMainFrm $MEMO) == "${text}ง" ]] || fail "the next key did not go to the end"
screenshot wrapped

drv command TMainFrm $SCROLL_BARS
read -r count x < <(lines)
((count > 1)) || fail "with scroll bars the wrapped line is one line again"
[[ $(drv text TMainFrm $MEMO) == "${text}ง" ]] || fail "the scroll bars lost the text"
screenshot wrapped_scroll_bars

drv command TMainFrm $WORD_WRAP
read -r count x < <(lines)
[[ $count == 1 ]] || fail "wrapping off, the line still shows as $count lines"

close_and_wait
echo "wrap: ok"
