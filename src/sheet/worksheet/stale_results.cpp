#include "sheet/worksheet/stale_results.h"

#include "sheet/line/result_check.h"
#include "sheet/worksheet/status_messages.h"
#include "sheet/worksheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

std::vector<StalePlace> FindStaleResults(std::string_view text,
                                         const settings::Settings& settings) {
  std::vector<StalePlace> places;
  ResultChecker checker(settings);
  std::size_t number = 1;
  for (std::size_t start = 0; start <= text.size(); ++number) {
    std::size_t end = text.find(text::kCrLf, start);
    if (end == text::npos) end = text.size();
    for (StaleResult& stale : checker.Check(text.substr(start, end - start)))
      places.push_back({number, start + stale.column, stale.written.size(), std::move(stale.now)});
    start = end + text::kCrLf.size();
  }
  return places;
}

void ReportStaleResults(std::string_view text, const settings::Settings& settings, Host& host) {
  const std::size_t count = FindStaleResults(text, settings).size();
  if (count > 0) host.SetStatusText(msg::StaleResultsInFile(count));
}

std::string OpenedWithStaleResults(std::string opened, std::string_view text,
                                   const settings::Settings& settings) {
  const std::size_t count = FindStaleResults(text, settings).size();
  if (count == 0) return opened;
  // The stale results first: a narrow status bar cuts the end of the text.
  constexpr std::string_view kCategory = "   [提示]_";
  std::string_view details = opened;
  if (details.starts_with(kCategory)) details.remove_prefix(kCategory.size());
  return msg::StaleResultsInFile(count) + "；" + std::string(details);
}

namespace {

// A failure as the status bar names it within another message: its text
// without the "[运算错误]_" before it.
std::string_view WithoutCategory(std::string_view now) {
  const std::size_t end = now.find("]_");
  return now.starts_with('[') && end != std::string_view::npos ? now.substr(end + 2) : now;
}

}  // namespace

// The first stale result that starts at or after the selection's end, or,
// with none there, the first of the sheet: pressed again and again, the
// command visits each in turn and starts over at the top.
void Worksheet::SelectNextStaleResult() {
  const std::vector<StalePlace> places = FindStaleResults(box_.Text(), settings_);
  if (places.empty()) {
    host_.SetStatusText(msg::kAllResultsHold);
    return;
  }
  const std::size_t from = box_.Caret() + box_.SelectionLength();
  const StalePlace* next = &places.front();
  for (const StalePlace& place : places) {
    if (place.start < from) continue;
    next = &place;
    break;
  }
  box_.SetCaret(next->start);
  box_.SetSelectionLength(next->length);
  host_.SetStatusText(msg::StaleResult(next->line, WithoutCategory(next->now), places.size()));
}

}  // namespace tl::sheet
