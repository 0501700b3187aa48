#include "app/win32/RichBuffer.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "lib/win32/Win32Helpers.h"

namespace tess {

namespace {

struct RtfReader {
    const std::string* bytes;
    std::size_t at = 0;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* reader = reinterpret_cast<RtfReader*>(cookie);
    const std::size_t left = reader->bytes->size() - reader->at;
    const std::size_t count = std::min(left, static_cast<std::size_t>(std::max(wanted, 0L)));
    std::memcpy(buffer, reader->bytes->data() + reader->at, count);
    reader->at += count;
    *given = static_cast<LONG>(count);
    return 0;
}

}  // namespace

void CopyThroughRichBuffer(HWND rich, const RichCopy& copy) {
    if (copy.rtf.empty()) {
        SetWindowTextW(rich, W(copy.text));
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        // CFM_BOLD without CFE_BOLD: plain text (some rich edits start bold).
        format.dwMask = CFM_FACE | CFM_CHARSET | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
        format.yHeight = copy.sizePt * 20;
        format.bCharSet = static_cast<BYTE>(copy.charset);
        lstrcpynW(format.szFaceName, W(copy.fontName), LF_FACESIZE);
        SendMessageW(rich, EM_SETSEL, 0, -1);
        SendMessageW(rich, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    } else {
        // The buffer loads the document as a rich edit loads a file.
        SetWindowTextW(rich, L"");
        RtfReader reader{&copy.rtf};
        EDITSTREAM stream{};
        stream.dwCookie = reinterpret_cast<DWORD_PTR>(&reader);
        stream.pfnCallback = &ReadRtf;
        SendMessageW(rich, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    }
    // Exactly the text: the buffer's last paragraph mark stays out.
    SendMessageW(rich, EM_SETSEL, 0, static_cast<LPARAM>(copy.selectLength));
    SendMessageW(rich, WM_COPY, 0, 0);
}

}  // namespace tess
