// Input preparation of the derivative, the integral, the scientific
// calculation and the equation solvers.
#include "engine/Preparation.h"

#include <cmath>
#include <utility>
#include <vector>

#include "engine/Arithmetic.h"
#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/Text.h"

namespace velsira {
namespace {

constexpr std::string_view kPiText = "3,1415926535897932385";

// A rewrite of one power where it stands: the characters [first, last] of
// the text become value.
struct Rewrite {
  size_t first;
  size_t last;
  std::string value;
};

std::string applyRewrites(std::string_view t, const std::vector<Rewrite>& rewrites) {
  std::string out;
  out.reserve(t.size());
  size_t pos = 0;
  for (const auto& r : rewrites) {
    if (r.first < pos) continue;  // never overlaps; kept safe all the same
    out.append(t.substr(pos, r.first - pos));
    out += r.value;
    pos = r.last + 1;
  }
  out.append(t.substr(pos));
  return out;
}

// One stretch of text between operator characters, as the power scans read
// it: for a power character at p, the base digits are the number characters
// of the stretch before p (other characters passed over) and the exponent
// digits those after it. The stretch is read once for all the power
// characters in it, so a long stretch full of powers costs its length, not
// its length squared.
class Stretch {
 public:
  // Reads the stretch [begin, end) of t.
  void load(std::string_view t, size_t begin, size_t end) {
    begin_ = begin;
    const size_t n = end - begin;
    digits_.clear();
    digitsBefore_.assign(n + 1, 0);
    runBefore_.assign(n + 1, 0);
    runAfter_.assign(n + 1, 0);
    for (size_t i = 0; i < n; ++i) {
      const bool number = isNumberChar(t[begin + i]);
      if (number) digits_ += t[begin + i];
      digitsBefore_[i + 1] = digits_.size();
      runBefore_[i + 1] = number ? runBefore_[i] + 1 : 0;
    }
    for (size_t i = n; i-- > 0;) runAfter_[i] = isNumberChar(t[begin + i]) ? runAfter_[i + 1] + 1 : 0;
    // For the long digit texts: commas and the next non-zero digit.
    const size_t d = digits_.size();
    commasBefore_.assign(d + 1, 0);
    nextNonZero_.assign(d + 1, d);
    for (size_t i = 0; i < d; ++i) commasBefore_[i + 1] = commasBefore_[i] + (digits_[i] == ',' ? 1 : 0);
    for (size_t i = d; i-- > 0;) nextNonZero_[i] = digits_[i] >= '1' && digits_[i] <= '9' ? i : nextNonZero_[i + 1];
    cached_ = false;
  }

  const std::string& digits() const { return digits_; }
  // Number characters of the stretch before position p of the text.
  size_t digitsBefore(size_t p) const { return digitsBefore_[p - begin_]; }
  // Number characters directly before and directly after position p.
  size_t runBefore(size_t p) const { return runBefore_[p - begin_]; }
  size_t runAfter(size_t p) const { return runAfter_[p + 1 - begin_]; }

  // The value of the digit text digits()[a, b), exactly as TextToFloat reads
  // it and raising as it does. A long text is read through a short one with
  // the same value: its first 60 significant digits, a final 1 standing for
  // any non-zero digit after them, and its magnitude; consecutive texts with
  // the same short form share one reading.
  long double value(size_t a, size_t b) {
    const std::string_view text = std::string_view(digits_).substr(a, b - a);
    const size_t commas = commasBefore_[b] - commasBefore_[a];
    if (b - a <= 64 || commas > 1 || commas == b - a) return TextToFloat(text);
    size_t comma = b;
    if (commas == 1) comma = a + text.find(',');
    const size_t nonZero = nextNonZero_[a];
    if (nonZero >= b) return 0;  // only zeros
    Key key;
    size_t i = nonZero;
    for (; i < b && key.significant.size() < 60; ++i)
      if (digits_[i] != ',') key.significant += digits_[i];
    key.sticky = nextNonZero_[i] < b;
    if (nonZero < comma) {
      key.wholeDigits = static_cast<long>(comma - nonZero);
      if (key.wholeDigits > 4940) return TextToFloat(text);  // beyond the range: raises
    } else {
      key.wholeDigits = -static_cast<long>(nonZero - comma - 1);  // zeros after the comma
      if (key.wholeDigits < -4960) return TextToFloat(text);   // below the range: raises
    }
    if (cached_ && key == key_) return value_;
    std::string shortText;
    const size_t sig = key.significant.size();
    if (key.wholeDigits > 0) {
      const size_t whole = static_cast<size_t>(key.wholeDigits);
      if (whole < sig) {
        shortText = key.significant.substr(0, whole) + "," + key.significant.substr(whole);
        if (key.sticky) shortText += '1';
      } else {
        shortText = key.significant + std::string(whole - sig, '0');
        if (key.sticky) shortText += ",1";
      }
    } else {
      shortText = "0," + std::string(static_cast<size_t>(-key.wholeDigits), '0') + key.significant;
      if (key.sticky) shortText += '1';
    }
    long double v;
    if (!TryTextToFloat(shortText, v)) return TextToFloat(text);  // raises with the text itself
    key_ = std::move(key);
    value_ = v;
    cached_ = true;
    return v;
  }

