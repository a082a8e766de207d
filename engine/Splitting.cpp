// Term and factor splitting.
#include "engine/Splitting.h"

#include <vector>

#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/Text.h"

namespace velsira {
namespace {

// The common cut of SplitBracketTerms and SplitFactors: positions of the
// opening and closing characters, the character after each closing one, and
// for each pair the text before the opening one (reduced to its name by the
// list) and the content.
void cutPairs(std::string_view t, char open, char close, WorkList& opens, WorkList& closes, WorkList& after,
              WorkList& names, WorkList& contents) {
  const long len = static_cast<long>(t.size());
  for (long p = 1; p <= len; ++p)
    if (t[static_cast<size_t>(p - 1)] == open) opens.add(IntToText(p));
  for (long p = 1; p <= len; ++p) {
    if (t[static_cast<size_t>(p - 1)] == close) {
      closes.add(IntToText(p));
      after.add(substring(t, p + 1, 1));
    }
  }
  for (long i = 0; i < closes.count(); ++i) {
    long o = TextToInt(opens.get(i));
    names.add(substring(t, 1, o - 1));
    const long c = TextToInt(closes.get(i));
    o = TextToInt(opens.get(i));
    contents.add(substring(t, o + 1, c - o - 1));
  }
}

}  // namespace

void Splitting::SplitBracketTerms() {
  TForm2& f = w_.Form2;
  f.Memo3.clear();
  f.Memo4.clear();
  f.Memo5.clear();
  f.Memo6.clear();
  f.Memo7.clear();
  f.Memo1.clear();
  const std::string t = w_.Memo1.Text();
  cutPairs(t, '[', ']', f.Memo3, f.Memo4, f.Memo9, f.Memo5, f.Memo6);
}

void Splitting::SplitFactors(std::string_view t) {
  TForm2& f = w_.Form2;
  f.Memo2.clear();
  f.Memo8.clear();
  f.Memo10.clear();
  f.Memo11.clear();
  f.Memo12.clear();
  const std::string text(t);  // t may be a line of a list cleared above
  cutPairs(text, '(', ')', f.Memo10, f.Memo11, f.Memo12, f.Memo2, f.Memo8);
}

void Splitting::SplitOperands(std::string_view t) {
  TForm2& f = w_.Form2;
  const std::string text(t);
  for (size_t p = 0; p < text.size(); ++p) {
    if (isOperator(text[p])) {
      f.Memo7.add(std::string_view(text).substr(0, p));
      f.Memo1.add(std::string_view(text).substr(p, 1));
    }
  }
  f.Memo7.add(text);
}

void Splitting::JoinSignedOperands() {
  TForm2& f = w_.Form2;
  const long n = f.Memo7.count();
  for (long i = 0; i < n; ++i) {
    if (!f.Memo7.get(i).empty()) {
      f.Memo15.add(f.Memo7.get(i));
    } else {
      f.Memo15.add(f.Memo1.get(i) + f.Memo7.get(i + 1));
      f.Memo7.del(i);
      f.Memo1.del(i);
    }
  }
}

namespace {

// Working memory of the unread-text check: on the stack for the texts a user
// types, on the heap beyond that.
template <typename T, size_t N>
class Scratch {
 public:
  explicit Scratch(size_t n) : data_(n <= N ? local_ : (heap_.resize(n), heap_.data())) {}
  T& operator[](size_t i) { return data_[i]; }

 private:
  T local_[N];
  std::vector<T> heap_;
  T* data_;
};

}  // namespace

void Splitting::CheckAllRead(std::string_view t, char open, char close) {
  size_t openCount = 0, closeCount = 0;
  for (char c : t) {
    if (c == open) ++openCount;
    if (c == close) ++closeCount;
  }
  if (openCount != closeCount) return;
  Scratch<size_t, 64> opens(openCount), closes(closeCount);
  for (size_t p = 0, o = 0, c = 0; p < t.size(); ++p) {
    if (t[p] == open) opens[o++] = p;
    if (t[p] == close) closes[c++] = p;
  }
  for (size_t i = 0; i < openCount; ++i) {
    if (closes[i] < opens[i]) return;
    if (i + 1 < openCount && opens[i + 1] < closes[i]) return;
  }
  Scratch<unsigned char, 256> read(t.size());
  for (size_t p = 0; p < t.size(); ++p) read[p] = 0;
  for (size_t i = 0; i < openCount; ++i) {
    for (size_t p = opens[i]; p <= closes[i]; ++p) read[p] = 1;
    // The name: what the list keeps of the text before the opening one, never
    // reaching back over the character right after the previous closing one.
    const size_t regionStart = i == 0 ? 0 : closes[i - 1] + 2;
    if (regionStart < opens[i]) {
      const std::string_view name = reduceR(t.substr(0, opens[i]), true);
      const size_t nameStart = std::max(regionStart, opens[i] - name.size());
      for (size_t p = nameStart; p < opens[i]; ++p) read[p] = 1;
    }
  }
  for (size_t i = 0; i < closeCount; ++i) {
    const size_t c = closes[i];
    if (c + 1 < t.size()) read[c + 1] = isOperator(t[c + 1]);
  }
  for (size_t p = 0; p < t.size(); ++p) {
    if (read[p]) continue;
    size_t end = p;
    while (end < t.size() && !read[end]) ++end;
    throw EngineError("'" + std::string(t.substr(p, end - p)) +
                      std::string("' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız, "
                                  "ör: [(2)*Sin(x)]+[(x²)]"_cp));
  }
}

void Splitting::RaiseNoBracketTerm() {
  throw EngineError(std::string("İfadeyi köşeli parantez içine yazınız, ör: [(x²)]+[Sin(x)]"_cp));
}

}  // namespace velsira
