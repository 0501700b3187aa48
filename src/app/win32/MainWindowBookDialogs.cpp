// The book dialogs: a new book, deleting the open book, its properties, the group names.
#include "app/win32/MainWindow.h"

namespace tess {

void MainWindow::OpenNewBookDialog() {}
void MainWindow::OpenDeleteBookDialog() {}
void MainWindow::OpenBookPropertiesDialog() {}
void MainWindow::OpenGroupNamesDialog() {}

}  // namespace tess
