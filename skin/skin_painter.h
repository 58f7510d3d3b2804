// What the skin engine draws: caption bars and frames, push buttons, check
// boxes, radio buttons, group boxes and tab strips, in the colours and
// metrics of a skin and scaled to the window's DPI. Each routine draws one
// whole thing into a device context; deciding when to draw is the engine's.
#pragma once

#include <windows.h>

#include <string>

#include "skin/core/skin_file.h"

namespace skin {

inline COLORREF Ref(std::uint32_t colour) { return static_cast<COLORREF>(colour & 0xFFFFFF); }

// A length of the skin at 96 DPI, scaled to `dpi`.
int Scaled(int length, UINT dpi);
// The window's DPI; 96 where the system cannot say.
UINT WindowDpi(HWND hwnd);
// The system metric `index` (SM_*) at `dpi`. GetSystemMetrics alone gives
// it at the system's DPI, which a window on another monitor need not have.
int MetricForDpi(int index, UINT dpi);

struct ButtonLook {
    std::wstring text;
    HFONT font = nullptr;
    bool pressed = false;
    bool focused = false;
    bool disabled = false;
    bool emphasised = false;  // the default push button
    bool multiline = false;
};

// A push button filling `r`; `behind` is the colour around its rounded
// corners (its parent's background).
void PaintPushButton(HDC dc, const RECT& r, const core::SkinStyle& skin, const ButtonLook& look, COLORREF behind,
                     UINT dpi);

enum class Mark { Check, Radio };
enum class MarkState { Clear, Set, Mixed };

struct MarkLook : ButtonLook {
    Mark mark = Mark::Check;
    MarkState state = MarkState::Clear;
    bool markOnRight = false;  // BS_LEFTTEXT
    COLORREF textColour = 0;
};

// A check box or radio button filling `r` on the background `behind`.
void PaintMarkButton(HDC dc, const RECT& r, const core::SkinStyle& skin, const MarkLook& look, HBRUSH behind,
                     UINT dpi);

// A group box's frame and caption (its inside is left as it is: the
// controls inside may lie beneath it).
void PaintGroupBox(HDC dc, const RECT& r, const core::SkinStyle& skin, const ButtonLook& look, HBRUSH behind,
                   COLORREF textColour, UINT dpi);

struct TabLook {
    std::wstring text;
    RECT r;
    bool selected;
};

// A tab strip: `client` filled with `behind`, the tabs, and the frame of
// the page area `page` (as TCM_ADJUSTRECT gives it).
void PaintTabStrip(HDC dc, const RECT& client, const RECT& page, const TabLook* tabs, int count, HFONT font,
                   const core::SkinStyle& skin, HBRUSH behind, UINT dpi);

struct CaptionLook {
    std::wstring title;
    HFONT font = nullptr;  // CreateCaptionFont's
    HICON icon = nullptr;
    bool active = true;
    bool minimiseBox = false;
    bool maximiseBox = false;
    bool closeBox = true;
};

// The outside of a captioned window in window coordinates: `window` is the
// whole window (origin 0,0), `inside` the part below the caption and
// within the frame (menu bar and client), which is left alone.
void PaintCaptionAndFrame(HDC dc, const RECT& window, const RECT& inside, int captionHeight, const core::SkinStyle& skin,
                          const CaptionLook& look, UINT dpi);

// The font of caption titles at `dpi` (fonts are slow to make: keep it).
HFONT CreateCaptionFont(UINT dpi);

// The border of a box with a client edge, `r` its whole window rectangle
// in window coordinates and `edge` the border's width.
void PaintBoxBorder(HDC dc, const RECT& r, int edge, const core::SkinStyle& skin);

}  // namespace skin
