// The main window's hidden rich buffers carry a rich text transfer of every
// script, marks above and below included, onto the clipboard in its font.
// The buffers are zero-width, so the rich edit wraps between a letter and its
// mark: under 64-bit Wine 8 that once ended the program in gdi32's OpenType
// positioning (the win64 session's fonts are what keep it whole).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/win32/MainControls.h"
#include "app/win32/RichBuffer.h"
#include "platform/win32/Win32Platform.h"
#include "transfer/TransferPort.h"
#include "HostWindow.h"

namespace tess {
namespace {

struct ScriptCase {
    const char* name;
    const char16_t* face;  // what the session's prefix draws the script with
    int charset;
    std::u16string text;
};

const ScriptCase kCases[] = {
    // A tone mark over a consonant after a leading vowel; an upper vowel
    // under a tone mark; a lower vowel.
    {"Thai", u"Garuda", THAI_CHARSET, u"\u0E44\u0E01\u0E48 \u0E2A\u0E27\u0E31\u0E2A\u0E14\u0E35 \u0E04\u0E38\u0E13 \u0E19\u0E49\u0E33"},
    {"Lao", u"Noto Sans Lao", DEFAULT_CHARSET, u"\u0E81\u0EB5\u0EC8 \u0EAA\u0EB0\u0E9A\u0EB2\u0E8D\u0E94\u0EB5"},
    // A subscript consonant (coeng) and a vowel after it.
    {"Khmer", u"Noto Sans Khmer", DEFAULT_CHARSET, u"\u179F\u17D2\u178F\u17D2\u179A\u17B8 \u1780\u17CF"},
    {"Myanmar", u"Padauk", DEFAULT_CHARSET, u"\u1019\u103C\u1014\u103A\u1019\u102C"},
};

TEST(RichBuffer, MarkedTextOfEveryScriptReachesTheClipboardInItsFont) {
    HostWindow host;
    ASSERT_TRUE(host.Handle());
    MainControls controls;
    CreateMainControls(host.Handle(), GetModuleHandleW(nullptr), controls);
    ASSERT_TRUE(controls.richBufferA);
    Win32Platform platform;
    for (const ScriptCase& c : kCases) {
        SCOPED_TRACE(c.name);
        RichCopy copy{RichBuffer::A, c.text, {}, c.face, c.charset, 18, RichEditLength(c.text)};
        CopyThroughRichBuffer(controls.richBufferA, copy);
        EXPECT_EQ(platform.GetClipboardText(), c.text);
        const auto rtf = platform.GetClipboardRichText();
        ASSERT_TRUE(rtf);
        std::string face;
        for (const char16_t* p = c.face; *p; ++p) face += static_cast<char>(*p);
        EXPECT_NE(rtf->find(face), std::string::npos) << *rtf;
    }
}

}  // namespace
}  // namespace tess
