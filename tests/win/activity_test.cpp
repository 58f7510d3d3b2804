// The activity log against another program that changes its windows on a
// timer: every change is in the log once, soon and in order, and closing the
// log leaves nothing of it running.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "inspector/activity_window.h"
#include "tests/win/test_support.h"
#include "win/clipboard.h"

namespace {

using testing_support::FixtureProcess;
using testing_support::PumpUntil;

constexpr UINT kActivityMessage = WM_APP + 3;  // the fixture's "start changing"

struct LoggedLine {
    long long ms = 0;
    std::string caption;
    std::string subject;  // from the handle on
};

LoggedLine Parse(const std::string& line) {
    LoggedLine parsed;
    parsed.ms = std::atoll(line.c_str());
    const std::size_t captionAt = line.find(" ms  ") + 5;
    const std::size_t subjectAt = line.find("  ", captionAt);
    parsed.caption = line.substr(captionAt, subjectAt - captionAt);
    parsed.subject = line.substr(subjectAt + 2);
    return parsed;
}

// What the fixture wrote down: each kind of change and when (ms of the
// performance counter).
std::vector<std::pair<std::string, double>> ReadChanges(const std::wstring& file) {
    std::vector<std::pair<std::string, double>> changes;
    FILE* in = _wfopen(file.c_str(), L"r");
    if (!in) return changes;
    char kind[32];
    double ms = 0;
    while (std::fscanf(in, "%31s %lf", kind, &ms) == 2) changes.emplace_back(kind, ms);
    std::fclose(in);
    return changes;
}

std::wstring ChangeFile() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"tavrin_activity_" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    DeleteFileW(file.c_str());
    return file;
}

std::string HandleText(HWND hwnd) { return std::to_string(win::FromHwnd(hwnd)) + "（"; }

