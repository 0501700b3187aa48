// The main window as the transfer model's port: the two areas, the hidden rich-text
// buffers that render rich text transfers, the mode display, the target
// indicator and the caption.
#include "app/win32/MainWindow.h"



#include "app/AppIdentity.h"
#include "app/win32/PadWindow.h"
#include "app/win32/RichBuffer.h"
#include "app/win32/SearchWindow.h"
#include "lib/win32/GdiTextMeasurer.h"
#include "lib/win32/Win32Helpers.h"
#include "wordbook/SearchWindowModel.h"

namespace tess {

namespace {

HWND AreaControl(const MainControls& c, InputArea area) {
    return area == InputArea::Phonetic ? c.phoneticArea : c.foreignArea;
}

}  // namespace



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

void MainWindow::CopyRichText(const RichCopy& copy) {
    HWND rich = copy.buffer == RichBuffer::A   ? controls_.richBufferA
                : copy.buffer == RichBuffer::B ? controls_.richBufferB
                : padWindow_                   ? padWindow_->RichBufferHandle()
                                               : nullptr;
    if (!rich) return;
    CopyThroughRichBuffer(rich, copy);
}

void MainWindow::ShowTransferModeText(const std::u16string& text) {
    transferModeText_ = text;
    ShowTransferModeFitted();
}

void MainWindow::ShowTransferModeFitted() {
    // The mode display keeps its size in every language: a longer text gets
    // a smaller font, so that it is never cut off.
    GdiTextMeasurer measurer;
    const int size = ModeDisplayFontSize(measurer, transferModeText_);
    HFONT font = CreatePointFont(kModeDisplayFont, SHIFTJIS_CHARSET, size);
    SendMessageW(controls_.transferModeBox, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    transferModeFont_.Reset(font);
    SetWindowTextW(controls_.transferModeBox, W(transferModeText_));
}

void MainWindow::ShowTarget(TargetIndicator where, bool held, const std::u16string& caption) {
    if (where == TargetIndicator::Pad) {
        if (padWindow_) padWindow_->ShowTargetState(held, caption);
        return;
    }
    targetHeld_ = held;
    InvalidateRect(controls_.targetShape, nullptr, TRUE);
    SetWindowTextW(hwnd_, reinterpret_cast<const wchar_t*>(caption.c_str()));
}

bool MainWindow::IsFormOpen(const std::u16string& name) {
    if (name == kPadFormName) return padWindow_ != nullptr;
    if (name == kSearchFormName) return SearchWindowOpen(hwnd_);
    return false;
}


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
    lastArea_ = area;
    model_.AreaEntered(area);
}

}  // namespace tess
