#include "app/VersionUp.h"

#include "lib/Blanks.h"
#include "lib/TextFile.h"
#include "platform/Wildcard.h"

namespace tess {

std::u16string VersionMarkerName(std::u16string_view version) {
    std::u16string v(version);
    if (auto pos = v.find(u"Ver"); pos != std::u16string::npos) v.erase(pos, 3);
    if (auto pos = v.find(u'.'); pos != std::u16string::npos) v.erase(pos, 1);
    v = std::u16string(TrimBlanks(v));

    // The digits read as an integer; anything that is not a number counts as
    // 0, so that a strange version still yields a well-formed name.
    auto value = [&v] {
        long n = 0;
        for (char16_t c : v) {
            if (c < u'0' || c > u'9') return 0L;
            n = n * 10 + (c - u'0');
        }
        return n;
    };
    long number;
    switch (v.size()) {
        case 1: number = value() * 100; break;
        case 2: number = value() * 10; break;
        case 3: number = value(); break;
        default: number = 999; break;
    }
    std::u16string name = u"Leaf";
    for (char c : std::to_string(number)) name.push_back(static_cast<char16_t>(c));
    return name + u".txt";
}

void CopyFolderFiles(Platform& platform, const std::u16string& source,
                     const std::u16string& destination, bool noOverwrite) {
    if (!platform.DirectoryExists(source) || !platform.DirectoryExists(destination)) return;
    // "*", not "*.*": a listing pattern means what it says, and "*.*" would
    // miss the files whose names have no dot.
    for (const std::u16string& name : platform.ListFiles(source, u"*"))
        platform.CopyFileTo(source + u"\\" + name, destination + u"\\" + name, noOverwrite);
}

bool VersionMarkerPresent(Platform& platform, const DataFolders& folders) {
    return platform.FileExists(folders.SysFolder + u"\\" + VersionMarkerName());
}

void RunVersionUp(Platform& platform, const DataFolders& f, bool tblOWFlg, bool noSampleFlg) {
    const std::u16string& program = f.ProgramFolder;
    CopyFolderFiles(platform, program + u"\\Sys", f.SysFolder, true);
    CopyFolderFiles(platform, program + u"\\Tbl", f.UserTblFolder, !tblOWFlg);
    if (!noSampleFlg) {
        const std::pair<const char16_t*, const std::u16string*> samples[] = {
            {u"\\bookA", &f.ThaiBookFolder},       {u"\\bookG", &f.ThaiDicFolder},
            {u"\\MyanmarA", &f.MyanmarBookFolder}, {u"\\MyanmarG", &f.MyanmarDicFolder},
            {u"\\LaosA", &f.LaosBookFolder},       {u"\\LaosG", &f.LaosDicFolder},
            {u"\\KhmerA", &f.KhmerBookFolder},     {u"\\KhmerG", &f.KhmerDicFolder},
        };
        for (const auto& [leaf, destination] : samples)
            CopyFolderFiles(platform, program + leaf, *destination, false);
    }
    const std::u16string marker = VersionMarkerName();
    WriteAnsiLines(platform, f.SysFolder + u"\\" + marker, {u"GF-RD1"});
    platform.RemoveFile(f.SysFolder + u"\\Tessaline.rng");
    for (const std::u16string& name : platform.ListFiles(f.SysFolder, u"Leaf*.txt"))
        // File names compare without case, as the file system does.
        if (!WildcardMatch(marker, name)) platform.RemoveFile(f.SysFolder + u"\\" + name);
}

}  // namespace tess
