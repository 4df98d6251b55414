#include "sheet/command.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "sheet/keys.h"

namespace tl::sheet {
namespace {

TEST(CommandTable, EveryCommandHasARowAndSharedCaptionsShareTheCommand) {
  std::set<Command> seen;
  std::map<std::string_view, Command> byCaption;
  for (const CommandEntry& entry : CommandTable()) {
    seen.insert(entry.command);
    const auto [it, fresh] = byCaption.emplace(entry.caption, entry.command);
    EXPECT_TRUE(fresh || it->second == entry.command) << entry.caption;
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(Command::ViewAppearance) + 1);
}

// A shortcut runs one command; only Ctrl+E is on two items, shown one at a time.
TEST(CommandTable, NoTwoCommandsShareAShortcutButCtrlE) {
  std::map<std::string, std::set<Command>> commands;
  for (const CommandEntry& entry : CommandTable())
    if (entry.shortcut.key != 0) commands[ShortcutText(entry.shortcut)].insert(entry.command);
  for (const auto& [shortcut, shared] : commands)
    EXPECT_EQ(shared.size(), shortcut == "Ctrl+E" ? 2u : 1u) << shortcut;
}

TEST(CommandTable, LooksUpCaptionsAndShortcuts) {
  EXPECT_EQ(CommandByCaption("&F.批量运算"), Command::BatchEvaluate);
  EXPECT_EQ(CommandByCaption("&F.分数转换"), Command::FractionConversion);
  EXPECT_EQ(CommandByCaption("&Z.撤消"), Command::Undo);
  EXPECT_EQ(CommandByCaption("&z.撤消"), Command::Undo);
  EXPECT_EQ(CommandByCaption("log(,）"), Command::InsertLog);
  EXPECT_EQ(CommandByCaption("撤消"), std::nullopt);
  EXPECT_EQ(CaptionOf(Command::RefreshLine), "&w.刷新行");
  // "sin(）" closes with the full-width bracket A3 A9.
  EXPECT_EQ(CaptionOf(Command::InsertSin), "sin(\xA3\xA9");

  struct ShortcutCase {
    Shortcut shortcut;
    std::optional<Command> command;
    std::string text;
  };
  const ShortcutCase cases[] = {
      {{kCtrl, 'Z'}, Command::Undo, "Ctrl+Z"},
      {{kCtrl, 'E'}, Command::CopyCompatible, "Ctrl+E"},
      {{kNoModifier, vk::Function(5)}, Command::RefreshLine, "F5"},
      {{kShift, vk::Function(3)}, Command::FindPrevious, "Shift+F3"},
      {{kNoModifier, vk::Function(3)}, Command::FindNext, "F3"},
      {{kCtrl, 'Q'}, Command::Exit, "Ctrl+Q"},
      {{kCtrl, 'B'}, std::nullopt, "Ctrl+B"},
  };
  const settings::Settings settings;
  for (const ShortcutCase& c : cases) {
    EXPECT_EQ(CommandByShortcut(c.shortcut, settings), c.command) << c.text;
    EXPECT_EQ(ShortcutText(c.shortcut), c.text);
  }
  // Without 乘除替换 the menus drop "&E.复制(兼容)": Ctrl+E is the repair's.
  settings::Settings plainSigns;
  plainSigns.乘除替换 = false;
  EXPECT_EQ(CommandByShortcut({kCtrl, 'E'}, plainSigns), Command::RepairDocument);
  EXPECT_EQ(ShortcutOf(Command::RepairDocument), (Shortcut{kCtrl, 'E'}));
  EXPECT_EQ(ShortcutText({}), "");
}

}  // namespace
}  // namespace tl::sheet
