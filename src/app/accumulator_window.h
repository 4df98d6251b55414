#pragma once
// The accumulator window "累加器".

namespace tl::app {

struct MainWindow;

// Opens the window over the main window with the accumulator's records in
// list 1, or brings the open one to the front; nothing in live mode, where
// the accumulator records nothing.
void OpenAccumulatorWindow(MainWindow& state);
// While the window is open its lists follow the records (recorded, cleared).
void FollowAccumulatorRecords(MainWindow& state);

}  // namespace tl::app
