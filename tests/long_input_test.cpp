// Long and hostile inputs: every operation answers or refuses them, texts
// never grow past the limit, error texts quote at most 100 characters, and
// the one-pass rewrites of the long-input work give what the step-by-step
// definitions give.
#include <random>
#include <string>
#include <vector>

#include "engine/Arithmetic.h"
#include "engine/NumberText.h"
#include "engine/Text.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::errorOf;
using testing::Program;

std::string repeat(std::string_view s, size_t n) {
  std::string out;
  out.reserve(s.size() * n);
  for (size_t i = 0; i < n; ++i) out += s;
  return out;
}

const std::string kTooLong = "Sonuç metni 4.000.000 karakter sınırını aşıyor; ifadeyi kısaltınız.";
const std::string kEllipsis = "\xE2\x80\xA6";  // "…" in UTF-8

// The error box after one operation on input (UTF-8 in, UTF-8 out).
std::string errorAfter(void (TForm1::*handler)(), const std::string& input, size_t* resultLength = nullptr) {
  Program p;
  p.form.Memo1.SetText(utf8ToCp1254(input));
  p.recording.dialogs.answers = {std::string("0"), std::string("1")};
  p.form.Perform([&] { (p.form.*handler)(); });
  if (resultLength) *resultLength = p.form.Memo2.Text().size();
  return cp1254ToUtf8(p.recording.messages.error.value_or(""));
}

TEST(LongInput, HostileInputsAreAnsweredOrRefused) {
  const size_t n = 20000;
  struct Case {
    std::string what;
    std::string input;
    void (TForm1::*handler)();
    std::string error;
  };
  const std::string unreadTail = "' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız, ör: [(2)*Sin(x)]+[(x²)].";
  const std::string deep = "[" + repeat("(", n) + "x" + repeat(")", n) + "]";
  const std::string lines = repeat("[(x)]\n", n - 1) + "[(x)]";
  const std::string brackets = repeat("[", n) + repeat("]", n);
  const std::string product = "[(" + repeat("2)*(", n) + "2)]";
  const std::string names = "[" + repeat("Sin(x)*", n) + "Sin(x)]";
  const Case cases[] = {
      // Nested pairs cut by rank make contents whose lengths grow with the
      // square of the depth.
      {"deep nesting", deep, &TForm1::Button1Click, kTooLong},
      {"deep nesting", deep, &TForm1::Button4Click, kTooLong},
      {"deep nesting", deep, &TForm1::Button6Click, kTooLong},
      {"deep nesting", deep, &TForm1::Button24Click, kTooLong},
      {"deep nesting", deep, &TForm1::Button2Click, kTooLong},
      {"deep nesting", deep, &TForm1::Button17Click, kTooLong},
      {"brackets", brackets, &TForm1::Button1Click, kTooLong},
      {"brackets", brackets, &TForm1::Button6Click, kTooLong},
      // Every term's prefix reaches back over the lines before it.
      {"many lines", lines, &TForm1::Button1Click, kTooLong},
      {"many lines", lines, &TForm1::Button6Click, kTooLong},
      {"many lines", lines, &TForm1::Button4Click, "']" + unreadTail},
      {"many lines", lines, &TForm1::Button24Click, "'\n" + unreadTail},
      // The derivative of a long product grows with the square of its length.
      {"long product", product, &TForm1::Button1Click, kTooLong},
      {"long product", product, &TForm1::Button6Click, "Floating point overflow."},
      {"product of functions", names, &TForm1::Button1Click, kTooLong},
      {"pi times", "[(" + repeat("pi*", n) + "1)]", &TForm1::Button1Click, kTooLong},
      {"run of minus signs", "[(" + repeat("-", n) + "1)]", &TForm1::Button6Click,
       "'-' is not a valid floating point value."},
      {"run of minus signs", "[(" + repeat("-", n) + "1)]", &TForm1::Button17Click,
       "'[(" + repeat("-", 98) + kEllipsis +
           "' okunamadı: Delta-Epsilon ilk satırda lim(Mx+B), ikinci satırda x=a bekler; M, B ve a tam sayıdır, ör: "
           "lim(2x+1) ve x=3."},
      {"blanks", "[(" + repeat(" ", n) + "x)]", &TForm1::Button6Click,
       "'" + repeat(" ", 100) + kEllipsis + "' is not a valid floating point value."},
      // Powers in one stretch between operators: each reads the digits of
      // the whole stretch before it.
      {"squares of zero", "[(" + repeat("0²", n) + ")]", &TForm1::Button6Click,
       "'0" + repeat("0²", 49) + "0" + kEllipsis + "' is not a valid floating point value."},
      {"powers of zero", "[(" + repeat("0^", n) + "0)]", &TForm1::Button6Click,
       "'" + repeat("0^", 50) + kEllipsis + "' is not a valid floating point value."},
      {"powers of nine", "[(" + repeat("9^4000+", 2000) + "1)]", &TForm1::Button6Click, kTooLong},
      {"long number before a name", "[" + repeat("1", n) + "Sin(x)]", &TForm1::Button1Click,
       "'" + repeat("1", 100) + kEllipsis + "' için türev kuralı yok."},
  };
  for (const Case& c : cases) EXPECT_EQ(errorAfter(c.handler, c.input), c.error) << c.what;
}

