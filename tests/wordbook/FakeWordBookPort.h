// The word books' views for the tests: keeps what the model last showed, as
// the real controls would, and answers the dialogs from scripted replies.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "wordbook/WordBookPort.h"

namespace tess::testing {

class FakeWordBookPort : public WordBookPort {
public:
    void SetWordRowCount(std::size_t count) override {
        rowCount = count;
        selectedRow.reset();
    }
    void SetWordListEnabled(bool enabled) override { listEnabled = enabled; }
    void RepaintWordList() override { ++repaints; }
    void SetWordColumnCaption(int column, const std::u16string& caption) override {
        captions[column] = caption;
    }
    int WordColumnWidth(int column) override { return widths[column]; }
    void SetWordColumnWidth(int column, int width) override { widths[column] = width; }
    void SetWordRowHeight(int height) override { rowHeight = height; }
    std::optional<std::size_t> SelectedWordRow() override { return selectedRow; }
    void SelectWordRow(std::size_t row) override {
        selectedRow = row;
        scrolledTo = row;
    }
    void ScrollWordRowIntoView(std::size_t row) override { scrolledTo = row; }
    void ShowWordListPage() override { ++wordListPageShown; }

    void SetDirectionChecked(bool foreignFirst) override { foreignFirstChecked = foreignFirst; }
    void ShowBookRows(const std::vector<BookRow>& rows) override { bookRows = rows; }
    void SelectBookRow(std::optional<std::size_t> row) override { selectedBook = row; }
    void SetPanelWidth(int width) override { panelWidths.push_back(width); }
    void SetDoorCaption(const std::u16string& caption) override { doorCaption = caption; }
    void SetPanelLabelsVisible(bool visible) override { labelsVisible = visible; }
    void SetPanelButtonsEnabled(bool enabled) override { buttonsEnabled = enabled; }
    void SetDictionaryPressed(bool pressed) override { dictionaryPressed = pressed; }
    void SetAutoDoorCheck(bool checked) override { autoDoorChecked = checked; }
    void SetPanelSliding(bool s) override { sliding = s; }
    void SetStatusText(int panel, const std::u16string& text) override { status[panel] = text; }
    void SetWordBookActionEnabled(WordBookAction action, bool enabled) override {
        actions[action] = enabled;
    }
    std::optional<std::u16string> BrowseForFolder(const std::u16string&,
                                                  const std::u16string& start) override {
        browseStart = start;
        return browseAnswer;
    }
    std::optional<std::size_t> RunJumpDialog(std::size_t rows) override {
        jumpRows = rows;
        return jumpAnswer;
    }
    std::optional<std::u16string> RunColorDialog(const std::u16string& code) override {
        colorShown = code;
        return colorAnswer;
    }

    std::size_t rowCount = 0;
    bool listEnabled = false;
    int repaints = 0;
    int wordListPageShown = 0;
    std::map<int, std::u16string> captions;
    std::map<int, int> widths;
    int rowHeight = 0;
    std::optional<std::size_t> selectedRow, scrolledTo;
    bool foreignFirstChecked = false;
    std::vector<BookRow> bookRows;
    std::optional<std::size_t> selectedBook;
    std::vector<int> panelWidths;
    std::u16string doorCaption;
    bool labelsVisible = false, buttonsEnabled = false, dictionaryPressed = false,
         autoDoorChecked = false, sliding = false;
    std::map<int, std::u16string> status;
    std::map<WordBookAction, bool> actions;
    std::optional<std::u16string> browseAnswer, browseStart;
    std::optional<std::size_t> jumpAnswer;
    std::size_t jumpRows = 0;
    std::optional<std::u16string> colorAnswer, colorShown;
};

}  // namespace tess::testing
