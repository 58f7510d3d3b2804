#include "ui/form.h"

#include <memory>
#include <stdexcept>
#include <utility>

#include "ui/font.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "win/callback_guard.h"
#include "win/dpi.h"
#include "win/wide_text.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace ui {
namespace {

constexpr wchar_t kFormClass[] = L"TavrinForm";

}  // namespace

void Form::RegisterWindowClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kFormClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

Form::Form() = default;

Form::~Form() {
    Destroy();
}

int Form::ToPhysical(int v) const { return win::ScaleToDpi(v, dpi_); }
int Form::ToLogical(int v) const { return win::UnscaleFromDpi(v, dpi_); }

bool Form::Create(const FormOptions& options) {
    RegisterWindowClass();
    background_ = options.background;
    endProgramOnDestroy_ = options.endProgramOnDestroy;
    dpi_ = win::SystemDpi();
    RecreateFont();

    const int width = ToPhysical(options.width);
    const int height = ToPhysical(options.height);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetLastError(0);
    hwnd_ = CreateWindowExW(options.exStyle, kFormClass, win::Wide(options.title).c_str(), options.style, x, y,
                            width, height, options.owner, nullptr, GetModuleHandleW(nullptr), this);
    creationError_ = hwnd_ ? 0 : GetLastError();
    if (!hwnd_) return false;
    if (options.icon) {
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(options.icon));
        HICON caption = options.smallIcon ? options.smallIcon : options.icon;
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(caption));
    }
    // Created on another monitor than the primary one: take its DPI now.
    const UINT windowDpi = win::WindowDpi(hwnd_);
    if (windowDpi != dpi_) {
        RECT r;
        GetWindowRect(hwnd_, &r);
        r.right = r.left + win::ScaleToDpi(options.width, windowDpi);
        r.bottom = r.top + win::ScaleToDpi(options.height, windowDpi);
        OnDpiChanged(windowDpi, r);
    }
    return true;
}

void Form::Show(int command) {
    if (hwnd_) ShowWindow(hwnd_, command);
}

