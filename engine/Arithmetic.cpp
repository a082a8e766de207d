// Checked extended-precision arithmetic.
#include "engine/Arithmetic.h"

#include <cmath>

#include "engine/Errors.h"

namespace velsira {

long double Add(long double a, long double b) { return checked(a + b); }

long double Subtract(long double a, long double b) { return checked(a - b); }

long double Multiply(long double a, long double b) { return checked(a * b); }

long double Divide(long double a, long double b) {
  if (b == 0) {
    if (a == 0) raiseInvalidOperation();
    raiseDivisionByZero();
  }
  return checked(a / b);
}

long double IntegerPower(long double b, unsigned long long n) {
  long double result = 1;
  long double base = b;
  while (n > 0) {
    if (n & 1) result = checked(result * base);
    n >>= 1;
    if (n > 0) base = checked(base * base);
  }
  return result;
}

long double Power(long double b, long double e) {
  if (e == 0) return 1;
  if (b == 0 && e > 0) return 0;
  if (std::floor(e) == e && std::fabs(e) <= 2147483647.0L) {
    long double p = IntegerPower(b, static_cast<unsigned long long>(std::fabs(e)));
    return e < 0 ? Divide(1, p) : p;
  }
  return checked(std::exp(Multiply(e, Ln(b))));
}

long double Ln(long double x) {
  if (std::isnan(x) || x < 0) raiseInvalidOperation();
  if (x == 0) raiseDivisionByZero();
  return checked(std::log(x));
}

long double Sqrt(long double x) {
  if (std::isnan(x) || x < 0) raiseInvalidOperation();
  return std::sqrt(x);
}

}  // namespace velsira
