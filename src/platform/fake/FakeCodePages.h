// The fake platform's code pages: iconv's tables, asked once per character
// or byte pair and then remembered, so that converting a file costs a table
// look-up per character instead of an iconv call per run (which made the
// fuzz targets crawl). An invalid byte becomes U+FFFD and decoding goes on
// with the next byte; a character the code page lacks becomes "?", one for a
// surrogate pair, as WideCharToMultiByte writes it.
#pragma once

#include <string>

#include "platform/platform.h"

namespace tess {

// Nothing when the code page is not one the fake knows.
bool FakeCodePageKnown(unsigned codePage);
std::u16string FakeDecodeCodePage(unsigned codePage, const Bytes& bytes);
Bytes FakeEncodeCodePage(unsigned codePage, const std::u16string& text);

}  // namespace tess
