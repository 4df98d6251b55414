#include "sheet/document/backup_schedule.h"

#include <gtest/gtest.h>

namespace tl::sheet {
namespace {

struct Tick {
  std::uint64_t now;
  std::uint64_t revision;
  bool busy;
  bool due;
};

TEST(BackupSchedule, DueAfterAQuietDelayOutsideCommands) {
  // Start-up left the sheet at revision 5, which needs no backup.
  BackupSchedule schedule(5);
  const Tick ticks[] = {
      {500, 5, false, false},   // nothing changed
      {1000, 6, false, false},  // a change: the delay starts
      {3500, 6, false, false},  // 2.5 s of quiet
      {4000, 9, false, false},  // typing goes on: the delay starts again
      {6500, 9, false, false},
      {7000, 9, true, false},  // quiet long enough, but a command is under way
      {7500, 9, false, true},
  };
  for (const Tick& tick : ticks)
    EXPECT_EQ(schedule.Due(tick.now, tick.revision, tick.busy), tick.due) << tick.now;
  EXPECT_FALSE(schedule.Attempted(7500, 9, true));
  EXPECT_FALSE(schedule.Due(20000, 9, false));  // written: nothing more to do
}

TEST(BackupSchedule, AFailedWriteIsTriedAgainAndReportedOncePerRun) {
  BackupSchedule schedule(0);
  schedule.Due(0, 1, false);
  ASSERT_TRUE(schedule.Due(3000, 1, false));
  EXPECT_TRUE(schedule.Attempted(3000, 1, false));  // news
  EXPECT_FALSE(schedule.Due(5000, 1, false));       // another quiet delay first
  ASSERT_TRUE(schedule.Due(6000, 1, false));
  EXPECT_FALSE(schedule.Attempted(6000, 1, false));  // still failing: said already
  ASSERT_TRUE(schedule.Due(9000, 1, false));
  EXPECT_FALSE(schedule.Attempted(9000, 1, true));
  schedule.Due(9500, 2, false);
  ASSERT_TRUE(schedule.Due(12500, 2, false));
  EXPECT_TRUE(schedule.Attempted(12500, 2, false));  // failing again after a success
}

}  // namespace
}  // namespace tl::sheet
