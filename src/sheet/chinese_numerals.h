#pragma once
// A number written in Chinese upper-case numerals and as an amount of money in
// words, for the number conversion window "数值转大写" and the command line.
// Both forms work on hundredths rounded half up and return GBK text.
#include <string>
#include <string_view>

namespace tl::sheet {

// "零" for 0, "负" before a negative number, "溢出" above 9999999999999;
// the integer part in numerals with its place units, then "点" and the
// hundredths without a trailing zero: 1001 → 壹仟零壹, 100000 → 壹拾万,
// 10.5 → 壹拾点伍, 123.45 → 壹佰贰拾叁点肆伍, −3 → 负叁.
std::string UpperCaseNumeral(double value);

// The amount in yuan, jiao and fen: "溢出" above 9999999999999.99, "零" when
// it rounds to no fen, "整" at the end when the fen digit is 0:
// 123.45 → 壹佰贰拾叁元肆角伍分, 10.5 → 壹拾元零伍角整, 3 → 叁元整, 0.07 → 柒分.
std::string AmountInWords(double value);

struct NumberInWords {
  std::string upperCase;  // the "大写" field
  std::string amount;     // the "金额" field
  bool operator==(const NumberInWords&) const = default;
};

// Both forms of the number a field's text reads as: its leading numeric part
// once the grouping characters ",", ";", "，" and "；" are removed, 0 when
// there is none.
NumberInWords ConvertNumberField(std::string_view text);

}  // namespace tl::sheet
