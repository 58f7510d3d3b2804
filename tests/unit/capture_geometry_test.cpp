#include "capture/core/capture_geometry.h"
#include "capture/core/selection_state.h"

#include <gtest/gtest.h>

namespace {

using namespace base;
using namespace capture::core;
using namespace imaging::core;
namespace {

// One monitor; two side by side; one left of and one above the primary
// (negative coordinates).
const std::vector<Rect> kOne = {{0, 0, 1280, 1024}};
const std::vector<Rect> kTwo = {{0, 0, 1280, 1024}, {1280, 0, 2560, 1024}};
const std::vector<Rect> kLeftAbove = {{0, 0, 1920, 1080}, {-1280, -200, 0, 824}, {0, -1080, 1920, 0}};

TEST(CaptureGeometry, TheLensStaysOnTheCursorsMonitorAndJumpsWithinIt) {
    struct Step {
        int x, y;
        std::size_t monitor;
        LensSide side;
        Point topLeft;
    };
    struct Case {
        const char* what;
        const std::vector<Rect>* monitors;
        std::vector<Step> steps;
    } cases[] = {
        {"one monitor", &kOne,
         {{500, 500, 0, LensSide::Left, {0, 883}},
          {87, 500, 0, LensSide::Right, {1192, 883}},   // into the leftmost 88 pixels
          {88, 500, 0, LensSide::Right, {1192, 883}},   // stays while the cursor is far from it
          {1104, 500, 0, LensSide::Right, {1192, 883}},  // one lens width left of it: still right
          {1105, 500, 0, LensSide::Left, {0, 883}}}},    // within one lens width: back left
        {"second monitor to the right", &kTwo,
         {{1300, 10, 1, LensSide::Right, {2472, 883}},  // its leftmost 88 pixels
          {2000, 10, 1, LensSide::Right, {2472, 883}},
          {2400, 10, 1, LensSide::Left, {1280, 883}},
          {1200, 10, 0, LensSide::Left, {0, 883}}}},
        {"monitors left of and above the primary", &kLeftAbove,
         {{-1250, 300, 1, LensSide::Right, {-88, 683}},
          {-500, 300, 1, LensSide::Right, {-88, 683}},
          {-100, 300, 1, LensSide::Left, {-1280, 683}},
          {900, -500, 2, LensSide::Left, {0, -141}},
          {10, -500, 2, LensSide::Right, {1832, -141}},
          {10, 500, 0, LensSide::Right, {1832, 939}}}},  // another monitor: starts again, then jumps
    };
    for (const Case& c : cases) {
        std::optional<LensPlace> place;
        for (const Step& s : c.steps) {
            place = NextLensPlace(*c.monitors, place, {s.x, s.y});
            EXPECT_EQ(place->monitor, s.monitor) << c.what << " at " << s.x << "," << s.y;
            EXPECT_EQ(place->side, s.side) << c.what << " at " << s.x << "," << s.y;
            EXPECT_EQ(place->topLeft.x, s.topLeft.x) << c.what << " at " << s.x << "," << s.y;
            EXPECT_EQ(place->topLeft.y, s.topLeft.y) << c.what << " at " << s.x << "," << s.y;
        }
    }
    // A cursor in a gap between monitors belongs to the nearest.
    EXPECT_EQ(MonitorOf({{0, 0, 100, 100}, {200, 0, 300, 100}}, {180, 50}), 1u);
    EXPECT_EQ(MonitorOf({}, {5, 5}), 0u);
}

TEST(CaptureGeometry, SelectionsWhicheverWayTheyWereDraggedAndTheirNudges) {
    const Rect down = SelectedRect({100, 100}, {220, 145});
    EXPECT_EQ(down, (Rect{100, 100, 220, 145}));
    EXPECT_EQ(SelectedRect({220, 145}, {100, 100}), down);
    EXPECT_EQ(SelectedRect({220, 100}, {100, 145}), down);
    EXPECT_EQ(SelectedRect({-50, -20}, {-10, 30}), (Rect{-50, -20, -10, 30}));
    EXPECT_EQ(SizeLabel({100, 100}, {220, 145}), "x:120 y:45");
    EXPECT_EQ(SizeLabel({220, 145}, {100, 100}), "x:120 y:45");
    EXPECT_EQ(SizeLabel({-1280, 0}, {-1, -3}), "x:1279 y:3");

    const Rect screen{-1280, -200, 1920, 1080};
    EXPECT_EQ(Nudged(down, 3, 0, screen), (Rect{103, 100, 223, 145}));
    EXPECT_EQ(Nudged(down, 0, -1, screen), (Rect{100, 99, 220, 144}));
    EXPECT_EQ(Nudged({-1280, -200, -1200, -150}, -1, -1, screen), (Rect{-1280, -200, -1200, -150}));  // at the edge
    EXPECT_EQ(Nudged({1900, 1000, 1920, 1080}, 1, 1, screen), (Rect{1900, 1000, 1920, 1080}));

    EXPECT_EQ(LensSource({500, 400}), (Rect{481, 381, 521, 421}));
}

TEST(SelectionState, DragReleaseNudgeAndTheInsideTest) {
    SelectionState s;
    EXPECT_FALSE(s.CanSave());  // a double click before any drag saves nothing
    s.Press({220, 145});
    EXPECT_TRUE(s.Move({100, 100}));  // dragged up and to the left
    EXPECT_FALSE(s.Move({100, 100}));
    EXPECT_EQ(s.Label(), "x:120 y:45");
    s.Release();
    EXPECT_EQ(s.Selected(), (Rect{100, 100, 220, 145}));
    EXPECT_TRUE(s.CanSave());
    // Fixed: a new press and moves change nothing.
    s.Press({10, 10});
    EXPECT_FALSE(s.Move({500, 500}));
    EXPECT_EQ(s.Selected(), (Rect{100, 100, 220, 145}));
    const Rect screen{0, 0, 1280, 1024};
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(s.Nudge(1, 0, screen));
    EXPECT_EQ(s.Selected(), (Rect{103, 100, 223, 145}));
    EXPECT_EQ(s.Label(), "x:120 y:45");
    EXPECT_TRUE(s.Inside({104, 101}));
    EXPECT_FALSE(s.Inside({103, 120}));  // on the edge is outside
    EXPECT_FALSE(s.Inside({300, 120}));

    SelectionState click;  // a press and release without a move
    click.Press({50, 50});
    click.Release();
    EXPECT_FALSE(click.CanSave());
    SelectionState corner;
    corner.Press({1270, 1014});
    corner.Move({1280, 1024});
    corner.Release();
    EXPECT_FALSE(corner.Nudge(1, 1, screen));  // kept on the screen
}

TEST(CaptureGeometry, SaveDialogFormats) {
    EXPECT_EQ(CaptureSaveFilter(), "BMP位图(*.bmp)|*.bmp|JPEG图片(*.jpg)|*.jpg|PNG图片(*.png)|*.png");
    EXPECT_EQ(FormatOfFilterIndex(1), ImageFormat::Bmp);
    EXPECT_EQ(FormatOfFilterIndex(2), ImageFormat::Jpeg);
    EXPECT_EQ(FormatOfFilterIndex(3), ImageFormat::Png);
    EXPECT_EQ(FormatOfFilterIndex(0), ImageFormat::Bmp);
    EXPECT_EQ(FormatOfFileName("a.BMP"), ImageFormat::Bmp);
    EXPECT_EQ(FormatOfFileName("C:\\x\\shot.Jpeg"), ImageFormat::Jpeg);
    EXPECT_EQ(FormatOfFileName("s.jpg"), ImageFormat::Jpeg);
    EXPECT_EQ(FormatOfFileName("s.png"), ImageFormat::Png);
    EXPECT_FALSE(FormatOfFileName("s.gif").has_value());
    EXPECT_FALSE(FormatOfFileName("png").has_value());
    EXPECT_EQ(ExtensionOf(ImageFormat::Jpeg), "jpg");
}

}  // namespace
}  // namespace

// Corners a hostile window can report: the distances do not wrap.
TEST(Geometry, RectanglesWithFarCornersMeasureWithoutWrapping) {
    const base::Rect whole{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    EXPECT_EQ(whole.Width(), INT32_MAX);
    EXPECT_EQ(whole.Height(), INT32_MAX);
    EXPECT_EQ(whole.Area(), INT64_MAX);
    EXPECT_EQ((base::Rect{INT32_MIN, 0, INT32_MAX, 2}.Area()), ((std::int64_t{1} << 32) - 1) * 2);
    const base::Rect backwards{INT32_MAX, 0, INT32_MIN, 10};
    EXPECT_EQ(backwards.Width(), INT32_MIN);
    EXPECT_EQ(backwards.Area(), 0);
    EXPECT_EQ((base::Rect{-5, -5, 5, 15}.Width()), 10);
}
