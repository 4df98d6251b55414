#include "sheet/worksheet/undo_history.h"

#include <gtest/gtest.h>

namespace tl::sheet {
namespace {

TEST(UndoHistory, LimitFollowsTheSettingWithinBounds) {
  const std::pair<int, std::size_t> cases[] = {{50, 50}, {3, 3}, {0, 50}, {-5, 50}, {501, 500}};
  for (const auto& [setting, limit] : cases) EXPECT_EQ(UndoHistory::LimitFor(setting), limit);
}

TEST(UndoHistory, UndoAndRedoWalkTheSnapshots) {
  UndoHistory history;
  history.Record("a", 1, 50);
  history.Record("ab", 2, 50);
  history.Record("abc", 3, 50);
  ASSERT_NE(history.Undo(), nullptr);
  const Snapshot* first = history.Undo();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->text, "a");
  EXPECT_EQ(first->caret, 1);
  EXPECT_EQ(history.Undo(), nullptr);
  EXPECT_EQ(history.Redo()->text, "ab");
  // A new snapshot drops the ones that could have been redone.
  history.Record("ax", 2, 50);
  EXPECT_EQ(history.Count(), 3u);
  EXPECT_EQ(history.Redo(), nullptr);
  EXPECT_EQ(history.Undo()->text, "ab");
}

TEST(UndoHistory, AFullHistoryDropsItsOldestSnapshot) {
  UndoHistory history;
  for (const char* text : {"1", "2", "3", "4"}) history.Record(text, 0, 3);
  EXPECT_EQ(history.Count(), 3u);
  EXPECT_EQ(history.Cursor(), 3u);
  EXPECT_EQ(history.Undo()->text, "3");
  EXPECT_EQ(history.Undo()->text, "2");
  EXPECT_EQ(history.Undo(), nullptr);
  // A limit lowered below the count trims on the next record.
  history.Redo();
  history.Redo();
  history.Record("5", 0, 2);
  EXPECT_EQ(history.Count(), 2u);
  EXPECT_EQ(history.Undo()->text, "4");
}

}  // namespace
}  // namespace tl::sheet
