#pragma once
// Where the worksheet edit box goes inside the main window.

namespace tl::app {

struct ViewFlags {
  bool statusBar = true;
  bool menuBar = true;
  bool titleBar = true;
};

struct Rect {
  int left, top, width, height;
};

// The edit box fills the client area above the status bar (`statusBarHeight`
// 0 when the bar is hidden), at every DPI and in every view state.
inline Rect EditBoxRect(int clientWidth, int clientHeight, int statusBarHeight) {
  int height = clientHeight - statusBarHeight;
  return {0, 0, clientWidth, height > 0 ? height : 0};
}

}  // namespace tl::app
