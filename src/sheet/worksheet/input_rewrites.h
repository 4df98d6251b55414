#pragma once
// The rewrites made on every content change: what was just typed before the
// caret becomes a symbol that has no key. Three tables: the doubled keys
// (with 自动替换), the typing rules (always), and the notebook keys (with
// 笔记本用户). The help lists them from here.
#include <string_view>

namespace tl::sheet {

// Where the caret goes after a rewrite.
enum class CaretAt {
  End,     // after the new text
  Start,   // before the new text
  Inside,  // after the new text's first character
};

struct RewriteRule {
  std::string_view typed;  // the bytes that end at the caret
  std::string_view becomes;
  CaretAt caret = CaretAt::End;
  bool anyCase = false;    // ASCII letters of `typed` match in either case
  bool wholeText = false;  // the whole text is replaced with the rewrite made
};

inline constexpr RewriteRule kDoubledKeys[] = {
    {"××", "^"}, {"÷÷", "√"}, {"**", "^"}, {"//", "√"}, {"√÷", "÷√"},
    {"++", "∟"}, {"……", "^"}, {".×", ")"}, {".÷", "("}, {"dd", "0°0′0.0″", CaretAt::Start},
};

inline constexpr RewriteRule kTypingRules[] = {
    {"‘", "'", CaretAt::End, false, true},
    {"’", "'", CaretAt::End, false, true},
    {"'''", "°", CaretAt::End, false, true},
    {"tjfx", "tjfx(", CaretAt::End, false, true},
    {"！", "!"},
    {"pi", "π", CaretAt::End, true},
    {"|", "√"},
    {"%%", "‰"},
    {"..", "()", CaretAt::Inside},
};

inline constexpr RewriteRule kNotebookKeys[] = {
    {"【", "÷"},
    {"】", "×"},
};

}  // namespace tl::sheet
