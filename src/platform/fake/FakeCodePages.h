// The fake platform's code pages. 932 and 874, the ones the program's files
// are written in, go by the tables generated from Windows' own
// (CodePageTables), so that they read invalid bytes and write lacking
// characters exactly as Windows does. The others go by iconv's tables, asked
// once per character or byte pair and then remembered, so that converting a
// file costs a look-up per character instead of an iconv call per run; there
// an invalid byte becomes U+FFFD and decoding goes on with the next byte, and
// a character the code page lacks becomes "?", one for a surrogate pair.
#pragma once

#include <string>

#include "platform/platform.h"

namespace tess {

// Nothing when the code page is not one the fake knows.
std::u16string FakeDecodeCodePage(unsigned codePage, const Bytes& bytes);
Bytes FakeEncodeCodePage(unsigned codePage, const std::u16string& text);

}  // namespace tess
