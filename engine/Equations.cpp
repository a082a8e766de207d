// Equation solving. The quadratic solver finds its coefficients by character
// positions in the first factor argument, not by parsing, and writes a worked
// solution line by line, so that a failure leaves the lines written so far.
// The root scan evaluates the input once per integer of the interval,
// through a PointScan, and ends early when the progress window's "Durdur"
// is pressed.
#include "engine/Equations.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "engine/Arithmetic.h"
#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/PointScan.h"
#include "engine/Text.h"

namespace velsira {
namespace {

constexpr std::string_view kRootSeparator = " ; ";
constexpr std::string_view kNoRoot = "Bu aralıkta tam sayı kök bulunamadı."_cp;
constexpr std::string_view kNoRootBeforeStop = "Durdurulana kadar tam sayı kök bulunamadı."_cp;

// The decimal text of a 128-bit integer.
std::string Int128ToText(__int128 v) {
  if (v == 0) return "0";
  const bool negative = v < 0;
  unsigned __int128 u = negative ? -static_cast<unsigned __int128>(v) : static_cast<unsigned __int128>(v);
  std::string digits;
  while (u != 0) {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(u % 10)));
    u /= 10;
  }
  return negative ? "-" + digits : digits;
}

// The character of s at 1-based position i, or the empty text.
std::string_view charAt(std::string_view s, long i) { return i < 1 ? std::string_view() : substring(s, i, 1); }

}  // namespace

std::string Equations::ThreeDecimalText(long double v) {
  const bool negative = v < 0;
  // Thirty decimals of the exact value decide the rounding at the third.
  const long double magnitude = std::fabs(v);
  const int size = std::snprintf(nullptr, 0, "%.30Lf", magnitude);
  std::vector<char> buffer(static_cast<size_t>(size) + 1);
  std::snprintf(buffer.data(), buffer.size(), "%.30Lf", magnitude);
  const std::string exact(buffer.data());
  const size_t point = exact.find('.');
  std::string units = exact.substr(0, point) + exact.substr(point + 1, 3);  // thousandths
  if (exact[point + 4] >= '5') {
    size_t i = units.size();
    while (i > 0 && units[i - 1] == '9') units[--i] = '0';
    if (i == 0) units.insert(units.begin(), '1');
    else ++units[i - 1];
  }
  std::string text = (negative ? "-" : "") + units.substr(0, units.size() - 3) + "." + units.substr(units.size() - 3);
  if (text.size() < 5) text.insert(0, 5 - text.size(), ' ');
  return text;
}

namespace {

struct Coefficients {
  int32_t a, b, c;
};

// The coefficients of the equation s = a·x² + b·x + c, found by position: a
// before the "x²" that begins within the first nine characters, b between
// "²" and the linear x within them (1 when one character stands between),
// c after that x. A missing linear term or constant counts as 0: with no x
// after "x²" at all, c is everything after "²". An x no rule reads leaves
// the constant as the empty text, which is refused.
Coefficients readCoefficients(std::string_view s) {
  long p = 0;  // the position of the "²"
  for (long i = 2; i <= 10; ++i)
    if (substring(s, i - 1, 2) == std::string("x") + kSquare) p = i;
  Coefficients k{TextToInt(substring(s, 1, p - 2)), 0, 0};

  long q = 0;  // just after the linear x
  for (long i = 2; i <= 10; ++i) {
    const bool linearX = charAt(s, i - 1) == "x" && charAt(s, i) != std::string(1, kSquare);
    if (linearX && i > p + 3) {
      q = i;
      k.b = TextToInt(substring(s, p + 1, q - p - 2));
    }
    if (linearX && i == p + 3) {
      q = i;
      k.b = 1;
    }
  }
  const long length = static_cast<long>(s.size());
  const std::string_view afterSquare = substring(s, p + 1, length);
  std::string_view constant;
  bool read = q > 0 || afterSquare.find('x') == std::string_view::npos;
  if (q > 0) constant = substring(s, q, length);
  else if (read) constant = afterSquare;
  k.c = read && constant.empty() ? 0 : TextToInt(constant);
  return k;
}

}  // namespace

