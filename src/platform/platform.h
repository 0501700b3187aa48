// The outside world, as the portable code sees it.
//
// Every model talks to files, the clipboard, other applications' windows, key
// synthesis and keyboard layouts only through this interface. platform/win32
// implements it with the Win32 API; platform/fake implements it in memory for
// the native tests. This header never includes <windows.h>.
//
// Member names avoid the Win32 macros (CopyFile, DeleteFile, ReplaceFile), so
// the win32 implementation can include <windows.h> without renaming them.
//
// Paths are Windows paths in UTF-16 with "\" as separator; no operation
// appends or strips a trailing separator. Byte strings (`Bytes`) hold file
// contents and 8-bit text exactly as stored.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

using Bytes = std::string;

// A window of another application; 0 means none.
using WindowId = std::uintptr_t;

// Keyboard layout identifiers as the platform names them.
inline constexpr char16_t kThaiKedmaneeLayout[] = u"0000041E";
inline constexpr char16_t kThaiPattachoteLayout[] = u"0001041E";

// Message boxes: the program's warnings and notices have a single Yes (or OK)
// button, its questions Yes and No.
enum class MessageKind { Warning, Information, Question, Error };
enum class MessageButtons { Yes, Ok, YesNo };
enum class MessageAnswer { Yes, No, Ok };

class Platform {
public:
    virtual ~Platform() = default;

    // --- Files and folders -------------------------------------------------
    virtual bool FileExists(const std::u16string& path) = 0;       // a regular file
    virtual bool DirectoryExists(const std::u16string& path) = 0;
    // Creates the folder and every missing parent; true when it exists afterwards.
    virtual bool CreateDirectories(const std::u16string& path) = 0;
    // Copies a file. With noOverwrite an existing destination is left alone and
    // the call reports false.
    virtual bool CopyFileTo(const std::u16string& from, const std::u16string& to,
                            bool noOverwrite) = 0;
    virtual bool RemoveFile(const std::u16string& path) = 0;
    // Moves a file to the Recycle Bin, where the user can restore it; false
    // when it is not there or could not be moved.
    virtual bool RecycleFile(const std::u16string& path) = 0;
    // Names (not paths) of the regular files in `folder` matching `pattern`
    // ("*" and "?" wildcards, case-insensitive), in the order the platform
    // lists them. Sub-folders are never listed.
    virtual std::vector<std::u16string> ListFiles(const std::u16string& folder,
                                                  const std::u16string& pattern) = 0;
    // The whole file, or nothing when it cannot be read.
    virtual std::optional<Bytes> ReadWholeFile(const std::u16string& path) = 0;
    // Replaces the file with `contents` atomically: written to a temporary file
    // in the same folder, then moved over the old one. On failure the old file
    // is untouched and false is returned.
    virtual bool ReplaceFileContents(const std::u16string& path, const Bytes& contents) = 0;

    // --- Base folders and environment --------------------------------------
    // Empty when the variable is not set.
    virtual std::u16string GetEnvironment(const std::u16string& name) = 0;
    // The shell's personal documents folder.
    virtual std::u16string DocumentsFolder() = 0;

    // --- Single-instance lock ----------------------------------------------
    // Creates the named system-wide mutex and holds it until the process ends.
    // False when the mutex already exists (another instance holds it).
    virtual bool AcquireSingleInstanceLock(const std::u16string& name) = 0;

    // --- Code pages (874, 932, 949, 1251, 1252) ------------------------------
    // Characters a code page cannot hold become "?" when encoding.
    virtual std::u16string DecodeCodePage(unsigned codePage, const Bytes& bytes) = 0;
    virtual Bytes EncodeCodePage(unsigned codePage, const std::u16string& text) = 0;

    // --- Clipboard ----------------------------------------------------------
    virtual bool SetClipboardText(const std::u16string& text) = 0;
    // Puts a rich text document ("Rich Text Format") and its Unicode text on
    // the clipboard together.
    virtual bool SetClipboardRichText(const Bytes& rtf, const std::u16string& text) = 0;
    virtual std::optional<std::u16string> GetClipboardText() = 0;
    virtual std::optional<Bytes> GetClipboardRichText() = 0;

    // --- Other applications' windows ---------------------------------------
    virtual WindowId ForegroundWindow() = 0;
    virtual std::u16string WindowTitle(WindowId window) = 0;
    // True when the platform reports that the window came to the front.
    virtual bool BringToFront(WindowId window) = 0;

    // --- Key synthesis -------------------------------------------------------
    virtual void SendKey(std::uint16_t virtualKey, bool down) = 0;

    // --- Keyboard layouts ----------------------------------------------------
    virtual std::u16string ActiveLayoutName() = 0;
    // Loads and activates the layout; true on success.
    virtual bool ActivateLayout(const std::u16string& layoutName) = 0;
    virtual int OsMajorVersion() = 0;
    virtual bool CapsLockOn() = 0;

    // --- Fonts -----------------------------------------------------------------
    // Face names of the installed font families.
    virtual std::vector<std::u16string> InstalledFontNames() = 0;
    // The families that support a font character set (222 Thai, 0 ANSI, ...),
    // in the platform's order, once each.
    struct FontFamily {
        std::u16string name;
        bool trueType = false;
        bool operator==(const FontFamily&) const = default;
    };
    virtual std::vector<FontFamily> FontFamiliesForCharset(int charset) = 0;
    // The installed families that have a glyph for every character of
    // `sample` (UTF-16 code units of the Basic Multilingual Plane), in the
    // platform's order, once each, without the vertical ("@") names. Empty
    // when none has them all.
    virtual std::vector<std::u16string> FontFamiliesWithGlyphs(std::u16string_view sample) = 0;
    // Whether the installed family `face` itself (not a font the system
    // would draw in its place) has a glyph for every character of `sample`.
    virtual bool FontHasGlyphs(const std::u16string& face, std::u16string_view sample) = 0;

    // --- Timers ----------------------------------------------------------------
    // Event-loop timers on the user-interface thread. Starting a running timer
    // restarts it with the new interval; the callback runs every interval
    // until the timer is stopped.
    virtual void StartTimer(int timerId, unsigned intervalMs, std::function<void()> callback) = 0;
    virtual void StopTimer(int timerId) = 0;

    // --- Message boxes -----------------------------------------------------------
    // Shows a modal message box owned by the program's active window and
    // returns the button chosen.
    virtual MessageAnswer ShowMessage(const std::u16string& text, MessageKind kind,
                                      MessageButtons buttons) = 0;

    // --- Text by the user's locale ------------------------------------------
    // The text in lower case by the locale's rules (letters without case stay).
    virtual std::u16string LowerCase(std::u16string_view text) = 0;
    // Negative, zero or positive as `a` sorts before, with or after `b` in
    // the user's locale (the order the platform's sorted lists use).
    virtual int CompareLocale(std::u16string_view a, std::u16string_view b) = 0;

    // --- Shell ----------------------------------------------------------------
    // Opens a file with its default application; true when the shell accepted it.
    virtual bool ShellOpen(const std::u16string& path) = 0;
};

}  // namespace tess
