// The platform interface carried out with the Win32 API.
//
// This header stays free of <windows.h> so that start-up code can create the
// platform without pulling the whole API into its translation unit; the few
// handles kept here are stored as plain pointers.
//
// The object is meant to live on the program's UI thread: the clipboard is
// owned through a hidden message-only window that the first clipboard write
// creates on the calling thread.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "platform/platform.h"

namespace tess {

class Win32Platform : public Platform {
public:
    Win32Platform() = default;
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

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
    std::u16string DocumentsFolder() override;

    bool AcquireSingleInstanceLock(const std::u16string& name) override;

    std::u16string DecodeCodePage(unsigned codePage, const Bytes& bytes) override;
    Bytes EncodeCodePage(unsigned codePage, const std::u16string& text) override;

    bool SetClipboardText(const std::u16string& text) override;
    bool SetClipboardRichText(const Bytes& rtf, const std::u16string& text) override;
    std::optional<std::u16string> GetClipboardText() override;
    std::optional<Bytes> GetClipboardRichText() override;

    WindowId ForegroundWindow() override;
    std::u16string WindowTitle(WindowId window) override;
    bool BringToFront(WindowId window) override;

    void SendKey(std::uint16_t virtualKey, bool down) override;

    std::u16string ActiveLayoutName() override;
    bool ActivateLayout(const std::u16string& layoutName) override;
    int OsMajorVersion() override;
    bool CapsLockOn() override;

    std::u16string LowerCase(std::u16string_view text) override;
    int CompareLocale(std::u16string_view a, std::u16string_view b) override;
    bool ShellOpen(const std::u16string& path) override;
    bool RecycleFile(const std::u16string& path) override;

    std::vector<std::u16string> InstalledFontNames() override;
    std::vector<FontFamily> FontFamiliesForCharset(int charset) override;
    std::vector<std::u16string> FontFamiliesWithGlyphs(std::u16string_view sample) override;
    bool FontHasGlyphs(const std::u16string& face, std::u16string_view sample) override;
    void StartTimer(int timerId, unsigned intervalMs, std::function<void()> callback) override;
    void StopTimer(int timerId) override;
    MessageAnswer ShowMessage(const std::u16string& text, MessageKind kind,
                              MessageButtons buttons) override;

private:
    // The hidden window that owns what this program puts on the clipboard.
    void* ClipboardOwner();

    void* clipboardOwner_ = nullptr;
    // The installed fonts do not change while the program runs; enumerating
    // them is slow, so each list is taken once.
    std::vector<std::u16string> installedFonts_;
    std::map<int, std::vector<FontFamily>> familiesByCharset_;
    std::map<std::u16string, std::vector<std::u16string>> familiesWithGlyphs_;
    // Our timer ids -> the system's (thread timers, dispatched by the event loop).
    std::map<int, std::uintptr_t> systemTimers_;
};

}  // namespace tess
