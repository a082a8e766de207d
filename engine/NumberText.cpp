// Number texts of the engine.
#include "engine/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "engine/Errors.h"

namespace velsira {
namespace {

// The decimal digits of |v| rounded to 15 significant digits, without
// trailing zeros, and the decimal exponent of the first digit.
struct Digits {
  char digits[16] = {};
  size_t size = 0;
  int exponent = 0;

  std::string_view view() const { return {digits, size}; }
};

constexpr uint64_t kPow10[20] = {
    1ULL,
    10ULL,
    100ULL,
    1000ULL,
    10000ULL,
    100000ULL,
    1000000ULL,
    10000000ULL,
    100000000ULL,
    1000000000ULL,
    10000000000ULL,
    100000000000ULL,
    1000000000000ULL,
    10000000000000ULL,
    100000000000000ULL,
    1000000000000000ULL,
    10000000000000000ULL,
    100000000000000000ULL,
    1000000000000000000ULL,
    10000000000000000000ULL,
};

// The rounding of |v| to 15 significant digits by exact integer arithmetic,
// for 1E-5 <= |v| < 1E15: v is m * 2^e with a 64-bit m, so v * 10^s is the
// exact 128-bit m * 10^s shifted right, and the rounding is to nearest with
// ties to even, as the general conversion rounds. False outside that range.
bool roundTo15Fast(long double v, Digits& d) {
  const long double a = std::fabs(v);
  if (!(a >= 1E-5L && a < 1E15L)) return false;
  uint64_t m = 0;
  int e = 0;
  if (!SplitExtended(a, m, e)) return false;
  const int shift = -e;  // a = m / 2^shift, shift > 0 in this range
  // a lies in [2^(e+63), 2^(e+64)): its decimal exponent is the floor of
  // (e + 63) log10(2) or one more.
  int k = static_cast<int>(std::floor((e + 63) * 0.30102999566398119521));
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int s = 14 - k;
    if (s < 0 || s > 19) return false;
    const unsigned __int128 p = static_cast<unsigned __int128>(m) * kPow10[s];
    unsigned __int128 q = shift >= 128 ? 0 : p >> shift;
    if (q < kPow10[14]) {
      --k;
      continue;
    }
    if (q >= kPow10[15]) {
      ++k;
      continue;
    }
    const unsigned __int128 rest = p - (q << shift);
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    if (rest > half || (rest == half && (q & 1))) ++q;
    if (q == kPow10[15]) {
      q = kPow10[14];
      ++k;
    }
    char buf[16];
    uint64_t n = static_cast<uint64_t>(q);
    for (int i = 14; i >= 0; --i) {
      buf[i] = static_cast<char>('0' + n % 10);
      n /= 10;
    }
    size_t len = 15;
    while (len > 1 && buf[len - 1] == '0') --len;
    std::memcpy(d.digits, buf, len);
    d.size = len;
    d.exponent = k;
    return true;
  }
  return false;
}

// Whole numbers below 1E15 have at most 15 digits: the 15-digit rounding
// leaves them as they are.
bool wholeDigits(long double v, Digits& d) {
  const long double a = std::fabs(v);
  if (!(a < 1E15L) || a != std::floor(a) || a == 0) return false;
  uint64_t n = static_cast<uint64_t>(a);
  char buf[16] = {};
  size_t len = 0;
  while (n > 0) {
    buf[len++] = static_cast<char>('0' + n % 10);
    n /= 10;
  }
  d.exponent = static_cast<int>(len) - 1;
  size_t first = 0;  // trailing zeros are no digits of the number text
  while (buf[first] == '0') ++first;
  d.size = 0;
  for (size_t i = len; i-- > first;) d.digits[d.size++] = buf[i];
  return true;
}

Digits roundTo15(long double v) {
  Digits d;
  if (wholeDigits(v, d) || roundTo15Fast(v, d)) return d;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
  std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
  // s is "d.ddddddddddddddde[+-]xx"
  size_t e = s.find('e');
  for (char c : s.substr(0, e))
    if (c != '.' && d.size < 15) d.digits[d.size++] = c;
  int exp = 0;
  std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exp);
  d.exponent = exp;
  while (d.size > 1 && d.digits[d.size - 1] == '0') --d.size;
  return d;
}