 private:
  struct Key {
    std::string significant;
    bool sticky = false;
    long wholeDigits = 0;  // digits before the comma, or minus the zeros after it
    bool operator==(const Key&) const = default;
  };

  size_t begin_ = 0;
  std::string digits_;
  std::vector<size_t> digitsBefore_, runBefore_, runAfter_;
  std::vector<size_t> commasBefore_, nextNonZero_;
  bool cached_ = false;
  Key key_;
  long double value_ = 0;
};

// The stretch around position p: from after the operator before it to the
// operator after it.
std::pair<size_t, size_t> stretchAround(std::string_view t, size_t p) {
  size_t begin = p;
  while (begin > 0 && !isOperator(t[begin - 1])) --begin;
  size_t end = p;
  while (end < t.size() && !isOperator(t[end])) ++end;
  return {begin, end};
}

// Whether the "-" at position m (right before a base) belongs to the base:
// only right after "*" or "/", where it can be nothing but the sign of that
// factor (a value written in for x reads so: «1*-3²» is 9). Elsewhere the
// power binds first and the "-" stays an operator: «-2²» is -4, «5--3²» 14.
bool isSignAt(std::string_view t, size_t m) {
  if (t[m] != '-' || m == 0) return false;
  const char before = t[m - 1];
  return before == '*' || before == '/';
}

}  // namespace

bool Preparation::isConstantText(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    if (s.substr(i, 2) == "pi") {
      i += 2;
    } else if (isNumberChar(s[i])) {
      ++i;
    } else {
      return false;
    }
  }
  return true;
}

bool Preparation::isConstantOperand(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return true;
  const std::string_view t = s.substr(first, s.find_last_not_of(" \t") - first + 1);
  size_t i = 0;
  while (i < t.size()) {
    if (t.substr(i, 2) == "pi") i += 2;
    else if (isNumberChar(t[i]) || t[i] == 'e') ++i;
    else break;
  }
  if (i == t.size()) return true;
  long double ignored;
  return TryTextToFloat(t, ignored);
}

void Preparation::ConstantFlag(std::string_view s, std::string& flag) { flag.assign(1, isConstantText(s) ? '1' : '0'); }

std::string Preparation::insertUnitCoefficients(std::string_view t) {
  // The five replace-alls of "+x", "-x", "*x", "/x" and "(x" in one pass:
  // their matches never overlap, and an inserted "1" creates no new match.
  std::string s;
  s.reserve(t.size() + 8);
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] == 'x' && i > 0 && (isOperator(t[i - 1]) || t[i - 1] == '(')) s += '1';
    s += t[i];
  }
  return s;
}

std::string Preparation::substituteConstants(std::string_view t) {
  static const std::string e = FloatToText(std::exp(1.0L));
  // The ten replace-alls ("+pi", "+e", "-pi", ..., "(e") in one pass: every
  // match is an operator or "(" followed by "pi" or "e", so no two overlap,
  // and the inserted numbers create no new match.
  std::string s;
  s.reserve(t.size() + 24);
  for (size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    s += c;
    if (!(isOperator(c) || c == '(')) continue;
    if (t.substr(i + 1, 2) == "pi") {
      s += kPiText;
      i += 2;
    } else if (i + 1 < t.size() && t[i + 1] == 'e') {
      s += e;
      i += 1;
    }
  }
  return s;
}

