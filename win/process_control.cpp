#include "win/process_control.h"

namespace win {
namespace {

using NtProcessCall = LONG(NTAPI*)(HANDLE);

LONG CallNtdll(const char* name, HANDLE process) {
    const auto call = reinterpret_cast<NtProcessCall>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
    if (!call) return static_cast<LONG>(0xC0000002);  // STATUS_NOT_IMPLEMENTED
    return call(process);
}

// Opens what `open` gives for the window's ids, then checks that the window
// still has those ids: only then is the object the window's.
template <typename Open>
OwnedHandle OpenOfWindow(WindowHandle hwnd, Open open) {
    DWORD pid = 0;
    const DWORD tid = GetWindowThreadProcessId(ToHwnd(hwnd), &pid);
    if (tid == 0) return {};
    OwnedHandle object(open(pid, tid));
    DWORD pidNow = 0;
    if (!object || GetWindowThreadProcessId(ToHwnd(hwnd), &pidNow) != tid || pidNow != pid) return {};
    return object;
}

}  // namespace

OwnedHandle OpenProcessOfWindow(WindowHandle hwnd, DWORD access) {
    return OpenOfWindow(hwnd, [access](DWORD pid, DWORD) { return OpenProcess(access, FALSE, pid); });
}

OwnedHandle OpenThreadOfWindow(WindowHandle hwnd, DWORD access) {
    return OpenOfWindow(hwnd, [access](DWORD, DWORD tid) { return OpenThread(access, FALSE, tid); });
}

bool PauseProcessHandle(HANDLE process, bool pause) {
    return process && CallNtdll(pause ? "ZwSuspendProcess" : "ZwResumeProcess", process) == 0;
}

bool PauseThreadHandle(HANDLE thread, bool pause) {
    return thread && (pause ? SuspendThread(thread) : ResumeThread(thread)) != static_cast<DWORD>(-1);
}

bool StillRunning(HANDLE waitable) { return waitable && WaitForSingleObject(waitable, 0) == WAIT_TIMEOUT; }

bool IsOwnProcess(HANDLE process) { return process && GetProcessId(process) == GetCurrentProcessId(); }

bool IsOwnThread(HANDLE thread) { return thread && GetProcessIdOfThread(thread) == GetCurrentProcessId(); }

bool ThreadControl::OpenThreadById(std::int32_t tid) {
    thread_.Reset(OpenThread(THREAD_ALL_ACCESS, FALSE, static_cast<DWORD>(tid)));  // the one open before is closed
    return static_cast<bool>(thread_);
}

bool ThreadControl::OpenThreadOfWindow(WindowHandle hwnd) {
    thread_ = win::OpenThreadOfWindow(hwnd, THREAD_ALL_ACCESS);
    return static_cast<bool>(thread_);
}

void ThreadControl::TerminateOpenedThread() {
    if (thread_) TerminateThread(thread_.Get(), 0);
    CloseOpenedThread();
}

void ThreadControl::CloseOpenedThread() { thread_.Reset(); }

}  // namespace win
