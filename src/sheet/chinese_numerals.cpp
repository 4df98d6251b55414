#include "sheet/chinese_numerals.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "text/gbk.h"
#include "text/number_text.h"

namespace tl::sheet {

namespace {

constexpr std::array<std::string_view, 10> kDigits = {"零", "壹", "贰", "叁", "肆",
                                                      "伍", "陆", "柒", "捌", "玖"};
// The unit of each place from the tens upwards: index 0 is the tens place.
constexpr std::array<std::string_view, 12> kPlaceUnits = {"拾", "佰", "仟", "万", "拾", "佰",
                                                          "仟", "亿", "拾", "佰", "仟", "万"};
constexpr std::string_view kTenThousand = "万";
constexpr std::string_view kHundredMillion = "亿";
constexpr std::string_view kPoint = "点";
constexpr std::string_view kMinus = "负";
constexpr std::string_view kOverflow = "溢出";
constexpr std::string_view kYuan = "元";
constexpr std::string_view kJiao = "角";
constexpr std::string_view kFen = "分";
constexpr std::string_view kWhole = "整";

// What groups the digits of a number, in either width.
constexpr std::array<std::string_view, 4> kGroupingCharacters = {",", ";", "，", "；"};

bool IsGroupingCharacter(std::string_view character) {
  for (const std::string_view grouping : kGroupingCharacters) {
    if (character == grouping) return true;
  }
  return false;
}

// The largest integer part with a place unit for its leading digit.
constexpr double kLargestNumeral = 9999999999999.0;
constexpr double kLargestFen = 999999999999999.0;

// Half up: a remainder of 0.5 or more, after adding 1e-12 against the error of
// the scaling, counts as half.
double RoundHalfUp(double value) {
  const double whole = std::floor(value);
  return value - whole + 1e-12 >= 0.5 ? whole + 1 : whole;
}

// How a digit walk names its places. `onesPosition` is the position of the
// ones digit (0 for a plain number, 2 for fen); the two places below the ones
// are jiao and fen, and `unitMark` ("元" or nothing) follows the lowest
// non-zero digit at or above the ones.
struct DigitLayout {
  int onesPosition;
  std::string_view unitMark;
};

// The digits of `number` in numerals, from the lowest position up, as pieces
// in reverse reading order: each digit pushes its mark, its group word, its
// place unit and then its numeral. A run of zeros after a non-zero digit gives
// one "零"; a group word ("万", "亿") is written with the first non-zero digit
// of its group that lies above the group's own place.
std::vector<std::string_view> DigitPieces(std::uint64_t number, DigitLayout layout) {
  std::vector<std::string_view> pieces;
  bool belowWasNonZero = false;
  bool markWritten = layout.unitMark.empty();
  bool tenThousandGroupWritten = false;     // a digit at place 4..7
  bool hundredMillionGroupWritten = false;  // a digit at place 8 or above
  for (int position = 0; number > 0; ++position, number /= 10) {
    const auto digit = static_cast<std::size_t>(number % 10);
    const int place = position - layout.onesPosition;  // 0 is the ones
    if (digit == 0) {
      if (belowWasNonZero) pieces.push_back(kDigits[0]);
      belowWasNonZero = false;
      continue;
    }
    if (place >= 0 && !markWritten) {
      pieces.push_back(layout.unitMark);
      markWritten = true;
    }
    if (place >= 5 && place <= 7 && !tenThousandGroupWritten) pieces.push_back(kTenThousand);
    if (place >= 9 && !hundredMillionGroupWritten) pieces.push_back(kHundredMillion);
    if (place >= 1) {
      pieces.push_back(kPlaceUnits[static_cast<std::size_t>(place - 1)]);
    } else if (place == -1) {
      pieces.push_back(kJiao);
    } else if (place == -2) {
      pieces.push_back(kFen);
    }
    pieces.push_back(kDigits[digit]);
    if (place >= 4 && place <= 7) tenThousandGroupWritten = true;
    if (place >= 8) hundredMillionGroupWritten = true;
    belowWasNonZero = true;
  }
  return pieces;
}

void AppendReversed(std::string& out, const std::vector<std::string_view>& pieces) {
  for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) out += *piece;
}

// "点" and the hundredths' digits without a trailing zero; nothing for 0.
std::string FractionNumeral(unsigned hundredths) {
  if (hundredths == 0) return {};
  std::string out(kPoint);
  out += kDigits[hundredths / 10];
  if (hundredths % 10 != 0) out += kDigits[hundredths % 10];
  return out;
}

}  // namespace

std::string UpperCaseNumeral(double value) {
  if (value == 0) return std::string(kDigits[0]);
  const bool negative = value < 0;
  const double magnitude = negative ? -value : value;
  if (!(magnitude <= kLargestNumeral)) return std::string(kOverflow);  // NaN too
  auto integer = static_cast<std::uint64_t>(magnitude);
  auto hundredths = static_cast<unsigned>(RoundHalfUp((magnitude - integer) * 100));
  if (hundredths >= 100) {
    ++integer;
    hundredths = 0;
  }
  // A number that rounds to no hundredths has no sign: −0.001 is "零".
  if (integer == 0 && hundredths == 0) return std::string(kDigits[0]);
  std::string out(negative ? kMinus : "");
  if (integer == 0) {
    out += kDigits[0];
  } else {
    AppendReversed(out, DigitPieces(integer, {0, {}}));
  }
  out += FractionNumeral(hundredths);
  return out;
}

std::string AmountInWords(double value) {
  const bool negative = value < 0;
  const double scaled = (negative ? -value : value) * 100;
  if (!(scaled <= kLargestFen + 1)) return std::string(kOverflow);  // NaN too
  const double fen = RoundHalfUp(scaled);
  if (fen > kLargestFen) return std::string(kOverflow);
  if (fen == 0) return std::string(kDigits[0]);
  const auto count = static_cast<std::uint64_t>(fen);
  std::vector<std::string_view> pieces;
  if (count % 10 == 0) pieces.push_back(kWhole);
  const std::vector<std::string_view> digits = DigitPieces(count, {2, kYuan});
  pieces.insert(pieces.end(), digits.begin(), digits.end());
  std::string out(negative ? kMinus : "");
  AppendReversed(out, pieces);
  return out;
}

NumberInWords ConvertNumberField(std::string_view text) {
  // A result grouped by thousands ("541,196") reads whole.
  std::string digits;
  for (std::size_t p = 0; p < text.size(); p = text::NextChar(text, p)) {
    const std::string_view character = text.substr(p, text::CharLength(text, p));
    if (!IsGroupingCharacter(character)) digits.append(character);
  }
  const double value = text::TextToNumber(digits);
  return {UpperCaseNumeral(value), AmountInWords(value)};
}

}  // namespace tl::sheet
