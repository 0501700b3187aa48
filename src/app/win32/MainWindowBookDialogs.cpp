// The book dialogs: a new book, deleting the open book, its properties, the group names.
#include "app/win32/MainWindow.h"

#include "wordbook/win32/BookDialogs.h"

namespace tess {

namespace {

// In the Thai keyboard mode the start-up layout serves the dialog's
// Japanese fields while it shows; the Thai layout comes back when it closes.
template <typename Show>
void WithDialogLayout(MainModel& model, Show show) {
    model.layouts().DialogShown(model.settings().InputMode);
    show();
    model.layouts().DialogClosed(model.settings().InputMode);
}

}  // namespace

void MainWindow::OpenNewBookDialog() {
    WithDialogLayout(model_, [this] {
        RunNewBookDialog(hwnd_, model_.wordBooks(), model_.settings());
    });
}

void MainWindow::OpenDeleteBookDialog() {
    if (!model_.wordBooks().ActionEnabled(WordBookAction::DeleteWB)) return;
    WithDialogLayout(model_, [this] { RunDeleteBookDialog(hwnd_, model_.wordBooks()); });
}

void MainWindow::OpenBookPropertiesDialog() {
    if (!model_.wordBooks().ActionEnabled(WordBookAction::ChWBProp)) return;
    WithDialogLayout(model_, [this] { RunBookPropertiesDialog(hwnd_, model_.wordBooks()); });
}

void MainWindow::OpenGroupNamesDialog() {
    WithDialogLayout(model_, [this] { RunGroupNamesDialog(hwnd_, model_.wordBooks()); });
}

}  // namespace tess
