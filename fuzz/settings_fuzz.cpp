// Any bytes as a configuration file, then reads and writes of fuzzed keys.
// Invariants: a plain value written reads back; a write touches at most the
// one line of its key (it may add lines); reading never fails on any file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "settings/profile.h"

namespace {

// Names from a small alphabet with GBK characters (one whose second byte is
// "N"), so that writes find existing keys as well as new ones.
std::string Name(std::uint8_t seed) {
  static const char* const kParts[] = {"a", "B", "\xA8\x4E", "\xD6\xD0", "k1", "x"};
  std::string name = kParts[seed % 6];
  if (seed & 0x40) name += kParts[(seed >> 3) % 6];
  return name;
}

// A value that reads back as written.
std::string PlainValue(std::string_view bytes) {
  std::string value;
  for (char c : bytes) {
    // White space and Ctrl+Z (the reader trims them, as the Windows
    // functions do), quotes (it strips an enclosing pair), line breaks and
    // NUL (the writer cuts the value there).
    if (c == '\0' || c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a' || c == '"' || c == '\'')
      continue;
    value += c;
  }
  return value;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t p = 0; p < text.size(); ++p) {
    if (text[p] == '\n') {
      lines.push_back(text.substr(start, p + 1 - start));
      start = p + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// At most one line of `before` is missing from `after` (the key's own line, or
// a last line that gained its line break); the rest keep their order.
bool TouchesAtMostOneLine(std::string_view before, std::string_view after) {
  std::vector<std::string_view> a = Lines(before), b = Lines(after);
  std::size_t prefix = 0;
  while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
  std::size_t suffix = 0;
  while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
         a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
    ++suffix;
  return a.size() - prefix - suffix <= 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  std::size_t fileSize = data[0] * size / 256;
  std::string content(reinterpret_cast<const char*>(data + 1), std::min(fileSize, size - 1));
  std::string_view ops(reinterpret_cast<const char*>(data + 1 + content.size()),
                       size - 1 - content.size());
  while (ops.size() >= 3) {
    std::string section = Name(static_cast<std::uint8_t>(ops[0]));
    std::string key = Name(static_cast<std::uint8_t>(ops[1]));
    std::size_t valueLength = static_cast<std::uint8_t>(ops[2]) % 24;
    ops.remove_prefix(3);
    std::string_view raw = ops.substr(0, valueLength);
    ops.remove_prefix(raw.size());
    (void)tl::settings::ReadProfileValue(content, section, key);
    std::string value = PlainValue(raw);
    std::string before = content;
    tl::settings::WriteProfileValue(content, section, key, value);
    std::optional<std::string> read = tl::settings::ReadProfileValue(content, section, key);
    if (!value.empty() && read != value) std::abort();
    if (!TouchesAtMostOneLine(before, content)) std::abort();
  }
  return 0;
}
