// Double-click selection with 双击复制, and Alt + left button release copying
// the selection below.
#include "sheet/worksheet_fixture.h"

namespace tl::sheet {
namespace {

void CopyOnDoubleClick(settings::Settings& s) {
  s.动态刷新 = false;
  s.双击复制 = true;
}

struct DoubleClickCase {
  std::string_view name;
  std::string_view text;        // "|" at the caret the first click left
  std::size_t selectedAtPress;  // the selection length before the double-click
  std::string_view selected;    // the selection afterwards
  std::string_view clipboard;
};

TEST(DoubleClick, SelectsTheNumberOrOperatorBeforeTheCaret) {
  const DoubleClickCase cases[] = {
      {"a decimal number", "12-3.57|×2", 0, "3.57", "3.57"},
      {"a sign after an operator", "×-5|", 0, "-5", "-5"},
      {"a sign at the start of the text", "-5|+1", 0, "-5", "-5"},
      {"a minus after a number is no sign", "4-5|", 0, "5", "5"},
      {"×", "2×|3", 0, "×", "×"},
      {"‰", "5‰|", 0, "‰", "‰"},
      {"+", "1+|2", 0, "+", "+"},
      {"^ of a character is not ^", "\xB0\x5E|", 0, "", "kept"},
      {"a letter", "ab|c", 0, "", "kept"},
      {"nothing before the caret", "|12", 0, "", "kept"},
      {"a selection at the press takes the line", "1+2\n3+|4\n5", 2, "3+4", "kept"},
  };
  for (const DoubleClickCase& c : cases) {
    SheetFixture f(c.text, CopyOnDoubleClick);
    f.host.SetClipboardText("kept");
    const std::size_t caret = f.box.Caret();
    f.box.SetSelectionLength(c.selectedAtPress);
    f.sheet->OnLeftButtonDown();
    f.box.SetSelectionLength(0);  // the first click leaves the caret
    f.sheet->OnDoubleClick();
    EXPECT_EQ(SelectedText(f.box), c.selected) << c.name;
    if (c.selected.empty()) {
      EXPECT_EQ(f.box.Caret(), caret) << c.name;
    }
    EXPECT_EQ(f.host.ClipboardText(), c.clipboard) << c.name;
  }
}

TEST(DoubleClick, WithoutCopyLeavesTheClipboard) {
  SheetFixture f("12-3.57|×2", [](settings::Settings& s) { s.双击复制 = false; });
  f.host.SetClipboardText("kept");
  f.sheet->OnLeftButtonDown();
  f.sheet->OnDoubleClick();
  EXPECT_EQ(SelectedText(f.box), "3.57");
  EXPECT_EQ(f.host.ClipboardText(), "kept");
}

struct AltReleaseCase {
  std::string_view name;
  std::string_view text;  // "|" at the selection start
  std::size_t selection;
  int modifiers;
  std::string_view expected;
};

TEST(AltRelease, CopiesTheSelectionBelow) {
  const AltReleaseCase cases[] = {
      {"to the start of the next line", "1+2=|3\n4", 1, kAlt, "1+2=3\n3|\n4"},
      {"at the end of the text", "1\n|25", 2, kAlt, "1\n25\n25|\n"},
      {"a two-byte selection", "|×\n", 2, kAlt, "×\n×|\n"},
      {"Alt with Shift does nothing", "1+2=|3\n4", 1, kAlt | kShift, "1+2=|3\n4"},
      {"no Alt does nothing", "1+2=|3\n4", 1, kNoModifier, "1+2=|3\n4"},
  };
  for (const AltReleaseCase& c : cases) {
    SheetFixture f(c.text, Static);
    f.box.SetSelectionLength(c.selection);
    f.sheet->OnLeftButtonUp(c.modifiers);
    EXPECT_EQ(f.Shown(), c.expected) << c.name;
  }
}

}  // namespace
}  // namespace tl::sheet
