#include "cli/run_check.h"

#include "sheet/line/result_check.h"
#include "text/encoding.h"
#include "text/gbk.h"

namespace tl::cli {

namespace {

// Lines between two looks at the progress.
constexpr std::size_t kProgressInterval = 1024;

class LineChecker {
 public:
  LineChecker(const settings::Settings& settings, Progress& progress, std::ostream& report)
      : checker_(settings), progress_(progress), report_(report) {}

  // Checks the whole lines of `text`; returns the length of what they take.
  std::size_t CheckWholeLines(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t end = text.find(text::kCrLf); end != text::npos;
         end = text.find(text::kCrLf, start)) {
      Check(text.substr(start, end - start));
      start = end + text::kCrLf.size();
    }
    return start;
  }

  void Check(std::string_view line) {
    ++number_;
    done_ += line.size() + text::kCrLf.size();
    if (number_ % kProgressInterval == 0) progress_.Report(done_);
    for (const sheet::StaleResult& stale : checker_.Check(line)) {
      ++stale_;
      report_ << number_ << '\t' << text::GbkToUtf8(stale.expression) << '\t'
              << text::GbkToUtf8(stale.written) << '\t' << text::GbkToUtf8(stale.now) << '\n';
    }
  }

  CheckTotals Totals() const { return {checker_.Checked(), stale_, {}}; }

 private:
  sheet::ResultChecker checker_;
  Progress& progress_;
  std::ostream& report_;
  std::size_t number_ = 0;
  std::size_t done_ = 0;
  std::size_t stale_ = 0;
};

}  // namespace

CheckTotals CheckResults(InputPieces& input, const files::FileForm& form,
                         const settings::Settings& settings, Progress& progress,
                         std::ostream& report) {
  files::TextDecoder decoder(form);
  LineChecker lines(settings, progress, report);
  std::string pending;
  for (std::string_view bytes = input.Next(); !bytes.empty(); bytes = input.Next()) {
    if (!decoder.Add(bytes, pending)) break;
    pending.erase(0, lines.CheckWholeLines(pending));
  }
  CheckTotals totals;
  totals.error = input.Error();
  if (totals.error.empty() && !decoder.Finish())
    totals.error = input.Name() + ": " + decoder.Error();
  if (!totals.error.empty()) return totals;
  lines.Check(pending);
  progress.Finish();
  totals = lines.Totals();
  return totals;
}

}  // namespace tl::cli
