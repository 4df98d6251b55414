#include "cli/script_line.h"

#include "text/encoding.h"

namespace tl::cli {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

// Reads the quoted text that starts at `p` (on the opening quote); leaves `p`
// after the closing quote.
bool ReadQuoted(std::string_view line, std::size_t& p, std::string& out, std::string& error) {
  std::string utf8;
  for (++p; p < line.size(); ++p) {
    char c = line[p];
    if (c == '"') {
      ++p;
      out = text::Utf8ToGbk(utf8);
      return true;
    }
    if (c != '\\') {
      utf8 += c;
      continue;
    }
    if (++p == line.size()) break;
    switch (line[p]) {
      case 'r':
        utf8 += '\r';
        break;
      case 'n':
        utf8 += '\n';
        break;
      case 't':
        utf8 += '\t';
        break;
      case '\\':
        utf8 += '\\';
        break;
      case '"':
        utf8 += '"';
        break;
      default:
        error = std::string("unknown escape \\") + line[p];
        return false;
    }
  }
  error = "unterminated quoted text";
  return false;
}

}  // namespace

ScriptLine ParseScriptLine(std::string_view line) {
  ScriptLine result;
  std::size_t p = 0;
  while (p < line.size() && IsBlank(line[p])) ++p;
  if (p == line.size() || line[p] == '#') return result;
  while (p < line.size()) {
    ScriptWord word;
    if (line[p] == '"') {
      word.quoted = true;
      if (!ReadQuoted(line, p, word.text, result.error)) return result;
      if (p < line.size() && !IsBlank(line[p])) {
        result.error = "a quoted text must be followed by a space";
        return result;
      }
    } else {
      std::size_t start = p;
      while (p < line.size() && !IsBlank(line[p])) ++p;
      word.text = text::Utf8ToGbk(line.substr(start, p - start));
    }
    result.words.push_back(std::move(word));
    while (p < line.size() && IsBlank(line[p])) ++p;
  }
  return result;
}

std::string NotANumber(const ScriptWord& word) {
  return "'" + text::GbkToUtf8(word.text) + "' is not a number";
}

}  // namespace tl::cli
