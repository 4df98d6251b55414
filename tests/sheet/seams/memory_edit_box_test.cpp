#include "sheet/seams/memory_edit_box.h"

#include <gtest/gtest.h>

#include "sheet/seams/edit_box_contract.h"
#include "sheet/seams/headless_host.h"
#include "sheet/sheet_test_text.h"

namespace tl::sheet {
namespace {

struct MemoryBoxFactory {
  static std::unique_ptr<EditBox> Make() { return std::make_unique<MemoryEditBox>(); }
};
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, EditBoxContract, ::testing::Types<MemoryBoxFactory>);

// The control's own keys: the text with "|" at the caret before and after.
struct KeyCase {
  std::string before;
  int key;
  int modifiers;
  std::string after;
};

TEST(MemoryEditBox, MovesAndDeletesByCharacterAndLineBreak) {
  const KeyCase cases[] = {
      {"12|\n34", vk::kRight, 0, "12\n|34"},  // a line break is one step
      {"12\n|34", vk::kLeft, 0, "12|\n34"},
      {"1×|2", vk::kLeft, 0, "1|×2"},
      {"1|×2", vk::kRight, 0, "1×|2"},
      {"1|×2", vk::kDelete, 0, "1|2"},
      {"12|\n34", vk::kDelete, 0, "12|34"},
      // Found by fuzzing: a first byte before a line break is a character of
      // its own, so stepping never lands inside the line break.
      {"|\xB2\n34", vk::kRight, 0, "\xB2|\n34"},
      {"\xB2\n|34", vk::kLeft, 0, "\xB2|\n34"},
      {"|12", vk::kLeft, 0, "|12"},
      {"12|", vk::kDelete, 0, "12|"},
      {"ab\n12|34", vk::kHome, 0, "ab\n|1234"},
      {"ab\n1|234\ncd", vk::kEnd, 0, "ab\n1234|\ncd"},
      {"ab\n1|234", vk::kHome, kCtrl, "|ab\n1234"},
      {"ab|\n1234", vk::kEnd, kCtrl, "ab\n1234|"},
      {"abcd\n12|34", vk::kUp, 0, "ab|cd\n1234"},
      {"a\n12|34", vk::kUp, 0, "a|\n1234"},
      {"1234|\nab\n5", vk::kDown, 0, "1234\nab|\n5"},
      {"ab|", vk::kDown, 0, "ab|"},
  };
  HeadlessHost host;
  for (const KeyCase& c : cases) {
    MemoryEditBox box;
    LoadWithCaret(box, c.before);
    box.DefaultKeyDown(c.key, c.modifiers, host);
    EXPECT_EQ(WithCaret(box), SheetText(c.after)) << c.before << " key " << c.key;
  }
}

// Found by fuzzing the worksheet: a selection ending inside "√" (A1 CC), then
// Up on the first line, left the caret on the second byte.
TEST(MemoryEditBox, ACaretMovedFromASelectionEndLandsOnACharacter) {
  MemoryEditBox box("\xA1\xCC\xA1\xCC");
  HeadlessHost host;
  PlaceCaret(box, 2);
  box.SetSelectionLength(1);
  box.DefaultKeyDown(vk::kUp, 0, host);
  EXPECT_EQ(box.Caret(), 2u);
  EXPECT_EQ(box.SelectionLength(), 0u);
}

// Found by fuzzing the worksheet: "√" (A1 CC) typed after a lone first byte
// B4 pairs B4 with A1, and the end of the insertion falls inside "CC A1".
TEST(MemoryEditBox, InsertingAfterALoneFirstByteLeavesTheCaretOnACharacter) {
  MemoryEditBox box("63\xB4=\xA1\xC1");
  PlaceCaret(box, 3);
  box.SetSelectionLength(1);
  box.ReplaceSelection("\xA1\xCC");
  EXPECT_EQ(box.Text(), "63\xB4\xA1\xCC\xA1\xC1");
  EXPECT_EQ(box.Caret(), 4u);  // "CC A1" now starts at 4
}

TEST(MemoryEditBox, ShiftArrowsMoveTheActiveEndOfTheSelection) {
  HeadlessHost host;
  MemoryEditBox box(SheetText("12345"));
  PlaceCaret(box, 2);
  box.DefaultKeyDown(vk::kRight, kShift, host);
  box.DefaultKeyDown(vk::kRight, kShift, host);
  EXPECT_EQ(SelectedText(box), "34");
  box.DefaultKeyDown(vk::kLeft, kShift, host);
  box.DefaultKeyDown(vk::kLeft, kShift, host);
  box.DefaultKeyDown(vk::kLeft, kShift, host);
  EXPECT_EQ(box.Caret(), 1u);
  EXPECT_EQ(SelectedText(box), "2");
  box.DefaultKeyDown(vk::kRight, 0, host);  // collapses to the selection's end
  EXPECT_EQ(box.Caret(), 2u);
  EXPECT_EQ(box.SelectionLength(), 0u);
}

TEST(MemoryEditBox, TypesCharactersOverTheSelection) {
  struct Case {
    std::string before;
    Character character;
    std::string after;
  };
  const Case cases[] = {
      {"1|", '+', "1+|"},
      {"1|", 0xA1C1, "1×|"},  // a two-byte character as one code
      {"12|\n3", vk::kBack, "1|\n3"},
      {"12\n|3", vk::kBack, "12|3"},  // Backspace takes the whole line break
      {"1×|", vk::kBack, "1|"},
      {"12|", '\r', "12\n|"},
      {"12|", 1, "12|"},  // Ctrl+A's character changes nothing
  };
  for (const Case& c : cases) {
    MemoryEditBox box;
    LoadWithCaret(box, c.before);
    box.DefaultCharacter(c.character);
    EXPECT_EQ(WithCaret(box), SheetText(c.after)) << c.before;
  }
  MemoryEditBox box(SheetText("12345"));
  box.SetCaret(1);
  box.SetSelectionLength(3);
  box.DefaultCharacter('x');
  EXPECT_EQ(WithCaret(box), SheetText("1x|5"));
}

TEST(MemoryEditBox, ClipboardKeysGoThroughTheHost) {
  HeadlessHost host;
  MemoryEditBox box(SheetText("1+2=3"));
  box.DefaultKeyDown('A', kCtrl, host);
  EXPECT_EQ(SelectedText(box), "1+2=3");
  box.SetCaret(4);
  box.SetSelectionLength(1);
  box.DefaultKeyDown('C', kCtrl, host);
  EXPECT_EQ(host.ClipboardText(), "3");
  box.SetCaret(0);
  box.SetSelectionLength(2);
  box.DefaultKeyDown('X', kCtrl, host);
  EXPECT_EQ(WithCaret(box), SheetText("|2=3"));
  EXPECT_EQ(host.ClipboardText(), "1+");
  box.DefaultKeyDown(vk::kEnd, 0, host);
  box.DefaultKeyDown('V', kCtrl, host);
  EXPECT_EQ(WithCaret(box), SheetText("2=31+|"));
  box.DefaultKeyDown(vk::kInsert, kShift, host);
  EXPECT_EQ(WithCaret(box), SheetText("2=31+1+|"));
}

}  // namespace
}  // namespace tl::sheet
