#include "input/KeyboardSet.h"

#include "input/InputTables.h"
#include "lib/Charsets.h"

namespace tess {

void KeyboardSet::Build(int sheetWidth, int sheetHeight, const InputTables& tables,
                        Settings& settings, Platform& platform, KeyboardHost host) {
    romaji_ = std::make_unique<TriggerKeyboard>(InputSide::Foreign, sheetWidth, sheetHeight,
                                                tables.GaCandTable, settings, host);
    phonetic_ = std::make_unique<TriggerKeyboard>(InputSide::Phonetic, sheetWidth, sheetHeight,
                                                  tables.PhCandTable, settings, host);
    ime_ = std::make_unique<MsImeKeyboard>(sheetWidth, sheetHeight, kThaiCharset, settings,
                                           platform, host);
}

const KeyboardCells* KeyboardSet::Of(int page) const {
    switch (page) {
        case kRomaji: return romaji_.get();
        case kMsIme: return ime_.get();
        case kPhonetic: return phonetic_.get();
        default: return nullptr;
    }
}

KeyboardBackground KeyboardSet::BackgroundOf(int page) const {
    switch (page) {
        case kRomaji: return romaji_ ? romaji_->Background() : KeyboardBackground{};
        case kMsIme: return ime_ ? ime_->Background() : KeyboardBackground{};
        case kPhonetic: return phonetic_ ? phonetic_->Background() : KeyboardBackground{};
        default: return {};
    }
}

KeyboardClick KeyboardSet::Click(int page, std::size_t cell) {
    switch (page) {
        case kRomaji: return romaji_ ? romaji_->Click(cell) : KeyboardClick{};
        case kMsIme: return ime_ ? ime_->Click(cell) : KeyboardClick{};
        case kPhonetic: return phonetic_ ? phonetic_->Click(cell) : KeyboardClick{};
        default: return {};
    }
}

}  // namespace tess
