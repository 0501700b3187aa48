#include "app/win32/WordEntryDialogs.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <array>
#include <vector>

#include "input/InputModes.h"
#include "lib/win32/GdiHandle.h"
#include "lib/win32/Win32Helpers.h"
#include "wordbook/ColorDialogModel.h"
#include "wordbook/WordEntryForm.h"
#include "lib/win32/ModalDialog.h"

namespace tess {

namespace {

constexpr char16_t kDialogFace[] = u"ＭＳ Ｐゴシック";
constexpr int kDialogFontPixels = 21;
constexpr int kForeignFontExtraPoints = 2;
constexpr int kLabelX = 4;
constexpr int kFieldX = 140;
constexpr int kNoteHeight = 100;
constexpr int kRowPitch = 45;  // between the one-line rows
constexpr int kAudioButtonWidth = 60;
constexpr int kAudioButtonHeight = 30;
constexpr int kAudioButtonGap = 8;
constexpr int kStripButtonHeight = 32;
constexpr int kDropDownItems = 20;
constexpr wchar_t kStateProperty[] = L"TessalineWordEntryDialog";

// The form's rows: label top, field top, field width.
struct FormRow {
    EntryField field;
    int id;
    int labelTop;
    int fieldTop;
    int width;
};
constexpr std::array<FormRow, 6> kRows = {{
    {EntryField::Foreign, kEntryForeignId, 15, 10, 450},
    {EntryField::Phonetic, kEntryPhoneticId, 60, 55, 450},
    {EntryField::Kana, kEntryKanaId, 105, 100, 450},
    {EntryField::Japanese, kEntryJapaneseId, 150, 145, 450},
    {EntryField::Note, kEntryNoteId, 195, 190, 475},
    {EntryField::Audio, kEntryAudioId, 305, 300, 180},
}};

std::u16string RowLabel(EntryField field, const std::u16string& languageName) {
    switch (field) {
        case EntryField::Foreign: return ForeignWordLabel(languageName);
        case EntryField::Phonetic: return u"■発音記号：";
        case EntryField::Kana: return u"■発音カナ：";
        case EntryField::Japanese: return u"■日本語：";
        case EntryField::Note: return u"■備　考：";
        case EntryField::Audio: break;
    }
    return u"■音声ﾌｧｲﾙ：";
}

ImeMode RowImeMode(EntryField field) {
    switch (field) {
        case EntryField::Kana: return ImeMode::KatakanaFull;
        case EntryField::Japanese:
        case EntryField::Note: return ImeMode::Hiragana;
        default: return ImeMode::Closed;
    }
}


int FontPixels(HWND window, HFONT font) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return metrics.tmHeight;
}

// How a control follows the dialog's width.
enum class Anchor { Left, Stretch, Right };

struct Placed {
    HWND hwnd;
    RECT base;  // at the dialog's first width
    Anchor anchor;
};

enum class DialogKind { Register, Edit };

struct EntryDialog {
    EntryDialog(DialogKind kind, const WordEntryDialogContext& context, InputAreaTexts* areas)
        : kind(kind), context(context), areas(areas),
          numbers(context.books.List().RowCount()) {}

    DialogKind kind;
    const WordEntryDialogContext& context;
    InputAreaTexts* areas;  // the registration's
    RegisterNumbers numbers;
    std::array<HWND, 6> fields{};  // by EntryField
    HWND numberList = nullptr;
    HWND& foreign = fields[0];
    HWND& phonetic = fields[1];
    std::vector<Placed> placed;
    int baseClientWidth = 0;
    bool laidOut = false;
    GdiHandle<HFONT> dialogFont, labelFont, foreignFont, phoneticFont;
    GdiHandle<HBRUSH> phoneticBrush;
    COLORREF phoneticColor = RGB(255, 255, 255);
    HHOOK keyFilter = nullptr;
    std::function<bool(char16_t)> foreignChars, phoneticChars;
    std::function<void(unsigned, bool)> foreignKeys;
    bool changed = false;

