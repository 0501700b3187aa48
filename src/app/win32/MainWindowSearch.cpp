// The search window (F6): modeless, on top, one at a time.
#include "app/win32/MainWindow.h"

#include "app/win32/SearchWindow.h"
#include "wordbook/SearchWindowModel.h"

namespace tess {

void MainWindow::OpenSearchWindow() {
    if (IsFormOpen(kSearchFormName)) return;
    ShowSearchWindow(instance_, hwnd_, SearchWindowContext{model_, *this, fields_});
}

}  // namespace tess
