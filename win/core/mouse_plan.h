// Mouse clicks as plans: the ordered input events and waits of ClickMouse
// (real input at the current cursor position through mouse_event) and the
// posted messages of PostMouseClick (a click delivered to one window without
// moving the cursor). The Windows half performs the steps one by one.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace win::core {

// mouse_event flags.
enum MouseEventFlag : std::uint32_t {
    kMouseLeftDown = 0x0002,
    kMouseLeftUp = 0x0004,
    kMouseRightDown = 0x0008,
    kMouseRightUp = 0x0010,
    kMouseMiddleDown = 0x0020,
    kMouseMiddleUp = 0x0040,
};

// One step of a click: send mouse_event(flag, 0, 0, 0, 0), or wait that many
// milliseconds with the message-pumping Delay.
struct MouseStep {
    enum class Kind { Event, Wait };
    Kind kind = Kind::Event;
    std::uint32_t value = 0;  // the flag, or the milliseconds

    static MouseStep Event(std::uint32_t flag) { return {Kind::Event, flag}; }
    static MouseStep Wait(std::uint32_t ms) { return {Kind::Wait, ms}; }
    bool operator==(const MouseStep& other) const { return kind == other.kind && value == other.value; }
};

inline constexpr std::int32_t kDefaultClickDelayMs = 50;

// The steps of ClickMouse(button, kind, delay).
// Buttons: 0 or 1 left, 2 right, 3 middle. Kinds: 0 or 1 click (press, wait
// delay, release), 2 double click, 3 press only, 4 release only. Any other
// button or kind gives no steps. `delay` is 50 ms when not given.
// A wait below 1 ms is left out of the plan, as Delay returns at once then.
// The double click is press, wait delay, release, a pause, press, wait delay,
// release, where the pause is short enough for the second press to come
// within `doubleClickTimeMs` of the first: the delay, but no more than half
// of what the double-click time leaves after the delay. (Pausing for the
// whole double-click time would make the system see two single clicks.)
std::vector<MouseStep> ClickMousePlan(std::int32_t button, std::int32_t kind, std::optional<std::int32_t> delay,
                                      std::int32_t doubleClickTimeMs);

// Window messages of a posted click.
enum PostedMouseMessage : std::uint32_t {
    kWmContextMenu = 0x007B,
    kWmMouseMove = 0x0200,
    kWmLeftButtonDown = 0x0201,
    kWmLeftButtonUp = 0x0202,
    kWmRightButtonDown = 0x0204,
    kWmRightButtonUp = 0x0205,
};

struct PostedMessage {
    std::uint32_t message = 0;
    std::int64_t wParam = 0;   // for WM_CONTEXTMENU the window handle, sign-extended
    std::uint32_t lParam = 0;  // a packed point (PackPoint); zero-extended into LPARAM
    bool operator==(const PostedMessage& other) const {
        return message == other.message && wParam == other.wParam && lParam == other.lParam;
    }
};

// A point packed the way MAKELPARAM packs it: x in the low 16 bits, y in
// the high 16 bits, each keeping its own low 16 bits, so a negative x does
// not reach into y. The receiver reads them back as signed 16-bit values.
std::uint32_t PackPoint(std::int32_t x, std::int32_t y);

enum class MouseButton { Left, Right };

// The messages PostMouseClick posts to `window` for a click at client point
// (x, y), in order: WM_MOUSEMOVE (wParam 2), then the button's down and up;
// for the right button then WM_CONTEXTMENU with the window as wParam and the
// screen point (client origin + (x, y)). `clientOrigin` is the screen
// position of the window's client area (used for the right button only).
// The caller resolves window 0 to the desktop's icon list first; a window
// that is still 0 gives no messages, because posting to no window would put
// them into the calling thread's own queue.
std::vector<PostedMessage> PostMouseClickPlan(std::int32_t window, std::int32_t x, std::int32_t y,
                                              MouseButton button, std::int32_t clientOriginX,
                                              std::int32_t clientOriginY);

}  // namespace win::core
