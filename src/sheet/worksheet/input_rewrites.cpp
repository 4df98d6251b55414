// The rewrites made on every content change (the tables are in
// sheet/input_rewrites.h), each table walked in order and applied at its
// first match.
#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "sheet/line/line_span.h"
#include "sheet/worksheet/input_rewrites.h"
#include "sheet/worksheet/worksheet.h"
#include "text/gbk.h"

namespace tl::sheet {

namespace {

struct Match {
  const RewriteRule* rule;
  std::size_t start;
};

// The first rule whose bytes end just before the caret as whole characters.
std::optional<Match> MatchBeforeCaret(EditBox& box, std::span<const RewriteRule> rules) {
  const std::size_t caret = box.Caret();
  if (caret == 0) return std::nullopt;
  // Most changes (a result written, a digit typed) end in a byte that ends no
  // rule; they are let go before the line is looked at.
  const char last = ByteAt(box, caret - 1);
  const char lowered = last >= 'A' && last <= 'Z' ? static_cast<char>(last - 'A' + 'a') : last;
  const auto endsRule = [last, lowered](const RewriteRule& rule) {
    return rule.typed.back() == (rule.anyCase ? lowered : last);
  };
  if (std::none_of(rules.begin(), rules.end(), endsRule)) return std::nullopt;
  const std::size_t lineStart = AfterLineFeedBefore(box, caret);
  const std::string_view line = box.Slice(lineStart, caret);
  for (const RewriteRule& rule : rules) {
    if (rule.typed.size() > line.size()) continue;
    const std::size_t start = line.size() - rule.typed.size();
    const std::string_view tail = line.substr(start);
    const bool same = rule.anyCase ? text::ToLowerAscii(tail) == rule.typed : tail == rule.typed;
    // Bytes that begin on the second byte of a character are not the typed text.
    if (same && text::CharStart(line, start) == start) return Match{&rule, lineStart + start};
  }
  return std::nullopt;
}
}  // namespace

void Worksheet::RewriteTyping() {
  const auto apply = [this](std::span<const RewriteRule> rules) {
    const std::optional<Match> match = MatchBeforeCaret(box_, rules);
    if (!match) return;
    const RewriteRule& rule = *match->rule;
    // The change being handled records the rewritten text once it is made;
    // the rewrite's own change records nothing, so that one Undo takes back
    // the key and its rewrite together.
    doNotRecord_ = true;
    Rewrite(match->start, rule.typed.size(), rule.becomes, rule.wholeText);
    if (rule.caret == CaretAt::Start) PlaceCaret(box_, match->start);
    if (rule.caret == CaretAt::Inside) {
      PlaceCaret(box_, match->start + text::CharLength(rule.becomes, 0));
    }
  };
  if (settings_.自动替换) apply(kDoubledKeys);
  apply(kTypingRules);
}

void Worksheet::RewriteNotebookKeys() {
  if (!settings_.笔记本用户) return;
  if (const std::optional<Match> match = MatchBeforeCaret(box_, kNotebookKeys)) {
    Rewrite(match->start, match->rule->typed.size(), match->rule->becomes, false);
  }
}

void Worksheet::Rewrite(std::size_t start, std::size_t length, std::string_view replacement,
                        bool wholeText) {
  if (wholeText) {
    // The new text raises its own content change with the caret still at 0,
    // where nothing is rewritten; the caret then goes after the replacement.
    std::string rewritten(box_.Text());
    rewritten.replace(start, length, replacement);
    box_.SetText(rewritten);
    PlaceCaret(box_, start + replacement.size());
    return;
  }
  // The replacement's own content change may rewrite further ("÷" typed
  // after "÷" by the notebook key becomes "√"); the caret stays where that
  // leaves it.
  PlaceCaret(box_, start);
  box_.SetSelectionLength(length);
  box_.ReplaceSelection(replacement);
}

}  // namespace tl::sheet