std::string fixedText(const Digits& d, bool negative) {
  const std::string_view digits = d.view();
  std::string out;
  out.reserve(digits.size() + (d.exponent < 0 ? static_cast<size_t>(-d.exponent) : static_cast<size_t>(d.exponent)) + 3);
  if (negative) out += '-';
  if (d.exponent < 0) {
    out += "0,";
    out.append(static_cast<size_t>(-d.exponent - 1), '0');
    out += digits;
  } else if (static_cast<size_t>(d.exponent) + 1 >= digits.size()) {
    out += digits;
    out.append(static_cast<size_t>(d.exponent) + 1 - digits.size(), '0');
  } else {
    out += digits.substr(0, static_cast<size_t>(d.exponent) + 1);
    out += ',';
    out += digits.substr(static_cast<size_t>(d.exponent) + 1);
  }
  return out;
}

// Powers of ten that extended precision holds exactly (5^27 < 2^64).
constexpr auto kExactPow10 = [] {
  std::array<long double, 28> p{};
  p[0] = 1;
  for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
  return p;
}();

// The common number text, a sign, digits and at most one ",", with at most
// 19 significant digits and 27 decimals: its value is one exactly held
// integer divided by one exactly held power of ten, which a single division
// rounds correctly. False for any other text, which the general reading
// then takes.
bool tryPlainNumber(std::string_view text, long double& value) {
  size_t i = 0;
  const size_t n = text.size();
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  uint64_t mantissa = 0;
  int significant = 0, digits = 0, decimals = 0;
  bool comma = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      ++digits;
      if (comma) ++decimals;
      if (significant > 0 || c != '0') {
        if (++significant > 19) return false;
        mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      }
    } else if (c == ',' && !comma) {
      comma = true;
    } else {
      return false;
    }
  }
  if (digits == 0 || decimals >= static_cast<int>(kExactPow10.size())) return false;
  const long double v = static_cast<long double>(mantissa) / kExactPow10[static_cast<size_t>(decimals)];
  value = negative ? -v : v;
  return true;
}

}  // namespace

std::string FloatToText(long double v) {
  if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
  if (std::isnan(v)) return "NAN";
  if (v == 0) return "0";
  Digits d = roundTo15(v);
  if (d.exponent >= -4 && d.exponent < 15) return fixedText(d, v < 0);
  std::string out = v < 0 ? "-" : "";
  out += d.digits[0];
  if (d.size > 1) {
    out += ',';
    out += d.view().substr(1);
  }
  out += 'E';
  out += std::to_string(d.exponent);
  return out;
}

std::string FloatToPlainText(long double v) {
  if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
  if (std::isnan(v)) return "NAN";
  if (v == 0) return "0";
  return fixedText(roundTo15(v), v < 0);
}

bool TryTextToFloat(std::string_view text, long double& value) {
  if (tryPlainNumber(text, value)) return true;
  size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  while (n > i && text[n - 1] == ' ') --n;
  std::string number;
  number.reserve(n - i + 1);
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') number += '-';
    ++i;
  }
  int digits = 0;
  bool comma = false;
  for (; i < n; ++i) {
    char c = text[i];
    if (c >= '0' && c <= '9') {
      number += c;
      ++digits;
    } else if (c == ',' && !comma) {
      number += '.';
      comma = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  bool exponentNegative = false;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    number += 'e';
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      exponentNegative = text[i] == '-';
      number += text[i];
      ++i;
    }
    int expDigits = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i, ++expDigits) number += text[i];
    if (expDigits == 0) return false;
  }
  if (i != n) return false;
  long double v = 0;
  auto res = std::from_chars(number.data(), number.data() + number.size(), v);
  if (res.ptr != number.data() + number.size()) return false;
  if (res.ec == std::errc::result_out_of_range) {
    if (!exponentNegative) return false;  // beyond the range of the type
    v = 0;                                // underflow reads as zero
  }
  value = v;
  return true;
}

long double TextToFloat(std::string_view text) {
  long double v = 0;
  if (!TryTextToFloat(text, v)) raiseNotFloat(text);
  return v;
}

int32_t TextToInt(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) raiseNotInteger(text);
  long long v = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') raiseNotInteger(text);
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) raiseNotInteger(text);
  }
  if (negative) v = -v;
  if (v > 2147483647LL || v < -2147483648LL) raiseNotInteger(text);
  return static_cast<int32_t>(v);
}

bool SplitExtended(long double v, uint64_t& m, int& e) {
  if constexpr (std::numeric_limits<long double>::digits == 64 && sizeof(long double) >= 10) {
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &v, sizeof bytes);
    uint16_t signAndExponent = 0;
    std::memcpy(&m, bytes, 8);
    std::memcpy(&signAndExponent, bytes + 8, 2);
    const int biased = signAndExponent & 0x7FFF;
    if (biased == 0 || biased == 0x7FFF || !(m >> 63)) return false;
    e = biased - 16383 - 63;
    return true;
  }
  return false;
}

std::string IntToText(long long v) { return std::to_string(v); }

}  // namespace velsira
