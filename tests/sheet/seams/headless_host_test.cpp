#include "sheet/seams/headless_host.h"

#include <gtest/gtest.h>

namespace tl::sheet {
namespace {

TEST(HeadlessHost, TheHoldTimerFallsDueEveryIntervalWhileItRuns) {
  HeadlessHost host;
  EXPECT_EQ(host.AdvanceClock(1000), 0);
  host.StartEnterTimer(350);
  EXPECT_EQ(host.AdvanceClock(349), 0);
  EXPECT_EQ(host.AdvanceClock(1), 1);
  EXPECT_EQ(host.AdvanceClock(700), 2);
  host.StartEnterTimer(350);  // a restart begins a new interval
  EXPECT_EQ(host.AdvanceClock(300), 0);
  host.StopEnterTimer();
  EXPECT_EQ(host.AdvanceClock(1000), 0);
  EXPECT_EQ(host.NowMs(), 3350u);
}

}  // namespace
}  // namespace tl::sheet
