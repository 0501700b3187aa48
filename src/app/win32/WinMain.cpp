// The program's entry: one instance only, then the main window and the event
// loop until the main window closes.
#include <ole2.h>
#include <windows.h>

#include "app/AppIdentity.h"
#include "app/DataFolders.h"
#include "app/win32/MainWindow.h"
#include "platform/win32/Win32Platform.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    tess::Win32Platform platform;
    // A second start ends at once, silently; the running instance is left alone.
    if (!platform.AcquireSingleInstanceLock(tess::kInstanceMutexName)) return 0;

    tess::DataFolders folders = tess::InitDataFolders(platform);

    // The rich text buffers and the clipboard's delayed rendering need OLE.
    OleInitialize(nullptr);
    int exitCode = 1;
    if (tess::MainWindow::RegisterWindowClass(instance)) {
        tess::MainWindow mainForm(platform, folders);
        if (mainForm.Create(instance, showCommand)) {
            MSG msg;
            while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
                mainForm.PreviewKey(msg);
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            exitCode = static_cast<int>(msg.wParam);
        }
    }
    OleUninitialize();
    return exitCode;
}
