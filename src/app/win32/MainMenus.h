// The main window's menu bar, with the captions and order the user knows.
#pragma once

#include <windows.h>

namespace tess {

enum MainMenuId : int {
    kMenuFileOpen = 1000,
    kMenuFileSave,
    kMenuFileSaveAs,
    kMenuFileExit,
    kMenuEditUndo = 1010,
    kMenuEditCut,
    kMenuEditCopy,
    kMenuEditPaste,
    kMenuEditDelete,
    kMenuEditSelectAll,
    kMenuEditWordWrap,
    kMenuEditScrollBars,
    kMenuImeKedmanee = 1020,  // IME1
    kMenuImePattachote,       // IME2
    kMenuOptionSettings = 1030,
    kMenuToolSymbolDb = 1040,
    kMenuToolCandEditor,
    kMenuToolHtml,
    kMenuToolConvert,
    kMenuToolCodeChecker,
    kMenuHelp = 1050,
    kMenuAbout,
    // "単語帳 (&W)", in its order.
    kMenuWbNew = 1060,
    kMenuWbProperties,
    kMenuWbDelete,
    kMenuWbGroupNames,
    kMenuWbMakeDictionary,
    kMenuWbMediaPlayer,
    kMenuWbSearch,
    kMenuWbRegWord,
    kMenuWbModWord,
    kMenuWbMoveWord,
    kMenuWbJump,
    kMenuWbDeleteWord,
    kMenuWbClose,
    kMenuWbAnkiExport,
    kMenuTransferMode0 = 1100,  // the transfer modes' items follow from here
};

struct MainMenus {
    HMENU bar = nullptr;
    HMENU file = nullptr, edit = nullptr, ime = nullptr, wordBook = nullptr, transfer = nullptr,
          option = nullptr, tool = nullptr, help = nullptr;
};

MainMenus CreateMainMenus();

}  // namespace tess
