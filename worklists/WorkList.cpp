// Work lists and their reductions. Each written line is reduced directly, in
// time linear in its length; this gives the same lines as re-running the
// list's nested passes after every change.
#include "worklists/WorkList.h"

namespace velsira {
namespace {

bool isOperatorChar(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

}  // namespace

std::string_view reduceR(std::string_view line, bool keepPowerSign) {
  for (size_t i = line.size(); i-- > 0;) {
    const char c = line[i];
    if (!isOperatorChar(c)) continue;
    if (keepPowerSign && (c == '-' || c == '+') && i >= 6 && line.substr(i - 6, 6) == "Kuvvet") continue;
    return line.substr(i + 1);
  }
  return line;
}

size_t ReducedPrefixes::start(size_t o) {
  for (; pos_ < o; ++pos_) {
    const char c = t_[pos_];
    if (!isOperatorChar(c)) continue;
    if ((c == '-' || c == '+') && pos_ >= 6 && t_.substr(pos_ - 6, 6) == "Kuvvet") continue;
    start_ = pos_ + 1;
  }
  return start_;
}

namespace {

// Finds, left to right, the two characters a b where they stand outside
// every parenthesis of the line. The search only moves forward, carrying the
// parenthesis depth with it, so one line is read once by each finder.
class OuterPairFinder {
 public:
  OuterPairFinder(std::string_view line, char a, char b) : line_(line), a_(a), b_(b) {}

  // The first position at or after from where a b stand at depth 0; npos
  // where there is none. from never decreases between calls.
  size_t find(size_t from) {
    if (found_ != std::string_view::npos && found_ >= from) return found_;
    for (; pos_ < line_.size(); ++pos_) {
      const char c = line_[pos_];
      if (pos_ >= from && depth_ == 0 && c == a_ && pos_ + 1 < line_.size() && line_[pos_ + 1] == b_) {
        found_ = pos_;
        step(c);
        ++pos_;
        return found_;
      }
      step(c);
    }
    found_ = std::string_view::npos;
    return found_;
  }

 private:
  void step(char c) {
    if (c == '(') ++depth_;
    else if (c == ')' && depth_ > 0) --depth_;
  }

  std::string_view line_;
  char a_, b_;
  size_t pos_ = 0;
  long depth_ = 0;
  size_t found_ = std::string_view::npos;
};

}  // namespace

std::string_view reduceM(std::string_view line) {
  if (line.find('-') == std::string_view::npos) return line;  // neither rule can apply
  // Each rule only drops a prefix that ends outside every parenthesis, so
  // the depth of what remains is counted on from the same start.
  OuterPairFinder plusMinus(line, '+', '-');
  OuterPairFinder minusMinus(line, '-', '-');
  size_t start = 0;
  while (true) {
    const size_t pm = plusMinus.find(start);
    if (pm != std::string_view::npos) {
      start = pm + 1;
      continue;
    }
    const size_t mm = minusMinus.find(start);
    if (mm != std::string_view::npos) {
      start = mm + 2;
      continue;
    }
    return line.substr(start);
  }
}

const std::string WorkList::empty_;

std::string_view WorkList::reduce(std::string_view s) const {
  switch (reaction_) {
    case Reaction::NameCut: return reduceR(s, true);
    case Reaction::OperandCut: return reduceR(s, false);
    case Reaction::SignFold: return reduceM(s);
    case Reaction::None: break;
  }
  return s;
}

void WorkList::addReducing(std::string_view s) { lines_.emplace_back(reduce(s)); }

void WorkList::put(long i, std::string_view s) {
  if (i < 0 || i >= count()) return;
  lines_[static_cast<size_t>(i)] = std::string(reduce(s));
}

void WorkList::del(long i) {
  if (i < 0 || i >= count()) return;
  lines_.erase(lines_.begin() + i);
}

std::string WorkList::text() const {
  std::string out;
  for (const auto& l : lines_) {
    out += l;
    out += "\r\n";
  }
  return out;
}

}  // namespace velsira
