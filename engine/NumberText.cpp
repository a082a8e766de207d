// Number texts of the engine.
#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "engine/Errors.h"

namespace velsira {
namespace {

// The decimal digits of |v| rounded to 15 significant digits, without
// trailing zeros, and the decimal exponent of the first digit.
struct Digits {
  std::string digits;
  int exponent = 0;
};

Digits roundTo15(long double v) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
  std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
  // s is "d.ddddddddddddddde[+-]xx"
  Digits d;
  size_t e = s.find('e');
  for (char c : s.substr(0, e))
    if (c != '.') d.digits += c;
  int exp = 0;
  std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exp);
  d.exponent = exp;
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

std::string fixedText(const Digits& d, bool negative) {
  std::string out = negative ? "-" : "";
  if (d.exponent < 0) {
    out += "0,";
    out.append(static_cast<size_t>(-d.exponent - 1), '0');
    out += d.digits;
  } else if (static_cast<size_t>(d.exponent) + 1 >= d.digits.size()) {
    out += d.digits;
    out.append(static_cast<size_t>(d.exponent) + 1 - d.digits.size(), '0');
  } else {
    out += d.digits.substr(0, static_cast<size_t>(d.exponent) + 1);
    out += ',';
    out += d.digits.substr(static_cast<size_t>(d.exponent) + 1);
  }
  return out;
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
  if (d.digits.size() > 1) {
    out += ',';
    out += d.digits.substr(1);
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

std::string IntToText(long long v) { return std::to_string(v); }

}  // namespace velsira
