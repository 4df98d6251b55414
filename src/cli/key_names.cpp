#include "cli/key_names.h"

#include <array>
#include <charconv>
#include <string>

#include "sheet/key_delivery.h"

namespace tl::cli {

namespace {

using sheet::Character;
namespace vk = sheet::vk;

// Keys that have a name rather than a character, with the character they type
// without Ctrl or Alt (0 for none).
struct NamedKey {
  std::string_view name;  // lower case
  int key;
  Character character;
};

constexpr std::array kNamedKeys = {
    NamedKey{"enter", vk::kReturn, '\r'},
    NamedKey{"return", vk::kReturn, '\r'},
    NamedKey{"backspace", vk::kBack, vk::kBack},
    NamedKey{"tab", vk::kTab, '\t'},
    NamedKey{"space", vk::kSpace, ' '},
    NamedKey{"escape", vk::kEscape, 0x1B},
    NamedKey{"esc", vk::kEscape, 0x1B},
    NamedKey{"delete", vk::kDelete, 0},
    NamedKey{"del", vk::kDelete, 0},
    NamedKey{"insert", vk::kInsert, 0},
    NamedKey{"ins", vk::kInsert, 0},
    NamedKey{"left", vk::kLeft, 0},
    NamedKey{"right", vk::kRight, 0},
    NamedKey{"up", vk::kUp, 0},
    NamedKey{"down", vk::kDown, 0},
    NamedKey{"home", vk::kHome, 0},
    NamedKey{"end", vk::kEnd, 0},
    NamedKey{"numlock", vk::kNumLock, 0},
    NamedKey{"multiply", vk::kMultiply, '*'},
    NamedKey{"add", vk::kAdd, '+'},
    NamedKey{"subtract", vk::kSubtract, '-'},
    NamedKey{"decimal", vk::kDecimal, '.'},
    NamedKey{"divide", vk::kDivide, '/'},
    NamedKey{"shift", vk::kShift, 0},
    NamedKey{"ctrl", vk::kControl, 0},
    NamedKey{"control", vk::kControl, 0},
    NamedKey{"alt", vk::kMenu, 0},
};

struct ModifierName {
  std::string_view prefix;  // lower case, with its "+"
  int modifier;
};

constexpr std::array kModifierNames = {
    ModifierName{"ctrl+", sheet::kCtrl},
    ModifierName{"shift+", sheet::kShift},
    ModifierName{"alt+", sheet::kAlt},
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// "f5" -> 5, "numpad7" -> 7 for a name that is `prefix` and a number in [low, high].
std::optional<int> NumberAfter(std::string_view name, std::string_view prefix, int low, int high) {
  if (!name.starts_with(prefix) || name.size() == prefix.size()) return std::nullopt;
  int number = 0;
  const char* end = name.data() + name.size();
  const auto [stop, failure] = std::from_chars(name.data() + prefix.size(), end, number);
  if (failure != std::errc() || stop != end || number < low || number > high) return std::nullopt;
  return number;
}

// The printable character the main-keyboard key types with or without Shift.
Character TypedBy(int key, bool shift) {
  for (Character c = 0x20; c < 0x7F; ++c) {
    const sheet::KeyStroke stroke = sheet::StrokeFor(c);
    if (stroke.key == key && ((stroke.modifiers & sheet::kShift) != 0) == shift) return c;
  }
  return 0;
}

// What a key down delivers as WM_CHAR: nothing with Alt; with Ctrl the
// control characters of letters, brackets, Enter and Backspace.
Character CharacterOf(int key, int modifiers, Character named) {
  if (modifiers & sheet::kAlt) return 0;
  if (modifiers & sheet::kCtrl) {
    if (key >= vk::Letter('A') && key <= vk::Letter('Z'))
      return static_cast<Character>(key - 'A' + 1);
    if (key == vk::kOemOpenBracket) return 0x1B;
    if (key == vk::kOemBackslash) return 0x1C;
    if (key == vk::kOemCloseBracket) return 0x1D;
    if (key == vk::kReturn) return '\n';
    if (key == vk::kBack) return 0x7F;
    if (key == vk::kSpace) return ' ';
    return 0;
  }
  if (named != 0) return named;
  return TypedBy(key, (modifiers & sheet::kShift) != 0);
}

int ModifierOfKey(int key) {
  switch (key) {
    case vk::kShift:
      return sheet::kShift;
    case vk::kControl:
      return sheet::kCtrl;
    case vk::kMenu:
      return sheet::kAlt;
    default:
      return sheet::kNoModifier;
  }
}

}  // namespace

namespace {

// A key name without its modifiers: the key, the modifiers named with it or
// implied by a punctuation character that needs Shift, and the character it
// types without Ctrl or Alt when that is not the key's plain one (0).
struct NamedPress {
  int key = 0;
  int modifiers = sheet::kNoModifier;
  Character named = 0;
};

std::optional<NamedPress> ParseName(std::string_view name) {
  NamedPress parsed;
  std::string lower = Lower(name);
  for (bool found = true; found;) {
    found = false;
    for (const ModifierName& m : kModifierNames) {
      if (lower.size() > m.prefix.size() && lower.starts_with(m.prefix)) {
        parsed.modifiers |= m.modifier;
        lower.erase(0, m.prefix.size());
        found = true;
      }
    }
  }
  for (const NamedKey& k : kNamedKeys) {
    if (lower == k.name) {
      parsed.key = k.key;
      parsed.named = k.character;
    }
  }
  if (parsed.key == 0) {
    if (const auto f = NumberAfter(lower, "f", 1, 12)) {
      parsed.key = vk::Function(*f);
    } else if (const auto n = NumberAfter(lower, "numpad", 0, 9)) {
      parsed.key = vk::kNumpad0 + *n;
      parsed.named = static_cast<Character>('0' + *n);
    } else if (lower.size() == 1 && lower[0] > 0x20 && lower[0] < 0x7F) {
      const sheet::KeyStroke stroke = sheet::StrokeFor(static_cast<unsigned char>(lower[0]));
      parsed.key = stroke.key;
      if (lower[0] < 'a' || lower[0] > 'z') parsed.modifiers |= stroke.modifiers;
    }
  }
  if (parsed.key == 0) return std::nullopt;
  return parsed;
}

// The press of `parsed.key` with `held` down before it: a modifier key is down
// at its own key down and up at its key up.
KeyPress PressWith(const NamedPress& parsed, int held) {
  KeyPress press;
  press.key = parsed.key;
  press.downModifiers = held | ModifierOfKey(parsed.key);
  press.upModifiers = held & ~ModifierOfKey(parsed.key);
  press.character = CharacterOf(parsed.key, press.downModifiers, parsed.named);
  return press;
}

}  // namespace

std::optional<KeyPress> ParseKeyName(std::string_view name) {
  const std::optional<NamedPress> parsed = ParseName(name);
  if (!parsed) return std::nullopt;
  return PressWith(*parsed, parsed->modifiers);
}

std::optional<KeyPress> ParseSingleKey(std::string_view name, int held) {
  const std::optional<NamedPress> parsed = ParseName(name);
  if (!parsed || (parsed->modifiers & ~ModifierOfKey(parsed->key)) != 0) return std::nullopt;
  return PressWith(*parsed, held);
}

KeyPress PressFor(Character character) {
  const sheet::KeyStroke stroke = sheet::StrokeFor(character);
  if (stroke.key == vk::kProcessKey)
    return KeyPress{0, sheet::kNoModifier, sheet::kNoModifier, character};
  return KeyPress{stroke.key, stroke.modifiers, stroke.modifiers, stroke.character};
}

}  // namespace tl::cli
