// Term and factor splitting: cuts texts into the work lists at "[" "]",
// "(" ")" and the operator characters, by position.
#pragma once

#include <string>
#include <string_view>

#include "engine/WorkArea.h"

namespace velsira {

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
  // "İfadeyi köşeli parantez içine yazınız, ...": raised by the drivers that
  // need at least one bracket term.
  [[noreturn]] static void RaiseNoBracketTerm();

 private:
  WorkArea& w_;
  // Copies of the texts being cut and a joined operand, kept for their
  // storage.
  std::string factorsText_, operandsText_, joined_;
};

}  // namespace velsira
