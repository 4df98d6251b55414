#pragma once
// The virtual keyboard "虚拟键盘": its buttons as one table, the state of its
// captions, and what a button does to the worksheet. The window creates,
// places, captions and dispatches its buttons by walking the table; every
// action reaches the worksheet the way the real keyboard and the menus do:
// an inserted text replaces the selection, a pressed character goes through
// the keyboard as a key press, "=" is the evaluation key.
#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <string_view>

#include "settings/settings.h"
#include "sheet/seams/command.h"
#include "sheet/seams/edit_box.h"
#include "sheet/seams/host.h"
#include "sheet/worksheet/worksheet.h"

namespace tl::sheet {

enum class KeyAction {
  Press,         // presses the text's character on the keyboard
  Backspace,     // presses Backspace
  Insert,        // replaces the selection with the text
  InsertInside,  // inserts the text and puts the caret before its last character
  Brackets,      // inserts the brackets of the current caption
  Random,        // inserts a random whole number from 1 to 1000
  Evaluate,      // the evaluation key: Enter, or Ctrl+Enter with 回车换行
  Run,           // runs the worksheet's menu command
  CaretLeft,     // one character left, CR LF counting as one
  CaretRight,    // one character right, CR LF counting as one
  Second,        // switches between the normal and the second captions
  SwitchLayout,  // switches between the scientific and the simple layout
};

struct KeyEffect {
  KeyAction action = KeyAction::Insert;
  std::string_view text = {};  // GBK
  Command command = Command::Undo;
};

// A left click acts when the button is released over it; a release acts on
// the release of a press that began on the button, wherever the mouse is.
enum class KeyTrigger { Click, Release };

struct KeyboardButton {
  int row, column;                 // 1-based: row 1 at the top, column 1 leftmost
  int rowSpan, columnSpan;         // 1 or 2
  std::string_view caption;        // GBK, as created
  std::string_view secondCaption;  // after "2nd"; empty where the caption stays
  KeyEffect normal;
  KeyEffect second;  // with the second captions, where there is one
  KeyTrigger trigger = KeyTrigger::Click;
};

// Every button, in creation order.
std::span<const KeyboardButton> KeyboardButtons();

// What lasts while the window is open.
struct KeyboardState {
  explicit KeyboardState(bool scientificLayout, std::uint64_t seed)
      : scientific(scientificLayout), random(static_cast<std::uint32_t>(seed)) {}

  bool scientific;       // the layout shown; the toggle button names the other one
  bool second = false;   // the "2nd" tag: the second captions are shown
  int bracketCycle = 0;  // which of the bracket captions "（）" shows
  std::mt19937 random;   // "Rand"
};

// The button's caption now.
std::string_view KeyCaption(const KeyboardButton& button, const KeyboardState& state);

// What the window has to redo after a button.
enum class KeyboardChange {
  None,
  Captions,  // some captions changed
  Layout,    // the layout switched: a new width, then the layout again
};

// The worksheet the keyboard types into, with its box, host and settings.
struct KeyboardTarget {
  Worksheet& worksheet;
  EditBox& box;
  Host& host;
  settings::Settings& settings;  // 回车换行 read, 键盘模式 written
};

// The button at `index` of KeyboardButtons() pressed with the left button.
KeyboardChange PressKeyboardButton(std::size_t index, KeyboardState& state, KeyboardTarget target);

// The right button released over it: the bracket button cycles its caption
// "（ " → " ）" → "（）"; the others do nothing.
KeyboardChange RightReleaseKeyboardButton(std::size_t index, KeyboardState& state);

}  // namespace tl::sheet
