#pragma once
// The two number rules every part of the program shares.
//
// Number text: what C's "%.13g" writes, with an exponent of at least three
// digits, as the Windows C runtime writes it. Implemented here, not with
// printf, so that Linux and Windows builds write identical texts.
// Text to number: C's atof, restricted to plain decimal notation.
#include <string>
#include <string_view>

namespace tl::text {

// 13 significant digits, rounded to nearest; exponent form when the decimal
// exponent is below -4 or at least 13: 1.234567890123e+013, 1e-005.
// Values that are not finite are written "inf", "-inf" and "nan".
std::string NumberToText(double value);

// Leading white space, an optional sign, digits with an optional ".", an
// optional exponent; reading stops at the first byte that does not fit.
// "12abc" reads 12, "abc" reads 0; an exponent too large reads as infinity
// with the sign of the mantissa, one too small as 0.
double TextToNumber(std::string_view text);

// The length of the leading number that TextToNumber reads (white space
// included), 0 when there is none.
std::size_t LeadingNumberLength(std::string_view text);

}  // namespace tl::text
