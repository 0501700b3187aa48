// Any bytes as "FolList.txt" and as "GroupName.txt": both read without
// failing badly; the folder menu's list with a new folder holds it first and
// at most ten lines; and either list, written back as the program writes it,
// reads back line for line (a character code page 932 lacks comes back as
// the code page writes it).
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"
#include "wordbook/BookList.h"

namespace {
const std::u16string kSys = u"C:\\sys";

void CheckWrittenBack(tess::FakePlatform& platform, const tess::Lines& lines) {
    const std::u16string path = kSys + u"\\back.txt";
    if (!tess::WriteAnsiLines(platform, path, lines)) return;
    const std::optional<tess::Lines> back = tess::ReadTextLines(platform, path);
    FUZZ_CHECK(back.has_value());
    tess::Lines expected;
    for (const std::u16string& line : lines)
        expected.push_back(platform.DecodeCodePage(
            tess::kAnsiCodePage, platform.EncodeCodePage(tess::kAnsiCodePage, line)));
    FUZZ_CHECK(*back == expected);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tess::FakePlatform platform;
    platform.CreateDirectories(kSys);
    const tess::Bytes bytes(reinterpret_cast<const char*>(data), size);
    platform.PutFile(kSys + u"\\" + tess::kFolderListFile, bytes);
    platform.PutFile(kSys + u"\\" + tess::kGroupNameFile, bytes);

    if (const auto folders = tess::ReadFolderList(platform, kSys, u"C:\\books", u"C:\\dic")) {
        if (const auto updated = tess::FolderListWith(*folders, u"D:\\新しい単語帳")) {
            FUZZ_CHECK(!updated->empty() && updated->size() <= tess::kMaxFolderListLines);
            FUZZ_CHECK(updated->front() == u"D:\\新しい単語帳");
            CheckWrittenBack(platform, *updated);
        }
    }
    const tess::Lines groups = tess::ReadGroupNames(platform, kSys);
    if (!groups.empty()) (void)tess::GroupIndex(groups, groups.back());
    CheckWrittenBack(platform, groups);
    return 0;
}
