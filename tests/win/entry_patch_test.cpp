// The API-entry patch on functions made for the test and on gdi32's
// GdiTransparentBlt: the filter that drops 16 x 16 blits, the trampoline
// that reaches the original, refusals, and undoing.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "app/transparent_blt_filter.h"
#include "tests/win/test_support.h"
#include "util/entry_patch.h"

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
    Function Call() const { return reinterpret_cast<Function>(reinterpret_cast<void*>(memory_)); }
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

Function original = nullptr;
std::int64_t PlusHundred() { return original() + 100; }
std::int64_t PlusThousand() { return original() + 1000; }

TEST(EntryPatchTest, RelocatesRipRelativeCodeAndPatchingAgainUndoesTheFirst) {
    CodeFixture fixture(DataPlusOne(), 41);
    const std::vector<std::uint8_t> before(fixture.Bytes(), fixture.Bytes() + 15);
    ASSERT_EQ(fixture.Call()(), 42);

    util::EntryPatch patch;
    original = reinterpret_cast<Function>(patch.PatchAddress(fixture.Bytes(), reinterpret_cast<void*>(&PlusHundred)));
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(original(), 42);  // the trampoline reads the same data
    EXPECT_EQ(fixture.Call()(), 142);

    original = reinterpret_cast<Function>(patch.PatchAddress(fixture.Bytes(), reinterpret_cast<void*>(&PlusThousand)));
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(fixture.Call()(), 1042);  // not 1142: the first patch is gone

    patch.Undo();
    EXPECT_EQ(std::vector<std::uint8_t>(fixture.Bytes(), fixture.Bytes() + 15), before);
    EXPECT_EQ(fixture.Call()(), 42);
    EXPECT_EQ(patch.PatchedAddress(), nullptr);
}

TEST(EntryPatchTest, RefusesAnEntryItCannotMoveAndChangesNothing) {
    // sub rsp, 0x28; call rel32; add rsp, 0x28; ret — the call lies in the
    // bytes the jump would cover, and its target would move with it.
    const std::vector<std::uint8_t> code = {0x48, 0x83, 0xEC, 0x28, 0xE8, 0, 0, 0, 0, 0x48, 0x83, 0xC4, 0x28, 0xC3};
    CodeFixture fixture(code);
    util::EntryPatch patch;
    EXPECT_EQ(patch.PatchAddress(fixture.Bytes(), reinterpret_cast<void*>(&PlusHundred)), nullptr);
    EXPECT_EQ(std::vector<std::uint8_t>(fixture.Bytes(), fixture.Bytes() + code.size()), code);
    EXPECT_EQ(patch.PatchedAddress(), nullptr);
    // A function that is not there at all.
    EXPECT_EQ(patch.Patch("gdi32.dll", "NoSuchFunctionAnywhere", reinterpret_cast<void*>(&PlusHundred)), nullptr);
}

// Two 32 x 32 memory bitmaps: a red source and a white destination.
class BlitTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen_ = GetDC(nullptr);
        source_ = Make(RGB(255, 0, 0), sourceBitmap_, sourceOld_);
        destination_ = Make(RGB(255, 255, 255), destinationBitmap_, destinationOld_);
    }
    void TearDown() override {
        Free(source_, sourceBitmap_, sourceOld_);
        Free(destination_, destinationBitmap_, destinationOld_);
        ReleaseDC(nullptr, screen_);
    }
    HDC Make(COLORREF colour, HBITMAP& bitmap, HGDIOBJ& old) {
        HDC dc = CreateCompatibleDC(screen_);
        bitmap = CreateCompatibleBitmap(screen_, 32, 32);
        old = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(colour);
        const RECT all = {0, 0, 32, 32};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        return dc;
    }
    static void Free(HDC dc, HBITMAP bitmap, HGDIOBJ old) {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    void Whiten() {
        const RECT all = {0, 0, 32, 32};
        FillRect(destination_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    BOOL Blit(int size) {
        return GdiTransparentBlt(destination_, 0, 0, size, size, source_, 0, 0, size, size, RGB(0, 255, 0));
    }
    HDC screen_ = nullptr, source_ = nullptr, destination_ = nullptr;
    HBITMAP sourceBitmap_ = nullptr, destinationBitmap_ = nullptr;
    HGDIOBJ sourceOld_ = nullptr, destinationOld_ = nullptr;
};

TEST_F(BlitTest, FilterDrops16By16BlitsAndPassesOthersToTheSystem) {
    util::EntryPatch patch;
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
