// The API-entry patch on functions made for the test, on gdi32's
// GdiTransparentBlt and on kernel32's FlushInstructionCache and
// VirtualProtect (which the patch itself calls): the filter that drops
// 16 x 16 blits, the trampoline that reaches the original and is published
// before the first call arrives, import thunks, refusals, and undoing.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/transparent_blt_filter.h"
#include "patch/entry_patch.h"
#include "tests/win/test_support.h"
#include "win/scoped.h"

namespace {

using testing_support::MainWindowTest;
using Function = std::int64_t (*)();

// A function in executable memory of its own, with its data beside it.
class CodeFixture {
public:
    explicit CodeFixture(const std::vector<std::uint8_t>& code, std::int64_t data = 0) {
        memory_ = static_cast<std::uint8_t*>(
            VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_EXECUTE_READWRITE));
        std::memcpy(memory_, code.data(), code.size());
        std::memcpy(memory_ + kDataAt, &data, sizeof data);
        FlushInstructionCache(GetCurrentProcess(), memory_, 4096);
    }
    ~CodeFixture() { VirtualFree(memory_, 0, MEM_RELEASE); }
    void Put(std::size_t at, const void* bytes, std::size_t size) {
        std::memcpy(memory_ + at, bytes, size);
        FlushInstructionCache(GetCurrentProcess(), memory_ + at, size);
    }
    Function Call(std::size_t at = 0) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(memory_ + at));
    }
    std::uint8_t* Bytes() const { return memory_; }
    static constexpr std::size_t kDataAt = 64;

private:
    std::uint8_t* memory_;
};

// mov rax, [rip + data]; add rax, 1; three nops; ret — returns data + 1, and
// its first 14 bytes hold a RIP-relative operand that must be rewritten.
std::vector<std::uint8_t> DataPlusOne() {
    const std::int32_t displacement = static_cast<std::int32_t>(CodeFixture::kDataAt - 7);
    std::vector<std::uint8_t> code = {0x48, 0x8B, 0x05, 0, 0, 0, 0, 0x48, 0x83, 0xC0, 0x01, 0x90, 0x90, 0x90, 0xC3};
    std::memcpy(code.data() + 3, &displacement, 4);
    return code;
}

// Where the replacements find the original.
std::atomic<void*> original{nullptr};
Function Original() { return reinterpret_cast<Function>(original.load()); }
std::int64_t PlusHundred() { return Original()() + 100; }
std::int64_t PlusThousand() { return Original()() + 1000; }
void* Address(std::int64_t (*f)()) { return reinterpret_cast<void*>(f); }

TEST(EntryPatchTest, RelocatesRipRelativeCodeAndPatchingAgainUndoesTheFirst) {
    CodeFixture fixture(DataPlusOne(), 41);
    const std::vector<std::uint8_t> before(fixture.Bytes(), fixture.Bytes() + 15);
    ASSERT_EQ(fixture.Call()(), 42);

    CodeFixture other(DataPlusOne(), 7);
    std::atomic<void*> otherOriginal{nullptr};
    patch::EntryPatch patch;  // ends before the places it publishes in
    void* first = patch.PatchAddress(fixture.Bytes(), Address(&PlusHundred), original);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(original.load(), first);
    EXPECT_EQ(Original()(), 42);  // the trampoline reads the same data
    EXPECT_EQ(fixture.Call()(), 142);

    // A caller may still hold the first address: it keeps running the original.
    ASSERT_NE(patch.PatchAddress(fixture.Bytes(), Address(&PlusThousand), original), nullptr);
    EXPECT_EQ(fixture.Call()(), 1042);  // not 1142: the first patch is gone
    EXPECT_EQ(reinterpret_cast<Function>(first)(), 42);

    // Patching another function puts this one back and points its original
    // at the function itself.
    ASSERT_NE(patch.PatchAddress(other.Bytes(), Address(&PlusHundred), otherOriginal), nullptr);
    EXPECT_EQ(std::vector<std::uint8_t>(fixture.Bytes(), fixture.Bytes() + 15), before);
    EXPECT_EQ(original.load(), fixture.Bytes());
    EXPECT_EQ(reinterpret_cast<Function>(first)(), 42);

    patch.Undo();
    EXPECT_EQ(otherOriginal.load(), other.Bytes());
    EXPECT_EQ(other.Call()(), 8);
    EXPECT_EQ(fixture.Call()(), 42);
    EXPECT_EQ(patch.PatchedAddress(), nullptr);
}

