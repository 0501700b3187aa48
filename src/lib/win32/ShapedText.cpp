#include "lib/win32/ShapedText.h"

#include <usp10.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace tess {

namespace {

// --- Glyph fallback ---------------------------------------------------------------
// Uniscribe's own fallback does not reach every system (Wine's picks no other
// face), so a text the selected font has no glyphs for is drawn in the first
// installed family that has them all, at the same height.

bool IsJoinerOrSurrogate(wchar_t c) {
    return c == 0x200C || c == 0x200D || (c >= 0xD800 && c <= 0xDFFF);
}

bool HasGlyphs(HDC dc, std::u16string_view text) {
    if (text.empty()) return true;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    std::vector<WORD> indices(text.size());
    if (GetGlyphIndicesW(dc, wide, static_cast<int>(text.size()), indices.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return true;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (indices[i] == 0xFFFF && !IsJoinerOrSurrogate(wide[i])) return false;
    return true;
}

int CALLBACK AddFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
    auto& names = *reinterpret_cast<std::vector<std::wstring>*>(list);
    if (font->lfFaceName[0] != L'@') {
        std::wstring name(font->lfFaceName);
        bool known = false;
        for (const std::wstring& n : names) known = known || n == name;
        if (!known) names.push_back(std::move(name));
    }
    return 1;
}

// The families that carry the scripts and symbols of this program on the
// systems it runs on, tried before the others: each try selects a font, and
// a search through every installed family takes long enough to be felt.
constexpr const wchar_t* kLikelyFamilies[] = {
    L"Leelawadee UI", L"Tahoma", L"Khmer UI", L"Myanmar Text", L"Lao UI", L"Segoe UI Symbol",
    L"Segoe UI", L"Noto Sans Khmer", L"Noto Sans Myanmar", L"Noto Sans Lao", L"Noto Sans Thai",
    L"Noto Sans Symbols", L"Noto Sans Symbols2", L"Noto Sans Math", L"Padauk", L"Garuda",
    L"DejaVu Sans", L"Noto Sans", L"Arial Unicode MS"};

const std::vector<std::wstring>& InstalledFamilies(HDC dc) {
    static std::vector<std::wstring> names;
    static bool listed = false;
    if (!listed) {
        std::vector<std::wstring> all;
        LOGFONTW any{};
        any.lfCharSet = DEFAULT_CHARSET;
        EnumFontFamiliesExW(dc, &any, &AddFamily, reinterpret_cast<LPARAM>(&all), 0);
        for (const wchar_t* likely : kLikelyFamilies)
            for (const std::wstring& name : all)
                if (name == likely) names.push_back(name);
        for (const std::wstring& name : all) {
            bool known = false;
            for (const std::wstring& n : names) known = known || n == name;
            if (!known) names.push_back(name);
        }
        listed = true;
    }
    return names;
}

// The fallback for a text in the DC's font, found once per set of blocks of
// 128 code points the text touches and font height, and kept for the run.
HFONT FallbackFont(HDC dc, std::u16string_view text) {
    LOGFONTW selected{};
    if (!GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof selected, &selected)) return nullptr;
    // The blocks of 128 code points the text touches, with the font asked for.
    std::wstring blocks;
    for (char16_t c : text) {
        const wchar_t block = static_cast<wchar_t>(c >> 7);
        if (blocks.find(block) == std::wstring::npos) blocks.push_back(block);
    }
    using Key = std::tuple<std::wstring, LONG, LONG, std::wstring>;
    static std::map<Key, HFONT> found;
    const Key key{blocks, selected.lfHeight, selected.lfWeight, selected.lfFaceName};
    if (auto it = found.find(key); it != found.end()) return it->second;
    HFONT fallback = nullptr;
    HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    for (const std::wstring& family : InstalledFamilies(dc)) {
        LOGFONTW candidate = selected;
        lstrcpynW(candidate.lfFaceName, family.c_str(), LF_FACESIZE);
        candidate.lfCharSet = DEFAULT_CHARSET;
        HFONT font = CreateFontIndirectW(&candidate);
        SelectObject(dc, font);
        const bool has = HasGlyphs(dc, text);
        SelectObject(dc, original);
        if (has) {
            fallback = font;
            break;
        }
        DeleteObject(font);
    }
    found[key] = fallback;
    return fallback;
}

// Selects the fallback font while it lives, when the DC's font lacks glyphs.
// Complete() tells whether the font now selected has every glyph: then
// Uniscribe must not look for others (Wine's own choice can be a face
// without them).
class GlyphFallback {
public:
    GlyphFallback(HDC dc, std::u16string_view text) : dc_(dc) {
        if (HasGlyphs(dc, text)) return;
        complete_ = false;
        if (HFONT font = FallbackFont(dc, text)) {
            old_ = SelectObject(dc, font);
            complete_ = true;
        }
    }
    bool Complete() const { return complete_; }
    ~GlyphFallback() {
        if (old_) SelectObject(dc_, old_);
    }
    GlyphFallback(const GlyphFallback&) = delete;
    GlyphFallback& operator=(const GlyphFallback&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_ = nullptr;
    bool complete_ = true;
};

// SSA_GLYPHS shapes clusters (a consonant with its vowel and tone marks);
// SSA_FALLBACK lets Uniscribe pick another font when no installed family
// has every glyph of the text.
SCRIPT_STRING_ANALYSIS Analyse(HDC dc, std::u16string_view text, bool fallback) {
    if (text.empty()) return nullptr;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    HRESULT hr = ScriptStringAnalyse(dc, wide, length, length * 3 / 2 + 16, -1,
                                     SSA_GLYPHS | (fallback ? SSA_FALLBACK : 0), 0, nullptr,
                                     nullptr, nullptr,
                                     nullptr, nullptr, &analysis);
    return SUCCEEDED(hr) ? analysis : nullptr;
}

}  // namespace

SIZE ShapedTextExtent(HDC dc, std::u16string_view text) {
    const GlyphFallback fallback(dc, text);
    SIZE extent{0, 0};
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    extent.cy = metrics.tmHeight;
    if (text.empty()) return extent;
    if (SCRIPT_STRING_ANALYSIS analysis = Analyse(dc, text, !fallback.Complete())) {
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
    const GlyphFallback fallback(dc, text);
    if (SCRIPT_STRING_ANALYSIS analysis = Analyse(dc, text, !fallback.Complete())) {
        ScriptStringOut(analysis, x, y, ETO_CLIPPED, &clip, 0, 0, FALSE);
        ScriptStringFree(&analysis);
    } else {
        ExtTextOutW(dc, x, y, ETO_CLIPPED, &clip, reinterpret_cast<const wchar_t*>(text.data()),
                    static_cast<UINT>(text.size()), nullptr);
    }
}

void DrawShapedText(HDC dc, const std::u16string& text, const RECT& rect, UINT align) {
    if (text.empty()) return;
    const GlyphFallback fallback(dc, text);
    const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
    const int length = static_cast<int>(text.size());
    SCRIPT_STRING_ANALYSIS analysis = Analyse(dc, text, !fallback.Complete());
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
