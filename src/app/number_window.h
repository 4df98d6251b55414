#pragma once
// The number conversion window "数值转大写".

namespace tl::app {

struct MainWindow;

// Opens the window over the main window, or brings the open one to the
// front, with the worksheet's selected text to convert.
void OpenNumberWindow(MainWindow& state);

}  // namespace tl::app
