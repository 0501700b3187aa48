// A scratch folder under %TEMP% for one test, and plain Win32 helpers to
// prepare and inspect it. The helpers use the API directly so that the
// platform under test never checks its own work.
#pragma once

#include <windows.h>

#include <atomic>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tess::testing {

inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string FromWide(const std::wstring& text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

// For readable failure messages.
inline std::string Utf8(std::u16string_view text) {
    if (text.empty()) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    std::string utf8(static_cast<std::size_t>(
                         WideCharToMultiByte(CP_UTF8, 0, wide, size, nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, size, utf8.data(), static_cast<int>(utf8.size()), nullptr,
                        nullptr);
    return utf8;
}

// Removes a folder and everything in it, read-only files included.
inline void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

class TempFolder {
public:
    TempFolder() {
        static std::atomic<unsigned> serial{0};
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, base);
        const std::wstring path = std::wstring(base) + L"tess-w32-" +
                                  std::to_wstring(GetCurrentProcessId()) + L"-" +
                                  std::to_wstring(GetTickCount()) + L"-" +
                                  std::to_wstring(++serial);
        CreateDirectoryW(path.c_str(), nullptr);
        path_ = FromWide(path);
    }
    ~TempFolder() { RemoveTree(std::wstring(Wide(path_))); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::u16string& Path() const { return path_; }
    std::u16string At(std::u16string_view relative) const {
        return path_ + u"\\" + std::u16string(relative);
    }

private:
    std::u16string path_;
};

inline bool WriteBytes(const std::u16string& path, std::string_view bytes) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

inline std::optional<std::string> ReadBytes(const std::u16string& path) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

inline bool IsDirectory(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(Wide(path));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Everything below a folder: relative path -> contents, or "<dir>" for a
// folder. Two equal snapshots mean nothing was added, removed or changed.
using TreeSnapshot = std::map<std::u16string, std::string>;

inline void SnapshotInto(const std::u16string& folder, const std::u16string& prefix,
                         TreeSnapshot& snapshot) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((std::wstring(Wide(folder)) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::u16string name = FromWide(found.cFileName);
        if (name == u"." || name == u"..") continue;
        const std::u16string path = folder + u"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            snapshot[prefix + name] = "<dir>";
            SnapshotInto(path, prefix + name + u"\\", snapshot);
        } else {
            snapshot[prefix + name] = ReadBytes(path).value_or("<unreadable>");
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

inline TreeSnapshot Snapshot(const std::u16string& folder) {
    TreeSnapshot snapshot;
    SnapshotInto(folder, u"", snapshot);
    return snapshot;
}

}  // namespace tess::testing
