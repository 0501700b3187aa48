// The end-to-end test driver: a console program run with wine in the test
// session's prefix. It finds windows, reads their texts across processes and
// sends input, and prints its answers as UTF-8 lines on stdout.
//
//   driver wait CLASS [TIMEOUT_MS]      wait for a visible top-level window; print its handle
//   driver gone CLASS [TIMEOUT_MS]      wait until no window of the class is left
//   driver count CLASS                  print the number of visible top-level windows
//   driver title CLASS                  print the window text of the first one
//   driver close CLASS                  post WM_CLOSE to the first one
//   driver rect CLASS                   print "left top right bottom" of the first one
//   driver folder appdata|documents     print the user's base folder (Windows path)
//
// Exit code 0 on success, 1 when the window is not there (or not gone) in time,
// 2 on a usage error.
#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Print(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                   nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(),
                        size, nullptr, nullptr);
    utf8 += "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()),
              &written, nullptr);
}

struct Search {
    std::wstring className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t name[256];
    if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, name, 256) && search->className == name)
        search->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> FindWindows(const std::wstring& className) {
    Search search{className, {}};
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Reads a window's text; WM_GETTEXT crosses processes where GetWindowText does not.
std::wstring TextOf(HWND hwnd) {
    LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                               reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return text;
}

template <typename Condition>
bool WaitUntil(DWORD timeoutMs, Condition condition) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(50);
    }
}

int Usage() {
    Print(L"usage: driver wait|gone|count|title|close|rect CLASS [TIMEOUT_MS] | folder appdata|documents");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return Usage();
    std::wstring command = argv[1];
    std::wstring className = argv[2];
    DWORD timeout = argc > 3 ? static_cast<DWORD>(_wtoi(argv[3])) : 10000;

    if (command == L"wait") {
        HWND hwnd = nullptr;
        bool ok = WaitUntil(timeout, [&] {
            auto windows = FindWindows(className);
            if (windows.empty()) return false;
            hwnd = windows.front();
            return true;
        });
        if (!ok) return 1;
        Print(std::to_wstring(reinterpret_cast<UINT_PTR>(hwnd)));
        return 0;
    }
    if (command == L"gone") {
        return WaitUntil(timeout, [&] { return FindWindows(className).empty(); }) ? 0 : 1;
    }
    if (command == L"folder") {
        wchar_t path[MAX_PATH] = {};
        int csidl = className == L"documents" ? CSIDL_PERSONAL : CSIDL_APPDATA;
        if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, path))) return 1;
        Print(path);
        return 0;
    }
    if (command == L"count") {
        Print(std::to_wstring(FindWindows(className).size()));
        return 0;
    }
    auto windows = FindWindows(className);
    if (windows.empty()) return 1;
    HWND hwnd = windows.front();
    if (command == L"title") {
        Print(TextOf(hwnd));
        return 0;
    }
    if (command == L"close") {
        return PostMessageW(hwnd, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (command == L"rect") {
        RECT r{};
        GetWindowRect(hwnd, &r);
        Print(std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
              std::to_wstring(r.right) + L" " + std::to_wstring(r.bottom));
        return 0;
    }
    return Usage();
}
