#include "app/MainModel.h"

#include "app/VersionUp.h"

namespace tess {

void MainModel::RunStartupSequence() {
    // 1. Every setting and run-time value to its default.
    LoadDefaults(settings_, platform_);
    saveSettingsAtExit_ = true;

    // 2. The settings file over the defaults; the table folder follows SysTblFlg.
    LoadSettings(settings_, platform_, folders_.SysFolder);
    folders_.TblFolder = TableFolderFor(settings_, folders_.SysTblFolder, folders_.UserTblFolder);

    // 3. The shipped files, once per program version, with the TblOWFlg and
    //    NoSampleFlg the user left with the previous version.
    if (!VersionMarkerPresent(platform_, folders_))
        RunVersionUp(platform_, folders_, settings_.TblOWFlg, settings_.NoSampleFlg);

    // The steps that follow belong to parts of the program not written yet;
    // they run here, in this order, as each arrives:
    //  4. the phonetic input table (PhUDBFile, PhCandFile);
    //  5. the foreign-language input table (GaUDBFile, GaCandFile);
    //  6. captions, hints, fonts, colours, timers and combo boxes from the settings;
    //  7. the function-key buttons;
    //  8. the romaji, MS IME and phonetic on-screen keyboards;
    //  9. the symbol tab;
    // 10. the word books of CurBookFolder;
    // 11. the saved list layout and input mode (which selects the language).
}

bool MainModel::RunShutdownSequence() {
    // Releasing the input tables, clearing the word list and restoring the
    // start-up keyboard layout come first, once those parts exist.
    if (!saveSettingsAtExit_) return true;
    return SaveSettings(settings_, platform_, folders_.SysFolder);
}

}  // namespace tess
