#include "sheet/document/print_layout.h"

#include <algorithm>

#include "text/gbk.h"

namespace tl::sheet {

namespace {

constexpr int kMarginTenthsOfMm = 200;  // 2 cm
constexpr std::size_t kTabColumns = 8;

int Margin(int dpi) {
  return static_cast<int>(static_cast<long long>(dpi) * kMarginTenthsOfMm / 254);
}

// The lines of the text, split at CR LF, at a lone CR and at a lone LF.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t p = 0; p < text.size(); ++p) {
    if (text[p] != '\r' && text[p] != '\n') continue;
    lines.push_back(text.substr(start, p - start));
    if (text[p] == '\r' && p + 1 < text.size() && text[p + 1] == '\n') ++p;
    start = p + 1;
  }
  lines.push_back(text.substr(start));
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

std::string WithoutTabs(std::string_view line) {
  std::string result;
  for (const char c : line) {
    if (c != '\t') {
      result += c;
      continue;
    }
    result.append(kTabColumns - result.size() % kTabColumns, ' ');
  }
  return result;
}

// Appends the line's pieces that each fit in `width` (a piece holds at least
// one character).
void Wrap(std::string_view line, int width, const CharacterWidth& widthOf,
          std::vector<std::string>& out) {
  std::size_t start = 0;
  int used = 0;
  for (std::size_t p = 0; p < line.size();) {
    const std::size_t next = text::NextChar(line, p);
    const int w = widthOf(line.substr(p, next - p));
    if (p > start && used + w > width) {
      out.emplace_back(line.substr(start, p - start));
      start = p;
      used = 0;
    }
    used += w;
    p = next;
  }
  out.emplace_back(line.substr(start));
}

}  // namespace

PageFrame FrameOf(const Paper& paper, int lineHeight) {
  const int paperWidth = paper.width > 0 ? paper.width : paper.printableWidth;
  const int paperHeight = paper.height > 0 ? paper.height : paper.printableHeight;
  const int offsetX = paper.width > 0 ? paper.offsetX : 0;
  const int offsetY = paper.height > 0 ? paper.offsetY : 0;
  PageFrame frame;
  frame.lineHeight = std::max(lineHeight, 1);
  frame.left = std::max(Margin(paper.dpiX) - offsetX, 0);
  frame.top = std::max(Margin(paper.dpiY) - offsetY, 0);
  frame.right = std::min(paperWidth - Margin(paper.dpiX) - offsetX, paper.printableWidth);
  frame.bottom = std::min(paperHeight - Margin(paper.dpiY) - offsetY, paper.printableHeight);
  frame.right = std::max(frame.right, frame.left + 1);
  frame.bottom = std::max(frame.bottom, frame.top + frame.lineHeight);
  // The number goes half a line below the text, within the printable area.
  frame.numberTop =
      std::min(frame.bottom + frame.lineHeight / 2, paper.printableHeight - frame.lineHeight);
  return frame;
}

std::vector<PrintedPage> LayOutPages(std::string_view text, const PageFrame& frame,
                                     const CharacterWidth& widthOf) {
  std::vector<std::string> lines;
  for (const std::string_view line : Lines(text))
    Wrap(WithoutTabs(line), frame.right - frame.left, widthOf, lines);
  const std::size_t perPage =
      static_cast<std::size_t>(std::max((frame.bottom - frame.top) / frame.lineHeight, 1));
  std::vector<PrintedPage> pages(std::max<std::size_t>((lines.size() + perPage - 1) / perPage, 1));
  for (std::size_t i = 0; i < lines.size(); ++i) pages[i / perPage].push_back(std::move(lines[i]));
  return pages;
}

std::string PageNumberText(std::size_t number, std::size_t count) {
  return "第 " + std::to_string(number) + " 页，共 " + std::to_string(count) + " 页";
}

}  // namespace tl::sheet