std::string Equations::ComplexRootsLine(long long minusB, long double d, long long twoA) {
  const long double re = Divide(static_cast<long double>(minusB), static_cast<long double>(twoA));
  const long double im = Divide(Sqrt(-d), static_cast<long double>(twoA));
  auto trim = [](std::string t) { return t.substr(t.find_first_not_of(' ')); };
  const std::string reText = trim(ThreeDecimalText(re));
  const std::string imText = trim(ThreeDecimalText(std::fabs(im)));
  const char first = im < 0 ? '-' : '+';
  const char second = im < 0 ? '+' : '-';
  return std::string("Delta<0 olduğundan gerçek kök yoktur; X1="_cp) + reText + first + imText + "i ; X2=" + reText +
         second + imText + "i";
}

void Equations::Button2Click() {
  w_.ClearResults();
  Splitting::CheckAfterVariable(w_.Memo1.Text());
  prep_.InsertUnitCoefficients();
  w_.Memo2.SetDisplayCharset(ResultBox::Charset::Turkish);
  TForm2& f = w_.Form2;
  split_.SplitFactors(w_.Memo1.Text());
  // The equation is the first factor argument.
  const auto [a, b, c] = readCoefficients(f.Memo8.get(0));

  // Exact in 128 bits: 4·a·c alone can exceed 64 bits.
  const __int128 d = static_cast<__int128>(b) * b - static_cast<__int128>(4) * a * c;
  w_.Memo2.AddLine("Delta=" + Int128ToText(d));
  const long long minusB = -static_cast<long long>(b);
  const long long twoA = 2LL * a;
  if (d < 0) {
    // No real root: the worked text ends with the two complex ones (d < 0
    // needs a != 0).
    w_.Memo2.AddLine(ComplexRootsLine(minusB, static_cast<long double>(d), twoA));
    return;
  }
  const long double root = Sqrt(static_cast<long double>(static_cast<double>(d)));
  const std::string r = ThreeDecimalText(root);
  w_.Memo2.AddLine(std::string("Kök Delta="_cp) + r);
  w_.Memo2.AddLine(std::string("Birinci Kök ("_cp) + IntToText(minusB) + "+" + r + ")/" + IntToText(twoA));
  w_.Memo2.AddLine(std::string("İkinci Kök ("_cp) + IntToText(minusB) + "-" + r + ")/" + IntToText(twoA));
  w_.Memo2.AddLine("Bulunur.");
  const long double x1 = Divide(Add(root, static_cast<long double>(minusB)), static_cast<long double>(twoA));
  const long double x2 = Divide(Subtract(static_cast<long double>(minusB), root), static_cast<long double>(twoA));
  w_.Memo2.AddLine(std::string("Yani yaklaşık X1="_cp) + ThreeDecimalText(x1) + " ; " + "X2=" + ThreeDecimalText(x2) +
                   "'dir");
}

void Equations::Button39Click() {
  try {
    scanRoots();
  } catch (...) {
    // No failure leaves the progress window over the boxes.
    w_.ui.progress.Hide();
    throw;
  }
}

void Equations::scanRoots() {
  w_.ClearResults();
  ProgressWindow& window = w_.ui.progress;
  window.Show();
  const std::string caption("Denklem için"_cp);
  const int32_t xmin = TextToInt(
      w_.ui.dialogs.InputBox(caption, std::string("Lütfen x'in tahmini minimum değerini giriniz."_cp), "-100"));
  const int32_t xmax = TextToInt(
      w_.ui.dialogs.InputBox(caption, std::string("Lütfen x'in tahmini maksimum değerini giriniz."_cp), "100"));
  ProgressBar& bar = window.ProgressBar1;
  bar.SetRange(xmin, xmax);
  // Each scan shows its own progress: the bar starts at the new minimum.
  bar.SetPosition(xmin);

  // The roots joined by " ; ", which no reader takes for a decimal comma.
  std::string roots;
  std::string value;
  PointScan scan(calc_);
  window.BeginScan();
  for (long long x = xmin; x <= xmax; ++x) {
    scan.Evaluate(x, value, x == xmax);
    if (value == "0") {
      if (!roots.empty()) roots += kRootSeparator;
      roots += IntToText(x);
      checkTextLength(roots.size());
    }
    bar.StepBy(1);
    window.Tick();
    // "Durdur": the roots found so far, and where the scan stopped.
    const bool stopped = x < xmax && window.StopRequested();
    if (x == xmax || stopped) {
      w_.Memo2.Clear();
      if (!roots.empty()) w_.Memo2.AddLine(roots);
      else w_.Memo2.AddLine(std::string(stopped ? kNoRootBeforeStop : kNoRoot));
      if (stopped) w_.Memo2.AddLine(StoppedLine(x));
      window.Hide();
      return;
    }
  }
}

}  // namespace velsira
