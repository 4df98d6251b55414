#include "app/kit/window_geometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace tl::app {
namespace {

constexpr int kW = 1920;
constexpr int kH = 1080;
constexpr int kMax = std::numeric_limits<int>::max();

TEST(WindowGeometry, StartPlacementCheck) {
  const struct {
    Rect r;
    bool fits;
  } cases[] = {
      {{100, 100, 800, 600}, true},
      {{5000, 100, 800, 600}, false},  // left beyond the screen
      {{100, 100, 800, 70}, false},    // lower than 80
      {{100, 10, 300, 600}, false},    // top + width below 355, though fully on screen
      {{-790, 100, 800, 600}, true},   // 10 pixels still on screen
      {{-791, 100, 800, 600}, false},
      {{100, kH - 10, 800, 600}, true},
      {{100, kH - 9, 800, 600}, false},
      {{100, 100, kMax, 600}, true},  // sums past int: stored placements hold any int
      {{kMax, kMax, kMax, kMax}, false},
      {{-kMax, 100, kMax, 600}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StartPlacementFits(c.r, kW, kH), c.fits) << c.r.left << "," << c.r.top;
  Rect d = DefaultPlacement(kW, kH);
  EXPECT_EQ(d.left, 480);
  EXPECT_EQ(d.top, 270);
  EXPECT_EQ(d.width, 960);
  EXPECT_EQ(d.height, 540);
}

TEST(WindowGeometry, CustomPositionNeedsTopPlusWidthAndHeightOf50) {
  EXPECT_FALSE(CustomPositionAcceptable({100, 0, 40, 300}, kW, kH));
  EXPECT_TRUE(CustomPositionAcceptable({100, 0, 50, 300}, kW, kH));
  EXPECT_FALSE(CustomPositionAcceptable({100, 100, 400, 49}, kW, kH));
  EXPECT_TRUE(CustomPositionAcceptable({100, 100, kMax, kMax}, kW, kH));
  EXPECT_FALSE(CustomPositionAcceptable({100, 100, 400, -kMax}, kW, kH));
  EXPECT_TRUE(LayoutRemembers({100, 100, kMax, 400}, kW, kH));
}

TEST(WindowGeometry, EditBoxFillsTheClientAreaAboveTheStatusBar) {
  EXPECT_EQ(EditBoxRect(800, 600, 33).height, 567);
  EXPECT_EQ(EditBoxRect(800, 600, 0).height, 600);
  EXPECT_EQ(EditBoxRect(800, 600, 33).width, 800);
  EXPECT_EQ(EditBoxRect(800, 20, 33).height, 0);  // a window shrunk to its bars
}

TEST(WindowGeometry, ParksAtTheTouchedEdgeAndComesBack) {
  Rect atLeft{0, 200, 600, 400};
  Rect parked = EdgeHideTick(atLeft, 900, 900, 0, kW);
  EXPECT_EQ(parked.left, 5 - 600);
  EXPECT_EQ(ParkedEdge(parked, kW), Edge::Left);
  EXPECT_EQ(EdgeHideTick(atLeft, 900, 900, 3, kW).left, 0);  // hold not run out
  EXPECT_EQ(EdgeHideTick(parked, 2, 300, 0, kW).left, 0);    // the mouse on the strip
  Rect atRight{kW - 600, 200, 600, 400};
  EXPECT_EQ(EdgeHideTick(atRight, 10, 10, 0, kW).left, kW - 5);
  Rect atTop{300, 0, 600, 400};
  EXPECT_EQ(EdgeHideTick(atTop, 10, 900, 0, kW).top, 5 - 400);
  Rect nearLeft{1, 200, 600, 400};
  EXPECT_EQ(EdgeHideTick(nearLeft, 900, 900, 0, kW).left, 1);  // left 1 never parks
}

}  // namespace
}  // namespace tl::app
