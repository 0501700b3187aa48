// The search window (F6): modeless, on top, one at a time.
#include "app/win32/MainWindow.h"

#include "app/win32/SearchWindow.h"
#include "wordbook/SearchWindowModel.h"

namespace tess {

void MainWindow::OpenSearchWindow() {
    if (IsFormOpen(kSearchFormName)) return;
    ShowSearchWindow(instance_, hwnd_,
                     SearchWindowContext{
                         model_.platform(), model_.settings(), model_.wordBooks(), model_.language(),
                         model_.layouts(), model_.input(),
                         [this](std::uint16_t key, bool down) { model_.ForeignAreaKey(key, down); },
                         [this] { model_.RunAction(MainAction::ModWord); }, *this, fields_});
}

}  // namespace tess
