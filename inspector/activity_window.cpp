#include "inspector/activity_window.h"

#include "ui/layout_builder.h"
#include "win/clipboard.h"
#include "win/core/key_names.h"
#include "win/window_query.h"

namespace inspector {
namespace {

std::string StoredTitle(HWND hwnd) { return win::GetWindowStoredTitle(win::FromHwnd(hwnd)); }

std::string DescribeLive(HWND hwnd) {
    return core::DescribeWindow(static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(hwnd)),
                                win::GetWindowClassName(win::FromHwnd(hwnd)), StoredTitle(hwnd));
}

}  // namespace

ActivityWindow::~ActivityWindow() {
    Close();
    Destroy();
}

bool ActivityWindow::Open(HWND owner, win::InputHook& hook, HWND target, const Dress& dress, std::string& refusal) {
    DWORD pid = 0;
    if (!target || !IsWindow(target) || !GetWindowThreadProcessId(target, &pid)) {
        refusal = "先用查找工具选中要观察的程序的一个窗口。";
        return false;
    }
    if (pid == GetCurrentProcessId()) {
        refusal = "选中的是本程序自己的窗口：请选中别的程序的窗口。";
        return false;
    }
    ui::FormOptions options;
    options.title = std::string(core::kActivityWindowTitle);
    options.width = core::kActivityClientWidth + 8;
    options.height = core::kActivityClientHeight + 28;
    options.owner = owner;
    if (!Form::Create(options)) return false;
    EnsureClientSize(core::kActivityClientWidth, core::kActivityClientHeight);
    const std::vector<ui::core::ControlLayout>& table = core::ActivityWindowLayout();
    ui::BuildControls(*this, table, ui::kNoPage);
    controls_ = std::make_unique<ActivityControls>(*this);
    if (dress) dress(*this, table);

    processId_ = pid;
    process_.Reset(OpenProcess(SYNCHRONIZE, FALSE, pid));
    opened_ = ActivityNowMs();
    openedTick_ = GetTickCount();
    if (!watch_.Start(Handle(), target, opened_, [this](std::vector<TimedActivity> events) { Add(std::move(events)); })) {
        return false;
    }
    hook_ = &hook;
    tap_ = hook.AddTap([this](const win::core::InputEvent& event) { OnInput(event); });

    ActivityControls& c = *controls_;
    const std::string program = win::GetProcessModuleName(static_cast<std::int32_t>(pid));
    c.标签_动态目标.SetCaption("观察 " + (program.empty() ? std::string("进程") : program) + "（进程ID " +
                                std::to_string(pid) + "）的窗口 " + DescribeLive(watch_.Root()) +
                                "、它的子窗口和它拥有的窗口");
    c.按钮_暂停动态.Clicked = [this] { TogglePause(); };
    c.按钮_清空动态.Clicked = [this] { Clear(); };
    c.按钮_复制动态.Clicked = [this] { win::CopyTextToClipboard(lines_.Text()); };
    Destroying = [this] { Close(); };
    ShowStatus();
    Show(SW_SHOWNORMAL);
    return true;
}

void ActivityWindow::Close() {
    watch_.Stop();
    if (hook_ && tap_) hook_->RemoveTap(tap_);
    tap_ = 0;
}

void ActivityWindow::TogglePause() {
    paused_ = !paused_;
    controls_->按钮_暂停动态.SetCaption(paused_ ? "继续" : "暂停");
    ShowStatus();
}

void ActivityWindow::Clear() {
    lines_.Clear();
    dropped_ = 0;
    controls_->编辑框_动态.SetContent("");
    ShowStatus();
}

void ActivityWindow::Add(std::vector<TimedActivity> events) {
    for (const TimedActivity& e : events) {
        if (e.event.kind == core::ActivityKind::Destroyed && reinterpret_cast<HWND>(e.event.window) == watch_.Root()) {
            targetGone_ = true;
        }
    }
    if (!paused_ && controls_) {
        std::string text;
        std::size_t dropped = 0;
        for (const TimedActivity& e : events) {
            std::string line = core::ActivityLine(e.ms, e.event);
            text += line + "\r\n";
            dropped += lines_.Add(std::move(line));
        }
        controls_->编辑框_动态.AppendText(text);
        controls_->编辑框_动态.RemoveFirstLines(static_cast<int>(dropped));
        dropped_ += dropped;
    }
    ShowStatus();
}

void ActivityWindow::OnInput(const win::core::InputEvent& event) {
    using namespace win::core;
    if (targetGone_) return;  // its process id may name another program by now
    const HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(event.picked));
    DWORD pid = 0;
    if (!window || !GetWindowThreadProcessId(window, &pid) || pid != processId_) return;
    core::ActivityEvent e;
    e.window = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window));
    switch (event.message) {
        case kHookLeftDown:
        case kHookRightDown:
            e.kind = core::ActivityKind::Click;
            e.detail = std::string(event.message == kHookLeftDown ? "左键" : "右键") + "按下 屏幕 (" +
                       std::to_string(event.a) + ", " + std::to_string(event.b) + ")";
            break;
        case kHookKeyDown:
            e.kind = core::ActivityKind::Key;
            e.detail = "按下 " + KeyName(event.b);
            break;
        default: return;
    }
    e.subject = DescribeLive(window);
    // The hook gives the input's own time, on the clock of GetTickCount:
    // the time since opening is taken on that clock.
    const auto ms = static_cast<std::int64_t>(static_cast<std::int32_t>(event.time - openedTick_));
    Add({{ms, std::move(e)}});
}

void ActivityWindow::ShowStatus() {
    if (!controls_) return;
    std::string status = paused_ ? "已暂停，" : (targetGone_ ? "目标窗口已关闭，" : "正在记录，");
    status += "共 " + std::to_string(lines_.Size()) + " 行";
    if (dropped_) status += "（最早的 " + std::to_string(dropped_) + " 行已去掉）";
    controls_->标签_动态状态.SetCaption(status);
}

}  // namespace inspector
