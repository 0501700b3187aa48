// The main window as the transfer model's port: the two areas, the hidden rich-text
// buffers that render rich text transfers, the mode display, the target
// indicator and the caption.
#include "app/win32/MainWindow.h"

#include <richedit.h>

#include "app/AppIdentity.h"
#include "lib/win32/Win32Helpers.h"

namespace tess {

namespace {

HWND AreaControl(const MainControls& c, InputArea area) {
    return area == InputArea::Phonetic ? c.phoneticArea : c.foreignArea;
}

}  // namespace

std::u16string MainWindow::LanguageName() { return model_.language().LanguageName; }

int MainWindow::LangCharset() { return model_.language().LangCharset; }

std::u16string MainWindow::AreaText(InputArea area) { return WindowText(AreaControl(controls_, area)); }

TextSelection MainWindow::AreaSelection(InputArea area) {
    DWORD start = 0, end = 0;
    SendMessageW(AreaControl(controls_, area), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end - start};
}

void MainWindow::SelectInArea(InputArea area, TextSelection selection) {
    SendMessageW(AreaControl(controls_, area), EM_SETSEL, selection.start,
                 selection.start + selection.length);
}

void MainWindow::SetAreaText(InputArea area, const std::u16string& text) {
    SetWindowTextW(AreaControl(controls_, area), reinterpret_cast<const wchar_t*>(text.c_str()));
}

void MainWindow::FocusArea(InputArea area) {
    // The edit control reports EN_SETFOCUS before SetFocus returns, so the
    // focus-entry rules have run when this returns.
    SetFocus(AreaControl(controls_, area));
}

void MainWindow::CopyAsRichText(RichBuffer buffer, const std::u16string& text,
                              const std::u16string& fontName, int charset, int sizePt) {
    HWND rich = buffer == RichBuffer::A ? controls_.richBufferA : controls_.richBufferB;
    SetWindowTextW(rich, reinterpret_cast<const wchar_t*>(text.c_str()));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    // CFM_BOLD without CFE_BOLD: plain text (some rich edits start bold).
    format.dwMask = CFM_FACE | CFM_CHARSET | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    format.yHeight = sizePt * 20;
    format.bCharSet = static_cast<BYTE>(charset);
    lstrcpynW(format.szFaceName, reinterpret_cast<const wchar_t*>(fontName.c_str()), LF_FACESIZE);
    // Select exactly the text: (0, -1) would also take the final paragraph mark.
    const auto length = static_cast<LPARAM>(text.size());
    SendMessageW(rich, EM_SETSEL, 0, length);
    SendMessageW(rich, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(rich, EM_SETSEL, 0, length);
    SendMessageW(rich, WM_COPY, 0, 0);
}

void MainWindow::ShowTransferModeText(const std::u16string& text) {
    SetWindowTextW(controls_.transferModeBox, reinterpret_cast<const wchar_t*>(text.c_str()));
}

void MainWindow::ShowTarget(TargetIndicator where, bool held, const std::u16string& caption) {
    if (where != TargetIndicator::Main) return;  // the PAD shows its own
    targetHeld_ = held;
    InvalidateRect(controls_.targetShape, nullptr, TRUE);
    SetWindowTextW(hwnd_, reinterpret_cast<const wchar_t*>(caption.c_str()));
}

bool MainWindow::IsFormOpen(const std::u16string&) {
    // The PAD window is the only form asked about; it does not exist yet.
    return false;
}

std::u16string MainWindow::LastPlayedAudioName() { return {}; }

void MainWindow::FillTransferMenu() {
    // The captions follow the language, the check mark TransMode.
    HMENU menu = menus_.transfer;
    while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
    const std::u16string language = model_.language().LanguageName;
    for (const TransferMenuItem& item : TransferMenuItems()) {
        if (item.mode == 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::u16string caption = TransferMenuCaption(item.mode, language);
        UINT flags = MF_STRING;
        if (TransferMenuItemChecked(item, model_.settings().TransMode)) flags |= MF_CHECKED;
        AppendMenuW(menu, flags, static_cast<UINT_PTR>(kMenuTransferMode0 + item.mode),
                    reinterpret_cast<const wchar_t*>(caption.c_str()));
    }
}

void MainWindow::OnAreaFocused(InputArea area) {
    if (!transfer_) return;
    const int mode = model_.settings().InputMode;
    if (area == InputArea::Foreign) {
        layouts_->ForeignAreaEntered(mode);
        transfer_->OnAreaEntered(InputArea::Foreign);
    } else {
        layouts_->PlainFieldEntered(mode);
        transfer_->OnAreaEntered(InputArea::Phonetic);
    }
}

}  // namespace tess
