#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/Win32Platform.h"
#include "TempFolder.h"

namespace tess {
namespace {

using testing::Wide;

std::u16string FreshName(const char16_t* stem) {
    static unsigned serial = 0;
    const std::wstring suffix = std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++serial);
    return stem + testing::FromWide(suffix);
}

TEST(Win32PlatformLock, RefusesASecondHolder) {
    Win32Platform platform;
    const std::u16string name = FreshName(u"Local\\TessalineTestLock-");
    EXPECT_TRUE(platform.AcquireSingleInstanceLock(name));
    EXPECT_FALSE(platform.AcquireSingleInstanceLock(name));
    EXPECT_FALSE(Win32Platform().AcquireSingleInstanceLock(name));
    EXPECT_TRUE(platform.AcquireSingleInstanceLock(FreshName(u"Local\\TessalineTestOther-")));
}

TEST(Win32PlatformLock, StaysHeldAfterThePlatformIsGone) {
    const std::u16string name = FreshName(u"Local\\TessalineTestLock-");
    EXPECT_TRUE(Win32Platform().AcquireSingleInstanceLock(name));
    // Another program looking for it still finds it.
    HANDLE probe = OpenMutexW(SYNCHRONIZE, FALSE, Wide(name));
    EXPECT_NE(probe, nullptr);
    if (probe) CloseHandle(probe);
}

TEST(Win32PlatformEnvironment, ReadsVariablesOfAnyLength) {
    Win32Platform platform;
    const std::u16string name = FreshName(u"TESS_TEST_");
    struct Case {
        const char* what;
        std::u16string value;
    };
    for (const Case& c : {Case{"thai", u"\u0E20\u0E32\u0E29\u0E32"},
                          Case{"long", std::u16string(5000, u'\u0E01') + u"end"}}) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(SetEnvironmentVariableW(Wide(name), Wide(c.value)));
        EXPECT_EQ(platform.GetEnvironment(name), c.value);
    }
    SetEnvironmentVariableW(Wide(name), nullptr);
    EXPECT_EQ(platform.GetEnvironment(name), u"");
}

TEST(Win32PlatformEnvironment, DocumentsFolderExists) {
    Win32Platform platform;
    const std::u16string documents = platform.DocumentsFolder();
    ASSERT_FALSE(documents.empty());
    EXPECT_TRUE(testing::IsDirectory(documents));
}

// A top-level window of our own stands in for another application's.
class OwnWindow {
public:
    explicit OwnWindow(const std::u16string& title) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TessalineTestTarget";
        RegisterClassW(&windowClass);
        handle_ = CreateWindowExW(0, L"TessalineTestTarget", Wide(title), WS_OVERLAPPEDWINDOW,
                                  10, 10, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr),
                                  nullptr);
    }
    ~OwnWindow() { DestroyWindow(handle_); }
    HWND Handle() const { return handle_; }
    WindowId Id() const { return reinterpret_cast<WindowId>(handle_); }

private:
    HWND handle_;
};

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

TEST(Win32PlatformWindows, WindowTitleReadsTheWholeTitle) {
    Win32Platform platform;
    struct Case {
        const char* what;
        std::u16string title;
    };
    for (const Case& c : {Case{"thai", u"\u0E40\u0E2D\u0E01\u0E2A\u0E32\u0E23 - Notepad"},
                          Case{"long", std::u16string(700, u'\u0E02') + u"|"},
                          Case{"empty", u""}}) {
        SCOPED_TRACE(c.what);
        OwnWindow window(c.title);
        ASSERT_NE(window.Handle(), nullptr);
        EXPECT_EQ(platform.WindowTitle(window.Id()), c.title);
    }
    EXPECT_EQ(platform.WindowTitle(0), u"");
}

TEST(Win32PlatformWindows, BringToFrontRestoresAMinimizedWindow) {
    Win32Platform platform;
    OwnWindow window(u"target");
    ASSERT_NE(window.Handle(), nullptr);
    ShowWindow(window.Handle(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window.Handle()));

    EXPECT_TRUE(platform.BringToFront(window.Id()));
    PumpMessages();
    EXPECT_FALSE(IsIconic(window.Handle()));
    EXPECT_EQ(platform.ForegroundWindow(), window.Id());
}

TEST(Win32PlatformWindows, BringToFrontRefusesWhatIsNoWindow) {
    Win32Platform platform;
    WindowId gone;
    {
        OwnWindow window(u"short-lived");
        gone = window.Id();
    }
    EXPECT_FALSE(platform.BringToFront(0));
    EXPECT_FALSE(platform.BringToFront(gone));
}

