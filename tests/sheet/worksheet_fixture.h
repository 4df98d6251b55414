#pragma once
// A worksheet over the in-memory edit box and the headless host, driven the
// way the window drives it, for scenario tables: a text with "|" at the caret,
// settings, a list of actions, then the text, caret and status.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"
#include "sheet/seams/headless_host.h"
#include "sheet/seams/key_delivery.h"
#include "sheet/seams/memory_edit_box.h"
#include "sheet/sheet_test_text.h"
#include "sheet/worksheet/worksheet.h"

namespace tl::sheet {

using Configure = void (*)(settings::Settings&);

class SheetFixture {
 public:
  explicit SheetFixture(std::string_view text, Configure configure = nullptr,
                        WorksheetOptions options = {}) {
    if (configure) configure(settings);
    LoadWithCaret(box, text);
    sheet = std::make_unique<Worksheet>(box, host, settings, options);
  }

  void Press(int key, int modifiers = kNoModifier, Character character = 0) {
    PressKey(*sheet, box, host, {key, modifiers, character});
  }
  void Enter(int modifiers = kNoModifier) {
    Press(vk::kReturn, modifiers, modifiers == kCtrl ? '\n' : '\r');
  }
  void HoldEnter(std::uint64_t ms) {
    const KeyStroke enter{vk::kReturn, kNoModifier, '\r'};
    KeyDown(*sheet, box, host, enter);
    AdvanceClock(*sheet, host, ms);
    KeyUp(*sheet, enter);
  }
  void Type(std::string_view text) { TypeText(*sheet, box, host, text); }
  CommandResult Run(Command command) { return sheet->Execute(command); }

  // The text with "|" at the caret and "\n" for CR LF.
  std::string Shown() {
    std::string shown = WithCaret(box);
    std::string out;
    for (std::size_t i = 0; i < shown.size(); ++i) {
      if (shown.compare(i, 2, "\r\n") == 0) {
        out += '\n';
        ++i;
      } else {
        out += shown[i];
      }
    }
    return out;
  }

  settings::Settings settings;
  HeadlessHost host;
  MemoryEditBox box;
  std::unique_ptr<Worksheet> sheet;
};

using Action = std::function<void(SheetFixture&)>;

inline Action Enter() {
  return [](SheetFixture& f) { f.Enter(); };
}
inline Action CtrlEnter() {
  return [](SheetFixture& f) { f.Enter(kCtrl); };
}
inline Action HoldEnter(std::uint64_t ms) {
  return [ms](SheetFixture& f) { f.HoldEnter(ms); };
}
inline Action Type(std::string text) {
  return [text](SheetFixture& f) { f.Type(text); };
}
inline Action Press(int key, int modifiers = kNoModifier) {
  return [key, modifiers](SheetFixture& f) { f.Press(key, modifiers); };
}
inline Action Do(Command command) {
  return [command](SheetFixture& f) { f.Run(command); };
}

struct Scenario {
  std::string_view name;
  std::string_view text;  // "|" at the caret, "\n" for CR LF
  Configure configure;
  std::vector<Action> actions;
  std::string_view expected;  // text and caret afterwards
  std::string_view status;    // the status bar afterwards
};

inline void RunScenarios(const std::vector<Scenario>& scenarios) {
  for (const Scenario& s : scenarios) {
    SheetFixture f(s.text, s.configure);
    for (const Action& action : s.actions) action(f);
    EXPECT_EQ(f.Shown(), s.expected) << s.name;
    EXPECT_EQ(f.host.StatusText(), s.status) << s.name;
  }
}

// Common settings.
inline void Static(settings::Settings& s) {
  s.动态刷新 = false;
}
inline void Live(settings::Settings& s) {
  s.动态刷新 = true;
}

}  // namespace tl::sheet
