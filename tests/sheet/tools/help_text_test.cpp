// The help cannot promise what the worksheet does not do: each example it
// shows is run on a worksheet, and each function of the engine has its entry.
#include "sheet/tools/help_text.h"
#include "engine/engine.h"
#include "settings/key_table.h"
#include "sheet/tools/help_content.h"
#include "sheet/worksheet_fixture.h"
#include "text/encoding.h"

namespace tl::sheet {
namespace {

// Applies "KEY=VALUE KEY=VALUE" as the configuration file would.
void ApplySettings(settings::Settings& target, std::string_view pairs) {
  while (!pairs.empty()) {
    const std::size_t end = std::min(pairs.find(' '), pairs.size());
    const std::string_view pair = pairs.substr(0, end);
    const std::size_t equals = pair.find('=');
    bool known = false;
    for (const settings::KeyInfo& info : settings::kKeys) {
      if (info.key != pair.substr(0, equals)) continue;
      settings::SetField(target, info, pair.substr(equals + 1));
      known = true;
    }
    EXPECT_TRUE(known) << text::GbkToUtf8(pair);
    pairs.remove_prefix(std::min(end + 1, pairs.size()));
  }
}

std::string FirstLine(SheetFixture& f) {
  const std::string_view text = f.box.Text();
  return std::string(text.substr(0, text.find("\r\n")));
}

TEST(HelpText, EveryExampleShowsTheLineTheWorksheetWrites) {
  const std::vector<HelpExample> examples = HelpExamples();
  ASSERT_GT(examples.size(), 40u);
  for (const HelpExample& example : examples) {
    const bool typed = example.action == ExampleAction::Type;
    SheetFixture f(typed ? "|\n" : std::string(example.line) + "|\n");
    ApplySettings(f.settings, example.settings);
    if (typed)
      f.Type(example.line);
    else if (example.action == ExampleAction::Refresh)
      f.Run(Command::RefreshLine);
    else
      f.Enter();
    EXPECT_EQ(text::GbkToUtf8(FirstLine(f)), text::GbkToUtf8(example.shown))
        << text::GbkToUtf8(example.line) << " " << text::GbkToUtf8(example.settings);
  }
}

TEST(HelpText, ListsEveryFunctionOfTheEngineWithItsEntry) {
  const std::string help = HelpText();
  for (const engine::FunctionName& function : engine::FunctionNames()) {
    const help::Entry* entry = help::FunctionEntry(function.name);
    ASSERT_NE(entry, nullptr) << function.name;
    // The unary minus "~" is written as it is typed, "-".
    const std::string_view written = entry->written.empty() ? entry->name : entry->written;
    EXPECT_NE(help.find(std::string(written) + "\t" + std::string(entry->meaning)),
              std::string::npos)
        << function.name;
  }
  // The edit control breaks lines only at CR LF.
  for (std::size_t at = help.find('\n'); at != std::string::npos; at = help.find('\n', at + 1))
    ASSERT_TRUE(at > 0 && help[at - 1] == '\r') << "a line feed alone at " << at;
}

}  // namespace
}  // namespace tl::sheet
