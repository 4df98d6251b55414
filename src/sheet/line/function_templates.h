#pragma once
// The templates of the right-click "&L.插入函数" submenu: the text each item
// inserts and how far the caret then steps back, so that typing continues
// inside the brackets.
#include <cstddef>
#include <string_view>

#include "sheet/seams/command.h"

namespace tl::sheet {

struct FunctionTemplate {
  Command command;
  std::string_view text;
  std::size_t caretBack;
};

// The command's template, or nullptr for a command that inserts none.
const FunctionTemplate* FunctionTemplateOf(Command command);

}  // namespace tl::sheet
