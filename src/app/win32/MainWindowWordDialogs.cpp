// The word dialogs of the open book: registration (F4), edit (F5), delete, move.
#include "app/win32/MainWindow.h"

#include "app/win32/WordEntryDialogs.h"
#include "wordbook/win32/WordChangeDialogs.h"

namespace tess {

namespace {

WordEntryDialogContext EntryContext(MainModel& model, EditFieldDirectory& fields) {
    return WordEntryDialogContext{
        model.wordBooks(),
        model.settings(),
        model.input(),
        fields,
        model.layouts(),
        model.language().LanguageName,
        model.language().LangCharset,
        [&model](unsigned key, bool down) {
            model.ForeignAreaKey(static_cast<std::uint16_t>(key), down);
        },
    };
}

}  // namespace

// In the Thai keyboard mode every dialog gets the start-up layout while it
// shows and the Thai one again when it closes.

void MainWindow::OpenRegisterWordDialog() {
    if (!model_.wordBooks().ActionEnabled(WordBookAction::RegWord)) return;
    {
        const DialogLayoutScope layout(model_.layouts());
        RunRegisterWordDialog(hwnd_, EntryContext(model_, fields_), *this);
    }
    Focus(InputArea::Foreign, false);
}

void MainWindow::OpenEditWordDialog() {
    if (!model_.wordBooks().ActionEnabled(WordBookAction::ModWord)) return;
    {
        const DialogLayoutScope layout(model_.layouts());
        RunEditWordDialog(hwnd_, EntryContext(model_, fields_));
    }
    Focus(InputArea::Foreign, false);
}

void MainWindow::OpenDeleteWordDialog() {
    WordBooks& books = model_.wordBooks();
    if (!books.ActionEnabled(WordBookAction::DeleteWord)) return;
    const DialogLayoutScope layout(model_.layouts());
    RunDeleteWordDialog(hwnd_, books, model_.language().LanguageName);
}

void MainWindow::OpenMoveWordDialog() {
    WordBooks& books = model_.wordBooks();
    if (!books.ActionEnabled(WordBookAction::MoveWord)) return;
    bool moved = false;
    {
        const DialogLayoutScope layout(model_.layouts());
        moved = RunMoveWordDialog(hwnd_, books);
    }
    // The moved word, selected, in the focused list (the list could not take
    // the focus while the dialog was in front).
    if (moved) {
        if (const std::optional<std::size_t> row = books.SelectedRow())
            wordBookPage_.SelectWordRow(*row);
    }
}

}  // namespace tess
