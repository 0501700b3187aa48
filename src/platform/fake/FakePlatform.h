// The platform in memory, for the native tests.
//
// Files live in a map keyed by the path folded to lower case (Windows paths are
// case-insensitive); folders are a set. Writes can be made to fail, the
// clipboard, key strokes and shell opens are recorded, and the foreground
// window, layouts and message answers are scripted by the test.
// Code pages convert through iconv, as the native build's stand-in for
// MultiByteToWideChar / WideCharToMultiByte.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace tess {

class FakePlatform : public Platform {
public:
    FakePlatform();

    // Files and folders.
    bool FileExists(const std::u16string& path) override;
    bool DirectoryExists(const std::u16string& path) override;
    bool CreateDirectories(const std::u16string& path) override;
    bool CopyFileTo(const std::u16string& from, const std::u16string& to,
                    bool noOverwrite) override;
    bool RemoveFile(const std::u16string& path) override;
    std::vector<std::u16string> ListFiles(const std::u16string& folder,
                                          const std::u16string& pattern) override;
    std::optional<Bytes> ReadWholeFile(const std::u16string& path) override;
    bool ReplaceFileContents(const std::u16string& path, const Bytes& contents) override;

    std::u16string GetEnvironment(const std::u16string& name) override;
    std::u16string DocumentsFolder() override { return documentsFolder; }
    bool AcquireSingleInstanceLock(const std::u16string& name) override;

    std::u16string DecodeCodePage(unsigned codePage, const Bytes& bytes) override;
    Bytes EncodeCodePage(unsigned codePage, const std::u16string& text) override;

    bool SetClipboardText(const std::u16string& text) override;
    bool SetClipboardRichText(const Bytes& rtf, const std::u16string& text) override;
    std::optional<std::u16string> GetClipboardText() override { return clipboardText; }
    std::optional<Bytes> GetClipboardRichText() override { return clipboardRtf; }

    WindowId ForegroundWindow() override { return foreground; }
    std::u16string WindowTitle(WindowId window) override;
    bool BringToFront(WindowId window) override;

    void SendKey(std::uint16_t virtualKey, bool down) override;

    std::u16string ActiveLayoutName() override { return activeLayout; }
    bool ActivateLayout(const std::u16string& layoutName) override;
    int OsMajorVersion() override { return osMajorVersion; }
    bool CapsLockOn() override { return capsLock; }

    std::u16string LowerCase(std::u16string_view text) override;
    int CompareLocale(std::u16string_view a, std::u16string_view b) override;
    bool ShellOpen(const std::u16string& path) override;
    bool RecycleFile(const std::u16string& path) override;

    std::vector<std::u16string> InstalledFontNames() override { return installedFonts; }
    std::vector<FontFamily> FontFamiliesForCharset(int charset) override {
        return fontFamilies[charset];
    }
    std::vector<std::u16string> FontFamiliesWithGlyphs(std::u16string_view sample) override;
    bool FontHasGlyphs(const std::u16string& face, std::u16string_view sample) override;
    void StartTimer(int timerId, unsigned intervalMs, std::function<void()> callback) override;
    void StopTimer(int timerId) override { timers.erase(timerId); }
    MessageAnswer ShowMessage(const std::u16string& text, MessageKind kind,
                              MessageButtons buttons) override;

    // --- Test controls -------------------------------------------------------
    // Puts a file (creating its folders) without going through the program.
    void PutFile(const std::u16string& path, const Bytes& contents);
    // Every write to this path (ReplaceFileContents or a copy onto it) fails.
    void FailWritesTo(const std::u16string& path) { failingWrites.insert(Fold(path)); }
    // Fails the n-th step, counted from now, of the replaces that follow
    // (0: none). A replace takes the steps of the real one: create the
    // temporary file, write each 64 KiB of it, flush it, move it over the
    // target. The step that fails leaves the target as it was, as the real
    // replace does, and its path is kept in failedReplace.
    void FailReplaceStep(int n) {
        failingStep = n;
        replaceSteps = 0;
    }
    int replaceSteps = 0;  // steps taken since FailReplaceStep
    std::u16string failedReplace;
    // Deleting this file fails (as a file another program holds open would).
    void FailRemovalOf(const std::u16string& path) { failingRemovals.insert(Fold(path)); }
    // The original spelling of every file path, sorted, for whole-tree checks.
    std::vector<std::u16string> AllFiles() const;

    std::map<std::u16string, std::u16string> environment;
    std::u16string documentsFolder = u"C:\\Users\\user\\Documents";

    std::optional<std::u16string> clipboardText;
    std::optional<Bytes> clipboardRtf;
    int clipboardWrites = 0;

    struct KeyStroke {
        std::uint16_t virtualKey;
        bool down;
        bool operator==(const KeyStroke&) const = default;
    };
    std::vector<KeyStroke> keyStrokes;

    WindowId foreground = 0;
    std::map<WindowId, std::u16string> windowTitles;
    bool bringToFrontSucceeds = true;
    std::vector<WindowId> broughtToFront;

    std::u16string activeLayout = u"00000411";
    std::set<std::u16string> loadableLayouts = {u"00000411", u"00000409", kThaiKedmaneeLayout,
                                                kThaiPattachoteLayout};
    std::vector<std::u16string> activatedLayouts;
    int osMajorVersion = 10;
    bool capsLock = false;

    bool shellOpenSucceeds = true;
    std::vector<std::u16string> shellOpened;
    // Files moved to the Recycle Bin, by path, with their contents.
    std::map<std::u16string, Bytes> recycled;

    std::set<std::u16string> heldMutexes;

    std::vector<std::u16string> installedFonts = {u"Tahoma", u"Segoe UI", u"MS UI Gothic"};
    std::map<int, std::vector<FontFamily>> fontFamilies;
    // The characters each family has glyphs for; a family not named here has
    // none. Only the installed ones are answered, in installedFonts' order.
    std::map<std::u16string, std::u16string> fontGlyphCoverage;

    // Timers run on a fake clock: AdvanceTime fires every due callback in
    // time order (a callback may start or stop timers, itself included).
    struct FakeTimer {
        unsigned intervalMs;
        unsigned long long nextDue;
        std::function<void()> callback;
    };
    std::map<int, FakeTimer> timers;
    unsigned long long now = 0;
    bool TimerRunning(int timerId) const { return timers.count(timerId) != 0; }
    void AdvanceTime(unsigned long long ms);

    struct ShownMessage {
        std::u16string text;
        MessageKind kind;
        MessageButtons buttons;
    };
    std::vector<ShownMessage> messages;
    // Answers given to questions, in order; when it runs out, questions are
    // answered No and notices with their single button.
    std::vector<MessageAnswer> scriptedAnswers;

    static std::u16string Fold(const std::u16string& path);

private:
    static std::u16string ParentOf(const std::u16string& path);
    static std::u16string NameOf(const std::u16string& path);

    // Folded path -> (original path, contents).
    std::map<std::u16string, std::pair<std::u16string, Bytes>> files_;
    std::set<std::u16string> directories_;  // folded
    std::set<std::u16string> failingWrites;
    std::set<std::u16string> failingRemovals;
    int failingStep = 0;
};

}  // namespace tess
