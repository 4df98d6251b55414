#include "sheet/line/line_breaks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>

#include "sheet/seams/memory_edit_box.h"

namespace tl::sheet {
namespace {

TEST(LineBreaks, CountsOfCrAndLfPiecesTellAnInconsistentText) {
  const std::pair<std::string_view, bool> cases[] = {
      {"1+x\r\n", false},                    // CR pieces "1+x", "\n"; LF pieces "1+x\r"
      {"1\r\n2\r\n", false}, {"1+x", true},  // one piece each
      {"1\r\n2", true},                      // a consistent text whose last line has no break
      {"1\n2\r\n", true},                    // a lone LF
      {"1\r2\r\n", true},                    // a lone CR
  };
  for (const auto& [text, inconsistent] : cases) {
    EXPECT_EQ(LineBreaksInconsistent(text), inconsistent) << text;
  }
}

TEST(LineBreaks, RepairMakesEveryBreakCrLfAndTabsSpaces) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"1\n2", "1\r\n2"},   {"1\r2", "12"},           {"1\r\n2\r\n", "1\r\n2\r\n"},
      {"1\t+\t2", "1 + 2"}, {"\n\r\r\n", "\r\n\r\n"},
  };
  for (const auto& [text, repaired] : cases) EXPECT_EQ(RepairLineBreaks(text), repaired);
}

TEST(LineBreaks, LocatesTheCaretByLineAndColumn) {
  struct Case {
    std::string_view text;
    std::size_t caret;
    std::optional<CaretPlace> place;
  };
  const Case cases[] = {
      {"", 0, std::nullopt},
      {"ab\r\ncd", 0, CaretPlace{1, 1}},
      {"ab\r\ncd", 4, CaretPlace{2, 1}},
      {"ab\r\ncd", 2, CaretPlace{1, 3}},  // at the line end the CR counts
      {"ab\r\ncd", 6, CaretPlace{2, 2}},  // at the end of the text
      {"ab\r\n", 4, CaretPlace{2, 1}},    // the empty last line
      {"ab\r\n", 3, CaretPlace{1, 2}},    // between CR and LF
      {"ab\r\n\r\n", 4, CaretPlace{2, 1}},
      {"\r\n", 1, CaretPlace{1, 0}},
  };
  for (const Case& c : cases) {
    MemoryEditBox box{std::string(c.text)};
    EXPECT_EQ(LocateCaret(box, c.caret), c.place) << c.text << " @" << c.caret;
  }
}

TEST(LineBreaks, AMarkSavesCountingTheLinesBeforeIt) {
  MemoryEditBox box("1\r\n2\r\n3\r\n45\r\n6");
  LineBreakMark mark = AdvanceMark(box, {}, 6);
  EXPECT_EQ(mark.breaks, 2u);
  mark = AdvanceMark(box, mark, 9);
  EXPECT_EQ(mark.breaks, 3u);
  EXPECT_EQ(LocateCaret(box, 10, mark), (CaretPlace{4, 2}));
  EXPECT_EQ(LocateCaret(box, 10), (CaretPlace{4, 2}));
  // A caret before the mark counts from the top.
  EXPECT_EQ(LocateCaret(box, 3, mark), (CaretPlace{2, 1}));
}

// Carets moved about a text that sometimes changes: the locator, counting
// from where the last caret stood, says what a count from the top says.
TEST(LineBreaks, TheLocatorAgreesWithACountFromTheTop) {
  std::mt19937 random(29);
  const std::string_view pieces[] = {"\r\n", "\r\n\r\n", "1+2", "=3", "\xD6\xD0", "x"};
  for (int text = 0; text < 50; ++text) {
    std::string content;
    for (int i = random() % 40; i > 0; --i) content += pieces[random() % std::size(pieces)];
    MemoryEditBox box(content);
    CaretLocator locator;
    for (int move = 0; move < 60; ++move) {
      if (random() % 15 == 0) {
        PlaceCaret(box, random() % (box.Size() + 1));
        box.ReplaceSelection(pieces[random() % std::size(pieces)]);
      }
      const std::size_t caret = random() % (box.Size() + 2);
      ASSERT_EQ(locator.Locate(box, caret), LocateCaret(box, std::min(caret, box.Size())))
          << box.Text() << " @" << caret;
    }
  }
}

}  // namespace
}  // namespace tl::sheet
