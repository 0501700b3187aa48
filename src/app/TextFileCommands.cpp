#include "app/TextFileCommands.h"

#include "lib/PathParts.h"
#include "lib/TextFile.h"

namespace tess {

std::u16string WithCrLfLineEnds(std::u16string_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            result += u"\r\n";
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        } else if (c == u'\n') {
            result += u"\r\n";
        } else {
            result.push_back(c);
        }
    }
    return result;
}

std::optional<std::u16string> ReadUtf16TextFile(Platform& platform, const std::u16string& path) {
    std::optional<Bytes> bytes = platform.ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return WithCrLfLineEnds(DecodeUtf16LE(*bytes));
}

bool WriteUtf16TextFile(Platform& platform, const std::u16string& path,
                        std::u16string_view areaText) {
    return WriteUtf16Lines(platform, path, SplitLines(areaText));
}

std::u16string FileNameOf(const std::u16string& path) { return LeafName(path); }

std::u16string FolderOf(const std::u16string& path) {
    std::u16string folder = FolderPart(path);
    if (!folder.empty() && folder.back() == u':') folder += u'\\';
    return folder;
}

std::u16string OverwriteQuestion(const std::u16string& path) {
    return u"すでに\"" + FileNameOf(path) + u"\"と名前が同じファイルが存在しますが、上書きしますか？";
}

}  // namespace tess
