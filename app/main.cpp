// Start-up of Tavrin编程助手: common controls, the main window, and the
// message loop that runs until the main window is gone.
#include <windows.h>

#include <commctrl.h>

#include "app/main_window.h"
#include "util/callback_guard.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    return util::GuardCallback(
        [show] {
            // The utility routines' single-instance objects live for the whole run.
            app::UtilityObjects utilities;
            app::MainWindow window(utilities);
            if (!window.Create()) return 1;
            window.Show(show);
            return ui::RunMessageLoop();
        },
        1);
}
