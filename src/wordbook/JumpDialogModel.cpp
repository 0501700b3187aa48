#include "wordbook/JumpDialogModel.h"

#include <algorithm>
#include <limits>
#include <string>

namespace tess {

long long IntegerOrMinusOne(std::u16string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == u'+' || text[0] == u'-')) {
        negative = text[0] == u'-';
        pos = 1;
    }
    if (pos == text.size()) return -1;
    long long value = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos];
        if (c < u'0' || c > u'9') return -1;
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<int>::max()) return -1;
    }
    return negative ? -value : value;
}

JumpDialogModel::JumpDialogModel(int rowCount) : rowCount_(std::max(rowCount, 0)) {}

std::vector<std::u16string> JumpDialogModel::Items() const {
    std::vector<std::u16string> items;
    items.reserve(static_cast<std::size_t>(rowCount_));
    for (int number = 1; number <= rowCount_; ++number) {
        const std::string digits = std::to_string(number);
        items.emplace_back(digits.begin(), digits.end());
    }
    return items;
}

void JumpDialogModel::ItemPicked(int index) { pickedIndex_ = index; }

void JumpDialogModel::TextTyped() { pickedIndex_ = -1; }

bool JumpDialogModel::OkEnabled() const { return pickedIndex_ >= 0 && pickedIndex_ < rowCount_; }

std::optional<int> JumpDialogModel::RowToJump(std::u16string_view text) const {
    const long long number = IntegerOrMinusOne(text);
    if (number < 1 || number > rowCount_) return std::nullopt;
    return static_cast<int>(number - 1);
}

}  // namespace tess