TEST(LongInput, LongSumsStillGiveTheirResults) {
  size_t length = 0;
  Program sum;
  sum.form.Memo1.SetText("[(" + repeat("x+", 20000) + "x)]");
  sum.form.Perform([&] { sum.form.Button1Click(); });
  EXPECT_EQ(sum.form.Memo2.Text(), "(((1" + repeat("+1", 20000) + ")))");
  EXPECT_EQ(errorAfter(&TForm1::Button1Click, repeat("[(x)]+", 20000) + "[(x)]", &length), "");
  EXPECT_GT(length, 120000u);
  EXPECT_EQ(errorAfter(&TForm1::Button6Click, "[(" + repeat("1+", 20000) + "1)]", &length), "");

  Program p;
  p.form.Memo1.SetText(repeat("[(x)]+", 20000) + "[(x)]");
  p.form.Edit1.Text = "2";
  p.form.Perform([&] { p.form.Button24Click(); });
  EXPECT_FALSE(p.recording.messages.error);
  EXPECT_EQ(p.form.Memo2.Text(), "40002");
}

TEST(LongInput, TheLimitStopsTheOperationAsAnyFailureDoes) {
  // A product of 2,000 factors has a derivative of about 12 million
  // characters: refused, with the result box empty and the input box
  // holding its prepared text.
  Program p;
  const std::string input = "[(" + repeat("x)*(", 2000) + "x)]";
  p.form.Memo1.SetText(input);
  p.form.Perform([&] { p.form.Button1Click(); });
  ASSERT_TRUE(p.recording.messages.error);
  EXPECT_EQ(cp1254ToUtf8(*p.recording.messages.error), kTooLong);
  EXPECT_EQ(p.form.Memo2.Text(), "");
  EXPECT_EQ(p.form.Memo1.Text(), Preparation::insertUnitCoefficients(input));
  // A product of 200 factors is well within the limit.
  p.form.Memo1.SetText("[(" + repeat("x)*(", 200) + "x)]");
  p.recording.messages.error.reset();
  p.form.Perform([&] { p.form.Button1Click(); });
  EXPECT_FALSE(p.recording.messages.error);
}

TEST(LongInput, MessagesQuoteAtMostAHundredCharacters) {
  EXPECT_EQ(quoteText("abc"), "abc");
  EXPECT_EQ(quoteText(repeat("a", 100)), repeat("a", 100));
  EXPECT_EQ(quoteText(repeat("a", 101)), repeat("a", 100) + "\x85");
  // A line break is never cut in half.
  EXPECT_EQ(quoteText(repeat("a", 99) + "\r\nb"), repeat("a", 99) + "\x85");
  EXPECT_EQ(errorOf([] { TextToFloat(repeat("z", 500)); }),
            "'" + repeat("z", 100) + "\x85' is not a valid floating point value");
  EXPECT_EQ(errorOf([] { TextToInt(repeat("7", 500)); }), "'" + repeat("7", 100) + "\x85' is not a valid integer value");
}

// ------------------------------------------- one-pass rewrites, checked

// The power rewrites as first written: for each power character, a scan back
// to the operator before it and forward to the operator after it.
struct Collected {
  std::string digits;
  size_t run = 0;
};

Collected collectLeft(std::string_view t, size_t p) {
  Collected d;
  size_t from = p;
  while (from > 0 && !isOperator(t[from - 1])) --from;
  size_t run = 0;
  while (run < p - from && isNumberChar(t[p - 1 - run])) ++run;
  for (size_t k = from; k < p; ++k)
    if (isNumberChar(t[k])) d.digits += t[k];
  if (d.digits.size() == run) d.run = run;
  return d;
}

Collected collectRight(std::string_view t, size_t p) {
  Collected d;
  bool passedOther = false, direct = true;
  for (size_t k = p + 1; k < t.size() && !isOperator(t[k]); ++k) {
    if (isNumberChar(t[k])) {
      d.digits += t[k];
      if (passedOther) direct = false;
    } else {
      passedOther = true;
    }
  }
  if (direct) d.run = d.digits.size();
  return d;
}

