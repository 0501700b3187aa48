// "一括辞書ファイル生成": 45 empty dictionary books in the current word-book
// folder, one for words in Latin letters and one per kana row head, never
// overwriting a book (a taken name is numbered).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "app/DataFolders.h"
#include "platform/platform.h"
#include "wordbook/WordBooks.h"

namespace tess {

// "（Alpha）", then "（あ）" ... "（わ）": the 45 labels in order.
std::span<const std::u16string_view> DictionaryLabels();

// The letter of a folder: "T", "M", "L", "K" for the four dictionary
// folders (full paths compared), "X" for any other.
std::u16string DictionaryPrefix(const DataFolders& folders, const std::u16string& folder);

// The whole command: the question, the books, the question whether to list
// them now. False when the user said no first or a book could not be
// written (reported; the books written before it stay).
bool RunDictionaryGeneration(Platform& platform, const DataFolders& folders, WordBooks& books);

}  // namespace tess
