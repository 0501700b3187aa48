#include "platform/fake/FakePlatform.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

#include "platform/Wildcard.h"
#include "platform/fake/CodePageTables.h"

namespace tess {

namespace {

const char* IconvName(unsigned codePage) {
    switch (codePage) {
        case 874: return "CP874";
        case 932: return "CP932";
        case 949: return "CP949";
        case 1251: return "CP1251";
        case 1252: return "CP1252";
        default: return nullptr;
    }
}

// Converts as much as iconv can. Returns the number of input bytes consumed;
// less than the whole input means an unconvertible (or truncated) sequence
// starts there.
std::size_t Convert(const char* to, const char* from, const std::string& in, std::string& out) {
    out.clear();
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    std::string buffer(in.size() * 4 + 16, '\0');
    while (srcLeft > 0) {
        char* dst = buffer.data();
        size_t dstLeft = buffer.size();
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), buffer.size() - dstLeft);
        if (r == static_cast<size_t>(-1) && errno != E2BIG) break;
    }
    iconv_close(cd);
    return in.size() - srcLeft;
}

std::string ToUtf16LEBytes(const std::u16string& text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char16_t c : text) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

std::u16string FromUtf16LEBytes(const std::string& bytes) {
    std::u16string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                            (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return out;
}

}  // namespace

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
    if (HasCodePageTable(codePage)) return DecodeWithTable(codePage, bytes);
    const char* name = IconvName(codePage);
    if (!name) return {};
    // An invalid byte becomes one replacement character and decoding goes on,
    // so a stray byte never loses the rest of the text.
    std::u16string out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::string converted;
        std::size_t used = Convert("UTF-16LE", name, bytes.substr(start), converted);
        out += FromUtf16LEBytes(converted);
        start += used;
        if (start < bytes.size()) {
            out.push_back(u'\uFFFD');
            ++start;
        }
    }
    return out;
}

Bytes FakePlatform::EncodeCodePage(unsigned codePage, const std::u16string& text) {
    if (HasCodePageTable(codePage)) return EncodeWithTable(codePage, text);
    const char* name = IconvName(codePage);
    if (!name) return {};
    // A character the code page cannot hold becomes "?", as with
    // WideCharToMultiByte; the rest converts in runs.
    Bytes out;
    std::string in = ToUtf16LEBytes(text);
    std::size_t start = 0;
    while (start < in.size()) {
        std::string converted;
        std::size_t used = Convert(name, "UTF-16LE", in.substr(start), converted);
        out += converted;
        start += used;
        if (start < in.size()) {
            out += '?';
            char16_t c = static_cast<char16_t>(static_cast<unsigned char>(in[start]) |
                                               (static_cast<unsigned char>(in[start + 1]) << 8));
            bool pair = c >= 0xD800 && c <= 0xDBFF && start + 4 <= in.size();
            start += pair ? 4 : 2;
        }
    }
    return out;
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
