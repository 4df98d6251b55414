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

// The edit box at the top left, 17 pixels narrower and 82 pixels lower than the
// window, plus the height of each bar that is hidden.
inline Rect EditBoxRect(int windowWidth, int windowHeight, ViewFlags view) {
  int height = windowHeight - 82;
  if (!view.menuBar) height += 26;
  if (!view.statusBar) height += 22;
  if (!view.titleBar) height += 20;
  return {0, 0, windowWidth - 17, height};
}

}  // namespace tl::app
