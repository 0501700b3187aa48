#include "lib/win32/ShapedText.h"

#include <usp10.h>

namespace tess {

namespace {

// SSA_FALLBACK picks another font for characters the face lacks; SSA_GLYPHS
// shapes clusters (a consonant with its vowel and tone marks).
SCRIPT_STRING_ANALYSIS Analyse(HDC dc, std::u16string_view text) {
    if (text.empty()) return nullptr;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    HRESULT hr = ScriptStringAnalyse(dc, wide, length, length * 3 / 2 + 16, -1,
                                     SSA_GLYPHS | SSA_FALLBACK, 0, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, &analysis);
    return SUCCEEDED(hr) ? analysis : nullptr;
}

}  // namespace

SIZE ShapedTextExtent(HDC dc, std::u16string_view text) {
    SIZE extent{0, 0};
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    extent.cy = metrics.tmHeight;
    if (text.empty()) return extent;
    if (SCRIPT_STRING_ANALYSIS analysis = Analyse(dc, text)) {
        if (const SIZE* size = ScriptString_pSize(analysis)) extent.cx = size->cx;
        ScriptStringFree(&analysis);
    } else {
        SIZE size{};
        GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()),
                              static_cast<int>(text.size()), &size);
        extent.cx = size.cx;
    }
    return extent;
}

void DrawShapedTextAt(HDC dc, std::u16string_view text, int x, int y, const RECT& clip) {
    if (text.empty()) return;
    if (SCRIPT_STRING_ANALYSIS analysis = Analyse(dc, text)) {
        ScriptStringOut(analysis, x, y, ETO_CLIPPED, &clip, 0, 0, FALSE);
        ScriptStringFree(&analysis);
    } else {
        ExtTextOutW(dc, x, y, ETO_CLIPPED, &clip, reinterpret_cast<const wchar_t*>(text.data()),
                    static_cast<UINT>(text.size()), nullptr);
    }
}

void DrawShapedText(HDC dc, const std::u16string& text, const RECT& rect, UINT align) {
    if (text.empty()) return;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
    const int length = static_cast<int>(text.size());
    SCRIPT_STRING_ANALYSIS analysis = Analyse(dc, text);
    if (!analysis) {
        RECT r = rect;
        DrawTextW(dc, wide, length, &r, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        return;
    }
    const SIZE* size = ScriptString_pSize(analysis);
    int width = size ? size->cx : 0;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int x = rect.left;
    if (align & DT_CENTER) x = rect.left + (rect.right - rect.left - width) / 2;
    else if (align & DT_RIGHT) x = rect.right - width;
    int y = rect.top + (rect.bottom - rect.top - metrics.tmHeight) / 2;
    ScriptStringOut(analysis, x, y, ETO_CLIPPED, &rect, 0, 0, FALSE);
    ScriptStringFree(&analysis);
}

}  // namespace tess