bool signAt(std::string_view t, size_t m) {
  return t[m] == '-' && m > 0 && (t[m - 1] == '*' || t[m - 1] == '/');
}

std::string squaresAsFirstWritten(std::string_view t) {
  std::string out;
  size_t pos = 0;
  for (size_t p = 0; p < t.size(); ++p) {
    if (t[p] != '\xB2') continue;
    const Collected base = collectLeft(t, p);
    if (base.digits.empty()) continue;
    long double b = TextToFloat(base.digits);
    if (base.run == 0) continue;
    size_t first = p - base.run;
    if (first > 0 && signAt(t, first - 1)) {
      --first;
      b = -b;
    }
    const long double power = IntegerPower(b, 2);
    if (first < pos) continue;
    out.append(t.substr(pos, first - pos));
    out += FloatToPlainText(power);
    pos = p + 1;
  }
  out.append(t.substr(pos));
  return out;
}

std::string powersAsFirstWritten(std::string_view t) {
  std::string out;
  size_t pos = 0;
  for (size_t p = 0; p < t.size(); ++p) {
    if (t[p] != '^') continue;
    const Collected base = collectLeft(t, p);
    const Collected exponent = collectRight(t, p);
    if (base.digits.empty() || exponent.digits.empty()) continue;
    long double b = TextToFloat(base.digits);
    const long double e = TextToFloat(exponent.digits);
    if (base.run == 0 || exponent.run == 0) {
      Power(b, e);
      continue;
    }
    size_t first = p - base.run;
    if (first > 0 && signAt(t, first - 1)) {
      --first;
      b = -b;
    }
    const std::string value = FloatToPlainText(Power(b, e));
    if (first < pos) continue;
    out.append(t.substr(pos, first - pos));
    out += value;
    pos = p + exponent.run + 1;
  }
  out.append(t.substr(pos));
  return out;
}

// The text a rewrite gives, or the error it raises.
template <typename F>
std::string outcome(F&& f) {
  try {
    return f();
  } catch (const EngineError& e) {
    return "error: " + e.text();
  }
}

TEST(LongInput, PowerRewritesReadEachStretchAsTheScansDefineIt) {
  // Long digit runs (over 64 characters) are read through their short form;
  // zeros, commas and letters make the stretches the scans pass over.
  std::mt19937 random(1254);
  const std::vector<std::string> pieces = {"0", "1", "9", "2", ",", "00000000000000000000", "12345678901234567890",
                                           "\xB2", "^", "x", "(", ")", "+", "-", "*", "Sin"};
  for (int round = 0; round < 6000; ++round) {
    std::string t = round % 3 == 0 ? "[(" : "";
    const int n = static_cast<int>(random() % 40);
    for (int k = 0; k < n; ++k) t += pieces[random() % pieces.size()];
    EXPECT_EQ(outcome([&] { return Preparation::expandSuperscript(t, 2, '\xB2'); }),
              outcome([&] { return squaresAsFirstWritten(t); }))
        << t;
    EXPECT_EQ(outcome([&] { return Preparation::expandPowers(t); }), outcome([&] { return powersAsFirstWritten(t); }))
        << t;
  }
}

// The sign joins as first written: one list deletion per join.
TEST(LongInput, SignJoinsAgreeWithDeletionsLineByLine) {
  std::mt19937 random(2026);
  const std::string alphabet = "12+-*/";
  for (int round = 0; round < 3000; ++round) {
    std::string t;
    const int len = static_cast<int>(random() % 12);
    for (int k = 0; k < len; ++k) t += alphabet[random() % alphabet.size()];

    Program p;
    TForm2& f = p.form2;
    p.form.Split().SplitOperands(t);
    std::vector<std::string> operands = f.Memo7.lines(), operators = f.Memo1.lines(), joined;
    auto get = [](const std::vector<std::string>& v, size_t i) { return i < v.size() ? v[i] : std::string(); };
    const size_t n = operands.size();
    for (size_t i = 0; i < n; ++i) {
      if (!get(operands, i).empty()) {
        joined.push_back(operands[i]);
      } else {
        joined.push_back(get(operators, i) + get(operands, i + 1));
        if (i < operands.size()) operands.erase(operands.begin() + static_cast<long>(i));
        if (i < operators.size()) operators.erase(operators.begin() + static_cast<long>(i));
      }
    }
    p.form.Split().JoinSignedOperands();
    EXPECT_EQ(f.Memo15.lines(), joined) << t;
    EXPECT_EQ(f.Memo7.lines(), operands) << t;
    EXPECT_EQ(f.Memo1.lines(), operators) << t;
  }
}

}  // namespace
}  // namespace velsira
