// The table editors, from the menu ツール: modal over the main window.
#include "app/win32/MainWindow.h"

#include "app/win32/CandEditor.h"
#include "app/win32/SymbolDbEditor.h"
#include "tables/CandEditor.h"
#include "tables/SymbolDbEditor.h"

namespace tess {

void MainWindow::OpenSymbolDbEditor() {
    const Settings& settings = model_.settings();
    ShowSystemTableNotice(model_.platform(), settings.SysTblFlg);
    const int mode = settings.InputMode;
    model_.layouts().DialogShown(mode);
    SymbolDbEditor editor(model_.platform(), model_.folders().TblFolder, settings.SysTblFlg,
                          model_.language().LangCharset, settings.UsrMainFont);
    const bool endProgram = RunSymbolDbEditor(hwnd_, editor);
    model_.layouts().DialogClosed(mode);
    // The restart prompt's Yes: the program ends as any exit does.
    if (endProgram) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void MainWindow::OpenCandEditor() {
    const Settings& settings = model_.settings();
    ShowCandSystemTableNotice(model_.platform(), settings.SysTblFlg);
    const int mode = settings.InputMode;
    model_.layouts().DialogShown(mode);
    CandEditor editor(model_.platform(), model_.folders().TblFolder, settings.SysTblFlg,
                      model_.language().LangCharset, settings.UsrMainFont);
    const bool endProgram = RunCandEditor(hwnd_, editor);
    model_.layouts().DialogClosed(mode);
    if (endProgram) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

}  // namespace tess