// The patch calls FlushInstructionCache itself right after writing the
// entry, so that call is the first one the replacement sees: the original
// must already be published then.
std::atomic<void*> systemFlush{nullptr};
int flushCalls = 0;
bool firstFlushFoundOriginal = false;
BOOL WINAPI CountingFlush(HANDLE process, LPCVOID address, SIZE_T size) {
    using Flush = BOOL(WINAPI*)(HANDLE, LPCVOID, SIZE_T);
    const auto system = reinterpret_cast<Flush>(systemFlush.load());
    if (flushCalls++ == 0) firstFlushFoundOriginal = system != nullptr;
    return system ? system(process, address, size) : TRUE;
}

TEST(EntryPatchTest, PublishesTheOriginalBeforeTheEntryJumps) {
    patch::EntryPatch patch;
    ASSERT_NE(patch.Patch("kernel32.dll", "FlushInstructionCache", reinterpret_cast<void*>(&CountingFlush),
                          systemFlush),
              nullptr);
    EXPECT_GT(flushCalls, 0);
    EXPECT_TRUE(firstFlushFoundOriginal);
    patch.Undo();
}

TEST(EntryPatchTest, PatchesTheFunctionAnImportThunkLeadsTo) {
    // 0: jmp [rip+58] (through the pointer at 64), a two-byte nop, then at 8
    // the next function (returns 7); at 128 the function the thunk leads to
    // (returns the number at 192 plus one).
    std::vector<std::uint8_t> code = {0xFF, 0x25, 58, 0, 0, 0, 0x66, 0x90, 0x48, 0x83, 0xEC, 0x28, 0xB8, 0x07, 0,
                                      0, 0, 0x48, 0x83, 0xC4, 0x28, 0xC3};
    CodeFixture fixture(code);
    std::vector<std::uint8_t> function = DataPlusOne();
    const std::int32_t displacement = 192 - 128 - 7;
    std::memcpy(function.data() + 3, &displacement, 4);
    fixture.Put(128, function.data(), function.size());
    const std::int64_t data = 41;
    fixture.Put(192, &data, sizeof data);
    const void* target = fixture.Bytes() + 128;
    fixture.Put(64, &target, sizeof target);
    ASSERT_EQ(fixture.Call()(), 42);
    ASSERT_EQ(fixture.Call(8)(), 7);

    patch::EntryPatch patch;
    ASSERT_NE(patch.PatchAddress(fixture.Bytes(), Address(&PlusHundred), original), nullptr);
    EXPECT_EQ(patch.PatchedAddress(), target);
    EXPECT_EQ(fixture.Call()(), 142);
    EXPECT_EQ(fixture.Call(128)(), 142);
    EXPECT_EQ(std::vector<std::uint8_t>(fixture.Bytes(), fixture.Bytes() + code.size()), code);
    EXPECT_EQ(fixture.Call(8)(), 7);
}

// VirtualProtect that refuses to make code read-execute, within a range,
// while told to.
std::atomic<void*> systemProtect{nullptr};
std::atomic<bool> refuseReadExecute{false};
std::atomic<std::uintptr_t> refuseFrom{0}, refuseTo{0};
BOOL WINAPI RefusingVirtualProtect(LPVOID address, SIZE_T size, DWORD protection, PDWORD old) {
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    if (refuseReadExecute && protection == PAGE_EXECUTE_READ && at >= refuseFrom && at < refuseTo) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    using Protect = BOOL(WINAPI*)(LPVOID, SIZE_T, DWORD, PDWORD);
    return reinterpret_cast<Protect>(systemProtect.load())(address, size, protection, old);
}

TEST(EntryPatchTest, RefusesAPatchWhoseCodeCannotBeMadeReadExecute) {
    patch::EntryPatch protectPatch;
    ASSERT_NE(protectPatch.Patch("kernel32.dll", "VirtualProtect", reinterpret_cast<void*>(&RefusingVirtualProtect),
                                 systemProtect),
              nullptr);
    CodeFixture fixture(DataPlusOne(), 41);
    DWORD old = 0;
    ASSERT_TRUE(VirtualProtect(fixture.Bytes(), 4096, PAGE_EXECUTE_READ, &old));
    const std::vector<std::uint8_t> before(fixture.Bytes(), fixture.Bytes() + 15);
    const auto unchanged = [&] { return std::vector<std::uint8_t>(fixture.Bytes(), fixture.Bytes() + 15) == before; };
    patch::EntryPatch patch;

    // The trampoline cannot be made read-execute.
    refuseFrom = 0;
    refuseTo = UINTPTR_MAX;
    refuseReadExecute = true;
    EXPECT_EQ(patch.PatchAddress(fixture.Bytes(), Address(&PlusHundred), original), nullptr);
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(patch.PatchedAddress(), nullptr);

    // The entry cannot be made read-execute again once the jump is written.
    refuseFrom = reinterpret_cast<std::uintptr_t>(fixture.Bytes());
    refuseTo = refuseFrom + 4096;
    EXPECT_EQ(patch.PatchAddress(fixture.Bytes(), Address(&PlusHundred), original), nullptr);
    refuseReadExecute = false;
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(patch.PatchedAddress(), nullptr);
    EXPECT_EQ(fixture.Call()(), 42);

    // Refusing nothing, the same patch is made.
    EXPECT_NE(patch.PatchAddress(fixture.Bytes(), Address(&PlusHundred), original), nullptr);
    EXPECT_EQ(fixture.Call()(), 142);
}

