#pragma once
// Named keys of replay scripts ("Enter", "Ctrl+Z", "Shift+Left", "Numpad7",
// "F5", "a", "+") and what a press of one delivers, as Windows delivers it on
// a US layout with NumLock on.
#include <optional>
#include <string_view>

#include "sheet/keys.h"

namespace tl::cli {

struct KeyPress {
  int key = 0;
  int downModifiers = sheet::kNoModifier;  // the modifiers held at key down
  int upModifiers = sheet::kNoModifier;    // at key up: a modifier key itself is released
  sheet::Character character = 0;          // the character the key down types, 0 for none
};

// Modifiers ("Ctrl+", "Shift+", "Alt+", any case, in any order) and one key
// name: a named key, a letter, a digit or a punctuation character. A
// punctuation character that needs Shift on a US layout ("+", "?") implies it.
std::optional<KeyPress> ParseKeyName(std::string_view name);

// One key, named as above but without modifiers ("z", "ctrl", "enter", "="),
// pressed while the modifiers `held` are down, as a keyboard sends it: each
// of Ctrl, Shift and Alt is a key of its own. None for a name that holds more
// than one key ("Ctrl+Z", "+", which needs Shift).
std::optional<KeyPress> ParseSingleKey(std::string_view name, int held);

// The press that types `character` (ASCII or a GBK pair): key 0 for one that
// no key types, which arrives as character input alone.
KeyPress PressFor(sheet::Character character);

}  // namespace tl::cli
