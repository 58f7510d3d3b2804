// Owners of Windows resources: each object releases what it holds when it
// goes, however its scope ends, so that an exception caught by a callback
// guard leaves no handle, DC, GDI object, open clipboard, COM apartment or
// busy flag behind.
//
// Owned<Traits> holds one handle of a kind: Get() gives it, Detach() hands
// it over (the owner then holds nothing), Reset(h) frees the old one and
// takes h, Receive() frees the old one and gives the address a function
// writes a new one to. The kinds: kernel handles, file handles, GDI objects,
// icons, cursors, global memory, hooks, executable memory.
//
// The DC owners free only what they made: WindowDC releases a DC of GetDC or
// GetWindowDC, MemoryDC deletes a DC of CreateCompatibleDC, PaintDC ends a
// paint. MemoryDC and DcState put back every object and setting the DC held
// when they were made (SaveDC / RestoreDC), so an object selected into a DC
// must be owned by something declared before the DC: the DC lets go of it
// first, then its owner deletes it.
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace win {

template <typename Traits>
class Owned {
public:
    using Handle = typename Traits::Handle;

    Owned() noexcept = default;
    explicit Owned(Handle handle) noexcept : handle_(handle) {}
    ~Owned() { Reset(); }
    Owned(Owned&& other) noexcept : handle_(other.Detach()) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) Reset(other.Detach());
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }
    Handle Detach() noexcept {
        const Handle handle = handle_;
        handle_ = Traits::Invalid();
        return handle;
    }
    void Reset(Handle handle = Traits::Invalid()) noexcept {
        if (handle_ != Traits::Invalid() && handle_ != handle) Traits::Free(handle_);
        handle_ = handle;
    }
    Handle* Receive() noexcept {
        Reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Invalid();
};

namespace traits {

struct KernelHandle {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Free(Handle h) noexcept { CloseHandle(h); }
};
// CreateFile and CreateToolhelp32Snapshot fail with INVALID_HANDLE_VALUE.
struct FileHandle {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Free(Handle h) noexcept { CloseHandle(h); }
};
template <typename T>
struct GdiObject {
    using Handle = T;
    static Handle Invalid() noexcept { return nullptr; }
    static void Free(Handle h) noexcept { DeleteObject(h); }
};
struct Icon {
    using Handle = HICON;
    static Handle Invalid() noexcept { return nullptr; }
    static void Free(Handle h) noexcept { DestroyIcon(h); }
};
struct Cursor {
    using Handle = HCURSOR;
    static Handle Invalid() noexcept { return nullptr; }
    static void Free(Handle h) noexcept { DestroyCursor(h); }
};
struct Global {
    using Handle = HGLOBAL;
    static Handle Invalid() noexcept { return nullptr; }
    static void Free(Handle h) noexcept { GlobalFree(h); }
};
struct Hook {
    using Handle = HHOOK;
    static Handle Invalid() noexcept { return nullptr; }
    static void Free(Handle h) noexcept { UnhookWindowsHookEx(h); }
};
// An out-of-context event hook (SetWinEventHook).
struct EventHook {
    using Handle = HWINEVENTHOOK;
    static Handle Invalid() noexcept { return nullptr; }
    static void Free(Handle h) noexcept { UnhookWinEvent(h); }
};
struct VirtualMemory {
    using Handle = void*;
    static Handle Invalid() noexcept { return nullptr; }
    static void Free(Handle h) noexcept { VirtualFree(h, 0, MEM_RELEASE); }
};
// FindFirstFile fails with INVALID_HANDLE_VALUE.
struct FindHandle {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Free(Handle h) noexcept { FindClose(h); }
};

}  // namespace traits

using OwnedHandle = Owned<traits::KernelHandle>;
using OwnedFile = Owned<traits::FileHandle>;
template <typename T>
using GdiObject = Owned<traits::GdiObject<T>>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedPen = GdiObject<HPEN>;
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedFont = GdiObject<HFONT>;
using OwnedRegion = GdiObject<HRGN>;
using OwnedIcon = Owned<traits::Icon>;
using OwnedCursor = Owned<traits::Cursor>;
using OwnedGlobal = Owned<traits::Global>;
using OwnedHook = Owned<traits::Hook>;
using OwnedEventHook = Owned<traits::EventHook>;
using OwnedVirtualMemory = Owned<traits::VirtualMemory>;
using OwnedFindHandle = Owned<traits::FindHandle>;

