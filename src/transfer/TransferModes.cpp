#include "transfer/TransferModes.h"
#include "transfer/TransferPort.h"

#include <algorithm>

namespace tess {
namespace {

struct ModeTexts {
    int mode;
    std::u16string_view display;  // after the language name for modes 1 to 5
    std::u16string_view caption;  // likewise
};

constexpr ModeTexts kModeTexts[] = {
    {1, u" ﾘｯﾁ1", u"　リッチテキスト1　（標準転送）"},
    {2, u" ﾘｯﾁ2", u"　リッチテキスト2"},
    {3, u" Uni16", u"　Unicode16進　数値文字参照"},
    {4, u" Uni10", u"　Unicode10進　数値文字参照"},
    {5, u" ﾃｷｽﾄ", u"　Unicodeテキスト"},
    {11, u"発音記号 ﾘｯﾁ", u"発音記号　リッチテキスト"},
    {12, u"発音記号 Uni16", u"発音記号　Unicode16進　数値文字参照"},
    {13, u"発音記号 Uni10", u"発音記号　Unicode10進　数値文字参照"},
    {14, u"発音記号 ﾃｷｽﾄ", u"発音記号　Unicodeテキスト"},
};

constexpr TransferMenuItem kMenu[] = {
    {u"TRMode11", 11}, {u"TRMode12", 12}, {u"TRMode13", 13}, {u"TRMode14", 14}, {u"", 0},
    {u"TRMode01", 1},  {u"TRMode02", 2},  {u"TRMode03", 3},  {u"TRMode04", 4},  {u"TRMode05", 5},
};

const ModeTexts* Find(int mode) {
    for (const ModeTexts& t : kModeTexts)
        if (t.mode == mode) return &t;
    return nullptr;
}

// The foreign-language modes carry the language name in front.
std::u16string Compose(int mode, std::u16string_view languageName, std::u16string_view rest) {
    std::u16string text;
    if (mode < 10) text = languageName;
    text += rest;
    return text;
}

}  // namespace

bool IsTransferMode(int mode) {
    return std::find(kTransferModes.begin(), kTransferModes.end(), mode) != kTransferModes.end();
}

TransferMode EffectiveTransferMode(int mode) {
    return IsTransferMode(mode) ? static_cast<TransferMode>(mode) : TransferMode::ForeignRich;
}

InputArea SourceAreaOfMode(int mode) {
    return mode / 10 == 1 ? InputArea::Phonetic : InputArea::Foreign;
}

std::u16string TransferModeDisplay(int mode, std::u16string_view languageName) {
    const ModeTexts* t = Find(mode);
    return t ? Compose(mode, languageName, t->display) : std::u16string();
}

std::span<const TransferMenuItem> TransferMenuItems() { return kMenu; }

std::u16string TransferMenuCaption(int mode, std::u16string_view languageName) {
    const ModeTexts* t = Find(mode);
    return t ? Compose(mode, languageName, t->caption) : std::u16string();
}

std::size_t RichEditLength(const std::u16string& text) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++length)
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    return length;
}

}  // namespace tess
