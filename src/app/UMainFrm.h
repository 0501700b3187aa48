// TMainFrm: the main window (view). It builds its controls and forwards events;
// the rules live in the portable models it drives.
#pragma once

#include <windows.h>

#include "app/MainControlsWin32.h"
#include "app/MainLayout.h"
#include "app/MainMenuWin32.h"
#include "app/MainModel.h"
#include "platform/platform.h"

namespace tess {

class TMainFrm {
public:
    TMainFrm(Platform& platform, DataFolders folders)
        : platform_(platform), model_(platform, std::move(folders)) {}

    static bool RegisterWindowClass(HINSTANCE instance);
    // Creates and shows the window; false when the system refused it.
    bool Create(HINSTANCE instance, int showCommand);
    HWND Handle() const { return hwnd_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PlaceOnFirstShow();
    void OnClose();
    void OnCreate();
    void LayOut();
    void DrawItem(const DRAWITEMSTRUCT& item);
    void OnCommand(int id);

    Platform& platform_;
    MainModel model_;
    HWND hwnd_ = nullptr;
    HINSTANCE instance_ = nullptr;
    MainControls controls_;
    MainMenus menus_;
    PaneSizes paneSizes_;
    bool targetHeld_ = false;
};

}  // namespace tess
