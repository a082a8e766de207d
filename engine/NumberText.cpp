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

// "00" .. "99".
constexpr auto kDigitPairs = [] {
  std::array<char, 200> p{};
  for (int i = 0; i < 100; ++i) {
    p[static_cast<size_t>(2 * i)] = static_cast<char>('0' + i / 10);
    p[static_cast<size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
  }
  return p;
}();

// Writes the four decimal digits of v < 10000 at out.
inline void writeFour(uint32_t v, char* out) {
  const uint32_t high = v / 100, low = v % 100;
  std::memcpy(out, &kDigitPairs[high * 2], 2);
  std::memcpy(out + 2, &kDigitPairs[low * 2], 2);
}

// Writes the `width` low decimal digits of n, with leading zeros, ending
// at end: eight at a time in 32 bits, then by pairs.
void writeDigits(uint64_t n, char* end, int width) {
  while (width >= 8) {
    const uint32_t part = static_cast<uint32_t>(n % 100000000);
    n /= 100000000;
    end -= 8;
    writeFour(part / 10000, end);
    writeFour(part % 10000, end + 4);
    width -= 8;
  }
  uint32_t part = static_cast<uint32_t>(n % 100000000);
  for (; width >= 2; width -= 2) {
    end -= 2;
    std::memcpy(end, &kDigitPairs[(part % 100) * 2], 2);
    part /= 100;
  }
  if (width == 1) *--end = static_cast<char>('0' + part % 10);
}

// The number of decimal digits of n > 0.
int digitCount(uint64_t n) {
  int k = 1;
  while (k < 20 && n >= kPow10[k]) ++k;
  return k;
}

// The rounding of |v| to 15 significant digits by exact integer arithmetic,
// for 1E-5 <= |v| < 1E15: v is m * 2^e with a 64-bit m, so v * 10^s is the
// exact 128-bit m * 10^s shifted right, and the rounding is to nearest with
// ties to even, as the general conversion rounds. False outside that range.
bool scaledTo15(long double v, uint64_t& scaled, int& exponent) {
  const long double a = std::fabs(v);
  if (!(a >= 1E-5L && a < 1E15L)) return false;
  uint64_t m = 0;
  int e = 0;
  if (!SplitExtended(a, m, e)) return false;
  const int shift = -e;  // a = m / 2^shift, shift > 0 in this range
  // a lies in [2^(e+63), 2^(e+64)): its decimal exponent is the floor of
  // (e + 63) log10(2) or one more. 78913 / 2^18 is log10(2) closely enough
  // for the floor to agree over the whole range of e here.
  int k = ((e + 63) * 78913) >> 18;
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
    scaled = static_cast<uint64_t>(q);
    exponent = k;
    return true;
  }
  return false;
}

// The same rounding as digits.
bool roundTo15Fast(long double v, Digits& d) {
  uint64_t q = 0;
  int k = 0;
  if (!scaledTo15(v, q, k)) return false;
  writeDigits(q, d.digits + 15, 15);
  size_t len = 15;
  while (len > 1 && d.digits[len - 1] == '0') --len;
  d.size = len;
  d.exponent = k;
  return true;
}

// The plain decimal notation of ±q * 10^(k-14) for 10^14 <= q < 10^15 and
// -4 <= k <= 14, as appendFixed writes the digits of q: the whole part, then
// the decimals without trailing zeros.
void appendScaledFixed(uint64_t q, int k, bool negative, std::string& out) {
  char digits[16];
  writeDigits(q, digits + 15, 15);
  size_t len = 15;
  while (digits[len - 1] == '0') --len;  // q > 0: its first digit is no zero
  char buffer[48];
  char* p = buffer;
  if (negative) *p++ = '-';
  if (k >= 0) {
    const size_t whole = static_cast<size_t>(k) + 1;
    std::memcpy(p, digits, whole);
    p += whole;
    if (len > whole) {
      *p++ = ',';
      std::memcpy(p, digits + whole, len - whole);
      p += len - whole;
    }
  } else {
    *p++ = '0';
    *p++ = ',';
    for (int i = 0; i < -k - 1; ++i) *p++ = '0';
    std::memcpy(p, digits, len);
    p += len;
  }
  out.append(buffer, static_cast<size_t>(p - buffer));
}

