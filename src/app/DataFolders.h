// The data folders: where every file of the program lives, derived once at
// start-up from the application-data, documents and program-files folders.
#pragma once

#include <string>

#include "platform/platform.h"

namespace tess {

struct DataFolders {
    // The installation and its shipped copies; never created by the program.
    std::u16string ProgramFolder, HelpFolder, SysTblFolder;
    // Below the application-data folder.
    std::u16string SysFolder, UserTblFolder;
    // Below the documents folder.
    std::u16string UsrFolder;
    std::u16string ThaiBookFolder, ThaiDicFolder;
    std::u16string MyanmarBookFolder, MyanmarDicFolder;
    std::u16string LaosBookFolder, LaosDicFolder;
    std::u16string KhmerBookFolder, KhmerDicFolder;
    // Working folders: the word book and dictionary folders in use, the table
    // folder in use (set once the settings are read) and the text-file folder.
    std::u16string CurBookFolder, CurDicFolder, TblFolder, TextFolder;
};

// Forms every folder string from the platform's three base folders ("APPDATA",
// the shell's documents folder, "PROGRAMFILES"); creates nothing.
DataFolders ComputeDataFolders(Platform& platform);

// Computes the folders and creates the ones the program writes to: the five
// it needs (a warning box names each one that could not be made) and the six
// other language folders (silently).
DataFolders InitDataFolders(Platform& platform);

}  // namespace tess
