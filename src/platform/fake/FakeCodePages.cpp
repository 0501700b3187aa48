#include "platform/fake/FakeCodePages.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/fake/CodePageTables.h"

namespace tess {

namespace {

// The code pages without a table of their own (932 and 874 have one).
const char* IconvName(unsigned codePage) {
    switch (codePage) {
        case 949: return "CP949";
        case 1251: return "CP1251";
        case 1252: return "CP1252";
        default: return nullptr;
    }
}

constexpr std::int32_t kUnknown = -2;
constexpr std::int32_t kInvalid = -1;
constexpr std::int32_t kLead = -3;  // a byte that starts a pair

class CodePage {
public:
    explicit CodePage(const char* name)
        : toUnicode_(iconv_open("UTF-16LE", name)), fromUnicode_(iconv_open(name, "UTF-16LE")) {
        single_.fill(kUnknown);
    }
    ~CodePage() {
        if (toUnicode_ != kNone) iconv_close(toUnicode_);
        if (fromUnicode_ != kNone) iconv_close(fromUnicode_);
    }
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    std::u16string Decode(const Bytes& bytes) {
        std::u16string out;
        out.reserve(bytes.size());
        for (std::size_t i = 0; i < bytes.size();) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            const std::int32_t single = Single(b);
            if (single >= 0) {
                out.push_back(static_cast<char16_t>(single));
                ++i;
                continue;
            }
            if (single == kLead && i + 1 < bytes.size()) {
                const std::int32_t pair = Pair(b, static_cast<unsigned char>(bytes[i + 1]));
                if (pair >= 0) {
                    out.push_back(static_cast<char16_t>(pair));
                    i += 2;
                    continue;
                }
            }
            out.push_back(u'\uFFFD');
            ++i;
        }
        return out;
    }

    Bytes Encode(const std::u16string& text) {
        Bytes out;
        out.reserve(text.size() * 2);
        for (std::size_t i = 0; i < text.size();) {
            const char16_t c = text[i];
            if (c >= 0xD800 && c <= 0xDFFF) {
                out += '?';
                i += (c <= 0xDBFF && i + 1 < text.size()) ? 2 : 1;
                continue;
            }
            const std::int32_t bytes = Encoded(c);
            if (bytes < 0) {
                out += '?';
            } else if (bytes >> 16 == 2) {
                out += static_cast<char>((bytes >> 8) & 0xFF);
                out += static_cast<char>(bytes & 0xFF);
            } else {
                out += static_cast<char>(bytes & 0xFF);
            }
            ++i;
        }
        return out;
    }

private:
    static inline const iconv_t kNone = reinterpret_cast<iconv_t>(-1);

    // What iconv makes of `in`: the one UTF-16 unit, kLead when the input
    // stops inside a sequence, kInvalid otherwise.
    std::int32_t DecodeOnce(const char* in, std::size_t size, std::size_t& used) {
        used = 0;
        if (toUnicode_ == kNone) return kInvalid;
        iconv(toUnicode_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        std::size_t srcLeft = size;
        char buffer[8];
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t r = iconv(toUnicode_, &src, &srcLeft, &dst, &dstLeft);
        used = size - srcLeft;
        if (r == static_cast<std::size_t>(-1) && errno == EINVAL && used == 0) return kLead;
        if (sizeof buffer - dstLeft != 2) return kInvalid;
        return static_cast<std::int32_t>(static_cast<unsigned char>(buffer[0]) |
                                         (static_cast<unsigned char>(buffer[1]) << 8));
    }

    std::int32_t Single(unsigned char b) {
        std::int32_t& known = single_[b];
        if (known == kUnknown) {
            const char in = static_cast<char>(b);
            std::size_t used = 0;
            known = DecodeOnce(&in, 1, used);
            if (known >= 0 && used != 1) known = kInvalid;
        }
        return known;
    }

    std::int32_t Pair(unsigned char lead, unsigned char trail) {
        if (pairs_.empty()) pairs_.assign(65536, kUnknown);
        std::int32_t& known = pairs_[static_cast<std::size_t>(lead) << 8 | trail];
        if (known == kUnknown) {
            const char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            std::size_t used = 0;
            known = DecodeOnce(in, 2, used);
            if (known < 0 || used != 2) known = kInvalid;
        }
        return known;
    }

    // The bytes of `c` as (count << 16 | bytes), or kInvalid.
    std::int32_t Encoded(char16_t c) {
        if (encoded_.empty()) encoded_.assign(65536, kUnknown);
        std::int32_t& known = encoded_[c];
        if (known != kUnknown) return known;
        known = kInvalid;
        if (fromUnicode_ == kNone) return known;
        iconv(fromUnicode_, nullptr, nullptr, nullptr, nullptr);
        const char in[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
        char* src = const_cast<char*>(in);
        std::size_t srcLeft = 2;
        unsigned char buffer[8];
        char* dst = reinterpret_cast<char*>(buffer);
        std::size_t dstLeft = sizeof buffer;
        const std::size_t r = iconv(fromUnicode_, &src, &srcLeft, &dst, &dstLeft);
        const std::size_t written = sizeof buffer - dstLeft;
        if (r == static_cast<std::size_t>(-1) || srcLeft != 0) return known;
        if (written == 1) known = (1 << 16) | buffer[0];
        if (written == 2) known = (2 << 16) | (buffer[0] << 8) | buffer[1];
        return known;
    }

    iconv_t toUnicode_;
    iconv_t fromUnicode_;
    std::array<std::int32_t, 256> single_{};
    std::vector<std::int32_t> pairs_;
    std::vector<std::int32_t> encoded_;
};

// One table per code page for the whole process; the fakes of a test share
// it. The caller holds TablesMutex while it converts.
std::mutex& TablesMutex() {
    static std::mutex mutex;
    return mutex;
}

CodePage* TableOf(unsigned codePage) {
    static std::map<unsigned, std::unique_ptr<CodePage>> tables;
    const char* name = IconvName(codePage);
    if (!name) return nullptr;
    std::unique_ptr<CodePage>& table = tables[codePage];
    if (!table) table = std::make_unique<CodePage>(name);
    return table.get();
}

}  // namespace

std::u16string FakeDecodeCodePage(unsigned codePage, const Bytes& bytes) {
    if (HasCodePageTable(codePage)) return DecodeWithTable(codePage, bytes);
    std::lock_guard<std::mutex> lock(TablesMutex());
    CodePage* table = TableOf(codePage);
    return table ? table->Decode(bytes) : std::u16string();
}

Bytes FakeEncodeCodePage(unsigned codePage, const std::u16string& text) {
    if (HasCodePageTable(codePage)) return EncodeWithTable(codePage, text);
    std::lock_guard<std::mutex> lock(TablesMutex());
    CodePage* table = TableOf(codePage);
    return table ? table->Encode(text) : Bytes();
}

}  // namespace tess
