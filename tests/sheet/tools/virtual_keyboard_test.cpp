// The virtual keyboard's buttons on a worksheet, and where they go in the
// window.
#include "sheet/tools/virtual_keyboard.h"

#include <set>

#include "sheet/tools/keyboard_layout.h"
#include "sheet/worksheet_fixture.h"

namespace tl::sheet {
namespace {

// The button created with that caption.
std::size_t ButtonIndex(std::string_view caption) {
  const auto buttons = KeyboardButtons();
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i].caption == caption) return i;
  ADD_FAILURE() << "no button " << caption;
  return buttons.size();
}

struct KeyboardSheet {
  explicit KeyboardSheet(std::string_view text, Configure configure = Static)
      : f(text, configure), keys(true, 7) {}

  KeyboardChange Click(std::string_view caption) {
    const KeyboardChange change =
        PressKeyboardButton(ButtonIndex(caption), keys, {*f.sheet, f.box, f.host, f.settings});
    DeliverSentKeys(*f.sheet, f.box, f.host);  // the pressed keys arrive afterwards
    return change;
  }

  SheetFixture f;
  KeyboardState keys;
};

// Buttons by the caption they were created with; "right:" releases the
// right button over one.
using Clicks = std::vector<std::string_view>;

void ClickAll(KeyboardSheet& k, const Clicks& clicks) {
  for (std::string_view caption : clicks) {
    if (caption.starts_with("right:"))
      RightReleaseKeyboardButton(ButtonIndex(caption.substr(6)), k.keys);
    else
      k.Click(caption);
  }
}

void WithLineBreakKey(settings::Settings& s) {
  Static(s);
  s.回车换行 = true;
}

struct ClickCase {
  std::string_view name;
  std::string_view text;  // "|" at the caret, "\n" for CR LF
  Configure configure;
  Clicks clicks;
  std::string expected;
};

TEST(VirtualKeyboard, ButtonsTypeIntoTheWorksheet) {
  const ClickCase cases[] = {
      {"digits are pressed", "|", Static, {"1", "2", ".", "5"}, "12.5|"},
      {"a pressed digit is typed: behind a result it starts a line",
       "1+1=2|\n",
       Static,
       {"3"},
       "1+1=2\n3|\n"},
      {"0 and the operators are inserted", "|", Static, {"0", "+", "-", "×", "÷"}, "0+-×÷|"},
      {"other inserts", "|", Static, {"n！", "int", "∟", "X^2", "X^3", "X^y", "π"}, "!int∟^2^3^π|"},
      {"line break", "1|2", Static, {"换行"}, "1\n|2"},
      {"BACK deletes a whole two-byte character", "1加|", Static, {"BACK"}, "1|"},
      {"brackets with the caret inside", "2|", Static, {"（）"}, "2(|)"},
      {"the right button cycles the brackets",
       "|",
       Static,
       {"right:（）", "（）", "right:（）", "（）", "right:（）", "（）"},
       "()(|)"},
      {"second captions",
       "|",
       Static,
       {"2nd", "X^2", "X^3", "∟", "sin", "cosh", "log", "e"},
       "√3√,asinacoshlgln|"},
      {"second X^y: the caret inside 1/()", "|", Static, {"2nd", "X^y"}, "1/(|)"},
      {"2nd twice is back to normal", "|", Static, {"2nd", "2nd", "tan"}, "tan|"},
      {"= evaluates", "1+2|", Static, {"="}, "1+2=3|"},
      {"= evaluates as Ctrl+Enter with 回车换行", "1+2|", WithLineBreakKey, {"="}, "1+2=3|"},
      {"取存 pastes the last result", "6×7|", Static, {"=", "换行", "取存"}, "6×7=42\n42|"},
      {"撤销 undoes", "|", Static, {"7", "撤销"}, "|"},
      {"全清", "1|+1", Static, {"全清"}, "|" + std::string(31, '\n')},
      {"← over a two-byte character", "1加|2", Static, {"←"}, "1|加2"},
      {"← over CR LF", "1\n|2", Static, {"←"}, "1|\n2"},
      {"← at the start", "|1", Static, {"←"}, "|1"},
      {"→ over a two-byte character and CR LF", "|加\n1", Static, {"→", "→"}, "加\n|1"},
      {"→ at the end", "1|", Static, {"→"}, "1|"},
  };
  for (const ClickCase& c : cases) {
    KeyboardSheet k(c.text, c.configure);
    ClickAll(k, c.clicks);
    EXPECT_EQ(k.f.Shown(), c.expected) << c.name;
  }
}

