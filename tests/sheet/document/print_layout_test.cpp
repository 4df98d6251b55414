#include "sheet/document/print_layout.h"

#include <gtest/gtest.h>

namespace tl::sheet {
namespace {

// Ten units a byte: an ASCII character 10, a two-byte character 20.
int TenABytes(std::string_view character) {
  return static_cast<int>(character.size()) * 10;
}

TEST(PrintLayout, LinesAreWrappedToTheFrameAndPaged) {
  // Five ASCII characters a line, three lines a page.
  const PageFrame frame{0, 0, 50, 30, 35, 10};
  struct Case {
    std::string text;
    std::vector<PrintedPage> pages;
  };
  const Case cases[] = {
      {"", {{}}},
      {"1+1=2\r\n\r\n\r\n", {{"1+1=2"}}},
      {"123456789", {{"12345", "6789"}}},
      {"总计总计", {{"总计", "总计"}}},
      {"1总计", {{"1总计"}}},
      {"12总计", {{"12总", "计"}}},
      {"a\tb", {{"a    ", "   b"}}},
      {"1\r2\n3\r\n4\r\n5\r\n6\r\n7", {{"1", "2", "3"}, {"4", "5", "6"}, {"7"}}},
      {"\r\n\r\nx", {{"", "", "x"}}},
  };
  for (const Case& c : cases) EXPECT_EQ(LayOutPages(c.text, frame, TenABytes), c.pages) << c.text;
}

TEST(PrintLayout, ACharacterWiderThanTheFrameStandsAlone) {
  const PageFrame narrow{0, 0, 5, 100, 105, 10};
  EXPECT_EQ(LayOutPages("ab", narrow, TenABytes), (std::vector<PrintedPage>{{"a", "b"}}));
}

TEST(PrintLayout, MarginsAreTwoCentimetresFromThePaperEdges) {
  struct Case {
    const char* name;
    Paper paper;
    PageFrame frame;
  };
  const Case cases[] = {
      // A4 at 600 dpi with the printable area 100 pixels in from each edge.
      {"a4", {4960, 7016, 100, 100, 4760, 6816, 600, 600}, {372, 372, 4388, 6444, 6494, 100}},
      // Unknown paper (a metafile): the printable area is the page.
      {"metafile", {0, 0, 0, 0, 1280, 800, 96, 96}, {75, 75, 1205, 725, 733, 16}},
      // A printable area that starts beyond the margin.
      {"wide offset",
       {4960, 7016, 600, 100, 3760, 6816, 600, 600},
       {0, 372, 3760, 6444, 6494, 100}},
  };
  for (const Case& c : cases) {
    const PageFrame f = FrameOf(c.paper, c.frame.lineHeight);
    EXPECT_EQ(f.left, c.frame.left) << c.name;
    EXPECT_EQ(f.top, c.frame.top) << c.name;
    EXPECT_EQ(f.right, c.frame.right) << c.name;
    EXPECT_EQ(f.bottom, c.frame.bottom) << c.name;
    EXPECT_EQ(f.numberTop, c.frame.numberTop) << c.name;
  }
  EXPECT_EQ(PageNumberText(2, 5), "第 2 页，共 5 页");
}

}  // namespace
}  // namespace tl::sheet
