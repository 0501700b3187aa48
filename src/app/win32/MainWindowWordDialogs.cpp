// The word dialogs of the open book: registration (F4), edit (F5), delete, move.
#include "app/win32/MainWindow.h"

namespace tess {

void MainWindow::OpenRegisterWordDialog() {}
void MainWindow::OpenEditWordDialog() {}
void MainWindow::OpenDeleteWordDialog() {}
void MainWindow::OpenMoveWordDialog() {}

}  // namespace tess
