#pragma once
// How the worksheet recognises the values it wrote into a line.
#include <string_view>

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

// A text that is entirely a shown value: it has a digit and stripping leaves
// nothing ("12", "-0.5", "1,234.5", "1∟1∟2", "1.5×10^020").
bool IsShownValue(std::string_view text);

}  // namespace tl::sheet