// What the edit control saw of each key press: the key and whether it came
// from the extended block (bit 24), which targets use to tell the arrow keys
// from the keypad's.
std::vector<std::pair<WPARAM, bool>> g_keyDowns;
WNDPROC g_editProc = nullptr;

LRESULT CALLBACK RecordingEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) g_keyDowns.emplace_back(wParam, (lParam >> 24) & 1);
    return CallWindowProcW(g_editProc, window, message, wParam, lParam);
}

TEST(Win32PlatformKeys, SendKeyTypesIntoTheForegroundWindow) {
    Win32Platform platform;
    OwnWindow frame(u"typing target");
    ASSERT_NE(frame.Handle(), nullptr);
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200, 30,
                                frame.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    g_keyDowns.clear();
    g_editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingEditProc)));
    ShowWindow(frame.Handle(), SW_SHOWNORMAL);
    platform.BringToFront(frame.Id());
    SetFocus(edit);
    PumpMessages();

    for (std::uint16_t key : {std::uint16_t{'T'}, std::uint16_t{'H'}, std::uint16_t{VK_LEFT},
                              std::uint16_t{'X'}}) {
        platform.SendKey(key, true);
        platform.SendKey(key, false);
    }
    // Synthesized input arrives through the queue, after a moment.
    wchar_t text[32] = {};
    for (int i = 0; i < 200 && GetWindowTextLengthW(edit) < 3; ++i) {
        Sleep(10);
        PumpMessages();
    }
    PumpMessages();
    GetWindowTextW(edit, text, 32);
    EXPECT_STREQ(text, L"txh");  // Left went back over "h"
    const std::vector<std::pair<WPARAM, bool>> expected = {
        {'T', false}, {'H', false}, {VK_LEFT, true}, {'X', false}};
    EXPECT_EQ(g_keyDowns, expected);
}

TEST(Win32PlatformKeys, ActiveLayoutNameIsEightHexDigits) {
    Win32Platform platform;
    const std::u16string name = platform.ActiveLayoutName();
    ASSERT_EQ(name.size(), 8u) << testing::Utf8(name);
    for (char16_t c : name) {
        EXPECT_TRUE((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'))
            << testing::Utf8(name);
    }
}

TEST(Win32PlatformSystem, OsMajorVersionIsAtLeastWindows7) {
    // The program is built for Windows 7 (6.1) and later; 0 would mean both
    // version queries failed.
    EXPECT_GE(Win32Platform().OsMajorVersion(), 6);
}

TEST(Win32PlatformSystem, ShellOpenReportsAFileThatIsNotThere) {
    testing::TempFolder temp;
    EXPECT_FALSE(Win32Platform().ShellOpen(temp.At(u"no such file.txt")));
}

TEST(Win32PlatformFonts, FamiliesWithGlyphsAreInstalledFamiliesThatDrawEveryCharacter) {
    Win32Platform platform;
    const std::vector<std::u16string> installed = platform.InstalledFontNames();
    auto isInstalled = [&](const std::u16string& name) {
        return std::find(installed.begin(), installed.end(), name) != installed.end();
    };
    auto contains = [](const std::vector<std::u16string>& names, const std::u16string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    // The test session has Thai fonts (Wine takes the host's), and every
    // system has a Latin one.
    const std::u16string thai = u"\u0E01";
    const std::u16string myanmar = u"\u1000";
    for (const std::u16string& sample : {std::u16string(u"A"), thai}) {
        SCOPED_TRACE(testing::Utf8(sample));
        const std::vector<std::u16string> families = platform.FontFamiliesWithGlyphs(sample);
        EXPECT_FALSE(families.empty());
        for (std::size_t i = 0; i < families.size(); ++i) {
            EXPECT_TRUE(isInstalled(families[i])) << testing::Utf8(families[i]);
            EXPECT_NE(families[i].front(), u'@') << testing::Utf8(families[i]);
            EXPECT_EQ(std::count(families.begin(), families.end(), families[i]), 1);
        }
        // Asked again, the same answer (it is kept).
        EXPECT_EQ(platform.FontFamiliesWithGlyphs(sample), families);
    }
    // A family drawing both scripts draws each of them.
    const std::vector<std::u16string> thaiFamilies = platform.FontFamiliesWithGlyphs(thai);
    const std::vector<std::u16string> myanmarFamilies = platform.FontFamiliesWithGlyphs(myanmar);
    for (const std::u16string& name : platform.FontFamiliesWithGlyphs(thai + myanmar)) {
        EXPECT_TRUE(contains(thaiFamilies, name)) << testing::Utf8(name);
        EXPECT_TRUE(contains(myanmarFamilies, name)) << testing::Utf8(name);
    }
}

}  // namespace
}  // namespace tess
