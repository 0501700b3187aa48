#include "input/win32/KeyboardView.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "lib/CombiningMarks.h"
#include "lib/win32/ShapedText.h"

namespace tess {

namespace {

constexpr wchar_t kClassName[] = L"TKeyboard";
// The box of a check box, as the system draws it at 96 dpi.
constexpr int kCheckBoxSize = 13;
constexpr int kCheckBoxGap = 3;
// Inside a button face: two pixels of frame on each side.
constexpr int kFaceInset = 2;

HINSTANCE g_instance = nullptr;

RECT ToRect(const CellRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

COLORREF Resolve(Color color) {
    return color == kWindowTextColor ? GetSysColor(COLOR_BTNTEXT) : static_cast<COLORREF>(color);
}

bool IsButtonLike(const KeyCell& cell) {
    switch (cell.kind) {
        case CellKind::KeyButton:
        case CellKind::ListButton:
        case CellKind::CapsButton:
            return true;
        case CellKind::KeyLabel:
            return !cell.flat;
        case CellKind::OneInputBox:
        case CellKind::ReversalBox:
            return false;
    }
    return false;
}

bool IsCheckBox(const KeyCell& cell) {
    return cell.kind == CellKind::OneInputBox || cell.kind == CellKind::ReversalBox;
}

bool HasGlyphs(HDC dc, const std::u16string& text) {
    if (text.empty()) return true;
    std::vector<WORD> glyphs(text.size());
    const auto* wide = reinterpret_cast<const wchar_t*>(text.c_str());
    if (GetGlyphIndicesW(dc, wide, static_cast<int>(text.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return true;  // unknown: leave it to the shaping's own fallback
    return std::find(glyphs.begin(), glyphs.end(), 0xFFFF) == glyphs.end();
}

// Shaped text, or the plain system text call for a mark on its dotted
// circle: the shaping engine may drop a mark that has no letter to attach
// to, while the Thai faces' own mark glyphs already sit right over the circle.
void DrawText16(HDC dc, const std::u16string& text, const RECT& rect, UINT align, bool shaped) {
    if (shaped) {
        DrawShapedText(dc, text, rect, align);
        return;
    }
    RECT r = rect;
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()),
              &r, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// A disabled caption is drawn as the system draws one: etched, a light copy
// one pixel down and right under a shadow-coloured one, so it reads on any
// band colour and still looks unavailable.
void DrawCaption(HDC dc, const std::u16string& text, Color color, bool enabled, const RECT& rect,
                 UINT align, bool shaped) {
    if (enabled) {
        SetTextColor(dc, Resolve(color));
        DrawText16(dc, text, rect, align, shaped);
        return;
    }
    RECT etched = rect;
    OffsetRect(&etched, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawText16(dc, text, etched, align, shaped);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawText16(dc, text, rect, align, shaped);
}

}  // namespace

KeyboardView::~KeyboardView() {
    if (hwnd_) DestroyWindow(hwnd_);
    ReleaseGdi();
}

bool KeyboardView::Register(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kClassName, &existing)) {
        g_instance = instance;
        return true;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // No CS_DBLCLKS: a quick second click on a key is a second click, not a
    // double click, so fast tapping types every character.
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &KeyboardView::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc)) return false;
    g_instance = instance;
    return true;
}

HWND KeyboardView::Create(HWND parent, int id) {
    HINSTANCE instance = g_instance ? g_instance : GetModuleHandleW(nullptr);
    if (!g_instance && !Register(instance)) return nullptr;
    // No WS_TABSTOP: the control is never a stop of the focus.
    return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           this);
}

void KeyboardView::Show(const KeyboardCells* cells, KeyboardBackground background,
                           HBITMAP picture, int pictureIndex, std::optional<CellRect> pictureRect) {
    if (cells != cells_) {
        // Indexes of another keyboard mean nothing here.
        mouseCell_.reset();
        pressedCell_.reset();
        if (hwnd_ && GetCapture() == hwnd_) ReleaseCapture();
    }
    cells_ = cells;
    background_ = background;
    picture_ = picture;
    pictureIndex_ = pictureIndex;
    pictureRect_ = pictureRect;
    Repaint();
}

void KeyboardView::Repaint() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void KeyboardView::Repaint(KeyboardBackground background) {
    background_ = background;
    Repaint();
}

void KeyboardView::SetHoverHandler(std::function<bool(std::optional<std::size_t>)> handler) {
    hoverHandler_ = std::move(handler);
}

void KeyboardView::SetClickHandler(std::function<void(std::size_t cell)> handler) {
    clickHandler_ = std::move(handler);
}

LRESULT CALLBACK KeyboardView::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<KeyboardView*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (self) self->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<KeyboardView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->ReleaseGdi();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT KeyboardView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the whole client is painted from the buffer
        case WM_MOUSEMOVE:
            if (!trackingLeave_) {
                TRACKMOUSEEVENT track{};
                track.cbSize = sizeof track;
                track.dwFlags = TME_LEAVE;
                track.hwndTrack = hwnd_;
                trackingLeave_ = TrackMouseEvent(&track) != FALSE;
            }
            MouseOver(HitAt(x, y));
            return 0;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            MouseOver(std::nullopt);
            return 0;
        case WM_LBUTTONDOWN:
            ButtonDown(x, y);
            return 0;
        case WM_LBUTTONUP:
            ButtonUp(x, y);
            return 0;
        case WM_CAPTURECHANGED:
            if (pressedCell_ && reinterpret_cast<HWND>(lParam) != hwnd_) {
                RECT area{};
                AddCellArea(area, pressedCell_);
                pressedCell_.reset();
                InvalidateRect(hwnd_, &area, FALSE);
            }
            return 0;
        case WM_SHOWWINDOW:
            // A hidden page leaves no key grown behind.
            if (!wParam) MouseOver(std::nullopt);
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// --- Mouse -----------------------------------------------------------------------

std::optional<std::size_t> KeyboardView::HitAt(int x, int y) const {
    if (!cells_) return std::nullopt;
    return cells_->HitTest(x, y);
}

bool KeyboardView::IsEnabledCell(std::optional<std::size_t> cell) const {
    return cells_ && cell && *cell < cells_->Cells().size() && cells_->Cells()[*cell].enabled;
}

void KeyboardView::AddCellArea(RECT& area, std::optional<std::size_t> cell) const {
    if (!cells_ || !cell || *cell >= cells_->Cells().size()) return;
    RECT r = ToRect(cells_->Cells()[*cell].rect);
    UnionRect(&area, &area, &r);
}

void KeyboardView::MouseOver(std::optional<std::size_t> cell) {
    if (cell == mouseCell_) return;
    const std::optional<std::size_t> previous = mouseCell_;
    mouseCell_ = cell;
    // Only the cell left and the cell entered change, on the screen and in
    // the model's hover (one key shrinks, one grows): their areas before and
    // after are all that is painted again, which keeps moving the mouse
    // across the keys cheap.
    RECT area{};
    AddCellArea(area, previous);
    AddCellArea(area, cell);
    // A flat label shows a raised edge under the mouse, and a held key pops
    // up while the mouse is off it: both need a paint without the model.
    bool repaint = pressedCell_ && (pressedCell_ == previous || pressedCell_ == cell);
    for (const auto& c : {previous, cell})
        if (IsEnabledCell(c) && cells_->Cells()[*c].kind == CellKind::KeyLabel &&
            cells_->Cells()[*c].flat)
            repaint = true;
    if (hoverHandler_ && hoverHandler_(cell)) repaint = true;
    AddCellArea(area, previous);
    AddCellArea(area, cell);
    if (repaint && hwnd_ && !IsRectEmpty(&area)) InvalidateRect(hwnd_, &area, FALSE);
}

void KeyboardView::ButtonDown(int x, int y) {
    const std::optional<std::size_t> hit = HitAt(x, y);
    MouseOver(hit);
    if (!IsEnabledCell(hit)) return;
    // Capture without the focus: the caret stays in the field being typed.
    pressedCell_ = hit;
    SetCapture(hwnd_);
    RECT area{};
    AddCellArea(area, hit);
    InvalidateRect(hwnd_, &area, FALSE);
}

void KeyboardView::ButtonUp(int x, int y) {
    if (!pressedCell_) return;
    const std::size_t pressed = *pressedCell_;
    pressedCell_.reset();
    // Released before the handler runs: a click may open a modal popup.
    if (GetCapture() == hwnd_) ReleaseCapture();
    const std::optional<std::size_t> hit = HitAt(x, y);
    RECT area{};
    AddCellArea(area, pressed);
    InvalidateRect(hwnd_, &area, FALSE);
    if (hit == pressed && IsEnabledCell(hit) && clickHandler_) {
        clickHandler_(pressed);
        Repaint();
    }
}

// --- Painting ----------------------------------------------------------------------

void KeyboardView::EnsureBuffer(HDC screen, int width, int height) {
    if (!bufferDc_) {
        bufferDc_ = CreateCompatibleDC(screen);
        bufferOld_ = nullptr;
    }
    if (buffer_ && width <= bufferWidth_ && height <= bufferHeight_) return;
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(bufferDc_, bitmap);
    if (!bufferOld_) bufferOld_ = previous;
    if (buffer_) DeleteObject(buffer_);
    buffer_ = bitmap;
    bufferWidth_ = width;
    bufferHeight_ = height;
}

void KeyboardView::ReleaseGdi() {
    if (bufferDc_) {
        if (bufferOld_) SelectObject(bufferDc_, bufferOld_);
        DeleteDC(bufferDc_);
        bufferDc_ = nullptr;
        bufferOld_ = nullptr;
    }
    if (buffer_) {
        DeleteObject(buffer_);
        buffer_ = nullptr;
    }
    bufferWidth_ = bufferHeight_ = 0;
    for (auto& [key, font] : fonts_) DeleteObject(font);
    fonts_.clear();
}

HFONT KeyboardView::FontFor(const CellFont& font) {
    FontKey key{font.name, font.sizePt, font.bold, font.charset};
    auto it = fonts_.find(key);
    if (it != fonts_.end()) return it->second;
    HFONT created = CreatePointFont(font.name, font.charset, font.sizePt, font.bold);
    fonts_.emplace(std::move(key), created);
    return created;
}

void KeyboardView::Paint() {
    PAINTSTRUCT ps;
    HDC screen = BeginPaint(hwnd_, &ps);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right <= 0 || client.bottom <= 0) {
        EndPaint(hwnd_, &ps);
        return;
    }
    EnsureBuffer(screen, client.right, client.bottom);
    HDC dc = bufferDc_;

