#include "util/process_control.h"

namespace util {
namespace {

using NtProcessCall = LONG(NTAPI*)(HANDLE);

LONG CallNtdll(const char* name, HANDLE process) {
    const auto call = reinterpret_cast<NtProcessCall>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
    if (!call) return static_cast<LONG>(0xC0000002);  // STATUS_NOT_IMPLEMENTED
    return call(process);
}

OwnedHandle OpenProcessById(DWORD access, std::int32_t pid) {
    return OwnedHandle(OpenProcess(access, FALSE, static_cast<DWORD>(pid)));
}

OwnedHandle OpenThreadOfId(DWORD access, std::int32_t tid) {
    return OwnedHandle(OpenThread(access, FALSE, static_cast<DWORD>(tid)));
}

// Whether a process or thread opened for waiting has not ended yet.
bool NotEnded(const OwnedHandle& waitable) {
    return waitable && WaitForSingleObject(waitable.Get(), 0) == WAIT_TIMEOUT;
}

}  // namespace

bool PauseWindowThread(WindowHandle hwnd, bool pause) {
    const DWORD tid = GetWindowThreadProcessId(ToHwnd(hwnd), nullptr);
    return tid != 0 && PauseThreadById(static_cast<std::int32_t>(tid), pause);
}

bool PauseThreadById(std::int32_t tid, bool pause) {
    if (tid == 0) return false;
    const OwnedHandle thread = OpenThreadOfId(THREAD_SUSPEND_RESUME, tid);
    if (!thread) return false;
    const DWORD result = pause ? SuspendThread(thread.Get()) : ResumeThread(thread.Get());
    return result != static_cast<DWORD>(-1);
}

bool ProcessRunning(std::int32_t pid) { return NotEnded(OpenProcessById(SYNCHRONIZE, pid)); }

bool ThreadRunning(std::int32_t tid) { return NotEnded(OpenThreadOfId(SYNCHRONIZE, tid)); }

std::int32_t SuspendProcessHandle(HANDLE process) { return CallNtdll("ZwSuspendProcess", process); }
std::int32_t ResumeProcessHandle(HANDLE process) { return CallNtdll("ZwResumeProcess", process); }

bool PauseProcess(std::int32_t pid, bool pause) {
    const OwnedHandle process = OpenProcessById(PROCESS_SUSPEND_RESUME, pid);
    if (!process) return false;
    return (pause ? SuspendProcessHandle(process.Get()) : ResumeProcessHandle(process.Get())) == 0;
}

bool IsOwnProcess(std::int32_t pid) { return static_cast<DWORD>(pid) == GetCurrentProcessId(); }

bool IsOwnThread(std::int32_t tid) {
    const OwnedHandle thread = OpenThreadOfId(THREAD_QUERY_LIMITED_INFORMATION, tid);
    return thread && GetProcessIdOfThread(thread.Get()) == GetCurrentProcessId();
}

bool TerminateProcessById(std::int32_t pid) {
    const OwnedHandle process = OpenProcessById(PROCESS_TERMINATE, pid);
    return process && TerminateProcess(process.Get(), 0) != FALSE;
}

bool ThreadControl::OpenThreadById(std::int32_t tid) {
    thread_ = OpenThreadOfId(THREAD_ALL_ACCESS, tid);  // the one open before is closed
    return static_cast<bool>(thread_);
}

void ThreadControl::TerminateOpenedThread() {
    if (thread_) TerminateThread(thread_.Get(), 0);
    CloseOpenedThread();
}

void ThreadControl::CloseOpenedThread() { thread_.Reset(); }

}  // namespace util
