#include "cli/key_names.h"

#include <gtest/gtest.h>

namespace tl::cli {
namespace {

namespace vk = sheet::vk;
using sheet::kAlt;
using sheet::kCtrl;
using sheet::kShift;

TEST(KeyNames, NamesWithModifiersAndWhatTheyType) {
  struct Case {
    std::string name;
    int key;
    int down;
    int up;
    sheet::Character character;
  };
  const Case cases[] = {
      {"Enter", vk::kReturn, 0, 0, '\r'},
      {"Ctrl+Enter", vk::kReturn, kCtrl, kCtrl, '\n'},
      {"ctrl+enter", vk::kReturn, kCtrl, kCtrl, '\n'},
      {"Backspace", vk::kBack, 0, 0, 8},
      {"Space", vk::kSpace, 0, 0, ' '},
      {"Delete", vk::kDelete, 0, 0, 0},
      {"Shift+Left", vk::kLeft, kShift, kShift, 0},
      {"F5", vk::Function(5), 0, 0, 0},
      {"Shift+F3", vk::Function(3), kShift, kShift, 0},
      {"Numpad7", vk::kNumpad0 + 7, 0, 0, '7'},
      {"NumLock", vk::kNumLock, 0, 0, 0},
      {"a", 'A', 0, 0, 'a'},
      {"A", 'A', 0, 0, 'a'},
      {"Shift+a", 'A', kShift, kShift, 'A'},
      {"Ctrl+A", 'A', kCtrl, kCtrl, 1},
      {"Ctrl+Z", 'Z', kCtrl, kCtrl, 26},
      {"Alt+A", 'A', kAlt, kAlt, 0},
      {"5", vk::Digit(5), 0, 0, '5'},
      {"Ctrl+5", vk::Digit(5), kCtrl, kCtrl, 0},
      {"Shift+5", vk::Digit(5), kShift, kShift, '%'},
      {"+", vk::kOemPlus, kShift, kShift, '+'},
      {"Ctrl+=", vk::kOemPlus, kCtrl, kCtrl, 0},
      {"Ctrl+-", vk::kOemMinus, kCtrl, kCtrl, 0},
      {"Ctrl+[", vk::kOemOpenBracket, kCtrl, kCtrl, 0x1B},
      // A modifier key is down at its own key down and up at its key up.
      {"Shift", vk::kShift, kShift, 0, 0},
      {"Ctrl+Shift", vk::kShift, kCtrl | kShift, kCtrl, 0},
  };
  for (const Case& c : cases) {
    const std::optional<KeyPress> press = ParseKeyName(c.name);
    ASSERT_TRUE(press.has_value()) << c.name;
    EXPECT_EQ(press->key, c.key) << c.name;
    EXPECT_EQ(press->downModifiers, c.down) << c.name;
    EXPECT_EQ(press->upModifiers, c.up) << c.name;
    EXPECT_EQ(press->character, c.character) << c.name;
  }
  for (const std::string bad : {"", "Ctrl+", "F13", "F0", "Numpad10", "Hyper+A", "Entr", "×"}) {
    EXPECT_FALSE(ParseKeyName(bad).has_value()) << bad;
  }
}

TEST(KeyNames, TypedCharactersUseTheirKeys) {
  EXPECT_EQ(PressFor('7').key, vk::Digit(7));
  EXPECT_EQ(PressFor('(').downModifiers, kShift);
  EXPECT_EQ(PressFor('\n').key, vk::kReturn);
  // "×" (A1 C1): no key types it; it arrives as character input alone.
  const KeyPress times = PressFor(0xA1C1);
  EXPECT_EQ(times.key, 0);
  EXPECT_EQ(times.character, 0xA1C1u);
}

}  // namespace
}  // namespace tl::cli
