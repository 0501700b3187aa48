// Small pieces shared by the symbol DB and candidate file readers and writers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

// A text field as the table writers put it: between double quotes, with a
// double quote inside doubled. The field splitter reads a doubled quote back
// as one, so a name that holds a quote keeps its row instead of splitting it
// into more fields than its line kind allows.
std::u16string QuoteTableField(std::u16string_view value);

// A field the writers leave unquoted where they always have (a candidate
// file's mode and codes): as it is when the splitter reads it back whole,
// else quoted. A value holding a blank, a comma or a quote, possible only in
// a file made by hand, then keeps its line and its place in it.
std::u16string PlainTableField(std::u16string_view value);

// The value of a number field (group number, auxiliary class). The program
// writes only plain decimal integers; anything else, from a file made by
// hand, counts as 0 so that the rest of the line, and of the file, still
// reads. Accepted: an optional sign and one or more decimal digits whose value
// fits 32 bits, and nothing else (no blanks, no "0x").
std::int32_t TableNumber(std::u16string_view field);

}  // namespace tess
