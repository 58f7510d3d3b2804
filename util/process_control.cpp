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

}  // namespace

bool PauseWindowThread(WindowHandle hwnd, bool pause) {
    const DWORD tid = GetWindowThreadProcessId(ToHwnd(hwnd), nullptr);
    return tid != 0 && PauseThreadById(static_cast<std::int32_t>(tid), pause);
}

bool PauseThreadById(std::int32_t tid, bool pause) {
    if (tid == 0) return false;
    HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, static_cast<DWORD>(tid));
    if (!thread) return false;
    const DWORD result = pause ? SuspendThread(thread) : ResumeThread(thread);
    CloseHandle(thread);
    return result != static_cast<DWORD>(-1);
}

bool ProcessRunning(std::int32_t pid) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process) return false;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

bool ThreadRunning(std::int32_t tid) {
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, static_cast<DWORD>(tid));
    if (!thread) return false;
    const bool running = WaitForSingleObject(thread, 0) == WAIT_TIMEOUT;
    CloseHandle(thread);
    return running;
}

std::int32_t SuspendProcessHandle(HANDLE process) { return CallNtdll("ZwSuspendProcess", process); }
std::int32_t ResumeProcessHandle(HANDLE process) { return CallNtdll("ZwResumeProcess", process); }

bool PauseProcess(std::int32_t pid, bool pause) {
    HANDLE process = OpenProcess(PROCESS_SUSPEND_RESUME, FALSE, static_cast<DWORD>(pid));
    if (!process) return false;
    const std::int32_t status = pause ? SuspendProcessHandle(process) : ResumeProcessHandle(process);
    CloseHandle(process);
    return status == 0;
}

bool IsOwnProcess(std::int32_t pid) { return static_cast<DWORD>(pid) == GetCurrentProcessId(); }

bool IsOwnThread(std::int32_t tid) {
    HANDLE thread = OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(tid));
    if (!thread) return false;
    const bool own = GetProcessIdOfThread(thread) == GetCurrentProcessId();
    CloseHandle(thread);
    return own;
}

bool TerminateProcessById(std::int32_t pid) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(pid));
    if (!process) return false;
    const BOOL ended = TerminateProcess(process, 0);
    CloseHandle(process);
    return ended != FALSE;
}

bool ThreadControl::OpenThreadById(std::int32_t tid) {
    CloseOpenedThread();  // a handle replaced without closing would leak
    thread_ = OpenThread(THREAD_ALL_ACCESS, FALSE, static_cast<DWORD>(tid));
    return thread_ != nullptr;
}

void ThreadControl::TerminateOpenedThread() {
    if (thread_) TerminateThread(thread_, 0);
    CloseOpenedThread();
}

void ThreadControl::CloseOpenedThread() {
    if (thread_) CloseHandle(thread_);
    thread_ = nullptr;
}

}  // namespace util
