#include "lib/WholeNumber.h"

#include <string>

namespace tess {

std::optional<int> ReadWholeNumber(const std::u16string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
        value = value * 10 + (text[i] - u'0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<int>(value);
}

std::u16string WholeNumberText(int value) {
    std::u16string text;
    for (char c : std::to_string(value)) text.push_back(static_cast<char16_t>(c));
    return text;
}

}  // namespace tess