    int ApplyCommand() const { return kind == DialogKind::Register ? kRegisterAddId : kEditApplyId; }
    std::optional<EntryDialogPlace>& Remembered() const {
        EntryDialogPlaces& places = RememberedEntryDialogPlaces();
        return kind == DialogKind::Register ? places.registration : places.edit;
    }
    HWND Field(EntryField field) const { return fields[static_cast<std::size_t>(field)]; }
};

HWND Add(HWND dialog, EntryDialog& state, const wchar_t* windowClass, std::u16string_view text,
         DWORD style, int id, RECT rect, Anchor anchor, HFONT font) {
    HWND control = AddDialogControl(dialog, windowClass, text, style, id, rect.left, rect.top,
                                    rect.right - rect.left, rect.bottom - rect.top);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    state.placed.push_back({control, rect, anchor});
    return control;
}

void CreateFonts(HWND dialog, EntryDialog& state) {
    const Settings& settings = state.context.settings;
    state.dialogFont.Reset(CreatePixelFont(kDialogFace, SHIFTJIS_CHARSET, kDialogFontPixels));
    state.labelFont.Reset(CreatePixelFont(kDialogFace, SHIFTJIS_CHARSET, kDialogFontPixels, true));
    HDC dc = GetDC(dialog);
    const int dialogPoints = MulDiv(kDialogFontPixels, 72, GetDeviceCaps(dc, LOGPIXELSY));
    ReleaseDC(dialog, dc);
    state.foreignFont.Reset(CreatePointFont(settings.UsrMainFont, state.context.langCharset,
                                        dialogPoints + kForeignFontExtraPoints));
    state.phoneticFont.Reset(CreatePixelFont(settings.UsrSubFont, ANSI_CHARSET, kDialogFontPixels));
    // As the main window's phonetic line: the default colour is the window's.
    const Color background = settings.CandBg;
    state.phoneticColor = background == kWindowTextColor ? GetSysColor(COLOR_WINDOW)
                          : IsSystemColor(background) ? GetSysColor(SystemColorIndex(background))
                                                      : static_cast<COLORREF>(background);
    state.phoneticBrush.Reset(CreateSolidBrush(state.phoneticColor));
}

HFONT FieldFont(const EntryDialog& state, EntryField field) {
    if (field == EntryField::Foreign) return state.foreignFont;
    if (field == EntryField::Phonetic) return state.phoneticFont;
    return state.dialogFont;
}

void CreateForm(HWND dialog, EntryDialog& state) {
    for (const FormRow& row : kRows) {
        Add(dialog, state, L"STATIC", RowLabel(row.field, state.context.languageName),
            SS_LEFT | SS_NOPREFIX, -1, RECT{kLabelX, row.labelTop, kFieldX - 2, row.labelTop + 24},
            Anchor::Left, state.labelFont);
        const HFONT font = FieldFont(state, row.field);
        const bool note = row.field == EntryField::Note;
        // A one-line field fits its font's line, but stays inside its row
        // (a Thai face's line is tall).
        const int height =
            note ? kNoteHeight : std::min(FontPixels(dialog, font) + 8, kRowPitch - 4);
        const DWORD style = WS_TABSTOP | (note ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL
                                               : ES_AUTOHSCROLL);
        HWND field = Add(dialog, state, L"EDIT", u"", style, row.id,
                         RECT{kFieldX, row.fieldTop, kFieldX + row.width, row.fieldTop + height},
                         Anchor::Stretch, font);
        SendMessageW(field, EM_LIMITTEXT, 0, 0);
        SetImeMode(field, RowImeMode(row.field));
        state.fields[static_cast<std::size_t>(row.field)] = field;
    }
    // "参照" and "再生" right of the audio field, 8 pixels apart.
    const FormRow& audio = kRows[5];
    int x = kFieldX + audio.width + kAudioButtonGap;
    for (auto [caption, id] : {std::pair{u"参照", kEntryBrowseId}, std::pair{u"再生", kEntryPlayId}}) {
        Add(dialog, state, L"BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP, id,
            RECT{x, audio.fieldTop, x + kAudioButtonWidth, audio.fieldTop + kAudioButtonHeight},
            Anchor::Right, state.dialogFont);
        x += kAudioButtonWidth + kAudioButtonGap;
    }
}

// The strip under the form: its top, and a line between them.
int StripTop(HWND dialog, EntryDialog& state, int clientHeight) {
    const int top = clientHeight - kStripButtonHeight - 10;
    Add(dialog, state, L"STATIC", u"", SS_ETCHEDHORZ, -1,
        RECT{0, top - 8, state.baseClientWidth, top - 6}, Anchor::Stretch, state.dialogFont);
    return top;
}

void CreateRegisterStrip(HWND dialog, EntryDialog& state, int clientHeight) {
    const int top = StripTop(dialog, state, clientHeight);
    const int text = top + (kStripButtonHeight - 24) / 2;
    auto rect = [](int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; };
    Add(dialog, state, L"STATIC", u"No", SS_LEFT, -1, rect(12, text, 30, 24), Anchor::Left,
        state.dialogFont);
    state.numberList = Add(dialog, state, WC_COMBOBOXW, u"",
                           CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kRegisterNumbersId,
                           rect(44, top, 90, 300), Anchor::Left, state.dialogFont);
    Add(dialog, state, L"STATIC", u"の上に", SS_LEFT, -1, rect(140, text, 70, 24), Anchor::Left,
        state.dialogFont);
    HWND insert = Add(dialog, state, L"BUTTON", u"挿入", BS_PUSHBUTTON | WS_TABSTOP,
                      kRegisterInsertId, rect(212, top, 80, kStripButtonHeight), Anchor::Left,
                      state.dialogFont);
    Add(dialog, state, L"STATIC", u"", SS_ETCHEDVERT, -1, rect(304, top, 2, kStripButtonHeight),
        Anchor::Left, state.dialogFont);
    Add(dialog, state, L"BUTTON", u"追加 (F4)", BS_PUSHBUTTON | WS_TABSTOP, kRegisterAddId,
        rect(318, top, 120, kStripButtonHeight), Anchor::Left, state.dialogFont);
    Add(dialog, state, L"BUTTON", u"ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL,
        rect(446, top, 100, kStripButtonHeight), Anchor::Left, state.dialogFont);

    const std::vector<std::u16string> items = state.numbers.Items();
    SendMessageW(state.numberList, CB_INITSTORAGE, items.size(), items.size() * 8 * sizeof(wchar_t));
    FillCombo(state.numberList, items);
    SetDropDownItems(state.numberList, kDropDownItems);
    SendMessageW(state.numberList, CB_SETCURSEL, static_cast<WPARAM>(state.numbers.FirstIndex()), 0);
    EnableWindow(state.numberList, state.numbers.Enabled());
    EnableWindow(insert, state.numbers.Enabled());
}

void CreateEditStrip(HWND dialog, EntryDialog& state, int clientHeight) {
    const int top = StripTop(dialog, state, clientHeight);
    const int cancelLeft = state.baseClientWidth - 12 - 100;
    Add(dialog, state, L"BUTTON", u"反映 (F4)", BS_PUSHBUTTON | WS_TABSTOP, kEditApplyId,
        RECT{cancelLeft - 8 - 120, top, cancelLeft - 8, top + kStripButtonHeight}, Anchor::Right,
        state.dialogFont);
    Add(dialog, state, L"BUTTON", u"ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL,
        RECT{cancelLeft, top, cancelLeft + 100, top + kStripButtonHeight}, Anchor::Right,
        state.dialogFont);
}

void LayOut(EntryDialog& state, int clientWidth) {
    const int grow = std::max(0, clientWidth - state.baseClientWidth);
    HDWP positions = BeginDeferWindowPos(static_cast<int>(state.placed.size()));
    for (const Placed& p : state.placed) {
        RECT r = p.base;
        if (p.anchor == Anchor::Stretch) r.right += grow;
        if (p.anchor == Anchor::Right) OffsetRect(&r, grow, 0);
        if (positions) {
            positions = DeferWindowPos(positions, p.hwnd, nullptr, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (positions) EndDeferWindowPos(positions);
}

void SetField(const EntryDialog& state, EntryField field, const std::u16string& text) {
    SetWindowTextW(state.Field(field), W(text));
}

void ShowForm(const EntryDialog& state, const EntryForm& form) {
    SetField(state, EntryField::Foreign, form.foreign);
    SetField(state, EntryField::Phonetic, form.phonetic);
    SetField(state, EntryField::Kana, form.kana);
    SetField(state, EntryField::Japanese, form.japanese);
    SetField(state, EntryField::Note, form.note);
    SetField(state, EntryField::Audio, form.audio);
}

EntryForm ReadForm(const EntryDialog& state) {
    return EntryForm{WindowText(state.Field(EntryField::Foreign)),
                     WindowText(state.Field(EntryField::Phonetic)),
                     WindowText(state.Field(EntryField::Kana)),
                     WindowText(state.Field(EntryField::Japanese)),
                     WindowText(state.Field(EntryField::Note)),
                     WindowText(state.Field(EntryField::Audio))};
}

// F4 reaches the dialog before the focused control: the dialog's message
// loop hands every message to this filter first.
LRESULT CALLBACK DialogKeyFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_F4 && msg->hwnd) {
            HWND root = GetAncestor(msg->hwnd, GA_ROOT);
            if (auto* state = static_cast<EntryDialog*>(GetPropW(root, kStateProperty))) {
                SendMessageW(root, WM_COMMAND, static_cast<WPARAM>(state->ApplyCommand()), 0);
                return 1;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void HookFields(EntryDialog& state) {
    const WordEntryDialogContext& context = state.context;
    const bool reg = state.kind == DialogKind::Register;
    const KeySource foreignSource = reg ? kRegisterForeignKeys : kModifyForeignKeys;
    const KeySource phoneticSource = reg ? kRegisterPhoneticKeys : kModifyPhoneticKeys;
    state.foreignChars = [&context, foreignSource](char16_t key) {
        return context.input.KeyTyped(foreignSource, key);
    };
    state.phoneticChars = [&context, phoneticSource](char16_t key) {
        return context.input.KeyTyped(phoneticSource, key);
    };
    state.foreignKeys = [&context](unsigned key, bool down) {
        if (context.settings.InputMode == kModeThaiMsIme && context.foreignFieldKey)
            context.foreignFieldKey(key, down);
    };
    HookTypedCharacters(state.foreign, &state.foreignChars);
    HookTypedCharacters(state.phonetic, &state.phoneticChars);
    HookKeyStrokes(state.foreign, &state.foreignKeys);
}

void BrowseAudio(HWND dialog, const EntryDialog& state) {
    wchar_t path[MAX_PATH] = {};
    const std::u16string start = state.context.books.AudioBrowseFolder();
    OPENFILENAMEW open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = L"(*.mp3)\0*.mp3\0";
    open.lpstrFile = path;
    open.nMaxFile = MAX_PATH;
    open.lpstrInitialDir = W(start);
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (GetOpenFileNameW(&open)) {
        SetField(state, EntryField::Audio,
                 AudioFileNameOf(reinterpret_cast<const char16_t*>(path)));
    }
}

void InitDialog(HWND dialog, EntryDialog& state) {
    SetPropW(dialog, kStateProperty, &state);
    // Resizable: a sizing frame on the modal frame.
    SetWindowLongPtrW(dialog, GWL_STYLE, GetWindowLongPtrW(dialog, GWL_STYLE) | WS_THICKFRAME);
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    PlaceDialog(dialog, kEntryDialogWidth, kEntryDialogHeight);
    RECT client{};
    GetClientRect(dialog, &client);
    state.baseClientWidth = client.right;

    CreateFonts(dialog, state);
    CreateForm(dialog, state);
    if (state.kind == DialogKind::Register) CreateRegisterStrip(dialog, state, client.bottom);
    else CreateEditStrip(dialog, state, client.bottom);
    HookFields(state);
    state.laidOut = true;
    if (const auto& place = state.Remembered()) {
        SetWindowPos(dialog, nullptr, place->left, place->top, place->width, kEntryDialogHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ShowStart(EntryDialog& state) {
    if (state.kind == DialogKind::Register) {
        const FormStart start = StartRegistration(state.context.settings, *state.areas);
        ShowForm(state, start.form);
        SetFocus(state.Field(start.focus));
        return;
    }
    if (const std::optional<EntryForm> form = StartEdit(state.context.books)) ShowForm(state, *form);
    HWND note = state.Field(EntryField::Note);
    SetFocus(note);
    const int length = GetWindowTextLengthW(note);
    SendMessageW(note, EM_SETSEL, length, length);
    SendMessageW(note, EM_SCROLLCARET, 0, 0);
}

void FieldEntered(const EntryDialog& state, HWND field) {
    const int mode = state.context.settings.InputMode;
    if (field == state.foreign) state.context.layouts.ForeignWordFieldEntered(mode);
    else state.context.layouts.PlainFieldEntered(mode);
}

void Apply(HWND dialog, EntryDialog& state, std::optional<std::size_t> aboveNumber) {
    const EntryForm form = ReadForm(state);
    const bool close = state.kind == DialogKind::Register
                           ? RegisterWord(state.context.books, state.context.settings,
                                          *state.areas, form, aboveNumber)
                           : ApplyEdit(state.context.books, form);
    if (!close) return;
    state.changed = true;
    EndDialog(dialog, IDOK);
}

bool OnCommand(HWND dialog, EntryDialog& state, int id, int code, HWND control) {
    if (code == EN_SETFOCUS) {
        FieldEntered(state, control);
        return true;
    }
    switch (id) {
        case kRegisterAddId:
        case kEditApplyId:
            if (id == state.ApplyCommand()) Apply(dialog, state, std::nullopt);
            return true;
        case kRegisterInsertId:
            if (const auto number = state.numbers.NumberAt(
                    static_cast<int>(SendMessageW(state.numberList, CB_GETCURSEL, 0, 0))))
                Apply(dialog, state, number);
            return true;
        case kEntryBrowseId:
            BrowseAudio(dialog, state);
            return true;
        case kEntryPlayId:
            PlayTypedAudio(state.context.books, WindowText(state.Field(EntryField::Audio)));
            return true;
        case IDOK:  // Enter in a one-line field
            return true;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return true;
    }
    return false;
}

INT_PTR CALLBACK EntryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = DialogState<EntryDialog>(dialog, message, lParam);
    switch (message) {
        case WM_INITDIALOG:
            InitDialog(dialog, *state);
            ShowStart(*state);
            return FALSE;  // the focus is set
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = {kEntryDialogWidth, kEntryDialogHeight};
            info->ptMaxTrackSize.y = kEntryDialogHeight;
            return TRUE;
        }
        case WM_SIZE:
            if (state && state->laidOut) LayOut(*state, LOWORD(lParam));
            return TRUE;
        case WM_CTLCOLOREDIT:
            if (state && reinterpret_cast<HWND>(lParam) == state->phonetic) {
                SetBkColor(reinterpret_cast<HDC>(wParam), state->phoneticColor);
                return reinterpret_cast<INT_PTR>(state->phoneticBrush.get());
            }
            break;
        case WM_COMMAND:
            if (!state) break;
            return OnCommand(dialog, *state, LOWORD(wParam), HIWORD(wParam),
                             reinterpret_cast<HWND>(lParam))
                       ? TRUE
                       : FALSE;
        case WM_DESTROY:
            if (state) {
                RECT rect{};
                GetWindowRect(dialog, &rect);
                state->Remembered() = EntryDialogPlace{rect.left, rect.top, rect.right - rect.left};
            }
            RemovePropW(dialog, kStateProperty);
            break;
    }
    return FALSE;
}

bool RunEntryDialog(HWND owner, EntryDialog& state, std::u16string_view caption) {
    const bool reg = state.kind == DialogKind::Register;
    EditFieldDirectory& fields = state.context.fields;
    fields.Register(reg ? FieldId::RegisterForeign : FieldId::ModifyForeign, &state.foreign);
    fields.Register(reg ? FieldId::RegisterPhonetic : FieldId::ModifyPhonetic, &state.phonetic);
    state.keyFilter = SetWindowsHookExW(WH_MSGFILTER, DialogKeyFilter, nullptr, GetCurrentThreadId());
    RunModalDialog(owner, caption, EntryDialogProc, reinterpret_cast<LPARAM>(&state));
    if (state.keyFilter) UnhookWindowsHookEx(state.keyFilter);
    fields.Unregister(reg ? FieldId::RegisterForeign : FieldId::ModifyForeign);
    fields.Unregister(reg ? FieldId::RegisterPhonetic : FieldId::ModifyPhonetic);
    return state.changed;
}

}  // namespace

EntryDialogPlaces& RememberedEntryDialogPlaces() {
    static EntryDialogPlaces places;
    return places;
}

bool RunRegisterWordDialog(HWND owner, const WordEntryDialogContext& context, InputAreaTexts& areas) {
    EntryDialog state(DialogKind::Register, context, &areas);
    return RunEntryDialog(owner, state, kRegisterWordCaption);
}

bool RunEditWordDialog(HWND owner, const WordEntryDialogContext& context) {
    EntryDialog state(DialogKind::Edit, context, nullptr);
    return RunEntryDialog(owner, state, kEditWordCaption);
}

}  // namespace tess
