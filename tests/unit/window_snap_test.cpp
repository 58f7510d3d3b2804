#include "capture/core/selection_state.h"
#include "capture/core/window_snap.h"

#include <gtest/gtest.h>

namespace {

using namespace base;
using namespace capture::core;
namespace {

// A virtual screen with monitors left of and above the primary one.
const Rect kScreen{-1280, -200, 1920, 1080};

// Top-level windows topmost first, children after their parents.
std::vector<SnapWindow> Desktop() {
    return {
        // 0: a dialog on the left monitor: caption and frame around its
        // client area.
        {{-600, 100, -200, 400}, {-596, 130, -204, 396}, -1},
        // 1: a group box, above the radio button drawn inside it.
        {{-580, 150, -400, 250}, {-580, 150, -400, 250}, 0},
        // 2: the radio button.
        {{-570, 170, -470, 194}, {-570, 170, -470, 194}, 0},
        // 3: a framed panel, 4: an edit in it that reaches past its client
        // area and past the panel itself.
        {{-380, 150, -220, 300}, {-378, 152, -222, 298}, 0},
        {{-300, 160, -150, 184}, {-300, 160, -150, 184}, 3},
        // 5: an editor window whose edit (6) fills its client area.
        {{100, 100, 500, 400}, {104, 130, 496, 396}, -1},
        {{104, 130, 496, 396}, {104, 130, 496, 396}, 5},
        // 7: a small window beneath the editor, all of it under the editor.
        {{150, 150, 200, 170}, {150, 150, 200, 170}, -1},
        // 8: a frameless window running off the screen's bottom-right.
        {{1800, 1000, 2100, 1200}, {1800, 1000, 2100, 1200}, -1},
    };
}

TEST(WindowSnap, LevelsFromTheTopLevelWindowDownToTheDeepestVisibleChild) {
    const WindowSnap snap(Desktop(), kScreen);
    const Rect dialog{-600, 100, -200, 400}, dialogClient{-596, 130, -204, 396};
    const Rect panel{-380, 150, -220, 300};
    struct Case {
        const char* what;
        Point at;
        std::vector<Rect> levels;
    } cases[] = {
        {"a radio button beneath the group box around it", {-560, 180}, {dialog, dialogClient, {-570, 170, -470, 194}}},
        {"a client area off any control", {-590, 140}, {dialog, dialogClient}},
        {"a caption", {-590, 110}, {dialog}},
        {"an edit clipped to the panel's client area", {-250, 170},
         {dialog, dialogClient, panel, {-300, 160, -222, 184}}},
        {"the edit past the panel: not shown there", {-210, 170}, {dialog, dialogClient}},
        {"an edit filling the client area: one level for both", {200, 200}, {{100, 100, 500, 400}, {104, 130, 496, 396}}},
        {"a small window beneath the editor: the topmost wins", {160, 160}, {{100, 100, 500, 400}, {104, 130, 496, 396}}},
        {"a window clipped to the screen", {1900, 1050}, {{1800, 1000, 1920, 1080}}},
    };
    for (const Case& c : cases) {
        const std::vector<Rect> levels = snap.LevelsAt(c.at);
        ASSERT_EQ(levels.size(), c.levels.size()) << c.what;
        for (std::size_t i = 0; i < levels.size(); ++i) EXPECT_EQ(levels[i], c.levels[i]) << c.what << ", level " << i;
    }
}

TEST(WindowSnap, StepsOutAndInAndAMoveStartsAgainAtTheDeepest) {
    WindowSnap snap(Desktop(), kScreen);
    const Rect radio{-570, 170, -470, 194}, client{-596, 130, -204, 396}, dialog{-600, 100, -200, 400};
    EXPECT_FALSE(snap.Shown().has_value());
    EXPECT_TRUE(snap.Hover({-560, 180}));
    EXPECT_EQ(snap.Shown(), radio);
    EXPECT_FALSE(snap.StepIn());  // the deepest already
    EXPECT_TRUE(snap.StepOut());
    EXPECT_EQ(snap.Shown(), client);
    EXPECT_TRUE(snap.StepOut());
    EXPECT_EQ(snap.Shown(), dialog);
    EXPECT_FALSE(snap.StepOut());  // the top-level window
    EXPECT_EQ(snap.Shown(), dialog);
    EXPECT_TRUE(snap.StepIn());
    EXPECT_EQ(snap.Shown(), client);
    // The cursor reported again where it is keeps the step.
    EXPECT_FALSE(snap.Hover({-560, 180}));
    EXPECT_EQ(snap.Shown(), client);
    // Moved, within the same button: the deepest again.
    EXPECT_TRUE(snap.Hover({-559, 181}));
    EXPECT_EQ(snap.Shown(), radio);
    // Where no window is, nothing is shown and nothing steps.
    EXPECT_TRUE(snap.Hover({-1200, -150}));
    EXPECT_FALSE(snap.Shown().has_value());
    EXPECT_FALSE(snap.StepOut());
    EXPECT_FALSE(snap.StepIn());
}

TEST(SelectionState, AClickTakesTheOfferedRectangleAndADragWins) {
    const Rect button{-570, 170, -470, 194};
    // Pressed, moved within the drag distance, released: the offer.
    SelectionState click;
    click.SetDragThreshold(4, 4);
    click.Offer(button);
    EXPECT_EQ(click.Selected(), button);  // shown before any press
    click.Press({-560, 180});
    EXPECT_TRUE(click.Pressed());
    EXPECT_FALSE(click.Dragging());
    EXPECT_FALSE(click.Move({-556, 176}));  // 4 pixels each way: not yet a drag
    click.Offer(Rect{0, 0, 10, 10});        // the cursor over another window meanwhile
    click.Release();
    EXPECT_TRUE(click.Done());
    EXPECT_EQ(click.Selected(), button);
    EXPECT_TRUE(click.CanSave());
    click.Offer(Rect{0, 0, 10, 10});  // fixed: offers change nothing
    EXPECT_EQ(click.Selected(), button);

    // One pixel further is a drag from the press point.
    SelectionState drag;
    drag.SetDragThreshold(4, 4);
    drag.Offer(button);
    drag.Press({-560, 180});
    EXPECT_TRUE(drag.Move({-560, 185}));
    EXPECT_TRUE(drag.Dragging());
    EXPECT_EQ(drag.Selected(), (Rect{-560, 180, -560, 185}));
    EXPECT_TRUE(drag.Move({-500, 220}));
    drag.Release();
    EXPECT_EQ(drag.Selected(), (Rect{-560, 180, -500, 220}));

    // Nothing offered: a press is a drag at once, however small.
    SelectionState bare;
    bare.SetDragThreshold(4, 4);
    bare.Offer(std::nullopt);
    bare.Press({50, 50});
    EXPECT_TRUE(bare.Dragging());
    EXPECT_TRUE(bare.Move({52, 51}));
    bare.Release();
    EXPECT_EQ(bare.Selected(), (Rect{50, 50, 52, 51}));
}

}  // namespace
}  // namespace
