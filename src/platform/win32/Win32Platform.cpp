#include "platform/win32/Win32Platform.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <cstring>
#include <limits>
#include <string_view>
#include <utility>

#include "platform/Wildcard.h"

namespace tess {
namespace {

// On Windows wchar_t and char16_t are both UTF-16 code units, so text crosses
// the API boundary by a cast, never by a conversion.
const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

std::u16string FromWide(const wchar_t* text, std::size_t length) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

std::u16string FromWide(const std::wstring& text) { return FromWide(text.data(), text.size()); }

class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { Close(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    void Reset(HANDLE handle) {
        Close();
        handle_ = handle;
    }
    // Closing can report a failed delayed write, so callers that care ask.
    bool Close() {
        if (!Valid()) return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

DWORD Attributes(const std::u16string& path) { return GetFileAttributesW(Wide(path)); }

bool WriteAll(HANDLE file, const Bytes& contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        left -= written;
    }
    return true;
}

std::wstring Hex(unsigned long value) {
    std::wstring digits;
    do {
        digits.insert(digits.begin(), L"0123456789abcdef"[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return digits;
}

// --- Clipboard ---------------------------------------------------------------

// Another process (a clipboard viewer, a remote-desktop client) may hold the
// clipboard for a moment; give it a fifth of a second before failing.
bool OpenClipboardBriefly(HWND owner) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

HGLOBAL GlobalCopy(const void* data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return nullptr;
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(memory);
    return memory;
}

HGLOBAL GlobalText(const std::u16string& text) {
    return GlobalCopy(text.c_str(), (text.size() + 1) * sizeof(char16_t));  // with its NUL
}

UINT RichTextFormat() { return RegisterClipboardFormatW(L"Rich Text Format"); }

// Replaces the whole clipboard with the given formats in one session, so a
// reader never sees the rich text without its plain text or the other way
// round. Every handle is consumed: the clipboard takes those it accepted and
// the rest are freed here.
bool PutOnClipboard(HWND owner, std::vector<std::pair<UINT, HGLOBAL>> items) {
    bool ok = true;
    for (const auto& item : items) ok = ok && item.first != 0 && item.second != nullptr;
    if (ok && !OpenClipboardBriefly(owner)) ok = false;
    const bool opened = ok;
    if (opened) ok = EmptyClipboard() != 0;
    for (auto& [format, memory] : items) {
        if (ok && SetClipboardData(format, memory)) continue;  // the clipboard owns it now
        if (memory) GlobalFree(memory);
        ok = false;
    }
    if (opened) CloseClipboard();
    return ok;
}

std::optional<std::string> ReadClipboardFormat(UINT format) {
    if (format == 0 || !OpenClipboardBriefly(nullptr)) return std::nullopt;
    std::optional<std::string> result;
    if (HANDLE data = GetClipboardData(format)) {
        if (const void* bytes = GlobalLock(data)) {
            result.emplace(static_cast<const char*>(bytes), GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return result;
}

LRESULT CALLBACK ClipboardOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

// Keys that live in the extended block of the keyboard; without the flag a
// target reads e.g. Delete as the keypad's decimal point.
bool IsExtendedKey(std::uint16_t key) {
    switch (key) {
        case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR:
        case VK_NEXT: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        case VK_RCONTROL: case VK_RMENU: case VK_LWIN: case VK_RWIN: case VK_APPS:
        case VK_DIVIDE: case VK_NUMLOCK: case VK_SNAPSHOT:
            return true;
        default:
            return false;
    }
}

}  // namespace

Win32Platform::~Win32Platform() {
    // What we put on the clipboard was rendered at once, so it stays there
    // after its owner is gone.
    if (clipboardOwner_) DestroyWindow(static_cast<HWND>(clipboardOwner_));
}

// --- Files and folders -------------------------------------------------------

bool Win32Platform::FileExists(const std::u16string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Platform::DirectoryExists(const std::u16string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Platform::CreateDirectories(const std::u16string& path) {
    if (path.empty()) return false;
    if (DirectoryExists(path)) return true;

    std::size_t end = path.size();
    while (end > 0 && IsSeparator(path[end - 1])) --end;
    std::size_t separator = std::u16string::npos;
    for (std::size_t i = end; i > 0; --i) {
        if (IsSeparator(path[i - 1])) {
            separator = i - 1;
            break;
        }
    }
    // The parent is strictly shorter, so this ends at a drive, a share or a
    // root; whether a parent could be made shows in the final check.
    if (separator != std::u16string::npos && separator > 0) {
        CreateDirectories(path.substr(0, separator));
    }
    CreateDirectoryW(Wide(path), nullptr);
    return DirectoryExists(path);
}

bool Win32Platform::CopyFileTo(const std::u16string& from, const std::u16string& to,
                               bool noOverwrite) {
    return CopyFileW(Wide(from), Wide(to), noOverwrite ? TRUE : FALSE) != 0;
}

bool Win32Platform::RecycleFile(const std::u16string& path) {
    if (!FileExists(path)) return false;
    // The shell wants a list of paths, each ended by a null, the list by another.
    std::wstring from(reinterpret_cast<const wchar_t*>(path.c_str()));
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.hwnd = GetActiveWindow();
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    // Where there is no Recycle Bin (a drive without one, a Wine prefix with
    // no trash) the shell would delete the file for good without a word: it
    // asks first, and a No leaves the file where it is.
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_NOERRORUI |
                       FOF_SILENT;
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted &&
           !FileExists(path);
}

bool Win32Platform::RemoveFile(const std::u16string& path) {
    return DeleteFileW(Wide(path)) != 0;
}

std::vector<std::u16string> Win32Platform::ListFiles(const std::u16string& folder,
                                                     const std::u16string& pattern) {
    // Every name of the folder, filtered by WildcardMatch: the file system's
    // own matching would also try the generated 8.3 names ("Leaf*.txt" finding
    // "Leaf360.txta" through LEAF36~1.TXT), give "*.*" and "?" their DOS
    // meanings and fold case by its own table. The fake platform filters
    // through the same function, so both list the same names.
    std::u16string query = folder;
    if (!query.empty() && !IsSeparator(query.back()) && query.back() != u':') query += u'\\';
    query += u'*';

    std::vector<std::u16string> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileExW(Wide(query), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::u16string name = FromWide(found.cFileName, wcslen(found.cFileName));
        if (WildcardMatch(pattern, name)) names.push_back(std::move(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::optional<Bytes> Win32Platform::ReadWholeFile(const std::u16string& path) {
    // Others may keep the file open for writing (an editor, a sync client);
    // reading must not be refused for that.
    UniqueHandle file(CreateFileW(Wide(path), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0) return std::nullopt;
    // Beyond what a 32-bit process can hold in one string.
    if (static_cast<unsigned long long>(size.QuadPart) > Bytes().max_size() - 4096) {
        return std::nullopt;
    }

    // Read until the end rather than trusting the size, which another writer
    // may change under us.
    Bytes contents(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == contents.size()) contents.resize(contents.size() + 4096);
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(contents.size() - used, 1u << 24));
        DWORD got = 0;
        if (!ReadFile(file.Get(), contents.data() + used, chunk, &got, nullptr)) {
            return std::nullopt;
        }
        if (got == 0) break;
        used += got;
    }
    contents.resize(used);
    return contents;
}

bool Win32Platform::ReplaceFileContents(const std::u16string& path, const Bytes& contents) {
    // The temporary file sits beside the target (a move within one volume is
    // atomic) and is named after it, so a crash leaves an obvious leftover.
    static std::atomic<unsigned long> counter{GetTickCount()};
    const std::wstring target(Wide(path), path.size());
    // Windows refuses to move over a read-only file but Wine does not; refuse
    // here so that a book the user protected stays protected on both.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    std::wstring temp;
    UniqueHandle file(INVALID_HANDLE_VALUE);
    for (int attempt = 0; attempt < 100 && !file.Valid(); ++attempt) {
        temp = target + L".~" + Hex(GetCurrentProcessId()) + L"-" + Hex(++counter) + L".tmp";
        file.Reset(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return false;
        }
    }
    if (!file.Valid()) return false;

    bool ok = WriteAll(file.Get(), contents) && FlushFileBuffers(file.Get());
    ok = file.Close() && ok;
    ok = ok && MoveFileExW(temp.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileW(temp.c_str());
    return ok;
}

// --- Base folders and environment --------------------------------------------

std::u16string Win32Platform::GetEnvironment(const std::u16string& name) {
    std::wstring value(256, L'\0');
    for (;;) {
        const DWORD length =
            GetEnvironmentVariableW(Wide(name), value.data(), static_cast<DWORD>(value.size()));
        if (length == 0) return {};
        // A length that fits excludes the NUL; one that does not includes it.
        if (length < value.size()) return FromWide(value.data(), length);
        value.resize(length);
    }
}

std::u16string Win32Platform::DocumentsFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) {
        return {};
    }
    return FromWide(folder, wcslen(folder));
}

// --- Single-instance lock -----------------------------------------------------

bool Win32Platform::AcquireSingleInstanceLock(const std::u16string& name) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, Wide(name));
    // No handle means the name is taken by something this user may not open
    // (another user's instance): that is a holder too.
    if (!mutex) return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    // Deliberately never closed: the system releases it when the process ends,
    // which is exactly how long the lock must last.
    return true;
}

// --- Code pages ---------------------------------------------------------------

std::u16string Win32Platform::DecodeCodePage(unsigned codePage, const Bytes& bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    const int byteCount = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), byteCount, nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), byteCount, text.data(), length);
    return FromWide(text);
}

Bytes Win32Platform::EncodeCodePage(unsigned codePage, const std::u16string& text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        return {};
    }
    const int length16 = static_cast<int>(text.size());
    // Without WC_NO_BEST_FIT_CHARS Windows quietly writes look-alikes ("a" for
    // "ā"), which would change the user's words on the next read.
    DWORD flags = WC_NO_BEST_FIT_CHARS;
    const char* fallback = "?";
    int length = WideCharToMultiByte(codePage, flags, Wide(text), length16, nullptr, 0, fallback,
                                     nullptr);
    if (length <= 0 && GetLastError() == ERROR_INVALID_FLAGS) {
        // Code pages such as UTF-8 accept neither the flag nor a default character.
        flags = 0;
        fallback = nullptr;
        length = WideCharToMultiByte(codePage, flags, Wide(text), length16, nullptr, 0, nullptr,
                                     nullptr);
    }
    if (length <= 0) return {};
    Bytes bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, Wide(text), length16, bytes.data(), length, fallback,
                        nullptr);
    return bytes;
}

// --- Clipboard ------------------------------------------------------------------

void* Win32Platform::ClipboardOwner() {
    // The clipboard documents data set while no window owns it as failing, so
    // a hidden message-only window owns ours.
    if (!clipboardOwner_) {
        static constexpr wchar_t kClass[] = L"TessalineClipboardOwner";
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = ClipboardOwnerProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kClass;
        RegisterClassExW(&windowClass);  // already registered by an earlier object is fine
        clipboardOwner_ = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          instance, nullptr);
    }
    return clipboardOwner_;
}

bool Win32Platform::SetClipboardText(const std::u16string& text) {
    return PutOnClipboard(static_cast<HWND>(ClipboardOwner()),
                          {{CF_UNICODETEXT, GlobalText(text)}});
}

bool Win32Platform::SetClipboardRichText(const Bytes& rtf, const std::u16string& text) {
    // Rich text first: readers that take the first format they know get the
    // formatted one.
    Bytes terminated = rtf;
    terminated.push_back('\0');
    return PutOnClipboard(static_cast<HWND>(ClipboardOwner()),
                          {{RichTextFormat(), GlobalCopy(terminated.data(), terminated.size())},
                           {CF_UNICODETEXT, GlobalText(text)}});
}

std::optional<std::u16string> Win32Platform::GetClipboardText() {
    const std::optional<std::string> raw = ReadClipboardFormat(CF_UNICODETEXT);
    if (!raw) return std::nullopt;
    // The block may be larger than the text; the text ends at its NUL.
    std::u16string text(raw->size() / sizeof(char16_t), u'\0');
    std::memcpy(text.data(), raw->data(), text.size() * sizeof(char16_t));
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    return text;
}

std::optional<Bytes> Win32Platform::GetClipboardRichText() {
    std::optional<std::string> raw = ReadClipboardFormat(RichTextFormat());
    if (!raw) return std::nullopt;
    raw->resize(std::strlen(raw->c_str()));  // RTF is 7-bit text ended by a NUL
    return raw;
}

// --- Other applications' windows ------------------------------------------------

WindowId Win32Platform::ForegroundWindow() {
    return reinterpret_cast<WindowId>(GetForegroundWindow());
}

std::u16string Win32Platform::WindowTitle(WindowId window) {
    const HWND handle = reinterpret_cast<HWND>(window);
    if (!handle) return {};
    // The reported length is a hint (the title may change meanwhile); grow
    // until the title no longer fills the buffer.
    std::wstring title(static_cast<std::size_t>(std::max(GetWindowTextLengthW(handle), 0)) + 64,
                       L'\0');
    for (;;) {
        const int got = GetWindowTextW(handle, title.data(), static_cast<int>(title.size()));
        if (got <= 0) return {};
        if (static_cast<std::size_t>(got) + 1 < title.size()) {
            return FromWide(title.data(), static_cast<std::size_t>(got));
        }
        title.resize(title.size() * 2);
    }
}

bool Win32Platform::BringToFront(WindowId window) {
    const HWND handle = reinterpret_cast<HWND>(window);
    if (!handle || !IsWindow(handle)) return false;
    if (IsIconic(handle)) ShowWindow(handle, SW_RESTORE);
    return SetForegroundWindow(handle) != 0;
}

// --- Key synthesis -------------------------------------------------------------------

void Win32Platform::SendKey(std::uint16_t virtualKey, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) |
                       (IsExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    SendInput(1, &input, sizeof input);
}

// --- Keyboard layouts --------------------------------------------------------------

std::u16string Win32Platform::ActiveLayoutName() {
    wchar_t name[KL_NAMELENGTH] = {};
    if (!GetKeyboardLayoutNameW(name)) return {};
    return FromWide(name, wcslen(name));
}

bool Win32Platform::ActivateLayout(const std::u16string& layoutName) {
    return LoadKeyboardLayoutW(Wide(layoutName), KLF_ACTIVATE) != nullptr;
}

int Win32Platform::OsMajorVersion() {
    // GetVersionEx reports 6.2 to a program without a compatibility manifest
    // on every Windows from 8 on; RtlGetVersion tells the truth.
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    if (const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
        if (const FARPROC address = GetProcAddress(ntdll, "RtlGetVersion")) {
            // Through void(*)() so the compiler accepts the change of signature.
            const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(
                reinterpret_cast<void (*)()>(address));
            if (rtlGetVersion(&info) == 0) return static_cast<int>(info.dwMajorVersion);
        }
    }
    info = OSVERSIONINFOW{};
    info.dwOSVersionInfoSize = sizeof info;
    if (GetVersionExW(&info)) return static_cast<int>(info.dwMajorVersion);
    return 0;
}

bool Win32Platform::CapsLockOn() {
    return (GetKeyState(VK_CAPITAL) & 1) != 0;
}

// --- Shell -------------------------------------------------------------------------

std::u16string Win32Platform::LowerCase(std::u16string_view text) {
    if (text.empty()) return {};
    const auto* in = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int needed = LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_LOWERCASE, in, length, nullptr, 0);
    if (needed <= 0) return std::u16string(text);
    std::u16string lower(static_cast<std::size_t>(needed), u'\0');
    LCMapStringW(LOCALE_USER_DEFAULT, LCMAP_LOWERCASE, in, length,
                 reinterpret_cast<wchar_t*>(lower.data()), needed);
    return lower;
}

int Win32Platform::CompareLocale(std::u16string_view a, std::u16string_view b) {
    const int result = CompareStringW(
        LOCALE_USER_DEFAULT, 0, reinterpret_cast<const wchar_t*>(a.data()),
        static_cast<int>(a.size()), reinterpret_cast<const wchar_t*>(b.data()),
        static_cast<int>(b.size()));
    // CSTR_LESS_THAN 1, CSTR_EQUAL 2, CSTR_GREATER_THAN 3; 0 on failure.
    return result == 0 ? a.compare(b) : result - CSTR_EQUAL;
}

bool Win32Platform::ShellOpen(const std::u16string& path) {
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", Wide(path), nullptr, nullptr, SW_SHOWNORMAL);
    // Values up to 32 are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

namespace {

int CALLBACK CollectFontFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM param) {
    auto* names = reinterpret_cast<std::vector<std::u16string>*>(param);
    names->push_back(reinterpret_cast<const char16_t*>(font->lfFaceName));
    return 1;
}

}  // namespace

std::vector<std::u16string> Win32Platform::InstalledFontNames() {
    if (!installedFonts_.empty()) return installedFonts_;
    std::vector<std::u16string>& names = installedFonts_;
    HDC dc = GetDC(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;  // every family, once per character set
    EnumFontFamiliesExW(dc, &query, &CollectFontFamily, reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(nullptr, dc);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

namespace {

struct FamilyQuery {
    std::vector<Platform::FontFamily> families;
};

int CALLBACK CollectCharsetFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD fontType,
                                  LPARAM param) {
    auto* query = reinterpret_cast<FamilyQuery*>(param);
    std::u16string name = reinterpret_cast<const char16_t*>(font->lfFaceName);
    for (const auto& known : query->families)
        if (known.name == name) return 1;
    query->families.push_back({name, fontType == TRUETYPE_FONTTYPE});
    return 1;
}

// Thread timers carry no user data, so the callbacks are found by the
// system's timer id.
std::map<UINT_PTR, std::function<void()>>& TimerCallbacks() {
    static std::map<UINT_PTR, std::function<void()>> callbacks;
    return callbacks;
}

void CALLBACK OnThreadTimer(HWND, UINT, UINT_PTR systemId, DWORD) {
    auto it = TimerCallbacks().find(systemId);
    if (it == TimerCallbacks().end()) return;
    auto callback = it->second;  // the callback may stop or restart its own timer
    callback();
}

}  // namespace

std::vector<Platform::FontFamily> Win32Platform::FontFamiliesForCharset(int charset) {
    if (auto known = familiesByCharset_.find(charset); known != familiesByCharset_.end())
        return known->second;
    FamilyQuery query;
    HDC dc = GetDC(nullptr);
    LOGFONTW filter{};
    filter.lfCharSet = static_cast<BYTE>(charset);
    EnumFontFamiliesExW(dc, &filter, &CollectCharsetFamily, reinterpret_cast<LPARAM>(&query), 0);
    ReleaseDC(nullptr, dc);
    familiesByCharset_[charset] = query.families;
    return query.families;
}

namespace {

struct OutlineFamilies {
    std::vector<std::u16string> names;
};

int CALLBACK CollectOutlineFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD fontType,
                                  LPARAM param) {
    auto* query = reinterpret_cast<OutlineFamilies*>(param);
    // Raster fonts map characters through their code page and cannot draw a
    // complex script; vertical ("@") names are the same faces turned.
    if (fontType & RASTER_FONTTYPE) return 1;
    std::u16string name = reinterpret_cast<const char16_t*>(font->lfFaceName);
    if (name.empty() || name[0] == u'@') return 1;
    if (std::find(query->names.begin(), query->names.end(), name) == query->names.end())
        query->names.push_back(std::move(name));
    return 1;
}

// Whether the face selected into `dc` has a glyph for every code unit.
bool HasEveryGlyph(HDC dc, std::u16string_view sample) {
    if (sample.empty()) return true;
    std::vector<WORD> indices(sample.size());
    const std::wstring text(sample.begin(), sample.end());
    if (GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), indices.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return false;
    return std::none_of(indices.begin(), indices.end(), [](WORD i) { return i == 0xFFFF; });
}

// A font of exactly the family `name`, 16 pixels high; the caller deletes it.
HFONT CreateFamilyFont(const std::u16string& name) {
    LOGFONTW face{};
    face.lfHeight = -16;
    face.lfCharSet = DEFAULT_CHARSET;
    face.lfOutPrecision = OUT_TT_PRECIS;
    const std::size_t length = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
    std::memcpy(face.lfFaceName, name.data(), length * sizeof(wchar_t));
    return CreateFontIndirectW(&face);
}

}  // namespace

std::vector<std::u16string> Win32Platform::FontFamiliesWithGlyphs(std::u16string_view sample) {
    const std::u16string key(sample);
    if (auto known = familiesWithGlyphs_.find(key); known != familiesWithGlyphs_.end())
        return known->second;
    HDC screen = GetDC(nullptr);
    OutlineFamilies all;
    LOGFONTW filter{};
    filter.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen, &filter, &CollectOutlineFamily, reinterpret_cast<LPARAM>(&all), 0);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    std::vector<std::u16string> covering;
    for (const std::u16string& name : all.names) {
        HFONT font = CreateFamilyFont(name);
        if (!font) continue;
        HGDIOBJ old = SelectObject(dc, font);
        if (HasEveryGlyph(dc, sample)) covering.push_back(name);
        SelectObject(dc, old);
        DeleteObject(font);
    }
    DeleteDC(dc);
    familiesWithGlyphs_[key] = covering;
    return covering;
}

bool Win32Platform::FontHasGlyphs(const std::u16string& face, std::u16string_view sample) {
    HFONT font = CreateFamilyFont(face);
    if (!font) return false;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    // A missing family is matched by another; only the family itself counts.
    wchar_t selected[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, selected);
    const bool has = lstrcmpiW(selected, Wide(face)) == 0 && HasEveryGlyph(dc, sample);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return has;
}

void Win32Platform::StartTimer(int timerId, unsigned intervalMs, std::function<void()> callback) {
    StopTimer(timerId);
    UINT_PTR systemId = SetTimer(nullptr, 0, intervalMs, &OnThreadTimer);
    if (!systemId) return;
    systemTimers_[timerId] = systemId;
    TimerCallbacks()[systemId] = std::move(callback);
}

void Win32Platform::StopTimer(int timerId) {
    auto it = systemTimers_.find(timerId);
    if (it == systemTimers_.end()) return;
    KillTimer(nullptr, it->second);
    TimerCallbacks().erase(it->second);
    systemTimers_.erase(it);
}

MessageAnswer Win32Platform::ShowMessage(const std::u16string& text, MessageKind kind,
                                         MessageButtons buttons) {
    UINT flags = MB_TASKMODAL;
    switch (kind) {
        case MessageKind::Warning: flags |= MB_ICONWARNING; break;
        case MessageKind::Information: flags |= MB_ICONINFORMATION; break;
        case MessageKind::Question: flags |= MB_ICONQUESTION; break;
        case MessageKind::Error: flags |= MB_ICONERROR; break;
    }
    // Windows has no box with a lone Yes button; OK stands in for it.
    flags |= buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
    int result = MessageBoxW(GetActiveWindow(), Wide(text), L"Tessaline", flags);
    if (buttons == MessageButtons::YesNo) return result == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
    return buttons == MessageButtons::Yes ? MessageAnswer::Yes : MessageAnswer::Ok;
}

}  // namespace tess
