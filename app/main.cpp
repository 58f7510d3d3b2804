// Start-up of Tavrin编程助手: common controls, then the program's run
// (app/program_run.h) until the main window is gone.
#include <windows.h>

#include <commctrl.h>

#include "app/program_run.h"
#include "ui/notice.h"
#include "win/callback_guard.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    return win::GuardCallback(
        [show] {
            return app::RunProgram(show, [](const std::string& text) { ui::ShowNotice(nullptr, text, MB_ICONERROR); });
        },
        1);
}
