// Term and factor splitting: cuts texts into the work lists at "[" "]",
// "(" ")" and the operator characters, by position.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/WorkArea.h"

namespace velsira {

struct PairList;

class Splitting {
 public:
  explicit Splitting(WorkArea& w) : w_(w) {}

  // Cuts Form1.Memo1 into bracket prefixes (Memo5), bracket terms (Memo6) and
  // the characters after each "]" (Memo9, appended).
  void SplitBracketTerms();
  // Cuts t into factor names (Memo2), arguments (Memo8) and the characters
  // after each ")" (Memo12).
  void SplitFactors(std::string_view t);
  // Appends the operands of t to Memo7 and its operators to Memo1.
  void SplitOperands(std::string_view t);
  // Joins each sign onto the operand after it, into Memo15.
  void JoinSignedOperands();

  // The unread-text check. Where the open and close characters of t pair in
  // order, every character must be read: as a name before an opening one, an
  // opening or closing one or the content between them, or the one operator
  // after a closing one. Raises "'%s' okunamadı. ..." naming the leftmost
  // run of unread characters. Texts that do not pair in order pass.
  static void CheckAllRead(std::string_view t, char open, char close);
  // CheckAllRead of Form1.Memo1 at the bracket level, with the pairs the
  // last SplitBracketTerms found: the text must not have changed since.
  void CheckBracketTermsRead() const;
  // CheckAllRead of every bracket term (Memo6) in order, keeping the pairs
  // of each for SplitTermFactors.
  void CheckFactorsRead();
  // SplitFactors of bracket term i, with the pairs CheckFactorsRead found:
  // Memo6 must not have changed since.
  void SplitTermFactors(long i);
  // The variable check: after each "x" and its power ("²", "³" or "^" with
  // its digits) must come an operator, a parenthesis, a bracket, a blank, a
  // line break, "=" or the end; an "x" between two letters is part of a
  // name. Raises "'%s' okunamadı. ..." naming the
  // leftmost run of other characters («xyz», «x²abc», «x2»).
  static void CheckAfterVariable(std::string_view t);
  // "'%s' okunamadı. Her çarpanı parantez, ...": text is the run of the
  // input that no rule can read.
  [[noreturn]] static void RaiseUnread(std::string_view text);
  // "İfadeyi köşeli parantez içine yazınız, ...": raised by the drivers that
  // need at least one bracket term.
  [[noreturn]] static void RaiseNoBracketTerm();

 private:
  // The positions of the open and close characters of a text, kept with
  // their storage.
  struct PairPositions {
    std::vector<size_t> opens, closes;
    void find(std::string_view t, char open, char close);
  };

  static void checkAllRead(std::string_view t, const PairList& pairs);

  WorkArea& w_;
  PairPositions bracketPairs_;
  std::vector<PairPositions> termPairs_;
  // Copies of the texts being cut and a joined operand, kept for their
  // storage.
  std::string factorsText_, operandsText_, joined_;
};

}  // namespace velsira
