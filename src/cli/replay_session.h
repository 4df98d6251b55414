#pragma once
// A replay script run against one fresh worksheet in the in-memory edit box:
// each script line is one event or one look at the state, delivered through
// the same worksheet code the window runs, in the order Win32 delivers it.
// Menu shortcuts are taken on key down, as the window's accelerators take
// them, before the worksheet or the edit box see the key.
#include <ostream>
#include <span>
#include <string>

#include "cli/key_names.h"
#include "cli/script_line.h"
#include "settings/settings.h"
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
  std::string RunMenuCommand(Words args, std::ostream& out);
  std::string QueueAnswer(Words args, std::ostream& out);
  std::string AdvanceClock(Words args, std::ostream& out);
  std::string PrintState(Words args, std::ostream& out);

  // Key down with the character it types, and key up; empty or why not.
  std::string KeyDown(const KeyPress& press);
  void KeyUp(const KeyPress& press);
  std::string ExecuteMenuCommand(sheet::Command command);

  struct Handler {
    std::string_view name;
    std::size_t arguments;
    std::string (ReplaySession::*run)(Words, std::ostream&);
  };
  static const Handler kHandlers[];

  settings::Settings settings_;
  sheet::MemoryEditBox box_;
  sheet::HeadlessHost host_;
  sheet::Worksheet worksheet_;
};

}  // namespace tl::cli
