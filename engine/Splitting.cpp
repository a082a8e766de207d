// Term and factor splitting.
#include "engine/Splitting.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/Text.h"

namespace velsira {

// The positions of the open and close characters of a text, in order.
struct PairList {
  const size_t* opens;
  size_t openCount;
  const size_t* closes;
  size_t closeCount;
};

namespace {

// Working memory of the cuts and the unread-text check: on the stack for the
// texts a user types, on the heap beyond that.
template <typename T, size_t N>
class Scratch {
 public:
  explicit Scratch(size_t n) : data_(n <= N ? local_ : (heap_.resize(n), heap_.data())) {}
  T& operator[](size_t i) { return data_[i]; }
  const T& operator[](size_t i) const { return data_[i]; }

 private:
  T local_[N];
  std::vector<T> heap_;
  T* data_;
};

// Positions in a text, in order: on the stack for the texts a user types,
// on the heap beyond that.
class Positions {
 public:
  Positions() = default;
  Positions(const Positions&) = delete;
  Positions& operator=(const Positions&) = delete;

  void push(size_t p) {
    if (count_ < kLocal) [[likely]] {
      local_[count_] = p;
    } else {
      if (count_ == kLocal) heap_.assign(local_, local_ + kLocal);
      heap_.push_back(p);
      data_ = heap_.data();
    }
    ++count_;
  }
  size_t operator[](size_t i) const { return data_[i]; }
  const size_t* data() const { return data_; }
  size_t count() const { return count_; }

 private:
  static constexpr size_t kLocal = 32;
  size_t local_[kLocal];
  size_t* data_ = local_;
  std::vector<size_t> heap_;
  size_t count_ = 0;
};

// The positions of every open and close character of t, in order.
struct Pairs {
  Pairs(std::string_view t, char open, char close) {
    for (size_t p = 0; p < t.size(); ++p) {
      if (t[p] == open) opens.push(p);
      if (t[p] == close) closes.push(p);
    }
  }
  PairList list() const { return {opens.data(), opens.count(), closes.data(), closes.count()}; }