std::string Preparation::expandSuperscript(std::string_view t, int n, char c) {
  // The rewrites are written as they are found, left to right, none
  // overlapping the one before.
  std::string out;
  out.reserve(t.size() + 16);
  size_t pos = 0;
  Stretch stretch;
  size_t p = t.find(c);
  while (p != std::string_view::npos) {
    const auto [begin, end] = stretchAround(t, p);
    stretch.load(t, begin, end);
    for (; p != std::string_view::npos && p < end; p = t.find(c, p + 1)) {
      const size_t digits = stretch.digitsBefore(p);
      if (digits == 0) continue;
      // The value is computed for every collected base, so a malformed
      // number fails as the conversion does; it is written only where the
      // digits stand directly before the superscript with nothing passed over.
      if (stretch.runBefore(p) != digits) {
        stretch.value(0, digits);
        continue;
      }
      long double b = TextToFloat(std::string_view(stretch.digits()).substr(0, digits));
      size_t first = p - digits;
      if (first > 0 && isSignAt(t, first - 1)) {
        --first;
        b = -b;
      }
      const long double power = IntegerPower(b, static_cast<unsigned long long>(n));
      if (first < pos) continue;
      out.append(t.substr(pos, first - pos));
      AppendPlainText(power, out);
      checkTextLength(out.size());
      pos = p + 1;
    }
  }
  out.append(t.substr(pos));
  return out;
}

std::string Preparation::expandPowers(std::string_view t) {
  std::vector<Rewrite> rewrites;
  size_t grown = t.size();  // the length of the rewritten text
  Stretch stretch;
  size_t p = t.find('^');
  while (p != std::string_view::npos) {
    const auto [begin, end] = stretchAround(t, p);
    stretch.load(t, begin, end);
    const size_t all = stretch.digits().size();
    for (; p != std::string_view::npos && p < end; p = t.find('^', p + 1)) {
      const size_t before = stretch.digitsBefore(p);
      const size_t after = all - before;
      if (before == 0 || after == 0) continue;
      // Only digits that stand directly around the "^", with nothing passed
      // over, are rewritten; the others are read for their faults.
      const bool directBase = stretch.runBefore(p) == before;
      const bool directExponent = stretch.runAfter(p) == after;
      const std::string_view digits = stretch.digits();
      long double b = directBase ? TextToFloat(digits.substr(0, before)) : stretch.value(0, before);
      const long double e = directExponent ? TextToFloat(digits.substr(before)) : stretch.value(before, all);
      if (!directBase || !directExponent) {
        Power(b, e);  // faults as the value would
        continue;
      }
      size_t first = p - before;
      if (first > 0 && isSignAt(t, first - 1)) {
        --first;
        b = -b;
      }
      std::string value = FloatToPlainText(Power(b, e));
      grown += value.size();
      grown -= p + after + 1 - first;
      checkTextLength(grown);
      rewrites.push_back({first, p + after, std::move(value)});
    }
  }
  return rewrites.empty() ? std::string(t) : applyRewrites(t, rewrites);
}

std::string Preparation::tidyResult(std::string_view t) {
  const std::string s = replaceAll(t, "(+(", "((");
  // "1x" becomes "x" only where the "1" does not end a longer number.
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '1' && i + 1 < s.size() && s[i + 1] == 'x' && !(i > 0 && isNumberChar(s[i - 1]))) {
      out += 'x';
      ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

void Preparation::writeInput(const std::string& t) {
  checkTextLength(t.size());
  if (t != w_.Memo1.Text()) w_.Memo1.SetText(t);
}

// Each box rewrite first looks for the one character its patterns need; a
// text without it stays as it is.

void Preparation::InsertUnitCoefficients() {
  if (w_.Memo1.Text().find('x') == std::string::npos) return;
  writeInput(insertUnitCoefficients(w_.Memo1.Text()));
}

void Preparation::SubstituteConstants() {
  // The rewrite applies only where "pi" or "e" follows an operator or "(".
  const std::string& t = w_.Memo1.Text();
  // The "e"s and "p"s are few: each is found by a library search and looked
  // at with the character before it.
  bool found = false;
  for (const char target : {'e', 'p'}) {
    for (size_t pos = t.find(target, 1); pos != std::string::npos && !found; pos = t.find(target, pos + 1)) {
      const char before = t[pos - 1];
      if (isOperator(before) || before == '(') found = target == 'e' || (pos + 1 < t.size() && t[pos + 1] == 'i');
    }
    if (found) break;
  }
  if (!found) return;
  writeInput(substituteConstants(t));
}

void Preparation::ExpandSuperscript(int n, char c) {
  if (w_.Memo1.Text().find(c) == std::string::npos) return;
  writeInput(expandSuperscript(w_.Memo1.Text(), n, c));
}

void Preparation::ExpandPowers() {
  if (w_.Memo1.Text().find('^') == std::string::npos) return;
  writeInput(expandPowers(w_.Memo1.Text()));
}

void Preparation::TidyResult() {
  const std::string t = w_.Memo2.Text();
  checkTextLength(t.size());
  const std::string tidy = tidyResult(t);
  if (tidy != t) w_.Memo2.SetText(tidy);
}

}  // namespace velsira
