// Input preparation of the derivative, the integral, the scientific
// calculation and the equation solvers.
#include "engine/Preparation.h"

#include <cmath>
#include <vector>

#include "engine/Arithmetic.h"
#include "engine/Cp1254.h"
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

// The number characters the leftward scan of a power collects before
// position p: digits and "," back to the first operator, other characters
// passed over. run is the length of the collected digits when they stand
// directly before p (0 when they do not), so that the power applies there.
struct LeftDigits {
  std::string digits;  // in text order
  size_t run = 0;
};

LeftDigits collectLeft(std::string_view t, size_t p) {
  LeftDigits d;
  size_t from = p;  // the scan runs back to the first operator
  while (from > 0 && !isOperator(t[from - 1])) --from;
  size_t run = 0;  // number characters directly before p
  while (run < p - from && isNumberChar(t[p - 1 - run])) ++run;
  for (size_t k = from; k < p; ++k)
    if (isNumberChar(t[k])) d.digits += t[k];
  if (d.digits.size() == run) d.run = run;  // nothing else passed over
  return d;
}

// The rightward scan of the exponent after position p.
LeftDigits collectRight(std::string_view t, size_t p) {
  LeftDigits d;
  bool passedOther = false;
  bool direct = true;
  for (size_t k = p + 1; k < t.size(); ++k) {
    const char c = t[k];
    if (isNumberChar(c)) {
      d.digits += c;
      if (passedOther) direct = false;
    } else if (isOperator(c)) {
      break;
    } else {
      passedOther = true;
    }
  }
  if (direct) d.run = d.digits.size();
  return d;
}

// Whether the "-" at position m (right before a base) is a sign: it stands at
// the start of the text or right after "(", "[" or an operator character.
bool isSignAt(std::string_view t, size_t m) {
  if (t[m] != '-') return false;
  if (m == 0) return true;
  const char before = t[m - 1];
  return before == '(' || before == '[' || isOperator(before);
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

void Preparation::IsConstantText(std::string_view s, std::string& flag) { flag.assign(1, isConstantText(s) ? '1' : '0'); }

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
  for (size_t p = 0; p < t.size(); ++p) {
    if (t[p] != c) continue;
    LeftDigits base = collectLeft(t, p);
    if (base.digits.empty()) continue;
    // The value is computed for every collected base, so a malformed number
    // fails as the conversion does; it is written only where it stands.
    long double b = TextToFloat(base.digits);
    if (base.run == 0) continue;
    size_t first = p - base.run;
    if (first > 0 && isSignAt(t, first - 1)) {
      --first;
      b = -b;
    }
    const long double power = IntegerPower(b, static_cast<unsigned long long>(n));
    if (first < pos) continue;
    out.append(t.substr(pos, first - pos));
    AppendPlainText(power, out);
    pos = p + 1;
  }
  out.append(t.substr(pos));
  return out;
}

std::string Preparation::expandPowers(std::string_view t) {
  std::vector<Rewrite> rewrites;
  for (size_t p = 0; p < t.size(); ++p) {
    if (t[p] != '^') continue;
    LeftDigits base = collectLeft(t, p);
    LeftDigits exponent = collectRight(t, p);
    if (base.digits.empty() || exponent.digits.empty()) continue;
    long double b = TextToFloat(base.digits);
    const long double e = TextToFloat(exponent.digits);
    if (base.run == 0 || exponent.run == 0) {
      Power(b, e);  // faults as the value would
      continue;
    }
    size_t first = p - base.run;
    if (first > 0 && isSignAt(t, first - 1)) {
      --first;
      b = -b;
    }
    rewrites.push_back({first, p + exponent.run, FloatToPlainText(Power(b, e))});
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
  const std::string tidy = tidyResult(t);
  if (tidy != t) w_.Memo2.SetText(tidy);
}

}  // namespace velsira