TEST(ActivityTest, EveryChangeIsLoggedOnceWithinHalfASecondInOrderAndClosingEndsTheWatch) {
    const std::wstring file = ChangeFile();
    FixtureProcess fixture(L"activity \"" + file + L"\"");
    const HWND root = fixture.Window(L"TavrinFixtureActivity");
    const HWND tool = fixture.Window(L"TavrinFixtureActivityTool");
    ASSERT_TRUE(root && tool);

    win::InputHook hook;
    auto log = std::make_unique<inspector::ActivityWindow>();
    std::string refusal;
    ASSERT_TRUE(log->Open(nullptr, hook, root, nullptr, refusal)) << refusal;
    const double opened = inspector::ActivityNowMs();
    // The first look is the state the changes are told against.
    ASSERT_TRUE(PumpUntil([&] { return log->Watch().LastLookWindows() > 0; }, 5000));
    const std::size_t before = log->Lines().Size();
    PostMessageW(root, kActivityMessage, 0, 0);

    const std::vector<std::string> kinds = {"created", "title",   "moved", "hidden",     "shown",    "disabled",
                                            "enabled", "style",   "focus", "foreground", "destroyed"};
    ASSERT_TRUE(PumpUntil([&] { return ReadChanges(file).size() == kinds.size(); }, 15000));
    const double last = ReadChanges(file).back().second;
    PumpUntil([&] { return inspector::ActivityNowMs() > last + 600; }, 5000);
    const auto changes = ReadChanges(file);

    // The button's lines (the foreground's: the tool window's) after the
    // fixture made itself the foreground.
    const std::map<std::string, std::string> caption = {
        {"created", "创建"},  {"title", "标题"},   {"moved", "位置"},      {"hidden", "隐藏"},
        {"shown", "显示"},    {"disabled", "禁用"}, {"enabled", "启用"},    {"style", "样式"},
        {"focus", "焦点"},    {"foreground", "前台"}, {"destroyed", "销毁"}};
    std::vector<LoggedLine> lines;
    for (std::size_t i = before; i < log->Lines().Size(); ++i) lines.push_back(Parse(log->Lines().Line(i)));
    std::string all;
    for (std::size_t i = 0; i < log->Lines().Size(); ++i) all += log->Lines().Line(i) + "\n";

    HWND button = nullptr;  // known from its creation line
    std::size_t previous = 0;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        ASSERT_EQ(changes[k].first, kinds[k]);
        const std::string& want = caption.at(kinds[k]);
        std::vector<std::size_t> found;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].caption != want) continue;
            if (kinds[k] == "foreground") {
                if (lines[i].subject.rfind(HandleText(tool), 0) == 0) found.push_back(i);
            } else if (kinds[k] == "created" ? lines[i].subject.find("“动态”") != std::string::npos
                                             : button && lines[i].subject.rfind(HandleText(button), 0) == 0) {
                found.push_back(i);
            }
        }
        ASSERT_EQ(found.size(), 1u) << kinds[k] << " in\n" << all;
        const LoggedLine& line = lines[found[0]];
        if (kinds[k] == "created") {
            button = reinterpret_cast<HWND>(static_cast<LONG_PTR>(std::atoll(line.subject.c_str())));
        }
        const double at = opened + static_cast<double>(line.ms);
        // The log's time is taken when it learns of the change: after the
        // change, within half a second (a millisecond of rounding either
        // way, and the log's clock started just before `opened`).
        EXPECT_GE(at, changes[k].second - 5) << kinds[k] << " in\n" << all;
        EXPECT_LE(at, changes[k].second + 500) << kinds[k] << " in\n" << all;
        if (k > 0) {
            EXPECT_GT(found[0], previous) << kinds[k] << " out of order in\n" << all;
        }
        previous = found[0];
    }

    // 复制 copies the log as it stands; while paused nothing is added (the
    // fixture makes its changes once more); 清空 empties the log and its box.
    inspector::ActivityControls& c = log->Controls();
    SendMessageW(c.按钮_复制动态.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(win::ClipboardText(), log->Lines().Text());
    EXPECT_EQ(c.编辑框_动态.Content(), log->Lines().Text());
    SendMessageW(c.按钮_暂停动态.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(log->Paused());
    EXPECT_EQ(c.按钮_暂停动态.Caption(), "继续");
    const std::size_t paused = log->Lines().Size();
    DeleteFileW(file.c_str());
    PostMessageW(root, kActivityMessage, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return ReadChanges(file).size() == kinds.size(); }, 15000));
    const double again = ReadChanges(file).back().second;
    PumpUntil([&] { return inspector::ActivityNowMs() > again + 600; }, 5000);
    EXPECT_EQ(log->Lines().Size(), paused);
    SendMessageW(c.按钮_暂停动态.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(log->Paused());
    SendMessageW(c.按钮_清空动态.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(log->Lines().Size(), 0u);
    EXPECT_EQ(c.编辑框_动态.Content(), "");

    // Closing the window ends the worker (with its event hooks) and the
    // input tap, which was the only user of the global hooks.
    const DWORD worker = log->Watch().WorkerThreadId();
    ASSERT_NE(worker, 0u);
    ASSERT_TRUE(log->Tapping());
    ASSERT_TRUE(hook.Hooked());
    SendMessageW(log->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(log->Handle()));
    EXPECT_FALSE(log->Watch().Running());
    EXPECT_FALSE(log->Tapping());
    EXPECT_FALSE(hook.Hooked());
    const win::OwnedHandle thread(OpenThread(SYNCHRONIZE, FALSE, worker));
    if (thread) {
        EXPECT_EQ(WaitForSingleObject(thread.Get(), 0), WAIT_OBJECT_0);
    }
    DeleteFileW(file.c_str());
}

TEST(ActivityTest, RefusesNoWindowAndWindowsOfThisProgram) {
    win::InputHook hook;
    inspector::ActivityWindow log;
    std::string refusal;
    EXPECT_FALSE(log.Open(nullptr, hook, nullptr, nullptr, refusal));
    EXPECT_NE(refusal.find("查找工具"), std::string::npos) << refusal;
    const HWND own = CreateWindowExW(0, L"Static", L"own", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    refusal.clear();
    EXPECT_FALSE(log.Open(nullptr, hook, own, nullptr, refusal));
    EXPECT_NE(refusal.find("本程序自己的窗口"), std::string::npos) << refusal;
    EXPECT_FALSE(hook.Hooked());
    DestroyWindow(own);
}

}  // namespace
