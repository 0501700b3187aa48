// The main window's word books: the "単語リスト" page of the lower pane and
// the "単語帳 (&W)" menu. The page's own events go to the word books' model;
// what opens another window goes through the main window's actions.
#include "app/win32/MainWindow.h"

#include <commctrl.h>

namespace tess {

void MainWindow::CreateWordBookPage(HWND tooltips) {
    // The page draws inside the tab control; it must not paint over it.
    SetWindowLongPtrW(controls_.lowerPages, GWL_STYLE,
                      GetWindowLongPtrW(controls_.lowerPages, GWL_STYLE) | WS_CLIPCHILDREN);
    wordBookPage_.Create(instance_, controls_.lowerPages, controls_.statusBar, tooltips,
                         controls_.formFont, model_.wordBooks());
    wordBookPage_.onAction = [this](WordBookAction action) { RunWordBookAction(action); };
    wordBookPage_.onNewBook = [this] { OpenNewBookDialog(); };
    wordBookPage_.onShowPage = [this] {
        SendMessageW(controls_.lowerPages, TCM_SETCURSEL, 0, 0);
        ShowSelectedLowerPage();
    };
    ShowSelectedLowerPage();
}

void MainWindow::PlaceLowerPages() {
    RECT r{};
    GetClientRect(controls_.lowerPages, &r);
    TabCtrl_AdjustRect(controls_.lowerPages, FALSE, &r);
    wordBookPage_.Place(r);
    symbolTabPage_.Place(r);
}

void MainWindow::ShowSelectedLowerPage() {
    const int tab = static_cast<int>(SendMessageW(controls_.lowerPages, TCM_GETCURSEL, 0, 0));
    wordBookPage_.Show(tab <= 0);
    symbolTabPage_.Show(tab == 1);
}

void MainWindow::RefreshSymbolTab(bool relayout) { symbolTabPage_.Refresh(relayout); }

void MainWindow::RunWordBookAction(WordBookAction action) {
    // Registration and editing are the main window's F4 and F5.
    switch (action) {
        case WordBookAction::RegWord: model_.RunAction(MainAction::RegWord); break;
        case WordBookAction::ModWord: model_.RunAction(MainAction::ModWord); break;
        case WordBookAction::DeleteWord: OpenDeleteWordDialog(); break;
        case WordBookAction::MoveWord: OpenMoveWordDialog(); break;
        case WordBookAction::DeleteWB: OpenDeleteBookDialog(); break;
        case WordBookAction::ChWBProp: OpenBookPropertiesDialog(); break;
        default: break;
    }
}

void MainWindow::OnInitWordBookMenu() {
    WordBooks& books = model_.wordBooks();
    HMENU menu = menus_.wordBook;
    auto enable = [menu](int id, bool on) { EnableMenuItem(menu, id, on ? MF_ENABLED : MF_GRAYED); };
    CheckMenuItem(menu, kMenuWbMediaPlayer, books.MediaPlayerChecked() ? MF_CHECKED : MF_UNCHECKED);
    enable(kMenuWbMakeDictionary, books.DictionaryGenerationEnabled());
    const std::pair<int, WordBookAction> items[] = {
        {kMenuWbProperties, WordBookAction::ChWBProp}, {kMenuWbDelete, WordBookAction::DeleteWB},
        {kMenuWbRegWord, WordBookAction::RegWord},     {kMenuWbModWord, WordBookAction::ModWord},
        {kMenuWbMoveWord, WordBookAction::MoveWord},   {kMenuWbJump, WordBookAction::JumpWord},
        {kMenuWbDeleteWord, WordBookAction::DeleteWord}, {kMenuWbClose, WordBookAction::CloseWB}};
    for (const auto& [id, action] : items) enable(id, books.ActionEnabled(action));
    enable(kMenuWbAnkiExport, books.List().Store().IsOpen());
}

bool MainWindow::OnWordBookCommand(int id) {
    switch (id) {
        case kMenuWbProperties: wordBookPage_.RunAction(WordBookAction::ChWBProp); return true;
        case kMenuWbDelete: wordBookPage_.RunAction(WordBookAction::DeleteWB); return true;
        case kMenuWbRegWord: wordBookPage_.RunAction(WordBookAction::RegWord); return true;
        case kMenuWbModWord: wordBookPage_.RunAction(WordBookAction::ModWord); return true;
        case kMenuWbMoveWord: wordBookPage_.RunAction(WordBookAction::MoveWord); return true;
        case kMenuWbJump: wordBookPage_.RunAction(WordBookAction::JumpWord); return true;
        case kMenuWbDeleteWord: wordBookPage_.RunAction(WordBookAction::DeleteWord); return true;
        case kMenuWbClose: wordBookPage_.RunAction(WordBookAction::CloseWB); return true;
        case kMenuWbMediaPlayer: model_.wordBooks().ToggleMediaPlayer(); return true;
        case kMenuWbSearch: model_.RunAction(MainAction::SearchWord); return true;
        case kMenuWbNew: OpenNewBookDialog(); return true;
        case kMenuWbGroupNames: OpenGroupNamesDialog(); return true;
        case kMenuWbAnkiExport: ExportBookToAnki(); return true;
        case kMenuWbMakeDictionary:
            model_.MakeDictionaryBooks();
            return true;
        default: return false;
    }
}

}  // namespace tess
