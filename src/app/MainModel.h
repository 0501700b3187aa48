// The main window's model: it owns the application's state for the whole run
// (settings, folders, and later the language, tables and open word book) and
// runs the start-up and shut-down sequences in their fixed order.
#pragma once

#include <string>

#include "app/DataFolders.h"
#include "app/Settings.h"
#include "platform/platform.h"

namespace tess {

class MainModel {
public:
    MainModel(Platform& platform, DataFolders folders)
        : platform_(platform), folders_(std::move(folders)) {}

    // What the main window's creation runs, before it is first shown.
    void RunStartupSequence();

    // What the main window's close runs. False when the settings file could
    // not be written (the caller tells the user; the old file is whole).
    bool RunShutdownSequence();

    // The settings dialog's reset asks that nothing be written at exit.
    void SuppressSettingsSave() { saveSettingsAtExit_ = false; }

    Settings& settings() { return settings_; }
    const DataFolders& folders() const { return folders_; }

private:
    Platform& platform_;
    DataFolders folders_;
    Settings settings_;
    bool saveSettingsAtExit_ = true;
};

}  // namespace tess
