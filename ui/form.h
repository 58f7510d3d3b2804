// A top-level window that hosts toolkit controls: the main window and the
// program's pop-up windows derive from it.
//
// The form owns its controls, finds them by name, routes the notifications
// Windows sends to the parent (commands, notifications, colours, owner
// drawing, cursors) to the control they concern, shows the controls of the
// selected tab page, dispatches timers and menu commands, and keeps the
// layout scaled to the DPI of the monitor it is on.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/control.h"

namespace ui {

class Menu;
class Timer;

struct FormOptions {
    std::string title;
    int width = 0;  // outer size at 96 DPI
    int height = 0;
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    DWORD exStyle = 0;
    HWND owner = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;  // the caption's; `icon` when not given
    base::Colour background = 0xF0F0F0;  // client area and default for labels
    bool endProgramOnDestroy = false;   // post WM_QUIT when the window goes away
};

// A form whose handlers reach members of a derived class must call
// Destroy() in the derived destructor, so that the window's last messages
// never reach members already gone.
class Form {
public:
    Form();
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Creates the window (hidden), centred on the screen at the system DPI.
    bool Create(const FormOptions& options);
    // Why the last Create failed: the system's error code (0 when it gave none).
    DWORD CreationError() const { return creationError_; }
    void Show(int command = SW_SHOW);
    void Destroy();
    HWND Handle() const { return hwnd_; }

    UINT Dpi() const { return dpi_; }
    int ToPhysical(int v) const;
    int ToLogical(int v) const;
    HFONT Font() const { return font_.Get(); }
    base::Colour Background() const { return background_; }

    void SetTopmost(bool topmost);
    // Runs `work` on the form's thread and returns when it is done (at once
    // when called on that thread). Nothing runs once the window is gone.
    void RunOnGuiThread(const std::function<void()>& work) const { RunOnThreadOf(hwnd_, work); }
    // The same for a form known by its window handle, for a worker thread
    // that took the handle when it started (the form may be gone since:
    // then nothing runs).
    static void RunOnThreadOf(HWND formWindow, const std::function<void()>& work);
    // Queues `work` for the form's thread and returns at once; false (and
    // `work` dropped) when the window is gone. Work still queued when the
    // window goes is dropped with it.
    static bool PostWork(HWND formWindow, std::function<void()> work);
    // Makes the client area at least this large (96-DPI pixels), growing the
    // window where the system's frame, caption or menu bar take more room
    // than the outer size allows; kept after DPI changes.
    void EnsureClientSize(int width, int height);
    void SetMenuBar(const std::vector<Menu*>& menus);

    template <typename T, typename... Args>
    T& Add(Args&&... args) {
        auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *control;
        Adopt(std::move(control));
        return ref;
    }
    // Adds the controls that `add` adds as one batch: their windows are made
    // when it returns, the last first. Windows puts a new child beneath its
    // siblings, so the batch's later controls end above its earlier ones
    // without a z-order change for each (under Wine a request to the window
    // system and two messages for every control); the batch as a whole lies
    // beneath the controls made before it.
    void AddInOneBatch(const std::function<void()>& add);
    // False while a batch's windows are made: they are in order already.
    bool RaisesNewControls() const { return !makingBatch_; }
    Control* Find(std::string_view name) const;
    // The control of that name and type; throws std::logic_error when absent,
    // which is a fault in the program, not in its input.
    template <typename T>
    T& Get(std::string_view name) const {
        T* control = dynamic_cast<T*>(Find(name));
        if (!control) MissingControl(name);
        return *control;
    }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    // Shows the controls of one tab page (and those on no page), hides the rest.
    void ShowPage(int page);
    int ShownPage() const { return shownPage_; }

    std::function<void()> Activated;
    std::function<void(const MouseEvent&)> MouseUp;
    std::function<void()> Destroying;
    std::function<void()> DpiChanged;

    // --- Used by controls, timers and menus -------------------------------
    void RegisterWindow(HWND hwnd, Control* control);
    void RegisterTimer(UINT_PTR id, Timer* timer);
    void UnregisterTimer(UINT_PTR id);

protected:
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void RegisterWindowClass();
    void Adopt(std::unique_ptr<Control> control);
    [[noreturn]] static void MissingControl(std::string_view name);
    Control* ControlOf(HWND hwnd) const;
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    void RecreateFont();
    void PaintBackground(HDC dc);
    void ReleaseMenuBar();

    HWND hwnd_ = nullptr;
    DWORD creationError_ = 0;
    UINT dpi_ = 96;
    win::OwnedFont font_;
    base::Colour background_ = 0xF0F0F0;
    win::OwnedBrush backgroundBrush_;
    bool endProgramOnDestroy_ = false;
    int minClientWidth_ = 0;
    int minClientHeight_ = 0;
    HMENU menuBar_ = nullptr;
    int shownPage_ = 0;
    bool batchOpen_ = false;
    bool makingBatch_ = false;
    std::vector<Control*> batch_;  // added while a batch is open, not made yet
    std::vector<std::unique_ptr<Control>> controls_;
    std::unordered_map<HWND, Control*> byHandle_;
    std::map<std::string, Control*, std::less<>> byName_;
    std::map<UINT_PTR, Timer*> timers_;
};

// Runs the message loop of the GUI thread until WM_QUIT; returns its code.
int RunMessageLoop();

}  // namespace ui
