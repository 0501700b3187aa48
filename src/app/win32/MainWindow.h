// The main window (view; registered class "TMainFrm"). It builds its controls, forwards events to
// the main window model and shows what the model asks through MainWindowPort.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app/win32/MainControls.h"
#include "app/MainLayout.h"
#include "app/win32/MainMenus.h"
#include "app/win32/SymbolTabPage.h"
#include "app/MainModel.h"
#include "app/MainWindowPort.h"
#include "input/win32/EditField.h"
#include "input/win32/KeyboardView.h"
#include "lib/win32/GdiHandle.h"
#include "lib/win32/FocusKeeper.h"
#include "transfer/TransferPort.h"
#include "wordbook/win32/WordBookPage.h"
#include "platform/platform.h"

namespace tess {

class PadWindow;

class MainWindow : public MainWindowPort, public TransferPort {
public:
    MainWindow(Platform& platform, DataFolders folders) : model_(platform, std::move(folders)) {}
    ~MainWindow() override;

    static bool RegisterWindowClass(HINSTANCE instance);
    // Creates and shows the window; false when the system refused it.
    bool Create(HINSTANCE instance, int showCommand);
    HWND Handle() const { return hwnd_; }

    // The window sees key presses before its controls (which still get them).
    void PreviewKey(const MSG& msg);

    // --- MainWindowPort ---------------------------------------------------------
    void SetRomajiPageCaption(const std::u16string& caption) override;
    void SetImePageVisible(bool visible) override;
    void SetImePageCaption(const std::u16string& caption) override;
    void SelectKeyboardPage(KeyboardPage page) override;
    void SetKeyboardPagesWidth(int width) override;
    void ShowLanguagePicture(int index) override;
    void SetDirectionCaptions(const std::u16string& langToJp, const std::u16string& jpToLang) override;
    void SetFontBoxItems(const ItemList& items) override;
    void SetFontBoxText(const std::u16string& text) override;
    void SetSizeBoxItems(const ItemList& items) override;
    void SetSizeBoxText(const std::u16string& text) override;
    void SetModeBoxItems(const ItemList& items) override;
    void SelectModeBoxItem(int index) override;
    void SetUnderStretch(bool set) override;
    void SetLowerPaneHeight(int height) override;
    void SetFontPanelWidth(int width) override;
    void SetAutoPasteCheck(bool checked) override;
    void SetActionEnabled(MainAction action, bool enabled) override;
    void RepaintKeyboard(KeyboardPage page) override;
    void OpenWindowFor(MainAction action) override;
    void CloseWindow() override;
    void SetForeignFont(const FontLook& font) override;
    void SetPhoneticAreaFont(const FontLook& font) override;
    void SetPhoneticBackground(Color color) override;
    void SetForeignWordWrap(bool wrap) override;
    void SetForeignScrollBars(bool shown) override;
    InputArea FocusedArea() override;
    void Focus(InputArea area, bool caretToEnd) override;
    void RefreshSymbolTab(bool relayout) override;
    void InsertAtCaret(InputArea area, const std::u16string& text) override;

