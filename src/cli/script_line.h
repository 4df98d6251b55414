#pragma once
// One line of a replay script (UTF-8) split into its words (GBK). A word is a
// run of non-blank bytes or a quoted text; quoted texts take the escapes
// \r \n \t \\ \".
#include <string>
#include <string_view>
#include <vector>

namespace tl::cli {

struct ScriptWord {
  std::string text;  // GBK
  bool quoted = false;
};

struct ScriptLine {
  std::vector<ScriptWord> words;  // empty for blank lines and comments
  std::string error;              // why the line is malformed, empty when it is not
};

ScriptLine ParseScriptLine(std::string_view line);

}  // namespace tl::cli