// The toggle button names the other layout and keeps 键盘模式; the
// second captions and the bracket cycle are seen above in what they insert.
TEST(VirtualKeyboard, TheToggleSwitchesTheLayout) {
  KeyboardSheet k("|");
  const KeyboardButton& toggle = KeyboardButtons()[ButtonIndex("简单")];
  EXPECT_EQ(k.Click("简单"), KeyboardChange::Layout);
  EXPECT_FALSE(k.f.settings.键盘模式);
  EXPECT_EQ(KeyCaption(toggle, k.keys), "科学");
  k.Click("简单");
  EXPECT_TRUE(k.f.settings.键盘模式);
  EXPECT_EQ(KeyCaption(toggle, k.keys), "简单");
}

TEST(VirtualKeyboard, RandInsertsNumbersFrom1To1000) {
  KeyboardSheet k("|");
  k.Click("2nd");
  std::set<int> seen;
  for (int i = 0; i < 300; ++i) {
    k.f.box.SetText("");
    k.Click("π");
    seen.insert(std::stoi(std::string(k.f.box.Text())));
  }
  EXPECT_GE(*seen.begin(), 1);
  EXPECT_LE(*seen.rbegin(), 1000);
  EXPECT_GT(seen.size(), 100u);
}

struct RectCase {
  std::string_view caption;
  bool scientific;
  int width, height;
  KeyRect expected;
};

TEST(VirtualKeyboard, ButtonsScaleWithTheWindowTruncated) {
  const RectCase cases[] = {
      {"2nd", true, 540, 285, {9, 5, 72, 33}},
      {"+", true, 540, 285, {460, 113, 72, 70}},
      {"0", true, 540, 285, {234, 223, 147, 33}},
      {"2nd", true, 1080, 570, {18, 10, 144, 66}},
      {"=", true, 400, 200, {340, 129, 53, 49}},
      {"0", true, 400, 200, {173, 156, 108, 23}},
      {"=", false, 312, 285, {232, 185, 72, 70}},
      {"7", false, 310, 285, {5, 113, 71, 33}},
      {"0", false, 200, 285, {3, 223, 94, 33}},
      {"sin", false, 200, 285, {-144, 77, 46, 33}},  // toward zero, not down
  };
  for (const RectCase& c : cases) {
    const KeyboardButton& button = KeyboardButtons()[ButtonIndex(c.caption)];
    EXPECT_EQ(KeyButtonRect(button, c.scientific, c.width, c.height), c.expected)
        << c.caption << " " << c.width << "x" << c.height;
  }
}

// The table itself: no two buttons overlap and each lies in the window; the
// simple layout leaves the function columns wholly out of sight.
TEST(VirtualKeyboard, LayoutsKeepButtonsApartAndInside) {
  for (const auto& [width, height] : {std::pair{540, 285}, {310, 285}, {233, 120}, {1500, 800}}) {
    for (const bool scientific : {true, false}) {
      std::vector<KeyRect> shown;
      for (const KeyboardButton& button : KeyboardButtons()) {
        const KeyRect r = KeyButtonRect(button, scientific, width, height);
        if (!scientific && button.column <= 3) {
          EXPECT_LE(r.left + r.width, 0) << button.caption;
          continue;
        }
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= width &&
                    r.top + r.height <= height)
            << button.caption << " at " << width << "x" << height;
        for (const KeyRect& o : shown) {
          const bool apart = r.left >= o.left + o.width || o.left >= r.left + r.width ||
                             r.top >= o.top + o.height || o.top >= r.top + r.height;
          EXPECT_TRUE(apart) << button.caption << " at " << width << "x" << height;
        }
        shown.push_back(r);
      }
    }
  }
}

TEST(VirtualKeyboard, SwitchingLayoutsScalesTheWidthTruncated) {
  const struct {
    int width;
    bool toScientific;
    int expected;
  } cases[] = {
      {540, false, 310}, {310, true, 540}, {541, false, 310}, {600, false, 344}, {344, true, 599},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SwitchedKeyboardWidth(c.width, c.toScientific), c.expected) << c.width;
}

TEST(VirtualKeyboard, OpensWhollyOnTheWorkArea) {
  const KeyRect work{0, 0, 1280, 760};
  const struct {
    std::string_view name;
    KeyRect stored, expected;
  } cases[] = {
      {"the defaults", {285, 285, 540, 285}, {285, 285, 540, 285}},
      {"off the right", {5000, 285, 540, 285}, {740, 285, 540, 285}},
      {"above the top", {10, -300, 540, 285}, {10, 0, 540, 285}},
      {"no size at all", {100, 100, 0, -5}, {100, 100, 320, 180}},
      {"larger than the screen", {-50, 10, 3000, 900}, {0, 0, 1280, 760}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FitKeyboardWindow(c.stored, work, 320, 180), c.expected) << c.name;
}

}  // namespace
}  // namespace tl::sheet
