// The owners of win/scoped.h let go of what they hold when a scope is left
// by an exception, and the DC owners hand a DC back as they found it.
#include <gtest/gtest.h>

#include <objbase.h>

#include <stdexcept>
#include <thread>

#include "win/scoped.h"

namespace {

// Runs `work` and swallows the exception it is expected to throw.
template <typename Work>
void Throwing(Work work) {
    try {
        work();
        ADD_FAILURE() << "the work did not throw";
    } catch (const std::runtime_error&) {
    }
}

// Whether this thread still has the clipboard open: closing it succeeds only
// then (and closes it).
bool ClipboardWasStillOpen() { return CloseClipboard() != FALSE; }

TEST(ScopedResources, OwnersFreeTheirObjectsWhenTheScopeThrows) {
    HPEN pen = nullptr;
    HANDLE event = nullptr;
    HGLOBAL memory = nullptr;
    Throwing([&] {
        const win::OwnedPen owned(CreatePen(PS_SOLID, 1, 0));
        const win::OwnedHandle ownedEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        const win::OwnedGlobal ownedMemory(GlobalAlloc(GMEM_MOVEABLE, 64));
        pen = owned.Get();
        event = ownedEvent.Get();
        memory = ownedMemory.Get();
        ASSERT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
        throw std::runtime_error("step failed");
    });
    EXPECT_EQ(GetObjectType(pen), 0u);
    DWORD flags = 0;
    EXPECT_FALSE(GetHandleInformation(event, &flags));
    EXPECT_EQ(GlobalFlags(memory), static_cast<UINT>(GMEM_INVALID_HANDLE));

    // Handed over, an object stays.
    win::OwnedBrush brush(CreateSolidBrush(0));
    const HBRUSH kept = brush.Detach();
    brush.Reset();
    EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(kept);
}

TEST(ScopedResources, AMemoryDcLetsGoOfItsBitmapSoThatItsOwnerCanDeleteIt) {
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    Throwing([&] {
        const win::OwnedBitmap owned(CreateBitmap(8, 8, 1, 32, nullptr));
        const win::MemoryDC memory;
        ASSERT_TRUE(memory.Select(owned.Get()));
        bitmap = owned.Get();
        dc = memory.Get();
        throw std::runtime_error("step failed");
    });
    // A bitmap still selected into a DC could not have been deleted.
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(GetObjectType(dc), 0u);
}

TEST(ScopedResources, DcStatePutsBackTheObjectsAndModesItFound) {
    const win::WindowDC screen;
    const win::MemoryDC dc(screen.Get());
    const HGDIOBJ penBefore = GetCurrentObject(dc.Get(), OBJ_PEN);
    const int ropBefore = GetROP2(dc.Get());
    const win::OwnedPen pen(CreatePen(PS_SOLID, 5, 0));
    Throwing([&] {
        const win::DcState state(dc.Get());
        SelectObject(dc.Get(), pen.Get());
        SetROP2(dc.Get(), R2_NOT);
        throw std::runtime_error("step failed");
    });
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), penBefore);
    EXPECT_EQ(GetROP2(dc.Get()), ropBefore);
}

TEST(ScopedResources, TheClipboardIsClosedAndTheBusyFlagClearedWhenTheScopeThrows) {
    Throwing([] {
        const win::ClipboardScope clipboard;
        ASSERT_TRUE(clipboard.Open());
        throw std::runtime_error("step failed");
    });
    EXPECT_FALSE(ClipboardWasStillOpen());

    bool busy = false;
    Throwing([&] {
        const win::BusyScope outer(busy);
        ASSERT_TRUE(outer);
        const win::BusyScope inner(busy);  // re-entered: refused, and leaves the flag to the outer one
        EXPECT_FALSE(inner);
        throw std::runtime_error("step failed");
    });
    EXPECT_FALSE(busy);
}

TEST(ScopedResources, ComIsUninitialisedOnlyByTheScopeThatInitialisedIt) {
    std::thread fresh([] {
        Throwing([] {
            const win::ComScope com;
            ASSERT_TRUE(com.Usable());
            throw std::runtime_error("step failed");
        });
        // Initialising again succeeds afresh (S_FALSE would mean the scope
        // left it initialised).
        const HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        EXPECT_EQ(again, S_OK);
        if (SUCCEEDED(again)) CoUninitialize();

        // Another model set up before: usable, and not ended by the scope.
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        { const win::ComScope com; EXPECT_TRUE(com.Usable()); }
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);  // still initialised
        CoUninitialize();
        CoUninitialize();
    });
    fresh.join();
}

}  // namespace
