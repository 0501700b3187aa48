#!/usr/bin/env bash
# Refreshes the help's pictures from the screenshots the end-to-end tests
# take of the real program (run the e2e tests first):
#   scripts/help-screenshots.sh [screenshot folder]
# Each picture is trimmed to the windows on the desktop and kept at most
# 720 pixels wide. The pictures are committed, so that the help compiles
# from a clean clone before any test has run.
set -euo pipefail
cd "$(dirname "$0")/.."
shots=${1:-build/$(scripts/wine-arch.sh)/wine-session/screenshots}
# e2e screenshot : help picture
pictures=(
    wordbooks-started:main-window
    band_popup:candidate-band
    cand_list_popup:candidate-list
    keyboard_phonetic:keyboard-phonetic
    wordpad_transfer:transfer-wordpad
    target_held:transfer-target
    symbol-tab-thai:symbol-tab
    pad_romaji:pad
    wordbooks-open-shut:word-book-open
    word-dialogs-register:register-word
    search-results:search
    book-dialogs-new:new-book
    dictionary-listed:dictionary
    settings-page-0:settings
    symbol-db-editor-row:symbol-db-editor
    cand-editor-key:cand-editor
    list_html:list-html
    converter:converter
    about_box:about
)
for pair in "${pictures[@]}"; do
    from=$shots/${pair%%:*}.png
    to=help/images/${pair##*:}.png
    [[ -f $from ]] || { echo "help-screenshots: no $from (run the end-to-end tests)" >&2; exit 1; }
    convert "$from" -fuzz 3% -trim +repage -resize '720x>' -strip -colors 128 "$to"
done
echo "help-screenshots: ${#pictures[@]} pictures in help/images"
