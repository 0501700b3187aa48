// The table editors, from the menu ツール: modal over the main window.
#include "app/win32/MainWindow.h"

#include "tables/win32/CandEditor.h"
#include "tables/win32/SymbolDbEditor.h"
#include "tables/CandEditor.h"
#include "tables/SymbolDbEditor.h"

namespace tess {

void MainWindow::OpenSymbolDbEditor() {
    const Settings& settings = model_.settings();
    ShowSystemTableNotice(model_.platform(), settings.SysTblFlg);
    bool endProgram = false;
    {
        const DialogLayoutScope layout(model_.layouts());
        SymbolDbEditor editor(model_.platform(), model_.folders().TblFolder, settings.SysTblFlg,
                              model_.language().LangCharset, settings.UsrMainFont);
        endProgram = RunSymbolDbEditor(hwnd_, editor);
    }
    // The restart prompt's Yes: the program ends as any exit does.
    if (endProgram) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void MainWindow::OpenCandEditor() {
    const Settings& settings = model_.settings();
    ShowCandSystemTableNotice(model_.platform(), settings.SysTblFlg);
    bool endProgram = false;
    {
        const DialogLayoutScope layout(model_.layouts());
        CandEditor editor(model_.platform(), model_.folders().TblFolder, settings.SysTblFlg,
                          model_.language().LangCharset, settings.UsrMainFont);
        endProgram = RunCandEditor(hwnd_, editor);
    }
    if (endProgram) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

}  // namespace tess
