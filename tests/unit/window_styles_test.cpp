#include "inspector/core/window_styles.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <stdexcept>

namespace {

using namespace inspector::core;
namespace {

const char* kClasses[] = {"Button", "Edit", "Static", "ListBox", "ComboBox", "SysListView32", "SysTreeView32",
                          "SysTabControl32", "RichEdit20W", "msctls_progress32", "msctls_trackbar32",
                          "msctls_updown32", "msctls_statusbar32", "#32770"};

std::vector<StyleTable> TablesOf(const char* className, bool child) {
    return {WindowStyleTable(child), ClassStyleTable(className)};
}

// The style rebuilt from the flags that hold in it and the bits they leave.
std::uint32_t Reencoded(std::uint32_t style, const std::vector<StyleTable>& tables) {
    std::uint32_t rebuilt = UnnamedBits(style, tables);
    for (const StyleTable& table : tables) {
        for (std::size_t i = 0; i < table.count; ++i) {
            if (Holds(style, table.flags[i])) rebuilt = WithFlag(rebuilt, table.flags[i], true);
        }
    }
    return rebuilt;
}

TEST(WindowStyles, EveryFlagOfEveryClassTurnsOnAndOffAloneAndKeepsTheRest) {
    for (const char* cls : kClasses) {
        const StyleTable table = ClassStyleTable(cls);
        ASSERT_GT(table.count, 0u) << cls;
        std::set<std::string_view> names;
        for (std::size_t i = 0; i < table.count; ++i) {
            const StyleFlag& f = table.flags[i];
            EXPECT_TRUE(names.insert(f.name).second) << cls << " names " << f.name << " twice";
            EXPECT_EQ(f.value & ~f.mask, 0u) << f.name;
            EXPECT_EQ(f.mask & 0xFFFF0000u, 0u) << f.name << ": class styles are the low word";
            const std::uint32_t others = 0x50000000u;  // WS_CHILD | WS_VISIBLE
            const std::uint32_t on = WithFlag(others, f, true);
            EXPECT_TRUE(Holds(on, f)) << f.name;
            EXPECT_EQ(on & 0xFFFF0000u, others) << f.name;
            // The other members of its enumeration no longer hold.
            for (std::size_t k = 0; k < table.count; ++k) {
                const StyleFlag& g = table.flags[k];
                if (k != i && g.mask == f.mask && g.value != f.value) {
                    EXPECT_FALSE(Holds(on, g)) << f.name << " " << g.name;
                }
            }
            if (f.value != 0) {
                EXPECT_EQ(WithFlag(on, f, false), others) << f.name;
                EXPECT_FALSE(Holds(WithFlag(on, f, false), f)) << f.name;
            }
        }
    }
}

TEST(WindowStyles, DecodingAndReencodingGivesEveryValueBackWithItsUnknownBits) {
    std::mt19937 random(12345);
    for (const char* cls : kClasses) {
        for (bool child : {true, false}) {
            const auto tables = TablesOf(cls, child);
            for (int n = 0; n < 2000; ++n) {
                const std::uint32_t style = random();
                EXPECT_EQ(Reencoded(style, tables), style) << cls << " " << HexText(style);
            }
        }
    }
    // A static of kind 0x15 (no member names it) and a button's unnamed bit
    // 0x10 are kept when a flag is turned on.
    const StyleTable statics = ClassStyleTable("static");  // class names compare without case
    ASSERT_GT(statics.count, 0u);
    EXPECT_EQ(UnnamedBits(0x15, {statics}), 0x15u);
    const StyleTable buttons = ClassStyleTable("Button");
    const StyleFlag& flat = buttons.flags[buttons.count - 2];
    ASSERT_EQ(flat.name, "BS_FLAT");
    EXPECT_EQ(WithFlag(0x13, flat, true), 0x8013u);
    EXPECT_EQ(UnnamedBits(0x8013, {buttons}), 0x10u);
}

TEST(WindowStyles, CompositeAndSharedBitsAndUnknownClasses) {
    const StyleTable top = WindowStyleTable(false);
    const StyleTable child = WindowStyleTable(true);
    auto find = [](const StyleTable& t, std::string_view name) -> const StyleFlag& {
        for (std::size_t i = 0; i < t.count; ++i) {
            if (t.flags[i].name == name) return t.flags[i];
        }
        throw std::runtime_error("missing");
    };
    // WS_CAPTION is border and dialog frame: off takes both away.
    const std::uint32_t captioned = WithFlag(0, find(top, "WS_CAPTION"), true);
    EXPECT_TRUE(Holds(captioned, find(top, "WS_BORDER")));
    EXPECT_TRUE(Holds(captioned, find(top, "WS_DLGFRAME")));
    EXPECT_EQ(WithFlag(captioned, find(top, "WS_CAPTION"), false), 0u);
    EXPECT_EQ(WithFlag(0x00800000, find(top, "WS_CAPTION"), false), 0x00800000u);  // not all of it: kept
    // One bit, two names.
    EXPECT_EQ(find(top, "WS_MINIMIZEBOX").value, find(child, "WS_GROUP").value);
    EXPECT_EQ(ClassStyleTable("Notepad").count, 0u);
    EXPECT_EQ(HexText(0x50010000), "0x50010000");
    EXPECT_EQ(HexText(0xFFFFFFFF), "0xFFFFFFFF");
}

}  // namespace
}  // namespace
