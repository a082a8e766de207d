// The function evaluator: rows of names tested one after the other, each row
// that applies writing its value, then the rounding to 12 decimal places.
#include "engine/Evaluator.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "engine/Arithmetic.h"
#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/Text.h"

namespace velsira {
namespace {

// The functions of the angle-unit rows. The first ten take an angle in the
// checked unit, the last eight give one.
enum class AngleRow {
  Sin, Cos, Csc, Sec, Tan, Cot, Sinh, Cosh, Tanh, Coth,
  ArcTan, ArcCot, ArcSin, ArcCos, ArcTanh, ArcCoth, ArcSinh, ArcCosh,
};

struct AngleName {
  std::string_view name;
  AngleRow row;
};

constexpr AngleName kAngleNames[] = {
    {"Sin", AngleRow::Sin},         {"Cos", AngleRow::Cos},         {"Csc", AngleRow::Csc},
    {"Sec", AngleRow::Sec},         {"Tan", AngleRow::Tan},         {"Cot", AngleRow::Cot},
    {"Sinh", AngleRow::Sinh},       {"Cosh", AngleRow::Cosh},       {"Tanh", AngleRow::Tanh},
    {"Coth", AngleRow::Coth},       {"ArcTan", AngleRow::ArcTan},   {"ArcCot", AngleRow::ArcCot},
    {"ArcSin", AngleRow::ArcSin},   {"ArcCos", AngleRow::ArcCos},   {"ArcTanh", AngleRow::ArcTanh},
    {"ArcCoth", AngleRow::ArcCoth}, {"ArcSinh", AngleRow::ArcSinh}, {"ArcCosh", AngleRow::ArcCosh},
};

constexpr std::string_view kKok = "Kök"_cp;
constexpr std::string_view kUstel = "Üstel"_cp;
constexpr std::string_view kKuvvet = "Kuvvet";

// Below this magnitude the hyperbolic functions give exactly 0, 1 and 0, and
// the inverse cotangent gives π/2; within it of ±1 the inverse hyperbolic
// tangent and cotangent are infinite.
constexpr long double kTiny = 1E-16L;

inline bool startsWith(std::string_view s, std::string_view head) {
  return s.size() >= head.size() && std::char_traits<char>::compare(s.data(), head.data(), head.size()) == 0;
}

const AngleName* findAngleName(std::string_view name) {
  for (const auto& a : kAngleNames)
    if (a.name == name) return &a;
  return nullptr;
}

// The logarithm to base 2: a negative argument is an invalid operation, zero
// a division by zero.
long double Log2(long double x) {
  if (x < 0) raiseInvalidOperation();
  if (x == 0) raiseDivisionByZero();
  return std::log2(x);
}

long double Log10(long double x) {
  if (x < 0) raiseInvalidOperation();
  if (x == 0) raiseDivisionByZero();
  return std::log10(x);
}

long double Exp(long double x) { return checked(std::exp(x)); }

long double Sinh(long double x) {
  if (std::fabs(x) <= kTiny) return 0;
  return Divide(Subtract(Exp(x), Exp(-x)), 2);
}

long double Cosh(long double x) {
  if (std::fabs(x) <= kTiny) return 1;
  return Divide(Add(Exp(x), Exp(-x)), 2);
}

long double Tanh(long double x) {
  if (std::fabs(x) <= kTiny) return 0;
  return Divide(Sinh(x), Cosh(x));
}

long double ArcCot(long double x) {
  if (std::fabs(x) <= kTiny) return kPi / 2;
  return std::atan(Divide(1, x));
}

// atan2(x, √(1 − x²)) and atan2(√(1 − x²), x).
long double ArcSin(long double x) { return std::atan2(x, Sqrt(Subtract(1, Multiply(x, x)))); }
long double ArcCos(long double x) { return std::atan2(Sqrt(Subtract(1, Multiply(x, x))), x); }

// The infinite values at ±1 are the rows' own results; the rounding step
// then fails to read them back.
long double ArcTanh(long double x) {
  if (std::fabs(x - 1) <= kTiny) return std::numeric_limits<long double>::infinity();
  if (std::fabs(x + 1) <= kTiny) return -std::numeric_limits<long double>::infinity();
  return Multiply(0.5L, Ln(Divide(Add(1, x), Subtract(1, x))));
}

long double ArcCoth(long double x) {
  if (std::fabs(x - 1) <= kTiny) return std::numeric_limits<long double>::infinity();
  if (std::fabs(x + 1) <= kTiny) return -std::numeric_limits<long double>::infinity();
  return Multiply(0.5L, Ln(Divide(Add(x, 1), Subtract(x, 1))));
}

long double ArcSinh(long double x) { return Ln(Add(x, Sqrt(Add(Multiply(x, x), 1)))); }

long double ArcCosh(long double x) {
  return Ln(Add(x, Multiply(Add(x, 1), Sqrt(Divide(Subtract(x, 1), Add(x, 1))))));
}

// The value of an angle-unit row at x. Angles in degrees or grads are
// converted to radians before the direct functions; the inverse functions'
// radians are converted to the unit after them.
long double angleRowValue(AngleRow row, AngleUnit unit, long double x) {
  const long double halfTurn = unit == AngleUnit::Degrees ? 180 : 200;
  if (row < AngleRow::ArcTan && unit != AngleUnit::Radians) {
    // Where the tangent or the sine is exactly zero in the unit, the
    // reciprocal rows are undefined: the radian value only comes near it.
    const long double rest = std::fabs(std::fmod(x, halfTurn));
    const bool poleOfTan = rest == halfTurn / 2 && (row == AngleRow::Tan || row == AngleRow::Sec);
    const bool poleOfCot = rest == 0 && (row == AngleRow::Cot || row == AngleRow::Csc);
    if (poleOfTan || poleOfCot) raiseDivisionByZero();
  }
  if (row < AngleRow::ArcTan) {
    const long double a = unit == AngleUnit::Radians ? x : Divide(Multiply(x, kPi), halfTurn);
    switch (row) {
      case AngleRow::Sin: return checked(std::sin(a));
      case AngleRow::Cos: return checked(std::cos(a));
      case AngleRow::Csc: return Divide(1, checked(std::sin(a)));
      case AngleRow::Sec: return Divide(1, checked(std::cos(a)));
      case AngleRow::Tan: return checked(std::tan(a));
      case AngleRow::Cot: return Divide(1, checked(std::tan(a)));
      case AngleRow::Sinh: return Sinh(a);
      case AngleRow::Cosh: return Cosh(a);
      case AngleRow::Tanh: return Tanh(a);
      case AngleRow::Coth: return Divide(1, Tanh(a));
      default: break;
    }
    return 0;
  }
  long double v = 0;
  switch (row) {
    case AngleRow::ArcTan: v = std::atan(x); break;
    case AngleRow::ArcCot: v = ArcCot(x); break;
    case AngleRow::ArcSin: v = ArcSin(x); break;
    case AngleRow::ArcCos: v = ArcCos(x); break;
    case AngleRow::ArcTanh: v = ArcTanh(x); break;
    case AngleRow::ArcCoth: v = ArcCoth(x); break;
    case AngleRow::ArcSinh: v = ArcSinh(x); break;
    case AngleRow::ArcCosh: v = ArcCosh(x); break;
    default: break;
  }
  if (unit == AngleUnit::Radians || std::isinf(v)) return v;
  return Divide(Multiply(v, halfTurn), kPi);
}

// Digits with at most one "," and at least one digit.
bool isNumberName(std::string_view s) {
  int commas = 0, digits = 0;
  for (char c : s) {
    if (c == ',') ++commas;
    else if (isDigit(c)) ++digits;
    else return false;
  }
  return digits > 0 && commas <= 1;
}

[[noreturn]] void raiseUnknownName(std::string_view name) {
  raiseMessage(Message::UnknownName, name);
}

// |a * b| with a check against limit, in 128 bits.
bool mulWithin(unsigned __int128 a, unsigned __int128 b, unsigned __int128 limit, unsigned __int128& out) {
  if (a != 0 && b > limit / a) return false;
  out = a * b;
  return out <= limit;
}

// The evaluator's rows, tested in order: the names a row applies to, and its
// value from the whole name and the argument (the name's rest after the
// row's text is a number). Every row that applies writes its value, the last
// one giving the result.
enum class RowMatch {
  AngleName,     // a name of the angle-unit rows
  Exact,         // the name is the row's text
  Prefix,        // the name begins with the row's text
  LongerPrefix,  // the name begins with the row's text and goes on
};

struct FunctionRow {
  RowMatch match;
  std::string_view name;
  long double (*value)(std::string_view name, std::string_view argument, AngleUnit unit);
};

long double angleValue(std::string_view name, std::string_view argument, AngleUnit unit) {
  return angleRowValue(findAngleName(name)->row, unit, TextToFloat(argument));
}
long double log2Value(std::string_view, std::string_view argument, AngleUnit) { return Log2(TextToFloat(argument)); }
long double logBaseValue(std::string_view name, std::string_view argument, AngleUnit) {
  const long double x = TextToFloat(argument);
  const long double p = TextToFloat(name.substr(3));
  return Divide(Log2(x), Log2(p));
}
long double log10Value(std::string_view, std::string_view argument, AngleUnit) { return Log10(TextToFloat(argument)); }
long double lnValue(std::string_view, std::string_view argument, AngleUnit) { return Ln(TextToFloat(argument)); }
long double powerValue(std::string_view name, std::string_view argument, AngleUnit) {
  const long double x = TextToFloat(argument);
  return Power(x, TextToFloat(name.substr(kKuvvet.size())));
}
long double exponentialValue(std::string_view name, std::string_view argument, AngleUnit) {
  const long double x = TextToFloat(argument);
  return Power(TextToFloat(name.substr(kUstel.size())), x);
}
long double squareRootValue(std::string_view, std::string_view argument, AngleUnit) {
  return Sqrt(TextToFloat(argument));
}
long double rootValue(std::string_view name, std::string_view argument, AngleUnit) {
  const long double x = TextToFloat(argument);
  return Power(x, Divide(1, TextToFloat(name.substr(kKok.size()))));
}

// The counting rows read the name's number before the argument.
long double permutationValue(std::string_view name, std::string_view argument, AngleUnit) {
  const int32_t r = TextToInt(name.substr(3));
  const int32_t n = TextToInt(argument);
  return static_cast<long double>(Evaluator::PermutationCount(n, r));
}
long double factorialValue(std::string_view, std::string_view argument, AngleUnit) {
  return static_cast<long double>(Evaluator::Factorial(TextToInt(argument)));
}
long double combinationValue(std::string_view name, std::string_view argument, AngleUnit) {
  const int32_t r = TextToInt(name.substr(3));
  const int32_t n = TextToInt(argument);
  return static_cast<long double>(Evaluator::CombinationCount(n, r));
}

constexpr FunctionRow kFunctionRows[] = {
    {RowMatch::AngleName, "", angleValue},
    {RowMatch::Exact, "log2", log2Value},
    {RowMatch::Prefix, "log", logBaseValue},
    {RowMatch::Exact, "log10", log10Value},
    {RowMatch::Exact, "ln", lnValue},
    {RowMatch::Prefix, kKuvvet, powerValue},
    {RowMatch::Prefix, kUstel, exponentialValue},
    {RowMatch::Exact, kKok, squareRootValue},
    {RowMatch::LongerPrefix, kKok, rootValue},
    {RowMatch::Prefix, "Per", permutationValue},
    {RowMatch::Exact, "!", factorialValue},
    {RowMatch::Prefix, "Kom", combinationValue},
};

// Whether row applies to name. Only the names beginning with "S", "C", "T"
// or "A" are looked up among the angle names.
bool applies(const FunctionRow& row, std::string_view name) {
  switch (row.match) {
    case RowMatch::AngleName: {
      const char first = name.empty() ? '\0' : name[0];
      return (first == 'S' || first == 'C' || first == 'T' || first == 'A') && findAngleName(name) != nullptr;
    }
    case RowMatch::Exact: return name == row.name;
    case RowMatch::Prefix: return startsWith(name, row.name);
    case RowMatch::LongerPrefix: return startsWith(name, row.name) && name.size() > row.name.size();
  }
  return false;
}

}  // namespace

int64_t Evaluator::PermutationCount(int64_t n, int64_t r) {
  if (r < 1) return 1;
  const int64_t low = n - r + 1;
  if (low <= 0 && n >= 0) return 0;  // the range holds 0
  // Every factor is at least 1 in size, so the partial products never
  // shrink: an overflow on the way is an overflow of the result.
  int64_t product = 1;
  for (int64_t k = low; k <= n; ++k)
    if (__builtin_mul_overflow(product, k, &product)) raiseIntegerOverflow();
  return product;
}

int64_t Evaluator::Factorial(int64_t n) {
  int64_t product = 1;
  for (int64_t k = 2; k <= n; ++k)
    if (__builtin_mul_overflow(product, k, &product)) raiseIntegerOverflow();
  return product;
}

int64_t Evaluator::CombinationCount(int64_t n, int64_t r) {
  if (r < 1) return 1;
  if (n >= 0 && n < r) return 0;
  // n >= r: the binomial coefficient C(n, r). n < 0: the r factors are
  // -(m + r - 1) .. -m with m = -n, and the quotient is (-1)^r C(m + r - 1, r).
  const int64_t top = n >= 0 ? n : -n + r - 1;
  const bool negative = n < 0 && (r % 2 == 1);
  const int64_t k = std::min(r, top - r);
  const unsigned __int128 limit =
      negative ? (static_cast<unsigned __int128>(1) << 63) : static_cast<unsigned __int128>(INT64_MAX);
  // c runs through C(top - k + i, i), which never decreases: an overflow on
  // the way is an overflow of the result.
  unsigned __int128 c = 1;
  for (int64_t i = 1; i <= k; ++i) {
    unsigned __int128 product = 0;
    if (!mulWithin(c, static_cast<unsigned __int128>(top - k + i), limit * static_cast<unsigned __int128>(i),
                   product))
      raiseIntegerOverflow();
    c = product / static_cast<unsigned __int128>(i);
    if (c > limit) raiseIntegerOverflow();
  }
  if (negative) return c == limit ? INT64_MIN : -static_cast<int64_t>(c);
  return static_cast<int64_t>(c);
}

bool Evaluator::IsKnownName(std::string_view name) {
  for (const FunctionRow& row : kFunctionRows)
    if (applies(row, name)) return true;
  return false;
}

bool Evaluator::ApplyRows(std::string_view name, std::string_view argument, long double& value) const {
  bool applied = false;
  for (const FunctionRow& row : kFunctionRows) {
    if (!applies(row, name)) continue;
    value = row.value(name, argument, w_.Unit());
    applied = true;
  }
  return applied;
}

void Evaluator::EvaluateFunction(std::string_view name, std::string_view argument, std::string& result) const {
  // Each value passes through its number text before it is used again, as
  // the rows write their values as texts; ReadBackNumberText gives the value
  // that text reads as.
  long double value = 0;
  if (!ApplyRows(name, argument, value)) {
    // A leading number text multiplies: alone it multiplies the argument,
    // before a known name the function's value.
    size_t run = 0;
    while (run < name.size() && isNumberChar(name[run])) ++run;
    const std::string_view number = name.substr(0, run);
    if (!isNumberName(number)) raiseUnknownName(name);
    const long double factor = TextToFloat(number);
    if (run == name.size()) {
      value = Multiply(factor, TextToFloat(argument));
    } else {
      if (!IsKnownName(name.substr(run))) raiseUnknownName(name);
      ApplyRows(name.substr(run), argument, value);
      value = Multiply(factor, ReadBackNumberText(value));
    }
  }
  roundValueTo12Decimals(ReadBackNumberText(value), result);
}

namespace {

// v rounded to 12 decimals exactly, as the fixed notation writes it (to
// nearest, ties to even), and read back: for |v| < 2^52 the rounded value
// times 10^12 is an integer below 2^92, exact in 128 bits; where it is below
// 2^64 it is held exactly, and one division by the exactly held 10^12 reads
// it back correctly rounded. False where that does not hold.
bool roundTo12Fast(long double v, long double& rounded, uint64_t& scaled) {
  const long double a = std::fabs(v);
  scaled = 0;
  if (a == 0) {
    rounded = 0;
    return true;
  }
  if (!(a < 4503599627370496.0L)) return false;
  uint64_t m = 0;
  int e = 0;
  if (!SplitExtended(a, m, e)) return false;
  const int shift = -e;  // a = m / 2^shift, shift > 11
  constexpr uint64_t kScale = 1000000000000ULL;
  const unsigned __int128 p = static_cast<unsigned __int128>(m) * kScale;  // below 2^104
  unsigned __int128 q = 0;
  if (shift < 105) {
    q = p >> shift;
    const unsigned __int128 rest = p - (q << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (rest > half || (rest == half && (q & 1))) ++q;
  }
  if (q >> 64) return false;
  scaled = static_cast<uint64_t>(q);
  const long double r = static_cast<long double>(static_cast<uint64_t>(q)) / static_cast<long double>(kScale);
  rounded = v < 0 ? -r : r;
  return true;
}

// The number text of ±q / 10^12 for 10^8 <= q < 10^15. That value lies in
// the plain-notation range of the general format, and the extended value
// nearest to it rounds at 15 significant digits to q's own digits (its
// relative error, 2^-64, is far below half a unit of the 15th digit): so the
// text is q's digits with the comma 12 places from the right.
void appendTwelveDecimals(uint64_t q, bool negative, std::string& out) {
  constexpr uint64_t kScale = 1000000000000ULL;
  char buffer[40];
  char* p = buffer;
  if (negative) *p++ = '-';
  p = std::to_chars(p, buffer + sizeof buffer, q / kScale).ptr;
  uint64_t fraction = q % kScale;
  if (fraction != 0) {
    int width = 12;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --width;
    }
    *p++ = ',';
    for (int i = width - 1; i >= 0; --i) {
      p[i] = static_cast<char>('0' + fraction % 10);
      fraction /= 10;
    }
    p += width;
  }
  out.append(buffer, static_cast<size_t>(p - buffer));
}

}  // namespace

std::string Evaluator::RoundTo12Decimals(std::string_view t) {
  std::string result;
  roundValueTo12Decimals(TextToFloat(t), result);
  return result;
}

void Evaluator::roundValueTo12Decimals(long double v, std::string& result) {
  long double rounded = 0;
  uint64_t scaled = 0;
  result.clear();
  if (roundTo12Fast(v, rounded, scaled)) {
    if (scaled >= 100000000ULL && scaled < 1000000000000000ULL)
      appendTwelveDecimals(scaled, v < 0, result);
    else
      AppendFloatText(rounded, result);
    return;
  }
  // Fixed notation with 12 decimals; the largest extended value has 4933
  // integer digits.
  char buffer[5000];
  const auto res = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 12);
  std::string fixed(buffer, res.ptr);
  for (char& c : fixed)
    if (c == '.') c = ',';
  AppendFloatText(TextToFloat(fixed), result);
}

}  // namespace velsira
