// Base of every control of the toolkit: a child window of a Form with the
// properties the program speaks of (position and size at 96 DPI, tag text,
// visible, disabled, mouse pointer, caption, colours) and the events its
// handlers bind to (click, mouse buttons and moves, focus).
//
// A control belongs to one Form and, optionally, to one page of the form's
// tab control; it is shown when its visible property is set and its page is
// the selected one. Events run on the GUI thread. RouteEventsTo makes one
// control raise its events on another (two finder boards that act as one).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/canvas.h"
#include "win/scoped.h"

namespace ui {

class Form;
class Control;

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
    MouseButton button = MouseButton::Left;
    int x = 0;  // in the control, 96-DPI pixels
    int y = 0;
    WPARAM keys = 0;  // MK_* flags of the message
    // The control the mouse acted on (it may route its events to another);
    // null for events of a form.
    Control* source = nullptr;
};

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
};

inline constexpr int kNoPage = -1;

class Control {
public:
    Control(Form& form, std::string_view name, Bounds bounds, int page);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    HWND Handle() const { return hwnd_; }
    Form& Owner() const { return form_; }
    int Page() const { return page_; }

    // Position and size in 96-DPI pixels, relative to the form's client area.
    Bounds GetBounds() const { return bounds_; }
    void SetBounds(Bounds bounds);
    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    void SetLeft(int left);
    void SetTop(int top);

    const std::string& Tag() const { return tag_; }
    void SetTag(std::string tag) { tag_ = std::move(tag); }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Disabled() const { return disabled_; }
    void SetDisabled(bool disabled);

    HCURSOR MousePointer() const { return pointer_; }
    void SetMousePointer(HCURSOR cursor) { pointer_ = cursor; }

    std::string Caption() const;
    void SetCaption(std::string_view text);

    // Colours; unset means the form's default for this kind of control.
    std::optional<base::Colour> BackgroundColour() const { return background_; }
    virtual void SetBackgroundColour(base::Colour colour);
    std::optional<base::Colour> TextColour() const { return text_; }
    virtual void SetTextColour(base::Colour colour);

    void Focus();
    void RouteEventsTo(Control* target) { eventTarget_ = target; }

    std::function<void()> Clicked;
    std::function<void(const MouseEvent&)> MouseDown;
    std::function<void(const MouseEvent&)> MouseUp;
    std::function<void(const MouseEvent&)> MouseMove;
    // A key pressed while the control has the keyboard focus (virtual-key code).
    std::function<void(UINT key)> KeyDown;
    std::function<void()> FocusGained;
    std::function<void()> FocusLost;

    // --- Used by Form -------------------------------------------------------
    virtual void Create() = 0;
    virtual bool OnCommand(WORD /*code*/) { return false; }
    virtual LRESULT OnNotify(NMHDR* /*header*/) { return 0; }
    // Brush for WM_CTLCOLOR*, or null for the default.
    virtual HBRUSH OnControlColour(HDC dc);
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    virtual void OnDpiChanged();
    void ApplyShowState(bool pageShown);

protected:
    // Creates the window and routes its messages through this object first
    // (OnMessage), so that mouse and focus events reach it. Fonts and bounds
    // are applied here.
    void CreateWindowOf(const wchar_t* className, DWORD style, DWORD exStyle, std::string_view text);
    // Called for every message of the control's window before its own window
    // procedure; set handled to keep the message from it.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    // The control's own window procedure, for a message OnMessage handles
    // partly itself.
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam);
    // Moves and sizes the window to the bounds at the form's DPI.
    virtual void ApplyBounds();
    Control& EventTarget() { return eventTarget_ ? *eventTarget_ : *this; }
    void RaiseClicked();
    // Background when none is set: the form's colour; white for boxes that
    // take text.
    virtual base::Colour DefaultBackground() const;
    HBRUSH BackgroundBrush(base::Colour colour);
    // For controls that draw themselves: asks the parent for their colours
    // with the colour message a standard control of their kind sends
    // (WM_CTLCOLORSTATIC, WM_CTLCOLORBTN), so that whatever answers it for
    // the standard controls (the form, a skin over it) colours these too.
    // Returns the background brush; `dc` then holds the text colour.
    HBRUSH ColoursFromParent(HDC dc, UINT message);
    void Redraw() const;
    int ToPhysical(int v) const;
    int ToLogical(int v) const;

    Form& form_;

private:
    static LRESULT CALLBACK RoutingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void RaiseMouse(std::function<void(const MouseEvent&)> Control::*event, MouseButton button, WPARAM wParam,
                    LPARAM lParam);

    std::string name_;
    Bounds bounds_;
    int page_;
    HWND hwnd_ = nullptr;
    WNDPROC originalProc_ = nullptr;
    std::string tag_;
    bool visible_ = true;
    bool pageShown_ = true;
    bool disabled_ = false;
    HCURSOR pointer_ = nullptr;
    std::optional<base::Colour> background_;
    std::optional<base::Colour> text_;
    win::OwnedBrush brush_;
    base::Colour brushColour_ = 0;
    Control* eventTarget_ = nullptr;
};

inline COLORREF ToColorref(base::Colour c) { return static_cast<COLORREF>(c & 0xFFFFFF); }

// While it lives, a window is not drawn and the system skips the work of
// showing its changes (scrolling, scroll bars coming and going): its
// visible style is taken away as DefWindowProc does for WM_SETREDRAW,
// which controls such as the tree view handle themselves instead. The
// window keeps its place and the keyboard focus. At the end the style
// comes back and the window is drawn anew. Under Wine each of those
// changes on a shown window costs 10 to 40 ms of the GUI thread.
class DrawingPause {
public:
    explicit DrawingPause(HWND window) : window_(window) {
        if (window_) DefWindowProcW(window_, WM_SETREDRAW, FALSE, 0);
    }
    ~DrawingPause() {
        if (!window_) return;
        DefWindowProcW(window_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    DrawingPause(const DrawingPause&) = delete;
    DrawingPause& operator=(const DrawingPause&) = delete;

private:
    HWND window_;
};

}  // namespace ui
