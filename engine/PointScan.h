// Repeated point evaluation: the value of the input box at many integers,
// as the root scan and the plot ask for it, without cutting the input anew
// at every point.
//
// A scan prepares and cuts the input once, with x held open, into a plan:
// the bracket terms with their prefixes, the factors with their names, and
// the operands of every factor argument, constant operands already read.
// Each point then runs the arithmetic of the text path on that plan: the
// same extended and double precision steps, every value rounded to its
// 15-digit number text, every function value rounded to 12 decimals by the
// function evaluator itself. Where the plan cannot promise the text path's
// answer (an input it cannot represent, a value that fails or lies outside
// its safe range), the point is evaluated by Calculation::EvaluateAt, which
// then gives the result or raises the error exactly as without a scan.
//
// Use, once per scan, after the input box holds its text:
//
//   PointScan scan(calc);
//   for (long long x = xmin; x <= xmax; ++x) {
//     scan.Evaluate(x, result, x == xmax);   // raises as EvaluateAt would
//     long double v = scan.Value();          // TextToFloat(result)
//   }
//
// The input box must not change during the scan. The boxes and work lists
// are written only by the points evaluated through EvaluateAt: the first
// point (which also checks the plan against the text path), every point
// that fails, and the last one, so that after the scan they hold exactly
// what a scan of EvaluateAt calls leaves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Calculation.h"

namespace velsira {

class PointScan {
 public:
  // Reads the input box and plans the scan. Raises nothing: an input the
  // plan cannot hold is evaluated point by point through EvaluateAt.
  explicit PointScan(Calculation& calc);

  // The value of the input at x as the text of the result box: exactly what
  // calc.EvaluateAt(IntToText(x), result) gives, and the same error where
  // that raises. With last, the point is evaluated through EvaluateAt, so
  // that the boxes and work lists hold what it leaves.
  void Evaluate(long long x, std::string& result, bool last);

  // The number the last result text reads as (TextToFloat of it).
  long double Value();

  // The value of the input at any x, also between integers, from the plan
  // alone: the boxes and work lists stay as they are. False where there is
  // no plan (or the first point has not checked it yet), where the plan
  // cannot answer, and where the function has no finite value at x.
  bool Sample(long double x, long double& value);

  // Whether the plan holds the input; when false every point goes through
  // EvaluateAt. For tests and benchmarks.
  bool Planned() const { return planned_; }
  // Points evaluated from the plan and through EvaluateAt so far.
  long long PlannedPoints() const { return plannedPoints_; }
  long long TextPoints() const { return textPoints_; }

 private:
  // An operand of a flat arithmetic text, as the operand split leaves it:
  // empty, or a number text without sign (its value never negative).
  struct Piece {
    bool empty;
    long double value;
  };
  // A piece of a factor argument in the plan: empty, a constant, or the
  // value of x, x² or x³ written in place of x.
  struct PlanPiece {
    enum Kind { Empty, Constant, X, Square, Cube } kind;
    long double value;
  };
  // A summand of a factor argument: the piece first, and for a pair its
  // operator and second piece.
  struct Summand {
    uint32_t first;
    uint32_t second;
    char op;  // '*' or '/' of a pair, 0 for a single operand
  };
  struct Factor {
    std::string name;
    std::vector<PlanPiece> pieces;
    std::vector<char> ops;  // between the pieces
    bool constant = false;
    long double value = 0;  // the value of a constant factor
    // When the argument is a sum of single operands and of pairs
    // "constant*operand" or "constant/operand" (as x is written, "1*" and its
    // value), none empty: its distinct summands, and for each summand as
    // written the index of its distinct one and whether "-" stands before
    // it. Empty when it is no such sum.
    std::vector<Summand> summands;
    std::vector<uint32_t> summandOrder;
    std::vector<char> summandMinus;
  };
  struct Term {
    std::string prefix;
    std::vector<Factor> factors;
    std::vector<char> ops;  // ops[j] stands before factor j + 1
    bool constant = false;
    long double value = 0;
  };

  // A line of the operand list after the sign joins, and a summand line.
  struct Signed {
    char prefix;  // 0, or the operator joined in front of the piece
    Piece piece;
  };
  struct Line {
    enum Kind { Empty, Value, Continuation } kind;
    char op;            // of a continuation line
    long double value;  // what the line's text (after its operator) reads as
  };

  bool plan(const std::string& input);
  bool planFactor(std::string_view name, std::string_view argument, Factor& factor);

  // The value of the input at x from the plan; false where the plan cannot
  // promise the text path's answer.
  bool evaluatePlanned(long double x, long double& value);
  bool evaluateFactor(const Factor& factor, const long double* slots, long double& value);
  bool evaluateTerm(const Term& term, const long double* slots, long double& value);

  // The operand split, sign joins and reduction of the text the pieces and
  // operators stand for (pieces_, ops_), and the function name applied:
  // the value its result text reads as.
  bool reduceAndApply(const std::string& name, long double& value);
  // The value of a sum as a factor or term text with the function name:
  // the number its text reads as, or the function's value.
  bool applyName(const std::string& name, long double sum, long double& value);
  // reduce of a factor argument that is a sum of summands, in time linear
  // in them; false where the plan cannot promise the text path's answer.
  bool sumSummands(const Factor& factor, const long double* slots, long double& sum);
  // Finds the summands of a factor's argument (none when it is no such sum).
  static void planSummands(Factor& factor);
  bool reduce(long double& sum);
  // reduce of the term values when the terms are joined by "+" and "-"
  // alone, in time linear in the terms without building their lists.
  bool sumTerms(long double& value);
  // The steps of reduce: the sign joins of the operand list into signed_,
  // the summand lines with the products they hold, the continuation lines
  // merged into the lines before them, and the sum of the lines.
  void joinSigns();
  bool summandLines();
  bool mergeContinuations();
  bool addLines(long double& sum) const;
  // The text a term's plan stands for, to find terms written again.
  static std::string termKey(const Term& term);
  // Appends a value as it is written into a text: a negative one as an
  // empty piece, "-" and its magnitude.
  bool appendValue(long double v);
  // Adds the summand line of the operator before, a sign and (with body)
  // a number of the given magnitude, folded as the summand list folds it;
  // first and second are the operands of the pair it was made from (NaN
  // for a lone operand). False for a line that would not read as a number.
  bool addLine(char before, char sign, bool body, long double magnitude, double first, double second);

  Calculation& calc_;
  bool planned_ = false;
  bool checked_ = false;  // the first point compared the plan with the text path
  bool usesSquare_ = false, usesCube_ = false;
  std::vector<Term> terms_;
  std::vector<char> termOps_;  // termOps_[i] stands before term i + 1
  bool sumOfTerms_ = false;    // the terms are joined by "+" and "-" alone
  // Terms written again take the value of their first writing:
  // termSource_[i] is that term's index, distinctTerms_ the first writings.
  std::vector<uint32_t> termSource_, distinctTerms_;

  std::string result_;
  long double value_ = 0;
  bool valueKnown_ = false;
  long long plannedPoints_ = 0, textPoints_ = 0;

  // Working storage of one reduction, kept between points.
  std::vector<Piece> pieces_;
  std::vector<char> ops_;
  std::vector<Signed> signed_;
  std::vector<Line> lines_;
  std::vector<double> pairFirst_, pairSecond_;
  std::vector<long double> termValues_, factorValues_;
  std::vector<double> termDoubles_, summandDoubles_;
  std::string argument_, functionValue_, xText_;
};

}  // namespace velsira
