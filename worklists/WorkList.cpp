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

namespace {

// The first position at or after from where the two characters a b stand;
// npos where there is none. The lines are short: a plain scan beats a
// library search here.
size_t findPair(std::string_view line, char a, char b, size_t from) {
  for (size_t i = from; i + 1 < line.size(); ++i)
    if (line[i] == a && line[i + 1] == b) return i;
  return std::string_view::npos;
}

}  // namespace

std::string_view reduceM(std::string_view line) {
  bool anyMinus = false;
  for (const char c : line)
    if (c == '-') {
      anyMinus = true;
      break;
    }
  if (!anyMinus) return line;  // neither rule can apply
  // Each rule only drops a prefix, so the next "+-" and "--" at or after the
  // current start are found by two cursors that never move back.
  size_t start = 0;
  size_t plusMinus = findPair(line, '+', '-', 0);
  size_t minusMinus = findPair(line, '-', '-', 0);
  while (true) {
    if (plusMinus != std::string_view::npos && plusMinus < start) plusMinus = findPair(line, '+', '-', start);
    if (plusMinus != std::string_view::npos) {
      start = plusMinus + 1;
      continue;
    }
    if (minusMinus != std::string_view::npos && minusMinus < start) minusMinus = findPair(line, '-', '-', start);
    if (minusMinus != std::string_view::npos) {
      start = minusMinus + 2;
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
