// The right-click line commands, the function templates and the two copy
// commands.
#include "sheet/line/function_templates.h"
#include "sheet/worksheet_fixture.h"

namespace tl::sheet {
namespace {

Action Select(std::size_t length) {
  return [length](SheetFixture& f) { f.box.SetSelectionLength(length); };
}

struct LineCase {
  std::string_view name;
  std::string_view text;
  std::vector<Action> actions;
  std::string expected;            // text and caret
  std::string_view selected = "";  // the selection afterwards
};

void RunLines(const std::vector<LineCase>& cases) {
  for (const LineCase& c : cases) {
    SheetFixture f(c.text, Static);
    for (const Action& action : c.actions) action(f);
    EXPECT_EQ(f.Shown(), c.expected) << c.name;
    EXPECT_EQ(SelectedText(f.box), c.selected) << c.name;
  }
}

TEST(LineCommands, SelectLine) {
  RunLines({
      {"inside a line", "1+2\n3|4\n5", {Do(Command::SelectLine)}, "1+2\n|34\n5", "34"},
      {"at the end of a line", "1+2\n34|\n5", {Do(Command::SelectLine)}, "1+2\n|34\n5", "34"},
      {"at a line start the line above comes too",
       "1+2\n|34\n5",
       {Do(Command::SelectLine)},
       "|1+2\n34\n5",
       "1+2\r\n34"},
      {"first line", "|12\n3", {Do(Command::SelectLine)}, "|12\n3", "12"},
      {"last line", "1\n2|3", {Do(Command::SelectLine)}, "1\n|23", "23"},
  });
}

TEST(LineCommands, DeleteLine) {
  RunLines({
      {"inside a line", "1+2\n3|4\n5", {Do(Command::DeleteLine)}, "1+2\n|\n5"},
      {"at a line start only that line goes",
       "1+2\n|34\n5",
       {Do(Command::DeleteLine)},
       "1+2\n|\n5"},
      {"an empty line stays", "1\n|\n2", {Do(Command::DeleteLine)}, "1\n|\n2"},
      {"last line", "1\n2|3", {Do(Command::DeleteLine)}, "1\n|"},
      {"a line of two-byte text", "×÷|\n1", {Do(Command::DeleteLine)}, "|\n1"},
  });
}

TEST(LineCommands, SeparatorAndClear) {
  std::string separator;
  for (int i = 0; i < 106; ++i) separator += "━";
  RunLines({
      {"separator", "1|2", {Do(Command::SeparatorLine)}, "1\n" + separator + "\n|2"},
      {"separator over a selection",
       "1|2",
       {Select(1), Do(Command::SeparatorLine)},
       "1\n" + separator + "\n|"},
  });
  SheetFixture f("1+2=3|", Static);
  f.Run(Command::ClearAll);
  EXPECT_EQ(f.box.Text(), EmptySheetText());
  EXPECT_EQ(text::SplitLines(f.box.Text()).size(), 32u);
  EXPECT_EQ(f.box.Size(), 62u);
  EXPECT_EQ(f.box.Caret(), 0u);
  f.Run(Command::Undo);
  EXPECT_EQ(f.Shown(), "1+2=3|");
}

TEST(LineCommands, TemplatesMatchTheirMenuCaptions) {
  // Each caption shows the template with a full-width closing bracket; the
  // caret stands after "(" (after "log(", before ",").
  int templates = 0;
  for (const CommandEntry& entry : CommandTable()) {
    if (entry.menu != Menu::InsertFunction) continue;
    ++templates;
    SheetFixture f("1+|", Static);
    EXPECT_EQ(f.Run(entry.command), CommandResult::Done) << entry.caption;
    const std::string expected = text::ReplaceAll(entry.caption, "）", ")");
    const std::size_t bracket = expected.find('(');
    EXPECT_EQ(f.Shown(),
              "1+" + expected.substr(0, bracket + 1) + "|" + expected.substr(bracket + 1))
        << entry.caption;
    EXPECT_TRUE(Worksheet::Handles(entry.command));
  }
  EXPECT_EQ(templates, 16);
  SheetFixture f("|", Static);
  f.Run(Command::InsertLog);
  EXPECT_EQ(f.Shown(), "log(|,)");
}

struct CopyCase {
  std::string_view name;
  std::string_view text;
  std::size_t selection;
  Command command;
  std::string_view clipboard;
};

TEST(CopyCommands, LineOrSelection) {
  const CopyCase cases[] = {
      {"the caret's line", "1+2\n3×|4=12\n5", 0, Command::Copy, "3×4=12"},
      {"at a line start", "1+2\n|34\n5", 0, Command::Copy, "34"},
      {"an empty line", "1\n|\n2", 0, Command::Copy, ""},
      {"the selection", "1+2\n3×|4=12\n5", 3, Command::Copy, "4=1"},
      {"compatible line", "1\n2×π÷4|\n", 0, Command::CopyCompatible, "2*pi/4"},
      {"compatible selection", "|2×π÷4", 5, Command::CopyCompatible, "2*pi"},
  };
  for (const CopyCase& c : cases) {
    SheetFixture f(c.text, Static);
    f.host.SetClipboardText("old");
    f.box.SetSelectionLength(c.selection);
    const std::string before(f.box.Text());
    EXPECT_EQ(f.Run(c.command), CommandResult::Done) << c.name;
    EXPECT_EQ(f.host.ClipboardText(), c.clipboard) << c.name;
    EXPECT_EQ(f.box.Text(), before) << c.name;
  }
}

}  // namespace
}  // namespace tl::sheet
