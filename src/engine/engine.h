#pragma once
// The expression engine: one line's expression text and the options in, one
// outcome out. Pure functions: no worksheet, no settings record, no globals.
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "engine/messages.h"  // the status messages an outcome may carry

namespace tl::engine {

enum class EvaluationMode { Normal = 0, ConversionCheck = 1, ConversionApply = 2 };

// Output forms of a result with a fractional part (the "分数类型" values).
enum class FractionForm { Decimal = 0, Fraction = 1, Mixed = 2 };

// The unit of the trigonometric functions' angles.
enum class AngleMode { Degrees, Radians, Gradians };

// Which character groups thousands, in the input and in decimal results. The
// other of "," and ";" separates arguments; with None both do.
enum class ThousandsSeparator { None, Semicolon, Comma };

// Whether a result may be written as a fraction: only when a fraction was
// typed and nothing forced a decimal.
enum class ResultKind { Decimal, FractionTyped };

// Each option names the setting it comes from.
struct Options {
  FractionForm fractionForm = FractionForm::Decimal;  // 分数类型, or the detected form
  bool ignoreThousands = false;                       // 忽略千分符
  ThousandsSeparator thousandsSeparator = ThousandsSeparator::None;  // 逗号千分割
  AngleMode angleMode = AngleMode::Degrees;                          // 角度制选中
  int precision = 12;                            // 运算精度设置: decimals of decimal output
  bool dropTrailingZeros = true;                 // 小数类型
  EvaluationMode mode = EvaluationMode::Normal;  // ConversionApply forces fraction output
};

enum class Status {
  Result,        // `text` is the result text R; the expression reduced to one value
  Empty,         // nothing to evaluate after preparation; no message
  Message,       // `text` is the one status message
  Unrecognised,  // an unrecognised character; `text` is its message, but the
                 // worksheet first checks and repairs its line breaks
};

struct Outcome {
  Status status = Status::Empty;
  std::string text;
  ResultKind resultKind = ResultKind::Decimal;
  // False when the expression is a bare number: its token list is a single
  // number token equal to the expression itself ("5", not "(5)" or "pi").
  bool hasOperator = true;
  // True when the expression is a bare number only once its labels are
  // dropped ("押金 3000"): on a line of its own it is no more than "3000".
  bool labelledNumber = false;
};

// What an evaluation works in besides its input: the token list, the
// operators waiting and the operands. A caller that evaluates line after line
// keeps one, so that in the long run no evaluation allocates them again.
class Workspace {
 public:
  Workspace();
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

 private:
  friend Outcome Evaluate(std::string_view exprText, const Options& options, Workspace& workspace);
  struct Buffers;
  std::unique_ptr<Buffers> buffers_;
};

// Steps from the picked expression text (ExprText, after the "=" rule) to the
// result text: prepare, normalise with the bracket checks, tokenise with the
// syntax checks, mark signs, convert to postfix, evaluate, format.
Outcome Evaluate(std::string_view exprText, const Options& options, Workspace& workspace);
Outcome Evaluate(std::string_view exprText, const Options& options);

// The fraction conversion's look at a shown result before it is rewritten.
struct ShownResultCheck {
  // Result: `next` holds; Empty: nothing but spaces; Message: `text` is the
  // one status message.
  Status status = Status::Empty;
  std::string text;
  FractionForm next = FractionForm::Decimal;  // the form to write the result in next
};

// `shownText` is the text after the line's last "=". A decimal is written next
// as a fraction, a fraction as a mixed number, a mixed number as a decimal.
// Anything but digits, ".", ",", ";", "-", "∟" and spaces is no shown result
// (msg::kComputeFirst); more than three "∟"-separated parts give
// msg::kFractionFormat.
ShownResultCheck CheckShownResult(std::string_view shownText);

enum class FunctionKind {
  Prefix,   // one argument, the operand after it: "sin", "~"
  Postfix,  // one argument, the operand before it: "!", "%", "‰"
  List,     // the argument list after it: "max(1,2)"
};

struct FunctionName {
  std::string_view name;  // as typed, except "~", the unary minus (typed "-")
  FunctionKind kind;
};

// Every name the function table holds, in its order: the functions, the
// postfix operators and the unary minus.
std::span<const FunctionName> FunctionNames();

}  // namespace tl::engine
