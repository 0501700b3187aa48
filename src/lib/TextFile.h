// Text files as the program stores them.
//
// Reading honours a byte-order mark (UTF-8, UTF-16 LE, UTF-16 BE) and reads
// everything else as the ANSI code page 932; CR LF, a lone CR and a lone LF
// each end a line, and a last line without terminator is still a line.
// Writing produces either code page 932 without a mark or UTF-16 LE with the
// mark FF FE, CR LF after every line, always through an atomic replace so that
// a failed write leaves the old file whole.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace tess {

// The ANSI code page of the Japanese systems the program serves.
inline constexpr unsigned kAnsiCodePage = 932;

enum class TextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

using Lines = std::vector<std::u16string>;

// Splits text into lines; an empty text has no lines.
Lines SplitLines(std::u16string_view text);

// Decodes file bytes by their byte-order mark (the mark itself is dropped).
std::u16string DecodeTextBytes(Platform& platform, const Bytes& bytes,
                               TextEncoding* detected = nullptr);

// Bytes read as UTF-16 LE whatever they hold: a leading FF FE is skipped, a
// last odd byte dropped. Word books and the user's text files are read so.
std::u16string DecodeUtf16LE(const Bytes& bytes);

// The code units of UTF-16 LE bytes, read where they lie, for a reader that
// takes a big file apart without decoding it whole first. Over a file's bytes
// it holds the units DecodeUtf16LE gives. It does not own the bytes.
class Utf16LEUnits {
public:
    Utf16LEUnits() = default;
    // The units of a file: a leading FF FE is skipped, a last odd byte dropped.
    static Utf16LEUnits OfFile(std::string_view bytes);
    // The units in `bytes` as they are (an odd last byte dropped).
    explicit Utf16LEUnits(std::string_view bytes)
        : bytes_(bytes.data()), size_(bytes.size() / 2) {}

    std::size_t size() const { return size_; }
    char16_t operator[](std::size_t i) const {
        // One load of two bytes where the machine is little-endian.
        std::uint16_t unit;
        std::memcpy(&unit, bytes_ + 2 * i, 2);
        if constexpr (std::endian::native == std::endian::big) {
            unit = static_cast<std::uint16_t>(unit << 8 | unit >> 8);
        }
        return static_cast<char16_t>(unit);
    }
    // The units from `pos` on (none when `pos` is past the end).
    Utf16LEUnits From(std::size_t pos) const;
    // `count` units from `pos`, decoded; both must lie within the units.
    std::u16string Decode(std::size_t pos, std::size_t count) const;
    // How many units are `unit` (fast where it is rare).
    std::size_t Count(char16_t unit) const;

private:
    const char* bytes_ = nullptr;
    std::size_t size_ = 0;
};

// Walks the units of a file line by line by the rules of SplitLines (CR LF,
// CR or LF end a line; a last line without terminator is still one), for the
// readers of big files that look at a line where it lies before taking it.
class Utf16LineCursor {
public:
    explicit Utf16LineCursor(const Utf16LEUnits& text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }

    // The units from the start of the current line to the end.
    Utf16LEUnits Rest() const { return text_.From(pos_); }

    // Moves past the current line, `length` units long, and its end.
    void Skip(std::size_t length) {
        pos_ += length;
        if (pos_ < text_.size()) {
            pos_ += text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n'
                        ? 2
                        : 1;
        }
    }

    // The current line, decoded; the cursor moves past it.
    std::u16string NextLine() {
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != u'\r' && text_[end] != u'\n') ++end;
        std::u16string line = text_.Decode(pos_, end - pos_);
        Skip(line.size());
        return line;
    }

private:
    Utf16LEUnits text_;
    std::size_t pos_ = 0;
};

// UTF-8 <-> UTF-16 without the platform (malformed UTF-8 bytes become U+FFFD).
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);

// Reads a whole file into lines; nothing when the file cannot be read.
std::optional<Lines> ReadTextLines(Platform& platform, const std::u16string& path);

// The bytes the two writers produce.
Bytes EncodeAnsiLines(Platform& platform, const Lines& lines);
Bytes EncodeUtf16Lines(const Lines& lines);

// Replace the file with the lines; false (old file untouched) on failure.
bool WriteAnsiLines(Platform& platform, const std::u16string& path, const Lines& lines);
bool WriteUtf16Lines(Platform& platform, const std::u16string& path, const Lines& lines);

}  // namespace tess
