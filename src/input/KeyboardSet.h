// The three on-screen keyboards of one keyboard area, the main window's or the
// PAD's: the romaji page, the MS IME page and the phonetic page, in page order
// (0, 1, 2, as the main window's and the PAD's page enums number them). Each
// host builds its set for its own page size and asks it by page.
#pragma once

#include <cstddef>
#include <memory>

#include "input/Keyboards.h"

namespace tess {

struct InputTables;

class KeyboardSet {
public:
    static constexpr int kRomaji = 0;
    static constexpr int kMsIme = 1;
    static constexpr int kPhonetic = 2;

    // The romaji page on the foreign table, the phonetic page on the
    // phonetic table, the MS IME page on Thai.
    void Build(int sheetWidth, int sheetHeight, const InputTables& tables, Settings& settings,
               Platform& platform, KeyboardHost host);
    bool Built() const { return romaji_ != nullptr; }

    TriggerKeyboard* Romaji() const { return romaji_.get(); }
    TriggerKeyboard* Phonetic() const { return phonetic_.get(); }
    MsImeKeyboard* Ime() const { return ime_.get(); }

    // Nothing (and an empty background) before Build or for another page.
    const KeyboardCells* Of(int page) const;
    KeyboardBackground BackgroundOf(int page) const;
    // What a click on `cell` of `page` asks for; no action before Build.
    KeyboardClick Click(int page, std::size_t cell);

private:
    std::unique_ptr<TriggerKeyboard> romaji_, phonetic_;
    std::unique_ptr<MsImeKeyboard> ime_;
};

}  // namespace tess
