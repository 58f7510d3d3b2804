// E source that does recorded steps (messages/core/recording.h) again, in
// the background: nothing moves the user's mouse, every step is a message
// to its control.
//
// The code declares only the DLL commands it calls and has:
//   - one lookup subroutine per control the steps use, 取控件句柄_1,
//     取控件句柄_2 ..., in the order the controls were first used, each
//     finding its control again as "生成查找当前窗口的代码" does, line by
//     line commented;
//   - the subroutine 回放操作, which for every step waits the pause
//     recorded before it (延时, kept between 50 ms and 2 s), finds the
//     step's control (a control not found ends the replay with a message
//     naming the step) and does the step:
//       click:        WM_xBUTTONDOWN and WM_xBUTTONUP posted at the recorded
//                     point of the control's client area;
//       double click: down, up, WM_xBUTTONDBLCLK (a second down for a
//                     control whose class takes no double clicks), up;
//       drag:         down, WM_MOUSEMOVE to the release point, up there;
//       typing:       into a control that keeps its own text, WM_SETTEXT of
//                     the text it held after the typing; otherwise
//                     WM_KEYDOWN, WM_CHAR and WM_KEYUP posted per key;
//       key:          WM_KEYDOWN, WM_CHAR (Enter, Tab, Esc) and WM_KEYUP
//                     posted.
// Texts go into constants as the lookup code's do (ETextConstant).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "messages/core/lookup_code.h"
#include "messages/core/recording.h"

namespace messages::core {

inline constexpr std::uint32_t kShortestReplayPauseMs = 50;
inline constexpr std::uint32_t kLongestReplayPauseMs = 2000;

// A control the steps use, as the recorder saw it.
struct ReplayControl {
    std::vector<LookupStep> lookup;  // how to find it again
    std::string description;         // "按钮“Count”（Button，控件ID 701）"
    bool editLike = false;           // keeps its own text: typing replays as WM_SETTEXT
    bool doubleClicks = false;       // its class takes double clicks (CS_DBLCLKS)
};

// Empty when there are no steps, or a step's control has no way to be
// found again.
std::string ReplayCode(const std::vector<ReplayControl>& controls, const std::vector<Step>& steps);

}  // namespace messages::core