void Form::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void Form::SetTopmost(bool topmost) {
    if (hwnd_) {
        SetWindowPos(hwnd_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

namespace {
constexpr UINT kRunWork = WM_APP + 0x100;
constexpr UINT kPostedWork = WM_APP + 0x101;
}  // namespace

bool Form::PostWork(HWND formWindow, std::function<void()> work) {
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    if (!formWindow || !PostMessageW(formWindow, kPostedWork, 0, reinterpret_cast<LPARAM>(owned.get()))) return false;
    owned.release();  // the window's message owns it now
    return true;
}

void Form::RunOnThreadOf(HWND formWindow, const std::function<void()>& work) {
    if (!formWindow) return;
    const DWORD thread = GetWindowThreadProcessId(formWindow, nullptr);
    if (thread == 0) return;  // the window is gone
    if (thread == GetCurrentThreadId()) {
        work();
        return;
    }
    SendMessageW(formWindow, kRunWork, 0, reinterpret_cast<LPARAM>(&work));
}

void Form::EnsureClientSize(int width, int height) {
    minClientWidth_ = width;
    minClientHeight_ = height;
    if (!hwnd_) return;
    RECT client, window;
    GetClientRect(hwnd_, &client);
    GetWindowRect(hwnd_, &window);
    const int dx = ToPhysical(width) - client.right;
    const int dy = ToPhysical(height) - client.bottom;
    if (dx <= 0 && dy <= 0) return;
    SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + (dx > 0 ? dx : 0),
                 window.bottom - window.top + (dy > 0 ? dy : 0), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetMenuBar(const std::vector<Menu*>& menus) {
    ReleaseMenuBar();
    menuBar_ = CreateMenu();
    for (Menu* menu : menus) {
        AppendMenuW(menuBar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu->Handle()),
                    win::Wide(menu->Caption()).c_str());
    }
    SetMenu(hwnd_, menuBar_);
}

void Form::ReleaseMenuBar() {
    if (!menuBar_) return;
    if (hwnd_) SetMenu(hwnd_, nullptr);
    // The menus stay with their owners; only the bar itself goes.
    while (GetMenuItemCount(menuBar_) > 0) RemoveMenu(menuBar_, 0, MF_BYPOSITION);
    DestroyMenu(menuBar_);
    menuBar_ = nullptr;
}

void Form::Adopt(std::unique_ptr<Control> control) {
    Control* raw = control.get();
    controls_.push_back(std::move(control));
    byName_[raw->Name()] = raw;
    raw->ApplyShowState(raw->Page() == kNoPage || raw->Page() == shownPage_);
    if (batchOpen_) {
        batch_.push_back(raw);
        return;
    }
    raw->Create();
}

void Form::AddInOneBatch(const std::function<void()>& add) {
    if (batchOpen_ || makingBatch_) {  // within a batch: part of it
        add();
        return;
    }
    batchOpen_ = true;
    try {
        add();
    } catch (...) {
        batchOpen_ = false;
        batch_.clear();
        throw;
    }
    batchOpen_ = false;
    const std::vector<Control*> pending = std::move(batch_);
    batch_.clear();
    makingBatch_ = true;
    try {
        for (auto it = pending.rbegin(); it != pending.rend(); ++it) (*it)->Create();
    } catch (...) {
        makingBatch_ = false;
        throw;
    }
    makingBatch_ = false;
}

void Form::MissingControl(std::string_view name) {
    throw std::logic_error("no control named " + std::string(name));
}

Control* Form::Find(std::string_view name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

Control* Form::ControlOf(HWND hwnd) const {
    const auto it = byHandle_.find(hwnd);
    return it == byHandle_.end() ? nullptr : it->second;
}

void Form::RegisterWindow(HWND hwnd, Control* control) { byHandle_[hwnd] = control; }
void Form::RegisterTimer(UINT_PTR id, Timer* timer) { timers_[id] = timer; }
void Form::UnregisterTimer(UINT_PTR id) { timers_.erase(id); }

void Form::ShowPage(int page) {
    shownPage_ = page;
    // Hide first, then show, so that controls of two pages never overlap on screen.
    for (const auto& c : controls_) {
        if (c->Page() != kNoPage && c->Page() != page) c->ApplyShowState(false);
    }
    for (const auto& c : controls_) {
        if (c->Page() == kNoPage || c->Page() == page) c->ApplyShowState(true);
    }
}

void Form::RecreateFont() {
    font_ = CreateUiFont(dpi_);
}

void Form::OnDpiChanged(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The old font lives until every control has taken the new one.
    win::OwnedFont old = std::exchange(font_, CreateUiFont(dpi_));
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    EnsureClientSize(minClientWidth_, minClientHeight_);
    for (const auto& c : controls_) c->OnDpiChanged();
    if (DpiChanged) DpiChanged();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::PaintBackground(HDC dc) {
    if (!backgroundBrush_) backgroundBrush_.Reset(CreateSolidBrush(ToColorref(background_)));
    RECT r;
    GetClientRect(hwnd_, &r);
    FillRect(dc, &r, backgroundBrush_.Get());
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Form* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        form->hwnd_ = nullptr;
        form->byHandle_.clear();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return win::GuardCallback([&] { return form->HandleMessage(message, wParam, lParam); }, LRESULT{0});
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            if (lParam == 0) {
                if (HIWORD(wParam) == 0 && Menu::Dispatch(LOWORD(wParam))) return 0;
                break;
            }
            if (Control* c = ControlOf(reinterpret_cast<HWND>(lParam))) {
                if (c->OnCommand(HIWORD(wParam))) return 0;
            }
            break;
        }
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (Control* c = ControlOf(header->hwndFrom)) return c->OnNotify(header);
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX: {
            if (Control* c = ControlOf(reinterpret_cast<HWND>(lParam))) {
                if (HBRUSH brush = c->OnControlColour(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType != ODT_MENU) {
                if (Control* c = ControlOf(item->hwndItem)) {
                    if (c->OnDrawItem(*item)) return TRUE;
                }
            }
            break;
        }
        case WM_SETCURSOR: {
            Control* c = ControlOf(reinterpret_cast<HWND>(wParam));
            if (c && c->MousePointer() && LOWORD(lParam) == HTCLIENT) {
                SetCursor(c->MousePointer());
                return TRUE;
            }
            break;
        }
        case WM_TIMER: {
            const auto it = timers_.find(wParam);
            if (it != timers_.end()) {
                it->second->Fire();
                return 0;
            }
            break;
        }
        case kRunWork:
            (*reinterpret_cast<const std::function<void()>*>(lParam))();
            return 0;
        case kPostedWork: {
            const std::unique_ptr<std::function<void()>> work(reinterpret_cast<std::function<void()>*>(lParam));
            (*work)();
            return 0;
        }
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && Activated) Activated();
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
            if (MouseUp) {
                MouseEvent e;
                e.button = message == WM_LBUTTONUP ? MouseButton::Left : MouseButton::Right;
                e.x = ToLogical(static_cast<short>(LOWORD(lParam)));
                e.y = ToLogical(static_cast<short>(HIWORD(lParam)));
                e.keys = wParam;
                MouseUp(e);
            }
            break;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            // A timer of a window that is gone never fires again: it says so.
            for (auto& [id, timer] : timers_) timer->Stop();
            if (Destroying) Destroying();
            ReleaseMenuBar();
            if (endProgramOnDestroy_) PostQuitMessage(0);
            break;
        default: break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace ui
