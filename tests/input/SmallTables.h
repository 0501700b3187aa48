// Two small input tables for the tests of the trigger step and the input
// route: on the foreign side "k" has one candidate, "a" two, "!" only a
// blank one; on the phonetic side "A" has one, "E" two. Lower-case "a" is no
// phonetic trigger key.
#pragma once

#include <array>

#include "input/InputTables.h"

namespace tess::testing {

constexpr char16_t kKoKai = u'\u0E01';    // ก
constexpr char16_t kSaraAa = u'\u0E32';   // า
constexpr char16_t kSaraA = u'\u0E30';    // ะ
constexpr char16_t kOpenA = u'\u0251';    // ɑ
constexpr char16_t kOpenE = u'\u025B';    // ɛ
constexpr char16_t kSchwa = u'\u0259';    // ə

inline CandRecord Record(char16_t key, std::array<char16_t, 9> candidates) {
    return CandRecord{key, candidates, 0};
}

inline InputTables SmallTables() {
    InputTables tables;
    tables.GaCandTable = {Record(u'k', {kKoKai}), Record(u'a', {kSaraAa, kSaraA}),
                          Record(u'!', {u' '}), CandRecord{}};
    tables.PhCandTable = {Record(u'A', {kOpenA}), Record(u'E', {kOpenE, kSchwa})};
    return tables;
}

}  // namespace tess::testing
