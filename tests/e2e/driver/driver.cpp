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
//   driver client CLASS                 print "width height" of its client area
//   driver childrect CLASS ID           print "left top right bottom" of the child control ID
//                                       in the window's client coordinates
//   driver folder appdata|documents     print the user's base folder (Windows path)
//   driver text CLASS ID                print the text of the child control ID
//   driver click CLASS ID               bring the window to the front and click the child's centre
//   driver type CLASS TEXT              type ASCII TEXT as real key strokes (virtual keys,
//                                       Shift where needed) into the focused control
//   driver unicode CLASS TEXT           type TEXT as Unicode key events (Thai, IPA...)
//   driver key CLASS VK                 press and release virtual key VK (decimal or 0x..)
//   driver select CLASS ID INDEX        pick item INDEX of the combo box ID, as the user would
//   driver command CLASS ID             send the menu command ID (WM_COMMAND)
//   driver activate CLASS               bring the window to the front
//   driver childtext CLASS CHILDCLASS   print the text of the first descendant of that class
//   driver clickin CLASS ID X Y         click at (X, Y) inside the descendant control ID
//   driver dblclickin CLASS ID X Y      double-click at (X, Y) inside the descendant control ID
//   driver statustext CLASS ID PART     print the text of part PART of the status bar ID
//   driver statusrect CLASS ID PART     print "left top right bottom" of that part
//   driver timeopen CLASS ID X Y BAR PART  click at (X, Y) inside control ID, print the
//                                       milliseconds until part PART of the status bar BAR
//                                       shows a text and the window has drawn (the benchmark
//                                       of opening a word book)
//   driver richfont CLASS CHILDCLASS    print "face|charset|size-in-twips" of the first character
//                                       of a rich edit child (read through the target's memory)
// For the last three CLASS names the window that must be in front; they wait
// for each stroke to be processed before the next.
//
// Dialogs all have the class "#32770": CLASS may name one by its caption as
// "#32770=CAPTION" (the exact window text), in every command above.
//   driver postcommand CLASS ID         post the menu command ID and return at once (a
//                                       command that opens a modal dialog)
//   driver focustext CLASS              print the text of the focused control of the
//                                       window's thread (a common dialog's file name box)
//   driver enabled CLASS ID             print 1 when the child control ID is enabled, else 0
//   driver itemcount CLASS ID           print the number of items of the list view ID
//   driver listrow CLASS ID TEXT        print "X Y", the centre of the first row of the list
//                                       view ID whose first column reads TEXT, in the list's
//                                       client coordinates (for clickin)
// Tab strips and check boxes (the PAD window's tests):
//   driver tabrect CLASS ID INDEX       print "left top right bottom" of tab INDEX of the tab
//                                       control ID, in that control's client coordinates
//   driver checked CLASS ID             print 1 when the check box or radio button ID is
//                                       checked, else 0
// Commands of the search window's test:
//   driver listitems CLASS ID           print each item of the list view ID as one line,
//                                       its column texts joined by tabs (read through the
//                                       program's memory, so owner-data lists answer too)
// Commands of the settings dialog's test:
//   driver rowheight CLASS ID           print the height in pixels of the first row of the
//                                       list view ID
//   driver pixel CLASS ID X Y           print the colour the screen shows at (X, Y) of the
//                                       child control ID, as #RRGGBB
//   driver linepitch CLASS ID           print the pixels between the tops of the first two
//                                       lines of the edit control ID
// Commands of the long session's test:
//   driver resources CLASS              print "gdi user windows pagefile-KB workingset-KB" of
//                                       the process that owns the window: its GDI and USER
//                                       object counts, its windows (top-level and child),
//                                       and its memory
//
// Exit code 0 on success, 1 when the window is not there (or not gone) in time,
// 2 on a usage error.
#include <windows.h>
#include <shlobj.h>
#include <commctrl.h>
#include <richedit.h>
#include <psapi.h>

#include <algorithm>
#include <optional>
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

