// A main window for the model's tests: a recording view and a fake world with
// small input tables, one per language, each offering one character for "a".
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/MainModel.h"
#include "input/FakeInputFields.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "transfer/FakeTransferPort.h"
#include "wordbook/FakeWordBookPort.h"

namespace tess {

// Keeps what the model last showed, as the real controls would.
class RecordingMainWindowPort : public MainWindowPort {
public:
    void SetRomajiPageCaption(const std::u16string& caption) override { romajiCaption = caption; }
    void SetImePageVisible(bool visible) override { imePageVisible = visible; }
    void SetImePageCaption(const std::u16string& caption) override { imePageCaption = caption; }
    void SelectKeyboardPage(KeyboardPage p) override { page = p; }
    void SetKeyboardPagesWidth(int width) override { pagesWidth = width; }
    void ShowLanguagePicture(int index) override { picture = index; }
    void SetDirectionCaptions(const std::u16string& toJp, const std::u16string& fromJp) override {
        langToJp = toJp;
        jpToLang = fromJp;
    }
    void SetFontBoxItems(const ItemList& items) override { fontItems = items; }
    void SetFontBoxText(const std::u16string& text) override { fontText = text; }
    void SetSizeBoxItems(const ItemList& items) override { sizeItems = items; }
    void SetSizeBoxText(const std::u16string& text) override { sizeText = text; }
    void SetModeBoxItems(const ItemList& items) override { modeItems = items; }
    void SelectModeBoxItem(int index) override { modeIndex = index; }
    void SetUnderStretch(bool set) override { underStretch = set; }
    void SetLowerPaneHeight(int height) override { lowerHeight = height; }
    void SetFontPanelWidth(int width) override { fontPanelWidth = width; }
    void SetAutoPasteCheck(bool checked) override { autoPaste = checked; }
    void SetActionEnabled(MainAction action, bool enabled) override { actions[action] = enabled; }
    void RepaintKeyboard(KeyboardPage p) override { repainted.push_back(p); }
    void OpenWindowFor(MainAction action) override { opened.push_back(action); }
    void CloseWindow() override { ++closeRequests; }
    void SetForeignFont(const FontLook& font) override { memoFont = font; }
    void SetPhoneticAreaFont(const FontLook& font) override { editFont = font; }
    void SetPhoneticBackground(Color color) override { editBackground = color; }
    void SetForeignWordWrap(bool wrap) override { wordWrap = wrap; }
    void SetForeignScrollBars(bool shown) override { scrollBars = shown; }
    InputArea FocusedArea() override { return focused; }
    void Focus(InputArea area, bool toEnd) override {
        focused = area;
        caretToEnd = toEnd;
    }
    std::u16string AreaText(InputArea area) override {
        return area == InputArea::Foreign ? memoText : editText;
    }
    void SetAreaText(InputArea area, const std::u16string& text) override {
        (area == InputArea::Foreign ? memoText : editText) = text;
    }
    void RefreshSymbolTab(bool relayout) override { symbolRefreshes.push_back(relayout); }
    void InsertAtCaret(InputArea area, const std::u16string& text) override {
        (area == InputArea::Foreign ? memoText : editText) += text;
    }

    std::u16string romajiCaption, imePageCaption;
    bool imePageVisible = false;
    std::optional<KeyboardPage> page;
    int pagesWidth = -1, picture = -1;
    std::u16string langToJp, jpToLang;
    ItemList fontItems, sizeItems, modeItems;
    std::u16string fontText, sizeText;
    int modeIndex = -1;
    bool underStretch = false, autoPaste = false;
    int lowerHeight = -1, fontPanelWidth = -1;
    std::map<MainAction, bool> actions;
    std::vector<KeyboardPage> repainted;
    std::vector<MainAction> opened;
    int closeRequests = 0;
    FontLook memoFont, editFont;
    Color editBackground = 0;
    bool wordWrap = false, scrollBars = false;
    InputArea focused = InputArea::None;
    bool caretToEnd = false;
    std::u16string memoText, editText;
    std::vector<bool> symbolRefreshes;
};

// A fresh first start: the shipped tables are copied into the user's table
// folder, which is then the one in use.
struct MainWindowWorld {
    MainWindowWorld() : folders(InitDataFolders(fake)), model(fake, folders) {
        fake.installedFonts = {u"Tahoma", u"Leelawadee UI", u"Myanmar Text", u"DokChampa",
                               u"@MS Gothic", u"Segoe UI"};
        PutTable(folders.SysTblFolder, u"Thai", u'\u0E01');
        PutTable(folders.SysTblFolder, u"Myanmar", u'\u1000');
        PutTable(folders.SysTblFolder, u"Lao", u'\u0E81');
        PutTable(folders.SysTblFolder, u"Khmer", u'\u1780');
    }

    // Cand<stem>.csv offers `c` for "a"; DB<stem>.csv names it "<stem> name".
    // Thai's candidate file is CandThai2.csv, as the settings name it.
    void PutTable(const std::u16string& folder, const std::u16string& stem, char16_t c) {
        const std::u16string cand = stem == u"Thai" ? u"CandThai2.csv" : u"Cand" + stem + u".csv";
        const std::u16string code = Hex(c);
        Put(folder + u"\\" + cand, {u"\"a\"," + code + u",,,,,,,,"});
        Put(folder + u"\\DB" + stem + u".csv",
            {u"\"X\",\"Tahoma\"",
             u"0,\"" + code + u"\",\"EN\",\"" + stem + u" name\",\"0\",\"\""});
    }
    // Replaces a language's table in the folder in use, as a user's edit would.
    void EditTable(const std::u16string& stem, char16_t c) {
        PutTable(model.folders().TblFolder, stem, c);
    }

    void WriteSettings(const Lines& lines) { Put(folders.SysFolder + u"\\Morvane_A.rng", lines); }

    // A code page 932 file, its folders made as needed.
    void Put(const std::u16string& path, const Lines& lines) {
        fake.PutFile(path, EncodeAnsiLines(fake, lines));
    }

    void Start() {
        Attach();
        model.RunStartupSequence();
    }

    // The character the foreign table offers for "a" (0: none loaded).
    char16_t ForeignCandidate() {
        const CandTable& table = model.tables().GaCandTable;
        return table.empty() ? 0 : table[0].candidates[0];
    }
    std::u16string ForeignName(char16_t c) {
        return LookupName(model.tables().GaNameTable, c, NameJapanese);
    }

    static std::u16string Hex(char16_t c) {
        const char16_t* digits = u"0123456789ABCDEF";
        std::u16string text;
        for (int shift = 12; shift >= 0; shift -= 4) text += digits[(c >> shift) & 0xF];
        return text;
    }

    // The views attach as the real window does; the transfer's port runs the
    // model's focus-entry rule when an area gets the focus.
    void Attach() {
        model.Attach(port, transferPort, fields, popups, wordBookPort);
        transferPort.focusEntered = [this](InputArea area) { model.AreaEntered(area); };
    }

    FakePlatform fake;
    DataFolders folders;
    RecordingMainWindowPort port;
    testing::FakeTransferPort transferPort;
    testing::FakeFields fields;
    testing::UnansweredPopups popups;
    testing::FakeWordBookPort wordBookPort;
    MainModel model;
};

}  // namespace tess
