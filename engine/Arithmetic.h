// Checked extended-precision arithmetic: every fault raises its error text
// instead of giving a silent NaN or infinity. Underflow passes silently.
#pragma once

namespace velsira {

long double Add(long double a, long double b);
long double Subtract(long double a, long double b);
long double Multiply(long double a, long double b);
// a / b: "Floating point division by zero", or "Invalid floating point
// operation" for 0 / 0.
long double Divide(long double a, long double b);
// b to the whole power n by repeated squaring.
long double IntegerPower(long double b, unsigned long long n);
// The power of input preparation: exponent 0 gives 1, a zero base with a
// positive exponent 0, a whole exponent repeated multiplication (its
// reciprocal when negative), any other exp(e * ln b).
long double Power(long double b, long double e);
// Natural logarithm: a negative argument is an invalid operation, zero a
// division by zero.
long double Ln(long double x);
// Square root: a negative argument is an invalid operation.
long double Sqrt(long double x);

}  // namespace velsira