// Reads a window's text; WM_GETTEXT crosses processes where GetWindowText does not.
std::wstring TextOf(HWND hwnd) {
    LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                               reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return text;
}

struct Search {
    std::wstring className;
    std::wstring caption;  // with `captioned`: the window text too
    bool captioned = false;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t name[256];
    if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, name, 256) && search->className == name &&
        (!search->captioned || TextOf(hwnd) == search->caption))
        search->found.push_back(hwnd);
    return TRUE;
}

// The visible top-level windows of a class ("CLASS" or "CLASS=CAPTION"), front first.
std::vector<HWND> FindWindows(const std::wstring& className) {
    Search search;
    const std::size_t equals = className.find(L'=');
    search.className = className.substr(0, equals);
    if (equals != std::wstring::npos) {
        search.captioned = true;
        search.caption = className.substr(equals + 1);
    }
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
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

struct IdSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<IdSearch*>(param);
    if (GetDlgCtrlID(hwnd) == search->id) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The windows of one process, top-level and child (the long session's test).
struct WindowCount {
    DWORD pid;
    int windows;
};

BOOL CALLBACK CountChildWindow(HWND, LPARAM param) {
    ++reinterpret_cast<WindowCount*>(param)->windows;
    return TRUE;
}

BOOL CALLBACK CountProcessWindows(HWND top, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(top, &owner);
    if (owner != count->pid) return TRUE;
    ++count->windows;
    EnumChildWindows(top, CountChildWindow, param);
    return TRUE;
}

// A child or deeper descendant with the control id.
HWND ChildById(HWND parent, int id) {
    if (HWND direct = GetDlgItem(parent, id)) return direct;
    IdSearch search{id, nullptr};
    EnumChildWindows(parent, &MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SendKeyInput(WORD vk, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Lets the target process handle what was sent before the next stroke.
void Settle(HWND window) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 2000, &result);
    Sleep(30);
}

void PressVirtualKey(HWND window, WORD vk, bool shift) {
    if (shift) SendKeyInput(VK_SHIFT, 0, 0);
    SendKeyInput(vk, 0, 0);
    SendKeyInput(vk, 0, KEYEVENTF_KEYUP);
    if (shift) SendKeyInput(VK_SHIFT, 0, KEYEVENTF_KEYUP);
    Settle(window);
}

void ClickAt(int x, int y) {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input[3]{};
    for (auto& i : input) {
        i.type = INPUT_MOUSE;
        i.mi.dx = MulDiv(x, 65535, width - 1);
        i.mi.dy = MulDiv(y, 65535, height - 1);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // The button events carry the place too: on a busy machine Wine may
    // press the button where the cursor was before the move arrived.
    input[1].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_LEFTUP;
    SendInput(1, &input[0], sizeof(INPUT));
    WaitUntil(1000, [&] {
        POINT at{};
        GetCursorPos(&at);
        return std::abs(at.x - x) <= 1 && std::abs(at.y - y) <= 1;
    });
    SendInput(2, &input[1], sizeof(INPUT));
}

// A buffer in the program's memory, for the messages that answer through a
// pointer (SB_GETTEXT, TCM_GETITEMRECT, LVM_GETITEMRECT, LVM_GETITEMTEXT...):
// a pointer into the driver's own memory means nothing in the program.
class RemoteBuffer {
public:
    RemoteBuffer(HWND control, SIZE_T bytes) {
        DWORD pid = 0;
        GetWindowThreadProcessId(control, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) remote_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE));
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer() {
        if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    explicit operator bool() const { return remote_ != nullptr; }
    // The buffer's address in the program, `offset` bytes in.
    char* At(SIZE_T offset = 0) const { return remote_ + offset; }
    LPARAM Address(SIZE_T offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }
    void Write(const void* data, SIZE_T bytes, SIZE_T offset = 0) const {
        WriteProcessMemory(process_, At(offset), data, bytes, nullptr);
    }
    void Read(void* data, SIZE_T bytes, SIZE_T offset = 0) const {
        ReadProcessMemory(process_, At(offset), data, bytes, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    char* remote_ = nullptr;
};

// A rectangle the control writes for `message` (its left given as `left`,
// as LVM_GETITEMRECT asks); nothing when the control says no.
std::optional<RECT> RemoteRect(HWND control, UINT message, WPARAM wParam, LONG left = 0) {
    RemoteBuffer buffer(control, sizeof(RECT));
    if (!buffer) return std::nullopt;
    RECT r{};
    r.left = left;
    buffer.Write(&r, sizeof r);
    const LRESULT ok = SendMessageW(control, message, wParam, buffer.Address());
    buffer.Read(&r, sizeof r);
    if (!ok) return std::nullopt;
    return r;
}

std::wstring RectText(const RECT& r) {
    return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right) + L" " +
           std::to_wstring(r.bottom);
}

// The text of `item`'s `column` in a list view, read through `buffer` (an
// LVITEMW followed by room for `maxChars` characters).
std::wstring ListItemText(HWND list, const RemoteBuffer& buffer, int item, int column, int maxChars) {
    LVITEMW request{};
    request.iSubItem = column;
    request.pszText = reinterpret_cast<wchar_t*>(buffer.At(sizeof(LVITEMW)));
    request.cchTextMax = maxChars;
    buffer.Write(&request, sizeof request);
    const LRESULT length =
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), buffer.Address());
    std::wstring text(static_cast<size_t>(maxChars), L'\0');
    buffer.Read(text.data(), text.size() * sizeof(wchar_t), sizeof(LVITEMW));
    text.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min<LRESULT>(length, maxChars - 1))));
    return text;
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

    if (command == L"launch" && argc > 3) {
        // Starts a program and prints the milliseconds until its window of
        // CLASS is visible, measured here so that starting the driver costs
        // nothing: the start-up benchmark.
        std::wstring line = L"\"" + std::wstring(argv[3]) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        LARGE_INTEGER frequency{}, t0{}, t1{};
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&t0);
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process))
            return 1;
        const DWORD started = GetTickCount();
        while (FindWindows(className).empty()) {
            if (GetTickCount() - started > 30000) return 1;
            Sleep(1);
        }
        QueryPerformanceCounter(&t1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        Print(std::to_wstring((t1.QuadPart - t0.QuadPart) * 1000 / frequency.QuadPart));
        return 0;
    }
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
    if (command == L"text" && argc > 3) {
        HWND child = ChildById(hwnd, _wtoi(argv[3]));
        if (!child) return 1;
        Print(TextOf(child));
        return 0;
    }
    if (command == L"childrect" && argc > 3) {
        HWND child = ChildById(hwnd, _wtoi(argv[3]));
        if (!child) return 1;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        Print(std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
              std::to_wstring(r.right) + L" " + std::to_wstring(r.bottom));
        return 0;
    }
    if (command == L"click" && argc > 3) {
        HWND child = ChildById(hwnd, _wtoi(argv[3]));
        if (!child) return 1;
        SetForegroundWindow(hwnd);
        Settle(hwnd);
        RECT r{};
        GetWindowRect(child, &r);
        ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Settle(hwnd);
        return 0;
    }
    if (command == L"type" && argc > 3) {
        for (const wchar_t* p = argv[3]; *p; ++p) {
            SHORT scan = VkKeyScanW(*p);
            if (scan == -1) return 2;
            PressVirtualKey(hwnd, LOBYTE(scan), (HIBYTE(scan) & 1) != 0);
        }
        return 0;
    }
    if (command == L"unicode" && argc > 3) {
        for (const wchar_t* p = argv[3]; *p; ++p) {
            SendKeyInput(0, *p, KEYEVENTF_UNICODE);
            SendKeyInput(0, *p, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP);
            Settle(hwnd);
        }
        return 0;
    }
    if (command == L"key" && argc > 3) {
        // key CLASS VK [TIMES]: pressed TIMES times, each settled, as a user
        // holds nothing down but presses again (Page Down twelve times).
        const int times = argc > 4 ? std::max(1, _wtoi(argv[4])) : 1;
        for (int i = 0; i < times; ++i)
            PressVirtualKey(hwnd, static_cast<WORD>(wcstol(argv[3], nullptr, 0)), false);
        return 0;
    }
    if (command == L"select" && argc > 4) {
        int id = _wtoi(argv[3]);
        HWND combo = ChildById(hwnd, id);
        if (!combo) return 1;
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(_wtoi(argv[4])), 0);
        // The box tells its parent, as it does when the user picks.
        SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        Settle(hwnd);
        return 0;
    }
    if ((command == L"clickin" || command == L"dblclickin") && argc > 5) {
        HWND child = ChildById(hwnd, _wtoi(argv[3]));
        if (!child) return 1;
        SetForegroundWindow(hwnd);
        Settle(hwnd);
        POINT p{_wtoi(argv[4]), _wtoi(argv[5])};
        ClientToScreen(child, &p);
        ClickAt(p.x, p.y);
        if (command == L"dblclickin") ClickAt(p.x, p.y);
        Settle(hwnd);
        return 0;
    }
    if (command == L"timeopen" && argc > 7) {
        HWND child = ChildById(hwnd, _wtoi(argv[3]));
        HWND bar = ChildById(hwnd, _wtoi(argv[6]));
        if (!child || !bar) return 1;
        const WPARAM part = static_cast<WPARAM>(_wtoi(argv[7]));
        SetForegroundWindow(hwnd);
        Settle(hwnd);
        POINT p{_wtoi(argv[4]), _wtoi(argv[5])};
        ClientToScreen(child, &p);
        LARGE_INTEGER frequency{}, t0{}, t1{};
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&t0);
        ClickAt(p.x, p.y);
        const DWORD started = GetTickCount();
        while (LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0)) == 0) {
            if (GetTickCount() - started > 30000) return 1;
            Sleep(1);
        }
        // The paint comes when the program's queue is empty: a message that
        // waits behind it, sent twice, returns after it.
        DWORD_PTR result = 0;
        for (int i = 0; i < 2; ++i) {
            SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_BLOCK, 30000, &result);
            Sleep(0);
        }
        QueryPerformanceCounter(&t1);
        Print(std::to_wstring((t1.QuadPart - t0.QuadPart) * 1000 / frequency.QuadPart));
        return 0;
    }
    if (command == L"statustext" && argc > 4) {
        HWND bar = ChildById(hwnd, _wtoi(argv[3]));
        if (!bar) return 1;
        const WPARAM part = static_cast<WPARAM>(_wtoi(argv[4]));
        const int length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0));
        const SIZE_T bytes = (static_cast<SIZE_T>(length) + 1) * sizeof(wchar_t);
        RemoteBuffer buffer(bar, bytes);
        if (!buffer) return 1;
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(bar, SB_GETTEXTW, part, buffer.Address());
        buffer.Read(text.data(), bytes);
        text.resize(static_cast<size_t>(length));
        Print(text);
        return 0;
    }
    if (command == L"statusrect" && argc > 4) {
        HWND bar = ChildById(hwnd, _wtoi(argv[3]));
        if (!bar) return 1;
        const std::optional<RECT> r = RemoteRect(bar, SB_GETRECT, static_cast<WPARAM>(_wtoi(argv[4])));
        if (!r) return 1;
        Print(RectText(*r));
        return 0;
    }
    if (command == L"command" && argc > 3) {
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(_wtoi(argv[3]), 0), 0);
        Settle(hwnd);
        return 0;
    }
    if (command == L"activate") {
        SetForegroundWindow(hwnd);
        Settle(hwnd);
        return GetForegroundWindow() == hwnd ? 0 : 1;
    }
    if (command == L"childtext" && argc > 3) {
        HWND child = FindWindowExW(hwnd, nullptr, argv[3], nullptr);
        if (!child) return 1;
        Print(TextOf(child));
        return 0;
    }
    if (command == L"richfont" && argc > 3) {
        HWND child = FindWindowExW(hwnd, nullptr, argv[3], nullptr);
        if (!child) return 1;
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        format.dwMask = CFM_FACE | CFM_CHARSET | CFM_SIZE;
        RemoteBuffer buffer(child, sizeof format);
        if (!buffer) return 1;
        buffer.Write(&format, sizeof format);
        // Looking must not disturb: the target's selection is put back afterwards.
        DWORD selStart = 0, selEnd = 0;
        SendMessageW(child, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
        SendMessageW(child, EM_SETSEL, 0, 1);
        SendMessageW(child, EM_GETCHARFORMAT, SCF_SELECTION, buffer.Address());
        SendMessageW(child, EM_SETSEL, selStart, selEnd);
        buffer.Read(&format, sizeof format);
        Print(std::wstring(format.szFaceName) + L"|" + std::to_wstring(format.bCharSet) + L"|" +
              std::to_wstring(format.yHeight));
        return 0;
    }
    if (command == L"childtextesc" && argc > 3) {
        // The text with its line ends shown: CR as <CR>, LF as <LF>.
        HWND child = FindWindowExW(hwnd, nullptr, argv[3], nullptr);
        if (!child) return 1;
        std::wstring shown;
        for (wchar_t c : TextOf(child)) {
            if (c == L'\r') shown += L"<CR>";
            else if (c == L'\n') shown += L"<LF>";
            else shown += c;
        }
        Print(shown);
        return 0;
    }
    if (command == L"focus") {
        // The control id of the keyboard focus in the window's thread (0:
        // the window itself or nothing).
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info);
        Print(std::to_wstring(info.hwndFocus && info.hwndFocus != hwnd ? GetDlgCtrlID(info.hwndFocus) : 0));
        return 0;
    }
    if (command == L"lines" && argc > 3) {
        // An edit control's line count and the x of its first character (a
        // text scrolled sideways starts left of the control).
        HWND child = ChildById(hwnd, _wtoi(argv[3]));
        if (!child) return 1;
        const LRESULT lines = SendMessageW(child, EM_GETLINECOUNT, 0, 0);
        const LRESULT pos = SendMessageW(child, EM_POSFROMCHAR, 0, 0);
        Print(std::to_wstring(lines) + L" " + std::to_wstring(static_cast<short>(LOWORD(pos))));
        return 0;
    }
    if (command == L"sys" && argc > 3) {
        // What the caption buttons do: maximize, minimize, restore.
        const std::wstring what = argv[3];
        const WPARAM sc = what == L"maximize" ? SC_MAXIMIZE : what == L"minimize" ? SC_MINIMIZE : SC_RESTORE;
        PostMessageW(hwnd, WM_SYSCOMMAND, sc, 0);
        Sleep(300);
        Settle(hwnd);
        return 0;
    }
    if ((command == L"dragborder" && argc > 3) || (command == L"dragin" && argc > 6)) {
        // A mouse drag, as a user resizes a window by its bottom frame
        // ("dragborder CLASS DY") or its bottom-right corner ("dragborder
        // CLASS DY DX"), or drags a splitter ("dragin CLASS X Y DX DY", X and
        // Y in the window's client area).
        int x = 0, y = 0, dx = 0, dy = 0;
        if (command == L"dragborder") {
            RECT r{};
            GetWindowRect(hwnd, &r);
            x = (r.left + r.right) / 2, y = r.bottom - 2, dy = _wtoi(argv[3]);
            if (argc > 4) x = r.right - 2, dx = _wtoi(argv[4]);
        } else {
            POINT p{_wtoi(argv[3]), _wtoi(argv[4])};
            ClientToScreen(hwnd, &p);
            x = p.x, y = p.y, dx = _wtoi(argv[5]), dy = _wtoi(argv[6]);
        }
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        auto move = [&](int px, int py, DWORD extra) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dx = MulDiv(px, 65535, width - 1);
            input.mi.dy = MulDiv(py, 65535, height - 1);
            input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | extra;
            SendInput(1, &input, sizeof input);
            Sleep(60);
        };
        move(x, y, 0);
        move(x, y, MOUSEEVENTF_LEFTDOWN);
        for (int step = 1; step <= 4; ++step) move(x + dx * step / 4, y + dy * step / 4, 0);
        move(x + dx, y + dy, MOUSEEVENTF_LEFTUP);
        Sleep(200);
        Settle(hwnd);
        return 0;
    }
    if (command == L"tabsliver" && argc > 3) {
        // Pixels of the tab strip right of the last tab that differ from the
        // strip's background there: a tab that went away or got narrower
        // and was not painted over leaves some.
        HWND tabs = ChildById(hwnd, _wtoi(argv[3]));
        if (!tabs) return 1;
        const LRESULT count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
        if (count <= 0) return 1;
        const std::optional<RECT> lastTab = RemoteRect(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(count - 1));
        if (!lastTab) return 1;
        const RECT& last = *lastTab;
        RECT client{};
        GetClientRect(tabs, &client);
        POINT from{last.right + 3, (last.top + last.bottom) / 2};
        POINT to{client.right - 3, from.y};
        ClientToScreen(tabs, &from);
        ClientToScreen(tabs, &to);
        HDC screen = GetDC(nullptr);
        const COLORREF background = GetPixel(screen, to.x, to.y);
        int differing = 0;
        for (int x = from.x; x < to.x; ++x)
            if (GetPixel(screen, x, from.y) != background) ++differing;
        ReleaseDC(nullptr, screen);
        Print(std::to_wstring(differing));
        return 0;
    }
    // --- Dialogs -------------------------------------------------------------------
    if (command == L"postcommand" && argc > 3) {
        if (!PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(_wtoi(argv[3]), 0), 0)) return 1;
        Sleep(100);  // the command starts before the next driver call looks
        return 0;
    }
    if (command == L"focustext") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info);
        if (!info.hwndFocus) return 1;
        Print(TextOf(info.hwndFocus));
        return 0;
    }
    if (command == L"enabled" && argc > 3) {
        HWND child = ChildById(hwnd, _wtoi(argv[3]));
        if (!child) return 1;
        Print(IsWindowEnabled(child) ? L"1" : L"0");
        return 0;
    }
    if (command == L"itemcount" && argc > 3) {
        HWND list = ChildById(hwnd, _wtoi(argv[3]));
        if (!list) return 1;
        Print(std::to_wstring(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)));
        return 0;
    }
    if (command == L"listrow" && argc > 4) {
        // The item texts are read through a buffer in the list's process.
        HWND list = ChildById(hwnd, _wtoi(argv[3]));
        if (!list) return 1;
        constexpr int kChars = 260;
        const RemoteBuffer buffer(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
        if (!buffer) return 1;
        const LRESULT count = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
        int found = -1;
        for (int i = 0; i < count && found < 0; ++i)
            if (ListItemText(list, buffer, i, 0, kChars) == argv[4]) found = i;
        if (found < 0) return 1;
        RECT r{};
        if (const std::optional<RECT> row = RemoteRect(list, LVM_GETITEMRECT, static_cast<WPARAM>(found), LVIR_BOUNDS))
            r = *row;
        // The first column's middle: the row is wider than the list when it scrolls.
        Print(std::to_wstring(r.left + 30) + L" " + std::to_wstring((r.top + r.bottom) / 2));
        return 0;
    }
    // --- Tab strips and check boxes ---------------------------------------------------
    if (command == L"tabrect" && argc > 4) {
        // TCM_GETITEMRECT writes into the program's memory: a buffer there.
        HWND tabs = ChildById(hwnd, _wtoi(argv[3]));
        if (!tabs) return 1;
        const std::optional<RECT> r = RemoteRect(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(_wtoi(argv[4])));
        if (!r) return 1;
        Print(RectText(*r));
        return 0;
    }
    if (command == L"checked" && argc > 3) {
        HWND box = ChildById(hwnd, _wtoi(argv[3]));
        if (!box) return 1;
        Print(SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? L"1" : L"0");
        return 0;
    }
    // --- The settings dialog ----------------------------------------------------------
    if (command == L"rowheight" && argc > 3) {
        // LVM_GETITEMRECT writes into the program's memory: a buffer there.
        HWND list = ChildById(hwnd, _wtoi(argv[3]));
        if (!list || SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) < 1) return 1;
        const std::optional<RECT> r = RemoteRect(list, LVM_GETITEMRECT, 0, LVIR_BOUNDS);
        if (!r) return 1;
        Print(std::to_wstring(r->bottom - r->top));
        return 0;
    }
    if (command == L"pixel" && argc > 5) {
        // What the screen shows at (X, Y) of the control, as #RRGGBB.
        HWND child = ChildById(hwnd, _wtoi(argv[3]));
        if (!child) return 1;
        POINT at{_wtoi(argv[4]), _wtoi(argv[5])};
        ClientToScreen(child, &at);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, at.x, at.y);
        ReleaseDC(nullptr, screen);
        if (colour == CLR_INVALID) return 1;
        wchar_t text[8];
        swprintf(text, 8, L"#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
        Print(text);
        return 0;
    }
    if (command == L"linepitch" && argc > 3) {
        // The pixels between the tops of an edit control's first and second lines.
        HWND edit = ChildById(hwnd, _wtoi(argv[3]));
        if (!edit || SendMessageW(edit, EM_GETLINECOUNT, 0, 0) < 2) return 1;
        const LRESULT second = SendMessageW(edit, EM_LINEINDEX, 1, 0);
        const LRESULT first = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
        const LRESULT next = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(second), 0);
        if (first == -1 || next == -1) return 1;
        Print(std::to_wstring(static_cast<short>(HIWORD(next)) - static_cast<short>(HIWORD(first))));
        return 0;
    }
    // --- The long session ---------------------------------------------------------------
    if (command == L"resources") {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
        if (!process) return 1;
        const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
        const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        const BOOL gotMemory = GetProcessMemoryInfo(process, &memory, sizeof memory);
        CloseHandle(process);
        if (!gotMemory) return 1;
        WindowCount count{pid, 0};
        EnumWindows(CountProcessWindows, reinterpret_cast<LPARAM>(&count));
        Print(std::to_wstring(gdi) + L" " + std::to_wstring(user) + L" " +
              std::to_wstring(count.windows) + L" " +
              std::to_wstring(memory.PagefileUsage / 1024) + L" " +
              std::to_wstring(memory.WorkingSetSize / 1024));
        return 0;
    }
    if (command == L"rect") {
        RECT r{};
        GetWindowRect(hwnd, &r);
        Print(std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
              std::to_wstring(r.right) + L" " + std::to_wstring(r.bottom));
        return 0;
    }
    if (command == L"client") {
        RECT r{};
        GetClientRect(hwnd, &r);
        Print(std::to_wstring(r.right) + L" " + std::to_wstring(r.bottom));
        return 0;
    }
    // --- Commands of the search window's test ------------------------------------------
    if (command == L"listitems" && argc > 3) {
        HWND list = ChildById(hwnd, _wtoi(argv[3]));
        if (!list) return 1;
        const int items = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
        const int columns = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
        constexpr int kTextMax = 512;
        const RemoteBuffer buffer(list, sizeof(LVITEMW) + kTextMax * sizeof(wchar_t));
        if (!buffer) return 1;
        for (int item = 0; item < items; ++item) {
            std::wstring line;
            for (int column = 0; column < columns; ++column) {
                if (column > 0) line += L'\t';
                line += ListItemText(list, buffer, item, column, kTextMax);
            }
            Print(line);
        }
        return 0;
    }
    return Usage();
}
