// File name patterns as the platform's file listing understands them, and the
// one case folding that file names compare with. Both platforms use these:
// the real one lists a folder and filters the names here, so the fake and the
// real list exactly the same names for a pattern.
#pragma once

#include <string_view>

namespace tess {

// "*" matches any run of characters (none included), "?" exactly one; every
// other character matches itself, compared through FoldCase. There is no
// special meaning for "." ("*.*" needs a dot) and no match on short 8.3
// names.
bool WildcardMatch(std::u16string_view pattern, std::u16string_view name);

// The lower-case partner of an upper-case letter of these blocks, every other
// code unit unchanged:
//   - ASCII A-Z;
//   - Latin-1 U+00C0-U+00DE (U+00D7, the multiplication sign, excepted);
//   - Latin Extended-A U+0100-U+017F, by its upper/lower pairs; U+0178 (Y with
//     diaeresis) goes to U+00FF. The dotted and dotless I (U+0130, U+0131),
//     kra, the apostrophe n and the long s have no partner here;
//   - basic Cyrillic U+0400-U+042F.
// These cover the letters of the code pages the program reads (1252, 1251)
// and the Latin letters of phonetic names. Other scripts (Greek, Armenian,
// full-width Latin) compare exactly.
char16_t FoldCase(char16_t c);

}  // namespace tess