// A DC of GetDC (the client area; the screen for a null window) or of
// GetWindowDC (the whole window; the screen for a null window).
class WindowDC {
public:
    enum class Area { Client, Whole };
    explicit WindowDC(HWND window = nullptr, Area area = Area::Client) noexcept
        : window_(window), dc_(area == Area::Whole ? GetWindowDC(window) : GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Puts back what a DC held (selected objects, drawing mode, colours) when it
// goes.
class DcState {
public:
    explicit DcState(HDC dc) noexcept : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
    ~DcState() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    DcState(const DcState&) = delete;
    DcState& operator=(const DcState&) = delete;

private:
    HDC dc_;
    int saved_;
};

// A memory DC like `like` (the screen's when null). What is selected into it
// is put back before it is deleted.
class MemoryDC {
public:
    explicit MemoryDC(HDC like = nullptr) noexcept : dc_(CreateCompatibleDC(like)), saved_(dc_ ? SaveDC(dc_) : 0) {}
    ~MemoryDC() {
        if (!dc_) return;
        if (saved_) RestoreDC(dc_, saved_);
        DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }
    // Selects the object; false when the DC or the object is not there.
    bool Select(HGDIOBJ object) const noexcept { return dc_ && object && SelectObject(dc_, object) != nullptr; }

private:
    HDC dc_;
    int saved_;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const noexcept { return dc_; }
    const RECT& Dirty() const noexcept { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A COM interface pointer, released when it goes.
template <typename T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ~ComPtr() { Reset(); }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* Get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    void Reset() noexcept {
        if (p_) p_->Release();
        p_ = nullptr;
    }
    // For functions that hand back a new interface pointer.
    T** Receive() noexcept {
        Reset();
        return &p_;
    }
    void** ReceiveVoid() noexcept { return reinterpret_cast<void**>(Receive()); }

private:
    T* p_ = nullptr;
};

// COM initialised on this thread (single-threaded apartment) for the scope;
// uninitialised only when this scope's initialisation succeeded. The COM
// library is loaded when first needed (win/com.h).
class ComScope {
public:
    ComScope() noexcept;
    ~ComScope();
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    // Whether COM can be used on this thread now (also when it was
    // initialised before this scope).
    bool Usable() const noexcept { return usable_; }

private:
    bool usable_ = false;
    bool initialised_ = false;
};

// The clipboard open for the scope (with `owner` as its owner, when given);
// another program may hold it a moment, so opening tries a few times.
class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner = nullptr) noexcept;
    ~ClipboardScope() {
        if (open_) CloseClipboard();
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    bool Open() const noexcept { return open_; }

private:
    bool open_ = false;
};

// Global memory locked for the scope.
template <typename T>
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) noexcept : memory_(memory), p_(memory ? GlobalLock(memory) : nullptr) {}
    ~GlobalLockScope() {
        if (p_) GlobalUnlock(memory_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    T* Get() const noexcept { return static_cast<T*>(p_); }
    explicit operator bool() const noexcept { return p_ != nullptr; }

private:
    HGLOBAL memory_;
    void* p_;
};

// A re-entry guard: entered when the flag was clear, and then it sets the
// flag until the scope ends. A scope that finds the flag set is not
// entered and leaves the flag alone.
//     BusyScope busy(tickBusy_);
//     if (!busy) return;
template <typename Flag>
class BasicBusyScope {
public:
    explicit BasicBusyScope(Flag& flag) noexcept : flag_(flag), entered_(Enter(flag)) {}
    ~BasicBusyScope() {
        if (entered_) flag_ = false;
    }
    BasicBusyScope(const BasicBusyScope&) = delete;
    BasicBusyScope& operator=(const BasicBusyScope&) = delete;
    explicit operator bool() const noexcept { return entered_; }

private:
    static bool Enter(bool& flag) noexcept { return !std::exchange(flag, true); }
    static bool Enter(std::atomic<bool>& flag) noexcept { return !flag.exchange(true); }
    Flag& flag_;
    bool entered_;
};
using BusyScope = BasicBusyScope<bool>;
using AtomicBusyScope = BasicBusyScope<std::atomic<bool>>;

// Counts itself in an atomic counter for the scope (running workers).
class CountedScope {
public:
    explicit CountedScope(std::atomic<int>& counter) noexcept : counter_(counter) { ++counter_; }
    ~CountedScope() { --counter_; }
    CountedScope(const CountedScope&) = delete;
    CountedScope& operator=(const CountedScope&) = delete;

private:
    std::atomic<int>& counter_;
};

// A mutex on the system's slim lock, for std::lock_guard: it never throws
// and needs no C++ thread runtime (std::mutex brings winpthreads and
// std::system_error into every binary that uses it, some 60 KB).
class SlimMutex {
public:
    SlimMutex() = default;
    SlimMutex(const SlimMutex&) = delete;
    SlimMutex& operator=(const SlimMutex&) = delete;
    void lock() noexcept { AcquireSRWLockExclusive(&lock_); }
    void unlock() noexcept { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
};

}  // namespace win
