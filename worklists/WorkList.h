// A work list: an ordered list of text lines with a change reaction that
// keeps every line in its reduced form.
// The component names (Form1, Memo13, Button14Click ...): docs/glossary.md.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velsira {

// How a list reduces a line when it is written.
enum class Reaction {
  None,          // lines stay as written
  NameCut,       // reduction R, where "Kuvvet-1" keeps its sign (Memo5Change, Memo2Change)
  OperandCut,    // reduction R (Memo7Change)
  SignFold,      // reduction M (Memo13Change)
};

// Reduction R: the text after the last operator character. With keepPowerSign,
// a "-" or "+" right after "Kuvvet" is not an operator.
std::string_view reduceR(std::string_view line, bool keepPowerSign);
// Reduction R with keepPowerSign of every prefix t[0, o) of one text, for
// rising o, in one pass over the text: start(o) is where the reduced
// prefix begins (right after the last operator before o that is not a sign
// after "Kuvvet"), so the prefix reduces to t.substr(start(o), o - start(o)).
class ReducedPrefixes {
 public:
  explicit ReducedPrefixes(std::string_view t) : t_(t) {}
  size_t start(size_t o);

 private:
  std::string_view t_;
  size_t pos_ = 0;
  size_t start_ = 0;
};

// Reduction M: repeatedly drop what stands before the "-" of the leftmost
// "+-", or else up to and including the leftmost "--". Only pairs outside
// every parenthesis count: a sign pair inside a function's argument is part
// of that argument («(1)*(Cos(1x+-1))» stays whole).
std::string_view reduceM(std::string_view line);

class WorkList {
 public:
  explicit WorkList(Reaction reaction = Reaction::None) : reaction_(reaction) {}

  // Appends s (reduced) as the new last line, also when s is empty.
  void add(std::string_view s) {
    if (reaction_ == Reaction::None)
      lines_.emplace_back(s);
    else
      addReducing(s);
  }
  // Appends s as it is, for a line the caller knows the list's reduction
  // leaves unchanged (for reduction R: a line without operator characters).
  void addReduced(std::string_view s) { lines_.emplace_back(s); }
  // The text of line i; the empty text for any i outside the lines.
  const std::string& get(long i) const {
    if (i < 0 || i >= count()) return empty_;
    return lines_[static_cast<size_t>(i)];
  }
  // Replaces line i by s (reduced); nothing happens outside the lines.
  void put(long i, std::string_view s);
  // Removes line i; nothing happens at an index outside the lines.
  void del(long i);
  long count() const { return static_cast<long>(lines_.size()); }
  void clear() { lines_.clear(); }
  // Every line followed by CR LF.
  std::string text() const;
  const std::vector<std::string>& lines() const { return lines_; }
  // The lines themselves, for a rewrite of the whole list that keeps every
  // line reduced (it only drops lines, or writes lines the list's reduction
  // leaves as they are): one pass instead of a delete or put per line.
  std::vector<std::string>& reducedLines() { return lines_; }

 private:
  std::string_view reduce(std::string_view s) const;
  void addReducing(std::string_view s);

  static const std::string empty_;

  Reaction reaction_;
  std::vector<std::string> lines_;
};

}  // namespace velsira
