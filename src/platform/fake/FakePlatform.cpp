#include "platform/fake/FakePlatform.h"

#include <algorithm>

#include "platform/Wildcard.h"
#include "platform/fake/FakeCodePages.h"

namespace tess {

FakePlatform::FakePlatform() {
    environment[u"APPDATA"] = u"C:\\Users\\user\\AppData\\Roaming";
    environment[u"PROGRAMFILES"] = u"C:\\Program Files";
    directories_.insert(u"c:");
}

std::u16string FakePlatform::Fold(const std::u16string& path) {
    std::u16string folded;
    folded.reserve(path.size());
    for (char16_t c : path) folded.push_back(FoldCase(c));
    while (folded.size() > 1 && folded.back() == u'\\') folded.pop_back();
    return folded;
}

std::u16string FakePlatform::ParentOf(const std::u16string& path) {
    auto pos = path.rfind(u'\\');
    return pos == std::u16string::npos ? std::u16string() : path.substr(0, pos);
}

std::u16string FakePlatform::NameOf(const std::u16string& path) {
    auto pos = path.rfind(u'\\');
    return pos == std::u16string::npos ? path : path.substr(pos + 1);
}

bool FakePlatform::FileExists(const std::u16string& path) {
    return files_.count(Fold(path)) != 0;
}

bool FakePlatform::DirectoryExists(const std::u16string& path) {
    return directories_.count(Fold(path)) != 0;
}

bool FakePlatform::CreateDirectories(const std::u16string& path) {
    std::u16string folded = Fold(path);
    if (folded.empty()) return false;
    std::vector<std::u16string> missing;
    for (std::u16string p = folded; !p.empty() && !directories_.count(p); p = ParentOf(p)) {
        if (files_.count(p) || failingWrites.count(p)) return false;  // a file blocks the way
        missing.push_back(p);
    }
    for (auto& p : missing) directories_.insert(p);
    return true;
}

bool FakePlatform::CopyFileTo(const std::u16string& from, const std::u16string& to,
                              bool noOverwrite) {
    auto src = files_.find(Fold(from));
    if (src == files_.end()) return false;
    if (noOverwrite && FileExists(to)) return false;
    Bytes contents = src->second.second;  // copy first: `to` may equal `from`
    return ReplaceFileContents(to, contents);
}

bool FakePlatform::RecycleFile(const std::u16string& path) {
    std::optional<Bytes> contents = ReadWholeFile(path);
    if (!contents || !RemoveFile(path)) return false;
    recycled[path] = std::move(*contents);
    return true;
}

bool FakePlatform::RemoveFile(const std::u16string& path) {
    if (failingRemovals.count(Fold(path))) return false;
    return files_.erase(Fold(path)) != 0;
}

std::vector<std::u16string> FakePlatform::ListFiles(const std::u16string& folder,
                                                    const std::u16string& pattern) {
    std::vector<std::u16string> names;
    std::u16string parent = Fold(folder);
    for (const auto& [key, entry] : files_)
        if (ParentOf(key) == parent && WildcardMatch(pattern, NameOf(entry.first)))
            names.push_back(NameOf(entry.first));
    return names;
}

std::optional<Bytes> FakePlatform::ReadWholeFile(const std::u16string& path) {
    auto it = files_.find(Fold(path));
    if (it == files_.end()) return std::nullopt;
    return it->second.second;
}

bool FakePlatform::ReplaceFileContents(const std::u16string& path, const Bytes& contents) {
    std::u16string folded = Fold(path);
    if (failingWrites.count(folded) || directories_.count(folded)) return false;
    if (!directories_.count(ParentOf(folded))) return false;
    constexpr std::size_t kChunk = 64 * 1024;
    const std::size_t writes = std::max<std::size_t>(1, (contents.size() + kChunk - 1) / kChunk);
    for (std::size_t step = 0; step < writes + 3; ++step) {
        if (++replaceSteps == failingStep) {
            failedReplace = path;
            return false;
        }
    }
    files_[folded] = {path, contents};
    return true;
}

void FakePlatform::PutFile(const std::u16string& path, const Bytes& contents) {
    CreateDirectories(ParentOf(path));
    files_[Fold(path)] = {path, contents};
}

std::vector<std::u16string> FakePlatform::AllFiles() const {
    std::vector<std::u16string> all;
    for (const auto& [key, entry] : files_) all.push_back(entry.first);
    std::sort(all.begin(), all.end());
    return all;
}

std::u16string FakePlatform::GetEnvironment(const std::u16string& name) {
    auto it = environment.find(name);
    return it == environment.end() ? std::u16string() : it->second;
}

bool FakePlatform::AcquireSingleInstanceLock(const std::u16string& name) {
    return heldMutexes.insert(name).second;
}

std::u16string FakePlatform::DecodeCodePage(unsigned codePage, const Bytes& bytes) {
    return FakeDecodeCodePage(codePage, bytes);
}

Bytes FakePlatform::EncodeCodePage(unsigned codePage, const std::u16string& text) {
    return FakeEncodeCodePage(codePage, text);
}

bool FakePlatform::SetClipboardText(const std::u16string& text) {
    clipboardText = text;
    clipboardRtf.reset();
    ++clipboardWrites;
    return true;
}

bool FakePlatform::SetClipboardRichText(const Bytes& rtf, const std::u16string& text) {
    clipboardText = text;
    clipboardRtf = rtf;
    ++clipboardWrites;
    return true;
}

std::u16string FakePlatform::WindowTitle(WindowId window) {
    auto it = windowTitles.find(window);
    return it == windowTitles.end() ? std::u16string() : it->second;
}

bool FakePlatform::BringToFront(WindowId window) {
    broughtToFront.push_back(window);
    if (!bringToFrontSucceeds) return false;
    foreground = window;
    return true;
}

void FakePlatform::SendKey(std::uint16_t virtualKey, bool down) {
    keyStrokes.push_back({virtualKey, down});
}

bool FakePlatform::ActivateLayout(const std::u16string& layoutName) {
    activatedLayouts.push_back(layoutName);
    if (!loadableLayouts.count(layoutName)) return false;
    activeLayout = layoutName;
    return true;
}

// The cased scripts a word book may hold in its Latin transcriptions (ASCII,
// Latin-1, Greek, Cyrillic); enough for the rules the tests check.
std::u16string FakePlatform::LowerCase(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& c : lower) {
        if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
            (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) {
            c = static_cast<char16_t>(c + 0x20);
        } else if (c >= 0x400 && c <= 0x40F) {
            c = static_cast<char16_t>(c + 0x50);
        }
    }
    return lower;
}

