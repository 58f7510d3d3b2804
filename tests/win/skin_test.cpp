// The skin: the engine the program carries, written beside it and loaded
// from there by its full path; the program's number attaching stored skin
// 4; and the skinned windows as they are drawn on the screen.
#include <gtest/gtest.h>

#include <string>

#include "app/core/skin_file.h"
#include "app/core/skin_table.h"
#include "app/skin.h"
#include "tests/win/test_support.h"
#include "ui/buttons.h"
#include "ui/edit_box.h"
#include "ui/label.h"
#include "util/program_files.h"

namespace {

using testing_support::PumpUntil;
using testing_support::ScreenPixel;

COLORREF Ref(std::uint32_t colour) { return static_cast<COLORREF>(colour & 0xFFFFFF); }

bool IsSkinFourCaption(COLORREF c) {
    const core::SkinStyle four = core::SkinFromSeed(core::StoredSkinSeed(4));
    return c == Ref(four.colours[core::kSkinCaption]) || c == Ref(four.colours[core::kSkinCaptionIdle]);
}

// Waits until the pixel of `window`'s caption bar right of the title and
// left of the caption buttons has skin 4's caption colour (active or not);
// gives what it has.
COLORREF CaptionColourOf(HWND window, DWORD timeoutMs) {
    RECT w;
    GetWindowRect(window, &w);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    const POINT caption = {w.left + (w.right - w.left) * 3 / 5, w.top + (origin.x - w.left) + 3};
    COLORREF seen = 0;
    PumpUntil(
        [&] {
            seen = ScreenPixel(caption.x, caption.y);
            return IsSkinFourCaption(seen);
        },
        timeoutMs);
    return seen;
}

class SkinTest : public testing_support::MainWindowTest {
protected:
    std::string Attached() {
        const app::SkinEngine* engine = app::LoadSkinEngine();
        if (!engine) return {};
        std::string bytes(static_cast<std::size_t>(engine->copyAttached(nullptr, 0)), '\0');
        engine->copyAttached(bytes.data(), static_cast<int>(bytes.size()));
        return bytes;
    }
    bool Attach(int stored) {
        const std::string_view bytes = app::StoredSkinBytes(stored);
        return app::LoadSkinEngine()->attach(bytes.data(), static_cast<int>(bytes.size()), "", 1, 1, 1) == 1;
    }
    // Waits until the screen pixel at (x, y) has `colour`; gives what it has.
    COLORREF PixelBecomes(int x, int y, std::uint32_t colour) {
        COLORREF seen = 0;
        PumpUntil([&] { return (seen = ScreenPixel(x, y)) == Ref(colour); }, 3000);
        return seen;
    }
    POINT Inside(HWND control, int dx, int dy) {
        RECT r;
        GetWindowRect(control, &r);
        return {dx >= 0 ? r.left + dx : r.right + dx, dy >= 0 ? r.top + dy : r.bottom + dy};
    }
};

TEST_F(SkinTest, TheProgramWearsStoredSkinFourFromTheEngineBesideIt) {
    const app::SkinEngine* engine = app::LoadSkinEngine();
    ASSERT_NE(engine, nullptr);
    // Attached when the window was made: number 35 is stored skin 4, whose
    // resource holds what the skin table makes.
    EXPECT_EQ(Attached(), std::string(app::StoredSkinBytes(4)));
    EXPECT_EQ(Attached(), core::StoredSkinFile(4));
    EXPECT_FALSE(app::StoredSkinBytes(core::kStoredSkinCount).empty());
    EXPECT_TRUE(app::StoredSkinBytes(core::kStoredSkinCount + 1).empty());

    // Numbers without a skin attach nothing (the skin stays), but the
    // filter is installed all the same.
    for (int number : {0, 78, -5}) {
        utilities_.entryPatch.Undo();
        EXPECT_EQ(app::ApplySkin(number, utilities_.entryPatch), 0) << number;
        EXPECT_NE(utilities_.entryPatch.PatchedAddress(), nullptr) << number;
        EXPECT_EQ(Attached(), core::StoredSkinFile(4)) << number;
    }
    EXPECT_EQ(app::ApplySkin(16, utilities_.entryPatch), 6);
    EXPECT_EQ(Attached(), core::StoredSkinFile(6));

    // Beside the program, loaded from there; nothing in the system folder.
    EXPECT_EQ(engine->path, util::ProgramDirectory() + L"\\TavrinSkin.dll");
    HMODULE module = GetModuleHandleW(engine->path.c_str());
    ASSERT_NE(module, nullptr);
    wchar_t loaded[MAX_PATH] = {};
    GetModuleFileNameW(module, loaded, MAX_PATH);
    EXPECT_EQ(lstrcmpiW(loaded, engine->path.c_str()), 0);
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(GetFileAttributesW((std::wstring(system) + L"\\TavrinSkin.dll").c_str()), INVALID_FILE_ATTRIBUTES);

    // Bytes that are no skin, and a password, are refused.
    EXPECT_EQ(engine->attach("not a skin", 10, "", 1, 1, 1), 0);
    const std::string_view four = app::StoredSkinBytes(4);
    EXPECT_EQ(engine->attach(four.data(), static_cast<int>(four.size()), "secret", 1, 1, 1), 0);
    EXPECT_EQ(Attached(), core::StoredSkinFile(6));
}

// The caption bar, a push button and a check box are drawn in the skin,
// not in the system's colours; a dark skin recolours the page and the
// boxes the program left at their defaults, and keeps a colour it chose.
TEST_F(SkinTest, CaptionButtonsAndPagesAreDrawnInTheSkin) {
    const core::SkinStyle four = core::SkinFromSeed(core::StoredSkinSeed(4));
    const COLORREF seen = CaptionColourOf(Window().Handle(), 3000);
    EXPECT_TRUE(IsSkinFourCaption(seen)) << std::hex << seen;
    EXPECT_NE(seen, GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_NE(seen, GetSysColor(COLOR_INACTIVECAPTION));

    HWND button = Get<ui::Button>("按钮_窗口句柄").Handle();
    const POINT face = Inside(button, 4, 10);
    EXPECT_EQ(PixelBecomes(face.x, face.y, four.colours[core::kSkinButton]), Ref(four.colours[core::kSkinButton]));
    ASSERT_NE(Ref(four.colours[core::kSkinButton]), GetSysColor(COLOR_BTNFACE));

    // An unticked check box: the inside of its square is the box colour.
    HWND check = Get<ui::CheckBox>("选择框_透明").Handle();
    RECT c;
    GetWindowRect(check, &c);
    const int size = MulDiv(four.metrics[core::kSkinCheckSize], static_cast<int>(GetDpiForWindow(check)), 96);
    const POINT square = {c.left + size / 2, (c.top + c.bottom) / 2};
    EXPECT_EQ(PixelBecomes(square.x, square.y, four.colours[core::kSkinEdit]), Ref(four.colours[core::kSkinEdit]));

    // A dark skin: the label's page-coloured background, the tab strip's
    // page and a white box follow it; the status box's chosen text colour
    // is not a default, so nothing about it says black.
    const int dark = 54;
    const core::SkinStyle night = core::SkinFromSeed(core::StoredSkinSeed(dark));
    ASSERT_LT(core::Lightness(night.colours[core::kSkinWindow]), 80);
    ASSERT_TRUE(Attach(dark));
    auto& label = Get<ui::Label>("标签_鼠标位置_X");
    const POINT labelSpot = Inside(label.Handle(), 1, 1);
    EXPECT_EQ(PixelBecomes(labelSpot.x, labelSpot.y, night.colours[core::kSkinWindow]),
              Ref(night.colours[core::kSkinWindow]));
    const POINT box = Inside(Get<ui::EditBox>("编辑框_窗口标题").Handle(), -4, 4);
    EXPECT_EQ(PixelBecomes(box.x, box.y, night.colours[core::kSkinEdit]), Ref(night.colours[core::kSkinEdit]));
    const POINT knob = Inside(button, 4, 10);
    EXPECT_EQ(PixelBecomes(knob.x, knob.y, night.colours[core::kSkinButton]),
              Ref(night.colours[core::kSkinButton]));
}

// A second copy of the program started while this one holds the engine
// open: it shares the identical file and starts skinned.
TEST(SkinProgram, ASecondInstanceStartsSkinned) {
    testing_support::FixtureProcess first(L"", L"Tavrin.exe");
    ASSERT_NE(first.Window(L"TavrinForm"), nullptr);
    testing_support::FixtureProcess second(L"", L"Tavrin.exe");
    HWND main = second.Window(L"TavrinForm");
    ASSERT_NE(main, nullptr);
    SetForegroundWindow(main);
    const COLORREF seen = CaptionColourOf(main, 5000);
    EXPECT_TRUE(IsSkinFourCaption(seen)) << std::hex << seen;
}

}  // namespace
