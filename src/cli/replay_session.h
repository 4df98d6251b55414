#pragma once
// A replay script run against one fresh worksheet in the in-memory edit box:
// each script line is one event or one look at the state, delivered through
// the same worksheet code the window runs, in the order Win32 delivers it.
// Menu shortcuts are taken on key down, as the window's accelerators take
// them, before the worksheet or the edit box see the key.
//
// The accumulator and find windows are never shown: their buttons are script
// commands, and the replay keeps the find window's fields itself. The file
// dialog is never shown either: `open`, `save` and `save-as` run the
// document's commands with the path the dialog answers.
#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "cli/key_names.h"
#include "cli/script_line.h"
#include "settings/settings.h"
#include "sheet/document.h"
#include "sheet/headless_host.h"
#include "sheet/memory_edit_box.h"
#include "sheet/worksheet.h"

namespace tl::cli {

class ReplaySession {
 public:
  // The state right after start-up with an empty text: caret 0, no status
  // message, an empty clipboard, the first undo snapshot recorded.
  explicit ReplaySession(settings::Settings settings);

  // Runs one script line (its words, the first one the command); `print`
  // writes to `out`. Empty on success, otherwise why the script must stop.
  std::string Execute(std::span<const ScriptWord> words, std::ostream& out);

 private:
  using Words = std::span<const ScriptWord>;
  std::string SetSetting(Words args, std::ostream& out);
  std::string SetText(Words args, std::ostream& out);
  std::string PlaceCaret(Words args, std::ostream& out);
  std::string SelectRange(Words args, std::ostream& out);
  std::string TypeText(Words args, std::ostream& out);
  std::string PressKey(Words args, std::ostream& out);
  std::string HoldKey(Words args, std::ostream& out);
  // One key event each, with the modifiers that "down" holds at the time.
  std::string SingleKeyDown(Words args, std::ostream& out);
  std::string SingleKeyUp(Words args, std::ostream& out);
  static std::string NotOneKey(const ScriptWord& word);
  std::string RunMenuCommand(Words args, std::ostream& out);
  std::string QueueAnswer(Words args, std::ostream& out);
  std::string AdvanceClock(Words args, std::ostream& out);
  std::string PrintState(Words args, std::ostream& out);

  // The mouse, at the caret (replay_tools.cpp).
  std::string PressLeftButton(Words args, std::ostream& out);
  std::string ReleaseLeftButton(Words args, std::ostream& out);
  std::string DoubleClick(Words args, std::ostream& out);
  // The accumulator window's buttons and list, and the find window's buttons
  // (replay_tools.cpp).
  std::string RunAccumulator(Words args, std::ostream& out);
  std::string ChooseRecords(Words args);
  std::string ListRecords(std::ostream& out);
  std::string FindCommand(Words args, std::ostream& out);
  std::string ReplaceCommand(Words args, std::ostream& out);
  std::string ReplaceAllCommand(Words args, std::ostream& out);
  std::string ReplaceSelectionCommand(Words args, std::ostream& out);
  // Fills the find window's fields from "T" (and "R" when there are two
  // texts) and its check box from an optional word "case".
  std::string FillFindFields(Words texts, Words options);

  // The file menu's commands (replay_files.cpp): `open "PATH"`, `save
  // "PATH"`, `save-as "PATH"`, with PATH the file dialog's answer should it
  // ask; New, Open, Save and Save As by `command` or `key`, with a dialog
  // that is cancelled.
  std::string OpenFile(Words args, std::ostream& out);
  std::string SaveFile(Words args, std::ostream& out);
  std::string SaveFileAs(Words args, std::ostream& out);
  // Runs `command` when it is one of the file menu's; false otherwise.
  bool RunDocumentCommand(sheet::Command command, const std::filesystem::path& chosen = {});

  // Key down with the character it types, and key up; empty or why not.
  std::string KeyDown(const KeyPress& press);
  void KeyUp(const KeyPress& press);
  std::string ExecuteMenuCommand(sheet::Command command);
  static std::string NotBuilt(sheet::Command command);

  struct Handler {
    std::string_view name;
    std::size_t fewestArguments;
    std::size_t mostArguments;  // kAnyNumber: no limit
    std::string (ReplaySession::*run)(Words, std::ostream&);
  };
  static constexpr std::size_t kAnyNumber = static_cast<std::size_t>(-1);
  static const Handler kHandlers[];

  settings::Settings settings_;
  sheet::MemoryEditBox box_;
  sheet::HeadlessHost host_;
  sheet::Worksheet worksheet_;
  // The modifier keys that "down" pressed and no "up" has released yet.
  int heldModifiers_ = sheet::kNoModifier;
  // The find window's fields as the replay last filled them.
  sheet::FindFields findFields_ = worksheet_.Find().Remembered();

  // The file dialog: answers once with the path a file command gave, and
  // is cancelled otherwise.
  class ScriptFileDialog final : public sheet::FileDialog {
   public:
    std::optional<std::filesystem::path> Choose(sheet::FileDialogKind,
                                                const std::filesystem::path&) override;
    std::optional<std::filesystem::path> answer;
  };
  ScriptFileDialog dialog_;
  sheet::Document document_;
};

}  // namespace tl::cli
