// The "単語リスト" page of the main window's lower pane (view): the word list
// ListView1 (a virtual, owner-drawn list over the open book), and to its
// right the word-book panel Panel9 (header strip with its buttons, the book
// list ListView2). It forwards every event to WordBooks and shows what the
// model says through WordBookPort; commands that open other windows go to
// the main window through `onAction`.
#pragma once

#include <windows.h>

#include <array>
#include <commctrl.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "wordbook/WordBookPort.h"
#include "wordbook/WordBooks.h"
#include "lib/win32/FontCache.h"

namespace tess {

class WordBookPage : public WordBookPort {
public:
    // `parent` holds the page (the lower tab control); the status bar shows
    // the two word-book panels; `tooltips` take the header's hints.
    void Create(HINSTANCE instance, HWND parent, HWND statusBar, HWND tooltips, HFONT font,
                WordBooks& model);
    HWND Handle() const { return page_; }
    void Place(const RECT& rect);
    void Show(bool shown);

    // The word-book actions as the main window runs them (registration,
    // editing and the windows of later parts).
    std::function<void(WordBookAction)> onAction;
    // "新規作成": the new-book dialog, which the main window opens.
    std::function<void()> onNewBook;
    // The main window brings the "単語リスト" tab to the front.
    std::function<void()> onShowPage;

    // RadioButton1 and RadioButton2: language to Japanese, Japanese to language.
    void SetDirectionCaptions(const std::u16string& langToJp, const std::u16string& jpToLang);

    // The word list's context menu and the main menu run the same commands.
    void RunAction(WordBookAction action);

    // --- WordBookPort -------------------------------------------------------------------
    void SetWordRowCount(std::size_t count) override;
    void SetWordListEnabled(bool enabled) override;
    void RepaintWordList() override;
    void SetWordColumnCaption(int column, const std::u16string& caption) override;
    int WordColumnWidth(int column) override;
    void SetWordColumnWidth(int column, int width) override;
    void SetWordRowHeight(int height) override;
    std::optional<std::size_t> SelectedWordRow() override;
    void SelectWordRow(std::size_t row) override;
    void ScrollWordRowIntoView(std::size_t row) override;
    void ShowWordListPage() override;
    void SetDirectionChecked(bool foreignFirst) override;
    void ShowBookRows(const std::vector<BookRow>& rows) override;
    void SelectBookRow(std::optional<std::size_t> row) override;
    void SetPanelWidth(int width) override;
    void SetDoorCaption(const std::u16string& caption) override;
    void SetPanelLabelsVisible(bool visible) override;
    void SetPanelButtonsEnabled(bool enabled) override;
    void SetDictionaryPressed(bool pressed) override;
    void SetAutoDoorCheck(bool checked) override;
    void SetPanelSliding(bool sliding) override;
    void SetStatusText(int panel, const std::u16string& text) override;
    void SetWordBookActionEnabled(WordBookAction action, bool enabled) override;
    std::optional<std::u16string> BrowseForFolder(const std::u16string& prompt,
                                                  const std::u16string& start) override;
    std::optional<std::size_t> RunJumpDialog(std::size_t rowCount) override;
    std::optional<std::u16string> RunColorDialog(const std::u16string& currentCode) override;

private:
    static LRESULT CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnNotify(const NMHDR& header);
    void OnCommand(int id);
    void DrawWordRow(const DRAWITEMSTRUCT& item);
    HFONT FontFor(CellFontKind kind);
    void LayOut();
    void ShowFolderMenu();
    void ShowContextMenu(HWND list, int x, int y);

    WordBooks* model_ = nullptr;
    HWND page_ = nullptr, statusBar_ = nullptr;
    // The status panels' whole texts; each shows as much as its panel holds.
    std::array<std::u16string, 2> statusTexts_;
    void FitStatusText(int panel);
    HWND wordList_ = nullptr, bookList_ = nullptr;
    HWND labelBook_ = nullptr, labelMenu_ = nullptr;
    HWND newButton_ = nullptr, dicButton_ = nullptr, folderButton_ = nullptr;
    HWND langToJpRadio_ = nullptr, jpToLangRadio_ = nullptr;
    HWND doorButton_ = nullptr, autoDoorCheck_ = nullptr;
    HIMAGELIST bookRowHeight_ = nullptr;  // the book list's 21-pixel rows
    int panelWidth_ = kPanelOpenWidth;
    bool sliding_ = false;
    int quiet_ = 0;  // set while the model sets a control: its events are not the user's

    // The cell fonts, made again when their face, character set or size change.
    FontCache<CellFontKind> fonts_;
};

}  // namespace tess
