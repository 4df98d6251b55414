#pragma once
// The find and replace window "查找和替换".

namespace tl::app {

struct MainWindow;

// Opens the window over the main window, or brings the open one to the front,
// with the search field selected and focused.
void OpenFindWindow(MainWindow& state);

}  // namespace tl::app