TEST(EntryPatchTest, RefusesAnEntryItCannotMoveAndChangesNothing) {
    // sub rsp, 0x28; call rel32; add rsp, 0x28; ret — the call lies in the
    // bytes the jump would cover, and its target would move with it.
    const std::vector<std::uint8_t> code = {0x48, 0x83, 0xEC, 0x28, 0xE8, 0, 0, 0, 0, 0x48, 0x83, 0xC4, 0x28, 0xC3};
    CodeFixture fixture(code);
    std::atomic<void*> place{nullptr};
    patch::EntryPatch patch;
    EXPECT_EQ(patch.PatchAddress(fixture.Bytes(), Address(&PlusHundred), place), nullptr);
    EXPECT_EQ(std::vector<std::uint8_t>(fixture.Bytes(), fixture.Bytes() + code.size()), code);
    EXPECT_EQ(patch.PatchedAddress(), nullptr);
    EXPECT_EQ(place.load(), nullptr);
    // A function that is not there at all.
    EXPECT_EQ(patch.Patch("gdi32.dll", "NoSuchFunctionAnywhere", Address(&PlusHundred), place), nullptr);
}

// Two 32 x 32 memory bitmaps: a red source and a white destination.
class BlitTest : public ::testing::Test {
protected:
    // A bitmap filled with one colour, selected into a DC of its own.
    struct Surface {
        explicit Surface(COLORREF colour) : bitmap(CreateCompatibleBitmap(win::WindowDC().Get(), 32, 32)) {
            dc.Select(bitmap.Get());
            const win::OwnedBrush brush(CreateSolidBrush(colour));
            const RECT all = {0, 0, 32, 32};
            FillRect(dc.Get(), &all, brush.Get());
        }
        win::OwnedBitmap bitmap;  // before the DC, which lets go of it first
        win::MemoryDC dc;
    };
    void Whiten() {
        const RECT all = {0, 0, 32, 32};
        FillRect(destination_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    BOOL Blit(int size) {
        return GdiTransparentBlt(destination_, 0, 0, size, size, source_, 0, 0, size, size, RGB(0, 255, 0));
    }
    Surface sourceSurface_{RGB(255, 0, 0)}, destinationSurface_{RGB(255, 255, 255)};
    HDC source_ = sourceSurface_.dc.Get(), destination_ = destinationSurface_.dc.Get();
};

TEST_F(BlitTest, FilterDrops16By16BlitsAndPassesOthersToTheSystem) {
    patch::EntryPatch patch;
    ASSERT_TRUE(app::InstallTransparentBltFilter(patch));
    EXPECT_EQ(Blit(16), TRUE);
    EXPECT_EQ(GetPixel(destination_, 5, 5), RGB(255, 255, 255));  // nothing drawn

    // Through msimg32's TransparentBlt too, which forwards to gdi32.
    using Msimg = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);
    HMODULE msimg32 = LoadLibraryExW(L"msimg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    ASSERT_NE(msimg32, nullptr);
    const auto transparentBlt = reinterpret_cast<Msimg>(reinterpret_cast<void*>(GetProcAddress(msimg32, "TransparentBlt")));
    ASSERT_NE(transparentBlt, nullptr);
    EXPECT_EQ(transparentBlt(destination_, 0, 0, 16, 16, source_, 0, 0, 16, 16, RGB(0, 255, 0)), TRUE);
    EXPECT_EQ(GetPixel(destination_, 5, 5), RGB(255, 255, 255));

    // Any other size reaches the system's own function.
    EXPECT_EQ(Blit(32), TRUE);
    EXPECT_EQ(GetPixel(destination_, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(destination_, 31, 31), RGB(255, 0, 0));

    // Undone, 16 x 16 draws again: it was the filter that held it back.
    patch.Undo();
    Whiten();
    EXPECT_EQ(Blit(16), TRUE);
    EXPECT_EQ(GetPixel(destination_, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(destination_, 20, 20), RGB(255, 255, 255));
    FreeLibrary(msimg32);
}

TEST_F(MainWindowTest, InstallsTheTransparentBltFilterAtCreation) {
    const void* entry = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"gdi32.dll"), "GdiTransparentBlt"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(utilities_.entryPatch.PatchedAddress(), entry);
}

}  // namespace
