// Photographs the main window in one of the stored skins on one of its
// pages, so that the skins can be looked at (scripts/screenshots):
//
//   skin_gallery STORED PAGE OUT.png [send-code]
//                                        STORED 1 to 67, PAGE 0 to 2
//
// The window is the program's own, made as the program makes it (wearing
// skin 4); the stored skin asked for is then attached over it, the page
// shown, and the window's pixels on the screen saved once it has painted.
// With "send-code", the message page has sent WM_GETTEXT to the window
// itself (with a time limit) and its code box shows the code that sends
// that message again.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <string>

#include "app/main_window.h"
#include "app/skin.h"
#include "util/bitmap.h"
#include "util/callback_guard.h"
#include "util/image_file.h"
#include "util/threads.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 4 && argc != 5) return 2;
    const bool sendCode = argc == 5 && std::wstring(argv[4]) == L"send-code";
    const int stored = _wtoi(argv[1]);
    const int page = _wtoi(argv[2]);
    const std::wstring out = argv[3];
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    return util::GuardCallback(
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
                c.编辑框_窗口句柄2.SetNumber(util::FromHwnd(window.Handle()));
                c.编辑框_消息值.SetNumber(WM_GETTEXT);
                c.编辑框_参数一.SetNumber(256);
                c.组合框_参数二.SetSelectedIndex(static_cast<int>(core::ParameterType::Text));
                window.Messages().Sender().TypeChanged();
                c.编辑框_参数二.SetContent("");
                c.组合框_消息方式.SetSelectedIndex(static_cast<int>(core::SendMethod::SendWithTimeout));
                window.Messages().Sender().Send();
                window.Messages().Generator().GenerateSend();
            }
            // Everything painted, the later pages built, then once more.
            for (int round = 0; round < 2; ++round) {
                RedrawWindow(window.Handle(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
                const DWORD until = GetTickCount() + 500;
                while (GetTickCount() < until) {
                    util::ProcessPendingMessages();
                    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
                }
            }
            RECT r;
            GetWindowRect(window.Handle(), &r);
            const util::OwnedBitmap shot = util::GrabScreenArea({r.left, r.top, r.right, r.bottom});
            const bool saved =
                shot && util::SaveImageFile(util::BitmapToBytes(shot.Get()), out, core::ImageFormat::Png);
            return saved ? 0 : 1;
        },
        1);
}
