// "Ankiへ書き出し": the open book written out for Anki. The save dialog asks
// for the file (the text-file folder first, the book's name with ".txt"),
// the word books' export writes it and offers to copy the audio files.
#include "app/win32/MainWindow.h"

#include <commdlg.h>

#include <vector>

#include "lib/win32/Win32Helpers.h"
#include "wordbook/AnkiExport.h"

namespace tess {

namespace {

// The save dialog; nothing when cancelled. It asks before replacing a file.
std::optional<std::u16string> AskAnkiExportPath(HWND owner, const std::u16string& folder,
                                                const std::u16string& fileName) {
    std::vector<wchar_t> path(32768, L'\0');
    fileName.copy(reinterpret_cast<char16_t*>(path.data()), path.size() - 1);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"テキストファイル (*.txt)\0*.txt\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = W(folder);
    dialog.lpstrDefExt = L"txt";
    dialog.lpstrTitle = L"Ankiへ書き出し";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT |
                   OFN_NOCHANGEDIR | OFN_ENABLESIZING;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    return std::u16string(reinterpret_cast<const char16_t*>(path.data()));
}

}  // namespace

void MainWindow::ExportBookToAnki() {
    WordListModel& list = model_.wordBooks().List();
    if (!list.Store().IsOpen()) return;
    const WordBook& book = list.Store().Book();
    // The file dialog and any message of the export.
    const DialogLayoutScope layout(model_.layouts());
    if (const std::optional<std::u16string> path =
            AskAnkiExportPath(hwnd_, model_.folders().TextFolder, AnkiExportFileName(book.fileName))) {
        ExportWordBookToAnki(model_.platform(), book, list.AudioFolder(), *path);
    }
}

}  // namespace tess