// The 15 digits of a whole number below 2^64 by integer arithmetic: below
// 1E15 its own digits, above that rounded to 15.
bool wholeDigits(long double v, Digits& d) {
  const long double a = std::fabs(v);
  if (!(a >= 1 && a < 18446744073709551616.0L)) return false;  // below 2^64
  const uint64_t n = static_cast<uint64_t>(a);  // exact when a is whole
  if (static_cast<long double>(n) != a) return false;
  int len = digitCount(n);
  uint64_t q = n;
  int exponent = len - 1;
  if (len > 15) {
    // More than 15 digits (beyond 1E15, x² of a large x): rounded to nearest,
    // a tie to even, as the general formatting rounds an exact value.
    const uint64_t unit = kPow10[len - 15];
    q = n / unit;
    const uint64_t rest = n % unit, half = unit / 2;
    if (rest > half || (rest == half && (q & 1))) ++q;
    if (q == kPow10[15]) {
      q = kPow10[14];
      ++exponent;
    }
    len = 15;
  }
  writeDigits(q, d.digits + len, len);
  d.exponent = exponent;
  size_t size = static_cast<size_t>(len);  // trailing zeros are no digits of the number text
  while (d.digits[size - 1] == '0') --size;
  d.size = size;
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

// Appends the plain decimal notation of the digits to out.
void appendFixed(const Digits& d, bool negative, std::string& out) {
  const std::string_view digits = d.view();
  // Short texts are composed on the stack and appended in one piece.
  char buffer[48];
  size_t n = 0;
  const size_t zeros = d.exponent < 0 ? static_cast<size_t>(-d.exponent - 1)
                       : static_cast<size_t>(d.exponent) + 1 >= digits.size()
                           ? static_cast<size_t>(d.exponent) + 1 - digits.size()
                           : 0;
  if (zeros + digits.size() + 3 > sizeof buffer) {
    if (negative) out += '-';
    if (d.exponent < 0) {
      out += "0,";
      out.append(zeros, '0');
      out += digits;
    } else {
      out += digits;
      out.append(zeros, '0');
    }
    return;
  }
  if (negative) buffer[n++] = '-';
  if (d.exponent < 0) {
    buffer[n++] = '0';
    buffer[n++] = ',';
    for (size_t i = 0; i < zeros; ++i) buffer[n++] = '0';
    for (char c : digits) buffer[n++] = c;
  } else if (static_cast<size_t>(d.exponent) + 1 >= digits.size()) {
    for (char c : digits) buffer[n++] = c;
    for (size_t i = 0; i < zeros; ++i) buffer[n++] = '0';
  } else {
    const size_t whole = static_cast<size_t>(d.exponent) + 1;
    for (size_t i = 0; i < whole; ++i) buffer[n++] = digits[i];
    buffer[n++] = ',';
    for (size_t i = whole; i < digits.size(); ++i) buffer[n++] = digits[i];
  }
  out.append(buffer, n);
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
// Steps over an optional "+" or "-"; true for "-".
inline bool skipSign(const char*& p, const char* end) {
  if (p < end && (*p == '+' || *p == '-')) return *p++ == '-';
  return false;
}

bool tryLongPlainNumber(std::string_view text, long double& value);

// The common number text with at most 19 digits in all, in one pass: the
// digits fit 64 bits whatever their leading zeros. Longer texts take the
// careful count of significant digits below.
inline bool tryPlainNumber(std::string_view text, long double& value) {
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = skipSign(p, end);
  const char* const start = p;
  uint64_t mantissa = 0;
  unsigned digit = 0;
  while (p < end && (digit = static_cast<unsigned char>(*p - '0')) < 10) {
    mantissa = mantissa * 10 + digit;
    ++p;
  }
  size_t digits = static_cast<size_t>(p - start);
  size_t decimals = 0;
  if (p < end && *p == ',') {
    const char* const fractionStart = ++p;
    while (p < end && (digit = static_cast<unsigned char>(*p - '0')) < 10) {
      mantissa = mantissa * 10 + digit;
      ++p;
    }
    decimals = static_cast<size_t>(p - fractionStart);
    digits += decimals;
  }
  if (p != end || digits == 0) return false;  // anything else is for the general reading
  if (digits > 19) return tryLongPlainNumber(text, value);
  long double v = static_cast<long double>(mantissa);
  if (decimals > 0) v /= kExactPow10[decimals];
  value = negative ? -v : v;
  return true;
}

bool tryLongPlainNumber(std::string_view text, long double& value) {
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = skipSign(p, end);
  auto isDigitAt = [&](const char* q) { return q < end && static_cast<unsigned char>(*q - '0') < 10; };
  // The whole part: leading zeros, then the significant digits.
  const char* const wholeStart = p;
  while (p < end && *p == '0') ++p;
  const char* significantStart = p;
  uint64_t mantissa = 0;
  while (isDigitAt(p)) mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
  long significant = p - significantStart;
  bool anyDigit = p > wholeStart;
  long decimals = 0;
  if (p < end && *p == ',') {
    const char* const fractionStart = ++p;
    // Zeros right after the comma count only after a significant digit.
    if (significant == 0)
      while (p < end && *p == '0') ++p;
    significantStart = p;
    while (isDigitAt(p)) mantissa = mantissa * 10 + static_cast<uint64_t>(*p++ - '0');
    significant += p - significantStart;
    decimals = p - fractionStart;
    anyDigit = anyDigit || decimals > 0;
  }
  // Anything else (a second comma, an exponent, blanks) is left to the
  // general reading, as are more digits than 64 bits hold.
  if (p != end || !anyDigit || significant > 19 || decimals >= static_cast<long>(kExactPow10.size())) return false;
  long double v = static_cast<long double>(mantissa);
  if (decimals > 0) v /= kExactPow10[static_cast<size_t>(decimals)];
  value = negative ? -v : v;
  return true;
}

// The general reading, for the texts the common route leaves.
bool tryGeneralNumber(std::string_view text, long double& value);

// Whole numbers below 1E15 in either format: their integer digits, which
// the 15-digit rounding leaves as they are. False for any other value.
bool appendWhole(long double v, std::string& out) {
  const long double a = std::fabs(v);
  if (!(a >= 1 && a < 1E15L)) return false;
  const uint64_t n = static_cast<uint64_t>(a);  // exact when a is whole
  if (static_cast<long double>(n) != a) return false;
  char buffer[24];
  char* p = buffer;
  if (v < 0) *p++ = '-';
  p = std::to_chars(p, buffer + sizeof buffer, n).ptr;
  out.append(buffer, static_cast<size_t>(p - buffer));
  return true;
}

// The texts both formats share: infinities, zero, whole numbers and values
// whose 15 digits stand in fixed notation. Returns false for the rest.
bool appendCommon(long double v, std::string& out) {
  if (std::isinf(v)) {
    out += v > 0 ? "INF" : "-INF";
    return true;
  }
  if (std::isnan(v)) {
    out += "NAN";
    return true;
  }
  if (v == 0) {
    out += '0';
    return true;
  }
  if (appendWhole(v, out)) return true;
  uint64_t q = 0;
  int k = 0;
  if (scaledTo15(v, q, k) && k >= -4 && k <= 14) {
    appendScaledFixed(q, k, v < 0, out);
    return true;
  }
  return false;
}

}  // namespace

void AppendFloatText(long double v, std::string& out) {
  if (appendCommon(v, out)) return;
  const Digits d = roundTo15(v);
  if (d.exponent >= -4 && d.exponent < 15) {
    appendFixed(d, v < 0, out);
    return;
  }
  if (v < 0) out += '-';
  out += d.digits[0];
  if (d.size > 1) {
    out += ',';
    out += d.view().substr(1);
  }
  out += 'E';
  out += std::to_string(d.exponent);
}

void AppendPlainText(long double v, std::string& out) {
  if (appendCommon(v, out)) return;
  appendFixed(roundTo15(v), v < 0, out);
}

std::string FloatToText(long double v) {
  std::string out;
  AppendFloatText(v, out);
  return out;
}

std::string FloatToPlainText(long double v) {
  std::string out;
  AppendPlainText(v, out);
  return out;
}

bool TryTextToFloat(std::string_view text, long double& value) {
  return tryPlainNumber(text, value) || tryGeneralNumber(text, value);
}

namespace {

bool tryGeneralNumber(std::string_view text, long double& value) {
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

}  // namespace

long double ReadBackNumberText(long double v) {
  if (!std::isfinite(v)) return TextToFloat(FloatToText(v));  // raises as the text does
  if (v == 0) return 0;
  // A whole number below 1E15 is its own text's value.
  const long double a = std::fabs(v);
  if (a >= 1 && a < 1E15L && static_cast<long double>(static_cast<uint64_t>(a)) == a) return v;
  // The text's digits are q's without its trailing zeros, over the same
  // power of ten: one correctly rounded division of the same exact value.
  uint64_t q = 0;
  int k = 0;
  if (scaledTo15(v, q, k) && k >= -4 && k <= 14) {
    const long double r = static_cast<long double>(q) / kExactPow10[static_cast<size_t>(14 - k)];
    return v < 0 ? -r : r;
  }
  const Digits d = roundTo15(v);
  uint64_t mantissa = 0;
  for (size_t i = 0; i < d.size; ++i) mantissa = mantissa * 10 + static_cast<uint64_t>(d.digits[i] - '0');
  const int size = static_cast<int>(d.size);
  if (d.exponent < -4 || d.exponent >= 15) {
    // The exponent form «d,dddEn» reads as its digits times a power of ten,
    // rounded once; with an exactly held power that is one multiplication
    // or division, as correctly rounded as the reading.
    const int e = d.exponent - (size - 1);
    const int limit = static_cast<int>(kExactPow10.size());
    if (e <= -limit || e >= limit) return TextToFloat(FloatToText(v));
    const long double m = static_cast<long double>(mantissa);
    const long double r = e >= 0 ? m * kExactPow10[static_cast<size_t>(e)] : m / kExactPow10[static_cast<size_t>(-e)];
    return v < 0 ? -r : r;
  }
  // The plain text's value, as its reading computes it: its digits as one
  // integer (with the zeros of a whole part) over a power of ten.
  if (d.exponent + 1 > size) mantissa *= kPow10[d.exponent + 1 - size];
  const int decimals = size - 1 - d.exponent > 0 ? size - 1 - d.exponent : 0;
  const long double r = static_cast<long double>(mantissa) / kExactPow10[static_cast<size_t>(decimals)];
  return v < 0 ? -r : r;
}

long double TextToFloat(std::string_view text) {
  long double v = 0;
  if (tryPlainNumber(text, v)) return v;
  if (!tryGeneralNumber(text, v)) raiseNotFloat(text);
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
