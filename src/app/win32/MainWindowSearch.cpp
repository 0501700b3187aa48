// The search window (F6): modeless, on top, one at a time.
#include "app/win32/MainWindow.h"

namespace tess {

void MainWindow::OpenSearchWindow() {}

}  // namespace tess
