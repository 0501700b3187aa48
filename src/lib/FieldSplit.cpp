#include "lib/FieldSplit.h"

#include <algorithm>

#include "lib/Blanks.h"

namespace tess {

namespace {

// The shared core of both splitters; NUL is an ordinary blank here.
std::vector<std::u16string> SplitFields(std::u16string_view line) {
    std::vector<std::u16string> fields;
    std::size_t pos = 0;
    const std::size_t end = line.size();
    auto skipBlanks = [&] {
        while (pos < end && IsBlank(line[pos])) ++pos;
    };

    skipBlanks();
    while (pos < end) {
        std::u16string field;
        if (line[pos] == u'"') {
            ++pos;
            while (pos < end) {
                // The run up to the next quote in one piece.
                const std::size_t quote = std::min(line.find(u'"', pos), end);
                field.append(line.substr(pos, quote - pos));
                pos = quote;
                if (pos == end) break;
                if (pos + 1 < end && line[pos + 1] == u'"') {
                    field += u'"';
                    pos += 2;
                    continue;
                }
                ++pos;  // the closing quote
                break;
            }
        } else {
            // May be empty, as between two commas: every pass of this loop
            // adds one field and moves on by at least one character.
            const std::size_t start = pos;
            while (pos < end && !IsBlank(line[pos]) && line[pos] != u',') ++pos;
            field.assign(line.substr(start, pos - start));
        }
        fields.push_back(std::move(field));

        skipBlanks();
        if (pos < end && line[pos] == u',') {
            if (pos + 1 == end) {
                fields.emplace_back();
            }
            ++pos;
            skipBlanks();
        }
        // Anything else here (text right after a closing quote, or the next
        // word of an unquoted run) starts a further field.
    }
    return fields;
}

}  // namespace

std::vector<std::u16string> SplitTableFields(std::u16string_view line) {
    return SplitFields(line);
}

std::vector<std::u16string> SplitWordBookFields(std::u16string_view line) {
    // The word book reader takes an entry line as a C string, so the first
    // NUL ends it; in a quoted field the table rules would keep it as text.
    const std::size_t nul = line.find(u'\0');
    if (nul != std::u16string_view::npos) {
        line = line.substr(0, nul);
    }
    return SplitFields(line);
}

namespace {

// `Units` is a text of UTF-16 code units: size() and operator[].
template <class Units>
std::size_t SplitPlainQuoted(const Units& text, std::span<QuotedField> fields) {
    constexpr std::size_t kNo = std::u16string_view::npos;
    if (fields.empty()) return kNo;
    const std::size_t end = text.size();
    std::size_t pos = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            if (pos == end || text[pos] != u',') return kNo;
            ++pos;
        }
        if (pos == end || text[pos] != u'"') return kNo;
        QuotedField& field = fields[i];
        field.pos = ++pos;
        field.hasNumberSign = false;
        // Almost every character is above the number sign; only those at or
        // below it need a second look.
        for (;; ++pos) {
            if (pos == end) return kNo;  // no closing quote
            const char16_t c = text[pos];
            if (c > u'#') continue;
            if (c == u'"') break;
            if (c == u'#') {
                field.hasNumberSign = true;
            } else if (c == u'\r' || c == u'\n' || c == u'\0') {
                return kNo;
            }
        }
        field.size = pos - field.pos;
        ++pos;  // the closing quote; a doubled one fails the test after it
    }
    if (pos != end && text[pos] != u'\r' && text[pos] != u'\n') return kNo;
    return pos;
}

}  // namespace

std::size_t SplitPlainQuotedLine(std::u16string_view text, std::span<QuotedField> fields) {
    return SplitPlainQuoted(text, fields);
}

std::size_t SplitPlainQuotedLine(const Utf16LEUnits& text, std::span<QuotedField> fields) {
    return SplitPlainQuoted(text, fields);
}

}  // namespace tess
