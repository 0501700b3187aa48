// The book dialogs: a new book, deleting the open book, its properties, the group names.
#include "app/win32/MainWindow.h"

#include "wordbook/win32/BookDialogs.h"

namespace tess {

void MainWindow::OpenNewBookDialog() {
    const DialogLayoutScope layout(model_.layouts());
    RunNewBookDialog(hwnd_, model_.wordBooks(), model_.settings());
}

void MainWindow::OpenDeleteBookDialog() {
    if (!model_.wordBooks().ActionEnabled(WordBookAction::DeleteWB)) return;
    const DialogLayoutScope layout(model_.layouts());
    RunDeleteBookDialog(hwnd_, model_.wordBooks());
}

void MainWindow::OpenBookPropertiesDialog() {
    if (!model_.wordBooks().ActionEnabled(WordBookAction::ChWBProp)) return;
    const DialogLayoutScope layout(model_.layouts());
    RunBookPropertiesDialog(hwnd_, model_.wordBooks());
}

void MainWindow::OpenGroupNamesDialog() {
    const DialogLayoutScope layout(model_.layouts());
    RunGroupNamesDialog(hwnd_, model_.wordBooks());
}

}  // namespace tess