  Positions opens;
  Positions closes;
};

// A 1-based position written as an integer text into the list.
void addPosition(WorkList& list, size_t index) {
  if (index < 9) {
    const char digit = static_cast<char>('1' + index);
    list.add(std::string_view(&digit, 1));
    return;
  }
  char buffer[24];
  const auto res = std::to_chars(buffer, buffer + sizeof buffer, index + 1);
  list.add(std::string_view(buffer, static_cast<size_t>(res.ptr - buffer)));
}

// The common cut of SplitBracketTerms and SplitFactors, into lists the caller
// has just emptied: positions of the opening and closing characters, the
// character after each closing one, and for each pair the text before the
// opening one (reduced to its name, as the list would) and the content. A
// closing character without its opening one is read as the empty integer
// text. Pairs that nest make contents that overlap; their lines together may
// not exceed the text limit.
void cutPairs(std::string_view t, const PairList& pairs, WorkList& opens, WorkList& closes, WorkList& after,
              WorkList& names, WorkList& contents) {
  for (size_t i = 0; i < pairs.openCount; ++i) addPosition(opens, pairs.opens[i]);
  for (size_t i = 0; i < pairs.closeCount; ++i) {
    const size_t c = pairs.closes[i];
    addPosition(closes, c);
    after.add(t.substr(c + 1, c + 1 < t.size() ? 1 : 0));
  }
  ReducedPrefixes nameStarts(t);
  size_t written = 0;
  for (size_t i = 0; i < pairs.closeCount; ++i) {
    if (i >= pairs.openCount) raiseNotInteger("");
    // The text before the opening character, and the text between the two
    // (empty where the closing one comes first).
    const size_t o = pairs.opens[i];
    const size_t c = pairs.closes[i];
    const size_t nameStart = nameStarts.start(o);
    const size_t contentLength = c > o + 1 ? c - o - 1 : 0;
    written += (o - nameStart) + contentLength;
    checkTextLength(written);
    names.addReduced(t.substr(nameStart, o - nameStart));
    contents.add(t.substr(o + 1, contentLength));
  }
}

}  // namespace

void Splitting::PairPositions::find(std::string_view t, char open, char close) {
  opens.clear();
  closes.clear();
  for (size_t p = 0; p < t.size(); ++p) {
    if (t[p] == open) opens.push_back(p);
    if (t[p] == close) closes.push_back(p);
  }
}

namespace {

PairList listOf(const std::vector<size_t>& opens, const std::vector<size_t>& closes) {
  return {opens.data(), opens.size(), closes.data(), closes.size()};
}

}  // namespace

namespace {

// The lists of one term's factor cut, emptied in their order.
void clearFactorLists(TForm2& f) {
  f.Memo2.clear();
  f.Memo8.clear();
  f.Memo10.clear();
  f.Memo11.clear();
  f.Memo12.clear();
}

}  // namespace

void Splitting::SplitBracketTerms() {
  TForm2& f = w_.Form2;
  f.Memo3.clear();
  f.Memo4.clear();
  f.Memo5.clear();
  f.Memo6.clear();
  f.Memo7.clear();
  f.Memo1.clear();                            // Form2.Memo1, the operators
  const std::string& text = w_.Memo1.Text();  // Form1.Memo1, the input box
  bracketPairs_.find(text, '[', ']');
  cutPairs(text, listOf(bracketPairs_.opens, bracketPairs_.closes), f.Memo3, f.Memo4, f.Memo9, f.Memo5, f.Memo6);
}

void Splitting::SplitFactors(std::string_view t) {
  TForm2& f = w_.Form2;
  clearFactorLists(f);
  const std::string& text = factorsText_.assign(t);  // t may be a line of a list cleared above
  const Pairs pairs(text, '(', ')');
  cutPairs(text, pairs.list(), f.Memo10, f.Memo11, f.Memo12, f.Memo2, f.Memo8);
}

void Splitting::CheckBracketTermsRead() const {
  checkAllRead(w_.Memo1.Text(), listOf(bracketPairs_.opens, bracketPairs_.closes));
}

void Splitting::CheckFactorsRead() {
  const WorkList& terms = w_.Form2.Memo6;
  const size_t n = static_cast<size_t>(terms.count());
  if (termPairs_.size() < n) termPairs_.resize(n);
  for (size_t i = 0; i < n; ++i) {
    PairPositions& pairs = termPairs_[i];
    pairs.find(terms.get(static_cast<long>(i)), '(', ')');
    checkAllRead(terms.get(static_cast<long>(i)), listOf(pairs.opens, pairs.closes));
  }
}

void Splitting::SplitTermFactors(long i) {
  TForm2& f = w_.Form2;
  clearFactorLists(f);
  // Memo6 is none of the lists cleared above, and has not changed since
  // CheckFactorsRead found the pairs of its lines.
  const PairPositions& pairs = termPairs_[static_cast<size_t>(i)];
  cutPairs(f.Memo6.get(i), listOf(pairs.opens, pairs.closes), f.Memo10, f.Memo11, f.Memo12, f.Memo2, f.Memo8);
}

void Splitting::SplitOperands(std::string_view t) {
  TForm2& f = w_.Form2;
  const std::string_view text = operandsText_.assign(t);  // t may be a line of Memo7 or Memo1
  // Each operand line is the text up to an operator, which the list reduces
  // to what follows the operator before it: that part is written directly.
  size_t start = 0;
  for (size_t p = 0; p < text.size(); ++p) {
    if (isOperator(text[p])) {
      f.Memo7.addReduced(text.substr(start, p - start));
      f.Memo1.add(text.substr(p, 1));
      start = p + 1;
    }
  }
  f.Memo7.addReduced(text.substr(start));
}

void Splitting::JoinSignedOperands() {
  // Visits n positions of the operand list as it shrinks: at an empty operand
  // the operator after it and the next operand make one signed line, the
  // empty operand and that operator leave their lists, and the next operand
  // moves up into the visited position without being visited. Past the end
  // of the list every position reads as empty and adds an empty line. The
  // lists are compacted in one pass rather than deleted from line by line.
  TForm2& f = w_.Form2;
  std::vector<std::string>& operands = f.Memo7.reducedLines();
  std::vector<std::string>& operators = f.Memo1.reducedLines();
  const size_t n = operands.size();
  size_t read = 0;       // the next original operand (and its operator)
  size_t kept = 0;       // operands kept so far
  size_t keptOps = 0;    // operators kept so far
  auto keep = [&](size_t j) {
    if (kept != j) operands[kept] = std::move(operands[j]);
    ++kept;
    if (j < operators.size()) {
      if (keptOps != j) operators[keptOps] = std::move(operators[j]);
      ++keptOps;
    }
  };
  for (size_t step = 0; step < n; ++step) {
    if (read >= n) {
      f.Memo15.add(std::string_view());
      continue;
    }
    if (!operands[read].empty()) {
      f.Memo15.add(operands[read]);
      keep(read++);
      continue;
    }
    joined_.assign(read < operators.size() ? operators[read] : std::string());
    if (read + 1 < n) joined_ += operands[read + 1];
    f.Memo15.add(joined_);
    ++read;                            // the empty operand and its operator leave
    if (read < n) keep(read++);        // the next operand moves up unvisited
  }
  operands.resize(kept);
  operators.resize(std::min(keptOps, operators.size()));
}

namespace {

// Raises the unread-text error for the leftmost run of unread characters of
// t, whose pairs are in order.
[[noreturn]] void raiseUnread(std::string_view t, const PairList& pairs) {
  const size_t n = pairs.openCount;
  Scratch<unsigned char, 256> read(t.size());
  for (size_t p = 0; p < t.size(); ++p) read[p] = 0;
  ReducedPrefixes nameStarts(t);
  for (size_t i = 0; i < n; ++i) {
    for (size_t p = pairs.opens[i]; p <= pairs.closes[i]; ++p) read[p] = 1;
    const size_t regionStart = i == 0 ? 0 : pairs.closes[i - 1] + 2;
    const size_t from = std::max(regionStart, nameStarts.start(pairs.opens[i]));
    for (size_t p = from; p < pairs.opens[i]; ++p) read[p] = 1;
  }
  // The one character after a closing one is read only as an operator, also
  // where it is the next opening character.
  for (size_t i = 0; i < n; ++i) {
    const size_t c = pairs.closes[i];
    if (c + 1 < t.size()) read[c + 1] = isOperator(t[c + 1]);
  }
  size_t p = 0;
  while (p < t.size() && read[p]) ++p;
  size_t end = p;
  while (end < t.size() && !read[end]) ++end;
  // A line break is named whole: CR LF is one break of the input box.
  if (p > 0 && p < t.size() && t[p] == '\n' && t[p - 1] == '\r') --p;
  if (end > p && end < t.size() && t[end] == '\n' && t[end - 1] == '\r') ++end;
  Splitting::RaiseUnread(t.substr(p, end - p));
}

}  // namespace

void Splitting::CheckAllRead(std::string_view t, char open, char close) {
  const Pairs pairs(t, open, close);
  checkAllRead(t, pairs.list());
}

void Splitting::checkAllRead(std::string_view t, const PairList& pairs) {
  const size_t n = pairs.openCount;
  if (n != pairs.closeCount) return;
  for (size_t i = 0; i < n; ++i) {
    if (pairs.closes[i] < pairs.opens[i]) return;
    if (i + 1 < n && pairs.opens[i + 1] < pairs.closes[i]) return;
  }
  // The read characters, left to right: for each pair its name, the pair
  // and its content, then the character after the closing one if that is an
  // operator. Any gap is unread.
  size_t readTo = 0;  // every character before readTo is read
  ReducedPrefixes nameStarts(t);
  for (size_t i = 0; i < n; ++i) {
    const size_t from = std::max(readTo, nameStarts.start(pairs.opens[i]));
    if (from != readTo) raiseUnread(t, pairs);
    readTo = pairs.closes[i] + 1;
    if (readTo < t.size()) {
      if (!isOperator(t[readTo])) raiseUnread(t, pairs);
      ++readTo;
    }
  }
  if (readTo < t.size()) raiseUnread(t, pairs);
}

namespace {

// An ASCII letter or a letter of the code page's upper half.
bool isLetter(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0xC0;
}

// Whether c may follow the variable and its power.
bool endsVariable(char c) {
  return isOperator(c) || c == '(' || c == ')' || c == '[' || c == ']' || c == ' ' || c == '\t' || c == '\r' ||
         c == '\n' || c == '=';
}

}  // namespace

void Splitting::CheckAfterVariable(std::string_view t) {
  for (size_t p = t.find('x'); p != std::string_view::npos; p = t.find('x', p + 1)) {
    size_t q = p + 1;
    // An "x" between two letters belongs to a name («exp»), which the rules
    // of names judge.
    if (p > 0 && isLetter(t[p - 1]) && q < t.size() && isLetter(t[q])) continue;
    if (q < t.size() && (t[q] == '\xB2' || t[q] == '\xB3')) {
      ++q;
    } else if (q < t.size() && t[q] == '^') {
      ++q;
      while (q < t.size() && isNumberChar(t[q])) ++q;
    }
    if (q == t.size() || endsVariable(t[q])) continue;
    size_t end = q;
    while (end < t.size() && !endsVariable(t[end])) ++end;
    RaiseUnread(t.substr(q, end - q));
  }
}

void Splitting::RaiseUnread(std::string_view text) {
  raiseMessage(Message::Unread, text);
}

void Splitting::RaiseNoBracketTerm() {
  raiseMessage(Message::NoBracketTerm);
}

}  // namespace velsira
