// Repeated point evaluation from a plan of the input.
//
// The plan is made from the input with x substituted by a marker character
// and prepared as the calculation prepares it. The marker stands for the
// whole text of the value, sign included; where the value is squared or
// cubed by a superscript right after it, the pair becomes a marker of its
// own. Every other rewrite of the preparation, the unread-text checks and
// the cuts do not depend on the value's digits as long as each marker is a
// whole operand of a factor argument, which the plan checks.
//
// The reduction below follows the text path step by step on values: the
// operand split (a negative value written into a text is an empty operand,
// "-" and its magnitude), the sign joins, the summand lines with their
// reduction of "+-" and "--", the merge of product chains and the sum.
// Every value that the text path writes as a number text is replaced by
// the value that text reads as.
#include "engine/PointScan.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>

#include "engine/Arithmetic.h"
#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/Preparation.h"
#include "engine/Splitting.h"
#include "engine/Text.h"
#include "worklists/WorkList.h"

namespace velsira {
namespace {

// Markers of the plan's template text: x, and x squared or cubed by a
// superscript written right after it.
constexpr char kXMarker = '\x01';
constexpr char kSquaredXMarker = '\x02';
constexpr char kCubedXMarker = '\x03';

bool isMarker(char c) { return c == kXMarker || c == kSquaredXMarker || c == kCubedXMarker; }

size_t markerCount(std::string_view t) {
  size_t n = 0;
  for (const char c : t) n += isMarker(c) ? 1 : 0;
  return n;
}

bool isProduct(char c) { return c == '*' || c == '/'; }

// The superscript c right after an x marker becomes the power marker; false
// where the scan of any superscript c (or of any "^" when c is '^') would
// collect digits of the value otherwise, which the plan does not hold. The
// scan back from each superscript reaches the operator before it, so one
// pass keeps the last operator and the last marker seen.
bool markPowers(std::string& t, char c, char marker) {
  std::string out;
  out.reserve(t.size());
  size_t from = 0;        // just after the last operator
  size_t lastMarker = 0;  // one past the last marker, 0 for none
  for (size_t p = 0; p < t.size(); ++p) {
    const char ch = t[p];
    if (ch != c) {
      out += ch;
      if (isOperator(ch)) from = p + 1;
      if (isMarker(ch)) lastMarker = p + 1;
      continue;
    }
    const bool reaches = lastMarker > from;
    if (!reaches) {
      out += ch;
      continue;
    }
    // The value's digits directly before c, and nothing else back to the
    // operator before them: the preparation writes the power there.
    if (marker == 0 || from + 1 != p || t[p - 1] != kXMarker) return false;
    out.back() = marker;
  }
  t = std::move(out);
  return true;
}

// Open and close positions that pair in order, without nesting.
bool pairInOrder(std::string_view t, char open, char close, std::vector<size_t>& opens,
                 std::vector<size_t>& closes) {
  opens.clear();
  closes.clear();
  for (size_t p = 0; p < t.size(); ++p) {
    if (t[p] == open) opens.push_back(p);
    if (t[p] == close) closes.push_back(p);
  }
  if (opens.size() != closes.size()) return false;
  for (size_t i = 0; i < opens.size(); ++i) {
    if (closes[i] < opens[i]) return false;
    if (i + 1 < opens.size() && opens[i + 1] < closes[i]) return false;
  }
  return true;
}

// Values far from 1 take number texts whose reading the plan does not
// follow closely enough to promise: such points go through the text path.
bool inSafeRange(long double v) {
  const long double a = std::fabs(v);
  return a == 0 || (a >= 1E-280L && a <= 1E280L);
}

}  // namespace

std::string PointScan::termKey(const Term& term) {
  std::string key = term.prefix;
  auto add = [&key](const void* bytes, size_t n) { key.append(static_cast<const char*>(bytes), n); };
  for (const Factor& f : term.factors) {
    key += '\0';
    key += f.name;
    key += '\0';
    for (const PlanPiece& p : f.pieces) {
      add(&p.kind, sizeof p.kind);
      add(&p.value, 10);  // the bytes an extended value is made of
    }
    key.append(f.ops.begin(), f.ops.end());
  }
  key += '\0';
  key.append(term.ops.begin(), term.ops.end());
  return key;
}

PointScan::PointScan(Calculation& calc) : calc_(calc) {
  try {
    planned_ = plan(calc_.w_.Memo1.Text());
  } catch (const EngineError&) {
    planned_ = false;  // the text path raises it at the first point
  }
}

bool PointScan::plan(const std::string& input) {
  for (const char c : input)
    if (isMarker(c)) return false;

  // The preparation of the calculation, with x held open.
  std::string t;
  Calculation::substituteXInto(input, std::string_view(&kXMarker, 1), true, t);
  t = Preparation::substituteConstants(t);
  if (!markPowers(t, kSquare, kSquaredXMarker)) return false;
  t = Preparation::expandSuperscript(t, 2, kSquare);
  if (!markPowers(t, kCube, kCubedXMarker)) return false;
  t = Preparation::expandSuperscript(t, 3, kCube);
  if (!markPowers(t, '^', 0)) return false;
  t = Preparation::expandPowers(t);

  // Bracket terms and the checks of the calculation; the text path raises
  // what they raise.
  std::vector<size_t> opens, closes;
  if (!pairInOrder(t, '[', ']', opens, closes) || opens.empty()) return false;
  Splitting::CheckAllRead(t, '[', ']');
  size_t markersRead = 0;
  std::vector<size_t> factorOpens, factorCloses;
  ReducedPrefixes prefixes(t);
  for (size_t i = 0; i < opens.size(); ++i) {
    const std::string_view term = std::string_view(t).substr(opens[i] + 1, closes[i] - opens[i] - 1);
    Splitting::CheckAllRead(term, '(', ')');
    if (i > 0) {
      const char op = t[closes[i - 1] + 1];
      if (!isOperator(op)) return false;
      termOps_.push_back(op);
    }
    Term termPlan;
    const size_t prefixStart = prefixes.start(opens[i]);
    termPlan.prefix = t.substr(prefixStart, opens[i] - prefixStart);
    if (markerCount(termPlan.prefix) > 0) return false;
    if (!pairInOrder(term, '(', ')', factorOpens, factorCloses)) return false;
    ReducedPrefixes names(term);
    for (size_t j = 0; j < factorOpens.size(); ++j) {
      if (j > 0) {
        const char op = term[factorCloses[j - 1] + 1];
        if (!isOperator(op)) return false;
        termPlan.ops.push_back(op);
      }
      const std::string_view argument = term.substr(factorOpens[j] + 1, factorCloses[j] - factorOpens[j] - 1);
      markersRead += markerCount(argument);
      Factor factor;
      const size_t nameStart = names.start(factorOpens[j]);
      if (!planFactor(term.substr(nameStart, factorOpens[j] - nameStart), argument, factor)) return false;
      termPlan.factors.push_back(std::move(factor));
    }
    terms_.push_back(std::move(termPlan));
  }
  // Every marker must stand in a factor argument.
  if (markersRead != markerCount(t)) return false;

  sumOfTerms_ = std::all_of(termOps_.begin(), termOps_.end(), [](char op) { return op == '+' || op == '-'; });
  // A term written again has the value of its first writing at every point.
  std::unordered_map<std::string, uint32_t> firstOf;
  for (size_t i = 0; i < terms_.size(); ++i) {
    const auto [at, added] = firstOf.try_emplace(termKey(terms_[i]), static_cast<uint32_t>(i));
    termSource_.push_back(at->second);
    if (added) distinctTerms_.push_back(static_cast<uint32_t>(i));
  }

  // Terms without x have one value at every point.
  for (Term& term : terms_) {
    bool constant = true;
    for (const Factor& f : term.factors) constant = constant && f.constant;
    if (!constant) continue;
    if (!evaluateTerm(term, nullptr, term.value)) return false;
    term.constant = true;
  }
  return true;
}

bool PointScan::planFactor(std::string_view name, std::string_view argument, Factor& factor) {
  if (markerCount(name) > 0) return false;
  factor.name = std::string(name);
  bool constant = true;
  size_t start = 0;
  for (size_t p = 0; p <= argument.size(); ++p) {
    if (p < argument.size() && !isOperator(argument[p])) continue;
    const std::string_view piece = argument.substr(start, p - start);
    if (p < argument.size()) factor.ops.push_back(argument[p]);
    start = p + 1;
    PlanPiece piecePlan{PlanPiece::Empty, 0};
    if (markerCount(piece) > 0) {
      if (piece.size() != 1) return false;  // the value's digits would run into other characters
      constant = false;
      if (piece[0] == kXMarker) piecePlan.kind = PlanPiece::X;
      if (piece[0] == kSquaredXMarker) {
        piecePlan.kind = PlanPiece::Square;
        usesSquare_ = true;
      }
      if (piece[0] == kCubedXMarker) {
        piecePlan.kind = PlanPiece::Cube;
        usesCube_ = true;
      }
    } else if (!piece.empty()) {
      piecePlan.kind = PlanPiece::Constant;
      if (!TryTextToFloat(piece, piecePlan.value)) return false;
    }
    factor.pieces.push_back(piecePlan);
  }
  planSummands(factor);
  if (constant) {
    if (!evaluateFactor(factor, nullptr, factor.value)) return false;
    factor.constant = true;
  }
  return true;
}

void PointScan::Evaluate(long long x, std::string& result, bool last) {
  valueKnown_ = false;
  bool fromPlan = false;
  long double planned = 0;
  if (planned_ && !last) {
    try {
      fromPlan = evaluatePlanned(x, planned);
    } catch (const EngineError&) {
      fromPlan = false;  // the text path raises it, or finds a value
    }
  }
  if (fromPlan && checked_) {
    result.clear();
    AppendFloatText(planned, result);
    value_ = ReadBackNumberText(planned);
    valueKnown_ = true;
    ++plannedPoints_;
    return;
  }
  xText_ = IntToText(x);
  calc_.EvaluateAt(xText_, result);
  ++textPoints_;
  result_ = result;
  // The first point the plan gives is compared with the text path: a plan
  // that disagrees is not used again.
  if (fromPlan && !checked_) {
    checked_ = true;
    if (FloatToText(planned) != result) planned_ = false;
  }
}

long double PointScan::Value() {
  if (!valueKnown_) {
    value_ = TextToFloat(result_);
    valueKnown_ = true;
  }
  return value_;
}

bool PointScan::Sample(long double x, long double& value) {
  if (!planned_ || !checked_) return false;
  try {
    return evaluatePlanned(x, value) && std::isfinite(value);
  } catch (const EngineError&) {
    return false;
  }
}

bool PointScan::evaluatePlanned(long double x, long double& value) {
  // The value's text, and the powers the preparation writes in place of
  // x² and x³: the value with its sign raised to the power, written in
  // plain notation.
  long double slots[3];
  slots[0] = x;
  if (usesSquare_) slots[1] = ReadBackNumberText(IntegerPower(slots[0], 2));
  if (usesCube_) slots[2] = ReadBackNumberText(IntegerPower(slots[0], 3));

  termValues_.resize(terms_.size());
  for (const uint32_t i : distinctTerms_)
    if (!evaluateTerm(terms_[i], slots, termValues_[i])) return false;
  if (sumOfTerms_) return sumTerms(value);
  pieces_.clear();
  ops_.clear();
  for (size_t i = 0; i < terms_.size(); ++i) {
    if (i > 0) ops_.push_back(termOps_[i - 1]);
    if (!appendValue(termValues_[termSource_[i]])) return false;
  }
  return reduce(value);
}

bool PointScan::sumTerms(long double& value) {
  // What reduce makes of values joined by "+" and "-": one summand line a
  // value, its sign folded with the operator before it ("--" reads as "+"),
  // each line in double precision added in extended precision. A term
  // written again is read once.
  termDoubles_.resize(terms_.size());
  for (const uint32_t i : distinctTerms_) {
    const long double v = termValues_[i];
    if (!inSafeRange(v)) return false;
    termDoubles_[i] = static_cast<double>(v);
    if (std::isinf(termDoubles_[i])) return false;
  }
  // Finite doubles never take an extended sum out of its range, so no step
  // of the sum can fail.
  long double total = 0;
  for (size_t i = 0; i < terms_.size(); ++i) {
    const double d = termDoubles_[termSource_[i]];
    total += i > 0 && termOps_[i - 1] == '-' ? -d : d;
  }
  value = total;
  return true;
}

bool PointScan::evaluateTerm(const Term& term, const long double* slots, long double& value) {
  if (term.constant) {
    value = term.value;
    return true;
  }
  const size_t n = term.factors.size();
  factorValues_.resize(n);
  for (size_t j = 0; j < n; ++j)
    if (!evaluateFactor(term.factors[j], slots, factorValues_[j])) return false;
  pieces_.clear();
  ops_.clear();
  if (n == 0) pieces_.push_back({true, 0});  // the empty term text
  for (size_t j = 0; j < n; ++j) {
    if (j > 0) ops_.push_back(term.ops[j - 1]);
    if (!appendValue(factorValues_[j])) return false;
  }
  return reduceAndApply(term.prefix, value);
}

bool PointScan::evaluateFactor(const Factor& factor, const long double* slots, long double& value) {
  if (factor.constant) {
    value = factor.value;
    return true;
  }
  if (!factor.summands.empty()) {
    long double sum = 0;
    return sumSummands(factor, slots, sum) && applyName(factor.name, sum, value);
  }
  pieces_.clear();
  ops_.clear();
  for (size_t k = 0; k < factor.pieces.size(); ++k) {
    if (k > 0) ops_.push_back(factor.ops[k - 1]);
    const PlanPiece& p = factor.pieces[k];
    switch (p.kind) {
      case PlanPiece::Empty: pieces_.push_back({true, 0}); break;
      case PlanPiece::Constant: pieces_.push_back({false, p.value}); break;
      case PlanPiece::X:
        if (!appendValue(slots[0])) return false;
        break;
      case PlanPiece::Square:
        if (!appendValue(slots[1])) return false;
        break;
      case PlanPiece::Cube:
        if (!appendValue(slots[2])) return false;
        break;
    }
  }
  return reduceAndApply(factor.name, value);
}

bool PointScan::appendValue(long double v) {
  if (!inSafeRange(v)) return false;
  if (v < 0) {
    pieces_.push_back({true, 0});
    ops_.push_back('-');
    pieces_.push_back({false, -v});
  } else {
    pieces_.push_back({false, v});
  }
  return true;
}

void PointScan::planSummands(Factor& factor) {
  const size_t n = factor.pieces.size();
  auto isSum = [&factor](size_t k) { return factor.ops[k] == '+' || factor.ops[k] == '-'; };
  auto keyOf = [&factor](size_t k, std::string& key) {
    const PlanPiece& p = factor.pieces[k];
    key.append(reinterpret_cast<const char*>(&p.kind), sizeof p.kind);
    key.append(reinterpret_cast<const char*>(&p.value), 10);  // the bytes an extended value is made of
  };
  std::unordered_map<std::string, uint32_t> distinct;
  std::vector<Summand> summands;
  std::vector<uint32_t> order;
  std::vector<char> minus;
  std::string key;
  for (size_t k = 0; k < n;) {
    minus.push_back(k > 0 && factor.ops[k - 1] == '-');
    if (factor.pieces[k].kind == PlanPiece::Empty) return;
    Summand summand{static_cast<uint32_t>(k), 0, 0};
    key.clear();
    keyOf(k, key);
    if (k + 1 < n && isProduct(factor.ops[k])) {
      // A pair: a constant (never negative) and any operand.
      if (factor.pieces[k].kind != PlanPiece::Constant || factor.pieces[k + 1].kind == PlanPiece::Empty) return;
      summand = {static_cast<uint32_t>(k), static_cast<uint32_t>(k + 1), factor.ops[k]};
      key += factor.ops[k];
      keyOf(k + 1, key);
      k += 2;
    } else {
      k += 1;
    }
    if (k < n && !isSum(k - 1)) return;  // a chain of products
    const auto [at, added] = distinct.try_emplace(key, static_cast<uint32_t>(summands.size()));
    if (added) summands.push_back(summand);
    order.push_back(at->second);
  }
  factor.summands = std::move(summands);
  factor.summandOrder = std::move(order);
  factor.summandMinus = std::move(minus);
}

bool PointScan::sumSummands(const Factor& factor, const long double* slots, long double& sum) {
  // What reduce makes of such a sum: a pair is one summand line, the double
  // product of its operands as its number text reads; a single operand is a
  // line of its own; each line's sign folded with the operator before it
  // ("--" reads as "+"), each line in double precision added in extended
  // precision. A summand written again is computed once.
  auto valueOf = [slots](const PlanPiece& p) {
    return p.kind == PlanPiece::Constant ? p.value
           : p.kind == PlanPiece::X      ? slots[0]
           : p.kind == PlanPiece::Square ? slots[1]
                                         : slots[2];
  };
  summandDoubles_.resize(factor.summands.size());
  for (size_t i = 0; i < factor.summands.size(); ++i) {
    const Summand& s = factor.summands[i];
    long double v = valueOf(factor.pieces[s.first]);
    if (!inSafeRange(v)) return false;
    if (s.op != 0) {
      const long double b = valueOf(factor.pieces[s.second]);
      if (!inSafeRange(b)) return false;
      const double x = static_cast<double>(v), y = static_cast<double>(b);
      if (std::isinf(x) || std::isinf(y)) return false;
      if (s.op == '/' && y == 0) return false;
      const double p = s.op == '*' ? x * y : x / y;
      if (std::isinf(p)) return false;
      v = ReadBackNumberText(p);
    }
    summandDoubles_[i] = static_cast<double>(v);
    if (std::isinf(summandDoubles_[i])) return false;
  }
  // Finite doubles never take the extended sum out of its range.
  long double total = 0;
  for (size_t k = 0; k < factor.summandOrder.size(); ++k) {
    const double d = summandDoubles_[factor.summandOrder[k]];
    total += factor.summandMinus[k] ? -d : d;
  }
  sum = total;
  return true;
}

bool PointScan::reduceAndApply(const std::string& name, long double& value) {
  long double sum = 0;
  return reduce(sum) && applyName(name, sum, value);
}

bool PointScan::applyName(const std::string& name, long double sum, long double& value) {
  if (name.empty()) {
    value = ReadBackNumberText(sum);
    return true;
  }
  argument_.clear();
  AppendFloatText(sum, argument_);
  calc_.Functions().EvaluateFunction(name, argument_, functionValue_);
  return TryTextToFloat(functionValue_, value);
}

bool PointScan::addLine(char before, char sign, bool body, long double magnitude, double first, double second) {
  // The line's operator characters, with a digit for its number, folded as
  // the summand list folds its lines.
  char text[3];
  size_t n = 0;
  if (before != 0) text[n++] = before;
  if (sign != 0) text[n++] = sign;
  if (body) text[n++] = '0';
  std::string_view folded = reduceM(std::string_view(text, n));
  Line line{Line::Empty, 0, 0};
  if (!folded.empty()) {
    char op = 0;
    if (isProduct(folded[0])) {
      op = folded[0];
      folded.remove_prefix(1);
    }
    bool negative = false;
    if (!folded.empty() && (folded[0] == '+' || folded[0] == '-')) {
      negative = folded[0] == '-';
      folded.remove_prefix(1);
    }
    if (folded != "0") return false;  // a line that does not read as a number
    const long double v = negative ? -magnitude : magnitude;
    if (op != 0) {
      if (std::isnan(first)) return false;  // read as a summand, it fails
      line = {Line::Continuation, op, v};
    } else {
      line = {Line::Value, 0, v};
    }
  }
  lines_.push_back(line);
  pairFirst_.push_back(first);
  pairSecond_.push_back(second);
  return true;
}

bool PointScan::reduce(long double& sum) {
  joinSigns();
  return summandLines() && mergeContinuations() && addLines(sum);
}

void PointScan::joinSigns() {
  // The sign joins: an empty operand takes the operator after it and the
  // operand after that, which leave their lists.
  signed_.clear();
  const size_t n = pieces_.size();
  const size_t opCountBefore = ops_.size();
  size_t read = 0, kept = 0, keptOps = 0;
  auto keep = [&](size_t j) {
    pieces_[kept++] = pieces_[j];
    if (j < opCountBefore) ops_[keptOps++] = ops_[j];
  };
  // Compacted in one pass, as the operand lists are (see JoinSignedOperands).
  for (size_t step = 0; step < n; ++step) {
    if (read >= n) {
      signed_.push_back({0, Piece{true, 0}});
      continue;
    }
    if (!pieces_[read].empty) {
      signed_.push_back({0, pieces_[read]});
      keep(read++);
      continue;
    }
    const char op = read < opCountBefore ? ops_[read] : 0;
    const Piece next = read + 1 < n ? pieces_[read + 1] : Piece{true, 0};
    signed_.push_back({op, next});
    ++read;
    if (read < n) keep(read++);
  }
  pieces_.resize(kept);
  ops_.resize(std::min(keptOps, opCountBefore));
}

bool PointScan::summandLines() {
  lines_.clear();
  pairFirst_.clear();
  pairSecond_.clear();
  const long count = static_cast<long>(signed_.size());
  const long opCount = static_cast<long>(ops_.size());
  auto opAt = [&](long i) -> char { return i >= 0 && i < opCount ? ops_[static_cast<size_t>(i)] : 0; };
  auto readDouble = [&](long i, double& d) {
    if (i >= count) return false;
    const Signed& s = signed_[static_cast<size_t>(i)];
    if (s.piece.empty || isProduct(s.prefix)) return false;
    d = static_cast<double>(s.prefix == '-' ? -s.piece.value : s.piece.value);
    return !std::isinf(d);
  };
  constexpr double kNoPair = std::numeric_limits<double>::quiet_NaN();
  for (long i = 0; i < count; ++i) {
    const char op = opAt(i);
    const char before = opAt(i - 1);
    if (isProduct(op)) {
      double x = 0, y = 0;
      if (!readDouble(i, x) || !readDouble(i + 1, y)) return false;
      double p = 0;
      if (op == '*') {
        p = x * y;
      } else {
        if (y == 0) return false;
        p = x / y;
      }
      if (std::isinf(p)) return false;
      const long double read = ReadBackNumberText(p);
      if (!addLine(before, read < 0 ? '-' : 0, true, std::fabs(read), x, y)) return false;
    } else if (!isProduct(before)) {
      const Signed& s = signed_[static_cast<size_t>(i)];
      if (!addLine(before, s.prefix, !s.piece.empty, s.piece.value, kNoPair, kNoPair)) return false;
    }
  }
  return true;
}

bool PointScan::mergeContinuations() {
  // Each continuation line merged into the line kept before it; the lines
  // are compacted in one pass.
  size_t keptLines = lines_.empty() ? 0 : 1;
  for (size_t j = 1; j < lines_.size(); ++j) {
    const Line line = lines_[j];
    if (line.kind != Line::Continuation || std::isnan(pairFirst_[j])) {
      lines_[keptLines++] = line;
      continue;
    }
    const Line& head = lines_[keptLines - 1];
    if (head.kind != Line::Value) return false;
    const double first = pairFirst_[j];
    const double second = pairSecond_[j];
    long double gained;
    if (first != 0)
      gained = Divide(line.value, first);
    else
      gained = line.op == '*' ? static_cast<long double>(second) : Divide(1, second);
    const double merged = static_cast<double>(Multiply(head.value, gained));
    if (std::isinf(merged)) return false;
    lines_[keptLines - 1] = {Line::Value, 0, ReadBackNumberText(merged)};
  }
  lines_.resize(keptLines);
  return true;
}

bool PointScan::addLines(long double& sum) const {
  // The sum: every line in double precision, added in extended precision.
  long double total = 0;
  for (const Line& line : lines_) {
    if (line.kind == Line::Empty) continue;
    if (line.kind != Line::Value) return false;
    const double d = static_cast<double>(line.value);
    if (std::isinf(d)) return false;
    total = Add(total, d);
  }
  sum = total;
  return true;
}

}  // namespace velsira
