#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>

#include "platform/win32/Win32Platform.h"

namespace tess {
namespace {

const std::u16string kThai = u"\u0E20\u0E32\u0E29\u0E32\u0E44\u0E17\u0E22 \u0E01\u0E02\r\n"
                             u"\u0E1A\u0E23\u0E23\u0E17\u0E31\u0E14\u0E2A\u0E2D\u0E07";

// A small document of the kind the transfer produces: a Thai font and the
// characters as \u escapes.
const std::string kRtf =
    "{\\rtf1\\ansi\\ansicpg874\\deff0{\\fonttbl{\\f0\\fcharset222 Tahoma;}}"
    "\\f0\\fs24 \\u3616?\\u3634?\\u3625?\\u3634?\\par}";

TEST(Win32PlatformClipboard, ThaiTextRoundTrips) {
    Win32Platform platform;
    ASSERT_TRUE(platform.SetClipboardText(kThai));
    EXPECT_EQ(platform.GetClipboardText(), kThai);
}

TEST(Win32PlatformClipboard, RichTextAndItsPlainTextAreBothThere) {
    Win32Platform platform;
    ASSERT_TRUE(platform.SetClipboardRichText(kRtf, kThai));
    EXPECT_EQ(platform.GetClipboardRichText(), kRtf);
    EXPECT_EQ(platform.GetClipboardText(), kThai);
}

TEST(Win32PlatformClipboard, PlainTextClearsEarlierRichText) {
    Win32Platform platform;
    ASSERT_TRUE(platform.SetClipboardRichText(kRtf, kThai));
    ASSERT_TRUE(platform.SetClipboardText(u"plain"));
    EXPECT_EQ(platform.GetClipboardRichText(), std::nullopt);
    EXPECT_EQ(platform.GetClipboardText(), u"plain");
}

TEST(Win32PlatformClipboard, TextStaysAfterThePlatformIsGone) {
    // The user copies, closes the pad, then pastes elsewhere.
    {
        Win32Platform leaving;
        ASSERT_TRUE(leaving.SetClipboardRichText(kRtf, kThai));
    }
    Win32Platform later;
    EXPECT_EQ(later.GetClipboardText(), kThai);
    EXPECT_EQ(later.GetClipboardRichText(), kRtf);
}

// Holds the clipboard open from another thread for a while, as a clipboard
// viewer in another process would.
class ClipboardHolder {
public:
    explicit ClipboardHolder(DWORD milliseconds)
        : opened_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          thread_([this, milliseconds] {
              // A window of its own: the clipboard tells holders apart by window.
              HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                            nullptr, GetModuleHandleW(nullptr), nullptr);
              const bool open = OpenClipboard(window) != 0;
              SetEvent(opened_);
              Sleep(milliseconds);
              if (open) CloseClipboard();
              DestroyWindow(window);
          }) {
        WaitForSingleObject(opened_, INFINITE);
    }
    ~ClipboardHolder() {
        thread_.join();
        CloseHandle(opened_);
    }

private:
    HANDLE opened_;
    std::thread thread_;
};

TEST(Win32PlatformClipboard, WaitsBrieflyForAnotherHolder) {
    Win32Platform platform;
    ASSERT_TRUE(platform.SetClipboardText(u"before"));
    {
        ClipboardHolder holder(60);
        EXPECT_TRUE(platform.SetClipboardText(kThai));
    }
    EXPECT_EQ(platform.GetClipboardText(), kThai);
}

TEST(Win32PlatformClipboard, GivesUpOnAHolderThatStays) {
    Win32Platform platform;
    ASSERT_TRUE(platform.SetClipboardText(u"before"));
    {
        ClipboardHolder holder(1500);
        EXPECT_FALSE(platform.SetClipboardRichText(kRtf, kThai));
        EXPECT_EQ(platform.GetClipboardText(), std::nullopt);
    }
    EXPECT_EQ(platform.GetClipboardText(), u"before");
}

}  // namespace
}  // namespace tess
