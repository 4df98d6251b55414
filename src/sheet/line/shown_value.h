#pragma once
// How the worksheet recognises the values it wrote into a line.
#include <string_view>

#include "engine/engine.h"

namespace tl::sheet {

// A non-empty text that the number-text rule writes for its own value: "3",
// "0.5", "1.5e-007"; not "03", "1.50", "+3" or "3+4".
bool IsCanonicalNumber(std::string_view text);

// A chain part with its old value stripped from the start: spaces and one
// leading sign, then digits, ".", ";", "," and "∟" (spaces in between), then a
// "×10^" exponent when it is 13 or more or -5 or less (a result's exponent;
// a smaller one is a power of ten the user wrote and stays). "2,000+5" gives
// "+5", "1.5×10^-007" gives "", "5×10^3" gives "×10^3".
std::string_view StripShownValue(std::string_view part);

// A text the worksheet could have written as a result, spaces around it
// aside: a "-" sign, then a decimal ("0.5", "3.00", "1234", grouped by
// `grouping` as "1,234.5" or "1;234.5"), an exponent form ("1.5×10^020",
// "2.5×10^-005") or a fraction ("7∟4", "1∟3∟4"). Not "1.5.5", "03", "+3",
// "5×10^3", nor "1,234" when "," does not group thousands.
bool IsShownValue(std::string_view text, engine::ThousandsSeparator grouping);

}  // namespace tl::sheet
