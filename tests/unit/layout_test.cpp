// Checks of the window layout tables that need no screen: names, kinds,
// bounds, overlaps, and the lists that start-up applies to named controls.
#include "app/core/main_layout.h"
#include "inspector/core/analysis_layout.h"
#include "inspector/core/field_menus.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

using namespace app::core;
using namespace inspector::core;
using namespace ui::core;
namespace {

bool Overlap(const ControlLayout& a, const ControlLayout& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool HasPrefix(std::string_view name, std::string_view prefix) { return name.substr(0, prefix.size()) == prefix; }

TEST(MainLayout, HasTheThreePagesInTabOrder) {
    const auto& pages = MainWindowPages();
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[kAnalysisPage].caption, "窗口分析");
    EXPECT_EQ(pages[kMessagesPage].caption, "消息|代码");
    EXPECT_EQ(pages[kColourPage].caption, "取点取色");
}

TEST(MainLayout, NamesAreUniqueAndSayTheirKind) {
    const std::map<std::string_view, ControlKind> prefixes = {
        {"按钮_", ControlKind::Button},         {"编辑框_", ControlKind::EditBox},
        {"标签_", ControlKind::Label},          {"选择框_", ControlKind::CheckBox},
        {"单选框_", ControlKind::RadioButton},  {"组合框_", ControlKind::ComboBox},
        {"画板_", ControlKind::DrawingBoard},   {"超级按钮_", ControlKind::SuperButton},
        {"树型框_", ControlKind::TreeBox},      {"通用对话框", ControlKind::FileDialog},
    };
    std::set<std::string_view> seen;
    for (const PageLayout& page : MainWindowPages()) {
        for (const ControlLayout& c : page.controls) {
            EXPECT_TRUE(seen.insert(c.name).second) << "duplicate name " << c.name;
            bool matched = false;
            for (const auto& [prefix, kind] : prefixes) {
                if (HasPrefix(c.name, prefix)) {
                    matched = true;
                    EXPECT_EQ(c.kind, kind) << c.name;
                }
            }
            EXPECT_TRUE(matched) << "name without a kind prefix: " << c.name;
        }
    }
}

TEST(MainLayout, ControlsLieInsideTheirPage) {
    for (const PageLayout& page : MainWindowPages()) {
        for (const ControlLayout& c : page.controls) {
            if (c.kind == ControlKind::FileDialog) continue;
            EXPECT_GT(c.width, 0) << c.name;
            EXPECT_GT(c.height, 0) << c.name;
            EXPECT_GE(c.left, 0) << c.name;
            EXPECT_GE(c.top, 20) << c.name << " covers the tab strip";
            EXPECT_LE(c.left + c.width, kTabWidth) << c.name;
            EXPECT_LE(c.top + c.height, kTabHeight) << c.name;
        }
    }
}

TEST(MainLayout, OnlyFramesAndAlternativesShareSpace) {
    // Controls that share space on purpose: the text box of the second
    // parameter and the true/false box shown instead of it; the pen board,
    // which covers the picker board's bottom three rows (never drawn on).
    const std::set<std::pair<std::string_view, std::string_view>> alternatives = {
        {"编辑框_参数二", "组合框_编辑框_参数二"},
        {"画板_捕获器2", "画板_画笔"},
    };
    for (const PageLayout& page : MainWindowPages()) {
        const auto& controls = page.controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                const ControlLayout& a = controls[i];
                const ControlLayout& b = controls[j];
                if (a.kind == ControlKind::FileDialog || b.kind == ControlKind::FileDialog) continue;
                if ((a.flags & kFrame) || (b.flags & kFrame)) continue;
                if (alternatives.count({a.name, b.name}) || alternatives.count({b.name, a.name})) continue;
                EXPECT_FALSE(Overlap(a, b)) << a.name << " overlaps " << b.name;
            }
        }
    }
}

TEST(MainLayout, FramesLieBehindControlsTheyHold) {
    for (const PageLayout& page : MainWindowPages()) {
        for (const ControlLayout& frame : page.controls) {
            if (!(frame.flags & kFrame)) continue;
            int held = 0;
            for (const ControlLayout& c : page.controls) {
                if (&c != &frame && c.kind != ControlKind::FileDialog && Overlap(frame, c)) ++held;
            }
            EXPECT_GT(held, 0) << frame.name << " frames nothing";
        }
    }
}

TEST(MainLayout, ComboBoxesStartWithAValidSelection) {
    for (const PageLayout& page : MainWindowPages()) {
        for (const ControlLayout& c : page.controls) {
            if (c.kind != ControlKind::ComboBox) continue;
            const auto items = SplitItems(c.caption);
            EXPECT_FALSE(items.empty()) << c.name;
            EXPECT_GE(c.selected, -1) << c.name;
            EXPECT_LT(c.selected, static_cast<int>(items.size())) << c.name;
        }
    }
}

TEST(MainLayout, StartUpFlagsSitOnControlsOfTheirKind) {
    int hand = 0, finders = 0, boards = 0;
    for (const PageLayout& page : MainWindowPages()) {
        for (const ControlLayout& c : page.controls) {
            if (c.flags & kHandCursor) {
                ++hand;
                EXPECT_NE(c.kind, ControlKind::Label) << c.name;
                EXPECT_NE(c.kind, ControlKind::DrawingBoard) << c.name;
                EXPECT_NE(c.kind, ControlKind::EditBox) << c.name;
            }
            if (c.flags & kFinderBoard) {
                ++finders;
                EXPECT_EQ(c.kind, ControlKind::DrawingBoard) << c.name;
                EXPECT_EQ(c.width, 31) << c.name;
                EXPECT_EQ(c.height, 31) << c.name;
            }
            if (c.flags & kOnPageColour) {
                ++boards;
                EXPECT_EQ(c.kind, ControlKind::DrawingBoard) << c.name;
            }
        }
    }
    EXPECT_EQ(hand, 47);
    EXPECT_EQ(finders, 3);
    EXPECT_EQ(boards, 3);
}

TEST(MainLayout, EveryFieldMenuBelongsToAFieldButtonBesideItsBox) {
    const auto& analysis = AnalysisPageLayout();
    std::set<std::string_view> menus;
    for (const FieldMenu& field : kFieldMenus) {
        const ControlLayout* button = FindControl(analysis, field.button.text);
        ASSERT_NE(button, nullptr) << field.button.text;
        EXPECT_TRUE(menus.insert(field.menu).second) << "menu twice: " << field.menu;
        std::set<std::string_view> captions;
        for (std::size_t i = 0; i < field.itemCount; ++i) {
            EXPECT_TRUE(captions.insert(FieldItemCaption(field.items[i])).second) << field.menu;
        }
        if (field.box.text.empty()) continue;
        // The box the items work on is the one on the button's row, right of it.
        const ControlLayout* box = FindControl(analysis, field.box.text);
        ASSERT_NE(box, nullptr) << field.box.text;
        EXPECT_EQ(box->top, button->top) << field.box.text;
        EXPECT_EQ(box->left, button->left + button->width + 4) << field.box.text;
    }
    EXPECT_EQ(menus.size(), 17u);
}

TEST(Layout, SplitsComboItems) {
    EXPECT_TRUE(SplitItems("").empty());
    EXPECT_EQ(SplitItems("a"), (std::vector<std::string_view>{"a"}));
    EXPECT_EQ(SplitItems("a\n\nb"), (std::vector<std::string_view>{"a", "", "b"}));
}

}  // namespace
}  // namespace