    // --- TransferPort -------------------------------------------------------------
    std::u16string AreaText(InputArea area) override;
    TextSelection AreaSelection(InputArea area) override;
    void SelectInArea(InputArea area, TextSelection selection) override;
    void SetAreaText(InputArea area, const std::u16string& text) override;
    void FocusArea(InputArea area) override;
    void CopyRichText(const RichCopy& copy) override;
    void ShowTransferModeText(const std::u16string& text) override;
    void ShowTarget(TargetIndicator where, bool held, const std::u16string& caption) override;
    bool IsFormOpen(const std::u16string& name) override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCreate();
    void PlaceOnFirstShow();
    void OnClose();
    void LayOut();
    MainLayout CurrentLayout() const;
    void DrawItem(const DRAWITEMSTRUCT& item);
    void OnCommand(int id, int code);
    bool OnControlCommand(int id, int code);
    void OnMenuCommand(int id);
    void OnInitMenu(HMENU menu);
    void RecreateForeignArea();
    void ShowEditContextMenu(int x, int y);
    void OpenTextFileDialog(bool save);
    // "フォントの変更" of the phonetic area's menu: the font dialog.
    void ChoosePhoneticFont();
    bool OnAreaChar(InputArea area, char16_t key);
    void HookInputAreas();
    void FillTransferMenu();
    void CreateKeyboards();
    RECT KeyboardSheetRect() const;
    void BuildKeyboards();
    void PlaceKeyboards();
    void ShowKeyboardPictures();
    void ShowSelectedKeyboard();
    void AddButtonHints();
    // Splitters: which one the mouse is over, and dragging it.
    enum class Splitter { None, Top, Keyboard, Panes };
    Splitter SplitterAt(int x, int y) const;
    void DragSplitter(int x, int y);
    bool ShowSplitterCursor();
    void OnSplitterMouse(UINT message, LPARAM lParam);
    void SetLeastTrackSize(MINMAXINFO& info);
    void OnNotify(const NMHDR& header);
    void OnAreaFocused(InputArea area);
    void OnActivate(bool active);
    void ApplySavedPaneSizes();
    void GiveFocusBack();
    void ShowTransferModeFitted();
    // The word books: the "単語リスト" page, its place, the menu.
    void CreateWordBookPage(HWND tooltips);
    void PlaceLowerPages();
    void ShowSelectedLowerPage();
    void OnInitWordBookMenu();
    bool OnWordBookCommand(int id);
    void RunWordBookAction(WordBookAction action);
    // The word dialogs (MainWindowWordDialogs.cpp), the book dialogs
    // (MainWindowBookDialogs.cpp) and the search window (MainWindowSearch.cpp).
    void OpenRegisterWordDialog();
    void OpenEditWordDialog();
    void OpenDeleteWordDialog();
    void OpenMoveWordDialog();
    void OpenNewBookDialog();
    void OpenDeleteBookDialog();
    void OpenBookPropertiesDialog();
    void OpenGroupNamesDialog();
    // "Ankiへ書き出し": the save dialog, then the export and its question.
    void ExportBookToAnki();
    void OpenSearchWindow();
    // PAD mode (MainWindowPad.cpp): the main window hides while the PAD runs.
    void OpenPadWindow();
    // The table editors (MainWindowTableEditors.cpp).
    void OpenSymbolDbEditor();
    void OpenCandEditor();

    MainModel model_;
    HWND hwnd_ = nullptr;
    HINSTANCE instance_ = nullptr;
    MainControls controls_;
    MainMenus menus_;
    PaneSizes paneSizes_;
    bool targetHeld_ = false;
    Splitter dragging_ = Splitter::None;
    int dragStartX_ = 0, dragStartFontWidth_ = 0;  // where the top splitter's drag began

    bool imePageVisible_ = true;
    std::u16string imePageCaption_ = u"MS IME (Kedmanee)";
    int languagePicture_ = 0;
    int quietCombos_ = 0;  // set while the model fills a box: no change events then
    GdiHandle<HFONT> foreignFont_, phoneticFont_;
    GdiHandle<HBRUSH> phoneticBrush_;
    COLORREF phoneticColor_ = RGB(255, 255, 255);
    bool foreignWordWrap_ = false, foreignScrollBars_ = false;
    // The style the foreign area was created with (it is made without
    // wrapping and without scroll bars).
    bool foreignMadeWrapping_ = false, foreignMadeWithBars_ = false;
    // While the window is being created, the controls are placed once, at
    // the end, in the window's real size; every layout before is wasted.
    bool creating_ = true;

    // The keyboard pages: romaji, MS IME, phonetic.
    KeyboardView keyboardControls_[3];
    WordBookPage wordBookPage_;
    SymbolTabPage symbolTabPage_;
    SIZE keyboardSheetSize_{0, 0};

    // The fields candidates are written into, and the popups.
    EditFieldDirectory fields_;
    std::function<bool(char16_t)> foreignChars_, phoneticChars_;
    std::function<void(unsigned, bool)> foreignKeys_;
    // The control that had the focus when the window was last deactivated;
    // it gets the focus back when the window is active again.
    FocusKeeper focusKeeper_;
    // The input area the user typed in last: the font and size boxes give it
    // the focus back after a pick.
    InputArea lastArea_ = InputArea::Foreign;
    std::u16string transferModeText_;
    GdiHandle<HFONT> transferModeFont_;
    // The PAD window while it is open.
    PadWindow* padWindow_ = nullptr;
};

}  // namespace tess
