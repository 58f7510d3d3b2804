// E source that waits until a point of another program's window shows a
// colour (the colour the picker took there): 生成等待颜色的易代码.
//
// The code finds the window again with the lookup's subroutine
// 取目标窗口句柄 and has a subroutine 等待颜色 (超时毫秒, 容差) that reads
// the pixel at the picked point of the window's client area through the
// window's own device context (GetDC, GetPixel, ReleaseDC) every 50 ms,
// compares each of red, green and blue with the picked colour within the
// tolerance, and returns 真 as soon as the colour is there and 假 when the
// time is up (a window that is gone, or a point that is not visible, is not
// the colour). Only the DLL commands it calls are declared; every line says
// what it does.
#pragma once

#include <string>
#include <vector>

#include "base/canvas.h"
#include "base/geometry.h"
#include "messages/core/lookup_code.h"

namespace messages::core {

inline constexpr int kColourPollMs = 50;

// Empty when there are no lookup steps.
std::string WaitColourCode(const std::vector<LookupStep>& lookup, base::Point client, base::Colour colour);

}  // namespace messages::core
