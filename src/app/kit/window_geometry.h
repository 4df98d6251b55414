#pragma once
// The arithmetic of the main window's placement: the start-up check, the
// geometry the layout remembers, the custom position check, and parking at a
// screen edge. Pure functions; W and H are the primary screen's size.
#include "app/kit/layout.h"

namespace tl::app {

// A placement from the configuration is kept only when the window can be
// reached: its left edge on screen, at least 10 pixels of it right of 0, its
// top on screen, and at least 80 pixels high. (The top is compared with the
// width, not the height: kept as the program has always done it.)
// The checks add in 64 bits: a stored placement may hold any int.
inline bool StartPlacementFits(Rect r, int screenWidth, int screenHeight) {
  const long long left = r.left, top = r.top;
  return screenWidth - (left + 10) >= 0 && left + r.width - 10 >= 0 &&
         screenHeight - (top + 10) >= 0 && top + r.width - 355 >= 0 && r.height >= 80;
}

// Half the screen, centred.
inline Rect DefaultPlacement(int screenWidth, int screenHeight) {
  return {static_cast<int>(screenWidth * 0.25), static_cast<int>(screenHeight * 0.25),
          screenWidth / 2, screenHeight / 2};
}

// The layout remembers a placement only while the window is on screen.
inline bool LayoutRemembers(Rect r, int screenWidth, int screenHeight) {
  const long long left = r.left, top = r.top;
  return screenWidth - (left + 10) >= 0 && left + r.width - 10 >= 0 &&
         screenHeight - (top + 10) >= 0;
}

// "确定" of the custom window position window is enabled only for these.
inline bool CustomPositionAcceptable(Rect r, int screenWidth, int screenHeight) {
  const long long left = r.left, top = r.top, height = r.height;
  return screenWidth - (left + 10) >= 0 && left + r.width - 10 >= 0 &&
         screenHeight - (top + 10) >= 0 && top + r.width - 50 >= 0 && height - 50 >= 0;
}

enum class Edge { None, Left, Right, Top };

// A parked window leaves a 5-pixel strip on screen.
inline Edge ParkedEdge(Rect r, int screenWidth) {
  if (r.left == 5 - r.width) return Edge::Left;
  if (r.left == screenWidth - 5) return Edge::Right;
  if (r.top == 5 - r.height) return Edge::Top;
  return Edge::None;
}

// The edge a window touches, from which it parks.
inline Edge TouchingEdge(Rect r, int screenWidth) {
  if (r.left == 0) return Edge::Left;
  if (r.left == screenWidth - r.width) return Edge::Right;
  if (r.top == 0) return Edge::Top;
  return Edge::None;
}

inline Rect Park(Rect r, Edge edge, int screenWidth) {
  switch (edge) {
    case Edge::Left:
      r.left = 5 - r.width;
      break;
    case Edge::Right:
      r.left = screenWidth - 5;
      break;
    case Edge::Top:
      r.top = 5 - r.height;
      break;
    case Edge::None:
      break;
  }
  return r;
}

// Brings a parked window back so that it touches its edge.
inline Rect Reveal(Rect r, int screenWidth) {
  if (r.left == 5 - r.width) r.left = 0;
  if (r.left == screenWidth - 5) r.left = screenWidth - r.width;
  if (r.top == 5 - r.height) r.top = 0;
  return r;
}

inline bool Contains(Rect r, int x, int y) {
  return r.left <= x && x <= r.left + r.width && r.top <= y && y <= r.top + r.height;
}

// One tick of the edge-hiding timer: reveal while the mouse is over the
// window; park at the touched edge once the hold has run out.
inline Rect EdgeHideTick(Rect r, int mouseX, int mouseY, int hold, int screenWidth) {
  if (Contains(r, mouseX, mouseY)) return Reveal(r, screenWidth);
  if (hold == 0) return Park(r, TouchingEdge(r, screenWidth), screenWidth);
  return r;
}

}  // namespace tl::app
