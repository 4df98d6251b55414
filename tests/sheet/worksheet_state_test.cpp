// Undo and redo, live mode and its menu items, the accumulator records, and
// the commands the worksheet does not build yet.
#include "sheet/live_mode.h"
#include "sheet/status_messages.h"
#include "sheet/worksheet_fixture.h"

namespace tl::sheet {
namespace {

TEST(WorksheetUndo, UndoAndRedoRestoreTextAndCaret) {
  SheetFixture f("1+2|", Static);
  f.Enter();
  ASSERT_EQ(f.Shown(), "1+2=3|");
  EXPECT_EQ(f.Run(Command::Undo), CommandResult::Done);
  EXPECT_EQ(f.Shown(), "1+2|");
  EXPECT_EQ(f.Run(Command::Redo), CommandResult::Done);
  EXPECT_EQ(f.Shown(), "1+2=3|");
  // Restoring is not recorded: one more undo goes back again.
  EXPECT_EQ(f.Run(Command::Undo), CommandResult::Done);
  EXPECT_EQ(f.Shown(), "1+2|");
  EXPECT_EQ(f.sheet->History()->Count(), 2u);
}

TEST(WorksheetUndo, AnUndoWithNothingToUndoLeavesTheNextChangeRecorded) {
  SheetFixture f("|", Static);
  f.Run(Command::Undo);
  f.Type("5");
  f.Type("6");
  f.Run(Command::Undo);
  EXPECT_EQ(f.Shown(), "5|");
  f.Run(Command::Undo);
  f.Run(Command::Undo);
  f.Type("7");
  f.Run(Command::Redo);  // the edit after the undo is not overwritten
  EXPECT_EQ(f.Shown(), "7|");
}

TEST(WorksheetUndo, HistoryKeepsTheSetNumberOfSnapshots) {
  SheetFixture f("|", [](settings::Settings& s) {
    s.动态刷新 = false;
    s.撤销设置 = 2;
  });
  f.Type("abc");
  f.Run(Command::Undo);
  f.Run(Command::Undo);
  EXPECT_EQ(f.Shown(), "ab|");
  // A new change drops what could have been redone.
  f.Type("x");
  f.Run(Command::Redo);
  EXPECT_EQ(f.Shown(), "abx|");
}

// One Undo takes back one user action: a key with the refresh it caused, or
// a whole command.
TEST(WorksheetUndo, EachUserActionIsOneStep) {
  SheetFixture f("|", Live);
  f.Type("1+2");
  ASSERT_EQ(f.Shown(), "1+2|=3");
  for (const char* shown : {"1+|", "1|", "|"}) {
    f.Run(Command::Undo);
    EXPECT_EQ(f.Shown(), shown);
  }
  for (int i = 0; i < 3; ++i) f.Run(Command::Redo);
  EXPECT_EQ(f.Shown(), "1+2|=3");

  // A batch that writes more results than the history holds snapshots.
  std::string lines = "|";
  for (int i = 0; i < 60; ++i) lines += std::to_string(i) + "+1\n";
  SheetFixture batch(lines, Static);
  batch.Run(Command::BatchEvaluate);
  ASSERT_EQ(batch.sheet->History()->Count(), 2u);
  batch.Run(Command::Undo);
  EXPECT_EQ(batch.Shown(), lines);
}

TEST(WorksheetUndo, AWorksheetWithoutHistoryRefusesUndo) {
  settings::Settings settings;
  HeadlessHost host;
  MemoryEditBox box("1+2");
  Worksheet sheet(box, host, settings, WorksheetOptions{.undoHistory = false});
  EXPECT_EQ(sheet.Execute(Command::Undo), CommandResult::NoUndoHistory);
  EXPECT_EQ(sheet.Execute(Command::Redo), CommandResult::NoUndoHistory);
  EXPECT_EQ(sheet.History(), nullptr);
}

TEST(WorksheetModes, LiveModeTogglesWithItsMenuItems) {
  SheetFixture f("", Live);
  const auto state = [&f](Command item) { return f.sheet->MenuState(item); };
  EXPECT_EQ(state(Command::LiveMode), (MenuItemState{true, true}));
  EXPECT_EQ(state(Command::Record), (MenuItemState{false, false}));
  EXPECT_EQ(f.Run(Command::Record), CommandResult::Disabled);
  EXPECT_EQ(f.Run(Command::ClearAccumulator), CommandResult::Disabled);

  f.Run(Command::LiveMode);
  EXPECT_FALSE(f.settings.动态刷新);
  EXPECT_EQ(state(Command::LiveMode), (MenuItemState{false, true}));
  EXPECT_EQ(state(Command::Accumulator), (MenuItemState{false, true}));
  EXPECT_EQ(f.Run(Command::Record), CommandResult::Done);
  EXPECT_EQ(state(Command::Record), (MenuItemState{true, true}));

  // Switching the mode unchecks "&A.记录".
  f.Run(Command::LiveMode);
  f.Run(Command::LiveMode);
  EXPECT_FALSE(f.sheet->Recording());
  EXPECT_EQ(state(Command::Record), (MenuItemState{false, true}));
}

// What a menu shows when it opens: check mark, greying and presence of the
// items the worksheet's modes and options decide.
TEST(WorksheetModes, MenuStatesFollowTheModeAndTheOptions) {
  const auto asciiSigns = [](settings::Settings& s) {
    Static(s);
    s.乘除替换 = false;
  };
  struct Row {
    Configure configure;
    bool record;  // "&A.记录" run first (refused in live mode)
    Command command;
    MenuItemState state;
  };
  const Row rows[] = {
      {Static, false, Command::LiveMode, {.checked = false}},
      {Live, false, Command::LiveMode, {.checked = true}},
      {Static, false, Command::Record, {.checked = false}},
      {Static, true, Command::Record, {.checked = true}},
      {Live, true, Command::Record, {.enabled = false}},
      {Static, false, Command::Accumulator, {}},
      {Live, false, Command::Accumulator, {.enabled = false}},
      {Live, false, Command::ClearAccumulator, {.enabled = false}},
      {Static, false, Command::CopyCompatible, {}},
      {asciiSigns, false, Command::CopyCompatible, {.shown = false}},
      {Live, true, Command::Undo, {}},
  };
  for (const Row& row : rows) {
    SheetFixture f("", row.configure);
    if (row.record) f.Run(Command::Record);
    const MenuItemState state = f.sheet->MenuState(row.command);
    EXPECT_EQ(state, row.state) << static_cast<int>(row.command) << " " << row.record;
  }
}

TEST(WorksheetModes, LiveModeSetFromTheOptionsEndsRecording) {
  struct Row {
    bool before, after;
  };
  for (const Row row : {Row{false, false}, Row{false, true}, Row{true, false}}) {
    SheetFixture f("", row.before ? Live : Static);
    if (!row.before) f.Run(Command::Record);
    SetLiveMode(*f.sheet, f.settings, row.after);
    EXPECT_EQ(f.settings.动态刷新, row.after);
    EXPECT_FALSE(f.sheet->Recording());
    EXPECT_EQ(f.sheet->MenuState(Command::LiveMode), (MenuItemState{row.after, true}));
    EXPECT_EQ(f.sheet->MenuState(Command::Record), (MenuItemState{false, !row.after}));
    EXPECT_EQ(f.sheet->MenuState(Command::Accumulator), (MenuItemState{false, !row.after}));
  }
}

TEST(WorksheetModes, RecordedResultsGoToTheAccumulator) {
  SheetFixture f("1+2|\n5\n", Static);
  f.Run(Command::Record);
  f.Enter();
  f.Press(vk::kDown);
  f.Press(vk::kEnd);
  f.Enter();
  const std::vector<AccumulatorRecord> expected = {{1, "1+2", "3"}, {2, "5", "5"}};
  EXPECT_EQ(f.sheet->Accumulator(), expected);
  EXPECT_EQ(f.host.StatusText(), msg::kNoOperator);

  f.Run(Command::ClearAccumulator);  // answered with the default, Cancel
  EXPECT_EQ(f.sheet->Accumulator().size(), 2u);
  ASSERT_EQ(f.host.MessageBoxes().size(), 1u);
  EXPECT_EQ(f.host.MessageBoxes()[0].text, "是否清空累加器！");
  EXPECT_EQ(f.host.MessageBoxes()[0].title, "警告");
  f.host.QueueAnswer(MessageBoxAnswer::Ok);
  f.Run(Command::ClearAccumulator);
  EXPECT_TRUE(f.sheet->Accumulator().empty());
}

TEST(WorksheetModes, EditCommandsUseTheClipboard) {
  SheetFixture f("1+2|", Static);
  f.Run(Command::SelectAll);
  f.Run(Command::Cut);
  EXPECT_EQ(f.host.ClipboardText(), "1+2");
  EXPECT_EQ(f.Shown(), "|");
  f.Run(Command::Paste);
  f.Run(Command::Paste);
  EXPECT_EQ(f.Shown(), "1+21+2|");
  // Nothing computed yet: pasting the result inserts nothing.
  f.Run(Command::PasteResult);
  EXPECT_EQ(f.Shown(), "1+21+2|");
}

TEST(WorksheetModes, CommandsOfLaterWindowsAreReportedAsNotBuilt) {
  SheetFixture f("1+2|", Static);
  for (const Command command : {Command::Open, Command::Accumulator, Command::Options,
                                Command::ViewFullScreen, Command::TrayExit}) {
    EXPECT_EQ(f.Run(command), CommandResult::NotBuilt) << CaptionOf(command);
  }
  EXPECT_EQ(f.Shown(), "1+2|");
  for (const CommandEntry& entry : CommandTable()) {
    EXPECT_EQ(Worksheet::Handles(entry.command), f.Run(entry.command) != CommandResult::NotBuilt)
        << entry.caption;
  }
}

}  // namespace
}  // namespace tl::sheet
