// Pure text conversions used by the transfers, the code value checker, the
// word books and the tables.
//
// Text is UTF-16: every function works on code units, so a character outside
// the Basic Multilingual Plane is two units and is converted as two values.
// None of these touches the clipboard or another window; WriteWorkRtf is the
// only one that touches a file.
//
// The #$ notation: inside a stored one-line text, "#$" and four upper-case
// hexadecimal digits stand for one character. The writers produce only "#$0D"
// (a line break) and "#$22" (a double quote).
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace tess {

// The rich text document written for the rich text transfers: one line of
// ASCII except for `fontName`, which is kept as it is (whoever writes the
// document encodes it to the ANSI code page). A charset the document does not
// know (128, Shift-JIS, included) is written as 0. The body ends by switching to a
// font \f1 that the font table never defines; RTF readers ignore an unknown
// font, and the document keeps exactly this form.
std::u16string BuildRtf(int charset, int sizePt, const std::u16string& fontName,
                        const std::u16string& text);

// Every code unit as "\u<unsigned decimal>?", ASCII, CR and LF included.
std::u16string RtfUnicodeEscape(std::u16string_view text);

// Replaces "Work.rtf" in `sysFolder` with the one-line document of BuildRtf
// (ANSI code page, CR LF after the line). False when the file could not be
// written; the old file is then left as it was.
bool WriteWorkRtf(Platform& platform, const std::u16string& sysFolder, int charset,
                  int sizePt, const std::u16string& fontName, const std::u16string& text);

// "&#x0E01;" per code unit: four upper-case hexadecimal digits, zero-padded.
std::u16string ToHexNcr(std::u16string_view text);
// "&#3585;" per code unit: decimal, no padding.
std::u16string ToDecNcr(std::u16string_view text);

// The code value checker's listing: the text without leading and trailing
// blanks and control characters (codes up to 32), then "/#$XXXX" per code
// unit. Empty when nothing is left.
std::u16string CodeValueText(std::u16string_view text);

// CR becomes "#$0D" and LF is dropped, so CR LF, a lone CR and a lone LF all
// end up as at most one "#$0D".
std::u16string EncodeLineBreaks(std::u16string_view text);
// Every "#$0D" becomes CR LF.
std::u16string DecodeLineBreaks(std::u16string_view text);

// Every double quote becomes "#$22" / every "#$22" becomes a double quote.
std::u16string EncodeQuotes(std::u16string_view text);
std::u16string DecodeQuotes(std::u16string_view text);

// Resolves the #$ notation step by step: take the first
// "#$" of the text; when four characters follow and they pass IsHex4, the six
// characters become that one character, otherwise just the "#$" is deleted;
// then look again from the beginning. A "#" or "$" produced on the way can
// therefore form a new "#$" with what follows: "#$0023$0041" gives "A".
std::u16string DecodeHexEscapes(std::u16string_view text);

// Exactly four characters, each one of "0123456789ABCDEF" (lower case fails).
bool IsHex4(std::u16string_view text);

// The value of four hexadecimal digits; 0 for a text that is not four
// characters long. Callers test IsHex4 first; this one also reads lower-case
// digits and gives 0 when any of the four is not a hexadecimal digit.
char16_t Hex4ToCode(std::u16string_view text);

// The font character set of a script name as the symbol DB headers store it:
// タイ文字 222, キリル文字 204, ハングル 129, ベトナム文字 163, anything else 0.
int CharsetOfScriptName(std::u16string_view name);

// Replaces `find` in `text` in place; an empty replacement deletes it. When
// the replacement is shorter than `find`, the first occurrence counted from
// the start of the current text is replaced again and again, so text that a
// replacement joins with its neighbours is looked at again ("abb" with "ab"
// replaced by "a" gives "a"). Otherwise that rule might never end (always,
// when the replacement contains `find`), so each occurrence of the original
// text is replaced once, left to right. For a one-character `find` the two
// readings agree. An empty `find` does nothing.
void ReplaceAll(std::u16string& text, std::u16string_view find,
                std::u16string_view replacement);

}  // namespace tess
