// The fake platform's code page tables against the real conversions, on every
// single byte, every pair of bytes and every UTF-16 unit.
#include <gtest/gtest.h>

#include <string>

#include "platform/fake/CodePageTables.h"
#include "platform/win32/Win32Platform.h"

namespace tess {
namespace {

std::string Hex(std::string_view bytes) {
    std::string out;
    char buffer[4];
    for (char b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X ", static_cast<unsigned char>(b));
        out += buffer;
    }
    return out;
}

std::string Hex(std::u16string_view text) {
    std::string out;
    char buffer[8];
    for (char16_t c : text) {
        std::snprintf(buffer, sizeof buffer, "%04X ", static_cast<unsigned>(c));
        out += buffer;
    }
    return out;
}

class CodePageTables : public ::testing::TestWithParam<unsigned> {
protected:
    Win32Platform platform;
    int mismatches = 0;

    // The real conversion and the table's of `input` agree; the first few
    // that do not are listed.
    template <class Input, class Real, class Table>
    void Compare(const Input& input, Real real, Table table) {
        const auto windows = (platform.*real)(GetParam(), input);
        const auto tables = table(GetParam(), input);
        if (windows != tables && ++mismatches <= 10) {
            ADD_FAILURE() << Hex(input) << ": Windows " << Hex(windows) << ", table "
                          << Hex(tables);
        }
    }
    void CompareDecode(const std::string& bytes) {
        Compare(bytes, &Win32Platform::DecodeCodePage, DecodeWithTable);
    }
    void CompareEncode(const std::u16string& text) {
        Compare(text, &Win32Platform::EncodeCodePage, EncodeWithTable);
    }
};

TEST_P(CodePageTables, DecodeEveryByteAndPairAsWindowsDoes) {
    for (int first = 0; first < 256; ++first) {
        CompareDecode(std::string(1, static_cast<char>(first)));
        for (int second = 0; second < 256; ++second) {
            CompareDecode({static_cast<char>(first), static_cast<char>(second)});
        }
    }
    // A pair's second byte is never the start of the next character, and a
    // lead byte at the end stands alone.
    CompareDecode("\x81\x81\x40");
    CompareDecode("a\x93");
    CompareDecode("\x93\x00z");
    CompareDecode(std::string("\x81\x00\x40", 3));
    EXPECT_EQ(mismatches, 0);
}

TEST_P(CodePageTables, EncodeEveryUnitAsWindowsDoes) {
    for (int unit = 0; unit < 0x10000; ++unit) {
        CompareEncode(std::u16string(1, static_cast<char16_t>(unit)));
    }
    CompareEncode(u"a\U0001F600b");
    CompareEncode(u"\xD800z\xDC00");
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Both, CodePageTables, ::testing::Values(932u, 874u));

}  // namespace
}  // namespace tess
