// The hidden work form "Ayar" with the fifteen work lists of the engine.
// The component names (Form1, Memo13, Button14Click ...): docs/glossary.md.
#pragma once

#include <array>

#include "worklists/WorkList.h"

namespace velsira {

class TForm2 {
 public:
  static constexpr const char* kCaption = "Ayar";

  // Operators of the current operand split.
  WorkList Memo1{Reaction::None};
  // Factor names of the current term (Memo2Change).
  WorkList Memo2{Reaction::NameCut};
  // Positions of "[" and "]".
  WorkList Memo3{Reaction::None};
  WorkList Memo4{Reaction::None};
  // Bracket prefixes (Memo5Change).
  WorkList Memo5{Reaction::NameCut};
  // Bracket terms.
  WorkList Memo6{Reaction::None};
  // Operands of the current operand split (Memo7Change).
  WorkList Memo7{Reaction::OperandCut};
  // Factor arguments of the current term.
  WorkList Memo8{Reaction::None};
  // The character after each "]".
  WorkList Memo9{Reaction::None};
  // Positions of "(" and ")".
  WorkList Memo10{Reaction::None};
  WorkList Memo11{Reaction::None};
  // The character after each ")".
  WorkList Memo12{Reaction::None};
  // Factor results and summand lines (Memo13Change).
  WorkList Memo13{Reaction::SignFold};
  // Bracket term derivatives. Its reaction is Memo5Change over Memo5, which
  // is always reduced already, so its own lines stay as written.
  WorkList Memo14{Reaction::None};
  // Signed operands.
  WorkList Memo15{Reaction::None};

  // List k (1..15).
  WorkList& memo(int k);
  const WorkList& memo(int k) const;
  // Empties Memo1 .. Memo15 in order; no reaction runs.
  void clearAll();
};

}  // namespace velsira
