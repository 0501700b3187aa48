// Building small table files in the fake platform, and printing UTF-16 in
// failure messages.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"

namespace tess::testing {

inline const std::u16string kTblFolder = u"C:\\Tessaline\\Tbl";

inline std::u16string InTbl(std::u16string_view name) {
    return kTblFolder + u"\\" + std::u16string(name);
}

// Puts `text` as code page 932, exactly as written (line ends included).
inline void PutAnsi(FakePlatform& platform, std::u16string_view name, std::u16string_view text) {
    platform.PutFile(InTbl(name), platform.EncodeCodePage(kAnsiCodePage, std::u16string(text)));
}

inline std::string U8(std::u16string_view text) { return Utf16ToUtf8(text); }

}  // namespace tess::testing
