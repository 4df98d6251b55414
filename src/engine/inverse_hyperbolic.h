#pragma once
// The inverse hyperbolic functions, computed the same way on every platform
// and carried in double-double precision, so that an argument near 0 (or
// acosh's near 1) keeps its digits instead of vanishing in a logarithm of a
// number next to 1.
namespace tl::engine {

// ln(x + √(x² + 1)).
double Arsinh(double x);

// ln(x + √(x² − 1)) for x ≥ 1; not a number below 1.
double Arcosh(double x);

// ln((1 + x) ÷ (1 − x)) ÷ 2 for |x| < 1; infinite at ±1, not a number beyond.
double Artanh(double x);

}  // namespace tl::engine
