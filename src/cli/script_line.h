#pragma once
// One line of a replay script (UTF-8) split into its words (GBK). A word is a
// run of non-blank bytes or a quoted text; quoted texts take the escapes
// \r \n \t \\ \".
#include <charconv>
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

// A word that is a whole decimal number in the range of `Number`.
template <class Number>
bool ParseNumber(const ScriptWord& word, Number& number) {
  const std::string& digits = word.text;
  const char* end = digits.data() + digits.size();
  const auto [stop, failure] = std::from_chars(digits.data(), end, number);
  return !digits.empty() && failure == std::errc() && stop == end;
}

// "'WORD' is not a number", the word in UTF-8.
std::string NotANumber(const ScriptWord& word);

}  // namespace tl::cli
