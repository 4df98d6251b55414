#pragma once
// The help window's text, in Chinese: how the worksheet is used. Its lists of
// operators, functions, input rewrites and menu shortcuts are made from the
// program's own tables, and every example it shows is a line as the
// worksheet really writes it (the tests evaluate each one).
#include <string>
#include <string_view>
#include <vector>

namespace tl::sheet {

// What is done to an example's line to get the line the help shows.
enum class ExampleAction {
  Enter,    // the line alone on the sheet, the caret at its end, Enter pressed
  Refresh,  // the same, then "&w.刷新行" (F5)
  Type,     // typed key by key on an empty sheet
};

struct HelpExample {
  std::string_view line;           // GBK, as it stands before the action
  std::string_view shown;          // the line after the action
  std::string_view settings = {};  // "KEY=VALUE" settings, separated by spaces
  ExampleAction action = ExampleAction::Enter;
};

// Every example the help shows, in its order.
std::vector<HelpExample> HelpExamples();

// The whole help text: GBK, CR LF line breaks.
std::string HelpText();

}  // namespace tl::sheet
