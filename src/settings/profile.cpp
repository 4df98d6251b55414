#include "settings/profile.h"

#include <vector>

#include "text/gbk.h"

namespace tl::settings {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// White space as the Windows functions skip it; Ctrl+Z ends old DOS files.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters compare without case; the bytes of a double-byte character
// (whose second byte may be an ASCII letter) compare exactly.
bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size();) {
    if (text::CharLength(a, i) == 2) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      i += 2;
    } else {
      if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
      ++i;
    }
  }
  return true;
}

enum class LineKind { Blank, Section, Entry };

struct Line {
  std::size_t begin = 0;
  std::size_t valueBegin = 0;  // after the "=", or textEnd when there is none
  std::size_t textEnd = 0;     // where the line break starts
  std::size_t end = 0;         // after the line break
  LineKind kind = LineKind::Blank;
  std::string_view name;                  // section or entry name, trimmed
  std::optional<std::string_view> value;  // entries with "=" only, trimmed
};

Line ParseLine(std::string_view content, std::size_t begin) {
  Line line;
  line.begin = begin;
  line.textEnd = content.find_first_of("\r\n", begin);
  if (line.textEnd == std::string_view::npos) line.textEnd = content.size();
  line.end = line.textEnd;
  if (content.substr(line.end, 2) == kLineBreak) {
    line.end += 2;
  } else if (line.end < content.size()) {
    ++line.end;
  }

  line.valueBegin = line.textEnd;
  const std::string_view body = Trim(content.substr(begin, line.textEnd - begin));
  if (body.empty()) return line;
  if (body.front() == '[') {
    const std::size_t close = text::RFind(body, "]");
    if (close != text::npos) {
      line.kind = LineKind::Section;
      line.name = Trim(body.substr(1, close - 1));
      return line;
    }
  }
  line.kind = LineKind::Entry;
  const std::size_t equals = body.find('=');  // "=" is never a second byte
  if (equals == std::string_view::npos) {
    line.name = body;
  } else {
    line.name = Trim(body.substr(0, equals));
    line.value = Trim(body.substr(equals + 1));
    line.valueBegin = static_cast<std::size_t>(body.data() - content.data()) + equals + 1;
  }
  return line;
}

// Where a key is, or where it would go.
struct Location {
  bool sectionFound = false;
  std::size_t insertAt = 0;   // after the section's last non-blank line
  std::optional<Line> entry;  // the key's line when present
};

Location Locate(std::string_view content, std::string_view section, std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  Location location;
  bool inSection = false;
  for (std::size_t pos = 0; pos < content.size();) {
    const Line line = ParseLine(content, pos);
    pos = line.end;
    if (line.kind == LineKind::Section) {
      // Only the first section of the name counts.
      if (location.sectionFound) break;
      inSection = NamesEqual(line.name, section);
      if (inSection) {
        location.sectionFound = true;
        location.insertAt = line.end;
      }
      continue;
    }
    if (!inSection || line.kind == LineKind::Blank) continue;
    location.insertAt = line.end;
    if (NamesEqual(line.name, key)) {
      location.entry = line;
      break;
    }
  }
  return location;
}

bool EndsWithLineBreak(std::string_view text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

}  // namespace

std::optional<std::string> ReadProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key) {
  const Location location = Locate(content, section, key);
  if (!location.entry || !location.entry->value) return std::nullopt;
  std::string_view value = *location.entry->value;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  if (value.size() >= kValueLimit) {
    value = value.substr(0, text::CharStart(value, kValueLimit - 1));
  }
  return std::string(value);
}

void WriteProfileValue(std::string& content, std::string_view section, std::string_view key,
                       std::string_view value) {
  value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
  const Location location = Locate(content, section, key);
  if (const std::optional<Line>& entry = location.entry) {
    // The name keeps its spelling and spacing in the file; the value after
    // the "=" is replaced whole.
    std::string replacement(entry->value ? "" : "=");
    replacement += value;
    content.replace(entry->valueBegin, entry->textEnd - entry->valueBegin, replacement);
    return;
  }

  std::string added;
  if (!location.sectionFound) {
    if (!content.empty() && !EndsWithLineBreak(content)) added += kLineBreak;
    added += '[';
    added += Trim(section);
    added += ']';
    added += kLineBreak;
  } else if (location.insertAt > 0 && !EndsWithLineBreak(content.substr(0, location.insertAt))) {
    added += kLineBreak;  // the section's last line is the file's unterminated last line
  }
  added += key;  // as given: "按esc退出 " keeps its trailing space
  added += '=';
  added += value;
  added += kLineBreak;
  content.insert(location.sectionFound ? location.insertAt : content.size(), added);
}

}  // namespace tl::settings
