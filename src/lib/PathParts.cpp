#include "lib/PathParts.h"

namespace tess {

namespace {

constexpr std::u16string_view kSeparators = u"\\/";

}  // namespace

std::u16string LeafName(std::u16string_view path) {
    const std::size_t slash = path.find_last_of(kSeparators);
    return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

std::u16string FolderPart(std::u16string_view path) {
    const std::size_t slash = path.find_last_of(kSeparators);
    return slash == std::u16string_view::npos ? std::u16string()
                                              : std::u16string(path.substr(0, slash));
}

}  // namespace tess
