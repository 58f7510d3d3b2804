#include "skin/skin_painter.h"

#include <algorithm>

#include "skin/core/skin_table.h"
#include "win/scoped.h"

namespace skin {
namespace {

using core::MixColour;

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

// A rounded rectangle with an outline of `width` pixels (0: none).
void RoundBox(HDC dc, const RECT& r, COLORREF line, COLORREF fill, int radius, int width) {
    const win::OwnedPen pen(width > 0 ? CreatePen(PS_INSIDEFRAME, width, line) : nullptr);
    const win::OwnedBrush brush(CreateSolidBrush(fill));
    const win::DcState state(dc);
    SelectObject(dc, pen ? static_cast<HGDIOBJ>(pen.Get()) : GetStockObject(NULL_PEN));
    SelectObject(dc, brush.Get());
    const int d = 2 * radius;
    if (d > 0) {
        RoundRect(dc, r.left, r.top, r.right + (width > 0 ? 0 : 1), r.bottom + (width > 0 ? 0 : 1), d, d);
    } else {
        Rectangle(dc, r.left, r.top, r.right + (width > 0 ? 0 : 1), r.bottom + (width > 0 ? 0 : 1));
    }
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour, int width) {
    const win::OwnedPen pen(CreatePen(PS_SOLID, width, colour));
    const win::DcState state(dc);
    SelectObject(dc, pen.Get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// A hollow rectangle, or with `radius` a hollow rounded one.
void Outline(HDC dc, const RECT& r, COLORREF colour, int width, int radius = 0) {
    const win::OwnedPen pen(CreatePen(PS_INSIDEFRAME, width, colour));
    const win::DcState state(dc);
    SelectObject(dc, pen.Get());
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    if (radius > 0) {
        RoundRect(dc, r.left, r.top, r.right, r.bottom, 2 * radius, 2 * radius);
    } else {
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
    }
}

void Text(HDC dc, const std::wstring& text, RECT r, HFONT font, COLORREF colour, UINT format) {
    const win::DcState state(dc);
    if (font) SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

UINT LineFormat(bool multiline) { return multiline ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER; }

// The box of the text `look.text` would take within `r` (for the focus
// outline), given the format the text is drawn with.
RECT TextBox(HDC dc, const ButtonLook& look, RECT r, UINT format) {
    RECT measured = r;
    {
        const win::DcState state(dc);
        if (look.font) SelectObject(dc, look.font);
        DrawTextW(dc, look.text.c_str(), static_cast<int>(look.text.size()), &measured,
                  (format & ~(DT_VCENTER | DT_CENTER | DT_RIGHT)) | DT_CALCRECT);
    }
    const int height = measured.bottom - measured.top;
    if (format & DT_VCENTER) measured.top = r.top + (r.bottom - r.top - height) / 2;
    measured.bottom = measured.top + height;
    return measured;
}

COLORREF BrushColour(HBRUSH brush, COLORREF fallback) {
    LOGBRUSH lb;
    return brush && GetObjectW(brush, sizeof lb, &lb) == sizeof lb && lb.lbStyle == BS_SOLID ? lb.lbColor : fallback;
}

// A user32 function that older systems lack, looked up at run time.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// The DPI the system's own metrics are given in.
int SystemDpi() {
    using GetDpiForSystemFunction = UINT(WINAPI*)();
    static const auto getDpi = User32Function<GetDpiForSystemFunction>("GetDpiForSystem");
    if (getDpi) {
        if (const UINT dpi = getDpi()) return static_cast<int>(dpi);
    }
    const win::WindowDC screen;
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int Scaled(int length, UINT dpi) { return MulDiv(length, static_cast<int>(dpi), 96); }

UINT WindowDpi(HWND hwnd) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpi = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = getDpi ? getDpi(hwnd) : 0;
    return dpi ? dpi : 96;
}

int MetricForDpi(int index, UINT dpi) {
    using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
    if (forDpi) return forDpi(index, dpi);
    return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), SystemDpi());
}

void PaintPushButton(HDC dc, const RECT& r, const core::SkinStyle& skin, const ButtonLook& look, COLORREF behind,
                     UINT dpi) {
    const auto& c = skin.colours;
    Fill(dc, r, behind);
    const int border = std::max(1, Scaled(skin.metrics[core::kSkinBorderWidth], dpi));
    const COLORREF face = Ref(look.pressed ? c[core::kSkinButtonHot] : c[core::kSkinButton]);
    const COLORREF line = Ref(look.emphasised || look.focused ? c[core::kSkinAccent] : c[core::kSkinFrame]);
    RoundBox(dc, r, line, face, Scaled(skin.metrics[core::kSkinCornerRadius], dpi), border);
    RECT inside = r;
    InflateRect(&inside, -Scaled(4, dpi), -Scaled(2, dpi));
    if (look.pressed) OffsetRect(&inside, 1, 1);
    const COLORREF ink = look.disabled ? MixColour(c[core::kSkinButtonText], c[core::kSkinButton], 140)
                                       : c[core::kSkinButtonText];
    Text(dc, look.text, inside, look.font, Ref(ink), LineFormat(look.multiline) | DT_CENTER);
}

void PaintMarkButton(HDC dc, const RECT& r, const core::SkinStyle& skin, const MarkLook& look, HBRUSH behind,
                     UINT dpi) {
    const auto& c = skin.colours;
    FillRect(dc, &r, behind);
    const int size = std::min<int>(Scaled(skin.metrics[core::kSkinCheckSize], dpi), r.bottom - r.top);
    const int top = r.top + (r.bottom - r.top - size) / 2;
    const int left = look.markOnRight ? r.right - size : r.left;
    const RECT box = {left, top, left + size, top + size};
    const int border = std::max(1, Scaled(skin.metrics[core::kSkinBorderWidth], dpi));
    const bool set = look.state != MarkState::Clear;
    const COLORREF accent = Ref(look.disabled ? MixColour(c[core::kSkinAccent], c[core::kSkinEdit], 140)
                                              : c[core::kSkinAccent]);
    const COLORREF frame = set ? accent : Ref(c[core::kSkinFrame]);
    if (look.mark == Mark::Radio) {
        RoundBox(dc, box, frame, Ref(c[core::kSkinEdit]), size / 2, border);
        if (set) {
            RECT dot = box;
            InflateRect(&dot, -size / 4 - 1, -size / 4 - 1);
            RoundBox(dc, dot, accent, accent, (dot.right - dot.left) / 2, 0);
        }
    } else if (look.state == MarkState::Set) {
        RoundBox(dc, box, accent, accent, Scaled(2, dpi), border);
        // The tick: down from the left third, up to the right edge.
        const int w = std::max(2, size / 6);
        const COLORREF tick = Ref(core::Lightness(c[core::kSkinAccent]) < 150 ? 0xFFFFFF : 0x000000);
        Line(dc, box.left + size / 4, box.top + size / 2, box.left + size * 5 / 12, box.top + size * 7 / 10, tick, w);
        Line(dc, box.left + size * 5 / 12, box.top + size * 7 / 10, box.right - size / 4, box.top + size * 3 / 10, tick, w);
    } else {
        RoundBox(dc, box, frame, Ref(c[core::kSkinEdit]), Scaled(2, dpi), border);
        if (look.state == MarkState::Mixed) {
            RECT inner = box;
            InflateRect(&inner, -size / 4, -size / 4);
            RoundBox(dc, inner, accent, accent, 0, 0);
        }
    }
    RECT text = r;
    const int gap = Scaled(4, dpi);
    if (look.markOnRight) {
        text.right = box.left - gap;
    } else {
        text.left = box.right + gap;
    }
    const COLORREF back = BrushColour(behind, Ref(c[core::kSkinWindow]));
    const COLORREF ink = look.disabled ? MixColour(look.textColour, back, 140) : look.textColour;
    const UINT format = LineFormat(look.multiline) | (look.markOnRight ? DT_RIGHT : DT_LEFT);
    Text(dc, look.text, text, look.font, ink, format);
    if (look.focused && !look.text.empty()) {
        RECT focus = TextBox(dc, look, text, format);
        InflateRect(&focus, 1, 1);
        SetTextColor(dc, ink);
        SetBkColor(dc, back);
        DrawFocusRect(dc, &focus);
    }
}

void PaintGroupBox(HDC dc, const RECT& r, const core::SkinStyle& skin, const ButtonLook& look, HBRUSH behind,
                   COLORREF textColour, UINT dpi) {
    TEXTMETRICW tm{};
    SIZE extent{};
    {
        const win::DcState state(dc);
        if (look.font) SelectObject(dc, look.font);
        GetTextMetricsW(dc, &tm);
        GetTextExtentPoint32W(dc, look.text.c_str(), static_cast<int>(look.text.size()), &extent);
    }
    const int lineY = r.top + tm.tmHeight / 2;
    const COLORREF frame = Ref(skin.colours[core::kSkinFrame]);
    const int radius = Scaled(skin.metrics[core::kSkinCornerRadius], dpi);
    const int border = std::max(1, Scaled(skin.metrics[core::kSkinBorderWidth], dpi));
    // Hollow, so the inside is not painted over.
    Outline(dc, {r.left, lineY, r.right, r.bottom}, frame, border, radius);
    if (look.text.empty()) return;
    const int indent = Scaled(8, dpi);
    RECT label = {r.left + indent, r.top, std::min<LONG>(r.right - indent, r.left + indent + extent.cx + 4),
                  r.top + tm.tmHeight};
    FillRect(dc, &label, behind);
    const COLORREF ink = look.disabled ? MixColour(textColour, skin.colours[core::kSkinWindow], 140) : textColour;
    Text(dc, look.text, label, look.font, ink, DT_SINGLELINE | DT_CENTER | DT_TOP);
}

void PaintTabStrip(HDC dc, const RECT& client, const RECT& page, const TabLook* tabs, int count, HFONT font,
                   const core::SkinStyle& skin, HBRUSH behind, UINT dpi) {
    const auto& c = skin.colours;
    FillRect(dc, &client, behind);
    const COLORREF frame = Ref(c[core::kSkinFrame]);
    const int border = std::max(1, Scaled(skin.metrics[core::kSkinBorderWidth], dpi));
    RECT body = page;
    InflateRect(&body, Scaled(2, dpi), Scaled(2, dpi));
    IntersectRect(&body, &body, &client);
    Outline(dc, body, frame, border);
    const COLORREF pageColour = BrushColour(behind, Ref(c[core::kSkinWindow]));
    for (int i = 0; i < count; ++i) {
        RECT tab = tabs[i].r;
        const bool selected = tabs[i].selected;
        if (selected) {
            InflateRect(&tab, Scaled(2, dpi), 0);
            tab.top -= Scaled(2, dpi);
        }
        tab.bottom = body.top + (selected ? border : 0);
        RoundBox(dc, {tab.left, tab.top, tab.right, tab.bottom + Scaled(3, dpi)}, frame,
                 selected ? pageColour : Ref(c[core::kSkinButton]), Scaled(skin.metrics[core::kSkinCornerRadius], dpi),
                 border);
        // The bottom of the rounded box is cut off by the page, and the
        // selected tab opens onto it.
        const RECT under = {tab.left, tab.bottom, tab.right, tab.bottom + Scaled(3, dpi) + 1};
        FillRect(dc, &under, behind);
        if (!selected) Line(dc, tab.left, body.top, tab.right, body.top, frame, border);
        if (selected) {
            const RECT accent = {tab.left + border, tab.top + border, tab.right - border,
                                 tab.top + border + Scaled(2, dpi)};
            Fill(dc, accent, Ref(c[core::kSkinAccent]));
        }
        RECT label = tabs[i].r;
        if (selected) OffsetRect(&label, 0, -Scaled(1, dpi));
        Text(dc, tabs[i].text, label, font, Ref(c[core::kSkinText]), DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
}

void PaintCaptionAndFrame(HDC dc, const RECT& window, const RECT& inside, int captionHeight,
                          const core::SkinStyle& skin, const CaptionLook& look, UINT dpi) {
    const auto& c = skin.colours;
    const COLORREF bar = Ref(look.active ? c[core::kSkinCaption] : c[core::kSkinCaptionIdle]);
    const COLORREF ink = Ref(look.active ? c[core::kSkinCaptionText]
                                         : MixColour(c[core::kSkinCaptionText], c[core::kSkinCaptionIdle], 80));
    // The frame all round and the caption band, leaving `inside` alone.
    Fill(dc, {window.left, window.top, window.right, inside.top}, bar);
    Fill(dc, {window.left, inside.top, inside.left, window.bottom}, bar);
    Fill(dc, {inside.right, inside.top, window.right, window.bottom}, bar);
    Fill(dc, {inside.left, inside.bottom, inside.right, window.bottom}, bar);
    const int edge = std::max(1, Scaled(skin.metrics[core::kSkinBorderWidth], dpi));
    const COLORREF outline = MixColour(bar, 0x000000, 70);
    Fill(dc, {window.left, window.top, window.right, window.top + edge}, outline);
    Fill(dc, {window.left, window.bottom - edge, window.right, window.bottom}, outline);
    Fill(dc, {window.left, window.top, window.left + edge, window.bottom}, outline);
    Fill(dc, {window.right - edge, window.top, window.right, window.bottom}, outline);

    const int top = inside.top - captionHeight;
    RECT caption = {inside.left, top, inside.right, inside.top};
    const int pad = Scaled(4, dpi);
    int textLeft = caption.left + pad;
    if (look.icon) {
        const int icon = MetricForDpi(SM_CXSMICON, dpi);
        DrawIconEx(dc, textLeft, top + (captionHeight - icon) / 2, look.icon, icon, icon, 0, nullptr, DI_NORMAL);
        textLeft += icon + pad;
    }
    // The caption buttons, right to left: close, maximise, minimise.
    const int button = captionHeight - 2 * Scaled(3, dpi);
    int right = caption.right - Scaled(3, dpi);
    const int glyph = std::max(5, button / 2);
    const int w = std::max(1, Scaled(1, dpi));
    const auto box = [&] {
        const RECT r = {right - button, top + (captionHeight - button) / 2, right, top + (captionHeight + button) / 2};
        right -= button + Scaled(2, dpi);
        return r;
    };
    const auto centre = [](const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; };
    if (look.closeBox) {
        const POINT m = centre(box());
        Line(dc, m.x - glyph / 2, m.y - glyph / 2, m.x + glyph / 2 + 1, m.y + glyph / 2 + 1, ink, w);
        Line(dc, m.x + glyph / 2, m.y - glyph / 2, m.x - glyph / 2 - 1, m.y + glyph / 2 + 1, ink, w);
    }
    if (look.minimiseBox || look.maximiseBox) {
        const COLORREF maxInk = look.maximiseBox ? ink : MixColour(ink, bar, 150);
        const POINT m = centre(box());
        Outline(dc, {m.x - glyph / 2, m.y - glyph / 2, m.x + glyph / 2 + 1, m.y + glyph / 2 + 1}, maxInk, w);
        const COLORREF minInk = look.minimiseBox ? ink : MixColour(ink, bar, 150);
        const POINT n = centre(box());
        Line(dc, n.x - glyph / 2, n.y + glyph / 2, n.x + glyph / 2 + 1, n.y + glyph / 2, minInk, w);
    }
    const RECT text = {textLeft, top, right, inside.top};
    Text(dc, look.title, text, look.font, ink, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
}

HFONT CreateCaptionFont(UINT dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = User32Function<SystemParametersInfoForDpiFunction>("SystemParametersInfoForDpi");
    if (!forDpi || !forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
        // The font is given for the system's DPI.
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        metrics.lfCaptionFont.lfHeight = MulDiv(metrics.lfCaptionFont.lfHeight, static_cast<int>(dpi), SystemDpi());
    }
    metrics.lfCaptionFont.lfWeight = FW_NORMAL;
    return CreateFontIndirectW(&metrics.lfCaptionFont);
}

void PaintBoxBorder(HDC dc, const RECT& r, int edge, const core::SkinStyle& skin) {
    const COLORREF frame = Ref(skin.colours[core::kSkinFrame]);
    const COLORREF inner = Ref(skin.colours[core::kSkinEdit]);
    for (int i = 0; i < edge; ++i) {
        const COLORREF colour = i == 0 ? frame : inner;
        Fill(dc, {r.left + i, r.top + i, r.right - i, r.top + i + 1}, colour);
        Fill(dc, {r.left + i, r.bottom - i - 1, r.right - i, r.bottom - i}, colour);
        Fill(dc, {r.left + i, r.top + i, r.left + i + 1, r.bottom - i}, colour);
        Fill(dc, {r.right - i - 1, r.top + i, r.right - i, r.bottom - i}, colour);
    }
}

}  // namespace skin
