#include "platform/fake/CodePageTables.h"

#include <array>
#include <memory>

namespace tess {

namespace {

using namespace codepage_data;

constexpr std::uint16_t kNoBytes = 0xFFFF;  // no lead byte 0xFF in either code page

// Every UTF-16 unit's bytes, kNoBytes where there are none; built on first use.
using EncodeTable = std::array<std::uint16_t, 65536>;

std::unique_ptr<EncodeTable> BuildEncodeTable(const CodePagePair* pairs, std::size_t count) {
    auto table = std::make_unique<EncodeTable>();
    table->fill(kNoBytes);
    for (std::size_t i = 0; i < count; ++i) (*table)[pairs[i].unicode] = pairs[i].bytes;
    return table;
}

const EncodeTable& EncodeTableOf(unsigned codePage) {
    static const std::unique_ptr<EncodeTable> cp932 = BuildEncodeTable(kCp932Encode, kCp932EncodeCount);
    static const std::unique_ptr<EncodeTable> cp874 = BuildEncodeTable(kCp874Encode, kCp874EncodeCount);
    return codePage == 932 ? *cp932 : *cp874;
}

}  // namespace

bool HasCodePageTable(unsigned codePage) { return codePage == 932 || codePage == 874; }

std::u16string DecodeWithTable(unsigned codePage, std::string_view bytes) {
    // Never more characters than bytes: written by index, then cut to size.
    const std::size_t size = bytes.size();
    std::u16string out(size, u'\0');
    char16_t* to = out.data();
    const auto* from = reinterpret_cast<const unsigned char*>(bytes.data());
    if (codePage == 874) {
        for (std::size_t i = 0; i < size; ++i) to[i] = kCp874Single[from[i]];
        return out;
    }
    std::size_t n = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t lead = kCp932LeadIndex[from[i]];
        // A NUL after a lead byte is never its trail byte.
        if (lead != 0 && i + 1 < size && from[i + 1] != 0) {
            to[n++] = kCp932Double[lead - 1][from[++i]];
        } else {
            to[n++] = kCp932Single[from[i]];
        }
    }
    out.resize(n);
    return out;
}

std::string EncodeWithTable(unsigned codePage, std::u16string_view text) {
    const EncodeTable& table = EncodeTableOf(codePage);
    std::string out;
    out.reserve(text.size() * 2);
    for (char16_t c : text) {
        const std::uint16_t code = table[c];
        if (code == kNoBytes) {
            out.push_back('?');
        } else if (code > 0xFF) {
            out.push_back(static_cast<char>(code >> 8));
            out.push_back(static_cast<char>(code & 0xFF));
        } else {
            out.push_back(static_cast<char>(code));
        }
    }
    return out;
}

}  // namespace tess
