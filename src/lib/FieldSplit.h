// Splitting one stored line into comma-separated fields with double quotes.
//
// Two readers, two rule sets, kept apart on purpose: the table splitter serves
// the settings file, the symbol DB files and the candidate files; the word
// book splitter serves the word book entry lines. Readers recognise a line
// only by how many fields it gives, so the exact count on odd lines matters.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lib/TextFile.h"

namespace tess {

// The table rules:
// - Fields are separated by commas.
// - A field that begins with a double quote ends at the next double quote
//   that is not doubled; inside it a doubled quote stands for one quote, and
//   commas and blanks are ordinary characters. The quotes are not part of
//   the value. A missing closing quote makes the field run to the end of the
//   line. Text between the closing quote and the next comma is a further
//   field.
// - Outside quotes, characters with codes up to 32 (blank, tab, any control
//   character, NUL included) are skipped at the start of the line and around
//   the commas, and they end an unquoted field: unquoted "Times New Roman" is
//   three fields.
// - A comma that is the very last character of the line adds one empty
//   field. A blank line has no fields.
std::vector<std::u16string> SplitTableFields(std::u16string_view line);

// The word book entry rules:
// - Characters with codes 1 to 32 before a field are skipped.
// - A field that begins with a double quote runs to the next double quote
//   that is not doubled; two double quotes in a row inside it stand for one.
//   A missing closing quote makes the field run to the end of the line.
// - A field that does not begin with a double quote ends at the next comma or
//   at the first character with a code of 32 or less.
// - A comma that is the very last character of the line adds one empty field.
// - A NUL character ends the line.
// Where these say nothing, the table rules hold: blanks after a field are
// skipped up to the comma, and text right after a closing quote is a further
// field.
std::vector<std::u16string> SplitWordBookFields(std::u16string_view line);

// One field found by SplitPlainQuotedLine: where its text lies (offsets into
// the text given, the quotes left out), and whether it holds a number sign,
// with which every "#$" escape begins.
struct QuotedField {
    std::size_t pos = 0;
    std::size_t size = 0;
    bool hasNumberSign = false;
};

// The quick way through the shape every word book writer produces, for
// reading big books: the line at the start of `text` is exactly
// `fields.size()` fields, each a double quote, text without a double quote,
// CR, LF or NUL, and a double quote, joined by single commas, with nothing
// before the first quote and nothing after the last one but the end of the
// line (a CR, an LF or the end of `text`). Then `fields` gets the fields and
// the result is the length of the line; the field texts are exactly those
// SplitWordBookFields gives for the line. On any other shape (a doubled
// quote, a blank between fields, an unquoted field, ...) the result is npos,
// `fields` is left in an unspecified state, and the line has to go through
// SplitWordBookFields.
std::size_t SplitPlainQuotedLine(std::u16string_view text, std::span<QuotedField> fields);
// The same over UTF-16 LE bytes where they lie, so that a big file need not
// be decoded whole first.
std::size_t SplitPlainQuotedLine(const Utf16LEUnits& text, std::span<QuotedField> fields);

}  // namespace tess
