// What the word books' model (WordBooks) asks of its views: the word list,
// the word-book panel with the book list, the status bar and the two small
// dialogs; and of the main window's model (WordBookHost). Each call is a
// plain "show this" or "ask the user this".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "lib/TextFile.h"
#include "wordbook/BookList.h"
#include "wordbook/WordListModel.h"

namespace tess {

class WordBookPort {
public:
    virtual ~WordBookPort() = default;

    // --- The word list (ListView1, a virtual list) ---------------------------------
    // The list has this many rows now and draws them again; no row selected.
    virtual void SetWordRowCount(std::size_t count) = 0;
    // Enabled with the window background, or disabled and button-face grey.
    virtual void SetWordListEnabled(bool enabled) = 0;
    virtual void RepaintWordList() = 0;
    virtual void SetWordColumnCaption(int column, const std::u16string& caption) = 0;
    virtual int WordColumnWidth(int column) = 0;
    virtual void SetWordColumnWidth(int column, int width) = 0;
    virtual void SetWordRowHeight(int height) = 0;
    virtual std::optional<std::size_t> SelectedWordRow() = 0;
    // Selects the row, scrolls it into view and gives the list the focus.
    virtual void SelectWordRow(std::size_t row) = 0;
    virtual void ScrollWordRowIntoView(std::size_t row) = 0;
    // The lower pane shows the "単語リスト" page.
    virtual void ShowWordListPage() = 0;

    // --- The word-book panel (Panel9) -------------------------------------------------
    virtual void SetDirectionChecked(bool foreignFirst) = 0;  // RadioButton1 / RadioButton2
    virtual void ShowBookRows(const std::vector<BookRow>& rows) = 0;
    virtual void SelectBookRow(std::optional<std::size_t> row) = 0;
    virtual void SetPanelWidth(int width) = 0;
    virtual void SetDoorCaption(const std::u16string& caption) = 0;  // "→" open, "←" shut
    virtual void SetPanelLabelsVisible(bool visible) = 0;            // "■単語帳", "メニュー"
    virtual void SetPanelButtonsEnabled(bool enabled) = 0;  // "新規作成", "辞書", "変更"
    virtual void SetDictionaryPressed(bool pressed) = 0;    // "辞書"
    virtual void SetAutoDoorCheck(bool checked) = 0;        // CheckBox2
    // While the panel slides the word list leaves its note column out.
    virtual void SetPanelSliding(bool sliding) = 0;

    // --- Status bar -----------------------------------------------------------------------
    virtual void SetStatusText(int panel, const std::u16string& text) = 0;

    // --- Actions --------------------------------------------------------------------------
    virtual void SetWordBookActionEnabled(WordBookAction action, bool enabled) = 0;

    // --- Asking the user ------------------------------------------------------------------
    // The folder browser (new style); nothing when cancelled.
    virtual std::optional<std::u16string> BrowseForFolder(const std::u16string& prompt,
                                                           const std::u16string& start) = 0;
    // TJumpFrm over n rows: the 0-based row to jump to, or nothing.
    virtual std::optional<std::size_t> RunJumpDialog(std::size_t rowCount) = 0;
    // TColorFrm for a word's colour code: the code to store (empty = the
    // default colours), or nothing.
    virtual std::optional<std::u16string> RunColorDialog(const std::u16string& currentCode) = 0;
};

// What the word books need from the main window's model.
class WordBookHost {
public:
    virtual ~WordBookHost() = default;
    // The areas' text gets the copy of a double-clicked word.
    virtual void CopyWordIntoAreas(const WordCopy& copy) = 0;
    virtual void FocusForeignArea() = 0;
    // Around every dialog: in the Thai keyboard mode the start-up layout
    // while it shows, the Thai layout again when it closes.
    virtual void DialogShown() = 0;
    virtual void DialogClosed() = 0;
    // The registration and edit buttons (F4, F5) follow their actions.
    virtual void WordActionsChanged() = 0;
};

}  // namespace tess
