#include "sheet/result_check.h"

#include <algorithm>

#include "sheet/engine_options.h"
#include "sheet/host.h"
#include "sheet/memory_edit_box.h"
#include "sheet/shown_value.h"
#include "sheet/status_messages.h"
#include "sheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsFailure(std::string_view status) {
  return status.starts_with("   [表达式错误]") || status.starts_with("   [运算错误]");
}

// Keeps the status text and the last failure the engine reported, which a
// failed refresh covers with a message of its own.
class CheckHost final : public Host {
 public:
  void SetStatusText(std::string_view text) override {
    status_ = text;
    if (IsFailure(text)) failure_ = text;
  }
  std::string StatusText() override { return status_; }
  void SetClipboardText(std::string_view) override {}
  std::string ClipboardText() override { return {}; }
  void StartEnterTimer(int) override {}
  void StopEnterTimer() override {}
  std::uint64_t NowMs() override { return 0; }
  MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) override {
    return request.defaultAnswer;
  }
  void FocusEditBox() override {}
  void AdjustFontSize(int) override {}

  void Clear() {
    status_.clear();
    failure_.clear();
  }
  const std::string& Failure() const { return failure_; }

 private:
  std::string status_;
  std::string failure_;
};

std::string_view TrimEnd(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string_view WithoutLeadingSpaces(std::string_view text) {
  return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

}  // namespace

struct ResultChecker::Sheet {
  explicit Sheet(settings::Settings& settings)
      : worksheet(box, host, settings, WorksheetOptions{.undoHistory = false}) {}
  MemoryEditBox box;
  CheckHost host;
  Worksheet worksheet;
};

ResultChecker::ResultChecker(const settings::Settings& settings)
    : settings_(settings), sheet_(std::make_unique<Sheet>(settings_)) {}

ResultChecker::~ResultChecker() = default;

std::vector<StaleResult> ResultChecker::Check(std::string_view line) {
  std::vector<StaleResult> stale;
  if (line.find('=') == npos) return stale;
  if (!settings_.空格分式) {
    CheckChain(line, 0, stale);
    return stale;
  }
  // Each space-separated expression is a chain of its own.
  for (std::size_t start = 0; start < line.size();) {
    std::size_t end = line.find(' ', start);
    if (end == npos) end = line.size();
    if (end > start) CheckChain(line.substr(start, end - start), start, stale);
    start = end + 1;
  }
  return stale;
}

void ResultChecker::CheckChain(std::string_view chain, std::size_t chainStart,
                               std::vector<StaleResult>& stale) {
  const engine::ThousandsSeparator grouping = EngineOptionsFrom(settings_).thousandsSeparator;
  for (std::size_t equals = chain.find('='); equals != npos; equals = chain.find('=', equals + 1)) {
    // The written value: what a refresh strips from the front of the part.
    const std::size_t partStart = equals + 1;
    const std::string_view part = chain.substr(partStart, chain.find('=', partStart) - partStart);
    const std::string_view value =
        TrimEnd(part.substr(0, part.size() - StripShownValue(part).size()));
    const std::string_view expression = WithoutLeadingSpaces(TrimEnd(chain.substr(0, equals)));
    if (expression.empty() || !IsShownValue(value, grouping)) continue;
    const std::string_view written = WithoutLeadingSpaces(value);
    StaleResult result{std::string(expression),
                       std::string(written),
                       {},
                       chainStart + partStart + (value.size() - written.size())};
    switch (Rebuild(chain.substr(0, partStart + value.size()), result.now)) {
      case Rebuilt::Value:
        ++checked_;
        if (result.now != result.written) stale.push_back(std::move(result));
        break;
      case Rebuilt::Failure:
        ++checked_;
        stale.push_back(std::move(result));
        return;  // every later value of the chain fails alike
      case Rebuilt::NoValue:
        break;
    }
  }
}

ResultChecker::Rebuilt ResultChecker::Rebuild(std::string_view upToValue, std::string& now) {
  sheet_->host.Clear();
  sheet_->box.SetText(upToValue);
  PlaceCaret(sheet_->box, upToValue.size());
  sheet_->worksheet.RefreshLine();
  if (sheet_->host.StatusText() == msg::kRefreshFailed) {
    const std::string& failure = sheet_->host.Failure();
    now = WithoutLeadingSpaces(failure.empty() ? msg::kRefreshFailed : failure);
    return Rebuilt::Failure;
  }
  // A part that writes no value (a bare number) leaves nothing to compare.
  const std::string_view rebuilt = sheet_->box.Text();
  if (std::count(rebuilt.begin(), rebuilt.end(), '=') !=
      std::count(upToValue.begin(), upToValue.end(), '=')) {
    return Rebuilt::NoValue;
  }
  now = WithoutLeadingSpaces(TrimEnd(rebuilt.substr(rebuilt.rfind('=') + 1)));
  return Rebuilt::Value;
}

}  // namespace tl::sheet