    const int bandBottom = std::min<int>(std::max(background_.bandHeight, 0), client.bottom);
    HBRUSH band = CreateSolidBrush(Resolve(background_.band));
    HBRUSH rest = CreateSolidBrush(Resolve(background_.rest));
    RECT top{0, 0, client.right, bandBottom};
    RECT bottom{0, bandBottom, client.right, client.bottom};
    FillRect(dc, &top, band);
    FillRect(dc, &bottom, rest);
    DeleteObject(band);
    DeleteObject(rest);

    BITMAP strip{};
    if (picture_ && pictureRect_ && pictureIndex_ >= 0 &&
        GetObjectW(picture_, sizeof strip, &strip) == sizeof strip &&
        (pictureIndex_ + 1) * kFlagPictureWidth <= strip.bmWidth) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, picture_);
        BitBlt(dc, pictureRect_->left, pictureRect_->top, pictureRect_->width,
               pictureRect_->height, source, pictureIndex_ * kFlagPictureWidth, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }

    if (cells_) {
        SetBkMode(dc, TRANSPARENT);
        HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        const auto& cells = cells_->Cells();
        // The grown key overlaps its neighbours: painted last, it stays whole.
        std::optional<std::size_t> last;
        if (mouseCell_ && *mouseCell_ < cells.size() &&
            cells[*mouseCell_].kind == CellKind::KeyButton)
            last = mouseCell_;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i == last) continue;
            RECT r = ToRect(cells[i].rect);
            RECT common{};
            if (IntersectRect(&common, &r, &ps.rcPaint)) PaintCell(dc, i);
        }
        if (last) PaintCell(dc, *last);
        SelectObject(dc, oldFont);
    }

    BitBlt(screen, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, dc, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    EndPaint(hwnd_, &ps);
}

