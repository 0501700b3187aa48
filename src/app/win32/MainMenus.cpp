#include "app/win32/MainMenus.h"

#include <string>

#include "app/MainModel.h"

namespace tess {

namespace {

void Item(HMENU menu, UINT id, const wchar_t* caption) { AppendMenuW(menu, MF_STRING, id, caption); }
// An item that runs what a function key runs names the key, as Windows
// menus do ("単語登録\tF4").
void KeyItem(HMENU menu, UINT id, std::u16string caption, MainAction action) {
    caption += u"\t" + FunctionKeyName(action);
    AppendMenuW(menu, MF_STRING, id, reinterpret_cast<const wchar_t*>(caption.c_str()));
}
void Separator(HMENU menu) { AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); }

HMENU Popup(HMENU bar, const wchar_t* caption) {
    HMENU menu = CreatePopupMenu();
    AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu), caption);
    return menu;
}

}  // namespace

MainMenus CreateMainMenus() {
    MainMenus m;
    m.bar = CreateMenu();

    m.file = Popup(m.bar, L"ファイル (&F)");
    Item(m.file, kMenuFileOpen, L"開く");
    Item(m.file, kMenuFileSave, L"上書き保存");
    Item(m.file, kMenuFileSaveAs, L"名前を付けて保存");
    Separator(m.file);
    Item(m.file, kMenuFileExit, L"終了(&X)");

    m.edit = Popup(m.bar, L"編集 (&E)");
    Item(m.edit, kMenuEditUndo, L"元に戻す(&U)\tCtrl+Z");
    Separator(m.edit);
    Item(m.edit, kMenuEditCut, L"切り取り(&T)\tCtrl+X");
    Item(m.edit, kMenuEditCopy, L"コピー(&C)\tCtrl+C");
    Item(m.edit, kMenuEditPaste, L"貼り付け(&P)\tCtrl+V");
    Item(m.edit, kMenuEditDelete, L"削除(&D)");
    Item(m.edit, kMenuEditSelectAll, L"すべてを選択(&A)\tCtrl+A");
    Separator(m.edit);
    Item(m.edit, kMenuEditWordWrap, L"右端で折り返す");
    Item(m.edit, kMenuEditScrollBars, L"スクロールバーを表示する");

    m.ime = Popup(m.bar, L"IME指定 (&I)");
    Item(m.ime, kMenuImeKedmanee, L"タイ語 Kedmanee");
    Item(m.ime, kMenuImePattachote, L"タイ語 Pattachote");

    m.wordBook = Popup(m.bar, L"単語帳 (&W)");
    Item(m.wordBook, kMenuWbNew, L"単語帳の新規作成");
    Item(m.wordBook, kMenuWbProperties, L"単語帳のプロパティ変更");
    Item(m.wordBook, kMenuWbDelete, L"単語帳の削除");
    Separator(m.wordBook);
    Item(m.wordBook, kMenuWbGroupNames, L"グループ名編集");
    Separator(m.wordBook);
    Item(m.wordBook, kMenuWbMakeDictionary, L"一括辞書ファイル生成");
    Separator(m.wordBook);
    Item(m.wordBook, kMenuWbMediaPlayer, L"音声ファイルをWMPで再生する");
    Separator(m.wordBook);
    KeyItem(m.wordBook, kMenuWbSearch, u"単語帳検索", MainAction::SearchWord);
    Separator(m.wordBook);
    KeyItem(m.wordBook, kMenuWbRegWord, u"単語登録", MainAction::RegWord);
    KeyItem(m.wordBook, kMenuWbModWord, u"単語編集", MainAction::ModWord);
    Item(m.wordBook, kMenuWbMoveWord, L"単語移動");
    Item(m.wordBook, kMenuWbJump, L"ジャンプ (&J)");
    Item(m.wordBook, kMenuWbDeleteWord, L"単語削除");
    Separator(m.wordBook);
    Item(m.wordBook, kMenuWbClose, L"単語帳を閉じる");
    Separator(m.wordBook);
    Item(m.wordBook, kMenuWbAnkiExport, L"Ankiへ書き出し");

    // The transfer modes' items are made each time the menu opens.
    m.transfer = Popup(m.bar, L"転送モード(&M)");

    m.option = Popup(m.bar, L"オプション(&O)");
    KeyItem(m.option, kMenuOptionSettings, u"設定(&S)", MainAction::Option);

    m.tool = Popup(m.bar, L"ツール (&T)");
    Item(m.tool, kMenuToolSymbolDb, L"記号データベース");
    Item(m.tool, kMenuToolCandEditor, L"候補エディタ");
    Separator(m.tool);
    Item(m.tool, kMenuToolHtml, L"一覧HTML作成ツール");
    Separator(m.tool);
    Item(m.tool, kMenuToolConvert, L"単語帳変換ツール");
    Separator(m.tool);
    Item(m.tool, kMenuToolCodeChecker, L"コード値チェッカー");

    m.help = Popup(m.bar, L"ヘルプ (&H)");
    Item(m.help, kMenuHelp, L"ヘルプ");
    Item(m.help, kMenuAbout, L"バージョン情報");
    return m;
}

}  // namespace tess