// Case-blind first, then code units: the shape of a locale's order, without
// its tables.
int FakePlatform::CompareLocale(std::u16string_view a, std::u16string_view b) {
    const int folded = LowerCase(a).compare(LowerCase(b));
    if (folded != 0) return folded;
    return a.compare(b);
}

bool FakePlatform::ShellOpen(const std::u16string& path) {
    shellOpened.push_back(path);
    return shellOpenSucceeds && FileExists(path);
}

std::vector<std::u16string> FakePlatform::FontFamiliesWithGlyphs(std::u16string_view sample) {
    std::vector<std::u16string> families;
    for (const std::u16string& name : installedFonts) {
        if (name.empty() || name[0] == u'@') continue;
        if (std::find(families.begin(), families.end(), name) != families.end()) continue;
        auto coverage = fontGlyphCoverage.find(name);
        const std::u16string_view glyphs =
            coverage == fontGlyphCoverage.end() ? std::u16string_view() : coverage->second;
        const bool all = std::all_of(sample.begin(), sample.end(), [&](char16_t c) {
            return glyphs.find(c) != std::u16string_view::npos;
        });
        if (all) families.push_back(name);
    }
    return families;
}

bool FakePlatform::FontHasGlyphs(const std::u16string& face, std::u16string_view sample) {
    if (std::find(installedFonts.begin(), installedFonts.end(), face) == installedFonts.end())
        return false;
    auto coverage = fontGlyphCoverage.find(face);
    if (coverage == fontGlyphCoverage.end()) return sample.empty();
    return std::all_of(sample.begin(), sample.end(), [&](char16_t c) {
        return coverage->second.find(c) != std::u16string::npos;
    });
}

void FakePlatform::StartTimer(int timerId, unsigned intervalMs, std::function<void()> callback) {
    timers[timerId] = {intervalMs, now + intervalMs, std::move(callback)};
}

void FakePlatform::AdvanceTime(unsigned long long ms) {
    const unsigned long long end = now + ms;
    for (;;) {
        // The earliest due timer, lowest id first among equals.
        auto due = timers.end();
        for (auto it = timers.begin(); it != timers.end(); ++it)
            if (it->second.nextDue <= end && (due == timers.end() || it->second.nextDue < due->second.nextDue))
                due = it;
        if (due == timers.end()) break;
        now = due->second.nextDue;
        // A zero interval would fire forever within one instant; count it as 1 ms.
        due->second.nextDue = now + (due->second.intervalMs ? due->second.intervalMs : 1);
        auto callback = due->second.callback;  // the callback may stop or replace its timer
        callback();
    }
    now = end;
}

MessageAnswer FakePlatform::ShowMessage(const std::u16string& text, MessageKind kind,
                                       MessageButtons buttons) {
    messages.push_back({text, kind, buttons});
    if (buttons == MessageButtons::YesNo) {
        if (scriptedAnswers.empty()) return MessageAnswer::No;
        MessageAnswer answer = scriptedAnswers.front();
        scriptedAnswers.erase(scriptedAnswers.begin());
        return answer;
    }
    return buttons == MessageButtons::Yes ? MessageAnswer::Yes : MessageAnswer::Ok;
}

}  // namespace tess
