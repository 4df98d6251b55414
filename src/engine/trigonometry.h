#pragma once
// Sine, cosine, tangent and arctangent computed the same way on every platform: the C
// libraries differ (a Windows runtime reduces the argument with a 66-bit π, so
// sin(3.14159265359) loses half its digits there), and a result must not
// depend on where the program runs.
namespace tl::engine {

// Arguments in radians. The argument is reduced exactly enough for every
// digit of the result to hold, even next to a multiple of π/2 or for the
// largest doubles; results lie within one unit in the last place and are the
// same bit for bit everywhere. An infinite argument gives not-a-number;
// tangent is infinite where the reduced argument is exactly a right angle,
// never by dividing by zero.
double Sine(double x);
double Cosine(double x);
double Tangent(double x);

// The arctangent in radians, within one unit in the last place; ±π/2 for
// infinite arguments.
double Arctangent(double x);

}  // namespace tl::engine
