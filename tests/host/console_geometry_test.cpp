#include <gtest/gtest.h>

#include "console/console_texts.h"
#include "console/window_geometry.h"

namespace {

TEST(MainCaption, JoinsCaptionVersionAndWindowsNameAndTrims) {
    EXPECT_EQ(MainCaption("Windows 11"), "Lumivo Console - v1.19 - Windows 11");
    EXPECT_EQ(MainCaption(""), "Lumivo Console - v1.19 -");
    EXPECT_EQ(MainCaption("Windows 8  "), "Lumivo Console - v1.19 - Windows 8");
    EXPECT_EQ(ConsoleTitle(), "Lumivo Console - v1.19");
}

TEST(GeometryToRestore, NothingStoredKeepsTheCreationPlace) {
    EXPECT_FALSE(GeometryToRestore(DialogRect{0, 0, 0, 0}));
    EXPECT_EQ(GeometryToRestore(DialogRect{0, 0, 300, 200}), (DialogRect{0, 0, 300, 200}));
    EXPECT_EQ(GeometryToRestore(DialogRect{-20, 5, 0, 0}), (DialogRect{-20, 5, 0, 0}));
}

TEST(StoredGeometryInPixels, ReadsTheUnitsOfTheScreenTheyPutTheWindowOn) {
    // The primary screen at 100 % scale, a second one at its right at 150 %.
    const std::vector<ScaledScreen> screens{{{0, 0, 1920, 1080}, {6, 13}},
                                            {{1920, 0, 4800, 1620}, {9, 20}}};
    EXPECT_EQ(StoredGeometryInPixels(DialogRect{100, 40, 400, 240}, screens),
              (PixelRect{150, 65, 750, 455}));
    // 1400 units are 2100 pixels at 100 %, off the primary screen: stored on the second, where
    // they are 3150.
    EXPECT_EQ(StoredGeometryInPixels(DialogRect{1400, 40, 400, 240}, screens),
              (PixelRect{3150, 100, 4050, 700}));
    // Off every screen: the primary screen's units.
    EXPECT_EQ(StoredGeometryInPixels(DialogRect{-4000, 40, 400, 240}, screens),
              (PixelRect{-6000, 65, -5400, 455}));
}

const std::vector<PixelRect> TwoMonitors{{0, 0, 1024, 738}, {1024, 0, 2304, 1024}};

TEST(BroughtIntoView, AWindowTouchingAnyWorkAreaStaysWhereItIs) {
    const PixelRect partly{-600, -100, 100, 400};
    EXPECT_EQ(BroughtIntoView(partly, TwoMonitors), partly);
    const PixelRect onSecond{2000, 900, 2700, 1400};
    EXPECT_EQ(BroughtIntoView(onSecond, TwoMonitors), onSecond);
}

TEST(BroughtIntoView, AWindowOutsideEveryWorkAreaMovesIntoTheNearestKeepingItsSize) {
    // Left of the first monitor: moved to its left edge.
    EXPECT_EQ(BroughtIntoView(PixelRect{-3000, 100, -2300, 560}, TwoMonitors),
              (PixelRect{0, 100, 700, 560}));
    // Far below and right of the second: moved into its bottom right corner.
    EXPECT_EQ(BroughtIntoView(PixelRect{5000, 3000, 5700, 3460}, TwoMonitors),
              (PixelRect{1604, 564, 2304, 1024}));
    // Below the first monitor's work area (over its taskbar and beyond): moved up into it.
    EXPECT_EQ(
        BroughtIntoView(PixelRect{100, 800, 800, 1260}, std::vector<PixelRect>{TwoMonitors[0]}),
        (PixelRect{100, 278, 800, 738}));
}

TEST(BroughtIntoView, AWindowLargerThanTheWorkAreaShowsItsTopLeftCorner) {
    EXPECT_EQ(BroughtIntoView(PixelRect{-3000, -3000, -1000, -1500}, TwoMonitors),
              (PixelRect{0, 0, 2000, 1500}));
    EXPECT_EQ(BroughtIntoView(PixelRect{5, 5, 10, 10}, {}), (PixelRect{5, 5, 10, 10}));
}

}  // namespace
