#include "tables/TableFields.h"

#include <limits>

namespace tess {

std::u16string QuoteTableField(std::u16string_view value) {
    std::u16string out;
    out.reserve(value.size() + 2);
    out += u'"';
    for (char16_t c : value) {
        if (c == u'"') out += u'"';
        out += c;
    }
    out += u'"';
    return out;
}

std::u16string PlainTableField(std::u16string_view value) {
    for (char16_t c : value) {
        if (c <= u' ' || c == u',' || c == u'"') return QuoteTableField(value);
    }
    return std::u16string(value);
}

std::int32_t TableNumber(std::u16string_view field) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < field.size() && (field[pos] == u'-' || field[pos] == u'+')) {
        negative = field[pos] == u'-';
        ++pos;
    }
    if (pos == field.size()) return 0;
    std::int64_t value = 0;
    for (; pos < field.size(); ++pos) {
        const char16_t c = field[pos];
        if (c < u'0' || c > u'9') return 0;
        value = value * 10 + (c - u'0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return 0;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::int32_t>(value);
}

}  // namespace tess