void KeyboardView::DrawCellText(HDC dc, const KeyCell& cell, const RECT& rect, UINT align) {
    if (cell.text.empty()) return;
    SelectObject(dc, FontFor(cell.font));
    std::u16string text = cell.text;
    bool shaped = true;
    // A lone combining mark is drawn on a dotted circle when the face has one.
    if (IsLoneCombiningMark(text) && HasGlyphs(dc, std::u16string(1, kDottedCircle))) {
        text = CellDrawText(text);
        shaped = false;
    }
    // A face picked for a script's character set may lack a key cap of
    // another script ("半" over the Thai keys); the same face for any
    // character set reaches the system's linked fonts instead.
    if (!HasGlyphs(dc, text) && cell.font.charset != DEFAULT_CHARSET) {
        CellFont any = cell.font;
        any.charset = DEFAULT_CHARSET;
        SelectObject(dc, FontFor(any));
        if (!HasGlyphs(dc, text)) SelectObject(dc, FontFor(cell.font));
    }
    DrawCaption(dc, text, cell.textColor, cell.enabled, rect, align, shaped);
}

void KeyboardView::PaintCell(HDC dc, std::size_t index) {
    const KeyCell& cell = cells_->Cells()[index];
    RECT r = ToRect(cell.rect);
    if (r.right <= r.left || r.bottom <= r.top) return;
    // Held down and still under the mouse: drawn pushed, as a button is.
    const bool pressing = pressedCell_ == index && mouseCell_ == index;
    const bool hot = mouseCell_ == index && cell.enabled;

    if (IsCheckBox(cell)) {
        // A check box stands on its own face, as the system's control does,
        // so its caption reads over the band and the dark area alike.
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        const int boxTop = r.top + (r.bottom - r.top - kCheckBoxSize) / 2;
        RECT box{r.left, boxTop, r.left + kCheckBoxSize, boxTop + kCheckBoxSize};
        UINT state = DFCS_BUTTONCHECK;
        if (cell.down) state |= DFCS_CHECKED;
        if (!cell.enabled) state |= DFCS_INACTIVE;
        if (pressing) state |= DFCS_PUSHED;
        DrawFrameControl(dc, &box, DFC_BUTTON, state);
        RECT caption{box.right + kCheckBoxGap, r.top, r.right, r.bottom};
        DrawCellText(dc, cell, caption, DT_LEFT);
        return;
    }

    RECT text = r;
    if (IsButtonLike(cell)) {
        UINT state = DFCS_BUTTONPUSH;
        if (cell.down) state |= DFCS_PUSHED | DFCS_CHECKED;
        if (pressing) state |= DFCS_PUSHED;
        if (cell.flat) state |= DFCS_FLAT;
        DrawFrameControl(dc, &r, DFC_BUTTON, state);
        InflateRect(&text, -kFaceInset, -kFaceInset);
        // The caption sinks with the face.
        if (state & DFCS_PUSHED) OffsetRect(&text, 1, 1);
    } else if (pressing) {
        // A flat label looks like a plain caption until the mouse is on it.
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        OffsetRect(&text, 1, 1);
    } else if (hot) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    DrawCellText(dc, cell, text, DT_CENTER);
}

}  // namespace tess
