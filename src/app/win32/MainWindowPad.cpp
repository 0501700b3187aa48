// PAD mode: the PAD window stands in for the main window until it closes.
#include "app/win32/MainWindow.h"

#include "app/PadModel.h"
#include "app/win32/PadWindow.h"

namespace tess {

void MainWindow::OpenPadWindow() {
    PadWindow window(instance_, hwnd_, controls_.autoPasteCheck);
    PadModel pad(model_, *this, window);
    pad.Open();
    if (!window.Create(pad)) {
        ShowWindow(hwnd_, SW_SHOW);
        return;
    }
    // The line takes candidates while the PAD is open, and the transfer
    // shows the target on it.
    fields_.Register(FieldId::PadEdit1, window.LineHandle());
    padWindow_ = &window;
    window.Run();
    padWindow_ = nullptr;
    fields_.Unregister(FieldId::PadEdit1);
}

}  // namespace tess
