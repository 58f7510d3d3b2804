// Photographs the main window in one of the stored skins on one of its
// pages, so that the skins can be looked at (scripts/screenshots):
//
//   skin_gallery STORED PAGE OUT.png [picks|send-code]
//                                        STORED 1 to 67, PAGE 0 to 2
//
// The window is the program's own, made as the program makes it (wearing
// skin 4); the stored skin asked for is then attached over it, the page
// shown, and the window's pixels on the screen saved once it has painted.
// With "picks" on the colour page, sixteen colours are first picked from
// the palette and the scale (clicks on the boards) and the window of the
// further notations is opened: the picture holds both windows. With
// "send-code" on the message page, the page has sent WM_GETTEXT to the
// window itself (with a time limit) and its code box shows the code that
// sends that message again.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <string>

#include "app/main_window.h"
#include "app/skin.h"
#include "colour/core/palette.h"
#include "imaging/bitmap.h"
#include "imaging/image_file.h"
#include "win/callback_guard.h"
#include "win/threads.h"

namespace {

// Lets the windows paint and settle for a while.
void HandleMessagesFor(DWORD ms) {
    const ULONGLONG until = GetTickCount64() + ms;
    win::WaitHandlingMessages([until] { return GetTickCount64() >= until; }, nullptr, {{}, 20});
}

// A left click on a board of the main window at a 96-DPI board point.
void ClickBoard(app::MainWindow& window, const char* board, int x, int y) {
    const HWND h = window.Get<ui::DrawingBoard>(board).Handle();
    const LPARAM at = MAKELPARAM(window.ToPhysical(x), window.ToPhysical(y));
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
}

// Sixteen picks: palette squares, the last followed by two shades from the
// scale; then the notation window, showing the last pick.
void PickColours(app::MainWindow& window) {
    for (int i = 8; i < 22; ++i) {
        const colour::core::SquareRect square = colour::core::PaletteSquare(i % colour::core::kPaletteColumns, i / colour::core::kPaletteColumns);
        ClickBoard(window, "画板_调色板", square.left + 5, square.top + 5);
    }
    ClickBoard(window, "画板_色阶", 30, 10);
    ClickBoard(window, "画板_色阶", 100, 10);
    window.Colour().OpenNotations();
    SetForegroundWindow(window.Handle());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4 && argc != 5) return 2;
    const int stored = _wtoi(argv[1]);
    const int page = _wtoi(argv[2]);
    const std::wstring out = argv[3];
    const std::wstring mode = argc == 5 ? argv[4] : L"";
    const bool picks = mode == L"picks", sendCode = mode == L"send-code";
    if ((picks && page != 2) || (sendCode && page != 1) || (!mode.empty() && !picks && !sendCode)) return 2;
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    return win::GuardCallback(
        [&] {
            app::UtilityObjects utilities;
            app::MainWindow window(utilities);
            if (!window.Create()) return 1;
            const std::string_view bytes = app::StoredSkinBytes(stored);
            const app::SkinEngine* engine = app::LoadSkinEngine();
            if (bytes.empty() || !engine) return 1;
            engine->attach(bytes.data(), static_cast<int>(bytes.size()), "", 1, 1, 1);
            window.Show(SW_SHOWNORMAL);
            SetForegroundWindow(window.Handle());
            window.Tabs().SelectPage(page);
            if (sendCode) {
                messages::MessagesControls& c = window.Messages().Controls();
                c.编辑框_窗口句柄2.SetNumber(win::FromHwnd(window.Handle()));
                c.编辑框_消息值.SetNumber(WM_GETTEXT);
                c.编辑框_参数一.SetNumber(256);
                c.组合框_参数二.SetSelectedIndex(static_cast<int>(messages::core::ParameterType::Text));
                window.Messages().Sender().TypeChanged();
                c.编辑框_参数二.SetContent("");
                c.组合框_消息方式.SetSelectedIndex(static_cast<int>(messages::core::SendMethod::SendWithTimeout));
                window.Messages().Sender().Send();
                window.Messages().Generator().GenerateSend();
            }
            // Everything painted, the later pages built, then once more.
            for (int round = 0; round < 2; ++round) {
                RedrawWindow(window.Handle(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
                HandleMessagesFor(500);
            }
            RECT r;
            GetWindowRect(window.Handle(), &r);
            if (picks) {
                PickColours(window);
                // The picture takes in the notation window beside the main one.
                if (const colour::NotationWindow* notations = window.Colour().Notations()) {
                    RECT n;
                    GetWindowRect(notations->Handle(), &n);
                    UnionRect(&r, &r, &n);
                }
                HandleMessagesFor(500);
            }
            const win::OwnedBitmap shot = imaging::GrabScreenArea({r.left, r.top, r.right, r.bottom});
            const bool saved =
                shot && imaging::SaveImageFile(imaging::BitmapToBytes(shot.Get()), out, imaging::core::ImageFormat::Png);
            return saved ? 0 : 1;
        },
        1);
}
