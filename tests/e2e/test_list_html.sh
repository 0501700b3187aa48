# The list HTML tool: a candidate file chosen, "作る" fills the page, "保存"
# writes it beside the tables in code page 932 with the chosen title.
source "$(dirname "$0")/lib.sh"

MENU_HTML=1042
TOOL='#32770=一覧HTML作成ツール'
CAND_FILE=1505 MAKE=1502 SAVE=1503 HTML=1515

install_image
reset_user_data
start_and_wait
drv postcommand TMainFrm $MENU_HTML
drv wait "$TOOL" 10000 >/dev/null || fail "the tool did not open"
drv select "$TOOL" $CAND_FILE 0
drv click "$TOOL" $MAKE
page=$(drv text "$TOOL" $HTML)
[[ $page == *"<title>"*"</title>"* && $page == *"&#x"* ]] || fail "the page: ${page:0:300}"
screenshot list_html
drv click "$TOOL" $SAVE
drv wait '#32770=Tessaline' 5000 >/dev/null && drv key '#32770=Tessaline' 0x0D
saved=$(ls "$APPDATA_DIR/Tbl/"*.html 2>/dev/null | head -1)
[[ -n $saved ]] || fail "no page saved in $APPDATA_DIR/Tbl"
iconv -f CP932 -t UTF-8 "$saved" | grep -q '<table' || fail "the saved page has no table"
drv close "$TOOL"
drv gone "$TOOL" 5000 || fail "the tool stayed open"
close_and_wait
echo "list html: ok"
